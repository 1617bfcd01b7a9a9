// Reads error messages from the message database.
#include "fenwix/error/message_db.h"

#include <fstream>

#include "fenwix/props/value_convert.h"

namespace {

// A line as text-mode reading gives it: the line break removed, and the carriage return
// before it too. False when the end of the file was hit before a line break.
bool ReadLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line) || in.eof()) return false;
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

bool SearchPass(std::istream& in, int code, const std::string& language, std::string& message) {
  std::string line;
  while (ReadLine(in, line)) {
    if (line != "<FDBRC>") continue;
    std::string fields[5];
    for (std::string& field : fields) {
      if (!ReadLine(in, field)) return false;
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

}  // namespace

std::string LookupMessage(std::istream& database, int code, const std::string& language) {
  std::string message;
  if (SearchPass(database, code, language, message)) return message;
  database.clear();
  database.seekg(0);
  const char* other = language == kEnglish ? kFrench : kEnglish;
  if (SearchPass(database, code, other, message)) return message;
  return kNoMessage;
}

std::string LookupMessageFile(int code, const std::string& language,
                              const std::vector<std::string>& files) {
  for (const std::string& file : files) {
    std::ifstream database(file, std::ios::binary);
    if (database) return LookupMessage(database, code, language);
  }
  return kNoMessageFile;
}
