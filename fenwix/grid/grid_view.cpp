// Making and updating a grid's list view.
#include "fenwix/grid/grid_view.h"

#include <algorithm>

#include "fenwix/grid/grid_editor.h"
#include "fenwix/grid/grid_keys.h"
#include "fenwix/grid/grid_record.h"
#include "fenwix/grid/grid_sort.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/form_callback.h"
#include "fenwix/text/encoding.h"
#include "fenwix/text/window_text.h"
#include "fenwix/theme/theme.h"
#include "fenwix/window/window_dpi.h"

namespace {

int ColumnFormat(HAlign align) {
  return align == 0 ? LVCFMT_CENTER : align == 1 ? LVCFMT_RIGHT : LVCFMT_LEFT;
}

// A column's header entry, of the list view's ANSI or Unicode form, sent with message;
// the list view's answer.
template <class Entry, class Title, class Send>
LRESULT SendColumnAs(Send send, UINT message, HWND list, int index, const GridColumn& column,
                     Title title) {
  Entry entry = {};
  entry.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
  entry.fmt = ColumnFormat(column.align);
  entry.cx = ScaledLength(column.width, WindowDpi(list));
  entry.pszText = &title[0];
  entry.iSubItem = index;
  return send(list, message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&entry));
}

// LVM_INSERTCOLUMN or LVM_SETCOLUMN in the program's encoding.
LRESULT SendColumn(HWND list, bool insert, int index, const GridColumn& column) {
  if (Utf8Text())
    return SendColumnAs<LVCOLUMNW>(
        [](HWND w, UINT m, WPARAM p, LPARAM l) { return os::SendMessageW(w, m, p, l); },
        insert ? LVM_INSERTCOLUMNW : LVM_SETCOLUMNW, list, index, column, WideText(column.title));
  return SendColumnAs<LVCOLUMNA>(
      [](HWND w, UINT m, WPARAM p, LPARAM l) { return os::SendMessageA(w, m, p, l); },
      insert ? LVM_INSERTCOLUMNA : LVM_SETCOLUMNA, list, index, column, column.title);
}

bool InsertColumn(HWND list, int index, const GridColumn& column) {
  return SendColumn(list, true, index, column) == index;
}

// The item's declared font, made for the DPI of the list view; the dialog's own font for
// an item that names none.
void ShowFont(HWND list, Grid& grid, const ItemDef& item) {
  HFONT font = nullptr;
  if (!item.fontName.empty()) {
    font = CreateTextFont(FontHeight(list, item.fontSize), item.fontBold ? FW_BOLD : FW_NORMAL,
                          item.fontItalic, item.fontUnderline, item.fontName);
    if (!font) ReportError(1006);  // the grid still shows its rows, in the dialog's font
    grid.font = font;
  }
  if (!font)
    font = reinterpret_cast<HFONT>(os::SendMessageA(os::GetParent(list), WM_GETFONT, 0, 0));
  if (font) os::SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

}  // namespace

bool ShowColumnHeader(HWND list, int index, const GridColumn& column) {
  return SendColumn(list, false, index, column) != 0;
}

ErrorCode StartGridControl(HWND list, const std::string& formName, const std::string& itemName,
                           const ItemDef& item) {
  Grid& grid = MakeGrid(formName, itemName);
  grid.selected = grid.focused = -1;
  // A look at the selection posted to a list view of an earlier opening went with it.
  grid.selectionNoted = true;
  grid.editor = nullptr;
  grid.editRow = grid.editColumn = -1;
  const DWORD extended = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER;
  os::SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
  for (std::size_t i = 0; i < grid.columns.size(); ++i)
    if (!InsertColumn(list, static_cast<int>(i), grid.columns[i])) {
      ReportError(1047);
      return 1047;
    }
  // The rows are still in the order a sort left them in when the form was last open.
  ShowSortArrows(list, grid);
  ShowFont(list, grid, item);
  ShowGridColors(item);
  os::SendMessageA(list, LVM_SETITEMCOUNT, static_cast<WPARAM>(ShownRowCount(grid)), 0);
  WatchGridKeys(list);
  return 0;
}

