// The keys an item takes at run time. Values are stored as given: no upper-casing and no
// range limits, unlike a declaration. Read back, each value is a text that, set again,
// gives the same record.
#include "fenwix/form/item_keys.h"


#include "fenwix/form/text_cut.h"
#include "fenwix/platform/platform.h"
#include "fenwix/props/property_string.h"
#include "fenwix/props/value_convert.h"
#include "fenwix/text/window_text.h"

namespace {

// An item whose form is not on the screen yet, or which never gets a control (DATAGRID),
// has control 0. EnableWindow and ShowWindow would merely fail on it, but RedrawWindow
// with a null window repaints the whole desktop, so nothing is sent to a null control.
bool HasControl(const ItemDef& item) { return item.control != nullptr; }

// How often a busy bar moves on: the platform's own default period.
constexpr LPARAM kMarqueeMilliseconds = 30;

bool HasFocus(const ItemDef& item) {
  const HWND focus = os::GetFocus();
  return focus && (focus == item.control || os::IsChild(item.control, focus));
}

// Disabling or hiding the control that has the keyboard would leave the keyboard nowhere,
// and Tab and the form's keys with it. The focus moves on to the next tab stop first, as
// the dialog manager moves it, and the field's exit then runs and records what the user
// typed; an exit that refuses the field takes the focus back, so once the control can no
// longer take it the focus moves on again.
template <class Withdraw>
void WithdrawFocused(const ItemDef& item, Withdraw withdraw) {
  const bool focused = HasFocus(item);
  const HWND dialog = os::GetParent(item.control);
  if (focused) os::SendMessageA(dialog, WM_NEXTDLGCTL, 0, FALSE);
  withdraw();
  if (focused && (!os::GetFocus() || HasFocus(item)))
    os::SendMessageA(dialog, WM_NEXTDLGCTL, 0, FALSE);
}

// Showing, hiding, enabling and disabling act on the control after the record has its
// new value.
void ShowEnable(const ItemDef& item) {
  if (!HasControl(item)) return;
  if (item.enable) {
    os::EnableWindow(item.control, TRUE);
    return;
  }
  WithdrawFocused(item, [&] { os::EnableWindow(item.control, FALSE); });
}

void ShowVisible(const ItemDef& item) {
  if (!HasControl(item)) return;
  if (!item.visible) {
    WithdrawFocused(item, [&] { os::ShowWindow(item.control, SW_HIDE); });
    return;
  }
  os::ShowWindow(item.control, SW_SHOW);
  // A control made while its item was hidden was also made disabled.
  if (item.enable) os::EnableWindow(item.control, TRUE);
}

// A value the program sets is no change of the user's: the field's next exit compares
// what it then holds with this value, not with what it held before. A field on the
// screen takes no more than its LENGTH, as from the keyboard; before the form is open
// there is no status bar to say that a text was cut, so it is kept whole.
void ApplyValue(ItemDef& item, const std::string& value) {
  item.value = HasControl(item) ? TextWithinLength(item, value) : value;
  item.keepsShown = false;
  if (HasControl(item) && ShowsTypedText(item)) item.currentText = item.value;
}

// A combo box that only lists its entries can show no other text: a value that is none of
// them leaves nothing selected.
void ShowValue(const ItemDef& item) {
  if (item.type == fx::item::PROGRESS) ShowProgress(item);
  if (!HasControl(item) || !ShowsTypedText(item)) return;
  if (HasFocus(item)) TheFocusSnapshot().text = item.value;
  if (item.type == fx::item::EDIT || item.edit) {
    SetControlText(item.control, item.value);
    return;
  }
  const LRESULT entry =
      SendTextMessage(item.control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), item.value);
  os::SendMessageA(item.control, CB_SETCURSEL, entry == CB_ERR ? static_cast<WPARAM>(-1) : entry, 0);
}

// A field's limit holds for typing and pasting from now on, as a declared one does; a
// text it already holds is cut at its exit. 0 lets the platform apply its own maximum.
void ShowLength(const ItemDef& item) {
  if (!HasControl(item)) return;
  const WPARAM limit = static_cast<WPARAM>(item.length);
  if (item.type == fx::item::EDIT) os::SendMessageA(item.control, EM_LIMITTEXT, limit, 0);
  if (item.type == fx::item::COMBOSYS) os::SendMessageA(item.control, CB_LIMITTEXT, limit, 0);
}

