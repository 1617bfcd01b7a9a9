// FX_FormItemAdd's work: validates one item declaration, converts its property string into
// an ItemDef and stores it. No window is made here; the form creates the controls later.
#include "fenwix/registry/item_add.h"

#include <string>

#include "fenwix/fenwix.h"
#include "fenwix/props/property_string.h"
#include "fenwix/props/value_convert.h"
#include "fenwix/registry/registry.h"

namespace {

constexpr const char* kItemTypes[] = {
    fx::item::STATIC,   fx::item::RECT,     fx::item::EDIT,     fx::item::BUTTONSYS,
    fx::item::BUTTON,   fx::item::CHECKSYS, fx::item::COMBOSYS, fx::item::DATAGRID,
    fx::item::PROGRESS,
};

// Item types are keywords the application passes as constants, so no case folding.
bool IsItemType(const std::string& type) {
  for (const char* known : kItemTypes) {
    if (type == known) return true;
  }
  return false;
}

bool IsFieldType(const std::string& upper) {
  return upper.empty() || upper == fx::field::STRING || upper == fx::field::DATE ||
         upper == fx::field::CURRENCY;
}

bool TakesFieldType(const std::string& itemType) {
  return itemType == fx::item::EDIT || itemType == fx::item::COMBOSYS;
}

// Colours that default to "no colour" (-1) rather than to black.
ColorValue OptionalColor(const std::string& text) {
  return text.empty() ? kNoColor : ColorFromText(text);
}

std::int32_t IntInRange(const std::string& text, std::int32_t low, std::int32_t high,
                        std::int32_t fallback) {
  const std::int32_t value = TextToInt(text, 10);
  return value < low || value > high ? fallback : value;
}

}  // namespace

ErrorCode AddItemRecord(const std::string& formName, const std::string& itemName,
                        const std::string& itemType, int sequence, int x, int y, int width,
                        int height, const std::string& properties) {
  if (formName.empty()) return 1;
  if (itemName.empty()) return 18;
  if (!FindItemDef(formName, itemName).type.empty()) return 22;
  ItemDef item;
  const ErrorCode code = MakeItemRecord(itemType, sequence, x, y, width, height, properties, item);
  if (code) return code;
  StoreItemDef(ItemKey(formName, itemName), std::move(item));
  return 0;
}

ErrorCode MakeItemRecord(const std::string& itemType, int sequence, int x, int y, int width,
                         int height, const std::string& properties, ItemDef& item) {
  // A blank record is the base of the new one, so the control, brushes, control id,
  // recorded check state and text, and the date and currency states start blank.
  item = ItemDef();
  if (!IsItemType(itemType)) return 20;

  const auto property = [&properties](const char* key) { return GetProperty(key, properties); };

  // Read in a fixed order so that, of several bad values, the same one is always reported.
  item.value = property(fx::key::VALUE);
  item.button = UpperCase(property(fx::key::BUTTON));
  item.remark = property(fx::key::REMARK);
  item.accName = property(fx::key::ACCNAME);
  item.format = property(fx::key::FORMAT);
  item.hAlign = HAlignFromText(property(fx::key::TXHPOS));
  item.vAlign = VAlignFromText(property(fx::key::TXVPOS));
  item.fontName = property(fx::key::FTNAME);
  item.fontSize = IntInRange(property(fx::key::FTSIZE), 1, 256, 10);
  item.fontBold = IsTrueText(property(fx::key::FTBOLD));
  item.fontItalic = IsTrueText(property(fx::key::FTITALIC));
  item.fontUnderline = IsTrueText(property(fx::key::FTULINE));
  item.length = TextToInt(property(fx::key::LENGTH), 10);
  item.notNull = IsTrueText(property(fx::key::NOTNULL));
  item.backColor = OptionalColor(property(fx::key::BKCOL));
  item.textColor = OptionalColor(property(fx::key::TXCOL));
  item.anchors = AnchorsFromText(property(fx::key::ANCHOR));
  item.borderStyle = BorderStyleFromText(property(fx::key::BRDSTYLE));
  if (!IsBorderStyle(item.borderStyle)) return 25;
  item.borderSize = IntInRange(property(fx::key::BRDSIZE), 0, 16, 0);
  item.borderColor = ColorFromText(property(fx::key::BRDCOL));  // the empty text is black
  item.fieldType = UpperCase(property(fx::key::TYPE));
  if (!IsFieldType(item.fieldType)) return 21;

  if (TakesFieldType(itemType)) {
    if (item.fieldType.empty()) item.fieldType = fx::field::STRING;
  } else if (!item.fieldType.empty()) {
    return 23;
  }
  // A combo box picks from its list, so only a typed field needs a format to read input.
  const bool needsFormat =
      item.fieldType == fx::field::DATE || item.fieldType == fx::field::CURRENCY;
  if (itemType == fx::item::EDIT && needsFormat && item.format.empty()) return 24;

  if (itemType == fx::item::PROGRESS && !IsProgressValue(item.value)) return kBadProgressValue;
  item.calendar = IsTrueText(property(fx::key::CALENDAR));
  item.edit = IsTrueText(property(fx::key::EDIT));
  item.check = IsTrueText(property(fx::key::CHECK));
  item.enable = !IsFalseText(property(fx::key::ENABLE));
  item.visible = !IsFalseText(property(fx::key::VISIBLE));

  item.type = itemType;
  item.sequence = sequence;
  item.x = x;
  item.y = y;
  item.width = width;
  item.height = height;
  item.properties = properties;
  return 0;
}
