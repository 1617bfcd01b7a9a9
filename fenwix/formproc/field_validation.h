// Checks the text of a field when the user leaves it, by the field's type: a STRING is cut
// to its LENGTH, a DATE and a CURRENCY amount are read under the field's FORMAT and
// written back in their normal form.
#ifndef FENWIX_FORMPROC_FIELD_VALIDATION_H
#define FENWIX_FORMPROC_FIELD_VALIDATION_H

#include <string>

#include "fenwix/formats/typed_text.h"
#include "fenwix/registry/registry.h"

// Validates item.currentText (cutting a STRING to its LENGTH), writes the normalised text
// into the control, records the DATE or CURRENCY value in the item, and gives the focus
// back to the control when the entry cannot stay. Returns the status text: empty,
// RequiredInputText() or InvalidInputText().
std::string ValidateField(ItemDef& item);

// Why a field's text keeps its form from being accepted, by the same rules and without
// touching the control: the field's validation code (0 when the text may stay; a DATE's or
// an amount's own error code; kRequiredEmpty for a required field left empty) and the
// status text that says why.
struct FieldRefusal {
  ErrorCode code = 0;
  std::string message;
};
FieldRefusal RefusalOf(const ItemDef& item, const std::string& text);

#endif