bool IsCheckBox(const ItemDef& item) {
  return HasControl(item) && item.type == fx::item::CHECKSYS;
}

void ApplyCheck(ItemDef& item, const std::string& value) {
  item.check = IsTrueText(value);
  item.keepsShown = false;
  if (IsCheckBox(item)) item.checkState = item.check;
}

void ShowCheck(const ItemDef& item) {
  if (!IsCheckBox(item)) return;
  if (HasFocus(item)) TheFocusSnapshot().checkState = item.check;
  os::SendMessageA(item.control, BM_SETCHECK, item.check ? BST_CHECKED : BST_UNCHECKED, 0);
}

// Unlike a declaration, run-time updates also take the stored numbers "0" and "1".
std::int32_t PositionFromText(const std::string& value, const char* oneWord) {
  const std::string upper = UpperCase(value);
  if (upper == fx::word::CENTER || value == "0") return 0;
  if (upper == oneWord || value == "1") return 1;
  return -1;
}

std::string PositionText(std::int32_t position, const char* before, const char* after) {
  return position == 0 ? fx::word::CENTER : position == 1 ? after : before;
}

std::string FlagText(bool flag) { return flag ? "TRUE" : "FALSE"; }

// Hexadecimal with its digits running blue, green, red, as colours are read; "-1", no
// colour, reads back as itself, and so does any other negative value, signed as it was
// read ("-b" gives -0xB, not 0xFFFFFFF5, which is beyond the range read and would come
// back as black).
std::string ColorText(ColorValue color) {
  if (color == kNoColor) return "-1";
  const bool negative = color < 0;
  // Unsigned arithmetic: the magnitude of the lowest value has no signed form.
  const unsigned bits = static_cast<unsigned>(color);
  const unsigned magnitude = negative ? 0u - bits : bits;
  // Written by hand: the printf family would bring its whole formatter into every program.
  std::string hex;
  for (unsigned rest = magnitude; rest != 0 || hex.size() < 6; rest >>= 4)
    hex.insert(hex.begin(), "0123456789ABCDEF"[rest & 15]);
  return (negative ? "-0x" : "0x") + hex;
}

