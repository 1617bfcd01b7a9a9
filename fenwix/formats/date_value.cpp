// DATE values: the format language (tokens, literals, "!" escapes), reading a date from
// typed text, checking the fields and counting them on the calendar, and writing the value
// back.
#include "fenwix/formats/date_value.h"

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

constexpr std::int64_t kSecondsPerDay = 86400;

// Days from 1970-01-01 to the given date of the Gregorian calendar, for years from 1 on.
// The year is counted from March, so that the leap day ends it and the days before each
// month follow one formula.
constexpr std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
  if (month <= 2) --year;
  const std::int64_t era = year / 400;
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

constexpr bool IsLeapYear(int year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// The last day of the month, for a month from 1 to 12.
constexpr int DaysInMonth(int year, int month) {
  if (month == 2) return IsLeapYear(year) ? 29 : 28;
  return month == 4 || month == 6 || month == 9 || month == 11 ? 30 : 31;
}

// The date the given day count from 1970-01-01 falls on, the inverse of DaysFromCivil.
void CivilFromDays(std::int64_t days, Fields& f) {
  days += 719468;
  const std::int64_t era = days / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
  f.day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
  f.month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
  f.year = static_cast<int>(yearOfEra + era * 400 + (f.month <= 2 ? 1 : 0));
}

// The first second after 31/12/9999 23:59:59, the end of what a four-digit year can write.
constexpr std::int64_t kStartOfTime = DaysFromCivil(1601, 1, 1) * kSecondsPerDay;
constexpr std::int64_t kEndOfTime = DaysFromCivil(10000, 1, 1) * kSecondsPerDay;

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

// The text a token writes for the date.
std::string TokenText(const FormatPiece& piece, const Fields& f) {
  const bool two = piece.length == 2;
  switch (piece.letter) {
    case 'd': return piece.length <= 2 ? Padded(f.day, two) : "";
    case 'm': return piece.length <= 2 ? Padded(f.month, two) : "";
    case 'y':
      if (piece.length == 4) return std::to_string(f.year);
      if (piece.length != 2) return "";
      // No short form reads back as a year before 1900, and the whole year is read as
      // typed, so that is what such a year writes.
      if (f.year < 1900) return std::to_string(f.year);
      return f.year < 2000 ? std::to_string(f.year - 1900) : Padded(f.year - 2000, true);
    case 'h': return piece.length <= 2 ? Padded(f.hour, two) : "";
    case 'n': return piece.length <= 2 ? Padded(f.minute, two) : "";
    case 's': return piece.length <= 2 ? Padded(f.second, two) : "";
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
  // A day the month does not have is refused: carried into the next month, 31/02 would
  // become a date the user never typed.
  const bool monthKnown = month >= 1 && month <= 12;
  if (day < 1 || day > (monthKnown ? DaysInMonth(year, month) : 31)) error_ = kBadDay;
  if (!monthKnown) error_ = kBadMonth;
  if (year < 1601 || year > 9999) error_ = kBadYear;
  if (hour < 0 || hour > 24) error_ = kBadHour;
  if (minute < 0 || minute > 59) error_ = kBadMinute;
  if (second < 0 || second > 59) error_ = kBadSecond;

  if (error_ == kOk) {
    // Typed fields are the clock on the wall and are counted as such, with no time zone,
    // so a date reads back the same wherever and in whichever season it is written.
    // Hour 24 is the end of the day, carried into the next one.
    const std::int64_t seconds = (DaysFromCivil(year, month, 1) + day - 1) * kSecondsPerDay +
                                 hour * 3600 + minute * 60 + second;
    // Only hour 24 of 31/12/9999 runs past the end. Every field passed its own check, so
    // it is the carried date that is refused, not the year that was typed.
    if (seconds >= kEndOfTime) {
      error_ = kBadTime;
    } else {
      time_ = seconds;
      null_ = false;
    }
  }
  if (error_ != kOk) {
    time_ = 0;
    null_ = true;
  }
}

void DateValue::setTime(std::int64_t seconds) {
  error_ = seconds < kStartOfTime || seconds >= kEndOfTime ? kBadTime : kOk;
  null_ = error_ != kOk;
  time_ = null_ ? 0 : seconds;
}

std::string DateValue::format(const std::string& format) {
  error_ = kOk;
  if (null_) return "";
  const std::string& pattern = format.empty() ? format_ : format;
  if (pattern.empty()) {
    error_ = kNoFormat;
    return "";
  }

  // Dates before 1970 count below zero; the day is the one the second falls in.
  std::int64_t days = time_ / kSecondsPerDay;
  std::int64_t secondOfDay = time_ % kSecondsPerDay;
  if (secondOfDay < 0) {
    secondOfDay += kSecondsPerDay;
    --days;
  }
  Fields fields;
  CivilFromDays(days, fields);
  fields.hour = static_cast<int>(secondOfDay / 3600);
  fields.minute = static_cast<int>(secondOfDay / 60 % 60);
  fields.second = static_cast<int>(secondOfDay % 60);

  std::string out;
  std::size_t pos = 0;
  FormatPiece piece;
  while (NextPiece(pattern, pos, piece)) {
    if (piece.letter == 0) out += piece.literal;
    else out += TokenText(piece, fields);
  }
  return out;
}
