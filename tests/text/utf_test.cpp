// The conversions between UTF-8, UTF-16 and Windows-1252, malformed input included.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "fenwix/text/utf.h"

namespace {

std::string Hex(const std::u16string& units) {
  std::string out;
  char buffer[8];
  for (char16_t unit : units) {
    std::snprintf(buffer, sizeof buffer, "%04X ", static_cast<unsigned>(unit));
    out += buffer;
  }
  return out;
}

TEST(Utf8ToUtf16, EachIllFormedPartBecomesOneReplacementCharacter) {
  const struct {
    const char* what;
    std::string utf8;
    std::u16string expected;
  } cases[] = {
      {"ascii and two-byte letters", "\xC5\x81\xC3\xB3" "d\xC5\xBA", u"\u0141\u00F3d\u017A"},
      {"three bytes", "\xD0\x96\xE2\x82\xAC", u"\u0416\u20AC"},
      {"four bytes: a surrogate pair", "\xF0\x9F\x98\x80", u"\xD83D\xDE00"},
      {"a stray continuation byte", "a\x80" "b", u"a\xFFFD" "b"},
      {"a sequence cut by the end", "a\xE2\x82", u"a\xFFFD"},
      {"a sequence cut by a letter keeps the letter", "\xE2\x82" "A", u"\xFFFD" "A"},
      {"an overlong slash", "\xC0\xAF", u"\xFFFD\xFFFD"},
      {"an overlong three-byte form", "\xE0\x80\xAF", u"\xFFFD\xFFFD\xFFFD"},
      {"an encoded surrogate", "\xED\xA0\x80", u"\xFFFD\xFFFD\xFFFD"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\xFFFD\xFFFD\xFFFD\xFFFD"},
      {"bytes that never start a character", "\xF5\xFF", u"\xFFFD\xFFFD"},
      {"a zero byte is a character", std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Hex(Utf8ToUtf16(c.utf8)), Hex(c.expected)) << c.what;
}

TEST(Utf16ToUtf8, GivesWellFormedUtf8) {
  const struct {
    std::u16string utf16;
    std::string expected;
  } cases[] = {
      {u"\u0142\u00F3d\u017A \u0416", "\xC5\x82\xC3\xB3" "d\xC5\xBA \xD0\x96"},
      {u"\xD83D\xDE00", "\xF0\x9F\x98\x80"},
      {u"a\xD83D", "a\xEF\xBF\xBD"},          // a high surrogate at the end
      {u"\xDE00" "b", "\xEF\xBF\xBD" "b"},      // a low surrogate alone
      {u"\xD83D\xD83D\xDE00", "\xEF\xBF\xBD\xF0\x9F\x98\x80"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf16ToUtf8(c.utf16), c.expected) << Hex(c.utf16);
    EXPECT_EQ(Hex(Utf8ToUtf16(Utf16ToUtf8(c.utf16))), Hex(Utf8ToUtf16(c.expected)));
  }
}

TEST(Cp1252ToUtf8, MapsTheWholeCodePage) {
  EXPECT_EQ(Cp1252ToUtf8("d\xE9j\xE0"), "d\xC3\xA9j\xC3\xA0");
  EXPECT_EQ(Cp1252ToUtf8("\x80\x9F"), "\xE2\x82\xAC\xC5\xB8");  // the euro sign, Y diaeresis
  EXPECT_EQ(Cp1252ToUtf8("\x81\x9D"), "\xC2\x81\xC2\x9D");      // undefined: the same number
  EXPECT_EQ(Cp1252ToUtf8("\xFF"), "\xC3\xBF");
}

TEST(Utf8PrefixOfUnits, CutsBetweenCharactersOnly) {
  const struct {
    std::string utf8;
    std::size_t units;
    std::size_t bytes;
  } cases[] = {
      {"\xC5\xBC\xC3\xB3\xC5\x82w", 3, 6},  // "żół" of "żółw"
      {"\xC5\xBC\xC3\xB3\xC5\x82w", 9, 7},
      {"\xF0\x9F\x98\x80", 1, 0},           // a surrogate pair is not split
      {"a\xF0\x9F\x98\x80", 3, 5},
      {"\xE2\x82" "ab", 2, 3},              // a cut sequence is one unit
      {"abc", 0, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Utf8PrefixOfUnits(c.utf8, c.units), c.bytes) << c.units << " units of " << c.utf8;
}

}  // namespace
