// CURRENCY amounts: layouts from FORMAT and presets, reading typed text, and writing with
// the cut of the most significant digits, groups, a cut fraction and a symbol.
#include <gtest/gtest.h>

#include <string>

#include "fenwix/formats/currency_format.h"

namespace {

struct AmountCase {
  std::string input;
  int parseError;
  std::string output;  // the result of format after the read
  int formatError;
};

void ExpectAmounts(CurrencyFormatState layout, const AmountCase* begin, const AmountCase* end,
                   const std::string& name) {
  for (const AmountCase* c = begin; c != end; ++c) {
    CurrencyFormatState amount = layout;
    amount.parse(c->input);
    const std::string where = name + ", input \"" + c->input + "\"";
    EXPECT_EQ(amount.error(), c->parseError)
        << where << ": expected parse error " << c->parseError << ", got " << amount.error();
    const std::string output = amount.format();
    EXPECT_EQ(output, c->output) << where << ": expected \"" << c->output << "\", got \""
                                 << output << "\"";
    EXPECT_EQ(amount.error(), c->formatError) << where << ": expected format error "
                                              << c->formatError << ", got " << amount.error();
  }
}

template <std::size_t N>
void ExpectAmounts(const CurrencyFormatState& layout, const AmountCase (&cases)[N],
                   const std::string& name) {
  ExpectAmounts(layout, cases, cases + N, name);
}

CurrencyFormatState WithFormat(const std::string& format) {
  CurrencyFormatState state;
  state.setFormat(format);
  return state;
}

CurrencyFormatState WithCountry(int digits, int decimals, const std::string& country) {
  CurrencyFormatState state;
  state.setCountry(digits, decimals, country);
  return state;
}

TEST(CurrencyFormat, SixDigitsAndTwoDecimals) {
  const AmountCase cases[] = {
      {"12.5", 0, "12.50", 0},
      {"-7", 0, "-7.00", 0},
      {"1234567", 0, "234567.00", 3},
      {"12a", 1, "", 0},
      {"999999.999", 0, "999999.99", 0},  // cut, not rounded
      {"0.05", 0, "0.05", 0},             // the leading zero of the fraction survives
      {"3.", 0, "3.00", 0},
      {"+4.1", 0, "4.10", 0},
      {"4-", 0, "-4.00", 0},              // the sign may stand anywhere
      {"--4", 1, "", 0},
      {"-0.5", 0, "-0.50", 0},
      {"  12.5  ", 0, "12.50", 0},        // spaces around the digits are dropped
      {"1 2", 1, "", 0},                  // but not between them
      {"12.5.1", 1, "", 0},
      {"1,5", 1, "", 0},
      {"\t12", 1, "", 0},
  };
  ExpectAmounts(WithFormat("999999.88"), cases, "999999.88");
}

TEST(CurrencyFormat, ThreeDigitsAndTwoDecimals) {
  const AmountCase cases[] = {
      {"1.5", 0, "1.50", 0},
      {"12345", 0, "345.00", 3},
      {"1,5", 1, "", 0},  // "," is no separator of this FORMAT and is not removed
      {"999", 0, "999.00", 0},
      {"1000", 0, "000.00", 3},
  };
  ExpectAmounts(WithFormat("999.88"), cases, "999.88");
}

TEST(CurrencyFormat, NegativeAmountsKeepTheirSignWhenCut) {
  const AmountCase cases[] = {
      {"-1234567", 0, "-234567.00", 3},
      {"-123456", 0, "-123456.00", 0},
      {"-1234567.5", 0, "-234567.50", 3},
  };
  ExpectAmounts(WithFormat("999999.88"), cases, "999999.88");
}

TEST(CurrencyFormat, ASeparatorInFirstPlaceStartsTheFraction) {
  const AmountCase cases[] = {
      {".5", 0, "0.50", 0},
      {"-.25", 0, "-0.25", 0},
      {".", 0, "0.00", 0},
  };
  ExpectAmounts(WithFormat("999999.88"), cases, "999999.88");
}

TEST(CurrencyFormat, FormatWithoutFraction) {
  // No separator in the FORMAT: a "." or else a "," may still be typed, and what follows
  // it is not shown.
  const AmountCase cases[] = {
      {"12", 0, "12", 0},
      {"12.99", 0, "12", 0},
      {"12,99", 0, "12", 0},
      {"1.2,3", 1, "", 0},
      {"12345", 0, "2345", 3},
  };
  ExpectAmounts(WithFormat("9999"), cases, "9999");
}

TEST(CurrencyFormat, PresetsWithGroupsAndSymbols) {
  const AmountCase usDollar[] = {
      {"1234567.5", 0, "1,234,567.50 $", 0},
      {"1,234,567.50 $", 0, "1,234,567.50 $", 0},  // its own output reads back
      {"$ 12", 0, "12.00 $", 0},
      {"-1234567", 0, "-1,234,567.00 $", 0},
      {"123", 0, "123.00 $", 0},
      {"1234", 0, "1,234.00 $", 0},
      {"123456", 0, "123,456.00 $", 0},
      {"-123456", 0, "-123,456.00 $", 0},  // no separator between the sign and the digits
      {"12 $ $", 1, "", 0},               // only the first symbol goes
  };
  ExpectAmounts(WithCountry(9, 2, "US$"), usDollar, "US$");

  const AmountCase euro[] = {
      {"1234567,5", 0, "1.234.567,50 euro", 0},
      {"1.234.567,50 euro", 0, "1.234.567,50 euro", 0},
      {"1234567.5", 0, "12.345.675,00 euro", 0},  // "." groups digits here
  };
  ExpectAmounts(WithCountry(9, 2, "FR$"), euro, "FR$");

  const AmountCase french[] = {
      {"1234,5", 0, "1234,50", 0},
      {"1234.5", 1, "", 0},
  };
  ExpectAmounts(WithCountry(9, 2, "FR"), french, "FR");

  const AmountCase plain[] = {
      {"1234.5", 0, "1234.50", 0},
      {"1,234.5", 1, "", 0},
  };
  ExpectAmounts(WithCountry(9, 2, "US"), plain, "US");

  // The cut happens before the groups are put in.
  const AmountCase cut[] = {{"1234567", 0, "234,567.00 $", 3}};
  ExpectAmounts(WithCountry(6, 2, "US$"), cut, "US$ 6 digits");
}

TEST(CurrencyFormat, PresetLayouts) {
  const struct {
    const char* country;
    const char* decimal;
    const char* thousands;
    const char* symbol;
  } cases[] = {
      {"US", ".", "", ""},
      {"US$", ".", ",", "$"},
      {"FR", ",", "", ""},
      {"FR$", ",", ".", "euro"},
  };
  for (const auto& c : cases) {
    CurrencyFormatState state;
    state.setLayout(3, 1, "x", "y", "z", "blank");
    state.setCountry(7, 3, c.country);
    EXPECT_EQ(state.error(), 0) << c.country;
    EXPECT_EQ(state.digits(), 7) << c.country;
    EXPECT_EQ(state.decimals(), 3) << c.country;
    EXPECT_EQ(state.decimalSeparator(), c.decimal) << c.country;
    EXPECT_EQ(state.thousandsSeparator(), c.thousands) << c.country;
    EXPECT_EQ(state.symbol(), c.symbol) << c.country;
    EXPECT_EQ(state.blankText(), "") << c.country;
  }
}

TEST(CurrencyFormat, UnknownCountryKeepsTheLayout) {
  for (const char* country : {"DE", "us", "", "US$ ", "EUR"}) {
    CurrencyFormatState state;
    state.setCountry(9, 2, "FR$");
    state.setCountry(4, 1, country);
    EXPECT_EQ(state.error(), CurrencyFormatState::kUnknownCountry) << '"' << country << '"';
    EXPECT_EQ(state.digits(), 9) << country;
    EXPECT_EQ(state.decimals(), 2) << country;
    EXPECT_EQ(state.symbol(), "euro") << country;
  }
}

TEST(CurrencyFormat, LayoutChecksStoreTheValuesAnyway) {
  const struct {
    int digits;
    int decimals;
    int error;
  } cases[] = {
      {0, 0, 0},  {18, 9, 0}, {19, 2, 4},  {-1, 2, 4},
      {6, 10, 5}, {6, -1, 5}, {19, 10, 5},  // the decimals check comes last
  };
  for (const auto& c : cases) {
    CurrencyFormatState state;
    state.setLayout(c.digits, c.decimals, ",", ".", "$", "-");
    EXPECT_EQ(state.error(), c.error) << c.digits << "/" << c.decimals << ": expected "
                                      << c.error << ", got " << state.error();
    EXPECT_EQ(state.digits(), c.digits);
    EXPECT_EQ(state.decimals(), c.decimals);
    EXPECT_EQ(state.blankText(), "-");
  }
}

TEST(CurrencyFormat, LayoutFromFormat) {
  const struct {
    const char* format;
    int digits;
    const char* separator;
    int decimals;
    int error;
  } cases[] = {
      {"999999.88", 6, ".", 2, 0}, {"9999", 4, "", 0, 0},     {"", 0, "", 0, 0},
      {"99,8", 2, ",", 1, 0},      {"9.8x88", 1, ".", 1, 0},  {".88", 0, ".", 2, 0},
      {"9x9.88", 1, "x", 0, 0},    {"999.8888888888", 3, ".", 10, 5},
      {"9999999999999999999", 19, "", 0, 4},
  };
  for (const auto& c : cases) {
    CurrencyFormatState state;
    state.setCountry(9, 2, "FR$");
    state.setFormat(c.format);
    EXPECT_EQ(state.digits(), c.digits) << c.format;
    EXPECT_EQ(state.decimalSeparator(), c.separator) << c.format;
    EXPECT_EQ(state.decimals(), c.decimals) << c.format;
    EXPECT_EQ(state.error(), c.error) << c.format;
    EXPECT_EQ(state.thousandsSeparator(), "") << c.format;
    EXPECT_EQ(state.symbol(), "") << c.format;
    EXPECT_EQ(state.blankText(), "") << c.format;
  }
}

TEST(CurrencyFormat, BlankTextOnInputAndOutput) {
  CurrencyFormatState layout;
  layout.setLayout(6, 2, ".", "", "", "(none)");
  const AmountCase cases[] = {
      {"", 0, "(none)", 0},
      {"(none)", 0, "(none)", 0},
      {"12x", 1, "(none)", 0},  // a failed read leaves the amount empty
      {"12", 0, "12.00", 0},
  };
  ExpectAmounts(layout, cases, "blank (none)");

  CurrencyFormatState amount = WithFormat("999.88");
  amount.parse("");
  EXPECT_TRUE(amount.isEmpty());
  EXPECT_EQ(amount.format(), "") << "the blank text of a FORMAT is empty";
  amount.parse("1x");
  EXPECT_TRUE(amount.isEmpty());
  EXPECT_EQ(amount.integerPart(), 0);
  EXPECT_FALSE(amount.isNegative());
  amount.parse("-2.5");
  EXPECT_FALSE(amount.isEmpty());
  EXPECT_EQ(amount.integerPart(), 2);
  EXPECT_EQ(amount.fraction(), 15);
  EXPECT_TRUE(amount.isNegative());
}

TEST(CurrencyFormat, ANewStateHoldsZeroInTheUsLayout) {
  CurrencyFormatState state;
  EXPECT_EQ(state.error(), 0);
  EXPECT_FALSE(state.isEmpty());
  EXPECT_EQ(state.integerPart(), 0);
  EXPECT_EQ(state.decimalSeparator(), ".");
  // No integer digit is allowed, so even the 0 is cut.
  EXPECT_EQ(state.format(), "");
  EXPECT_EQ(state.error(), CurrencyFormatState::kDigitsCut);
}

TEST(CurrencyFormat, DigitStringsLongerThanTheRecordsHold) {
  const std::string forty = "1234567890123456789012345678901234567890";
  const AmountCase sixDigits[] = {
      {forty, 0, "567890.00", 3},
      {"-" + forty, 0, "-567890.00", 3},
      {"1." + forty, 0, "1.12", 0},
      {std::string(40, '0') + "12", 0, "12.00", 0},  // leading zeros hold nothing
      {forty + "." + forty, 0, "567890.12", 3},
      {forty + "x", 1, "", 0},
  };
  ExpectAmounts(WithFormat("999999.88"), sixDigits, "999999.88");

  const AmountCase eighteen[] = {
      {forty, 0, "345678901234567890.000000000", 3},
      {"1" + std::string(39, '0'), 0, "000000000000000000.000000000", 3},
      {"999999999999999999", 0, "999999999999999999.000000000", 0},
      {"1000000000000000000", 0, "000000000000000000.000000000", 3},
      {"0." + forty, 0, "0.123456789", 0},
      {"0.000000000999", 0, "0.000000000", 0},
  };
  ExpectAmounts(WithFormat("999999999999999999.888888888"), eighteen, "18.9");

  CurrencyFormatState grouped = WithCountry(18, 2, "US$");
  grouped.parse(forty);
  EXPECT_EQ(grouped.format(), "345,678,901,234,567,890.00 $");

  CurrencyFormatState held = WithFormat("999999.88");
  held.parse(forty + "." + forty);
  EXPECT_EQ(held.integerPart(), 345678901234567890);
  EXPECT_EQ(held.fraction(), 1123456789) << "fraction digits past the ninth are dropped";
}

TEST(CurrencyFormat, ALaterReadForgetsDroppedDigits) {
  CurrencyFormatState amount = WithFormat("999999.88");
  amount.parse(std::string(30, '9'));
  amount.format();
  EXPECT_EQ(amount.error(), CurrencyFormatState::kDigitsCut);
  amount.parse("12");
  EXPECT_EQ(amount.format(), "12.00");
  EXPECT_EQ(amount.error(), 0);
}

}  // namespace
