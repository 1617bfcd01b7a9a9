#include "fenwix/grid/window_subclass.h"

#include <map>

#include "fenwix/platform/platform.h"

namespace {

// The few windows subclassed at a time: each grid's list view and its open edit field.
std::map<HWND, WNDPROC>& Originals() {
  static std::map<HWND, WNDPROC> originals;
  return originals;
}

}  // namespace

void Subclass(HWND window, WNDPROC procedure) {
  const LONG_PTR original =
      os::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
  if (original) Originals()[window] = reinterpret_cast<WNDPROC>(original);
}

LRESULT CallOriginal(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto it = Originals().find(window);
  if (it == Originals().end()) return os::DefWindowProcA(window, message, wParam, lParam);
  const WNDPROC original = it->second;
  if (message == WM_NCDESTROY) Originals().erase(it);
  return os::CallWindowProcW(original, window, message, wParam, lParam);
}
