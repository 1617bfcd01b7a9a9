// The scopes that keep reports for the C++ layer or show them again. Reports are made on
// the thread of the windows only, so one pointer is enough.
#include "fenwix/error/report_capture.h"

namespace {
ReportCapture* active = nullptr;
}

ReportCapture::ReportCapture() : outer_(active) { active = this; }
ReportCapture::~ReportCapture() { active = outer_; }

void ReportCapture::keep(ErrorCode code, const std::string& report) {
  if (code_) return;
  code_ = code;
  report_ = report;
}

ReportsShown::ReportsShown() : outer_(active) { active = nullptr; }
ReportsShown::~ReportsShown() { active = outer_; }

ReportCapture* ActiveReportCapture() { return active; }
