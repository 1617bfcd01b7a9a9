// FX_WindowTitleSet and FX_WindowMove: a registered window's title, and its place and
// size within the work area (main window) or the main window's client area (the others),
// given at 96 DPI and scaled to the window's.
#include <string>
#include <vector>

#include "fenwix/error/error_context.h"
#include "fenwix/error/reported.h"
#include "fenwix/fenwix.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"
#include "fenwix/text/window_text.h"
#include "fenwix/window/window_dpi.h"
#include "fenwix/window/window_messages.h"

namespace {

// A size below 1 or beyond the limit means as large as the limit allows.
int FitSize(int size, LONG limit) { return size >= 1 && size <= limit ? size : limit; }

}  // namespace

ErrorCode FX_WindowTitleSet(std::string name, std::string title) {
  SaveErrorContext();
  SetErrorContext(name, "FX_WindowTitleSet");
  if (name.empty()) return 1;
  WindowDef record = FindWindowDef(name);
  if (!record.handle) return 4;
  if (!SetControlText(record.handle, title)) return Reported(1003);
  // The window procedure may have stored the record while the title changed. A form's
  // record keeps its name: that is the form's key, which its events and item look-ups
  // use; the title is only what the user sees.
  if (name == TheRegistry().MainWindowName) {
    record = FindWindowDef(name);
    record.name = title;
    StoreWindowDef(name, record);
  }
  RestoreErrorContext();
  return 0;
}

void MainWindowDpiChanged(HWND handle, const RECT* suggested) {
  const WindowDef window = FindWindowDef(TheRegistry().MainWindowName);
  RECT shown;
  if (!handle || handle != window.handle || !os::GetWindowRect(handle, &shown)) return;
  const std::int32_t dpi = WindowDpi(handle);
  if (suggested)
    os::MoveWindow(handle, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, TRUE);
  else
    os::MoveWindow(handle, shown.left, shown.top, ScaledLength(window.width, dpi),
                   ScaledLength(window.height, dpi), TRUE);
  // The forms inside it follow; the platform may tell them too, and a form already at its
  // window's DPI does nothing. Listed first: a form's callback may open or close forms.
  std::vector<HWND> forms;
  for (const auto& [name, form] : TheRegistry().windows)
    if (form.handle && form.handle != window.handle && os::IsChild(window.handle, form.handle))
      forms.push_back(form.handle);
  for (const HWND form : forms) os::SendMessageA(form, WM_DPICHANGED_AFTERPARENT, 0, 0);
}

ErrorCode FX_WindowMove(std::string name, int x, int y, int width, int height) {
  SaveErrorContext();
  SetErrorContext(name, "FX_WindowMove");
  WindowDef record = FindWindowDef(name);
  if (!record.handle) return Reported(4);

  // Everything here is in pixels at 96 DPI, the limits too; the window moves in its own.
  const std::int32_t dpi = WindowDpi(record.handle);
  if (name == TheRegistry().MainWindowName) {
    // Screen coordinates: the position is the caller's, the size at most the work
    // area's right and bottom edges.
    RECT workArea;
    if (!os::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0)) return Reported(1004);
    record.x = x;
    record.y = y;
    record.width = FitSize(width, UnscaledLength(workArea.right, dpi));
    record.height = FitSize(height, UnscaledLength(workArea.bottom, dpi));
  } else {
    // The main window's client coordinates; a position outside them keeps the old one.
    const WindowDef mainWindow = FindWindowDef(TheRegistry().MainWindowName);
    if (!mainWindow.handle) return Reported(4);
    RECT client;
    if (!os::GetClientRect(mainWindow.handle, &client)) return Reported(1005);
    const LONG right = UnscaledLength(client.right, dpi);
    const LONG bottom = UnscaledLength(client.bottom, dpi);
    if (x >= 0 && x < right) record.x = x;
    if (y >= 0 && y < bottom) record.y = y;
    record.width = FitSize(width, right);
    record.height = FitSize(height, bottom);
  }

  // Stored before the move, which sends WM_SIZE to a procedure that may read it.
  StoreWindowDef(name, record);
  const PixelRect r = ScaledRect({record.x, record.y, record.width, record.height}, dpi);
  if (!os::MoveWindow(record.handle, r.x, r.y, r.width, r.height, TRUE)) return Reported(1012);
  os::ShowWindow(record.handle, SW_SHOWNORMAL);
  RestoreErrorContext();
  return 0;
}
