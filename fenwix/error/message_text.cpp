// Finds the message database and reads a code's text from it.
#include "fenwix/error/message_text.h"

#include <algorithm>
#include <vector>

#include "fenwix/error/language.h"
#include "fenwix/error/message_db.h"
#include "fenwix/platform/platform.h"
#include "fenwix/text/encoding.h"

namespace {

// No Windows path is longer, even one with the long-path prefix.
constexpr std::size_t kLongestPath = 32768;

// fenmsg.fdb in the folder of the program's executable, as a UTF-8 path; empty when that
// folder is unknown. The folder's name may hold any letters, whatever the code page.
std::string MessageFileBesideProgram() {
  WideString path(MAX_PATH, WCHAR());
  for (;;) {
    const DWORD length =
        os::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
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
  const std::size_t folderEnd = path.find_last_of(WideText("\\/"));
  if (folderEnd == WideString::npos) return std::string();
  path.resize(folderEnd + 1);
  return Utf8FromWide(path) + kMessageFileName;
}

}  // namespace

std::string MessageText(int code) {
  // A file in the current directory comes first, so one put there replaces the texts
  // shipped with the program; started from another folder, the program still finds
  // those beside its executable.
  std::vector<std::string> files = {kMessageFileName};
  const std::string beside = MessageFileBesideProgram();
  if (!beside.empty()) files.push_back(beside);
  return ProgramTextFromCp1252(LookupMessageFile(code, TextLanguage(), files));
}
