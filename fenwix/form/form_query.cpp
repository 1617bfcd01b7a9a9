// Questions an application asks about a form: what an item shows now, why the form
// closed, and what a field held when the user last left it.
#include "fenwix/error/error_context.h"
#include "fenwix/form/item_keys.h"
#include "fenwix/grid/grid_entries.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"
#include "fenwix/text/window_text.h"

namespace {

std::string ItemValue(const std::string& formName, const std::string& itemName,
                      const std::string& key) {
  const ItemDef item = FindItemDef(formName, itemName);
  std::string gridValue;
  const auto gridKeyValue = TheGridEntries().keyValue;
  if (item.type == fx::item::DATAGRID && gridKeyValue &&
      gridKeyValue(formName, itemName, key, gridValue))
    return gridValue;
  const ItemKeyRule* rule = FindItemKeyRule(key);
  if (item.type.empty() || !rule) {
    ReportError(item.type.empty() ? 18 : 28);
    return std::string();
  }
  // What the user sees: the field's text as typed, not yet left, or as written back after
  // its exit; the box as last clicked.
  if (item.control && rule->key == fx::key::VALUE && ShowsTypedText(item))
    return ControlText(item.control);
  if (item.control && rule->key == fx::key::CHECK && item.type == fx::item::CHECKSYS)
    return os::SendMessageA(item.control, BM_GETCHECK, 0, 0) == BST_CHECKED ? "TRUE" : "FALSE";
  // After the close, what the form showed at that moment.
  if (!item.control && item.keepsShown && rule->key == fx::key::VALUE && ShowsTypedText(item))
    return item.shownText;
  if (!item.control && item.keepsShown && rule->key == fx::key::CHECK)
    return item.shownCheck ? "TRUE" : "FALSE";
  return rule->read(item);
}

}  // namespace

// A copy of a record can fail to allocate; these calls answer with the empty text rather
// than let an exception reach the application.
std::string FX_FormItemGet(std::string formName, std::string itemName, std::string key) {
  try {
    SaveErrorContext();
    SetErrorContext(ItemKey(formName, itemName), "FX_FormItemGet");
    std::string value = ItemValue(formName, itemName, key);
    RestoreErrorContext();
    return value;
  } catch (...) {
    return std::string();
  }
}

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
