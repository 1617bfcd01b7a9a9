// CURRENCY amounts: the layout (country presets or an item's FORMAT), reading an amount
// from typed text and writing it back with its digits cut, groups, fraction and symbol.
#include "fenwix/formats/currency_format.h"

namespace {

// The integer part keeps at most this many digits, so it never overflows; 18 is also the
// most the digits field may show.
constexpr std::size_t kHeldIntegerDigits = 18;
// "1" and nine digits still fit in the signed 32-bit fraction; nine is the most shown.
constexpr std::size_t kHeldFractionDigits = 9;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void EraseFirst(std::string& text, const std::string& part) {
  if (part.empty()) return;
  const std::size_t at = text.find(part);
  if (at != std::string::npos) text.erase(at, part.size());
}

void EraseAll(std::string& text, const std::string& part) {
  if (part.empty()) return;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at)) {
    text.erase(at, part.size());
  }
}

void TrimSpaces(std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) {
    text.clear();
    return;
  }
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The leading decimal digits read as a number, as a stream would read them; digits past
// the most significant kHeldIntegerDigits (leading zeros aside) are dropped.
std::int64_t ReadLeadingDigits(const std::string& text, bool& highDigitsDropped) {
  std::size_t end = 0;
  while (end < text.size() && IsDigit(text[end])) ++end;
  std::size_t start = 0;
  while (start < end && text[start] == '0') ++start;
  highDigitsDropped = end - start > kHeldIntegerDigits;
  if (highDigitsDropped) start = end - kHeldIntegerDigits;
  std::int64_t value = 0;
  for (std::size_t i = start; i < end; ++i) value = value * 10 + (text[i] - '0');
  return value;
}

// Thousands separators before every group of three digits counted from the right.
std::string Grouped(const std::string& digits, const std::string& separator) {
  if (separator.empty()) return digits;
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
    out += digits[i];
  }
  return out;
}

}  // namespace

void CurrencyFormatState::setLayout(int digits, int decimals, const std::string& decimalSeparator,
                                    const std::string& thousandsSeparator,
                                    const std::string& symbol, const std::string& blankText) {
  error_ = kOk;
  if (digits < 0 || digits > 18) error_ = kBadDigits;
  if (decimals < 0 || decimals > 9) error_ = kBadDecimals;
  digits_ = digits;
  decimals_ = decimals;
  decimalSeparator_ = decimalSeparator;
  thousandsSeparator_ = thousandsSeparator;
  symbol_ = symbol;
  blankText_ = blankText;
}

void CurrencyFormatState::setCountry(int digits, int decimals, const std::string& country) {
  struct Preset {
    const char* code;
    const char* decimalSeparator;
    const char* thousandsSeparator;
    const char* symbol;
  };
  static const Preset kPresets[] = {
      {"US", ".", "", ""},
      {"US$", ".", ",", "$"},
      {"FR", ",", "", ""},
      {"FR$", ",", ".", "euro"},
  };
  for (const Preset& p : kPresets) {
    if (country == p.code) {
      setLayout(digits, decimals, p.decimalSeparator, p.thousandsSeparator, p.symbol, "");
      return;
    }
  }
  error_ = kUnknownCountry;
}

void CurrencyFormatState::setFormat(const std::string& format) {
  std::size_t pos = 0;
  while (pos < format.size() && format[pos] == '9') ++pos;
  const std::size_t nines = pos;
  std::string separator;
  if (pos < format.size()) separator = format.substr(pos++, 1);
  const std::size_t fractionStart = pos;
  while (pos < format.size() && format[pos] == '8') ++pos;
  const std::size_t eights = pos - fractionStart;
  // A FORMAT long enough to pass the int range is refused by the layout's own checks.
  const int digits = nines > 1000 ? 1000 : static_cast<int>(nines);
  const int decimals = eights > 1000 ? 1000 : static_cast<int>(eights);
  setLayout(digits, decimals, separator, "", "", "");
}

void CurrencyFormatState::parse(const std::string& input) {
  error_ = kOk;
  if (input.empty() || input == blankText_) {
    clearAmount();
    return;
  }
  std::string text = input;
  EraseFirst(text, symbol_);
  EraseAll(text, thousandsSeparator_);
  TrimSpaces(text);
  const std::size_t minus = text.find('-');
  const bool negative = minus != std::string::npos;
  if (negative) text.erase(minus, 1);
  EraseFirst(text, "+");

  std::string digitsOnly = text;
  if (!decimalSeparator_.empty()) {
    EraseFirst(digitsOnly, decimalSeparator_);
  } else {
    const std::size_t point = digitsOnly.find('.');
    EraseFirst(digitsOnly, point != std::string::npos ? "." : ",");
  }
  for (const char c : digitsOnly) {
    if (!IsDigit(c)) {
      error_ = kNotANumber;
      clearAmount();
      return;
    }
  }

  // A separator in first place (".5") still starts a fraction: reading the whole text as
  // the integer part would turn one half into 0.
  const std::size_t separator =
      decimalSeparator_.empty() ? std::string::npos : text.find(decimalSeparator_);
  if (separator != std::string::npos) {
    integerPart_ = ReadLeadingDigits(text.substr(0, separator), highDigitsDropped_);
    const std::string typed = text.substr(separator + decimalSeparator_.size());
    std::int32_t fraction = 1;
    for (std::size_t i = 0; i < typed.size() && i < kHeldFractionDigits; ++i) {
      fraction = fraction * 10 + (typed[i] - '0');
    }
    fraction_ = fraction;
  } else {
    integerPart_ = ReadLeadingDigits(text, highDigitsDropped_);
    fraction_ = 0;
  }
  negative_ = negative;
  empty_ = false;
}

std::string CurrencyFormatState::format() {
  error_ = kOk;
  if (empty_) return blankText_;

  std::string digits = std::to_string(integerPart_);
  if (highDigitsDropped_) {
    // The typed number was longer than what is held; its last digits are exactly the held
    // value written out in full, leading zeros included.
    digits.insert(0, kHeldIntegerDigits - digits.size(), '0');
    error_ = kDigitsCut;
  }
  const std::size_t shown = digits_ > 0 ? static_cast<std::size_t>(digits_) : 0;
  if (digits.size() > shown) {
    // The most significant digits go; the sign stays in front of what is left.
    digits.erase(0, digits.size() - shown);
    error_ = kDigitsCut;
  }
  std::string out = (negative_ ? "-" : "") + Grouped(digits, thousandsSeparator_);

  if (decimals_ != 0) {
    const std::string fraction = std::to_string(fraction_) + "000000000000";
    const std::size_t count = decimals_ > 0 ? static_cast<std::size_t>(decimals_) : 0;
    out += decimalSeparator_;
    out += fraction.substr(1, count);
  }
  if (!symbol_.empty()) out += " " + symbol_;
  return out;
}

void CurrencyFormatState::clearAmount() {
  integerPart_ = 0;
  fraction_ = 0;
  negative_ = false;
  highDigitsDropped_ = false;
  empty_ = true;
}
