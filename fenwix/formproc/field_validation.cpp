// Validation of a field on exit.
#include "fenwix/formproc/field_validation.h"

#include "fenwix/fenwix.h"
#include "fenwix/formats/typed_text.h"
#include "fenwix/error/status_text.h"
#include "fenwix/platform/platform.h"
#include "fenwix/text/encoding.h"
#include "fenwix/text/window_text.h"

namespace {

std::string ValidateString(ItemDef& item) {
  if (item.length > 0)
    item.currentText.resize(TextPrefixOfUnits(item.currentText, static_cast<std::size_t>(item.length)));
  SetControlText(item.control, item.currentText);
  if (item.currentText.empty() && item.notNull) {
    os::SetFocus(item.control);
    return RequiredInputText();
  }
  return std::string();
}

std::string ValidateDate(ItemDef& item) {
  DateValue date;
  date.setFormat(item.format);
  date.parse(item.currentText);
  item.date = date;
  switch (date.error()) {
    case DateValue::kOk:
      SetControlText(item.control, item.date.format(""));
      return std::string();
    case DateValue::kEmpty:
      if (!item.notNull) return std::string();
      os::SetFocus(item.control);
      return RequiredInputText();
    default:
      os::SetFocus(item.control);
      return InvalidInputText();
  }
}

std::string ValidateCurrency(ItemDef& item) {
  CurrencyFormatState amount;
  amount.setFormat(item.format);
  amount.parse(item.currentText);
  std::string status;
  if (amount.error() != CurrencyFormatState::kOk) {
    // A text that is no amount leaves the amount empty, but it is wrong, not missing.
    status = InvalidInputText();
  } else {
    // Cutting the most significant digits (error 3) is not the user's mistake to report.
    SetControlText(item.control, amount.format());
    if (amount.isEmpty() && item.notNull) status = RequiredInputText();
  }
  item.currency = amount;
  if (!status.empty()) os::SetFocus(item.control);
  return status;
}

}  // namespace

FieldRefusal RefusalOf(const ItemDef& item, const std::string& text) {
  const TypedText read = ReadTypedText(item.fieldType, item.format, item.notNull, text);
  if (read.code == 0) return FieldRefusal();
  return {read.code, read.code == kRequiredEmpty ? RequiredInputText() : InvalidInputText()};
}

std::string ValidateField(ItemDef& item) {
  if (item.fieldType == fx::field::DATE) return ValidateDate(item);
  if (item.fieldType == fx::field::CURRENCY) return ValidateCurrency(item);
  return ValidateString(item);
}
