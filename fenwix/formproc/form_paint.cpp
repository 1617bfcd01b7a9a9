// Colours of edit fields and the painting of owner-drawn items, read afresh from the
// registry at every message. Everything made for one paint is released in that paint.
#include "fenwix/formproc/form_paint.h"

#include <climits>

#include "fenwix/form/font_border.h"
#include "fenwix/formproc/high_contrast.h"
#include "fenwix/platform/platform.h"
#include "fenwix/props/property_string.h"
#include "fenwix/props/value_convert.h"
#include "fenwix/props/wrapping.h"
#include "fenwix/text/window_text.h"
#include "fenwix/theme/theme.h"
#include "fenwix/window/window_dpi.h"

namespace {

// Replaces a recorded colour brush by a new one. The old one was returned for the
// previous colour message of the same control and is no longer in use; keeping every
// one would grow the process's GDI objects with each repaint of the field.
HBRUSH RenewBrush(HBRUSH previous, ColorValue color) {
  HBRUSH brush = os::CreateSolidBrush(static_cast<COLORREF>(color));
  if (!brush) ReportError(1028);
  if (previous) os::DeleteObject(previous);
  return brush;
}

UINT TextFormat(const ItemDef& item) {
  if (item.type == fx::item::BUTTON) return DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  UINT flags = item.hAlign == 0 ? DT_CENTER : item.hAlign == 1 ? DT_RIGHT : DT_LEFT;
  if (item.vAlign == 0) {
    flags |= DT_VCENTER | DT_SINGLELINE;  // DrawText centres vertically single lines only
  } else if (item.vAlign == 1) {
    flags |= DT_BOTTOM | DT_SINGLELINE | DT_WORDBREAK;
  } else {
    flags |= DT_WORDBREAK;  // from the top, wrapped at word boundaries
  }
  return flags;
}

// The colours an owner-drawn item is painted in: its text, the background behind its text,
// the fill of its whole face (kNoColor for none) and its solid border.
struct ItemColors {
  ColorValue text, back, fill, border;
};

// A colour not declared is the theme's. A border without BRDCOL is recorded black, as a
// declared black one is: only the property string tells the two apart.
ItemColors DeclaredColors(const ItemDef& item, const FormDef& form) {
  const bool button = item.type == fx::item::BUTTON;
  const ThemeColors theme = ItemThemeColors(item);
  const bool themed = item.textColor == kNoColor && item.backColor == kNoColor;
  ItemColors colors = {item.textColor, item.backColor, item.backColor, item.borderColor};
  if (colors.text == kNoColor) colors.text = button ? theme.buttonText : theme.text;
  if (button && !item.enable) colors.text = theme.grayText;
  if (colors.back == kNoColor)
    colors.back = button ? theme.buttonFace : themed ? WindowBackColor(form) : form.backColor;
  if (colors.border == ColorFromText("black") &&
      GetProperty(fx::key::BRDCOL, item.properties).empty())
    colors.border = theme.border;
  // A button fills its whole face, in the button face colour when it has none of its
  // own: a repaint must wipe out the focus rectangle and the caption drawn before. A label
  // in the light look on a dark form brings its light background with it.
  if (button || (!themed && DarkThemeActive())) colors.fill = colors.back;
  return colors;
}

// In high contrast a button takes the system's button colours and any other item those
// of a window; an item without a fill of its own still shows the form's background.
ItemColors ContrastColors(const ItemDef& item) {
  const bool button = item.type == fx::item::BUTTON;
  const ColorValue text = SystemColor(!button ? COLOR_WINDOWTEXT
                                      : item.enable ? COLOR_BTNTEXT
                                                    : COLOR_GRAYTEXT);
  const ColorValue back = SystemColor(button ? COLOR_BTNFACE : COLOR_WINDOW);
  const bool filled = button || item.backColor != kNoColor;
  return {text, back, filled ? back : kNoColor, text};
}

// The focus rectangle inside a button's raised edge, kept within the button when the
// button is too small for the margins.
RECT FocusRect(const RECT& item) {
  RECT focus = {WrapAdd(item.left, 5), WrapAdd(item.top, 5), WrapSub(item.right, 4),
                WrapSub(item.bottom, 4)};
  if (focus.left < 1) focus.left = 1;
  if (focus.top < 1) focus.top = 1;
  if (focus.right < 1) focus.right = item.right;
  if (focus.bottom < 1) focus.bottom = item.bottom;
  return focus;
}

}  // namespace