// Tested in this order.
const ItemKeyRule kRules[] = {
    {fx::key::BKCOL, [](ItemDef& i, const std::string& v) { i.backColor = ColorFromText(v); },
     [](const ItemDef& i) { return ColorText(i.backColor); }, nullptr},
    {fx::key::TXCOL, [](ItemDef& i, const std::string& v) { i.textColor = ColorFromText(v); },
     [](const ItemDef& i) { return ColorText(i.textColor); }, nullptr},
    {fx::key::CHECK, ApplyCheck, [](const ItemDef& i) { return FlagText(i.check); }, ShowCheck},
    {fx::key::ENABLE, [](ItemDef& i, const std::string& v) { i.enable = !IsFalseText(v); },
     [](const ItemDef& i) { return FlagText(i.enable); }, ShowEnable},
    {fx::key::VISIBLE, [](ItemDef& i, const std::string& v) { i.visible = !IsFalseText(v); },
     [](const ItemDef& i) { return FlagText(i.visible); }, ShowVisible},
    {fx::key::VALUE, ApplyValue, [](const ItemDef& i) { return i.value; }, ShowValue},
    {fx::key::BUTTON, [](ItemDef& i, const std::string& v) { i.button = v; },
     [](const ItemDef& i) { return i.button; }, nullptr},
    {fx::key::LENGTH, [](ItemDef& i, const std::string& v) { i.length = TextToInt(v, 10); },
     [](const ItemDef& i) { return IntToText(i.length); }, ShowLength},
    {fx::key::FORMAT, [](ItemDef& i, const std::string& v) { i.format = v; },
     [](const ItemDef& i) { return i.format; }, nullptr},
    {fx::key::REMARK, [](ItemDef& i, const std::string& v) { i.remark = v; },
     [](const ItemDef& i) { return i.remark; }, nullptr},
    {fx::key::ACCNAME, [](ItemDef& i, const std::string& v) { i.accName = v; },
     [](const ItemDef& i) { return i.accName; }, nullptr},
    {fx::key::NOTNULL, [](ItemDef& i, const std::string& v) { i.notNull = IsTrueText(v); },
     [](const ItemDef& i) { return FlagText(i.notNull); }, nullptr},
    {fx::key::EDIT, [](ItemDef& i, const std::string& v) { i.edit = IsTrueText(v); },
     [](const ItemDef& i) { return FlagText(i.edit); }, nullptr},
    {fx::key::TXHPOS,
     [](ItemDef& i, const std::string& v) { i.hAlign = PositionFromText(v, fx::word::RIGHT); },
     [](const ItemDef& i) { return PositionText(i.hAlign, "LEFT", fx::word::RIGHT); }, nullptr},
    {fx::key::TXVPOS,
     [](ItemDef& i, const std::string& v) { i.vAlign = PositionFromText(v, fx::word::BOTTOM); },
     [](const ItemDef& i) { return PositionText(i.vAlign, "TOP", fx::word::BOTTOM); }, nullptr},
    {fx::key::FTNAME, [](ItemDef& i, const std::string& v) { i.fontName = v; },
     [](const ItemDef& i) { return i.fontName; }, nullptr},
    {fx::key::FTSIZE, [](ItemDef& i, const std::string& v) { i.fontSize = TextToInt(v, 10); },
     [](const ItemDef& i) { return IntToText(i.fontSize); }, nullptr},
    {fx::key::FTBOLD, [](ItemDef& i, const std::string& v) { i.fontBold = IsTrueText(v); },
     [](const ItemDef& i) { return FlagText(i.fontBold); }, nullptr},
    {fx::key::FTITALIC, [](ItemDef& i, const std::string& v) { i.fontItalic = IsTrueText(v); },
     [](const ItemDef& i) { return FlagText(i.fontItalic); }, nullptr},
    {fx::key::FTULINE, [](ItemDef& i, const std::string& v) { i.fontUnderline = IsTrueText(v); },
     [](const ItemDef& i) { return FlagText(i.fontUnderline); }, nullptr},
    {fx::key::BRDSIZE, [](ItemDef& i, const std::string& v) { i.borderSize = TextToInt(v, 10); },
     [](const ItemDef& i) { return IntToText(i.borderSize); }, nullptr},
    {fx::key::BRDCOL, [](ItemDef& i, const std::string& v) { i.borderColor = ColorFromText(v); },
     [](const ItemDef& i) { return ColorText(i.borderColor); }, nullptr},
    {fx::key::BRDSTYLE, [](ItemDef& i, const std::string& v) { i.borderStyle = v; },
     [](const ItemDef& i) { return i.borderStyle; }, nullptr},
};

}  // namespace

const ItemKeyRule* FindItemKeyRule(const std::string& key) {
  const std::string upper = UpperCase(key);
  for (const ItemKeyRule& rule : kRules) {
    if (upper == rule.key) return &rule;
  }
  return nullptr;
}

bool ShowsTypedText(const ItemDef& item) {
  return item.type == fx::item::EDIT || item.type == fx::item::COMBOSYS;
}

void ShowProgress(const ItemDef& item) {
  if (!HasControl(item)) return;
  // The style decides how the bar is painted and the message starts or stops its timer;
  // a bar leaving the busy state is given its position again, which the marquee kept.
  const bool busy = TextToInt(item.value, 10) == -1;
  const LONG_PTR style = os::GetWindowLongPtrA(item.control, GWL_STYLE);
  const LONG_PTR wanted = busy ? (style | PBS_MARQUEE) : (style & ~static_cast<LONG_PTR>(PBS_MARQUEE));
  if (wanted != style) os::SetWindowLongPtrA(item.control, GWL_STYLE, wanted);
  os::SendMessageA(item.control, PBM_SETMARQUEE, busy ? TRUE : FALSE, kMarqueeMilliseconds);
  if (!busy) os::SendMessageA(item.control, PBM_SETPOS, static_cast<WPARAM>(TextToInt(item.value, 10)), 0);
}
