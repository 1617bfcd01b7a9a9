// FX_FormItemSet and the redraw that follows it. Neither sets an error context nor
// reports: the caller (often a form callback, once per keystroke) decides what to do.
#include "fenwix/form/item_update.h"

#include "fenwix/form/item_keys.h"
#include "fenwix/form/text_cut.h"
#include "fenwix/grid/grid_entries.h"
#include "fenwix/platform/platform.h"
#include "fenwix/props/value_convert.h"
#include "fenwix/registry/registry.h"

namespace {

// Whether the key may change the name a screen reader gives the item: its own, a label's or
// a button's text, a remark. A reader that hears of it reads the name again, so that a
// result shown in a label is spoken.
bool NamesTheItem(const std::string& key, const ItemDef& item) {
  if (key == fx::key::ACCNAME || key == fx::key::REMARK) return true;
  return key == fx::key::VALUE && (item.type == fx::item::STATIC || item.type == fx::item::BUTTON);
}

}  // namespace

ErrorCode FX_FormItemSet(std::string formName, std::string itemName, std::string key,
                         std::string value) {
  ItemDef item = FindItemDef(formName, itemName);
  if (item.type.empty()) return 18;
  ErrorCode gridResult = 0;
  const auto gridKeySet = TheGridEntries().keySet;
  if (item.type == fx::item::DATAGRID && gridKeySet &&
      gridKeySet(formName, itemName, key, value, gridResult))
    return gridResult;
  const ItemKeyRule* rule = FindItemKeyRule(key);
  if (!rule) return 19;
  if (item.type == fx::item::PROGRESS && rule->key == fx::key::VALUE && !IsProgressValue(value))
    return kBadProgressValue;
  rule->apply(item, value);
  if (rule->show) {
    // What the control is told may run the field's exit, which stores the record: the
    // key's value goes onto the record as it then stands.
    rule->show(item);
    item = FindItemDef(formName, itemName);
    rule->apply(item, value);
  }
  StoreItemDef(ItemKey(formName, itemName), item);
  if (item.control && rule->key == fx::key::VALUE && item.value != value) SayTextCut(formName);
  if (item.control && NamesTheItem(rule->key, item))
    os::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, item.control, OBJID_CLIENT, CHILDID_SELF);
  return FX_FormItemRedrawIntl(formName, itemName);
}

ErrorCode FX_FormItemRedrawIntl(std::string formName, std::string itemName) {
  const ItemDef item = FindItemDef(formName, itemName);
  if (item.type.empty()) return 18;
  // A null window would repaint the whole desktop.
  if (!item.control) return 0;
  const auto showGridColors = TheGridEntries().showColors;
  if (item.type == fx::item::DATAGRID && showGridColors) showGridColors(item);
  // RDW_UPDATENOW paints before returning, so an owner-drawn item shows the stored record
  // by the time the caller goes on.
  if (!os::RedrawWindow(item.control, nullptr, nullptr,
                        RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW))
    return 1019;
  return 0;
}
