#include "fenwix/formats/calendar_day.h"

#include <cctype>
#include <vector>

#include "fenwix/formats/date_value.h"

namespace {

// The date's six numbers, year first: written under a fixed format and read back, so that
// the calendar arithmetic stays in one place.
std::vector<int> Parts(DateValue& date) {
  const std::string text = date.format("yyyy mm dd hh nn ss");
  std::vector<int> parts;
  int value = -1;
  for (char c : text + " ") {
    if (std::isdigit(static_cast<unsigned char>(c))) {
      value = (value < 0 ? 0 : value * 10) + (c - '0');
    } else if (value >= 0) {
      parts.push_back(value);
      value = -1;
    }
  }
  return parts;
}

bool ReadDate(const std::string& format, const std::string& text, DateValue& date) {
  date.setFormat(format);
  date.parse(text);
  return date.error() == DateValue::kOk && !date.isNull();
}

}  // namespace

bool DayOfText(const std::string& format, const std::string& text, CalendarDay& day) {
  DateValue date;
  if (!ReadDate(format, text, date)) return false;
  const std::vector<int> parts = Parts(date);
  if (parts.size() != 6) return false;
  day = {parts[0], parts[1], parts[2]};
  return true;
}

std::string TextWithDay(const std::string& format, const std::string& text,
                        const CalendarDay& day) {
  DateValue date;
  std::vector<int> time = {0, 0, 0};
  if (ReadDate(format, text, date)) {
    const std::vector<int> parts = Parts(date);
    if (parts.size() == 6) time = {parts[3], parts[4], parts[5]};
  }
  DateValue chosen;
  chosen.setFormat(format);
  chosen.setFields(day.year, day.month, day.day, time[0], time[1], time[2]);
  if (chosen.error() != DateValue::kOk) return std::string();
  return chosen.format("");
}
