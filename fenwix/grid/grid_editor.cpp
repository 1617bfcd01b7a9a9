// The in-place edit field, a child of the list view placed over the cell. No exception
// leaves its subclass.
#include "fenwix/grid/grid_editor.h"

#include "fenwix/error/status_text.h"
#include "fenwix/grid/grid_record.h"
#include "fenwix/grid/grid_view.h"
#include "fenwix/grid/window_subclass.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/form_callback.h"
#include "fenwix/registry/registry.h"
#include "fenwix/text/window_text.h"
#include "fenwix/window/form_life.h"
#include "fenwix/window/library_state.h"

namespace {

constexpr int kEditorId = 1;

void ShowStatus(const std::string& formName, const std::string& text) {
  const FormDef form = FindWindowDef(formName);
  if (form.hasStatusBar && form.statusBar) SendTextMessage(form.statusBar, WM_SETTEXT, 0, text);
}

// The editable column at or after `from` in the direction step, -1 for none.
std::int32_t EditableColumn(const Grid& grid, std::int32_t from, int step) {
  for (std::int32_t c = from; c >= 0 && c < static_cast<std::int32_t>(grid.columns.size()); c += step)
    if (grid.columns[static_cast<std::size_t>(c)].edit) return c;
  return -1;
}

// Tab commits and moves to the next editable cell of the row, then of the next rows;
// Shift+Tab goes back. Past the last one the grid keeps the focus.
void MoveToNextCell(const std::string& formName, const std::string& itemName, bool back) {
  Grid* grid = FindGrid(formName, itemName);
  if (!grid) return;
  // The next row is the next one the list view shows.
  std::int32_t shown = ShownRow(*grid, grid->editRow);
  const std::int32_t from = grid->editColumn + (back ? -1 : 1);
  if (!CloseGridEditor(formName, itemName, true)) return;
  grid = FindGrid(formName, itemName);
  if (!grid) return;
  const int step = back ? -1 : 1;
  std::int32_t column = EditableColumn(*grid, from, step);
  if (column < 0) {
    shown += step;
    column = EditableColumn(*grid, back ? static_cast<std::int32_t>(grid->columns.size()) - 1 : 0, step);
  }
  const std::int32_t row = StoredRow(*grid, shown);
  if (column < 0 || row < 0) return;
  const HWND list = FindItemDef(formName, itemName).control;
  SelectRow(list, *grid, row);
  NoteSelection(formName, itemName);
  OpenGridEditor(formName, itemName, row, column, 0);
}

LRESULT CALLBACK EditorKeys(HWND editor, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    std::string formName, itemName;
    switch (message) {
      case WM_GETDLGCODE:
        return CallOriginal(editor, message, wParam, lParam) | DLGC_WANTALLKEYS;
      case WM_KEYDOWN:
        if ((wParam == VK_RETURN || wParam == VK_ESCAPE || wParam == VK_TAB) &&
            GridOfWindow(editor, formName, itemName)) {
          if (wParam == VK_TAB) {
            MoveToNextCell(formName, itemName, os::GetKeyState(VK_SHIFT) < 0);
          } else {
            CloseGridEditor(formName, itemName, wParam == VK_RETURN);
          }
          return 0;
        }
        break;
      case WM_CHAR:
        // The edit field would beep at these; their key has done its work.
        if (wParam == '\r' || wParam == '\t' || wParam == 0x1B) return 0;
        break;
      case WM_KILLFOCUS:
        // Leaving the cell commits it; a refused value takes the focus back. What the
        // user was typing when the form closed is abandoned, as a field's is.
        if (GridOfWindow(editor, formName, itemName)) {
          const Grid* grid = FindGrid(formName, itemName);
          const LRESULT result = CallOriginal(editor, message, wParam, lParam);
          if (grid && grid->editor == editor)
            CloseGridEditor(formName, itemName, IsFormOnScreen(FindWindowDef(formName)));
          return result;
        }
        break;
      default:
        break;
    }
  } catch (...) {
  }
  return CallOriginal(editor, message, wParam, lParam);
}

// Writes an accepted value into a stored cell; gives back the value it held.
TypedText StoreCell(Grid& grid, std::int32_t row, std::size_t column, const TypedText& value) {
  TypedText old;
  if (grid.cells.HoldsNumbers(column)) {
    old.order = grid.cells.Number(row, column);
    grid.cells.SetNumber(row, column, value.order);
  } else {
    old.normal = grid.cells.Text(row, column);
    grid.cells.SetText(row, column, value.normal);
  }
  return old;
}

// Whether a stored cell holds the value.
bool HoldsValue(const Grid& grid, std::int32_t row, std::size_t column, const TypedText& value) {
  return grid.cells.HoldsNumbers(column) ? grid.cells.Number(row, column) == value.order
                                         : grid.cells.Text(row, column) == value.normal;
}

// The edit field in the list view's font.
void ShowListFont(HWND editor, HWND list) {
  os::SendMessageA(editor, WM_SETFONT,
                   static_cast<WPARAM>(os::SendMessageA(list, WM_GETFONT, 0, 0)), FALSE);
}

}  // namespace

