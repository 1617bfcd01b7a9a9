// Finding the filter's text in a million rows: each cell is made UTF-16 in one buffer kept
// from cell to cell, and a row stops at its first cell that shows the text.
#include "fenwix/grid/grid_filter.h"

#include <utility>
#include <vector>

#include "fenwix/grid/grid_editor.h"
#include "fenwix/grid/grid_record.h"
#include "fenwix/grid/grid_view.h"
#include "fenwix/platform/platform.h"
#include "fenwix/text/encoding.h"

namespace {

// FindNLSStringEx's linguistic case folding is the user's locale's: "I" and "ı" in
// Turkish, "Ł" and "ł" everywhere; letters that differ by more than case stay apart.
constexpr DWORD kFindFlags = FIND_FROMSTART | LINGUISTIC_IGNORECASE;
// A null pointer, which the forwarding call must receive typed.
const LPCWSTR kUserLocale = LOCALE_NAME_USER_DEFAULT;

class RowMatcher {
 public:
  RowMatcher(const Grid& grid, WideString wanted) : grid_(grid), wanted_(std::move(wanted)) {}

  bool Matches(std::int32_t row) {
    for (std::size_t column = 0; column < grid_.columns.size(); ++column) {
      if (grid_.cells.HoldsNumbers(column)) {
        const std::int64_t number = grid_.cells.Number(row, column);
        if (number != kEmptyOrder && Contains(WriteCell(grid_.columns[column], number).c_str()))
          return true;
      } else if (Contains(grid_.cells.Text(row, column))) {
        return true;
      }
    }
    return false;
  }

 private:
  bool Contains(const char* text) {
    if (!*text) return false;
    Widen(text);
    return os::FindNLSStringEx(kUserLocale, kFindFlags, cell_.data(),
                               static_cast<int>(cell_.size()), wanted_.data(),
                               static_cast<int>(wanted_.size()), nullptr, nullptr, nullptr,
                               0) >= 0;
  }

  void Widen(const char* text) {
    // Most cells are ASCII, which reads the same in every code page and in UTF-8.
    cell_.clear();
    const char* c = text;
    for (; *c && static_cast<unsigned char>(*c) < 0x80; ++c) cell_.push_back(static_cast<WCHAR>(*c));
    if (*c) cell_ = WideText(text);
  }

  const Grid& grid_;
  const WideString wanted_;
  WideString cell_;
};

std::vector<std::int32_t> MatchingRows(const Grid& grid, const std::string& text) {
  std::vector<std::int32_t> rows;
  RowMatcher matcher(grid, WideText(text));
  for (std::int32_t row = 0; row < grid.rows; ++row)
    if (matcher.Matches(row)) rows.push_back(row);
  rows.shrink_to_fit();
  return rows;
}

}  // namespace

ErrorCode SetGridFilter(const std::string& formName, const std::string& itemName,
                        const std::string& text) {
  if (const Grid* grid = FindGrid(formName, itemName); grid && grid->source) return 1087;
  // The edit's row may be hidden: the edit ends first, as a sort ends it.
  EndGridEdit(formName, itemName);
  Grid* grid = &MakeGrid(formName, itemName);
  // Found before anything changes, so that a grid whose shown rows do not fit stays whole.
  std::vector<std::int32_t> shown;
  if (!text.empty()) shown = MatchingRows(*grid, text);
  const HWND list = FindItemDef(formName, itemName).control;
  // The list view holds the selection as the rows were shown: it is cleared before they
  // change, and the record chosen again among the new ones.
  const std::int32_t selected = list ? SelectedRow(list, *grid) : -1;
  if (list) SelectRow(list, *grid, -1);
  grid = FindGrid(formName, itemName);
  if (!grid) return 0;
  grid->filter = text;
  grid->shown.swap(shown);
  if (!list) return 0;
  grid->focused = -1;
  os::SendMessageA(list, LVM_SETITEMCOUNT, static_cast<WPARAM>(ShownRowCount(*grid)), 0);
  if (ShownRow(*grid, selected) >= 0) {
    SelectRow(list, *grid, selected);
  } else if (ShownRowCount(*grid) > 0) {
    os::SendMessageA(list, LVM_ENSUREVISIBLE, 0, FALSE);
  }
  os::InvalidateRect(list, nullptr, FALSE);
  NoteSelection(formName, itemName);
  return 0;
}
