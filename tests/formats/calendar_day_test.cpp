// The day a calendar opens on and the text a chosen day writes, under the field's format.
#include <gtest/gtest.h>

#include "fenwix/formats/calendar_day.h"

namespace {

TEST(CalendarDay, OpensOnTheShownDayAndKeepsTheTime) {
  const struct {
    const char* format;
    const char* shown;
    bool hasDay;  // false: the calendar opens on today
    CalendarDay opensOn;
    CalendarDay chosen;
    const char* written;
  } cases[] = {
      {"dd/mm/yyyy", "05/03/2005", true, {2005, 3, 5}, {2005, 3, 12}, "12/03/2005"},
      // The time of day the field had stays; a field without one gets midnight.
      {"dd/mm/yyyy hh:nn", "05/03/2005 09:30", true, {2005, 3, 5}, {2006, 1, 31},
       "31/01/2006 09:30"},
      {"dd/mm/yyyy hh:nn", "", false, {}, {2006, 1, 31}, "31/01/2006 00:00"},
      {"yyyy-mm-dd hh:nn:ss", "1999-12-31 23:59:58", true, {1999, 12, 31}, {2000, 2, 29},
       "2000-02-29 23:59:58"},
      // A text that is no date opens on today and its time is not kept.
      {"dd/mm/yyyy hh:nn", "31/02/2005 10:00", false, {}, {2005, 2, 1}, "01/02/2005 00:00"},
      {"d.m.yy", "1.2.38", true, {1938, 2, 1}, {1938, 2, 2}, "2.2.38"},
      // A day the field cannot hold writes nothing.
      {"dd/mm/yyyy", "", false, {}, {1600, 12, 31}, ""},
      {"dd/mm/yyyy", "", false, {}, {2023, 2, 29}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.format) + " | " + c.shown);
    CalendarDay day;
    ASSERT_EQ(DayOfText(c.format, c.shown, day), c.hasDay);
    if (c.hasDay) {
      EXPECT_EQ(day.year, c.opensOn.year);
      EXPECT_EQ(day.month, c.opensOn.month);
      EXPECT_EQ(day.day, c.opensOn.day);
    }
    EXPECT_EQ(TextWithDay(c.format, c.shown, c.chosen), c.written);
  }
}

}  // namespace
