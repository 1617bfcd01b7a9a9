// Lookup and storage of window, form and item records.
#include "fenwix/registry/registry.h"

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

FocusSnapshot& TheFocusSnapshot() {
  static FocusSnapshot snapshot;
  return snapshot;
}

std::string ItemKey(const std::string& formName, const std::string& itemName) {
  return formName + "." + itemName;
}

WindowDef FindWindowDef(const std::string& name) {
  const WindowMap& windows = TheRegistry().windows;
  auto it = windows.find(name);
  return it == windows.end() ? WindowDef() : it->second;
}

void StoreWindowDef(const std::string& name, const WindowDef& record) {
  TheRegistry().windows[name] = record;
}

ItemDef FindItemDef(const std::string& formName, const std::string& itemName) {
  const ItemMap& items = TheRegistry().items;
  auto it = items.find(ItemKey(formName, itemName));
  return it == items.end() ? ItemDef() : it->second;
}

void StoreItemDef(const std::string& itemKey, const ItemDef& record) {
  TheRegistry().items[itemKey] = record;
}

namespace {

// Form names never hold a ".", so a key's first "." ends the form part; item names may
// hold more. Returns false for a key of another form.
bool SplitItemKey(const std::string& key, const std::string& formName, std::string& itemName) {
  const std::string::size_type dot = key.find('.');
  if (dot == std::string::npos || key.compare(0, dot, formName) != 0) return false;
  itemName = key.substr(dot + 1);
  return true;
}

}  // namespace

std::vector<std::string> FormItemNames(const std::string& formName) {
  std::vector<std::string> names;
  std::string itemName;
  for (const auto& entry : TheRegistry().items) {
    if (SplitItemKey(entry.first, formName, itemName)) names.push_back(itemName);
  }
  return names;
}

std::string FindItemNameByControl(const std::string& formName, HWND control) {
  std::string itemName;
  if (!control) return itemName;
  for (const auto& entry : TheRegistry().items) {
    if (entry.second.control == control && SplitItemKey(entry.first, formName, itemName))
      return itemName;
  }
  return std::string();
}

std::string FindFormNameByDialog(HWND dialog) {
  if (!dialog) return std::string();
  const Registry& registry = TheRegistry();
  for (const auto& entry : registry.windows) {
    if (entry.second.handle == dialog && entry.first != registry.MainWindowName) return entry.first;
  }
  return std::string();
}

void ResetRegistry() { TheRegistry() = Registry(); }
