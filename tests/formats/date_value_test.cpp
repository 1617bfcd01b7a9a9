// DATE values: reading under a format, the checks and their order, the count of seconds on
// the wall clock, and writing back. Every test fixes the time zone itself, and the value
// must not depend on it.
#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <string>

#include "fenwix/formats/date_value.h"
#include "tests/formats/scoped_time_zone.h"

namespace {

// Shows every field, so one comparison checks the whole date a text was read as.
constexpr const char kFull[] = "dd/mm/yyyy hh:nn:ss";

class DateValueTest : public ::testing::Test {
 protected:
  test::ScopedTimeZone utc_{"UTC0"};
};

struct ParseCase {
  const char* format;
  const char* text;
  int error;
  const char* full;  // the value under kFull when error is 0
};

void ExpectParses(const ParseCase& c) {
  DateValue date;
  date.setFormat(c.format);
  date.parse(c.text);
  const std::string where = std::string("format \"") + c.format + "\", text \"" + c.text + "\"";
  EXPECT_EQ(date.error(), c.error) << where << ": expected error " << c.error << ", got "
                                   << date.error();
  if (c.error != 0) {
    EXPECT_TRUE(date.isNull()) << where;
    EXPECT_EQ(date.time(), 0) << where;
    return;
  }
  EXPECT_FALSE(date.isNull()) << where;
  EXPECT_EQ(date.format(kFull), c.full) << where;
}

TEST_F(DateValueTest, ReadsNumbersInTheOrderOfTheTokens) {
  const ParseCase cases[] = {
      {"dd/mm/yy", "12/3-05", 0, "12/03/2005 00:00:00"},  // literals are not matched
      {"dd/mm/yyyy", "12.03.2005", 0, "12/03/2005 00:00:00"},
      {"dd/mm/yyyy", "  12 x 3 y 2005 z", 0, "12/03/2005 00:00:00"},
      {"mm/dd/yyyy", "3/12/2005", 0, "12/03/2005 00:00:00"},
      {"ddmmyyyy", "5 3 2005", 0, "05/03/2005 00:00:00"},  // ddmm is two tokens
      {"d.m.yyyy h:n:s", "5.3.2005 7:8:9", 0, "05/03/2005 07:08:09"},
      {"dd/mm/yyyy hh:nn", "12/03/2005 24:00", 0, "13/03/2005 00:00:00"},  // hour 24 passes
      {"dd/mm/yyyy", "29/02/2024", 0, "29/02/2024 00:00:00"},  // leap days
      {"dd/mm/yyyy", "29/02/2000", 0, "29/02/2000 00:00:00"},
      {"dd/mm/yyyy hh:nn", "29/02/2024 24:00", 0, "01/03/2024 00:00:00"},
      {"dd/mm/yyyy", "30/04/2024", 0, "30/04/2024 00:00:00"},
      {"dd/mm/yyyy", "31/12/2024", 0, "31/12/2024 00:00:00"},
      // Runs that are no token read a number and throw it away.
      {"ddd dd/mm/yyyy", "999 5/3/2005", 0, "05/03/2005 00:00:00"},
      {"yyy dd/mm/yyyy", "2004 5/3/2005", 0, "05/03/2005 00:00:00"},
      {"dd/mm/y yyyy", "5/3/1 2005", 0, "05/03/2005 00:00:00"},
      {"dd/mm/yyyy sss", "5/3/2005 77", 0, "05/03/2005 00:00:00"},
      // The text ends before the format: the remaining fields keep their start values.
      {"dd/mm/yyyy hh:nn", "5/3/2005", 0, "05/03/2005 00:00:00"},
      {"dd/mm/yyyy", "5/3/2005/99/99", 0, "05/03/2005 00:00:00"},
      // Leading zeros are not length: the run is still a small number.
      {"dd/mm/yyyy", "0000000000000000000000005/03/2005", 0, "05/03/2005 00:00:00"},
  };
  for (const ParseCase& c : cases) ExpectParses(c);

  // "!" makes a token letter a literal, so the number after it goes to the next token.
  DateValue escaped;
  escaped.setFormat("yyyy!mdd");
  escaped.parse("2005 m 07");
  EXPECT_EQ(escaped.error(), 0);
  EXPECT_EQ(escaped.format("yyyy dd"), "2005 07");
}

TEST_F(DateValueTest, ShortYearsMapToTwoCenturies) {
  const ParseCase cases[] = {
      {"dd/mm/yy", "31/12/37", 0, "31/12/2037 00:00:00"},
      {"dd/mm/yy", "1/1/38", 0, "01/01/1938 00:00:00"},
      {"dd/mm/yy", "1/1/00", 0, "01/01/2000 00:00:00"},
      {"dd/mm/yy", "2/1/70", 0, "02/01/1970 00:00:00"},
      {"dd/mm/yy", "1/1/99", 0, "01/01/1999 00:00:00"},
      {"dd/mm/yy", "1/1/469", 0, "01/01/2369 00:00:00"},
      {"dd/mm/yy", "1/1/500", 3, nullptr},  // 500 as typed
      {"dd/mm/yy", "1/1/1999", 0, "01/01/1999 00:00:00"},
      {"dd/mm/yyyy", "1/1/05", 3, nullptr},  // four-digit years are taken as typed
  };
  for (const ParseCase& c : cases) ExpectParses(c);
}

TEST_F(DateValueTest, ChecksRunInOrderAndTheLastFailureWins) {
  const ParseCase cases[] = {
      {"dd/mm/yy", "5/13/04", 2, nullptr},
      {"dd/mm/yyyy", "0/3/2005", 1, nullptr},  // day 0 is never replaced
      {"dd/mm/yyyy", "32/3/2005", 1, nullptr},
      // A day the month lacks is refused, never carried into the next month.
      {"dd/mm/yyyy", "31/02/2024", 1, nullptr},
      {"dd/mm/yyyy", "29/02/2023", 1, nullptr},
      {"dd/mm/yyyy", "31/04/2024", 1, nullptr},
      {"dd/mm/yyyy", "30/02/2000", 1, nullptr},
      {"dd/mm/yyyy", "29/02/1900", 1, nullptr},  // no leap day in a century but every fourth
      {"dd/mm/yyyy", "29/02/2100", 1, nullptr},
      {"dd/mm/yyyy", "31/11/2024", 1, nullptr},
      {"dd/mm/yy", "29/2/23", 1, nullptr},
      {"dd/mm/yyyy", "31/13/2026", 2, nullptr},
      {"dd/mm/yyyy", "30/02/1600", 3, nullptr},
      {"dd/mm/yyyy", "31/12/1600", 3, nullptr},
      {"dd/mm/yyyy", "1/1/1601", 0, "01/01/1601 00:00:00"},
      {"dd/mm/yyyy", "1/1/10000", 3, nullptr},
      {"dd/mm/yyyy hh", "1/3/2005 25", 4, nullptr},
      {"dd/mm/yyyy hh:nn", "1/3/2005 1:60", 5, nullptr},
      {"dd/mm/yyyy hh:nn:ss", "1/3/2005 1:1:60", 6, nullptr},
      {"dd/mm/yyyy", "0/13/2005", 2, nullptr},
      {"dd/mm/yyyy", "0/13/1600", 3, nullptr},
      {"dd/mm/yyyy hh", "0/13/1600 25", 4, nullptr},
      {"dd/mm/yyyy hh:nn:ss", "0/13/1600 25:61:61", 6, nullptr},
      {"dd/mm/yyyy hh:nn", "40/3/2005 1:99", 5, nullptr},
  };
  for (const ParseCase& c : cases) ExpectParses(c);
}

TEST_F(DateValueTest, DigitRunsTooLongForAnIntegerFailTheirField) {
  const std::string forty(40, '9');
  const struct {
    const char* format;
    std::string text;
    int error;
  } cases[] = {
      {"dd/mm/yyyy", forty + "/3/2005", 1},
      {"dd/mm/yyyy", "1/" + forty + "/2005", 2},
      {"dd/mm/yyyy", "1/3/" + forty, 3},
      {"dd/mm/yy", "1/3/" + forty, 3},
      {"dd/mm/yyyy hh", "1/3/2005 " + forty, 4},
      {"dd/mm/yyyy hh:nn", "1/3/2005 1:" + forty, 5},
      {"dd/mm/yyyy hh:nn:ss", "1/3/2005 1:1:" + forty, 6},
      {"dd/mm/yyyy", "1/3/2147483648", 3},
      {"dd/mm/yyyy", "1/3/4294967301", 3},  // 2^32 + 2005 must not wrap to 2005
      {"ddd dd/mm/yyyy", forty + " 1/3/2005", 0},
  };
  for (const auto& c : cases) {
    DateValue date;
    date.setFormat(c.format);
    date.parse(c.text);
    EXPECT_EQ(date.error(), c.error) << "text " << c.text << ": expected error " << c.error
                                     << ", got " << date.error();
  }
}

TEST_F(DateValueTest, MissingYearAndMonthAreTheCurrentOnes) {
  const std::time_t now = std::time(nullptr);
  const std::tm local = *std::localtime(&now);
  char year[8], month[4];
  std::snprintf(year, sizeof year, "%04d", local.tm_year + 1900);
  std::snprintf(month, sizeof month, "%02d", local.tm_mon + 1);

  const struct {
    const char* format;
    const char* text;
    std::string expected;
  } cases[] = {
      {"dd/mm/yyyy", "1/2", std::string("01/02/") + year},
      {"dd/mm/yyyy", "1/2/0", std::string("01/02/") + year},
      {"dd/mm/yyyy", "1/0/2005", std::string("01/") + month + "/2005"},
      {"dd/mm/yyyy", "12/", std::string("12/") + month + "/" + year},
      {"dd", "9", std::string("09/") + month + "/" + year},
  };
  for (const auto& c : cases) {
    DateValue date;
    date.setFormat(c.format);
    date.parse(c.text);
    EXPECT_EQ(date.error(), 0) << c.text;
    EXPECT_EQ(date.format("dd/mm/yyyy"), c.expected) << "text " << c.text;
  }
}

TEST_F(DateValueTest, EmptyTextAndEmptyFormat) {
  DateValue noFormat;
  noFormat.parse("");
  EXPECT_EQ(noFormat.error(), DateValue::kNoFormat) << "the format error wins";
  noFormat.parse("1/1/2005");
  EXPECT_EQ(noFormat.error(), DateValue::kNoFormat);
  EXPECT_TRUE(noFormat.isNull());

  DateValue date;
  date.setFormat("dd/mm/yyyy");
  date.parse("5/3/2005");
  ASSERT_EQ(date.error(), 0);
  date.parse("");
  EXPECT_EQ(date.error(), DateValue::kEmpty);
  EXPECT_TRUE(date.isNull()) << "a failed read leaves no value behind";
  EXPECT_EQ(date.time(), 0);
  EXPECT_EQ(date.format(""), "");
  EXPECT_EQ(date.error(), 0) << "a null value formats as the empty text without error";

  date.parse("no digits at all");
  EXPECT_EQ(date.error(), DateValue::kBadDay);
}

TEST_F(DateValueTest, SetFormatKeepsTheOldFormatWhenGivenNone) {
  DateValue date;
  date.setFormat("dd.mm.yyyy");
  EXPECT_EQ(date.error(), 0);
  date.setFormat("");
  EXPECT_EQ(date.error(), DateValue::kNoFormat);
  EXPECT_EQ(date.formatText(), "dd.mm.yyyy");
  date.setFormat("yyyy");
  EXPECT_EQ(date.error(), 0);
  EXPECT_EQ(date.formatText(), "yyyy");
}

TEST_F(DateValueTest, CountsSecondsOnTheWallClockFrom1601To9999) {
  const struct {
    int fields[6];  // year, month, day, hour, minute, second
    int error;
    std::int64_t time;
  } cases[] = {
      {{2005, 3, 12, 0, 0, 0}, 0, 1110585600},
      {{2037, 12, 31, 0, 0, 0}, 0, 2145830400},
      {{2038, 1, 19, 3, 14, 7}, 0, 2147483647},  // the last second a 32-bit time holds
      {{2038, 1, 19, 3, 14, 8}, 0, 2147483648},
      {{2038, 12, 31, 24, 59, 59}, 0, 2177456399},
      {{1970, 1, 1, 0, 0, 1}, 0, 1},
      {{1601, 1, 1, 0, 0, 0}, 0, -11644473600},
      {{9999, 12, 31, 23, 59, 59}, 0, 253402300799},
      {{9999, 12, 31, 24, 0, 0}, DateValue::kBadTime, 0},  // carried past the last year
      {{2024, 2, 30, 0, 0, 0}, DateValue::kBadDay, 0},
      {{2024, 2, 29, 24, 0, 0}, 0, 1709251200},  // the end of the leap day
  };
  for (const auto& c : cases) {
    DateValue date;
    date.setFields(c.fields[0], c.fields[1], c.fields[2], c.fields[3], c.fields[4],
                   c.fields[5]);
    EXPECT_EQ(date.error(), c.error) << c.fields[0] << "-" << c.fields[1] << "-" << c.fields[2]
                                     << " " << c.fields[3] << ":" << c.fields[4] << ":"
                                     << c.fields[5];
    EXPECT_EQ(date.time(), c.time);
    EXPECT_EQ(date.isNull(), c.error != 0);
  }
}

TEST_F(DateValueTest, WritesTokensAndLiterals) {
  const struct {
    int fields[6];
    const char* format;
    const char* expected;
  } cases[] = {
      {{2005, 3, 5, 9, 5, 7}, "dd.mm.yyyy", "05.03.2005"},
      {{2005, 3, 5, 9, 5, 7}, "d.m.yyyy", "5.3.2005"},
      {{2005, 11, 25, 9, 5, 7}, "d.m.yyyy", "25.11.2005"},
      {{2005, 3, 5, 9, 5, 7}, "yyyy!mdd", "2005m05"},
      {{2005, 3, 5, 9, 5, 7}, "!d!m!y!!", "dmy!"},
      {{2005, 3, 5, 9, 5, 7}, "dd!", "05"},
      {{2005, 3, 5, 9, 5, 7}, "hh:nn:ss", "09:05:07"},
      {{2005, 3, 5, 9, 5, 7}, "h:n:s", "9:5:7"},
      {{2005, 3, 5, 23, 59, 58}, "h:n:s", "23:59:58"},
      {{1999, 3, 5, 9, 5, 7}, "yy", "99"},
      {{1970, 3, 5, 9, 5, 7}, "yy", "70"},
      {{1955, 3, 5, 9, 5, 7}, "yy", "55"},
      {{1899, 3, 5, 9, 5, 7}, "yy", "1899"},  // read back as typed
      {{2005, 3, 5, 9, 5, 7}, "yy", "05"},
      {{2000, 3, 5, 9, 5, 7}, "yy", "00"},
      {{2015, 3, 5, 9, 5, 7}, "yy", "15"},
      {{2005, 3, 5, 9, 5, 7}, "[ddd|y|yyy|mmm|hhh|nnnn|sss]", "[||||||]"},
      {{2005, 3, 5, 9, 5, 7}, "Le d, à hh", "Le 5, à 09"},
      {{2005, 3, 5, 0, 0, 0}, "ddmmyyyy", "05032005"},
  };
  for (const auto& c : cases) {
    DateValue date;
    date.setFields(c.fields[0], c.fields[1], c.fields[2], c.fields[3], c.fields[4],
                   c.fields[5]);
    ASSERT_EQ(date.error(), 0);
    EXPECT_EQ(date.format(c.format), c.expected) << "format " << c.format;
    EXPECT_EQ(date.error(), 0) << "format " << c.format;
  }
}

TEST_F(DateValueTest, FormatFallsBackToTheStoredFormat) {
  DateValue date;
  date.setFormat("dd.mm.yyyy");
  date.parse("5/3/2005");
  EXPECT_EQ(date.format(""), "05.03.2005");
  EXPECT_EQ(date.format("yyyy"), "2005");
  EXPECT_EQ(date.formatText(), "dd.mm.yyyy") << "an argument does not replace the format";

  DateValue noFormat;
  noFormat.setFields(2005, 3, 5, 0, 0, 0);
  EXPECT_EQ(noFormat.format(""), "");
  EXPECT_EQ(noFormat.error(), DateValue::kNoFormat);
}

TEST(DateValueTimeZone, WritesBackWhatWasTypedInEveryZoneAndSeason) {
  // The rules after the names are for the host's C library. The Windows runtime reads
  // only the names and the offset, and puts every zone on United States summer dates, so
  // there the southern zone has its summer in July. Either way one of the two late
  // evenings of each zone falls in its summer, where a time that went through the zone's
  // rules could move an hour and into the next day.
  const char kParis[] = "CET-1CEST,M3.5.0,M10.5.0/3";
  const char kSydney[] = "AES-10AED,M10.1.0,M4.1.0/3";
  const struct {
    const char* zone;
    const char* format;
    const char* typed;
    const char* written;
    std::int64_t time;  // the same in every zone
  } cases[] = {
      {kParis, "dd/mm/yyyy hh:nn", "5/7/2005 23:30", "05/07/2005 23:30", 1120606200},
      {kParis, "dd/mm/yyyy hh:nn", "5/1/2005 23:30", "05/01/2005 23:30", 1104967800},
      {kParis, "dd/mm/yyyy", "1/7/2005", "01/07/2005", 1120176000},
      {kParis, "dd/mm/yyyy", "1/1/2005", "01/01/2005", 1104537600},
      {kParis, "dd/mm/yyyy hh:nn", "27/3/2005 2:30", "27/03/2005 02:30", 1111890600},  // skipped
      {kSydney, "dd/mm/yyyy hh:nn", "5/7/2005 23:30", "05/07/2005 23:30", 1120606200},
      {kSydney, "dd/mm/yyyy hh:nn", "5/1/2005 23:30", "05/01/2005 23:30", 1104967800},
      {kSydney, "dd/mm/yyyy", "1/7/2005", "01/07/2005", 1120176000},
      {kSydney, "dd/mm/yyyy", "1/1/2005", "01/01/2005", 1104537600},
      // Time 0 is a date like any other, east and west of Greenwich too.
      {"UTC0", "dd/mm/yyyy hh:nn", "01/01/1970 00:00", "01/01/1970 00:00", 0},
      {"CET-1", "dd/mm/yyyy hh:nn", "01/01/1970 00:00", "01/01/1970 00:00", 0},
      {"JST-9", "dd/mm/yyyy hh:nn", "01/01/1970 00:00", "01/01/1970 00:00", 0},
      {"EST5EDT", "dd/mm/yyyy hh:nn", "01/01/1970 00:00", "01/01/1970 00:00", 0},
      {"UTC0", "dd/mm/yyyy hh:nn:ss", "31/12/1969 23:59:59", "31/12/1969 23:59:59", -1},
      {"JST-9", "dd/mm/yyyy", "15/06/1955", "15/06/1955", -459129600},
      {"EST5EDT", "dd/mm/yyyy", "29/02/2000", "29/02/2000", 951782400},
      {kParis, "dd/mm/yyyy", "31/12/2099", "31/12/2099", 4102358400},
      {kSydney, "dd/mm/yyyy", "01/01/9999", "01/01/9999", 253370764800},
  };
  for (const auto& c : cases) {
    test::ScopedTimeZone zone(c.zone);
    DateValue date;
    date.setFormat(c.format);
    date.parse(c.typed);
    const std::string where = std::string(c.zone) + ", typed \"" + c.typed + "\"";
    EXPECT_EQ(date.error(), 0) << where;
    EXPECT_FALSE(date.isNull()) << where;
    EXPECT_EQ(date.format(""), c.written) << where;
    EXPECT_EQ(date.error(), 0) << where;
    EXPECT_EQ(date.time(), c.time) << where;
  }
}

}  // namespace
