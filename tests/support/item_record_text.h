// Every field of an ItemDef that a declaration or an update sets, as one line of text:
// two records compare equal exactly when these lines do, and a failing comparison shows
// which field differs.
#ifndef FENWIX_TESTS_SUPPORT_ITEM_RECORD_TEXT_H
#define FENWIX_TESTS_SUPPORT_ITEM_RECORD_TEXT_H

#include <sstream>
#include <string>

#include "fenwix/registry/registry.h"

namespace test {

inline std::string RecordText(const ItemDef& i) {
  std::ostringstream s;
  s << "type=" << i.type << " format=" << i.format << " length=" << i.length
    << " sequence=" << i.sequence << " control=" << i.control << " value=" << i.value
    << " notNull=" << i.notNull << " edit=" << i.edit << " check=" << i.check
    << " enable=" << i.enable << " visible=" << i.visible << " backColor=" << i.backColor
    << " textColor=" << i.textColor << " backBrush=" << i.backBrush
    << " textBrush=" << i.textBrush << " controlId=" << i.controlId << " x=" << i.x
    << " y=" << i.y << " width=" << i.width << " height=" << i.height << " button=" << i.button
    << " remark=" << i.remark << " accName=" << i.accName << " fieldType=" << i.fieldType
    << " hAlign=" << i.hAlign
    << " vAlign=" << i.vAlign << " fontName=" << i.fontName << " fontSize=" << i.fontSize
    << " fontBold=" << i.fontBold << " fontItalic=" << i.fontItalic
    << " fontUnderline=" << i.fontUnderline << " borderSize=" << i.borderSize
    << " borderColor=" << i.borderColor << " borderStyle=" << i.borderStyle
    << " properties=" << i.properties << " checkState=" << i.checkState
    << " currentText=" << i.currentText << " dateNull=" << i.date.isNull();
  return s.str();
}

// The whole item map, one record per line, in key order.
inline std::string ItemMapText() {
  std::string text;
  for (const auto& entry : TheRegistry().items)
    text += entry.first + ": " + RecordText(entry.second) + "\n";
  return text;
}

}  // namespace test

#endif
