// The list view's subclass. No exception leaves it: the platform's frames cannot be
// unwound through.
#include "fenwix/grid/grid_keys.h"

#include <string>

#include "fenwix/grid/grid_copy.h"
#include "fenwix/grid/grid_editor.h"
#include "fenwix/grid/grid_record.h"
#include "fenwix/grid/grid_theme.h"
#include "fenwix/grid/grid_view.h"
#include "fenwix/grid/window_subclass.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/form_callback.h"

namespace {

bool Pressed(int key) { return os::GetKeyState(key) < 0; }

// The current cell moves to the next or previous column and is shown.
void MoveCurrentColumn(HWND list, Grid& grid, int step) {
  const std::int32_t last = static_cast<std::int32_t>(grid.columns.size()) - 1;
  const std::int32_t column = grid.column + step;
  if (column < 0 || column > last) return;
  grid.column = column;
  const std::int32_t row = SelectedShownRow(list, grid);
  if (row < 0) return;
  RECT cell;
  ScrollToCell(list, row, column, cell);
  os::SendMessageA(list, LVM_REDRAWITEMS, static_cast<WPARAM>(row), row);
}

// A character, not a control key's: Ctrl with a key gives a control character or, with
// Space, a plain one, but Ctrl+Alt is AltGr, which types "@", "€" or "ł" on many layouts.
bool StartsEdit(WPARAM character) {
  if (character < 0x20 || character == 0x7F) return false;
  return !Pressed(VK_CONTROL) || Pressed(VK_MENU);
}

bool IsGridKey(WPARAM key) {
  return key == VK_F2 || key == VK_RETURN || key == VK_LEFT || key == VK_RIGHT || key == 'C' ||
         key == 'A';
}

// True when the key was the grid's.
bool GridKey(HWND list, const std::string& formName, const std::string& itemName, WPARAM key) {
  Grid* grid = FindGrid(formName, itemName);
  if (!grid) return false;
  const std::int32_t row = SelectedRow(list, *grid);
  switch (key) {
    case VK_F2:
      if (row >= 0) OpenGridEditor(formName, itemName, row, grid->column, 0);
      return true;
    case VK_RETURN:
      if (row >= 0) {
        const FormDef form = FindWindowDef(formName);
        RaiseEvent(form, itemName, fx::event::ITEMCLIC,
                   {form.handle, WM_KEYDOWN, static_cast<WPARAM>(row), 0});
      }
      return true;
    case VK_LEFT:
    case VK_RIGHT:
      MoveCurrentColumn(list, *grid, key == VK_LEFT ? -1 : 1);
      return true;
    case 'C':
      if (!Pressed(VK_CONTROL)) return false;
      CopyGridRows(list, formName, itemName);
      return true;
    case 'A':
      if (!Pressed(VK_CONTROL)) return false;
      {
        LVITEMA all = {};
        all.stateMask = all.state = LVIS_SELECTED;
        os::SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&all));
      }
      NoteSelection(formName, itemName);
      return true;
    default:
      return false;
  }
}

LRESULT CALLBACK GridKeys(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    std::string formName, itemName;
    if (message == kNoteSelectionMessage) {
      if (GridOfWindow(list, formName, itemName)) {
        FindGrid(formName, itemName)->selectionNoted = true;
        NoteSelection(formName, itemName);
      }
      return 0;
    }
    switch (message) {
      case WM_GETDLGCODE: {
        // Return is the grid's own (the row's activation), not the dialog's.
        LRESULT code = CallOriginal(list, message, wParam, lParam) | DLGC_WANTARROWS | DLGC_WANTCHARS;
        const MSG* key = reinterpret_cast<const MSG*>(lParam);
        if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
        return code;
      }
      case WM_KEYDOWN:
        // The keys that only move the selection are the list view's alone.
        if (IsGridKey(wParam) && GridOfWindow(list, formName, itemName) &&
            GridKey(list, formName, itemName, wParam))
          return 0;
        break;
      case WM_CHAR:
        if (StartsEdit(wParam) && GridOfWindow(list, formName, itemName)) {
          Grid* grid = FindGrid(formName, itemName);
          if (grid && grid->editor) {
            // Characters that arrived together (an input method's result, a dead key and
            // the letter after it) were queued for the list view before the first one
            // opened the edit: they belong to that edit.
            os::SendMessageW(grid->editor, WM_CHAR, wParam, lParam);
            return 0;
          }
          // A character typed on a cell starts its edit with that character.
          const std::int32_t row = grid ? SelectedRow(list, *grid) : -1;
          if (row >= 0) OpenGridEditor(formName, itemName, row, grid->column, wParam);
          return 0;
        }
        break;
      case WM_NOTIFY: {
        // The edit field follows its column when the user drags a divider of the header.
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        LRESULT drawn = 0;
        if (header && DarkHeaderDraw(list, *header, drawn)) return drawn;
        if (header && (header->code == HDN_DIVIDERDBLCLICKW || header->code == HDN_DIVIDERDBLCLICKA)) {
          // The new width reaches the edit field as a drag's does.
          FitColumnToRowsInView(list, reinterpret_cast<const NMHEADERW*>(lParam)->iItem);
          return 0;
        }
        if (header && (header->code == HDN_ITEMCHANGEDW || header->code == HDN_ITEMCHANGEDA) &&
            GridOfWindow(list, formName, itemName)) {
          const LRESULT result = CallOriginal(list, message, wParam, lParam);
          PlaceGridEditor(formName, itemName);
          return result;
        }
        break;
      }
      case WM_ERASEBKGND:
        if (DarkGridErase(list, reinterpret_cast<HDC>(wParam))) return 1;
        break;
      case WM_VSCROLL:
      case WM_HSCROLL:
      case WM_MOUSEWHEEL:
        // The edit field does not move with the rows: the edit ends first.
        if (GridOfWindow(list, formName, itemName)) EndGridEdit(formName, itemName);
        break;
      case WM_NCDESTROY: {
        // The font is the list view's until it is gone.
        Grid* grid = GridOfWindow(list, formName, itemName) ? FindGrid(formName, itemName) : nullptr;
        const LRESULT result = CallOriginal(list, message, wParam, lParam);
        if (grid && grid->font) os::DeleteObject(grid->font);
        if (grid) {
          grid->font = nullptr;
          grid->editor = nullptr;
        }
        return result;
      }
      default:
        break;
    }
  } catch (...) {
  }
  return CallOriginal(list, message, wParam, lParam);
}

}  // namespace

void WatchGridKeys(HWND list) { Subclass(list, GridKeys); }
