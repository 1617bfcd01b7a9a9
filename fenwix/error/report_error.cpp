// Shows an error report in a message box that offers to stop the program, or hands it to
// the program's error handler.
#include <string>

#include "fenwix/error/error_context.h"
#include "fenwix/error/message_text.h"
#include "fenwix/error/report_capture.h"
#include "fenwix/error/report_text.h"
#include "fenwix/fenwix.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"
#include "fenwix/text/encoding.h"
#include "fenwix/text/window_text.h"

namespace {

ErrorHandler installedHandler = nullptr;

// A report is made from inside window procedures, which an exception cannot unwind
// through: one thrown by the handler ends here and counts as "go on".
bool HandlerStops(ErrorHandler handler, ErrorCode code, const std::string& report) {
  try {
    return handler(code, report);
  } catch (...) {
    return false;
  }
}

// The platform's text for its error number, in the program's encoding.
std::string SystemText(DWORD lastError) {
  constexpr DWORD kFlags =
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
  const DWORD language = MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT);
  std::string text;
  if (Utf8Text()) {
    WCHAR* buffer = nullptr;
    const DWORD length = os::FormatMessageW(kFlags, nullptr, lastError, language,
                                            reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    if (length && buffer) text = Utf8FromWide(WideView(buffer, length));
    if (buffer) os::LocalFree(buffer);
    return text;
  }
  char* buffer = nullptr;
  const DWORD length = os::FormatMessageA(kFlags, nullptr, lastError, language,
                                          reinterpret_cast<LPSTR>(&buffer), 0, nullptr);
  if (length && buffer) text.assign(buffer, length);
  if (buffer) os::LocalFree(buffer);
  return text;
}

}  // namespace

void FX_ErrorHandlerSet(ErrorHandler handler) { installedHandler = handler; }

std::string ReportWithoutBox(ErrorCode code) {
  const std::string message = MessageText(code);
  const std::string report =
      ReportText(code, CurrentErrorContext(), TheRegistry().CurrentWindowName, message, "");
  if (installedHandler && HandlerStops(installedHandler, code, report))
    os::PostQuitMessage(code);
  return message;
}

std::string ReportError(ErrorCode code) { return ReportErrorWithDetail(code, ""); }

std::string ReportErrorWithDetail(ErrorCode code, const std::string& detail) {
  std::string systemPart;
  // The detail takes the place of the system's part, which only codes of the platform's
  // range carry: the C++ layer's codes (1070 to 1074) are among them.
  if (!detail.empty()) {
    systemPart = "Detail : " + detail + "\n";
  } else if (IsPlatformError(code)) {
    // Read before any other platform call can overwrite it.
    const DWORD lastError = os::GetLastError();
    systemPart = SystemPart(lastError, SystemText(lastError));
  }

  const std::string message = MessageText(code);
  const std::string report = ReportText(code, CurrentErrorContext(),
                                        TheRegistry().CurrentWindowName, message, systemPart);
  const std::string shown = ReportQuestion(report);
  ReportCapture* capture = ActiveReportCapture();
  if (capture && capture->keeping()) {
    capture->keep(code, report);
    return shown;
  }
  DeliverReport(code, report);
  return shown;
}

void DeliverReport(ErrorCode code, const std::string& report) {
  const std::string shown = ReportQuestion(report);
  const bool stop = installedHandler
                        ? HandlerStops(installedHandler, code, report)
                        : ShowMessageBox(shown, kReportCaption, MB_YESNO | MB_ICONERROR) == IDYES;
  // The quit message's code becomes the program's exit code, so a script that started
  // the program learns which error stopped it.
  if (stop) os::PostQuitMessage(code);
}
