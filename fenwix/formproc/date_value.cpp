// DATE values: the format language (tokens, literals, "!" escapes), reading a date from
// typed text, checking and converting local date fields, and writing the value back.
#include "fenwix/formproc/date_value.h"

#include <cstdint>
#include <ctime>

namespace {

// Any larger run of digits is out of range for every field, so reading saturates here
// instead of overflowing; the field's own check then fails.
constexpr int kTooLarge = 1000000000;

// One piece of a format: a literal character, or a run of one token letter.
struct FormatPiece {
  char letter = 0;  // d, m, y, h, n or s; 0 for a literal
  std::size_t length = 0;
  char literal = 0;
};

bool IsTokenLetter(char c) {
  return c == 'd' || c == 'm' || c == 'y' || c == 'h' || c == 'n' || c == 's';
}

// The piece at pos, advancing pos past it. A "!" turns the next character into a literal
// and is itself dropped; a "!" that ends the format stands for nothing. False at the end.
bool NextPiece(const std::string& format, std::size_t& pos, FormatPiece& piece) {
  piece = FormatPiece();
  while (pos < format.size()) {
    const char c = format[pos];
    if (c == '!') {
      pos += 2;
      if (pos - 1 < format.size()) {
        piece.literal = format[pos - 1];
        return true;
      }
      continue;
    }
    if (IsTokenLetter(c)) {
      const std::size_t start = pos;
      while (pos < format.size() && format[pos] == c) ++pos;
      piece.letter = c;
      piece.length = pos - start;
      return true;
    }
    piece.literal = c;
    ++pos;
    return true;
  }
  return false;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct Fields {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// The field a token reads into, or nullptr for runs such as ddd or y that read a number
// and throw it away.
int* FieldOf(Fields& f, const FormatPiece& piece) {
  const bool oneOrTwo = piece.length == 1 || piece.length == 2;
  switch (piece.letter) {
    case 'd': return oneOrTwo ? &f.day : nullptr;
    case 'm': return oneOrTwo ? &f.month : nullptr;
    case 'y': return piece.length == 2 || piece.length == 4 ? &f.year : nullptr;
    case 'h': return oneOrTwo ? &f.hour : nullptr;
    case 'n': return oneOrTwo ? &f.minute : nullptr;
    case 's': return oneOrTwo ? &f.second : nullptr;
    default: return nullptr;
  }
}

// Two-digit years: 00..37 are this century, up to 499 the last one, the rest as typed.
int ExpandShortYear(int n) {
  if (n < 38) return 2000 + n;
  if (n < 500) return 1900 + n;
  return n;
}

std::string Padded(int value, bool twoDigits) {
  std::string text = std::to_string(value);
  if (twoDigits && value >= 0 && value < 10) text.insert(0, "0");
  return text;
}

// The text a token writes for the broken-down local time.
std::string TokenText(const FormatPiece& piece, const std::tm& t) {
  const bool two = piece.length == 2;
  const int year = t.tm_year + 1900;
  switch (piece.letter) {
    case 'd': return piece.length <= 2 ? Padded(t.tm_mday, two) : "";
    case 'm': return piece.length <= 2 ? Padded(t.tm_mon + 1, two) : "";
    case 'y':
      if (piece.length == 4) return std::to_string(year);
      if (piece.length != 2) return "";
      return year < 2000 ? std::to_string(year - 1900) : Padded(year - 2000, true);
    case 'h': return piece.length <= 2 ? Padded(t.tm_hour, two) : "";
    case 'n': return piece.length <= 2 ? Padded(t.tm_min, two) : "";
    case 's': return piece.length <= 2 ? Padded(t.tm_sec, two) : "";
    default: return "";
  }
}

}  // namespace

void DateValue::setFormat(const std::string& format) {
  error_ = kOk;
  if (format.empty()) {
    error_ = kNoFormat;
    return;
  }
  format_ = format;
}

void DateValue::parse(const std::string& text) {
  error_ = kOk;
  if (text.empty()) error_ = kEmpty;
  if (format_.empty()) error_ = kNoFormat;
  if (error_ != kOk) {
    time_ = 0;
    null_ = true;
    return;
  }

  Fields fields;
  std::size_t formatPos = 0;
  std::size_t textPos = 0;
  FormatPiece piece;
  while (textPos < text.size() && NextPiece(format_, formatPos, piece)) {
    // Literals are not matched: any non-digit run in the text separates two numbers.
    if (piece.letter == 0) continue;
    while (textPos < text.size() && !IsDigit(text[textPos])) ++textPos;
    // A token with no digits left keeps its field at 0, so the year and month fall back
    // to the current ones below.
    if (textPos == text.size()) break;
    int number = 0;
    for (; textPos < text.size() && IsDigit(text[textPos]); ++textPos) {
      const int digit = text[textPos] - '0';
      number = number >= kTooLarge / 10 ? kTooLarge : number * 10 + digit;
    }
    int* field = FieldOf(fields, piece);
    if (field == nullptr) continue;
    *field = piece.letter == 'y' && piece.length == 2 ? ExpandShortYear(number) : number;
  }

  null_ = false;
  if (fields.year == 0 || fields.month == 0) {
    const std::time_t now = std::time(nullptr);
    if (const std::tm* local = std::localtime(&now)) {
      if (fields.year == 0) fields.year = local->tm_year + 1900;
      if (fields.month == 0) fields.month = local->tm_mon + 1;
    }
  }
  setFields(fields.year, fields.month, fields.day, fields.hour, fields.minute, fields.second);
}

void DateValue::setFields(int year, int month, int day, int hour, int minute, int second) {
  error_ = kOk;
  // Every check runs; the last one that fails decides the code.
  if (day < 1 || day > 31) error_ = kBadDay;
  if (month < 1 || month > 12) error_ = kBadMonth;
  if (year < 1970 || year > 2038) error_ = kBadYear;
  if (hour < 0 || hour > 24) error_ = kBadHour;
  if (minute < 0 || minute > 59) error_ = kBadMinute;
  if (second < 0 || second > 59) error_ = kBadSecond;

  if (error_ == kOk) {
    std::tm fields = {};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;  // 31/02 is carried into March by the conversion
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    // Typed fields are the clock on the wall: whether summer time applies to that date is
    // for the platform's zone rules to say, or 23:30 in summer would come back as 00:30.
    fields.tm_isdst = -1;
    const std::time_t converted = std::mktime(&fields);
    // The year check lets through most of 2038, past the last second a 32-bit time can
    // hold; a 64-bit time_t converts it, and it must not wrap into 1901.
    if (converted == static_cast<std::time_t>(-1) || converted > INT32_MAX ||
        converted < INT32_MIN) {
      error_ = kBadTime;
    } else {
      time_ = static_cast<std::int32_t>(converted);
      null_ = false;
    }
  }
  if (error_ != kOk) {
    time_ = 0;
    null_ = true;
  }
}

std::string DateValue::format(const std::string& format) {
  error_ = kOk;
  if (null_) return "";
  const std::string& pattern = format.empty() ? format_ : format;
  if (time_ == -1) error_ = kBadTime;
  else if (time_ == 0) error_ = kEmpty;
  else if (pattern.empty()) error_ = kNoFormat;
  if (error_ != kOk) return "";

  const std::time_t value = time_;
  const std::tm* broken = std::localtime(&value);
  if (broken == nullptr) {  // some runtimes refuse times before 1970
    error_ = kBadTime;
    return "";
  }
  const std::tm local = *broken;

  std::string out;
  std::size_t pos = 0;
  FormatPiece piece;
  while (NextPiece(pattern, pos, piece)) {
    if (piece.letter == 0) out += piece.literal;
    else out += TokenText(piece, local);
  }
  return out;
}
