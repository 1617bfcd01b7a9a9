// Reads error messages from the message database. The file is read whole with the C
// library: streams would bring their locale machinery into every program.
#include "fenwix/error/message_db.h"

#include <cstdio>
#include <memory>

#include "fenwix/props/value_convert.h"
#include "fenwix/text/utf.h"

namespace {

// The line that starts at `at`, as text-mode reading gives it: the line break removed,
// and the carriage return before it too; `at` moves past it. False when the end of the
// text comes before a line break.
bool ReadLine(const std::string& text, std::size_t& at, std::string& line) {
  const std::size_t end = text.find('\n', at);
  if (end == std::string::npos) return false;
  line.assign(text, at, end - at);
  at = end + 1;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

// The value between the first and last character; a line too short to hold a delimiter
// on each side holds no value and matches nothing.
bool Unwrap(const std::string& line, std::string& value) {
  if (line.size() < 3) return false;
  value = line.substr(1, line.size() - 2);
  return true;
}

bool SearchPass(const std::string& text, int code, const std::string& language,
                std::string& message) {
  std::size_t at = 0;
  std::string line;
  while (ReadLine(text, at, line)) {
    if (line != "<FDBRC>") continue;
    std::string fields[5];
    for (std::string& field : fields) {
      if (!ReadLine(text, at, field)) return false;
    }
    std::string section, library, lang, number, text;
    const bool complete = Unwrap(fields[0], section) && Unwrap(fields[1], library) &&
               Unwrap(fields[2], lang) && Unwrap(fields[3], number) && Unwrap(fields[4], text);
    if (complete && section == "ERROR" && library == "FENWIX" && lang == language &&
        TextToInt(number, 10) == code) {
      message = text;
      return true;
    }
  }
  return false;
}

// Paths are UTF-8; the platform's wide call opens any of them, whatever the ANSI code
// page can spell.
std::FILE* OpenForReading(const std::string& path) {
#if defined(__MINGW32__) || defined(_MSC_VER)
  const std::u16string wide = Utf8ToUtf16(path);
  return _wfopen(std::wstring(wide.begin(), wide.end()).c_str(), L"rb");
#else
  return std::fopen(path.c_str(), "rb");
#endif
}

}  // namespace

std::string LookupMessage(const std::string& database, int code, const std::string& language) {
  std::string message;
  if (SearchPass(database, code, language, message)) return message;
  const char* other = language == kEnglish ? kFrench : kEnglish;
  if (SearchPass(database, code, other, message)) return message;
  return kNoMessage;
}

std::string LookupMessageFile(int code, const std::string& language,
                              const std::vector<std::string>& files) {
  for (const std::string& file : files) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> database(OpenForReading(file),
                                                                   std::fclose);
    if (!database) continue;
    std::string contents;
    char block[4096];
    std::size_t got;
    while ((got = std::fread(block, 1, sizeof block, database.get())) > 0) contents.append(block, got);
    return LookupMessage(contents, code, language);
  }
  return kNoMessageFile;
}
