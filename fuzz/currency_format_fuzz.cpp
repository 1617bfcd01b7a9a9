// Reads and writes amounts from arbitrary bytes under a preset, a FORMAT or an arbitrary
// layout chosen by the first byte. Under a preset, an amount written without a cut must
// read back to the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fenwix/formats/currency_format.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

std::vector<std::string> Lines(const std::string& text, std::size_t count) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (lines.size() + 1 < count) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string::npos) break;
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  lines.push_back(text.substr(start));
  lines.resize(count);
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  static const char* const kCountries[] = {"US", "US$", "FR", "FR$"};
  const int mode = data[0] % 6;
  const std::string rest(reinterpret_cast<const char*>(data) + 3, size - 3);

  CurrencyFormatState layout;
  std::string text;
  if (mode < 4) {
    layout.setCountry(data[1] % 19, data[2] % 10, kCountries[mode]);
    Require(layout.error() == CurrencyFormatState::kOk);
    text = rest;
  } else if (mode == 4) {
    const std::vector<std::string> lines = Lines(rest, 2);
    layout.setFormat(lines[0]);
    text = lines[1];
  } else {
    // Any layout at all, out-of-range digits and decimals included.
    const std::vector<std::string> lines = Lines(rest, 5);
    layout.setLayout(static_cast<std::int8_t>(data[1]), static_cast<std::int8_t>(data[2]),
                     lines[0], lines[1], lines[2], lines[3]);
    text = lines[4];
  }

  CurrencyFormatState amount = layout;
  amount.parse(text);
  Require(amount.error() == CurrencyFormatState::kOk ||
          amount.error() == CurrencyFormatState::kNotANumber);
  Require(amount.error() == CurrencyFormatState::kOk || amount.isEmpty());
  Require(amount.integerPart() >= 0 && amount.fraction() >= 0);

  const std::string written = amount.format();
  Require(amount.error() == CurrencyFormatState::kOk ||
          amount.error() == CurrencyFormatState::kDigitsCut);

  if (mode < 4 && amount.error() == CurrencyFormatState::kOk) {
    CurrencyFormatState again = layout;
    again.parse(written);
    Require(again.error() == CurrencyFormatState::kOk);
    Require(again.format() == written);
  }
  return 0;
}
