// The dark grid. The list view paints a selected row in the system's highlight and its
// grid lines in the button face colour; the header paints itself as a button, and under
// a visual style in the style's colours. So a selected row is handed its colours as a
// plain row, the grid lines are drawn again over the light ones, and the header's items
// and the bar beyond them are painted whole.
#include "fenwix/grid/grid_theme.h"

#include <string>

#include "fenwix/platform/platform.h"
#include "fenwix/theme/theme.h"

namespace {

void Fill(HDC dc, const RECT& rect, ColorValue color) {
  const HBRUSH brush = os::CreateSolidBrush(static_cast<COLORREF>(color));
  if (!brush) return;
  os::FillRect(dc, &rect, brush);
  os::DeleteObject(brush);
}

// The lines between the columns, down the whole list, and under every row's line,
// below the last row too, where the list view draws them.
void DrawGridLines(HWND list, HDC dc, ColorValue color) {
  RECT client, row = {LVIR_BOUNDS, 0, 0, 0};
  if (!os::GetClientRect(list, &client)) return;
  const auto top = static_cast<WPARAM>(os::SendMessageA(list, LVM_GETTOPINDEX, 0, 0));
  const HWND header = reinterpret_cast<HWND>(os::SendMessageA(list, LVM_GETHEADER, 0, 0));
  RECT bar = {};
  if (header && os::IsWindowVisible(header)) os::GetClientRect(header, &bar);
  LONG lineTop = bar.bottom, height = 0, left = 0;
  if (os::SendMessageA(list, LVM_GETITEMRECT, top, reinterpret_cast<LPARAM>(&row))) {
    lineTop = row.top;
    height = row.bottom - row.top;
    left = row.left;
  }
  if (height > 0) {
    for (LONG y = lineTop + height - 1; y < client.bottom; y += height)
      Fill(dc, RECT{client.left, y, client.right, y + 1}, color);
  }
  const int columns = header ? static_cast<int>(os::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
  for (int i = 0; i < columns; ++i) {
    RECT item = {};
    if (!os::SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item)))
      continue;
    // Wine draws the line just after the column, Windows on its last pixel.
    const LONG x = left + item.right;
    Fill(dc, RECT{x - 1, bar.bottom, x + 1, client.bottom}, color);
  }
}

// A small triangle, pointing up or down, in the text colour.
void DrawSortArrow(HDC dc, LONG centre, LONG middle, bool up, ColorValue color) {
  constexpr LONG kRows = 4;
  for (LONG i = 0; i < kRows; ++i) {
    const LONG half = up ? i : kRows - 1 - i;
    const LONG y = middle - kRows / 2 + i;
    Fill(dc, RECT{centre - half, y, centre + half + 1, y + 1}, color);
  }
}

void PaintHeaderItem(const NMCUSTOMDRAW& draw, const ThemeColors& theme) {
  RECT rect = draw.rc;
  Fill(draw.hdc, rect, theme.header);
  Fill(draw.hdc, RECT{rect.right - 1, rect.top + 3, rect.right, rect.bottom - 3}, theme.gridLines);
  Fill(draw.hdc, RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, theme.gridLines);

  WCHAR text[260] = {};
  HDITEMW item = {};
  item.mask = HDI_TEXT | HDI_FORMAT;
  item.pszText = text;
  item.cchTextMax = sizeof text / sizeof text[0];
  os::SendMessageW(draw.hdr.hwndFrom, HDM_GETITEMW, draw.dwItemSpec, reinterpret_cast<LPARAM>(&item));
  const bool sorted = item.fmt & (HDF_SORTUP | HDF_SORTDOWN);
  RECT inside = {rect.left + 6, rect.top, rect.right - (sorted ? 18 : 6), rect.bottom};
  const int justify = item.fmt & HDF_JUSTIFYMASK;
  const UINT align = justify == HDF_RIGHT ? DT_RIGHT : justify == HDF_CENTER ? DT_CENTER : DT_LEFT;
  os::SetTextColor(draw.hdc, static_cast<COLORREF>(theme.headerText));
  os::SetBkColor(draw.hdc, static_cast<COLORREF>(theme.header));
  if (text[0] && inside.right > inside.left)
    os::DrawTextW(draw.hdc, text, -1, &inside,
                  align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
  if (sorted)
    DrawSortArrow(draw.hdc, rect.right - 11, (rect.top + rect.bottom) / 2,
                  (item.fmt & HDF_SORTUP) != 0, theme.headerText);
}

}  // namespace

LRESULT DarkGridDraw(NMLVCUSTOMDRAW& draw) {
  if (!DarkThemeActive()) return CDRF_DODEFAULT;
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    case CDDS_ITEMPREPAINT:
      if (draw.nmcd.uItemState & CDIS_SELECTED) {
        const ThemeColors theme = CurrentThemeColors();
        draw.nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED);
        draw.clrText = static_cast<COLORREF>(theme.selectionText);
        draw.clrTextBk = static_cast<COLORREF>(theme.selection);
        return CDRF_NEWFONT;  // the colours changed
      }
      return CDRF_DODEFAULT;
    case CDDS_POSTPAINT:
      DrawGridLines(draw.nmcd.hdr.hwndFrom, draw.nmcd.hdc, CurrentThemeColors().gridLines);
      return CDRF_DODEFAULT;
    default: return CDRF_DODEFAULT;
  }
}

bool DarkGridErase(HWND list, HDC dc) {
  if (!DarkThemeActive()) return false;
  RECT client;
  if (os::GetClientRect(list, &client))
    Fill(dc, client, static_cast<ColorValue>(os::SendMessageA(list, LVM_GETBKCOLOR, 0, 0)));
  return true;
}

bool DarkHeaderDraw(HWND list, const NMHDR& notify, LRESULT& answer) {
  if (notify.code != NM_CUSTOMDRAW || !DarkThemeActive() ||
      notify.hwndFrom != reinterpret_cast<HWND>(os::SendMessageA(list, LVM_GETHEADER, 0, 0)))
    return false;
  const NMCUSTOMDRAW& draw = reinterpret_cast<const NMCUSTOMDRAW&>(notify);
  const ThemeColors theme = CurrentThemeColors();
  switch (draw.dwDrawStage) {
    case CDDS_PREPAINT: answer = CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT; return true;
    case CDDS_ITEMPREPAINT:
      PaintHeaderItem(draw, theme);
      answer = CDRF_SKIPDEFAULT;
      return true;
    case CDDS_POSTPAINT: {
      // The bar beyond the last column.
      const int count = static_cast<int>(os::SendMessageA(notify.hwndFrom, HDM_GETITEMCOUNT, 0, 0));
      RECT last = {}, rest = draw.rc;
      if (count > 0 && os::SendMessageA(notify.hwndFrom, HDM_GETITEMRECT, static_cast<WPARAM>(count - 1),
                                        reinterpret_cast<LPARAM>(&last)))
        rest.left = last.right;
      if (rest.right > rest.left) Fill(draw.hdc, rest, theme.header);
      answer = CDRF_DODEFAULT;
      return true;
    }
    default: return false;
  }
}