void ScaleGridView(HWND list, const std::string& formName, const std::string& itemName,
                   std::int32_t oldDpi, std::int32_t newDpi) {
  Grid* grid = FindGrid(formName, itemName);
  if (!grid) return;
  // The old font is the list view's until the new one replaces it.
  const HFONT oldFont = grid->font;
  grid->font = nullptr;
  ShowFont(list, *grid, FindItemDef(formName, itemName));
  if (oldFont) os::DeleteObject(oldFont);
  // The widths as the user left them, at the new scale.
  for (std::size_t i = 0; i < grid->columns.size(); ++i) {
    const auto width = static_cast<int>(os::SendMessageA(list, LVM_GETCOLUMNWIDTH, i, 0));
    os::SendMessageA(list, LVM_SETCOLUMNWIDTH, i, os::MulDiv(width, newDpi, oldDpi));
  }
  PlaceGridEditor(formName, itemName);
}

void ShowGridColors(const ItemDef& item) {
  if (!item.control) return;
  const ThemeColors theme = CurrentThemeColors();
  const auto color = [](ColorValue value, ColorValue fallback) {
    return static_cast<COLORREF>(value == kNoColor ? fallback : value);
  };
  const COLORREF back = color(item.backColor, theme.list);
  os::SendMessageA(item.control, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(back));
  os::SendMessageA(item.control, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(back));
  os::SendMessageA(item.control, LVM_SETTEXTCOLOR, 0,
                   static_cast<LPARAM>(color(item.textColor, theme.listText)));
}

void ShowGridRows(const std::string& formName, const std::string& itemName) {
  const ItemDef item = FindItemDef(formName, itemName);
  Grid* grid = FindGrid(formName, itemName);
  if (!item.control || !grid) return;
  const std::int32_t selected = SelectedShownRow(item.control, *grid);
  const std::int32_t shown = ShownRowCount(*grid);
  // The list view drops a selection beyond its new count; the program hears of the row the
  // selection ends on, once.
  os::SendMessageA(item.control, LVM_SETITEMCOUNT, static_cast<WPARAM>(shown), LVSICF_NOSCROLL);
  if (grid->focused >= shown) grid->focused = -1;
  if (selected >= shown) SelectRow(item.control, *grid, StoredRow(*grid, shown - 1));
  os::InvalidateRect(item.control, nullptr, FALSE);
  NoteSelection(formName, itemName);
}

std::int32_t SelectedShownRow(HWND list, const Grid& grid) {
  // The count and one row's state come from the list view's ranges of selected rows; only
  // a search for the first selected row reads row after row, and it is left for last.
  if (!os::SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0)) return -1;
  if (grid.focused >= 0 && grid.focused < ShownRowCount(grid) &&
      os::SendMessageA(list, LVM_GETITEMSTATE, static_cast<WPARAM>(grid.focused), LVIS_SELECTED))
    return grid.focused;
  return static_cast<std::int32_t>(
      os::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

std::int32_t SelectedRow(HWND list, const Grid& grid) {
  return StoredRow(grid, SelectedShownRow(list, grid));
}

void SelectRow(HWND list, const Grid& grid, std::int32_t row) {
  // Clearing every row's state at once goes through every row; a single selected row is
  // cleared alone.
  LVITEMA state = {};
  state.stateMask = LVIS_SELECTED;
  const LRESULT count = os::SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0);
  const std::int32_t selected = count == 1 ? SelectedShownRow(list, grid) : -1;
  if (selected >= 0) {
    os::SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(&state));
  } else if (count > 0) {
    os::SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
  }
  const std::int32_t shown = ShownRow(grid, row);
  if (shown < 0) {
    state.stateMask = LVIS_FOCUSED;
    if (grid.focused >= 0)
      os::SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(grid.focused), reinterpret_cast<LPARAM>(&state));
    return;
  }
  state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
  os::SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(shown), reinterpret_cast<LPARAM>(&state));
  os::SendMessageA(list, LVM_SETSELECTIONMARK, 0, shown);
  os::SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(shown), FALSE);
}

