// A form of N owner-drawn keys made by the library (in ANSI mode, "lib", or in UTF-8
// mode, "utf8"), or the same N keys made by a plain CreateWindowExA loop in a window
// ("raw") or in a dialog made by hand ("dlg"), measured in the same way:
//   form_bench lib|utf8|raw|dlg N [REPEATS]
// prints the time to make the keys, of one full repaint (the median of REPEATS), of one
// mouse move message sent to their parent (the mean of 400 x REPEATS), of one click on the
// middle key (the median of 40 x REPEATS) and of a second of dragging the parent's corner
// (the median of REPEATS). The last column of keys stretches to the right edge and the last
// row to the bottom one, as a form's anchored items do: the library places them itself, and
// the hand-written programs move the same keys in one DeferWindowPos batch on each WM_SIZE
// and repaint what the moves uncovered, as the library does.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/bench_time.h"
#include "bench/raw_key.h"
#include "fenwix/fenwix.h"

namespace {

constexpr int kColumns = 125;
constexpr int kKeyWidth = 8, kKeyHeight = 6;
constexpr int kFormWidth = 1000, kFormHeight = 560;
constexpr int kIdBase = 100;
constexpr char kMainName[] = "BenchMain";
constexpr char kFormName[] = "keys";

int clicks = 0;

// A key of the hand-written programs that follows the parent's size, and the parent's
// client size when the keys were made.
struct AnchoredKey {
  HWND window;
  RECT declared;
  bool right, bottom;
};
std::vector<AnchoredKey> anchoredKeys;
SIZE declaredClient = {};

bool InLastColumn(int index) { return index % kColumns == kColumns - 1; }
bool InLastRow(int index, int count) { return index / kColumns == (count - 1) / kColumns; }

std::string KeyName(int index) { return "k" + std::to_string(index); }

// The main window is a Unicode window in UTF-8 mode.
LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  FX_WindowMessageAuto(message, wParam);
  return IsWindowUnicode(window) ? DefWindowProcW(window, message, wParam, lParam)
                                 : DefWindowProcA(window, message, wParam, lParam);
}

std::intptr_t CountClicks(std::string, std::string, std::string event, HWND, UINT, WPARAM,
                          LPARAM) {
  if (event == fx::event::ITEMCLIC) ++clicks;
  return 0;
}

// The library's form; the keys' parent, or null.
HWND MakeLibraryForm(int count, double& seconds) {
  if (FX_WindowMainCreate(kMainName, SW_SHOW, MainProc, "", 0, 0, kFormWidth + 20,
                          kFormHeight + 40))
    return nullptr;
  for (int i = 0; i < count; ++i) {
    std::string anchors = "anchor=left,top";
    if (InLastColumn(i)) anchors += ",right";
    if (InLastRow(i, count)) anchors += ",bottom";
    FX_FormItemAdd(kFormName, KeyName(i + 1), fx::item::BUTTON, i + 1, (i % kColumns) * kKeyWidth,
                   (i / kColumns) * kKeyHeight, kKeyWidth, kKeyHeight, anchors);
  }
  const double started = Now();
  if (FX_FormCreate(kFormName, "edge=false;stbar=false", 0, 0, kFormWidth, kFormHeight,
                    CountClicks))
    return nullptr;
  seconds = Now() - started;
  return FindWindowExA(FindWindowA(kMainName, nullptr), nullptr, MAKEINTATOM(32770), nullptr);
}

// The hand-written answer to a new client size: the anchored keys stretched in one batch,
// each painted whole, then what the moves uncovered painted again (the parent does not
// clip its keys, so its background covered the keys lying there).
void PlaceAnchoredKeys(HWND parent, int width, int height) {
  if (anchoredKeys.empty() || width <= 0 || height <= 0) return;
  const int dw = width - declaredClient.cx, dh = height - declaredClient.cy;
  HDWP batch = BeginDeferWindowPos(static_cast<int>(anchoredKeys.size()));
  for (const AnchoredKey& key : anchoredKeys) {
    const RECT& r = key.declared;
    if (batch)
      batch = DeferWindowPos(batch, key.window, nullptr, r.left, r.top,
                             r.right - r.left + (key.right ? dw : 0),
                             r.bottom - r.top + (key.bottom ? dh : 0),
                             SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
  }
  if (batch) EndDeferWindowPos(batch);
  const HRGN uncovered = CreateRectRgn(0, 0, 0, 0);
  const int kind = GetUpdateRgn(parent, uncovered, FALSE);
  if (kind != NULLREGION && kind != ERROR)
    RedrawWindow(parent, nullptr, uncovered, RDW_INVALIDATE | RDW_ALLCHILDREN);
  DeleteObject(uncovered);
}

LRESULT CALLBACK RawProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE) PlaceAnchoredKeys(window, LOWORD(lParam), HIWORD(lParam));
  if (message == WM_DRAWITEM) {
    const DRAWITEMSTRUCT& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    PaintKey(draw, GetSysColor(COLOR_BTNFACE), RGB(0, 0, 0),
             KeyName(static_cast<int>(draw.CtlID) - kIdBase).c_str());
    return TRUE;
  }
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) ++clicks;
  return DefWindowProcA(window, message, wParam, lParam);
}

// The same keys' dialog procedure, for a dialog made by hand.
INT_PTR CALLBACK RawDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_DRAWITEM || message == WM_COMMAND || message == WM_SIZE) {
    RawProc(dialog, message, wParam, lParam);
    return TRUE;
  }
  return FALSE;
}

