// The orders form's items, its two grids' columns and rows, and its callback.
#include "orders_form.h"

#include <cstddef>
#include <cstdint>

#include "event_log.h"
#include "item_table.h"
#include "order_book.h"

namespace gallery {
namespace {

const char kForm[] = "orders";
const char kStored[] = "stored";
const char kVirtual[] = "virtual";
constexpr int kStoredRows = 100000;
constexpr int kVirtualRows = 1000000;

// The grids' columns, as their form file names them.
const char* const kStoredColumns[] = {kDateColumn, kAmountColumn, kCustomerColumn};
const char* const kVirtualColumns[] = {kNumberColumn, kDateColumn, kAmountColumn,
                                       kCustomerColumn};

// Every cell of the stored grid, from the order book, up to the first refused one. A cell
// refused raises no message box: the line tells it.
ErrorCode FillStoredGrid() {
  ErrorCode code = FX_GridRowCountSet(kForm, kStored, kStoredRows);
  for (int row = 0; row < kStoredRows && code == 0; ++row)
    for (const char* column : kStoredColumns)
      if (code == 0) code = FX_GridCellSet(kForm, kStored, row, column, OrderCell(row, column));
  Line("filled " + std::string(kForm) + " " + kStored + " rows=" + std::to_string(kStoredRows) +
       " -> " + std::to_string(code));
  return code;
}

// The virtual grid keeps nothing: it asks for each cell it is about to show.
std::string VirtualCell(std::string, std::string, int row, std::string column) {
  return OrderCell(row, column);
}

// The cells of one row of a grid as it shows them, each between `open` and `close`, apart
// by `between`; empty for no row.
std::string RowText(const std::string& grid, std::int32_t row, const char* open,
                    const char* close, const char* between) {
  if (row < 0) return std::string();
  std::string text;
  const auto add = [&](const char* column) {
    text += (text.empty() ? open : between + std::string(open)) +
            FX_GridCellGet(kForm, grid, row, column) + close;
  };
  if (grid == kStored) {
    for (const char* column : kStoredColumns) add(column);
  } else {
    for (const char* column : kVirtualColumns) add(column);
  }
  return text;
}

// Orders before 2000 are closed. The grid holds the edited date already: the callback's
// non-zero answer to CELLCHG puts the old one back.
bool RefusedDate(std::int32_t row) {
  const std::string date = FX_GridCellGet(kForm, kStored, row, kDateColumn);
  return date.size() == 10 && date.compare(6, 4, "2000") < 0;
}

std::intptr_t OrdersCallback(std::string form, std::string item, std::string event,
                             HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    const bool grid = item == kStored || item == kVirtual;
    const std::int32_t row = static_cast<std::int32_t>(wParam);
    if (grid && IsGridEvent(event)) {
      const bool rowEvent = event != fx::event::COLCLIC;
      LogGridEvent(form, item, event, wParam, lParam,
                   rowEvent ? RowText(item, row, "[", "]", " ") : std::string());
    } else {
      LogEvent(form, item, event, message, wParam, lParam);
    }
    WatchForm(form, dialog, ItemsOf(kForm), event, message, wParam, lParam);
    if (event == fx::event::CELLCHG && item == kStored && RefusedDate(row)) {
      FX_FormStatusSet(form, "Orders before 2000 are closed: the date is put back");
      return 1;
    }
    if (grid && event == fx::event::ITEMCLIC)
      FX_FormStatusSet(form, "Row " + std::to_string(row) + ": " +
                                 RowText(item, row, "", "", ", "));
  } catch (...) {
    // An exception must not unwind through the dialog manager; the event is dropped.
  }
  return 0;
}

}  // namespace

ErrorCode FillOrdersForm() {
  const ErrorCode codes[] = {FillStoredGrid(),
                             FX_GridSourceSet(kForm, kVirtual, kVirtualRows, VirtualCell)};
  for (const ErrorCode code : codes)
    if (code != 0) return code;
  return 0;
}

void RunOrdersForm() {
  // Framed and modal, centred whatever its position; its stored grid grows with its frame.
  const ErrorCode code = FX_FormOpen(kForm, OrdersCallback);
  if (code != 0) ReportError(code);
  Line("closed " + std::string(kForm) + " reason=[" + FX_FormCloseReason(kForm) + "] -> " +
       std::to_string(code));
}

}  // namespace gallery
