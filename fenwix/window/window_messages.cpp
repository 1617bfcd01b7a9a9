// FX_WindowMessageAuto: the quit message on destroy, the vertical scroll bar hidden when
// the content fits, and scrolling by whole lines; FX_WindowRedrawIntl repaints after it.
#include "fenwix/window/window_messages.h"

#include "fenwix/error/procedure_context.h"
#include "fenwix/error/reported.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"
#include "fenwix/window/scroll_view.h"

namespace {

ErrorCode Resized(const WindowDef& window) {
  RECT client;
  if (!os::GetClientRect(window.handle, &client)) return Reported(1005);
  if (window.contentHeight < client.bottom && window.firstLine == 0 &&
      !os::ShowScrollBar(window.handle, SB_VERT, FALSE))
    return Reported(1017);
  return 0;
}

ErrorCode Scrolled(WindowDef window, WPARAM wParam) {
  const ScrollView before{window.firstLine, window.lastLine};
  const ScrollView after = MoveView(before, LOWORD(wParam), HIWORD(wParam), window.lineCount);
  window.firstLine = after.firstLine;
  window.lastLine = after.lastLine;
  StoreWindowDef(TheRegistry().CurrentWindowName, window);
  if (after.firstLine == before.firstLine) return 0;

  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = static_cast<int>(static_cast<unsigned>(window.lineCount) - 1u);
  info.nPage = static_cast<unsigned>(after.lastLine) - static_cast<unsigned>(after.firstLine) + 1u;
  info.nPos = after.firstLine;
  os::SetScrollInfo(window.handle, SB_VERT, &info, TRUE);
  return FX_WindowRedrawIntl();
}

}  // namespace

ErrorCode FX_WindowMessageAuto(UINT message, WPARAM wParam) {
  ProcedureErrorContext context("", "FX_WindowMessageAuto");
  const WindowDef window = FindWindowDef(TheRegistry().CurrentWindowName);
  switch (message) {
    case WM_DESTROY:
      os::PostQuitMessage(0);
      return 0;
    case WM_SIZE:
      return Resized(window);
    case WM_VSCROLL:
      return Scrolled(window, wParam);
    default:
      return 0;
  }
}

ErrorCode FX_WindowRedrawIntl() {
  const WindowDef window = FindWindowDef(TheRegistry().CurrentWindowName);
  if (!window.handle) return Reported(4);
  if (!os::InvalidateRect(window.handle, nullptr, TRUE)) return Reported(1019);
  if (!os::UpdateWindow(window.handle)) return Reported(1018);
  return 0;
}
