// The hand-written grid that the library's DATAGRID is measured against: a plain window
// holding the platform's list view in report mode with owner data, three columns, and the
// texts of a row made up when the list asks for them. The made-up texts are also what the
// library's grid is given, so that both sides show the same cells.
#include "bench/raw_grid.h"

#include <commctrl.h>

#include <cstdio>
#include <string>

// Row i's cells: a date that moves on a day with every row (months of 28 days, so that
// every one is a real date), an amount scattered by a multiplicative hash, a customer
// named by the row's number.
std::string MadeUpCell(int row, int column) {
  char text[32];
  const unsigned number = static_cast<unsigned>(row);
  if (column == 0) {
    std::snprintf(text, sizeof text, "%02u/%02u/%04u", 1 + number % 28, 1 + number / 28 % 12,
                  1950 + number / 336 % 100);
  } else if (column == 1) {
    const unsigned cents = number * 2654435761u % 10000000u;
    std::snprintf(text, sizeof text, "%u.%02u", cents / 100, cents % 100);
  } else {
    std::snprintf(text, sizeof text, "Customer %u", number);
  }
  return text;
}

namespace {

constexpr char kClassName[] = "RawGridMain";
constexpr int kListId = 101;

long textRequests = 0;

// The list asks for a cell when it is about to show it; only the requests that want
// the cell's text are the ones a program's source of rows answers.
LRESULT CALLBACK RawGridProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == LVN_GETDISPINFOA) {
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(lParam)->item;
    if (item.mask & LVIF_TEXT) {
      ++textRequests;
      lstrcpynA(item.pszText, MadeUpCell(item.iItem, item.iSubItem).c_str(), item.cchTextMax);
    }
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// comctl32 is loaded when the first grid is made, as the library loads it, and not when
// the program starts, so that both sides pay for it in their creation.
bool LoadListView() {
  const HMODULE module = LoadLibraryA("comctl32.dll");
  if (!module) return false;
  const auto initialise = reinterpret_cast<decltype(&InitCommonControlsEx)>(
      reinterpret_cast<void*>(GetProcAddress(module, "InitCommonControlsEx")));
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
  return initialise && initialise(&controls);
}

void AddColumn(HWND list, int index, const char* title, int format) {
  LVCOLUMNA column = {};
  column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
  column.fmt = format;
  column.cx = 100;
  column.pszText = const_cast<char*>(title);
  column.iSubItem = index;
  SendMessageA(list, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column));
}

}  // namespace

long RawGridTextRequests() { return textRequests; }

// A shown window whose only child is the list of `rows` rows, width by height pixels;
// the list, or null when something cannot be made.
HWND MakeRawGrid(int rows, int width, int height) {
  if (!LoadListView()) return nullptr;
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = RawGridProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  if (!RegisterClassExA(&windowClass)) return nullptr;
  const HWND window = CreateWindowExA(0, kClassName, kClassName, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                      0, 0, width + 20, height + 40, nullptr, nullptr,
                                      windowClass.hInstance, nullptr);
  if (!window) return nullptr;
  // Sunken, as list views are in dialogs, so that it shows as many rows as the library's.
  const HWND list = CreateWindowExA(
      WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
      WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS, 0, 0,
      width, height, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)),
      windowClass.hInstance, nullptr);
  if (!list) return nullptr;
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  AddColumn(list, 0, "Date", LVCFMT_LEFT);
  AddColumn(list, 1, "Amount", LVCFMT_RIGHT);
  AddColumn(list, 2, "Customer", LVCFMT_LEFT);
  SendMessageA(list, LVM_SETITEMCOUNT, rows, 0);
  return list;
}
