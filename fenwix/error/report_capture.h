// Reports kept for the caller instead of shown: the C++ layer turns the report of a failed
// call into an exception, so neither the message box nor the program's error handler sees
// it. Where the layer hands control back to the program (a handler, a grid source, a posted
// callable), reports go the usual way again until it returns.
#ifndef FENWIX_ERROR_REPORT_CAPTURE_H
#define FENWIX_ERROR_REPORT_CAPTURE_H

#include <string>
#include <utility>
#include <vector>

#include "fenwix/fenwix.h"

class ReportCapture {
 public:
  ReportCapture();
  ~ReportCapture();
  ReportCapture(const ReportCapture&) = delete;
  ReportCapture& operator=(const ReportCapture&) = delete;

  // The first report made while this capture was the innermost one; code 0 for none.
  ErrorCode code() const { return reports_.empty() ? 0 : reports_.front().first; }
  const std::string& report() const { return reports_.front().second; }
  void keep(ErrorCode code, const std::string& report);
  // Shows the kept reports the usual way, for a call that succeeded all the same (a form
  // made without its status bar).
  void deliver();
  // From now on reports pass through as if no capture were active, the kept ones first:
  // the call has become the life of a modal form, whose reports are the form's.
  void passThrough();
  bool keeping() const { return !passThrough_; }

 private:
  ReportCapture* outer_;
  bool passThrough_ = false;
  std::vector<std::pair<ErrorCode, std::string>> reports_;
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

// Shows a finished report in the message box or hands it to the program's handler.
void DeliverReport(ErrorCode code, const std::string& report);

// ReportError with a line of detail after the message, such as an exception's text.
std::string ReportErrorWithDetail(ErrorCode code, const std::string& detail);

#endif
