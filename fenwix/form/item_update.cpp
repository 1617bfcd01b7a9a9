// FX_FormItemSet and the redraw that follows it. Neither sets an error context nor
// reports: the caller (often a form callback, once per keystroke) decides what to do.
#include "fenwix/form/item_update.h"

#include "fenwix/platform/platform.h"
#include "fenwix/props/property_string.h"
#include "fenwix/props/value_convert.h"
#include "fenwix/registry/registry.h"

namespace {

// An item whose form is not on the screen yet, or which never gets a control (DATAGRID),
// has control 0. EnableWindow and ShowWindow would merely fail on it, but RedrawWindow
// with a null window repaints the whole desktop, so nothing is sent to a null control.
bool HasControl(const ItemDef& item) { return item.control != nullptr; }

// Showing, hiding, enabling and disabling act on the control after the record has its
// new value. Disabling or hiding the control that has the focus moves the focus on, and
// the field's exit then runs and records what the user typed, so the key's value is
// stored on the record as it stands afterwards.
void ShowEnable(const ItemDef& item) {
  if (HasControl(item)) os::EnableWindow(item.control, item.enable ? TRUE : FALSE);
}

void ShowVisible(const ItemDef& item) {
  if (!HasControl(item)) return;
  if (!item.visible) {
    os::ShowWindow(item.control, SW_HIDE);
    return;
  }
  os::ShowWindow(item.control, SW_SHOW);
  // A control made while its item was hidden was also made disabled.
  if (item.enable) os::EnableWindow(item.control, TRUE);
}

// Unlike a declaration, run-time updates also take the stored numbers "0" and "1".
std::int32_t PositionFromText(const std::string& value, const char* oneWord) {
  const std::string upper = UpperCase(value);
  if (upper == fx::word::CENTER || value == "0") return 0;
  if (upper == oneWord || value == "1") return 1;
  return -1;
}

struct KeyRule {
  const char* key;
  void (*apply)(ItemDef& item, const std::string& value);
  void (*show)(const ItemDef& item) = nullptr;  // what the control is told, if anything
};

// Tested in this order. Values are stored as given: no upper-casing and no range limits,
// unlike a declaration.
const KeyRule kRules[] = {
    {fx::key::BKCOL, [](ItemDef& i, const std::string& v) { i.backColor = ColorFromText(v); }},
    {fx::key::TXCOL, [](ItemDef& i, const std::string& v) { i.textColor = ColorFromText(v); }},
    {fx::key::CHECK, [](ItemDef& i, const std::string& v) { i.check = IsTrueText(v); }},
    {fx::key::ENABLE, [](ItemDef& i, const std::string& v) { i.enable = !IsFalseText(v); },
     ShowEnable},
    {fx::key::VISIBLE, [](ItemDef& i, const std::string& v) { i.visible = !IsFalseText(v); },
     ShowVisible},
    {fx::key::VALUE, [](ItemDef& i, const std::string& v) { i.value = v; }},
    {fx::key::BUTTON, [](ItemDef& i, const std::string& v) { i.button = v; }},
    {fx::key::LENGTH, [](ItemDef& i, const std::string& v) { i.length = TextToInt(v, 10); }},
    {fx::key::FORMAT, [](ItemDef& i, const std::string& v) { i.format = v; }},
    {fx::key::REMARK, [](ItemDef& i, const std::string& v) { i.remark = v; }},
    {fx::key::NOTNULL, [](ItemDef& i, const std::string& v) { i.notNull = IsTrueText(v); }},
    {fx::key::EDIT, [](ItemDef& i, const std::string& v) { i.edit = IsTrueText(v); }},
    {fx::key::TXHPOS,
     [](ItemDef& i, const std::string& v) { i.hAlign = PositionFromText(v, fx::word::RIGHT); }},
    {fx::key::TXVPOS,
     [](ItemDef& i, const std::string& v) { i.vAlign = PositionFromText(v, fx::word::BOTTOM); }},
    {fx::key::FTNAME, [](ItemDef& i, const std::string& v) { i.fontName = v; }},
    {fx::key::FTSIZE, [](ItemDef& i, const std::string& v) { i.fontSize = TextToInt(v, 10); }},
    {fx::key::FTBOLD, [](ItemDef& i, const std::string& v) { i.fontBold = IsTrueText(v); }},
    {fx::key::FTITALIC, [](ItemDef& i, const std::string& v) { i.fontItalic = IsTrueText(v); }},
    {fx::key::FTULINE, [](ItemDef& i, const std::string& v) { i.fontUnderline = IsTrueText(v); }},
    {fx::key::BRDSIZE, [](ItemDef& i, const std::string& v) { i.borderSize = TextToInt(v, 10); }},
    {fx::key::BRDCOL, [](ItemDef& i, const std::string& v) { i.borderColor = ColorFromText(v); }},
    {fx::key::BRDSTYLE, [](ItemDef& i, const std::string& v) { i.borderStyle = v; }},
};

const KeyRule* FindRule(const std::string& key) {
  const std::string upper = UpperCase(key);
  for (const KeyRule& rule : kRules) {
    if (upper == rule.key) return &rule;
  }
  return nullptr;
}

}  // namespace

ErrorCode FX_FormItemSet(std::string formName, std::string itemName, std::string key,
                         std::string value) {
  ItemDef item = FindItemDef(formName, itemName);
  if (item.type.empty()) return 18;
  const KeyRule* rule = FindRule(key);
  if (!rule) return 19;
  rule->apply(item, value);
  if (rule->show) {
    rule->show(item);
    item = FindItemDef(formName, itemName);
    rule->apply(item, value);
  }
  StoreItemDef(ItemKey(formName, itemName), item);
  return FX_FormItemRedrawIntl(formName, itemName);
}

ErrorCode FX_FormItemRedrawIntl(std::string formName, std::string itemName) {
  const ItemDef item = FindItemDef(formName, itemName);
  if (item.type.empty()) return 18;
  if (!HasControl(item)) return 0;
  // RDW_UPDATENOW paints before returning, so an owner-drawn item shows the stored record
  // by the time the caller goes on.
  if (!os::RedrawWindow(item.control, nullptr, nullptr,
                        RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW))
    return 1019;
  return 0;
}
