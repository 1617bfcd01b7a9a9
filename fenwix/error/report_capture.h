// Reports kept for the caller instead of shown: the C++ layer turns the report of a failed
// call into an exception, so neither the message box nor the program's error handler sees
// it. Where the layer hands control back to the program (a handler, a grid source, a posted
// callable), reports go the usual way again until it returns.
#ifndef FENWIX_ERROR_REPORT_CAPTURE_H
#define FENWIX_ERROR_REPORT_CAPTURE_H

#include <string>

#include "fenwix/fenwix.h"

class ReportCapture {
 public:
  ReportCapture();
  ~ReportCapture();
  ReportCapture(const ReportCapture&) = delete;
  ReportCapture& operator=(const ReportCapture&) = delete;

  // The first report made while this capture was the innermost one; code 0 for none.
  ErrorCode code() const { return code_; }
  const std::string& report() const { return report_; }
  void keep(ErrorCode code, const std::string& report);

 private:
  ReportCapture* outer_;
  ErrorCode code_ = 0;
  std::string report_;
};

// Within its scope no capture is active: reports are shown or handed to the handler.
class ReportsShown {
 public:
  ReportsShown();
  ~ReportsShown();
  ReportsShown(const ReportsShown&) = delete;
  ReportsShown& operator=(const ReportsShown&) = delete;

 private:
  ReportCapture* outer_;
};

// The innermost active capture, or null.
ReportCapture* ActiveReportCapture();

// ReportError with a line of detail after the message, such as an exception's text.
std::string ReportErrorWithDetail(ErrorCode code, const std::string& detail);

#endif
