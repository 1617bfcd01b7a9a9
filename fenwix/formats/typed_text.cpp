// Field types read from text: the rules a field's exit and a grid's cell share.
#include "fenwix/formats/typed_text.h"

#include "fenwix/formats/currency_format.h"
#include "fenwix/formats/date_value.h"

namespace {

constexpr std::int64_t kHighest = std::numeric_limits<std::int64_t>::max();

// The amount counted in units of its last decimal: 12.5 with two decimals is 1250. The
// typed fraction is held behind a leading 1 ("05" as 105); digits beyond the decimals
// are dropped, missing ones are zeros.
std::int64_t AmountOrder(const CurrencyFormatState& amount) {
  std::string fraction = amount.fraction() > 0 ? std::to_string(amount.fraction()).substr(1) : "";
  fraction.resize(static_cast<std::size_t>(amount.decimals() > 0 ? amount.decimals() : 0), '0');
  std::int64_t value = amount.integerPart();
  for (char digit : fraction) {
    if (value > (kHighest - 9) / 10) {
      value = kHighest;
      break;
    }
    value = value * 10 + (digit - '0');
  }
  return amount.isNegative() ? -value : value;
}

}  // namespace

TypedText ReadTypedText(const std::string& fieldType, const std::string& format, bool notNull,
                        const std::string& text) {
  TypedText result;
  if (fieldType == "DATE") {
    DateValue date;
    date.setFormat(format);
    date.parse(text);
    if (date.error() == DateValue::kEmpty) {
      if (notNull) result.code = kRequiredEmpty;
    } else if (date.error() == DateValue::kOk) {
      result.normal = date.format("");
      result.order = date.time();
    } else {
      result.code = date.error();
      result.normal = text;
    }
    return result;
  }
  if (fieldType == "CURRENCY") {
    CurrencyFormatState amount;
    amount.setFormat(format);
    amount.parse(text);
    // A text that is no amount leaves the amount empty too, but the user did type
    // something: it is incorrect, not missing.
    if (amount.error() != CurrencyFormatState::kOk) {
      result.code = amount.error();
      result.normal = text;
    } else if (amount.isEmpty() && notNull) {
      result.code = kRequiredEmpty;
    } else if (!amount.isEmpty()) {
      // Cutting the most significant digits (error 3) is not the user's mistake; the
      // amount is then what is shown, written again without the zeros the cut left ahead.
      result.normal = amount.format();
      if (amount.error() == CurrencyFormatState::kDigitsCut) {
        amount.parse(result.normal);
        result.normal = amount.format();
      }
      result.order = AmountOrder(amount);
      // Minus nothing is nothing: "-0.00" is written as 0.
      if (result.order == 0 && amount.isNegative()) {
        amount.parse("0");
        result.normal = amount.format();
      }
    }
    return result;
  }
  result.code = text.empty() && notNull ? kRequiredEmpty : 0;
  result.normal = text;
  result.order = 0;
  return result;
}
