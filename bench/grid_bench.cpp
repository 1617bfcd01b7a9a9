// The library's DATAGRID measured against the hand-written list view of raw_grid.cpp. Both
// live in this one program, so that both pay the same start of a process and carry the
// same runtime in their memory:
//   grid_bench raw|lib [N]   a virtual grid of N rows (default 1,000,000), its cells asked
//                            for as they are shown: the time to make it and show its first
//                            page, the median time of one Page Down (of 20), the cells asked
//                            for by each, and the process's private memory once shown
//   grid_bench stored [N]    the library's grid holding N rows (default 100,000) of dates
//                            in random order, amounts and customers: the time to fill it
//                            cell by cell, the memory it took against the cells' text, the
//                            time of a sort by each column (a click on its header), and of
//                            std::stable_sort of the same dates as numbers
//   grid_bench filter [N]    the library's grid holding N rows (default 1,000,000) of
//                            dates, amounts and customers filtered by a customer's number:
//                            the time of FILTER against a plain loop that looks for the
//                            same text in the same cells' shown texts, made UTF-16
//                            beforehand, with the same comparison
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "bench/bench_time.h"
#include "bench/raw_grid.h"
#include "fenwix/fenwix.h"

namespace {

constexpr int kWidth = 320, kHeight = 400;
constexpr int kPageDowns = 20;
constexpr int kGridSequence = 1;
constexpr char kMainName[] = "GridMain";
constexpr char kFormName[] = "grid";
constexpr char kGridName[] = "rows";
constexpr const char* kColumns[] = {"date", "amount", "customer"};

long sourceCalls = 0;

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  FX_WindowMessageAuto(message, wParam);
  return DefWindowProcA(window, message, wParam, lParam);
}

std::intptr_t NoEvents(std::string, std::string, std::string, HWND, UINT, WPARAM, LPARAM) {
  return 0;
}

int ColumnIndex(const std::string& column) {
  for (int i = 0; i < 3; ++i)
    if (column == kColumns[i]) return i;
  return -1;
}

std::string CountedSource(std::string, std::string, int row, std::string column) {
  ++sourceCalls;
  return MadeUpCell(row, ColumnIndex(column));
}

// The library's form holding the grid: virtual, of `rows` rows asked of the source, or,
// without a source, stored and empty. The list view, or null after saying why.
HWND MakeLibraryGrid(GridSource source, int rows, HWND& dialog) {
  const bool stored = !source;
  const std::string properties[] = {
      "title=Date;type=DATE;format=dd/mm/yyyy;width=100",
      stored ? "title=Amount;type=CURRENCY;format=99999999.88;width=100"
             : "title=Amount;type=CURRENCY;format=999999.88;width=100",
      "title=Customer;type=STRING;width=100"};
  ErrorCode code = FX_WindowMainCreate(kMainName, SW_SHOW, MainProc, "", 0, 0, kWidth + 20,
                                       kHeight + 40);
  if (!code)
    code = FX_FormItemAdd(kFormName, kGridName, fx::item::DATAGRID, kGridSequence, 0, 0, kWidth,
                          kHeight, "");
  for (int i = 0; i < 3 && !code; ++i)
    code = FX_GridColumnAdd(kFormName, kGridName, kColumns[i], properties[i]);
  if (!code && !stored) code = FX_GridSourceSet(kFormName, kGridName, rows, source);
  if (!code)
    code = FX_FormCreate(kFormName, "edge=false;stbar=false", 0, 0, kWidth, kHeight, NoEvents);
  if (code) {
    std::fprintf(stderr, "the library's grid could not be made: error %d\n",
                 static_cast<int>(code));
    return nullptr;
  }
  dialog = FindWindowExA(FindWindowA(kMainName, nullptr), nullptr, MAKEINTATOM(32770), nullptr);
  return GetDlgItem(dialog, 101 + kGridSequence);
}

void Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// Every window of the program painted, once the messages its making posted are handled.
void ShowAll(HWND list) {
  Pump();
  RedrawWindow(GetAncestor(list, GA_ROOT), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// The committed private memory of the process, which Windows reports as PrivateUsage.
// Wine leaves that counter at 0 (and its PagefileUsage counts only the pages touched), so
// the committed private regions are added up here.
long PrivateKb() {
  SIZE_T bytes = 0;
  MEMORY_BASIC_INFORMATION region;
  for (const char* address = nullptr; VirtualQuery(address, &region, sizeof region);
       address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) bytes += region.RegionSize;
  }
  return static_cast<long>(bytes / 1024);
}

// What the library says of a number it keeps, against what it should be; false after
// saying both.
bool LibraryAgrees(const char* key, int expected) {
  const std::string value = FX_FormItemGet(kFormName, kGridName, key);
  if (value == std::to_string(expected)) return true;
  std::fprintf(stderr, "the grid's %s is \"%s\", expected %d\n", key, value.c_str(), expected);
  return false;
}

int Virtual(bool library, int rows) {
  HWND dialog = nullptr;
  const double started = Now();
  const HWND list =
      library ? MakeLibraryGrid(CountedSource, rows, dialog) : MakeRawGrid(rows, kWidth, kHeight);
  if (!list) return 1;
  ShowAll(list);
  const double created = Now() - started;
  const auto calls = [&] { return library ? sourceCalls : RawGridTextRequests(); };
  const long firstPageCalls = calls();
  const long memory = PrivateKb();

  const int listRows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  if (listRows != rows) {
    std::fprintf(stderr, "the list view holds %d rows, expected %d\n", listRows, rows);
    return 1;
  }
  if (library && !LibraryAgrees(fx::key::ROWS, rows)) return 1;

  std::vector<double> pageDowns;
  for (int i = 0; i < kPageDowns; ++i) {
    const double pressed = Now();
    SendMessageA(list, WM_KEYDOWN, VK_NEXT, 1);
    UpdateWindow(list);
    pageDowns.push_back(Now() - pressed);
    Pump();
  }
  const int focused = static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, -1, LVNI_FOCUSED));
  if (focused < std::min(rows - 1, kPageDowns)) {
    std::fprintf(stderr, "%d Page Downs left row %d focused\n", kPageDowns, focused);
    return 1;
  }
  if (library && !LibraryAgrees(fx::key::ROW, focused)) return 1;

  std::printf("create_ms %.2f\npage_down_ms %.3f\nfirst_page_calls %ld\npage_down_calls %.1f\n"
              "private_kb %ld\n",
              created * 1000, Median(pageDowns) * 1000, firstPageCalls,
              static_cast<double>(calls() - firstPageCalls) / kPageDowns, memory);
  return 0;
}

// yyyymmdd of a "dd/mm/yyyy" text.
long long DateNumber(const std::string& text) {
  if (text.size() != 10) return -1;
  return std::atoll(text.c_str() + 6) * 10000 + std::atoi(text.c_str() + 3) * 100 +
         std::atoi(text.c_str());
}

// Whether the grid's rows are in ascending order of the column, as the comparison takes
// two of its cells; says where they are not.
template <typename Less>
bool SortedBy(int rows, int column, Less less) {
  std::string previous = FX_GridCellGet(kFormName, kGridName, 0, kColumns[column]);
  for (int row = 1; row < rows; ++row) {
    std::string cell = FX_GridCellGet(kFormName, kGridName, row, kColumns[column]);
    if (less(cell, previous)) {
      std::fprintf(stderr, "sorted by %s, row %d (\"%s\") comes after \"%s\"\n", kColumns[column],
                   row, cell.c_str(), previous.c_str());
      return false;
    }
    previous = std::move(cell);
  }
  return true;
}