bool OpenGridEditor(const std::string& formName, const std::string& itemName, std::int32_t row,
                    std::int32_t column, WPARAM typed) {
  Grid* grid = FindGrid(formName, itemName);
  const ItemDef item = FindItemDef(formName, itemName);
  // Only a row the list view shows has a cell to open the edit over.
  if (!grid || !item.control || ShownRow(*grid, row) < 0) return false;
  if (grid->editor && !CloseGridEditor(formName, itemName, true)) return false;
  if (column < 0 || column >= static_cast<std::int32_t>(grid->columns.size()) ||
      !grid->columns[static_cast<std::size_t>(column)].edit)
    column = EditableColumn(*grid, 0, 1);
  if (column < 0) return false;
  grid->column = column;

  // The edit field opens over a cell the user sees.
  RECT cell;
  if (!ScrollToCell(item.control, ShownRow(*grid, row), column, cell)) return false;
  const GridColumn& declared = grid->columns[static_cast<std::size_t>(column)];
  const DWORD align = declared.align == 1 ? ES_RIGHT : declared.align == 0 ? ES_CENTER : ES_LEFT;
  const HWND editor = CreateTextWindow(
      0, "EDIT", nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | align, cell.left,
      cell.top, cell.right - cell.left, cell.bottom - cell.top, item.control,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditorId)), TheLibrary().instance);
  if (!editor) {
    ReportError(1001);
    return false;
  }
  grid = FindGrid(formName, itemName);
  grid->editor = editor;
  grid->editRow = row;
  grid->editColumn = column;
  ShowListFont(editor, item.control);
  Subclass(editor, EditorKeys);
  if (typed) {
    os::SetFocus(editor);
    os::SendMessageW(editor, WM_CHAR, typed, 0);
  } else {
    SetControlText(editor, CellText(formName, itemName, *grid, row, static_cast<std::size_t>(column)));
    os::SendMessageA(editor, EM_SETSEL, 0, -1);
    os::SetFocus(editor);
  }
  return true;
}

void PlaceGridEditor(const std::string& formName, const std::string& itemName) {
  const Grid* grid = FindGrid(formName, itemName);
  const HWND list = FindItemDef(formName, itemName).control;
  if (!grid || !grid->editor || !list) return;
  const std::int32_t shown = ShownRow(*grid, grid->editRow);
  os::SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(shown), FALSE);
  RECT cell;
  if (!GridCellRect(list, shown, grid->editColumn, cell)) return;
  ShowListFont(grid->editor, list);
  os::MoveWindow(grid->editor, cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top,
                 TRUE);
}

namespace {

// Closes the open edit: committed (commit true) or cancelled. 0 when the edit is over;
// else the refused value's code, the edit still open with the keyboard and the status bar
// saying why.
std::int32_t CloseEditor(const std::string& formName, const std::string& itemName, bool commit) {
  Grid* grid = FindGrid(formName, itemName);
  if (!grid || !grid->editor) return 0;
  const HWND editor = grid->editor;
  const std::int32_t row = grid->editRow;
  const std::int32_t column = grid->editColumn;
  const std::size_t index = static_cast<std::size_t>(column);
  const ItemDef item = FindItemDef(formName, itemName);

  if (commit && row < grid->rows) {
    const TypedText value = ReadCell(grid->columns[index], ControlText(editor));
    if (value.code != 0) {
      ShowStatus(formName, value.code == kRequiredEmpty ? RequiredInputText() : InvalidInputText());
      if (os::GetFocus() != editor) os::SetFocus(editor);
      return value.code;
    }
    // The edit is over before the program hears of it: what it does meanwhile (a message
    // box, a change of the rows) finds no edit open.
    grid->editor = nullptr;
    const bool hadFocus = os::GetFocus() == editor;
    os::DestroyWindow(editor);
    if (hadFocus) os::SetFocus(item.control);
    grid->edited = value.normal;
    const TypedText old = grid->source ? TypedText() : StoreCell(*grid, row, index, value);
    const std::uint32_t arrangement = grid->cells.arrangement();
    // The help text is back before the program hears of the value, so that a text of its
    // own (why it refuses the value) stays.
    ShowStatus(formName, item.remark);
    const FormDef form = FindWindowDef(formName);
    const INT_PTR refused = RaiseEvent(form, itemName, fx::event::CELLCHG,
                                       {form.handle, WM_NOTIFY, static_cast<WPARAM>(row), column});
    // A refused value gives the cell its old value back, unless the program has moved or
    // reloaded the rows meanwhile, or written the cell itself: the row number may then
    // name another record, and what the program wrote stands.
    grid = FindGrid(formName, itemName);
    if (refused && grid && !grid->source && grid->cells.arrangement() == arrangement &&
        HoldsValue(*grid, row, index, value))
      StoreCell(*grid, row, index, old);
  } else {
    // A cancelled edit takes back what its refusal said, with the value.
    ShowStatus(formName, item.remark);
    grid->editor = nullptr;
    const bool hadFocus = os::GetFocus() == editor;
    os::DestroyWindow(editor);
    if (hadFocus) os::SetFocus(item.control);
  }
  grid = FindGrid(formName, itemName);
  const std::int32_t shown = grid ? ShownRow(*grid, row) : -1;
  if (shown >= 0) os::SendMessageA(item.control, LVM_REDRAWITEMS, static_cast<WPARAM>(shown), shown);
  return 0;
}

}  // namespace

bool CloseGridEditor(const std::string& formName, const std::string& itemName, bool commit) {
  return CloseEditor(formName, itemName, commit) == 0;
}

ErrorCode CommitGridEdits(const std::string& formName) {
  for (const std::string& itemName : FormItemNames(formName))
    if (const std::int32_t code = CloseEditor(formName, itemName, true)) return code;
  return 0;
}

void EndGridEdit(const std::string& formName, const std::string& itemName) {
  if (!CloseGridEditor(formName, itemName, true)) CloseGridEditor(formName, itemName, false);
}
