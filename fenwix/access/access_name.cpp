#include "fenwix/access/access_name.h"

#include <cstdint>
#include <limits>

#include "fenwix/form/item_controls.h"
#include "fenwix/registry/registry.h"

namespace {

enum class Side { kLeft, kAbove, kRight };

// Half-open spans [start, start + length), in 64 bits: an item's x + width may pass the
// signed 32-bit range.
struct Span {
  std::int64_t start, end;
};
Span Across(const ItemDef& item) { return {item.x, std::int64_t{item.x} + item.width}; }
Span Down(const ItemDef& item) { return {item.y, std::int64_t{item.y} + item.height}; }
bool Overlap(Span a, Span b) { return a.start < b.end && b.start < a.end; }

// How far the other item lies from the item on that side, or -1 when it does not lie
// there: beside it on its row, or above it over its columns.
std::int64_t Gap(const ItemDef& other, const ItemDef& item, Side side) {
  switch (side) {
    case Side::kLeft:
      if (!Overlap(Down(other), Down(item)) || Across(other).end > item.x) return -1;
      return item.x - Across(other).end;
    case Side::kRight:
      if (!Overlap(Down(other), Down(item)) || other.x < Across(item).end) return -1;
      return other.x - Across(item).end;
    case Side::kAbove:
      if (!Overlap(Across(other), Across(item)) || Down(other).end > item.y) return -1;
      return item.y - Down(other).end;
  }
  return -1;
}

// The item's record, a check box at the size it is shown at.
ItemDef Placed(const std::string& formName, const std::string& itemName) {
  ItemDef item = FindItemDef(formName, itemName);
  if (item.type == fx::item::CHECKSYS) item.width = item.height = kCheckBoxSize;
  return item;
}

// Whether a person sees the item as something beside a field: labels without a text and
// areas are only the form's look.
bool Shows(const ItemDef& item) {
  return item.visible && item.type != fx::item::RECT &&
         !(item.type == fx::item::STATIC && item.value.empty());
}

// The text of the label nearest to the item on that side, unless another control lies
// nearer: a label beyond a field is that field's caption. Of two as near, the first in
// key order.
std::string NearestLabel(const std::string& formName, const std::string& itemName,
                         const ItemDef& item, Side side) {
  std::string text;
  std::int64_t nearest = std::numeric_limits<std::int64_t>::max();
  for (const std::string& name : FormItemNames(formName)) {
    if (name == itemName) continue;
    const ItemDef other = Placed(formName, name);
    if (!Shows(other)) continue;
    const std::int64_t gap = Gap(other, item, side);
    if (gap >= 0 && gap < nearest) {
      nearest = gap;
      text = other.type == fx::item::STATIC ? other.value : std::string();
    }
  }
  return text;
}

bool IsLabelled(const std::string& type) {
  return type == fx::item::EDIT || type == fx::item::COMBOSYS || type == fx::item::DATAGRID ||
         type == fx::item::CHECKSYS || type == fx::item::PROGRESS;
}

}  // namespace

std::string AccessibleName(const std::string& formName, const std::string& itemName) {
  const ItemDef item = Placed(formName, itemName);
  if (!item.accName.empty()) return item.accName;
  if (item.type == fx::item::STATIC || item.type == fx::item::BUTTON) {
    if (!item.value.empty()) return item.value;
  } else if (IsLabelled(item.type)) {
    for (Side side : {Side::kRight, Side::kLeft, Side::kAbove}) {
      if (side == Side::kRight && item.type != fx::item::CHECKSYS) continue;
      const std::string label = NearestLabel(formName, itemName, item, side);
      if (!label.empty()) return label;
    }
    if (!item.remark.empty()) return item.remark;
  }
  return itemName;
}
