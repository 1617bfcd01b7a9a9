// Column declarations: the keys of a field, read the same way.
#include "fenwix/grid/grid_column.h"

#include "fenwix/formats/currency_format.h"
#include "fenwix/formats/date_value.h"
#include "fenwix/props/property_string.h"

namespace {

// Widths beyond the screen are a typing slip; they fall back as a bad width does.
constexpr std::int32_t kDefaultWidth = 100;
constexpr std::int32_t kWidestColumn = 10000;
// An amount's number counts units of its last decimal in 64 bits: 18 digits always fit.
constexpr int kAmountDigits = 18;

}  // namespace

ErrorCode ColumnFromProperties(const std::string& name, const std::string& properties,
                               GridColumn& column) {
  auto property = [&properties](const char* key) { return GetProperty(key, properties); };
  column.name = name;
  column.title = property(fx::key::TITLE);
  if (column.title.empty()) column.title = name;
  const std::string type = UpperCase(property(fx::key::TYPE));
  if (!type.empty() && type != fx::field::STRING && type != fx::field::DATE &&
      type != fx::field::CURRENCY)
    return 21;
  column.type = type.empty() ? fx::field::STRING : type;
  column.format = property(fx::key::FORMAT);
  if (column.type != fx::field::STRING && column.format.empty()) return 24;
  if (column.type == fx::field::CURRENCY) {
    CurrencyFormatState amount;
    amount.setFormat(column.format);
    const int digits = amount.digits() + amount.decimals();
    // A layout of no digits would show every amount as nothing, and a sign or a digit as
    // the decimal separator would be read back as something else.
    const std::string& separator = amount.decimalSeparator();
    if (digits == 0 || digits > kAmountDigits ||
        separator.find_first_of("+-0123456789") != std::string::npos)
      return 24;
  }
  const std::int32_t width = TextToInt(property(fx::key::WIDTH), 10);
  column.width = width > 0 && width <= kWidestColumn ? width : kDefaultWidth;
  const std::string align = property(fx::key::TXHPOS);
  column.align = align.empty() && column.type == fx::field::CURRENCY ? 1 : HAlignFromText(align);
  column.edit = IsTrueText(property(fx::key::EDIT));
  column.notNull = IsTrueText(property(fx::key::NOTNULL));
  return 0;
}

TypedText ReadCell(const GridColumn& column, const std::string& text) {
  return ReadTypedText(column.type, column.format, column.notNull, text);
}

bool HoldsNumbers(const GridColumn& column) { return column.type != fx::field::STRING; }

std::string WriteCell(const GridColumn& column, std::int64_t number) {
  if (number == kEmptyOrder) return std::string();
  if (column.type == fx::field::DATE) {
    DateValue date;
    date.setFormat(column.format);
    date.setTime(number);
    return date.format("");
  }
  // The amount's digits, its last `decimals` of them behind the format's separator.
  CurrencyFormatState amount;
  amount.setFormat(column.format);
  const std::size_t decimals = static_cast<std::size_t>(amount.decimals());
  const std::uint64_t magnitude =
      number < 0 ? 0 - static_cast<std::uint64_t>(number) : static_cast<std::uint64_t>(number);
  std::string digits = std::to_string(magnitude);
  if (digits.size() <= decimals) digits.insert(0, decimals + 1 - digits.size(), '0');
  // Without a separator the format reads no fraction, and the number holds none.
  const std::string separator = amount.decimalSeparator().empty() ? "." : amount.decimalSeparator();
  if (decimals) digits.insert(digits.size() - decimals, separator);
  amount.parse((number < 0 ? "-" : "") + digits);
  return amount.format();
}
