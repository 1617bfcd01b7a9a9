// Conversions of property values.
#include "fenwix/props/value_convert.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "fenwix/props/property_string.h"

namespace {

struct NamedColor {
  const char* name;
  ColorValue value;
};

// Checked in this order; values in COLORREF layout.
constexpr NamedColor kColors[] = {
    {"BLACK", 0x000000},   {"WHITE", 0xFFFFFF},     {"RED", 0x0000FF},
    {"BLUE", 0xFF0000},    {"GREEN", 0x00FF00},     {"YELLOW", 0x00FFFF},
    {"MAGENTA", 0xFF00FF}, {"CYAN", 0xFFFF00},      {"GREY", 0xBFBFBF},
    {"LIGHTGREY", 0xDFDFDF}, {"DARKGREY", 0x7F7F7F},
};

template <std::size_t N>
bool IsOneOf(const std::string& upper, const char* const (&words)[N]) {
  for (const char* w : words) {
    if (upper == w) return true;
  }
  return false;
}

}  // namespace

bool IsTrueText(const std::string& text) { return IsOneOf(UpperCase(text), fx::word::TRUE_WORDS); }

bool IsFalseText(const std::string& text) { return IsOneOf(UpperCase(text), fx::word::FALSE_WORDS); }

ColorValue ColorFromText(const std::string& text) {
  const std::string upper = UpperCase(text);
  for (const NamedColor& c : kColors) {
    if (upper == c.name) return c.value;
  }
  return TextToInt(text, 16);
}

HAlign HAlignFromText(const std::string& text) {
  const std::string upper = UpperCase(text);
  if (upper == fx::word::CENTER) return 0;
  if (upper == fx::word::RIGHT) return 1;
  return -1;
}

VAlign VAlignFromText(const std::string& text) {
  const std::string upper = UpperCase(text);
  if (upper == fx::word::CENTER) return 0;
  if (upper == fx::word::BOTTOM) return 1;
  return -1;
}

std::string BorderStyleFromText(const std::string& text) {
  const std::string upper = UpperCase(text);
  return upper.empty() ? std::string(fx::word::SOLID) : upper;
}

bool IsBorderStyle(const std::string& style) {
  return style == fx::word::SOLID || style == fx::word::BORDER_3DOUT ||
         style == fx::word::BORDER_3DIN;
}

std::int32_t TextToInt(const std::string& text, int base) {
  if (text.empty()) return 0;
  // Read into a wider type, as a formatted stream reads: blanks, a sign and, in base 16,
  // "0x" are accepted, and reading stops at the first character that is no digit of
  // the base. Out of the wider type's range, strtoll says ERANGE.
  errno = 0;
  const long long value = std::strtoll(text.c_str(), nullptr, base);
  if (errno == ERANGE || value < INT32_MIN || value > INT32_MAX) return 0;
  return static_cast<std::int32_t>(value);
}

std::string IntToText(std::int32_t value) { return std::to_string(value); }

bool IsProgressValue(const std::string& text) {
  if (text.empty()) return true;
  // Digits only after an optional minus: TextToInt would read "5x" or " 5" as 5.
  const std::size_t first = text[0] == '-' ? 1 : 0;
  if (first == text.size() || text.size() - first > 3) return false;
  for (std::size_t i = first; i < text.size(); ++i)
    if (text[i] < '0' || text[i] > '9') return false;
  const std::int32_t value = TextToInt(text, 10);
  return value == -1 || (value >= 0 && value <= 100);
}
