// Builds the text of an error report.
#include "fenwix/error/report_text.h"

#include "fenwix/props/value_convert.h"

// Of these, 1061 to 1069 are a form file's refused lines: no platform call failed.
bool IsPlatformError(int code) {
  // A form file's line (1061 to 1069) is refused by its reader, not by a Windows call.
  return code >= 1000 && code <= 1999 && (code < 1061 || code > 1069);
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
