// The main window's share of a change of theme. Its background is its class's brush,
// which the platform paints with: the brush is swapped for one of the new colour.
#include "fenwix/window/window_theme.h"

#include "fenwix/error/reported.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"
#include "fenwix/theme/theme.h"

void ShowMainWindowTheme() {
  const WindowDef window = FindWindowDef(TheRegistry().MainWindowName);
  if (!window.handle || !os::IsWindow(window.handle)) return;
  ThemeTitleBar(window.handle, DarkThemeActive());
  const HBRUSH brush = os::CreateSolidBrush(static_cast<COLORREF>(WindowBackColor(window)));
  if (!brush) {
    Reported(1028);
    return;
  }
  // The brush replaced is the library's own, made with the window.
  const auto previous = os::SetClassLongPtrA(window.handle, GCLP_HBRBACKGROUND,
                                             reinterpret_cast<LONG_PTR>(brush));
  if (previous) os::DeleteObject(reinterpret_cast<HBRUSH>(previous));
  os::RedrawWindow(window.handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}
