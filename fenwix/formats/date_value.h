// The value of a DATE field: a date and time of day as read on the wall clock, from 1601
// to 9999, read and written under a format such as "dd/mm/yyyy".
#ifndef FENWIX_FORMATS_DATE_VALUE_H
#define FENWIX_FORMATS_DATE_VALUE_H

#include <cstdint>
#include <string>

class DateValue {
 public:
  // Result codes of the last operation.
  enum Error : std::int32_t {
    kOk = 0,
    kBadDay = 1,
    kBadMonth = 2,
    kBadYear = 3,
    kBadHour = 4,
    kBadMinute = 5,
    kBadSecond = 6,
    kBadTime = 7,
    kEmpty = 8,
    kNoFormat = 9,
  };

  // An empty format gives kNoFormat and keeps the previous one.
  void setFormat(const std::string& format);
  // Reads the numbers of the text in the order of the format's tokens.
  void parse(const std::string& text);
  void setFields(int year, int month, int day, int hour, int minute, int second);
  // The value time() gave; a time outside 1601 to 9999 gives kBadTime and no value.
  void setTime(std::int64_t seconds);
  // The value written under the given format, or under the stored one when it is empty.
  std::string format(const std::string& format);
  std::int32_t error() const { return error_; }

  bool isNull() const { return null_; }
  std::int64_t time() const { return time_; }
  const std::string& formatText() const { return format_; }

 private:
  // Seconds from 1970-01-01 00:00 to the date, both on the same wall clock: no time zone
  // enters, and earlier dates count below zero. 0 when null, but only null_ says empty.
  std::int64_t time_ = 0;
  std::string format_;
  bool null_ = true;
  std::int32_t error_ = kOk;
};

#endif
