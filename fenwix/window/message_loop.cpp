// FX_MessageLoop: the application's message loop, with the dialog manager's keyboard
// navigation while a form is current.
#include "fenwix/fenwix.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"

namespace {

// The window whose children the Tab and arrow keys move between, only while a form is
// current: the form's own dialog when it has one on the screen, else the window the
// library works on (the main window, which holds the form). The dialog manager sends the
// Return key's IDOK to the window it is given, so only the form's dialog lets the form
// move on to its next field; and a framed form is no child of the main window at all.
HWND NavigationWindow() {
  const Registry& registry = TheRegistry();
  if (registry.CurrentFormName.empty()) return nullptr;
  const HWND dialog = FindWindowDef(registry.CurrentFormName).handle;
  if (dialog && os::IsWindow(dialog)) return dialog;
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
