// The list view asks for each cell it shows, by row and column, as it paints: the answer
// is cut to the room it offers.
#include "fenwix/grid/grid_notify.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "fenwix/grid/grid_editor.h"
#include "fenwix/grid/grid_record.h"
#include "fenwix/grid/grid_sort.h"
#include "fenwix/grid/grid_theme.h"
#include "fenwix/grid/grid_view.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/form_callback.h"
#include "fenwix/text/encoding.h"
#include "fenwix/text/window_text.h"
#include "fenwix/window/form_life.h"

namespace {

// A dialog procedure's answer to a notification goes in the dialog's result slot; 0 is
// what the dialog answers when the procedure leaves the message alone.
INT_PTR Answer(HWND dialog, LRESULT result) {
  if (!result) return FALSE;
  os::SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
  return TRUE;
}

// Whether the list view's row and column name a cell.
bool InGrid(const Grid& grid, int row, int column) {
  return row >= 0 && row < ShownRowCount(grid) && column >= 0 &&
         static_cast<std::size_t>(column) < grid.columns.size();
}

void CellInto(const std::string& text, char* target, int room) {
  const std::size_t length = std::min<std::size_t>(text.size(), static_cast<std::size_t>(room - 1));
  std::memcpy(target, text.data(), length);
  target[length] = '\0';
}

void CellInto(const std::string& text, WCHAR* target, int room) {
  const std::size_t units = static_cast<std::size_t>(room - 1);
  // Only the part that fits is converted: a source may answer with megabytes.
  const WideString wide = WideText(std::string_view(text).substr(0, TextPrefixOfUnits(text, units)));
  const std::size_t length = std::min(wide.size(), units);
  std::memcpy(target, wide.data(), length * sizeof(WCHAR));
  target[length] = 0;
}

template <class DisplayInfo>
void ShowCell(const std::string& formName, const std::string& itemName, DisplayInfo& info) {
  const Grid* grid = FindGrid(formName, itemName);
  if (!(info.item.mask & LVIF_TEXT) || !info.item.pszText || info.item.cchTextMax <= 0) return;
  info.item.pszText[0] = 0;
  if (!grid || !InGrid(*grid, info.item.iItem, info.item.iSubItem)) return;
  CellInto(CellText(formName, itemName, *grid, StoredRow(*grid, info.item.iItem),
                    static_cast<std::size_t>(info.item.iSubItem)),
           info.item.pszText, info.item.cchTextMax);
}

// The cell under a double click: edited when its column may be, else the row is
// activated.
void DoubleClick(const std::string& formName, const std::string& itemName, const NMHDR& header) {
  const NMITEMACTIVATE& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
  LVHITTESTINFO hit = {};
  hit.pt = click.ptAction;
  os::SendMessageA(header.hwndFrom, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  const Grid* grid = FindGrid(formName, itemName);
  if (!grid || !InGrid(*grid, hit.iItem, hit.iSubItem)) return;
  const std::int32_t row = StoredRow(*grid, hit.iItem);
  if (grid->columns[static_cast<std::size_t>(hit.iSubItem)].edit) {
    OpenGridEditor(formName, itemName, row, hit.iSubItem, 0);
    return;
  }
  const FormDef form = FindWindowDef(formName);
  RaiseEvent(form, itemName, fx::event::ITEMCLIC,
             {form.handle, WM_NOTIFY, static_cast<WPARAM>(row), hit.iSubItem});
}

bool HasEditableColumn(const Grid& grid) {
  for (const GridColumn& column : grid.columns)
    if (column.edit) return true;
  return false;
}

// The current cell of the focused row, while the grid has the keyboard and has cells to
// edit, is framed with a dotted line inside the row's highlight, once the row is painted.
LRESULT CustomDraw(const std::string& formName, const std::string& itemName, NMHDR& header) {
  NMLVCUSTOMDRAW& draw = reinterpret_cast<NMLVCUSTOMDRAW&>(header);
  const Grid* grid = FindGrid(formName, itemName);
  if (!grid) return CDRF_DODEFAULT;
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return HasEditableColumn(*grid) && os::GetFocus() == header.hwndFrom ? CDRF_NOTIFYITEMDRAW
                                                                           : CDRF_DODEFAULT;
    case CDDS_ITEMPREPAINT:
      return static_cast<std::int32_t>(draw.nmcd.dwItemSpec) == grid->focused
                 ? CDRF_NOTIFYPOSTPAINT
                 : CDRF_DODEFAULT;
    case CDDS_ITEMPOSTPAINT: {
      RECT cell;
      if (GridCellRect(header.hwndFrom, static_cast<std::int32_t>(draw.nmcd.dwItemSpec),
                       grid->column, cell)) {
        cell = {cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1};
        os::DrawFocusRect(draw.nmcd.hdc, &cell);
      }
      return CDRF_DODEFAULT;
    }
    default:
      return CDRF_DODEFAULT;
  }
}

}  // namespace

INT_PTR GridNotify(HWND dialog, const std::string& formName, const std::string& itemName,
                   NMHDR& header) {
  switch (header.code) {
    case LVN_GETDISPINFOA:
      ShowCell(formName, itemName, reinterpret_cast<NMLVDISPINFOA&>(header));
      return TRUE;
    case LVN_GETDISPINFOW:
      ShowCell(formName, itemName, reinterpret_cast<NMLVDISPINFOW&>(header));
      return TRUE;
    // Searching by typed letters would read every row; the letters edit the cell instead.
    case LVN_ODFINDITEMA:
    case LVN_ODFINDITEMW:
      return Answer(dialog, -1);
    case LVN_ITEMCHANGED:
    case LVN_ODSTATECHANGED:
      if (Grid* grid = FindGrid(formName, itemName)) {
        if (header.code == LVN_ITEMCHANGED)
          NoteItemState(*grid, reinterpret_cast<const NMLISTVIEW&>(header));
        NoteSelectionLater(header.hwndFrom, *grid);
      }
      return TRUE;
    case LVN_COLUMNCLICK:
      GridColumnClick(formName, itemName, reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
      return TRUE;
    case NM_DBLCLK:
      DoubleClick(formName, itemName, header);
      return TRUE;
    case NM_SETFOCUS: {
      // As a field does: the grid is where the keyboard goes back to, and its help shows.
      RememberFocus(formName, header.hwndFrom);
      const FormDef form = FindWindowDef(formName);
      if (form.hasStatusBar && form.statusBar)
        SendTextMessage(form.statusBar, WM_SETTEXT, 0, FindItemDef(formName, itemName).remark);
      return TRUE;
    }
    case NM_CUSTOMDRAW: {
      const LRESULT themed = DarkGridDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
      return Answer(dialog, themed | CustomDraw(formName, itemName, header));
    }
    default:
      return FALSE;
  }
}
