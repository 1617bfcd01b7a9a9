// Changing one property of a declared item while its form is shown: the record is
// rewritten and the item's control is enabled, shown or repainted to match.
#ifndef FENWIX_FORM_ITEM_UPDATE_H
#define FENWIX_FORM_ITEM_UPDATE_H

#include <string>

#include "fenwix/fenwix.h"

// Repaints the item's control at once from its stored record: 0, 18 (no such item) or
// 1019 (the platform refused the redraw). FX_FormItemSet is public, in fenwix.h.
ErrorCode FX_FormItemRedrawIntl(std::string formName, std::string itemName);

#endif
