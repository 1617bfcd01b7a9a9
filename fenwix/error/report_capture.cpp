// The scopes that keep reports for the C++ layer or show them again. Reports are made on
// the thread of the windows only, so one pointer is enough.
#include "fenwix/error/report_capture.h"

namespace {
ReportCapture* active = nullptr;
}

ReportCapture::ReportCapture() : outer_(active) { active = this; }
ReportCapture::~ReportCapture() { active = outer_; }

void ReportCapture::keep(ErrorCode code, const std::string& report) {
  reports_.emplace_back(code, report);
}

void ReportCapture::deliver() {
  const ReportsShown shown;
  for (const auto& [code, report] : reports_) DeliverReport(code, report);
  reports_.clear();
}

void ReportCapture::passThrough() {
  deliver();
  passThrough_ = true;
}

ReportsShown::ReportsShown() : outer_(active) { active = nullptr; }
ReportsShown::~ReportsShown() { active = outer_; }

ReportCapture* ActiveReportCapture() { return active; }
