// FX_WindowTitleSet and FX_WindowMove: a registered window's title, and its place and
// size within the work area (main window) or the main window's client area (the others).
#include <string>

#include "fenwix/error/error_context.h"
#include "fenwix/error/reported.h"
#include "fenwix/fenwix.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"
#include "fenwix/text/window_text.h"

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

ErrorCode FX_WindowMove(std::string name, int x, int y, int width, int height) {
  SaveErrorContext();
  SetErrorContext(name, "FX_WindowMove");
  WindowDef record = FindWindowDef(name);
  if (!record.handle) return Reported(4);

  if (name == TheRegistry().MainWindowName) {
    // Screen coordinates: the position is the caller's, the size at most the work
    // area's right and bottom edges.
    RECT workArea;
    if (!os::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0)) return Reported(1004);
    record.x = x;
    record.y = y;
    record.width = FitSize(width, workArea.right);
    record.height = FitSize(height, workArea.bottom);
  } else {
    // The main window's client coordinates; a position outside them keeps the old one.
    const WindowDef mainWindow = FindWindowDef(TheRegistry().MainWindowName);
    if (!mainWindow.handle) return Reported(4);
    RECT client;
    if (!os::GetClientRect(mainWindow.handle, &client)) return Reported(1005);
    if (x >= 0 && x < client.right) record.x = x;
    if (y >= 0 && y < client.bottom) record.y = y;
    record.width = FitSize(width, client.right);
    record.height = FitSize(height, client.bottom);
  }

  // Stored before the move, which sends WM_SIZE to a procedure that may read it.
  StoreWindowDef(name, record);
  if (!os::MoveWindow(record.handle, record.x, record.y, record.width, record.height, TRUE))
    return Reported(1012);
  os::ShowWindow(record.handle, SW_SHOWNORMAL);
  RestoreErrorContext();
  return 0;
}
