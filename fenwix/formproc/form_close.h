// Closing a form: its close reason, its status bar and dialog gone, its brushes released.
#ifndef FENWIX_FORMPROC_FORM_CLOSE_H
#define FENWIX_FORMPROC_FORM_CLOSE_H

#include <windows.h>

#include <string>

// The reason of a close that no button and no program named: the close box, Alt+F4.
inline constexpr char kCloseReason[] = "CLOSE";

// The close command (WM_SYSCOMMAND with SC_CLOSE) of a form that is opening or open:
// records "CLOSE" unless a reason is already recorded, destroys the status bar, and ends a
// modal dialog or destroys a modeless one. Failures (1037, 1025) are reported and the form
// is closed all the same. Result 1.
INT_PTR FormClose(HWND dialog, const std::string& formName);

// Closes the form through its close command with a reason recorded first, so that the
// application sees the command and may refuse it; a refused close leaves the reason as it
// was. False when the form is still open afterwards.
bool CloseWithReason(HWND dialog, const std::string& formName, const std::string& reason);

// The form's dialog is being destroyed (WM_DESTROY), its controls not yet: each field's
// text and each check box's tick are kept in the item's record, for the program to read
// after the close until the form is created again.
void KeepShownValues(const std::string& formName);

// The form's dialog is being destroyed (WM_NCDESTROY), by its close or with the main
// window: the brushes of the form and its items are released, their handles forgotten,
// and the form is closed.
void FormDestroyed(const std::string& formName);

#endif
