// UTF-8 is decoded by the table of well-formed byte sequences: the first byte fixes the
// length and the range of the second byte, which excludes overlong forms, surrogates and
// code points above U+10FFFF; every later byte is a continuation byte.
#include "fenwix/text/utf.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

struct Decoded {
  char32_t codePoint;
  std::size_t next;  // where the following character starts
};

Decoded DecodeAt(std::string_view text, std::size_t at) {
  const unsigned char lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) return {lead, at + 1};
  int trailing;
  unsigned char low = 0x80, high = 0xBF;
  char32_t codePoint;
  if (lead >= 0xC2 && lead <= 0xDF) {
    trailing = 1;
    codePoint = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    trailing = 2;
    codePoint = lead & 0x0Fu;
    if (lead == 0xE0) low = 0xA0;   // overlong below U+0800
    if (lead == 0xED) high = 0x9F;  // the surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    trailing = 3;
    codePoint = lead & 0x07u;
    if (lead == 0xF0) low = 0x90;   // overlong below U+10000
    if (lead == 0xF4) high = 0x8F;  // above U+10FFFF
  } else {
    return {kReplacement, at + 1};
  }
  std::size_t next = at + 1;
  for (int i = 0; i < trailing; ++i, ++next) {
    if (next >= text.size()) return {kReplacement, next};
    const unsigned char byte = static_cast<unsigned char>(text[next]);
    if (byte < low || byte > high) return {kReplacement, next};
    codePoint = (codePoint << 6) | (byte & 0x3Fu);
    low = 0x80;
    high = 0xBF;
  }
  return {codePoint, next};
}

std::size_t Utf16Units(char32_t codePoint) { return codePoint > 0xFFFF ? 2 : 1; }

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Windows-1252's letters and signs at 0x80-0x9F; 0 marks the five bytes it leaves undefined.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

std::u16string Utf8ToUtf16(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  for (std::size_t at = 0; at < utf8.size();) {
    const Decoded d = DecodeAt(utf8, at);
    if (d.codePoint > 0xFFFF) {
      out += static_cast<char16_t>(0xD800 + ((d.codePoint - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((d.codePoint - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(d.codePoint);
    }
    at = d.next;
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  for (std::size_t at = 0; at < utf16.size(); ++at) {
    const char16_t unit = utf16[at];
    char32_t codePoint = unit;
    if (IsHighSurrogate(unit) && at + 1 < utf16.size() && IsLowSurrogate(utf16[at + 1])) {
      codePoint = 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (utf16[++at] - 0xDC00);
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      codePoint = kReplacement;
    }
    AppendUtf8(out, codePoint);
  }
  return out;
}

std::string Cp1252ToUtf8(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size());
  for (const char c : cp1252) {
    const unsigned char byte = static_cast<unsigned char>(c);
    char32_t codePoint = byte;
    if (byte >= 0x80 && byte < 0xA0 && kCp1252High[byte - 0x80]) codePoint = kCp1252High[byte - 0x80];
    AppendUtf8(out, codePoint);
  }
  return out;
}

std::size_t Utf8PrefixOfUnits(std::string_view utf8, std::size_t units) {
  std::size_t at = 0, used = 0;
  while (at < utf8.size()) {
    const Decoded d = DecodeAt(utf8, at);
    used += Utf16Units(d.codePoint);
    if (used > units) break;
    at = d.next;
  }
  return at;
}
