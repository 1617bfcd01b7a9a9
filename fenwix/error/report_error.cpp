// Shows an error report in a message box that offers to stop the program, or hands it to
// the program's error handler.
#include <algorithm>
#include <string>
#include <vector>

#include "fenwix/error/error_context.h"
#include "fenwix/error/language.h"
#include "fenwix/error/message_db.h"
#include "fenwix/error/report_text.h"
#include "fenwix/fenwix.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"

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

// No Windows path is longer, even one with the long-path prefix.
constexpr std::size_t kLongestPath = 32768;

// fenmsg.fdb in the folder of the program's executable; empty when that folder is unknown.
std::string MessageFileBesideProgram() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length =
        os::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return std::string();
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    // A length equal to the buffer's means the name was cut to fit (and, before Vista,
    // left without its terminating null): try again with more room.
    if (path.size() >= kLongestPath) return std::string();
    path.resize(std::min(path.size() * 2, kLongestPath));
  }
  const std::size_t folderEnd = path.find_last_of("\\/");
  if (folderEnd == std::string::npos) return std::string();
  path.resize(folderEnd + 1);
  return path + kMessageFileName;
}

}  // namespace

void FX_ErrorHandlerSet(ErrorHandler handler) { installedHandler = handler; }

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

  // A file in the current directory comes first, so one put there replaces the texts
  // shipped with the program; started from another folder, the program still finds
  // those beside its executable.
  std::vector<std::string> files = {kMessageFileName};
  const std::string beside = MessageFileBesideProgram();
  if (!beside.empty()) files.push_back(beside);
  const std::string message = LookupMessageFile(code, TextLanguage(), files);
  const std::string report = ReportText(code, CurrentErrorContext(),
                                        TheRegistry().CurrentWindowName, message, systemPart);
  const std::string shown = ReportQuestion(report);
  const bool stop = installedHandler
                        ? HandlerStops(installedHandler, code, report)
                        : os::MessageBoxA(nullptr, shown.c_str(), kReportCaption,
                                          MB_YESNO | MB_ICONERROR) == IDYES;
  // The quit message's code becomes the program's exit code, so a script that started
  // the program learns which error stopped it.
  if (stop) os::PostQuitMessage(code);
  return shown;
}
