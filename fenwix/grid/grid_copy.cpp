// The copied text goes to the clipboard as CF_TEXT in ANSI mode and as CF_UNICODETEXT in
// UTF-8 mode; the platform offers the other form from it.
#include "fenwix/grid/grid_copy.h"

#include <cstring>
#include <new>
#include <vector>

#include "fenwix/grid/grid_record.h"
#include "fenwix/grid/row_order.h"
#include "fenwix/platform/platform.h"
#include "fenwix/text/encoding.h"

namespace {

bool PutOnClipboard(HWND owner, UINT format, const void* data, std::size_t bytes) {
  HGLOBAL block = os::GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!block) return false;
  void* target = os::GlobalLock(block);
  if (!target) {
    os::GlobalFree(block);
    return false;
  }
  std::memcpy(target, data, bytes);
  os::GlobalUnlock(block);
  if (!os::OpenClipboard(owner)) {
    os::GlobalFree(block);
    return false;
  }
  // Once the clipboard takes the block, it is the clipboard's to free.
  const bool taken = os::EmptyClipboard() && os::SetClipboardData(format, block);
  if (!taken) os::GlobalFree(block);
  os::CloseClipboard();
  return taken;
}

}  // namespace

std::string CopiedRowsText(HWND list, const std::string& formName, const std::string& itemName) {
  const Grid* grid = FindGrid(formName, itemName);
  std::string text;
  if (!grid) return text;
  std::vector<std::string> cells;
  for (const GridColumn& column : grid->columns) cells.push_back(column.title);
  AppendCopiedLine(text, cells);
  // The search for the next selected row reads row after row: it stops at the last one.
  LRESULT left = os::SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0);
  for (LRESULT row = -1; left-- > 0;) {
    row = os::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED);
    const std::int32_t stored = StoredRow(*grid, static_cast<std::int32_t>(row));
    if (stored < 0) break;
    for (std::size_t column = 0; column < cells.size(); ++column)
      cells[column] = CellText(formName, itemName, *grid, stored, column);
    AppendCopiedLine(text, cells);
  }
  return text;
}

void CopyGridRows(HWND list, const std::string& formName, const std::string& itemName) {
  std::string text;
  try {
    text = CopiedRowsText(list, formName, itemName);
  } catch (const std::bad_alloc&) {
    ReportError(1049);  // more rows selected than the memory holds as text
    return;
  }
  bool copied;
  if (Utf8Text()) {
    const WideString wide = WideText(text);
    copied = PutOnClipboard(list, CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(WCHAR));
  } else {
    copied = PutOnClipboard(list, CF_TEXT, text.c_str(), text.size() + 1);
  }
  if (!copied) ReportError(1048);
}
