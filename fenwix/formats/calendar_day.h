// The day a DATE field shows, as a month calendar takes and gives it, and the field's text
// once a day has been chosen in the calendar.
#ifndef FENWIX_FORMATS_CALENDAR_DAY_H
#define FENWIX_FORMATS_CALENDAR_DAY_H

#include <string>

struct CalendarDay {
  int year = 0, month = 0, day = 0;
};

// The day the text shows when read under the format; false for an empty text or one that
// is no date, for which a calendar opens on today.
bool DayOfText(const std::string& format, const std::string& text, CalendarDay& day);

// The text written under the format for the chosen day, at the time of day the text
// showed (midnight when it showed none). Empty when the day is no date the field takes.
std::string TextWithDay(const std::string& format, const std::string& text,
                        const CalendarDay& day);

#endif