INT_PTR FormColorEdit(const std::string& formName, const std::string& itemName, HDC dc) {
  ItemDef item = FindItemDef(formName, itemName);
  if (item.type.empty()) return 0;

  // A check box stands on the form; a field has a background of its own.
  const bool check = item.type == fx::item::CHECKSYS;
  const ThemeColors theme = ItemThemeColors(item);
  const bool contrast = HighContrastOn();
  ColorValue text = item.textColor != kNoColor ? item.textColor : check ? theme.text : theme.fieldText;
  if (contrast) text = SystemColor(COLOR_WINDOWTEXT);
  item.textBrush = RenewBrush(item.textBrush, text);
  if (os::SetTextColor(dc, static_cast<COLORREF>(text)) == CLR_INVALID) ReportError(1029);

  const FormDef form = check ? FindWindowDef(formName) : FormDef();
  ColorValue back = item.backColor != kNoColor ? item.backColor
                    : !check                   ? theme.field
                    : item.textColor == kNoColor ? WindowBackColor(form)
                                                 : form.backColor;
  if (contrast) back = SystemColor(COLOR_WINDOW);
  item.backBrush = RenewBrush(item.backBrush, back);
  if (os::SetBkColor(dc, static_cast<COLORREF>(back)) == CLR_INVALID) ReportError(1029);

  StoreItemDef(ItemKey(formName, itemName), item);
  return reinterpret_cast<INT_PTR>(item.backBrush);
}

INT_PTR FormDrawItem(const std::string& formName, const FormDef& form, const DRAWITEMSTRUCT& draw) {
  const std::string itemName = FindItemNameByControl(formName, draw.hwndItem);
  const ItemDef item = FindItemDef(formName, itemName);
  const bool button = item.type == fx::item::BUTTON;
  if (!button && item.type != fx::item::STATIC && item.type != fx::item::RECT) return 0;
  HDC dc = draw.hDC;

  const ItemColors colors = HighContrastOn() ? ContrastColors(item) : DeclaredColors(item, form);
  if (os::SetTextColor(dc, static_cast<COLORREF>(colors.text)) == CLR_INVALID) ReportError(1026);
  if (os::SetBkColor(dc, static_cast<COLORREF>(colors.back)) == CLR_INVALID) ReportError(1029);

  ItemFont font;
  if (!item.fontName.empty()) {
    FX_FormItemFontSet(dc, item.fontName, item.fontSize, item.fontBold, item.fontItalic,
                       item.fontUnderline, font);
  }

  // The control's rectangle: the item's size as placed in its form, at its DPI.
  const LONG width = draw.rcItem.right - draw.rcItem.left;
  const LONG height = draw.rcItem.bottom - draw.rcItem.top;
  RECT rect = {0, 0, width, height};
  std::string style = item.borderStyle;
  std::int32_t size = item.borderSize;
  if (button) {
    style = (draw.itemState & ODS_SELECTED) ? fx::word::BORDER_3DIN : fx::word::BORDER_3DOUT;
  } else if (style != fx::word::SOLID) {
    size = 2;  // the 3D edges are two pixels wide
  }
  if (style != fx::word::SOLID || size >= 1 || colors.fill != kNoColor) {
    const ErrorCode code =
        FX_FormItemBorderDraw(dc, rect, style, size, colors.border, colors.fill);
    if (code) ReportError(code);
  }

  // A solid border is as many pixels wide at 96 DPI as declared.
  if (style == fx::word::SOLID) size = ScaledLength(size, WindowDpi(draw.hwndItem));
  rect = {size, size, WrapSub(width, size), WrapSub(height, size)};
  std::string caption;
  if (item.type == fx::item::STATIC) caption = item.value;
  if (button) caption = item.value.empty() ? itemName : item.value;
  // An empty rectangle shows nothing, and DrawText's result, an offset from its top,
  // would then read as a failure.
  if (!caption.empty() && rect.right > rect.left && rect.bottom > rect.top) {
    if (!DrawWindowText(dc, caption, &rect, TextFormat(item))) ReportError(1045);
  }
  font.Release();

  if (button) {
    // Every paint redraws the whole face, so the rectangle is drawn whenever the button
    // has the focus; toggling it on each focus change would leave it on a button that
    // lost the focus, since a focus change can arrive as a full repaint. As the system's
    // buttons do, it stays hidden while the window's keyboard cues are (the mouse has
    // been used, the keyboard not yet).
    if ((draw.itemState & ODS_FOCUS) &&
        !(os::SendMessageA(draw.hwndItem, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
      const RECT focus = FocusRect(draw.rcItem);
      if (!os::DrawFocusRect(dc, &focus)) ReportError(1041);
    }
    if ((draw.itemAction & ODA_FOCUS) && form.hasStatusBar) {
      const std::string& status = form.statusText.empty() ? item.remark : form.statusText;
      SendTextMessage(form.statusBar, WM_SETTEXT, 0, status);
    }
  }
  return 1;
}
