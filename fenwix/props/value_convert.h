// Turns property values into typed settings: flags, colours, alignments, integers.
// No conversion fails; text that does not fit gives a defined fallback.
#ifndef FENWIX_PROPS_VALUE_CONVERT_H
#define FENWIX_PROPS_VALUE_CONVERT_H

#include <cstdint>
#include <string>

#include "fenwix/fenwix.h"

// COLORREF layout (red in the lowest byte); -1 means no colour given.
typedef std::int32_t ColorValue;
inline constexpr ColorValue kNoColor = -1;

// -1 left or top, 0 centre, 1 right or bottom.
typedef std::int32_t HAlign;
typedef std::int32_t VAlign;

bool IsTrueText(const std::string& text);
bool IsFalseText(const std::string& text);

// A colour name of the table, else the text read as a hexadecimal number (digits running
// blue, green, red).
ColorValue ColorFromText(const std::string& text);

// "CENTER" 0, "RIGHT" 1, anything else -1 (left).
HAlign HAlignFromText(const std::string& text);
// "CENTER" 0, "BOTTOM" 1, anything else -1 (top).
VAlign VAlignFromText(const std::string& text);

// The value upper-cased, the empty text standing for "SOLID".
std::string BorderStyleFromText(const std::string& text);
// "SOLID", "3DOUT" or "3DIN".
bool IsBorderStyle(const std::string& style);

// A progress bar's VALUE: a whole number from 0 to 100, -1 for a bar with no known end, or
// the empty text (0). Anything else is refused with kBadProgressValue.
bool IsProgressValue(const std::string& text);
inline constexpr ErrorCode kBadProgressValue = 1083;

#endif
