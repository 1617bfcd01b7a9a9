// Layout of CURRENCY amounts.
#include "fenwix/formproc/currency_format.h"

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
