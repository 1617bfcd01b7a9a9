// Keys typed into a form, offered to the form's callback as "ITEMKEY" before the dialog
// manager sees them.
#ifndef FENWIX_WINDOW_FORM_KEYS_H
#define FENWIX_WINDOW_FORM_KEYS_H

#include <windows.h>

#include <string>

// The name of the form whose dialog is the window or holds it, or the empty text.
std::string FormHoldingWindow(HWND window);

// The item of the form whose control is the focus window or holds it, as a combo box holds
// its edit field. Empty for the dialog itself and for a window outside it.
std::string FocusedItemName(const std::string& formName, HWND dialog, HWND focus);

// For a key message (key down, system key down, character) sent to a window of the form
// named (FormHoldingWindow of the message's window): raises "ITEMKEY" to that form with
// the focused item's name and the message as it is, and says whether the callback's
// non-zero answer consumed the key. Any other message, or no form, is left alone.
bool KeyTakenByForm(const std::string& formName, const MSG& message);

// A character typed with Alt (WM_SYSCHAR) that a BUTTON's caption underlines ("&OK" for
// Alt+O) presses that button, as a click does: the dialog manager knows only the
// controls' own texts, and an owner-drawn button's is its item's name.
bool PressedByMnemonic(const std::string& formName, const MSG& message);

// Hands the message to the dialog manager of the dialog, as IsDialogMessage does, and says
// whether it took it. While it does, the key message it is working on is known: a command
// that the dialog manager makes of Return or Escape is told from the same command made by
// anything else (a WM_CLOSE, a program's own message) by this alone.
bool DialogManagerTook(HWND dialog, MSG& message);

// The dialog manager is working on the key-down of this virtual key now.
bool DialogKeyUnderWay(WPARAM virtualKey);

// While one exists, keys typed into a modal form, which the platform's own dialog loop
// reads, are offered to its form as the library's loop offers them. Nests.
class ModalFormKeys {
 public:
  ModalFormKeys();
  ~ModalFormKeys();
  ModalFormKeys(const ModalFormKeys&) = delete;
  ModalFormKeys& operator=(const ModalFormKeys&) = delete;
};

#endif
