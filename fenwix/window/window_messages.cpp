// FX_WindowMessageAuto: the quit message on destroy, the vertical scroll bar hidden when
// the content fits, scrolling by whole lines, and the keyboard focus kept in the forms;
// FX_WindowRedrawIntl repaints after a scroll.
#include "fenwix/window/window_messages.h"

#include "fenwix/error/procedure_context.h"
#include "fenwix/error/reported.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"
#include "fenwix/window/form_life.h"
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

// The window loses the keyboard to another window: the control of one of its forms that
// has the focus now is the one to give it back to.
void Deactivated(const WindowDef& window) {
  const HWND focus = os::GetFocus();
  RememberFocus(TheRegistry().CurrentWindowName,
                focus && os::IsChild(window.handle, focus) ? focus : nullptr);
}

// The window has the keyboard: the platform gives it to the window itself (after a modal
// form closes, or when the user comes back from another program), where no form sees a
// key. It goes on to the control that last had it, or else to the current form's first
// control that can take it.
void Focused(const WindowDef& window) {
  HWND target = window.focus;
  if (!target || !os::IsChild(window.handle, target) || !os::IsWindowVisible(target) ||
      !os::IsWindowEnabled(target)) {
    const HWND dialog = CurrentFormDialog();
    target = dialog && os::IsChild(window.handle, dialog)
                 ? FocusTarget(TheRegistry().CurrentFormName) : nullptr;
  }
  if (target) os::SetFocus(target);
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
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE && window.handle) Deactivated(window);
      return 0;
    case WM_SETFOCUS:
      if (window.handle) Focused(window);
      return 0;
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
