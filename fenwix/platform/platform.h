// The one seam between the library and the Win32 API.
//
// Every platform operation the library uses is an entry of os::Table, initialised with
// the real function. Call sites read like Win32 (os::CreateSolidBrush(color)); a test
// swaps one entry for one scope with os::Override to reach a failure path or to count
// what is made and released:
//
//   static HGLOBAL WINAPI NoMemory(UINT, SIZE_T) { return nullptr; }
//   os::Override failAlloc(&os::Table::GlobalAlloc, NoMemory);
//
// Win32 functions are __stdcall on i386, so a replacement must be a WINAPI function.
#ifndef FENWIX_PLATFORM_PLATFORM_H
#define FENWIX_PLATFORM_PLATFORM_H

#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>
#include <dwmapi.h>
#include <uxtheme.h>

#include <utility>

// The calls linked into the program: kernel32, user32 and gdi32, in that order.
#define FENWIX_LINKED_CALLS(X)                                                            \
  X(GetModuleHandleA) X(GlobalAlloc) X(GlobalLock) X(GlobalUnlock)  \
  X(GlobalFlags) X(GlobalFree) X(LoadLibraryA) X(GetProcAddress) X(GetCurrentThreadId)    \
  X(MultiByteToWideChar) X(WideCharToMultiByte) X(ReadFile) X(CloseHandle)               \
  X(MulDiv) X(GetLastError) X(FormatMessageA) X(LocalFree)                                \
  X(MessageBoxA) X(PostQuitMessage) X(PostMessageA) X(SendMessageA) X(GetSystemMetrics)   \
  X(SystemParametersInfoA) X(LoadCursorA) X(RegisterClassExA) X(CreateWindowExA)          \
  X(DestroyWindow) X(SetWindowTextA) X(GetClientRect) X(MoveWindow)                     \
  X(ShowWindow) X(EnableWindow) X(IsWindow) X(SetFocus) X(GetKeyState) X(ShowScrollBar)   \
  X(GetFocus) X(IsChild) X(IsWindowEnabled) X(IsWindowVisible) X(GetNextDlgTabItem)       \
  X(GetAncestor) X(GetActiveWindow) X(GetWindowRect) X(BeginDeferWindowPos) X(DeferWindowPos) \
  X(EndDeferWindowPos)                                                                    \
  X(GetWindowTextA) X(GetWindowTextLengthA) X(GetParent) X(SetWindowsHookExA)             \
  X(UnhookWindowsHookEx) X(CallNextHookEx) X(DefWindowProcA)                              \
  X(SetScrollInfo) X(InvalidateRect) X(UpdateWindow) X(RedrawWindow) X(GetUpdateRgn)         \
  X(GetMessageA)       \
  X(IsDialogMessageA) X(TranslateMessage) X(DispatchMessageA) X(GetDialogBaseUnits)       \
  X(DialogBoxIndirectParamA) X(CreateDialogIndirectParamA) X(EndDialog) X(GetSysColor)    \
  X(DrawTextA) X(DrawFocusRect) X(DrawEdge)                                               \
  X(CreateSolidBrush) X(CreatePen) X(ExtCreatePen) X(CreateFontA) X(CreateRectRgn)        \
  X(SelectObject)         \
  X(DeleteObject) X(GetDeviceCaps) X(SetTextColor) X(SetBkColor) X(Rectangle)             \
  X(MoveToEx) X(LineTo) X(SetWindowLongPtrA) X(LCMapStringW) X(FindNLSStringEx) X(OpenClipboard) X(GetDC)   \
  X(EmptyClipboard) X(SetClipboardData) X(CloseClipboard) X(ReleaseDC)                  \
  X(SetWindowLongPtrW) X(CallWindowProcW) X(CallWindowProcA) X(IsWindowUnicode)          \
  X(WindowFromDC) X(NotifyWinEvent) X(SetTimer) X(KillTimer) X(FillRect) X(SetClassLongPtrA)  \
  X(RegGetValueA) X(BeginPaint) X(EndPaint)                                               \
  X(GetWindowLongPtrA) X(SetWindowPos) X(GetWindowDC) X(DrawFrameControl)                 \
  X(MonitorFromRect) X(GetMonitorInfoA)                                                   \
  FENWIX_WIDE_CALLS(X)

// The wide (UTF-16) forms of the calls that carry a text: the UTF-8 mode's, and the
// module's path and form files' paths in both modes.
#define FENWIX_WIDE_CALLS(X)                                                                 \
  X(GetModuleFileNameW) X(FormatMessageW) X(MessageBoxW)             \
  X(SendMessageW) X(RegisterClassExW) X(CreateWindowExW) X(SetWindowTextW)                  \
  X(GetWindowTextW) X(GetWindowTextLengthW) X(SetWindowsHookExW) X(GetMessageW)             \
  X(IsDialogMessageW) X(DispatchMessageW) X(DialogBoxIndirectParamW)                        \
  X(CreateDialogIndirectParamW) X(DrawTextW) X(CreateFontW) X(DefWindowProcW)              \
  X(CreateFileW) X(GetFileAttributesExW)

// And the calls of the libraries loaded when first needed rather than with the program:
// loading them costs memory and start-up time that a program would pay for nothing when
// its forms have no status bar or grid (comctl32), or when no screen reader ever asks
// (oleacc, ole32 for the objects it hands over and oleaut32 for their texts). Without its
// library a call answers FALSE, E_NOTIMPL or a null text. GetDpiForWindow, which versions
// of the platform before the per-monitor DPI lack: there it answers 0. The dark title bar
// (dwmapi) and the controls' dark theme (uxtheme) are asked for only by the dark theme.
#define FENWIX_LOADED_CALLS(X)                                                              \
  X(InitCommonControlsEx) X(CreateStdAccessibleObject) X(LresultFromObject) X(SysAllocString) \
  X(CoInitializeEx) X(GetDpiForWindow) X(DwmSetWindowAttribute) X(SetWindowTheme)
#define FENWIX_PLATFORM_CALLS(X) FENWIX_LINKED_CALLS(X) FENWIX_LOADED_CALLS(X)

namespace os {

struct Table {
#define FENWIX_TABLE_ENTRY(name) decltype(&::name) name;
  FENWIX_PLATFORM_CALLS(FENWIX_TABLE_ENTRY)
#undef FENWIX_TABLE_ENTRY
};

// The table in force, and the real functions (for a replacement that counts and forwards).
Table& table();
const Table& real();

#define FENWIX_FORWARDER(name)                                        \
  template <class... Args>                                            \
  inline auto name(Args&&... args) {                                  \
    return table().name(std::forward<Args>(args)...);                 \
  }
FENWIX_PLATFORM_CALLS(FENWIX_FORWARDER)
#undef FENWIX_FORWARDER

// Replaces one entry of the table until the end of the scope.
template <class F>
class Override {
 public:
  Override(F Table::*slot, F replacement) : slot_(slot), saved_(table().*slot) {
    table().*slot_ = replacement;
  }
  ~Override() { table().*slot_ = saved_; }
  Override(const Override&) = delete;
  Override& operator=(const Override&) = delete;

 private:
  F Table::*slot_;
  F saved_;
};

}  // namespace os

#endif