// Whether every row still holds its own cells: the customer names the row it was made
// as, whose amount and date it must carry.
bool RowsWhole(int rows, const std::vector<int>& days) {
  for (int row = 0; row < rows; ++row) {
    const auto cell = [&](int column) {
      return FX_GridCellGet(kFormName, kGridName, row, kColumns[column]);
    };
    const int made = std::atoi(cell(2).c_str() + std::strlen("Customer "));
    const auto amount = [](const std::string& text) { return std::strtod(text.c_str(), nullptr); };
    if (made < 0 || made >= rows || amount(cell(1)) != amount(MadeUpCell(made, 1)) ||
        DateNumber(cell(0)) != DateNumber(MadeUpCell(days[made], 0))) {
      std::fprintf(stderr, "row %d holds %s / %s / %s, not the cells of the row made as %d\n", row,
                   cell(0).c_str(), cell(1).c_str(), cell(2).c_str(), made);
      return false;
    }
  }
  return true;
}

int Stored(int rows) {
  HWND dialog = nullptr;
  const HWND list = MakeLibraryGrid(nullptr, 0, dialog);
  if (!list) return 1;
  ShowAll(list);

  // Row i's date is made as row days[i]'s would be in a virtual grid.
  std::mt19937 random(20240601);
  std::uniform_int_distribution<int> anyDay(0, 28 * 12 * 100 - 1);
  std::vector<int> days(rows);
  for (int& day : days) day = anyDay(random);
  const long before = PrivateKb();

  long long textBytes = 0;
  const double started = Now();
  ErrorCode code = FX_GridRowCountSet(kFormName, kGridName, rows);
  for (int row = 0; row < rows && !code; ++row) {
    for (int column = 0; column < 3 && !code; ++column) {
      const std::string value = MadeUpCell(column == 0 ? days[row] : row, column);
      textBytes += static_cast<long long>(value.size());
      code = FX_GridCellSet(kFormName, kGridName, row, kColumns[column], value);
    }
  }
  ShowAll(list);
  const double filled = Now() - started;
  if (code) {
    std::fprintf(stderr, "the grid could not be filled: error %d\n", static_cast<int>(code));
    return 1;
  }
  const long grown = PrivateKb() - before;
  if (!LibraryAgrees(fx::key::ROWS, rows)) return 1;

  const auto byDate = [](const std::string& a, const std::string& b) {
    return DateNumber(a) < DateNumber(b);
  };
  const auto byAmount = [](const std::string& a, const std::string& b) {
    return std::strtod(a.c_str(), nullptr) < std::strtod(b.c_str(), nullptr);
  };
  // Texts in the user's order, as the platform compares them.
  const auto byText = [](const std::string& a, const std::string& b) {
    return CompareStringA(LOCALE_USER_DEFAULT, 0, a.c_str(), -1, b.c_str(), -1) == CSTR_LESS_THAN;
  };
  double sorts[3];
  for (int column = 0; column < 3; ++column) {
    NMLISTVIEW click = {};
    click.hdr.hwndFrom = list;
    click.hdr.idFrom = 101 + kGridSequence;
    click.hdr.code = LVN_COLUMNCLICK;
    click.iItem = -1;
    click.iSubItem = column;
    const double clicked = Now();
    SendMessageA(dialog, WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
    sorts[column] = Now() - clicked;
    ShowAll(list);
    const bool sorted = column == 0   ? SortedBy(rows, column, byDate)
                        : column == 1 ? SortedBy(rows, column, byAmount)
                                      : SortedBy(rows, column, byText);
    if (!sorted) return 1;
  }
  if (!RowsWhole(rows, days)) return 1;

  // The same dates, as numbers in the same order, sorted by the standard library.
  std::vector<long long> dates(rows);
  for (int row = 0; row < rows; ++row) dates[row] = DateNumber(MadeUpCell(days[row], 0));
  const double baselineStarted = Now();
  std::stable_sort(dates.begin(), dates.end());
  const double baseline = Now() - baselineStarted;

  std::printf("fill_ms %.1f\nfill_text_kb %lld\nfill_memory_kb %ld\nsort_date_ms %.2f\n"
              "sort_amount_ms %.2f\nsort_customer_ms %.2f\nstable_sort_ms %.3f\n"
              "date_sort_ratio %.2f\n",
              filled * 1000, textBytes / 1024, grown, sorts[0] * 1000, sorts[1] * 1000,
              sorts[2] * 1000, baseline * 1000, sorts[0] / baseline);
  return 0;
}

// Fills the stored grid with rows of made-up dates, amounts and customers; false after
// saying why.
bool FillStored(int rows) {
  ErrorCode code = FX_GridRowCountSet(kFormName, kGridName, rows);
  for (int row = 0; row < rows && !code; ++row)
    for (int column = 0; column < 3 && !code; ++column)
      code = FX_GridCellSet(kFormName, kGridName, row, kColumns[column], MadeUpCell(row, column));
  if (code) std::fprintf(stderr, "the grid could not be filled: error %d\n", static_cast<int>(code));
  return !code;
}

int Filter(int rows) {
  HWND dialog = nullptr;
  const HWND list = MakeLibraryGrid(nullptr, 0, dialog);
  if (!list || !FillStored(rows)) return 1;
  ShowAll(list);
  const std::string wanted = "customer 4242";

  // The baseline: every cell's text as the grid shows it, UTF-16 in one block, searched
  // row by row until a cell holds the text, as the library's filter does.
  std::vector<WCHAR> texts;
  std::vector<std::size_t> starts;
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < 3; ++column) {
      const std::string cell = FX_GridCellGet(kFormName, kGridName, row, kColumns[column]);
      starts.push_back(texts.size());
      const int units = MultiByteToWideChar(CP_ACP, 0, cell.c_str(), -1, nullptr, 0);
      texts.resize(texts.size() + static_cast<std::size_t>(units));
      MultiByteToWideChar(CP_ACP, 0, cell.c_str(), -1, &texts[starts.back()], units);
    }
  }
  starts.push_back(texts.size());
  WCHAR wide[64];
  const int wideLength = MultiByteToWideChar(CP_ACP, 0, wanted.c_str(), -1, wide, 64) - 1;

  const double baselineStarted = Now();
  int found = 0;
  for (int row = 0; row < rows; ++row) {
    for (std::size_t cell = static_cast<std::size_t>(row) * 3; cell < static_cast<std::size_t>(row) * 3 + 3; ++cell) {
      const int length = static_cast<int>(starts[cell + 1] - starts[cell]) - 1;
      if (FindNLSStringEx(LOCALE_NAME_USER_DEFAULT, FIND_FROMSTART | LINGUISTIC_IGNORECASE,
                          &texts[starts[cell]], length, wide, wideLength, nullptr, nullptr,
                          nullptr, 0) >= 0) {
        ++found;
        break;
      }
    }
  }
  const double baseline = Now() - baselineStarted;

  const double started = Now();
  const ErrorCode code = FX_FormItemSet(kFormName, kGridName, fx::key::FILTER, wanted);
  ShowAll(list);
  const double filtered = Now() - started;
  if (code) {
    std::fprintf(stderr, "the filter was refused: error %d\n", static_cast<int>(code));
    return 1;
  }
  if (!LibraryAgrees(fx::key::SHOWN, found)) return 1;
  std::printf("filter_ms %.1f\nplain_loop_ms %.1f\nfilter_ratio %.2f\nshown_rows %d\n",
              filtered * 1000, baseline * 1000, filtered / baseline, found);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc >= 2 ? argv[1] : "";
  const bool stored = mode == "stored";
  const int rows = argc >= 3 ? std::atoi(argv[2]) : stored ? 100000 : 1000000;
  if ((mode != "raw" && mode != "lib" && mode != "filter" && !stored) || rows < 1) {
    std::fprintf(stderr, "usage: grid_bench raw|lib|stored|filter [N]\n");
    return 2;
  }
  if (mode == "filter") return Filter(rows);
  return stored ? Stored(rows) : Virtual(mode == "lib", rows);
}
