// FX_MessageLoop: the application's message loop. A key typed into a form goes to the
// form's callback first, then to the dialog manager's keyboard navigation.
#include "fenwix/fenwix.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"
#include "fenwix/window/form_keys.h"
#include "fenwix/window/form_life.h"
#include "fenwix/text/encoding.h"

namespace {

// The window whose children the Tab and arrow keys move between, for a message to a
// window that the form named holder holds (none for ""). A key typed into a form's
// control is the business of that form's dialog, whichever form is current. Any
// other message of a form's dialog goes to it too; the Return key's IDOK is sent to the
// dialog given, so only the form's own dialog lets the form move on to its next field.
// For the rest, while a form is current: its dialog when it has one on the screen, else
// the window the library works on (the main window, which holds the form).
HWND NavigationWindow(const std::string& holder) {
  if (!holder.empty()) return FindWindowDef(holder).handle;
  const Registry& registry = TheRegistry();
  if (registry.CurrentFormName.empty()) return nullptr;
  const HWND dialog = CurrentFormDialog();
  if (dialog) return dialog;
  return FindWindowDef(registry.CurrentWindowName).handle;
}

}  // namespace

int FX_MessageLoop() {
  MSG message;
  for (;;) {
    // In UTF-8 mode a character is read, filtered and handed on whole, as UTF-16.
    const bool wide = Utf8Text();
    const BOOL got = wide ? os::GetMessageW(&message, nullptr, 0, 0)
                          : os::GetMessageA(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    // -1: the queue could not be read and message holds nothing; looping on would spin
    // on garbage for ever.
    if (got == -1) return -1;
    const std::string holder = FormHoldingWindow(message.hwnd);
    if (KeyTakenByForm(holder, message) || PressedByMnemonic(holder, message)) continue;
    if (DialogManagerTook(NavigationWindow(holder), message)) continue;
    os::TranslateMessage(&message);
    if (wide) {
      os::DispatchMessageW(&message);
    } else {
      os::DispatchMessageA(&message);
    }
  }
}
