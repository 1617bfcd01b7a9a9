// Dates and amounts read from what a field shows, by the field's own type and format, and
// the grid position an event carries.
#include <cstdlib>
#include <tuple>

#include "fenwix/cpp/layer_call.h"
#include "fenwix/error/procedure_context.h"
#include "fenwix/formats/currency_format.h"
#include "fenwix/formats/typed_text.h"
#include "fenwix/formproc/field_validation.h"
#include "fenwix/registry/registry.h"

namespace fx {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// The wall-clock fields of a count of seconds from 1970-01-01 00:00, in the proleptic
// Gregorian calendar (days to civil date by 400-year eras).
Date DateOfSeconds(std::int64_t seconds) {
  std::int64_t days = seconds / kSecondsPerDay;
  std::int64_t rest = seconds % kSecondsPerDay;
  if (rest < 0) {
    rest += kSecondsPerDay;
    --days;
  }
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
  Date date;
  date.day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  date.month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  date.year = static_cast<int>(yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0));
  date.hour = static_cast<int>(rest / 3600);
  date.minute = static_cast<int>(rest / 60 % 60);
  date.second = static_cast<int>(rest % 60);
  return date;
}

[[noreturn]] void Refuse(const std::string& form, const std::string& item,
                         const std::string& detail) {
  const ReportCapture capture;
  {
    const ProcedureErrorContext context(ItemKey(form, item), "fx::Form::value");
    ReportErrorWithDetail(layer::kRefusedValue, detail);
  }
  throw Error(layer::kRefusedValue, capture.report());
}

// The text of a field of the given type, read by its format; fx::Error when the field
// refuses the text or is of another type.
TypedText ReadField(const std::string& form, const std::string& item, const char* type,
                    const std::string& text) {
  const ItemDef field = FindItemDef(form, item);
  if (field.fieldType != type) Refuse(form, item, "TYPE " + field.fieldType + ", not " + type);
  const TypedText read = ReadTypedText(field.fieldType, field.format, false, text);
  if (read.code) Refuse(form, item, RefusalOf(field, text).message + " \"" + text + "\"");
  return read;
}

}  // namespace

bool operator==(const Date& a, const Date& b) {
  return std::tie(a.year, a.month, a.day, a.hour, a.minute, a.second) ==
         std::tie(b.year, b.month, b.day, b.hour, b.minute, b.second);
}

bool operator<(const Date& a, const Date& b) {
  return std::tie(a.year, a.month, a.day, a.hour, a.minute, a.second) <
         std::tie(b.year, b.month, b.day, b.hour, b.minute, b.second);
}

std::string Amount::text() const {
  // Through the unsigned magnitude, so that the lowest units have one too.
  const bool negative = units < 0;
  const std::uint64_t magnitude =
      negative ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
  std::string digits = std::to_string(magnitude);
  const std::size_t places = decimals > 0 ? static_cast<std::size_t>(decimals) : 0;
  if (digits.size() <= places) digits.insert(0, places + 1 - digits.size(), '0');
  if (places) digits.insert(digits.size() - places, ".");
  return negative ? "-" + digits : digits;
}

int Event::row() const {
  if (*name_ == fx::event::ROWSEL || *name_ == fx::event::CELLCHG) return static_cast<int>(wParam_);
  // A grid's ITEMCLIC (a double click, Return) carries its row; a button's does not.
  if (*name_ == fx::event::ITEMCLIC && FindItemDef(*form_, *item_).type == fx::item::DATAGRID)
    return static_cast<int>(wParam_);
  return -1;
}

int Event::column() const {
  if (*name_ == fx::event::CELLCHG) return static_cast<int>(lParam_);
  if (*name_ == fx::event::COLCLIC) return static_cast<int>(wParam_);
  return -1;
}

std::optional<Date> Form::date(std::string_view item) const {
  const std::string itemName(item);
  const TypedText read = ReadField(name_, itemName, fx::field::DATE, text(item));
  if (read.order == kEmptyOrder) return std::nullopt;
  return DateOfSeconds(read.order);
}

std::optional<Amount> Form::amount(std::string_view item) const {
  const std::string itemName(item);
  const TypedText read = ReadField(name_, itemName, fx::field::CURRENCY, text(item));
  if (read.order == kEmptyOrder) return std::nullopt;
  CurrencyFormatState layout;
  layout.setFormat(FindItemDef(name_, itemName).format);
  return Amount{read.order, layout.decimals()};
}

}  // namespace fx
