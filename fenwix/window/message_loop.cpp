// FX_MessageLoop: the application's message loop, with the dialog manager's keyboard
// navigation while a form is current.
#include "fenwix/fenwix.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"

namespace {

// The window whose children the Tab and arrow keys move between: the one the library
// works on (the main window, which holds the form), and only while a form is current.
HWND NavigationWindow() {
  const Registry& registry = TheRegistry();
  if (registry.CurrentFormName.empty()) return nullptr;
  return FindWindowDef(registry.CurrentWindowName).handle;
}

}  // namespace

int FX_MessageLoop() {
  MSG message;
  for (;;) {
    const BOOL got = os::GetMessageA(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    // -1: the queue could not be read and message holds nothing; looping on would spin
    // on garbage for ever.
    if (got == -1) return -1;
    const HWND navigation = NavigationWindow();
    if (navigation && os::IsWindow(navigation) && os::IsDialogMessageA(navigation, &message))
      continue;
    os::TranslateMessage(&message);
    os::DispatchMessageA(&message);
  }
}
