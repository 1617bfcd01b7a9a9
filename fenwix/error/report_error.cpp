// Shows an error report in a message box that offers to stop the program.
#include <string>

#include "fenwix/error/error_context.h"
#include "fenwix/error/message_db.h"
#include "fenwix/error/report_text.h"
#include "fenwix/fenwix.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"

std::string ReportError(ErrorCode code) {
  std::string systemPart;
  if (IsPlatformError(code)) {
    // Read before any other platform call can overwrite it.
    const DWORD lastError = os::GetLastError();
    char* buffer = nullptr;
    const DWORD length = os::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, lastError, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
        reinterpret_cast<LPSTR>(&buffer), 0, nullptr);
    systemPart = SystemPart(lastError, length && buffer ? std::string(buffer, length) : "");
    if (buffer) os::LocalFree(buffer);
  }

  const std::string message = LookupMessageFile(code, kMessageLanguage);
  const std::string report = ReportText(code, CurrentErrorContext(),
                                        TheRegistry().CurrentWindowName, message, systemPart);
  const std::string shown = ReportQuestion(report);
  // The quit message's code becomes the program's exit code, so a script that started
  // the program learns which error stopped it.
  if (os::MessageBoxA(nullptr, shown.c_str(), kReportCaption, MB_YESNO | MB_ICONERROR) == IDYES)
    os::PostQuitMessage(code);
  return shown;
}
