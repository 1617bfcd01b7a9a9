// Texts longer than their field: the edit control stops typing and pasting at LENGTH, and
// a program's text is cut to the same length, so the field never holds what the user
// could not have typed. Either way the user is told.
#include "fenwix/form/text_cut.h"

#include "fenwix/error/message_text.h"
#include "fenwix/text/encoding.h"
#include "fenwix/text/window_text.h"

namespace {
constexpr int kTextCut = 1050;
}  // namespace

std::string TextWithinLength(const ItemDef& item, const std::string& text) {
  const bool typed = item.type == fx::item::EDIT || (item.type == fx::item::COMBOSYS && item.edit);
  if (!typed || item.length <= 0) return text;
  return text.substr(0, TextPrefixOfUnits(text, static_cast<std::size_t>(item.length)));
}

void SayTextCut(const std::string& formName) {
  const FormDef form = FindWindowDef(formName);
  if (form.hasStatusBar && form.statusBar)
    SendTextMessage(form.statusBar, WM_SETTEXT, 0, MessageText(kTextCut));
}
