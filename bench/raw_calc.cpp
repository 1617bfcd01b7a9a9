// The calculator written straight on Win32, without the library: the same seventeen
// controls at the same places, painted by their owner with the same colours, fonts and
// edges. It is the baseline the library's calculator is measured against.
#include <windows.h>

#include <cstdint>
#include <cstring>

#include "bench/raw_key.h"

namespace {

enum class Look { kTitle, kDisplay, kKey };

struct Item {
  const char* name;
  Look look;
  int x, y, width, height;
  COLORREF back;  // CLR_INVALID: the button face colour
  COLORREF text;
};

constexpr COLORREF kLightGrey = RGB(0xDF, 0xDF, 0xDF);
constexpr COLORREF kFace = CLR_INVALID;
constexpr int kIdBase = 100;

const Item kItems[] = {
    {"title", Look::kTitle, 5, 5, 230, 30, kLightGrey, RGB(0, 0, 255)},
    {"display", Look::kDisplay, 5, 20, 230, 30, RGB(255, 255, 255), RGB(0, 0, 0)},
    {"C/CE", Look::kKey, 122, 60, 80, 35, RGB(0, 255, 0), RGB(0, 0, 0)},
    {"7", Look::kKey, 32, 110, 35, 35, kFace, RGB(0, 0, 0)},
    {"8", Look::kKey, 77, 110, 35, 35, kFace, RGB(0, 0, 0)},
    {"9", Look::kKey, 122, 110, 35, 35, kFace, RGB(0, 0, 0)},
    {"*", Look::kKey, 167, 110, 35, 35, RGB(0, 255, 255), RGB(0, 0, 0)},
    {"4", Look::kKey, 32, 155, 35, 35, kFace, RGB(0, 0, 0)},
    {"5", Look::kKey, 77, 155, 35, 35, kFace, RGB(0, 0, 0)},
    {"6", Look::kKey, 122, 155, 35, 35, kFace, RGB(0, 0, 0)},
    {"-", Look::kKey, 167, 155, 35, 35, RGB(0, 255, 255), RGB(0, 0, 0)},
    {"1", Look::kKey, 32, 200, 35, 35, kFace, RGB(0, 0, 0)},
    {"2", Look::kKey, 77, 200, 35, 35, kFace, RGB(0, 0, 0)},
    {"3", Look::kKey, 122, 200, 35, 35, kFace, RGB(0, 0, 0)},
    {"+", Look::kKey, 167, 200, 35, 35, RGB(0, 255, 255), RGB(0, 0, 0)},
    {"0", Look::kKey, 32, 250, 80, 35, kFace, RGB(0, 0, 0)},
    {"=", Look::kKey, 122, 250, 80, 35, RGB(255, 0, 0), RGB(255, 255, 255)},
};
constexpr int kItemCount = sizeof kItems / sizeof kItems[0];

// Signed 32-bit arithmetic that wraps, computed on the unsigned bits.
struct Calculator {
  std::uint32_t accumulator = 0, entry = 0;
  bool entering = false;
  char pending = 0;
  char shown[16] = "0";

  void Show(std::uint32_t bits) {
    wsprintfA(shown, "%d", static_cast<int>(bits));
  }
  void Press(const char* key) {
    if (key[0] >= '0' && key[0] <= '9') {
      entry = entering ? entry * 10u + static_cast<std::uint32_t>(key[0] - '0')
                       : static_cast<std::uint32_t>(key[0] - '0');
      entering = true;
      Show(entry);
    } else if (std::strcmp(key, "C/CE") == 0) {
      *this = Calculator();
    } else {
      if (entering) {
        if (pending == '+') accumulator += entry;
        else if (pending == '-') accumulator -= entry;
        else if (pending == '*') accumulator *= entry;
        else accumulator = entry;
      }
      entering = false;
      pending = key[0];
      Show(accumulator);
    }
  }
};

Calculator calculator;
HFONT titleFont, displayFont;
HWND display;

HFONT MakeFont(HDC screen, const char* face, int points, bool bold) {
  return CreateFontA(-MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72), 0, 0, 0,
                     bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_SWISS, face);
}

void Draw(const DRAWITEMSTRUCT& draw) {
  const Item& item = kItems[draw.CtlID - kIdBase];
  HDC dc = draw.hDC;
  RECT rect = draw.rcItem;
  const COLORREF back = item.back == kFace ? GetSysColor(COLOR_BTNFACE) : item.back;
  if (item.look == Look::kKey) {
    PaintKey(draw, back, item.text, item.name);
    return;
  }
  const char* text = "Integer Calculator";
  HGDIOBJ previousFont = SelectObject(dc, titleFont);
  if (item.look == Look::kDisplay) {
    FillFace(dc, rect, back);
    DrawEdge(dc, &rect, EDGE_SUNKEN, BF_RECT);
    InflateRect(&rect, -2, -2);
    SelectObject(dc, displayFont);
    text = calculator.shown;
  }
  SetTextColor(dc, item.text);
  SetBkColor(dc, back);
  DrawTextA(dc, text, -1, &rect, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
  SelectObject(dc, previousFont);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DRAWITEM:
      Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED || HIWORD(wParam) == BN_DOUBLECLICKED) {
        const int index = LOWORD(wParam) - kIdBase;
        if (index >= 2 && index < kItemCount) {
          calculator.Press(kItems[index].name);
          // Painted before the click returns, as the library's calculator does.
          RedrawWindow(display, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        }
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

// "--tiny": shows the calculator and closes it at once, so that a test can see it run.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
  HDC screen = GetDC(nullptr);
  titleFont = MakeFont(screen, "Arial", 8, false);
  displayFont = MakeFont(screen, "Courier New", 16, true);
  ReleaseDC(nullptr, screen);

  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = CreateSolidBrush(kLightGrey);
  windowClass.lpszClassName = "RawCalc";
  if (!RegisterClassExA(&windowClass)) return 1;
  HWND window = CreateWindowExA(0, "RawCalc", "Numlet v1.0", WS_OVERLAPPEDWINDOW, 0, 0, 250,
                                350, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;

  for (int i = 0; i < kItemCount; ++i) {
    const Item& item = kItems[i];
    const bool key = item.look == Look::kKey;
    HWND control = CreateWindowExA(
        0, key ? "BUTTON" : "STATIC", item.name,
        WS_CHILD | WS_VISIBLE | (key ? WS_TABSTOP | BS_OWNERDRAW : SS_OWNERDRAW), item.x,
        item.y, item.width, item.height, window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdBase + i)), instance, nullptr);
    if (!control) return 1;
    if (item.look == Look::kDisplay) display = control;
  }
  ShowWindow(window, showCommand);
  UpdateWindow(window);
  if (std::strstr(commandLine, "--tiny")) PostMessageA(window, WM_CLOSE, 0, 0);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageA(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  DeleteObject(titleFont);
  DeleteObject(displayFont);
  return 0;
}
