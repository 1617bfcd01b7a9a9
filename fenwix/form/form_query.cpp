// Read-only questions an application asks about a form after the fact: why it closed,
// and what a field held when the user last left it. Both answer from the registry.
#include "fenwix/registry/registry.h"

// A copy of the record can fail to allocate; these calls answer with the empty text
// rather than let an exception reach the application.
std::string FX_FormCloseReason(std::string formName) {
  try {
    return FindWindowDef(formName).closeReason;
  } catch (...) {
    return std::string();
  }
}

std::string FX_FormItemText(std::string formName, std::string itemName) {
  try {
    return FindItemDef(formName, itemName).currentText;
  } catch (...) {
    return std::string();
  }
}
