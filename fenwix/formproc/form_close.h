// Closing a form: its close reason, its status bar and dialog gone, its brushes released.
#ifndef FENWIX_FORMPROC_FORM_CLOSE_H
#define FENWIX_FORMPROC_FORM_CLOSE_H

#include <windows.h>

#include <string>

// The reason of a close that no button and no program named: the close box, Alt+F4.
inline constexpr char kCloseReason[] = "CLOSE";

// The close command (WM_SYSCOMMAND with SC_CLOSE): records "CLOSE" unless a reason is
// already recorded, destroys the status bar, ends a modal dialog or destroys a modeless
// one, empties CurrentFormName when it names the form, and releases the brushes of the
// form and its items. Failures (1037, 1025) are reported and the close goes on. Result 1.
INT_PTR FormClose(HWND dialog, const std::string& formName);

// Closes the form through its close command with a reason recorded first, so that the
// application sees the command and may refuse it; a refused close leaves the reason as it
// was. False when the form is still open afterwards.
bool CloseWithReason(HWND dialog, const std::string& formName, const std::string& reason);

// A dialog whose form has closed but which the platform has not destroyed yet (a modal
// dialog is taken down after EndDialog returns): it serves no form any more.
bool IsClosedDialog(HWND dialog);

// The platform is destroying the dialog: no form records it any more, whoever destroyed
// it (the close, or the main window taking its children with it).
void ForgetDialog(HWND dialog, const std::string& formName);

#endif
