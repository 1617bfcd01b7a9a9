// Conversions between the encodings a text crosses: UTF-8 at the program's side, UTF-16
// inside the platform, Windows-1252 in the message file. Malformed input is never an
// error: each maximal ill-formed part of a sequence becomes one U+FFFD, as the Unicode
// standard recommends, so a converted text is always well formed.
#ifndef FENWIX_TEXT_UTF_H
#define FENWIX_TEXT_UTF_H

#include <cstddef>
#include <string>
#include <string_view>

std::u16string Utf8ToUtf16(std::string_view utf8);

// An unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);

// Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D, which Windows-1252 leaves undefined, become the
// control characters of the same numbers, as the platform converts them.
std::string Cp1252ToUtf8(std::string_view cp1252);

// The length in bytes of the longest start of the text that is whole characters and
// takes at most units UTF-16 units: where a text limited as an edit control limits it
// may be cut. A malformed part counts as the one unit of its U+FFFD.
std::size_t Utf8PrefixOfUnits(std::string_view utf8, std::size_t units);

#endif
