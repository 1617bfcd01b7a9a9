#include "fenwix/text/encoding.h"

#include <algorithm>
#include <climits>

#include "fenwix/platform/platform.h"
#include "fenwix/text/utf.h"

namespace {

bool utf8Text = false;

static_assert(sizeof(WCHAR) == sizeof(char16_t), "the platform's texts are UTF-16");

int ClampedSize(std::size_t size) { return static_cast<int>(std::min<std::size_t>(size, INT_MAX)); }

}  // namespace

bool Utf8Text() { return utf8Text; }
void SetUtf8Text(bool utf8) { utf8Text = utf8; }

WideString WideText(std::string_view text) {
  if (utf8Text) {
    const std::u16string wide = Utf8ToUtf16(text);
    return WideString(wide.begin(), wide.end());
  }
  const int bytes = ClampedSize(text.size());
  if (bytes == 0) return WideString();
  // One byte of the code page gives at most one unit.
  WideString wide(static_cast<std::size_t>(bytes), WCHAR());
  const int units =
      os::MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, text.data(), bytes, &wide[0], bytes);
  wide.resize(units > 0 ? static_cast<std::size_t>(units) : 0);
  return wide;
}

std::string Utf8FromWide(WideView text) {
  return Utf16ToUtf8(std::u16string(text.begin(), text.end()));
}

std::string ProgramTextFromCp1252(const std::string& text) {
  return utf8Text ? Cp1252ToUtf8(text) : text;
}

std::string ProgramTextFromUtf8(std::string_view utf8) {
  // ASCII reads the same in every code page, and most of a form file is ASCII.
  const bool ascii = std::all_of(utf8.begin(), utf8.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (utf8Text || ascii) return std::string(utf8);
  const std::u16string wide = Utf8ToUtf16(utf8);
  const int units = ClampedSize(wide.size());
  if (units == 0) return std::string();
  const auto* source = reinterpret_cast<const WCHAR*>(wide.data());
  const int bytes = os::WideCharToMultiByte(CP_ACP, 0, source, units, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return std::string();
  std::string text(static_cast<std::size_t>(bytes), '\0');
  const int written =
      os::WideCharToMultiByte(CP_ACP, 0, source, units, &text[0], bytes, nullptr, nullptr);
  text.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
  return text;
}

std::size_t TextPrefixOfUnits(const std::string& text, std::size_t units) {
  return utf8Text ? Utf8PrefixOfUnits(text, units) : std::min(text.size(), units);
}
