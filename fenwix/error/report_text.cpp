// Builds the text of an error report.
#include "fenwix/error/report_text.h"

#include "fenwix/props/value_convert.h"

// Of these, 1061 to 1069 are a form file's refused lines, 1080 an unknown theme, 1083 a
// progress value out of range and 1087 to 1089 a grid's refused filter, order or row: no
// platform call failed.
bool IsPlatformError(int code) {
  return code >= 1000 && code <= 1999 && (code < 1061 || code > 1069) && code != 1080 &&
         code != 1083 && (code < 1087 || code > 1089);
}

std::string SystemPart(unsigned long lastError, const std::string& systemText) {
  return "System error : " + std::to_string(lastError) + "\n" + "System message : " + systemText +
         "\n";
}

std::string ReportText(int code, const ErrorContext& context,
                       const std::string& currentWindowName, const std::string& message,
                       const std::string& systemPart) {
  const std::string& windowName =
      context.windowName.empty() ? currentWindowName : context.windowName;
  std::string report = "Function : " + context.functionName + "\n" +
                       "Window name : " + windowName + "\n" +
                       "Error number : " + IntToText(code) + "\n" +
                       "Error msg : " + message + "\n";
  if (IsPlatformError(code)) report += systemPart;
  return report;
}

std::string ReportQuestion(const std::string& report) { return report + "\n" + kStopQuestion; }
