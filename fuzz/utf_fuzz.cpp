// Converts arbitrary bytes between the encodings: as UTF-8 to UTF-16 and back, as UTF-16
// (pairs of bytes) to UTF-8, as Windows-1252 to UTF-8, and cuts them at every number of
// units. Whatever comes in, what comes out is well formed and a conversion of it is
// stable.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string>

#include "fenwix/text/utf.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

bool WellFormedUtf16(const std::u16string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    if (unit >= 0xDC00 && unit <= 0xDFFF) return false;
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      if (i + 1 >= text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) return false;
      ++i;
    }
  }
  return true;
}

// Well-formed UTF-8 goes to UTF-16 and back unchanged.
void RequireWellFormedUtf8(const std::string& text) {
  const std::u16string wide = Utf8ToUtf16(text);
  Require(WellFormedUtf16(wide));
  Require(Utf16ToUtf8(wide) == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  const std::u16string wide = Utf8ToUtf16(bytes);
  Require(wide.size() <= bytes.size());  // the dialog template's room depends on it
  Require(WellFormedUtf16(wide));
  const std::string utf8 = Utf16ToUtf8(wide);
  RequireWellFormedUtf8(utf8);
  Require(Utf8ToUtf16(utf8) == wide);

  std::u16string units;
  for (std::size_t i = 0; i + 1 < size; i += 2)
    units += static_cast<char16_t>(data[i] | data[i + 1] << 8);
  RequireWellFormedUtf8(Utf16ToUtf8(units));
  RequireWellFormedUtf8(Cp1252ToUtf8(bytes));

  // A cut is a start of the text within its units, and the units of whole characters:
  // the converted start is the start of the converted text.
  const std::size_t n = wide.size();
  for (std::size_t limit : {std::size_t{0}, std::size_t{1}, std::size_t{2}, n / 3, n / 2,
                            n - n / 4, n ? n - 1 : 0, n, n + 1}) {
    const std::size_t cut = Utf8PrefixOfUnits(bytes, limit);
    Require(cut <= bytes.size());
    const std::u16string start = Utf8ToUtf16(bytes.substr(0, cut));
    Require(start.size() <= limit && start == wide.substr(0, start.size()));
    if (limit >= n) Require(cut == bytes.size());
  }
  return 0;
}
