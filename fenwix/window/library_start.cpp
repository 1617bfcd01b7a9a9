// Library start-up: forgets every record, then checks what the platform must offer. The
// language and the error handler are the program's choices, often made before its main
// window starts the library, so they are kept. The common controls wait for the first
// form that needs them.
#include "fenwix/window/library_start.h"

#include "fenwix/error/error_context.h"
#include "fenwix/error/reported.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"
#include "fenwix/window/library_state.h"

ErrorCode FX_ResetFenwixIntl() {
  SaveErrorContext();
  SetErrorContext("", "FX_ResetFenwixIntl");

  LibraryState& library = TheLibrary();
  library.initialised = false;
  ResetRegistry();

  library.instance = os::GetModuleHandleA(nullptr);
  if (!library.instance) return Reported(1018);

  // A zero metric means the platform offers no scroll bars to lay out.
  if (os::GetSystemMetrics(SM_CYHSCROLL) == 0) return Reported(1002);
  if (os::GetSystemMetrics(SM_CYVSCROLL) == 0) return Reported(1002);

  library.commonControls = false;
  library.initialised = true;
  RestoreErrorContext();
  return 0;
}

void LoadCommonControls() {
  LibraryState& library = TheLibrary();
  if (library.commonControls) return;
  // The eight lowest class flags: list view, tree view, bars (the status bar among
  // them), tabs, up-down, progress, hot key and animation; and the month calendar.
  INITCOMMONCONTROLSEX controls;
  controls.dwSize = sizeof controls;
  controls.dwICC = 0xFF | ICC_DATE_CLASSES;
  library.commonControls = os::InitCommonControlsEx(&controls);
  if (!library.commonControls) ReportError(1038);
}