// Makes the keys in the parent, timing the loop; false when one cannot be made.
bool MakeRawKeys(HWND parent, int count, double& seconds) {
  const double started = Now();
  for (int i = 0; i < count; ++i) {
    const std::string name = KeyName(i + 1);
    const RECT r = {(i % kColumns) * kKeyWidth, (i / kColumns) * kKeyHeight,
                    (i % kColumns + 1) * kKeyWidth, (i / kColumns + 1) * kKeyHeight};
    const HWND key = CreateWindowExA(
        0, "BUTTON", name.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, r.left, r.top,
        kKeyWidth, kKeyHeight, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdBase + i + 1)),
        GetModuleHandleA(nullptr), nullptr);
    if (!key) return false;
    if (InLastColumn(i) || InLastRow(i, count))
      anchoredKeys.push_back({key, r, InLastColumn(i), InLastRow(i, count)});
  }
  seconds = Now() - started;
  RECT client;
  GetClientRect(parent, &client);
  declaredClient = {client.right, client.bottom};
  return true;
}

// The hand-written window and its keys, made in a plain window or, with inDialog, in a
// dialog of no items inside that window, as the library's form is; the keys' parent, or
// null.
HWND MakeRawForm(int count, bool inDialog, double& seconds) {
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = RawProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kMainName;
  if (!RegisterClassExA(&windowClass)) return nullptr;
  HWND parent = CreateWindowExA(0, kMainName, kMainName, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                kFormWidth + 20, kFormHeight + 40, nullptr, nullptr,
                                windowClass.hInstance, nullptr);
  if (parent && inDialog) {
    // A template of no items, no menu, the default class and no title.
    struct {
      DLGTEMPLATE header;
      WORD menu, windowClass, title;
    } const empty = {{WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, 0, 0}, 0, 0, 0};
    parent = CreateDialogIndirectParamA(windowClass.hInstance, &empty.header, parent,
                                        RawDialogProc, 0);
    if (parent) MoveWindow(parent, 0, 0, kFormWidth, kFormHeight, FALSE);
  }
  return parent && MakeRawKeys(parent, count, seconds) ? parent : nullptr;
}

// A second of dragging the form's corner outwards at 60 frames a second: 60 sizes, 2
// pixels larger each, every one painted before the next, from a form made 120 pixels
// smaller first.
double DragSeconds(HWND form) {
  constexpr int kSteps = 60, kStep = 2;
  const auto size = [&](int step) {
    SetWindowPos(form, nullptr, 0, 0, kFormWidth - kStep * (kSteps - step),
                 kFormHeight - kStep * (kSteps - step), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(form, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  };
  size(0);
  const double started = Now();
  for (int step = 1; step <= kSteps; ++step) size(step);
  return Now() - started;
}

void Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const bool utf8 = argc >= 3 && std::strcmp(argv[1], "utf8") == 0;
  const bool library = utf8 || (argc >= 3 && std::strcmp(argv[1], "lib") == 0);
  const bool raw = argc >= 3 && std::strcmp(argv[1], "raw") == 0;
  const bool dialog = argc >= 3 && std::strcmp(argv[1], "dlg") == 0;
  const int count = argc >= 3 ? std::atoi(argv[2]) : 0;
  const int repeats = argc >= 4 ? std::max(1, std::atoi(argv[3])) : 5;
  if ((!library && !raw && !dialog) || count < 1) {
    std::fprintf(stderr, "usage: form_bench lib|utf8|raw|dlg N [REPEATS]\n");
    return 2;
  }
  if (utf8 && FX_TextEncodingSet("UTF-8")) return 1;

  double created = 0;
  const HWND parent =
      library ? MakeLibraryForm(count, created) : MakeRawForm(count, dialog, created);
  if (!parent) {
    std::fprintf(stderr, "the %d keys could not be made\n", count);
    return 1;
  }
  Pump();

  std::vector<double> repaints;
  for (int i = 0; i < repeats; ++i) {
    const double started = Now();
    RedrawWindow(parent, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    repaints.push_back(Now() - started);
  }

  // A message is sent as the window takes it: through a conversion, a message of the
  // other kind would cost more than the program pays.
  const auto send = IsWindowUnicode(parent) ? SendMessageW : SendMessageA;
  const int moves = 400 * repeats;
  const double movesStarted = Now();
  for (int i = 0; i < moves; ++i)
    send(parent, WM_MOUSEMOVE, 0, MAKELPARAM(i % kFormWidth, i % kFormHeight));
  const double moved = (Now() - movesStarted) / moves;

  const HWND middle = FindWindowExA(parent, nullptr, "Button", KeyName((count + 1) / 2).c_str());
  std::vector<double> clickTimes;
  for (int i = 0; i < 40 * repeats; ++i) {
    const double started = Now();
    send(middle, BM_CLICK, 0, 0);
    clickTimes.push_back(Now() - started);
  }
  if (clicks != 40 * repeats) {
    std::fprintf(stderr, "%d of %d clicks arrived\n", clicks, 40 * repeats);
    return 1;
  }
  std::printf("create_ms %.2f\nrepaint_ms %.2f\nmove_us %.2f\nclick_us %.1f\n", created * 1000,
              Median(repaints) * 1000, moved * 1e6, Median(clickTimes) * 1e6);
  std::vector<double> drags;
  for (int i = 0; i < repeats; ++i) drags.push_back(DragSeconds(parent));
  std::printf("drag_ms %.2f\n", Median(drags) * 1000);
  return 0;
}
