// The value and layout of a CURRENCY field: an amount read from typed text and written
// with a fixed number of integer and fraction digits, separators and a symbol.
#ifndef FENWIX_FORMATS_CURRENCY_FORMAT_H
#define FENWIX_FORMATS_CURRENCY_FORMAT_H

#include <cstdint>
#include <string>

class CurrencyFormatState {
 public:
  enum Error : std::int32_t {
    kOk = 0,
    kNotANumber = 1,
    kUnknownCountry = 2,
    kDigitsCut = 3,
    kBadDigits = 4,
    kBadDecimals = 5,
  };

  // A new state holds 0 and the "US" layout with no digits and no decimals.
  CurrencyFormatState() { setCountry(0, 0, "US"); }

  void setLayout(int digits, int decimals, const std::string& decimalSeparator,
                 const std::string& thousandsSeparator, const std::string& symbol,
                 const std::string& blankText);
  // Presets "US", "US$", "FR", "FR$"; digits and decimals always come from the arguments.
  void setCountry(int digits, int decimals, const std::string& country);
  // The layout of an item's FORMAT, such as 999999.88.
  void setFormat(const std::string& format);
  // Reads a typed amount; text that is not a number leaves the amount empty (error 1).
  void parse(const std::string& input);
  // The amount in this layout; error 3 when integer digits had to be dropped.
  std::string format();
  std::int32_t error() const { return error_; }
  bool isEmpty() const { return empty_; }

  std::int64_t integerPart() const { return integerPart_; }
  std::int32_t fraction() const { return fraction_; }
  bool isNegative() const { return negative_; }
  int digits() const { return digits_; }
  int decimals() const { return decimals_; }
  const std::string& decimalSeparator() const { return decimalSeparator_; }
  const std::string& thousandsSeparator() const { return thousandsSeparator_; }
  const std::string& symbol() const { return symbol_; }
  const std::string& blankText() const { return blankText_; }

 private:
  std::int64_t integerPart_ = 0;  // absolute value
  // The typed fraction digits behind a leading "1", so that leading zeros survive
  // (".05" is 105); 0 when no fraction was typed.
  std::int32_t fraction_ = 0;
  bool negative_ = false;
  bool empty_ = false;
  std::int32_t digits_ = 0;
  std::int32_t decimals_ = 0;
  std::string decimalSeparator_;
  std::string thousandsSeparator_;
  std::string symbol_;
  std::string blankText_;
  std::int32_t error_ = kOk;
  // The typed integer had more digits than integerPart_ holds; it keeps the last ones.
  bool highDigitsDropped_ = false;

  void clearAmount();
};

#endif