bool GridCellRect(HWND list, std::int32_t row, std::int32_t column, RECT& cell) {
  cell = {};
  cell.top = column;
  // The first column's bounds are the whole row's; its label is the cell.
  cell.left = column == 0 ? LVIR_LABEL : LVIR_BOUNDS;
  return os::SendMessageA(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row),
                          reinterpret_cast<LPARAM>(&cell)) != 0;
}

void FitColumnToRowsInView(HWND list, int column) {
  WCHAR text[260] = {};
  LVCOLUMNW heading = {};
  heading.mask = LVCF_TEXT;
  heading.pszText = text;
  heading.cchTextMax = static_cast<int>(sizeof text / sizeof text[0]);
  LRESULT widest = 0;
  if (os::SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column),
                       reinterpret_cast<LPARAM>(&heading)))
    widest = os::SendMessageW(list, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text));
  const LRESULT top = os::SendMessageW(list, LVM_GETTOPINDEX, 0, 0);
  const LRESULT end = std::min(top + os::SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0) + 1,
                               os::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (LRESULT row = top; row < end; ++row) {
    LVITEMW cell = {};
    cell.iSubItem = column;
    cell.pszText = text;
    cell.cchTextMax = heading.cchTextMax;
    text[0] = 0;
    os::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&cell));
    widest = std::max(widest, os::SendMessageW(list, LVM_GETSTRINGWIDTHW, 0,
                                               reinterpret_cast<LPARAM>(text)));
  }
  // The room the list view leaves around a cell's text, on each side.
  const int margin = ScaledLength(6, WindowDpi(list));
  os::SendMessageW(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column),
                   static_cast<LPARAM>(widest + 2 * margin));
}

bool ScrollToCell(HWND list, std::int32_t row, std::int32_t column, RECT& cell) {
  os::SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
  RECT client;
  if (!GridCellRect(list, row, column, cell) || !os::GetClientRect(list, &client)) return false;
  // The first column starts with the row, a little before its label.
  LONG start = cell.left;
  RECT bounds = {LVIR_BOUNDS, 0, 0, 0};
  if (column == 0 && os::SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                                      reinterpret_cast<LPARAM>(&bounds)))
    start = bounds.left;
  int dx = 0;
  if (start < client.left) {
    dx = start - client.left;
  } else if (cell.right > client.right) {
    dx = std::min(cell.right - client.right, start - client.left);
  }
  if (!dx) return true;
  os::SendMessageA(list, LVM_SCROLL, static_cast<WPARAM>(dx), 0);
  return GridCellRect(list, row, column, cell);
}

void NoteItemState(Grid& grid, const NMLISTVIEW& change) {
  if (change.iItem < 0 || !(change.uChanged & LVIF_STATE)) return;
  if (change.uNewState & LVIS_FOCUSED) {
    grid.focused = change.iItem;
  } else if (change.uOldState & LVIS_FOCUSED && grid.focused == change.iItem) {
    grid.focused = -1;
  }
}

void NoteSelection(const std::string& formName, const std::string& itemName) {
  const ItemDef item = FindItemDef(formName, itemName);
  Grid* grid = FindGrid(formName, itemName);
  if (!item.control || !grid) return;
  const std::int32_t row = SelectedRow(item.control, *grid);
  if (row == grid->selected) return;
  grid->selected = row;
  const FormDef form = FindWindowDef(formName);
  RaiseEvent(form, itemName, fx::event::ROWSEL,
             {form.handle, WM_NOTIFY, static_cast<WPARAM>(row), 0});
}

void NoteSelectionLater(HWND list, Grid& grid) {
  if (!grid.selectionNoted) return;
  grid.selectionNoted = !os::PostMessageA(list, kNoteSelectionMessage, 0, 0);
}

bool GridOfWindow(HWND window, std::string& formName, std::string& itemName) {
  for (HWND list = window; list; list = os::GetParent(list)) {
    const HWND dialog = os::GetParent(list);
    formName = FindFormNameByDialog(dialog);
    if (formName.empty()) continue;
    itemName = FindItemNameByControl(formName, list);
    return !itemName.empty() && FindGrid(formName, itemName);
  }
  return false;
}
