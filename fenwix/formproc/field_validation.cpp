// Validation of a field on exit.
#include "fenwix/formproc/field_validation.h"

#include "fenwix/fenwix.h"
#include "fenwix/formproc/status_text.h"
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
      // An impossible date keeps the user in the field; the field's remark says what it wants.
      os::SetFocus(item.control);
      return std::string();
  }
}

std::string ValidateCurrency(ItemDef& item) {
  CurrencyFormatState amount;
  amount.setFormat(item.format);
  amount.parse(item.currentText);
  std::string status;
  if (amount.error() == CurrencyFormatState::kOk) {
    // Cutting the most significant digits (error 3) is not the user's mistake to report.
    SetControlText(item.control, amount.format());
  } else {
    status = InvalidInputText();
    os::SetFocus(item.control);
  }
  if (amount.isEmpty() && item.notNull) {
    status = RequiredInputText();
    os::SetFocus(item.control);
  }
  item.currency = amount;
  return status;
}

}  // namespace

FieldRefusal RefusalOf(const ItemDef& item, const std::string& text) {
  const FieldRefusal required{kRequiredEmpty, RequiredInputText()};
  if (item.fieldType == fx::field::DATE) {
    DateValue date;
    date.setFormat(item.format);
    date.parse(text);
    if (date.error() == DateValue::kEmpty) return item.notNull ? required : FieldRefusal();
    if (date.error() == DateValue::kOk) return FieldRefusal();
    return {date.error(), InvalidInputText()};
  }
  if (item.fieldType == fx::field::CURRENCY) {
    CurrencyFormatState amount;
    amount.setFormat(item.format);
    amount.parse(text);
    if (amount.isEmpty() && item.notNull) return required;
    if (amount.error() == CurrencyFormatState::kOk) return FieldRefusal();
    return {amount.error(), InvalidInputText()};
  }
  return text.empty() && item.notNull ? required : FieldRefusal();
}

std::string ValidateField(ItemDef& item) {
  if (item.fieldType == fx::field::DATE) return ValidateDate(item);
  if (item.fieldType == fx::field::CURRENCY) return ValidateCurrency(item);
  return ValidateString(item);
}
