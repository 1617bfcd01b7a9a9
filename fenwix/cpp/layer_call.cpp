// Failures crossing the C++ layer: codes into exceptions, exceptions into reports.
#include "fenwix/cpp/layer_call.h"

#include <exception>

#include "fenwix/error/procedure_context.h"

namespace fx::layer {

void Throw(ErrorCode code, ReportCapture& capture) {
  if (capture.code() == code) throw Error(code, capture.report());
  capture.deliver();
  // Codes such as "no such item" from FX_FormItemSet come back unreported.
  const ReportCapture again;
  ReportError(code);
  throw Error(code, again.report());
}

void ReportThrown(ErrorCode code, const std::string& where, const char* function) noexcept {
  static bool reporting = false;
  if (reporting) return;
  reporting = true;
  try {
    std::string detail = "unknown exception";
    try {
      throw;
    } catch (const std::exception& thrown) {
      detail = thrown.what();
    } catch (...) {
    }
    const ReportsShown shown;
    const ProcedureErrorContext context(where, function);
    ReportErrorWithDetail(code, detail);
  } catch (...) {
  }
  reporting = false;
}

}  // namespace fx::layer
