// Conversions of property values.
#include <gtest/gtest.h>

#include <climits>

#include "fenwix/props/value_convert.h"

namespace {

TEST(BooleanWords, OnlyTheWordsCountInAnyCase) {
  for (const char* word : {"yes", "Y", "true", "t", "TRUE", "Yes", "tRuE"}) {
    EXPECT_TRUE(IsTrueText(word)) << word;
    EXPECT_FALSE(IsFalseText(word)) << word;
  }
  for (const char* word : {"No", "f", "FALSE", "n", "no", "False"}) {
    EXPECT_TRUE(IsFalseText(word)) << word;
    EXPECT_FALSE(IsTrueText(word)) << word;
  }
  for (const char* word : {"1", "0", "", " yes", "no ", "yess", "on", "off"}) {
    EXPECT_FALSE(IsTrueText(word)) << word;
    EXPECT_FALSE(IsFalseText(word)) << word;
  }
}

TEST(ColorFromText, NamesAndHexadecimal) {
  struct Case {
    const char* text;
    ColorValue expected;
  } cases[] = {
      {"white", 0xFFFFFF},   {"WHITE", 0xFFFFFF},   {"black", 0},
      {"red", 0x0000FF},     {"blue", 0xFF0000},    {"green", 0x00FF00},
      {"yellow", 0x00FFFF},  {"magenta", 0xFF00FF}, {"cyan", 0xFFFF00},
      {"grey", 0xBFBFBF},    {"LightGrey", 0xDFDFDF}, {"darkgrey", 0x7F7F7F},
      {"0x00FF00", 0x00FF00}, {"00FF00", 0x00FF00}, {"0000FF", 0x0000FF},
      {"FF0000", 0xFF0000},  {"ff", 0xFF},          {"purple", 0},
      {"FFFFFFFF", 0},       {"-1", -1},            {"", 0},
      {"gray", 0},  // only the spelling of the table
  };
  for (const Case& c : cases) EXPECT_EQ(ColorFromText(c.text), c.expected) << c.text;
}

TEST(Alignment, WordsAndFallbacks) {
  EXPECT_EQ(HAlignFromText("center"), 0);
  EXPECT_EQ(HAlignFromText("Right"), 1);
  EXPECT_EQ(HAlignFromText("left"), -1);
  EXPECT_EQ(HAlignFromText("bottom"), -1);
  EXPECT_EQ(HAlignFromText(""), -1);
  EXPECT_EQ(VAlignFromText("CENTER"), 0);
  EXPECT_EQ(VAlignFromText("bottom"), 1);
  EXPECT_EQ(VAlignFromText("right"), -1);
  EXPECT_EQ(VAlignFromText("top"), -1);
}

TEST(BorderStyle, UpperCasedWithSolidForEmpty) {
  EXPECT_EQ(BorderStyleFromText(""), "SOLID");
  EXPECT_EQ(BorderStyleFromText("3din"), "3DIN");
  EXPECT_EQ(BorderStyleFromText("3dOut"), "3DOUT");
  EXPECT_EQ(BorderStyleFromText("dotted"), "DOTTED");
  EXPECT_TRUE(IsBorderStyle("SOLID"));
  EXPECT_TRUE(IsBorderStyle("3DIN"));
  EXPECT_TRUE(IsBorderStyle("3DOUT"));
  EXPECT_FALSE(IsBorderStyle("3din"));
  EXPECT_FALSE(IsBorderStyle(""));
}

TEST(TextToInt, ReadsLikeAFormattedStream) {
  struct Case {
    const char* text;
    int base;
    std::int32_t expected;
  } cases[] = {
      {"", 10, 0},           {"42", 10, 42},        {"   42", 10, 42},
      {"\t 7", 10, 7},       {"-7", 10, -7},        {"+7", 10, 7},
      {"12abc", 10, 12},     {"1F", 10, 1},         {"abc", 10, 0},
      {"- 7", 10, 0},        {"-", 10, 0},          {"2147483647", 10, INT32_MAX},
      {"-2147483648", 10, INT32_MIN}, {"2147483648", 10, 0}, {"-2147483649", 10, 0},
      {"12345678901", 10, 0}, {"99999999999999999999999", 10, 0},
      {"ff", 16, 255},       {"0xff", 16, 255},     {"0XFF", 16, 255},
      {"-1", 16, -1},        {"7fffffff", 16, INT32_MAX}, {"80000000", 16, 0},
      {"17", 8, 15},         {"19", 8, 1},          {"0x10", 10, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TextToInt(c.text, c.base), c.expected) << '"' << c.text << "\" base " << c.base;
}

TEST(IntToText, ShortestDecimal) {
  EXPECT_EQ(IntToText(0), "0");
  EXPECT_EQ(IntToText(-15), "-15");
  EXPECT_EQ(IntToText(INT32_MAX), "2147483647");
  EXPECT_EQ(IntToText(INT32_MIN), "-2147483648");
  for (std::int32_t v : {INT32_MIN, -1, 0, 1, 1234567, INT32_MAX})
    EXPECT_EQ(TextToInt(IntToText(v), 10), v);
}

TEST(IsProgressValue, WholeNumbersFromMinusOneToAHundred) {
  const struct {
    const char* text;
    bool taken;
  } cases[] = {
      {"", true},     {"0", true},     {"100", true},  {"-1", true},   {"42", true},
      {"007", true},  {"101", false},  {"-2", false},  {"-", false},   {"5x", false},
      {" 5", false},  {"+5", false},   {"1000", false}, {"4.5", false}, {"0x10", false},
      {"-100", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(IsProgressValue(c.text), c.taken) << "\"" << c.text << "\"";
}

}  // namespace
