// The theme's share of an open form. The platform's controls are asked for their dark
// look (a visual style only Windows has); what the library paints reads the theme's
// colours at each paint, so a repaint is all it needs.
#include "fenwix/formproc/form_theme.h"

#include <string>

#include "fenwix/grid/grid_entries.h"
#include "fenwix/grid/window_subclass.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"
#include "fenwix/text/encoding.h"
#include "fenwix/theme/theme.h"

namespace {

bool PlatformControl(const std::string& type) {
  return type == fx::item::EDIT || type == fx::item::COMBOSYS || type == fx::item::CHECKSYS ||
         type == fx::item::BUTTONSYS || type == fx::item::DATAGRID;
}

void PaintStatusBar(HWND bar) {
  PAINTSTRUCT paint;
  const HDC dc = os::BeginPaint(bar, &paint);
  if (!dc) return;
  const ThemeColors theme = CurrentThemeColors();
  RECT client = {};
  os::GetClientRect(bar, &client);
  const HBRUSH brush = os::CreateSolidBrush(static_cast<COLORREF>(theme.header));
  if (brush) {
    os::FillRect(dc, &client, brush);
    os::DeleteObject(brush);
  }
  const int length = os::GetWindowTextLengthW(bar);
  WideString text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, 0);
  const int got = os::GetWindowTextW(bar, &text[0], static_cast<int>(text.size()));
  if (got > 0) {
    // The platform's bar sets its own font on its device context only while it paints.
    const HGDIOBJ font = os::SelectObject(
        dc, reinterpret_cast<HGDIOBJ>(os::SendMessageW(bar, WM_GETFONT, 0, 0)));
    os::SetTextColor(dc, static_cast<COLORREF>(theme.headerText));
    os::SetBkColor(dc, static_cast<COLORREF>(theme.header));
    RECT inside = {client.left + 4, client.top, client.right - 4, client.bottom};
    os::DrawTextW(dc, text.c_str(), got, &inside, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    os::SelectObject(dc, font);
  }
  os::EndPaint(bar, &paint);
}

LRESULT CALLBACK StatusBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    if (message == WM_PAINT && DarkThemeActive()) {
      PaintStatusBar(bar);
      return 0;
    }
    // A new text is painted at once, as the platform's bar paints it.
    if (message == WM_SETTEXT && DarkThemeActive()) {
      const LRESULT result = CallOriginal(bar, message, wParam, lParam);
      os::InvalidateRect(bar, nullptr, TRUE);
      return result;
    }
  } catch (...) {
  }
  return CallOriginal(bar, message, wParam, lParam);
}

}  // namespace

void ShowFormTheme(const std::string& formName, bool repaint) {
  const FormDef form = FindWindowDef(formName);
  if (!form.handle || !os::IsWindow(form.handle)) return;
  const bool dark = DarkThemeActive();
  if (form.framed) ThemeTitleBar(form.handle, dark);
  if (form.statusBar) ThemeControl(form.statusBar, dark);
  const auto showColors = TheGridEntries().showColors;
  for (const std::string& itemName : FormItemNames(formName)) {
    const ItemDef item = FindItemDef(formName, itemName);
    if (!item.control || !PlatformControl(item.type)) continue;
    ThemeControl(item.control, dark);
    if (item.type == fx::item::DATAGRID && showColors) showColors(item);
  }
  if (repaint)
    os::RedrawWindow(form.handle, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void WatchStatusBar(HWND bar) { Subclass(bar, StatusBarProc); }
