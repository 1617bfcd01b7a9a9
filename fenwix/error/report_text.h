// The text of an error report, built apart from the message box that shows it.
#ifndef FENWIX_ERROR_REPORT_TEXT_H
#define FENWIX_ERROR_REPORT_TEXT_H

#include <string>

#include "fenwix/error/error_context.h"

inline constexpr const char kReportCaption[] = "Fenwix Error";
inline constexpr const char kStopQuestion[] = "Do you want to stop the program ?";

// Codes 1000 to 1999 are failed platform calls; their reports carry the system's error.
bool IsPlatformError(int code);

// "System error : N" and "System message : text" as the platform gave it.
std::string SystemPart(unsigned long lastError, const std::string& systemText);

// The report's lines, each ended by a line break, followed by the system part for a
// platform error. An empty context window name is replaced by currentWindowName.
std::string ReportText(int code, const ErrorContext& context,
                       const std::string& currentWindowName, const std::string& message,
                       const std::string& systemPart);

// The report followed by an empty line and the question of the message box.
std::string ReportQuestion(const std::string& report);

#endif
