// Lookup and storage of window, form and item records, and the indexes kept beside them.
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

namespace {

// Form names never hold a ".", so a key's first "." ends the form part; item names may
// hold more. Returns false for a key of another form.
bool SplitItemKey(const std::string& key, const std::string& formName, std::string& itemName) {
  const std::string::size_type dot = key.find('.');
  if (dot == std::string::npos || key.compare(0, dot, formName) != 0) return false;
  itemName = key.substr(dot + 1);
  return true;
}

// Whether the map still holds the record an index entry was made from: the maps are the
// records, and an entry the map no longer bears out is passed over.
bool ItemHas(const std::string& key, HWND control) {
  const ItemMap& items = TheRegistry().items;
  const auto it = items.find(key);
  return it != items.end() && it->second.control == control;
}

// Adds (add true) or removes what the item indexes hold for one record.
void IndexItem(const std::string& key, const ItemDef& record, bool add) {
  ItemIndex& index = TheRegistry().itemIndex;
  auto apply = [add](auto& set, auto&& entry) {
    if (add) {
      set.insert(std::move(entry));
    } else {
      set.erase(entry);
    }
  };
  if (record.control) apply(index.byControl, std::make_pair(record.control, key));
  const std::string::size_type dot = key.find('.');
  if (dot == std::string::npos || dot == 0) {
    apply(index.formless, key);
  } else {
    apply(index.bySequence, std::make_tuple(key.substr(0, dot), record.sequence, key.substr(dot + 1)));
  }
}

}  // namespace

WindowDef FindWindowDef(const std::string& name) {
  const WindowMap& windows = TheRegistry().windows;
  auto it = windows.find(name);
  return it == windows.end() ? WindowDef() : it->second;
}

void StoreWindowDef(const std::string& name, const WindowDef& record) {
  Registry& registry = TheRegistry();
  WindowDef& stored = registry.windows[name];
  if (stored.handle != record.handle) {
    if (stored.handle) registry.windowsByHandle.erase({stored.handle, name});
    if (record.handle) registry.windowsByHandle.insert({record.handle, name});
  }
  stored = record;
}

ItemDef FindItemDef(const std::string& formName, const std::string& itemName) {
  const ItemMap& items = TheRegistry().items;
  auto it = items.find(ItemKey(formName, itemName));
  return it == items.end() ? ItemDef() : it->second;
}

void StoreItemDef(const std::string& itemKey, const ItemDef& record) {
  StoreItemDef(itemKey, ItemDef(record));
}

void StoreItemDef(const std::string& itemKey, ItemDef&& record) {
  ItemMap& items = TheRegistry().items;
  auto it = items.find(itemKey);
  if (it == items.end()) {
    it = items.emplace(itemKey, std::move(record)).first;
  } else {
    IndexItem(itemKey, it->second, false);
    it->second = std::move(record);
  }
  IndexItem(itemKey, it->second, true);
}

void StoreItemDefs(ItemMap& records) {
  ItemMap& items = TheRegistry().items;
  while (!records.empty()) {
    // The records' own nodes move across, so a form of many items is stored without
    // copying one.
    auto stored = items.insert(records.extract(records.begin()));
    if (stored.inserted)
      IndexItem(stored.position->first, stored.position->second, true);
    else
      StoreItemDef(stored.node.key(), std::move(stored.node.mapped()));
  }
}

void EraseItemDef(const std::string& itemKey) {
  Registry& registry = TheRegistry();
  const auto it = registry.items.find(itemKey);
  if (it == registry.items.end()) return;
  IndexItem(itemKey, it->second, false);
  registry.items.erase(it);
  registry.grids.erase(itemKey);
}

std::vector<std::string> FormItemNames(const std::string& formName) {
  std::vector<std::string> names;
  // A name with a "." splits elsewhere, and so names no key's form.
  if (formName.find('.') != std::string::npos) return names;
  const std::string prefix = formName + ".";
  const ItemMap& items = TheRegistry().items;
  for (auto it = items.lower_bound(prefix);
       it != items.end() && it->first.compare(0, prefix.size(), prefix) == 0; ++it)
    names.push_back(it->first.substr(prefix.size()));
  return names;
}

bool FindItemBySequence(const std::string& formName, std::int32_t sequence,
                        std::string& itemName) {
  const Registry& registry = TheRegistry();
  const auto& bySequence = registry.itemIndex.bySequence;
  for (auto it = bySequence.lower_bound(std::make_tuple(formName, sequence, std::string()));
       it != bySequence.end() && std::get<0>(*it) == formName && std::get<1>(*it) == sequence;
       ++it) {
    const std::string key = ItemKey(formName, std::get<2>(*it));
    const auto item = registry.items.find(key);
    if (item == registry.items.end() || item->second.sequence != sequence) continue;
    // A walk in key order stops at the first key without a form part.
    for (const std::string& formless : registry.itemIndex.formless) {
      if (!(formless < key)) break;
      if (registry.items.count(formless)) return false;
    }
    itemName = std::get<2>(*it);
    return true;
  }
  return false;
}

std::string FindItemNameByControl(const std::string& formName, HWND control) {
  std::string itemName;
  if (!control) return itemName;
  const Registry& registry = TheRegistry();
  const auto& byControl = registry.itemIndex.byControl;
  for (auto it = byControl.lower_bound({control, std::string()});
       it != byControl.end() && it->first == control; ++it) {
    if (SplitItemKey(it->second, formName, itemName) && ItemHas(it->second, control))
      return itemName;
  }
  return std::string();
}

std::string FindFormNameByDialog(HWND dialog) {
  if (!dialog) return std::string();
  const Registry& registry = TheRegistry();
  const auto& byHandle = registry.windowsByHandle;
  for (auto it = byHandle.lower_bound({dialog, std::string()});
       it != byHandle.end() && it->first == dialog; ++it) {
    const auto window = registry.windows.find(it->second);
    if (it->second != registry.MainWindowName && window != registry.windows.end() &&
        window->second.handle == dialog)
      return it->second;
  }
  return std::string();
}

namespace {
std::uint64_t declarationCount = 0;
}

void ResetRegistry() {
  TheRegistry() = Registry();
  TheRegistry().restartDeclaration = ++declarationCount;
}

std::uint64_t FormDeclaration(const std::string& formName) {
  const Registry& registry = TheRegistry();
  const auto found = registry.declarations.find(formName);
  return found == registry.declarations.end() ? registry.restartDeclaration : found->second;
}

void NewFormDeclaration(const std::string& formName) {
  TheRegistry().declarations[formName] = ++declarationCount;
}
