// The table of platform operations, filled with the real Win32 functions.
#include "fenwix/platform/platform.h"

namespace os {
namespace {

// comctl32 is loaded through the table, so that a test can refuse it.
BOOL WINAPI LoadedInitCommonControlsEx(const INITCOMMONCONTROLSEX* controls) {
  const HMODULE module = table().LoadLibraryA("comctl32.dll");
  if (!module) return FALSE;
  // GetProcAddress's type says nothing of the function's; its name says what it is.
  const auto call = reinterpret_cast<decltype(&::InitCommonControlsEx)>(
      reinterpret_cast<void*>(table().GetProcAddress(module, "InitCommonControlsEx")));
  return call && call(controls);
}

UINT WINAPI FoundGetDpiForWindow(HWND window) {
  const HMODULE module = table().GetModuleHandleA("user32.dll");
  const auto call = reinterpret_cast<decltype(&::GetDpiForWindow)>(
      reinterpret_cast<void*>(module ? table().GetProcAddress(module, "GetDpiForWindow") : nullptr));
  return call ? call(window) : 0;
}

Table MakeRealTable() {
  Table t;
#define FENWIX_REAL_ENTRY(name) t.name = &::name;
  FENWIX_LINKED_CALLS(FENWIX_REAL_ENTRY)
#undef FENWIX_REAL_ENTRY
  t.InitCommonControlsEx = &LoadedInitCommonControlsEx;
  t.GetDpiForWindow = &FoundGetDpiForWindow;
  return t;
}

}  // namespace

const Table& real() {
  static const Table realTable = MakeRealTable();
  return realTable;
}

Table& table() {
  static Table current = real();
  return current;
}

}  // namespace os
