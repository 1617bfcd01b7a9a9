// A form's life, held in one place: its state (declared, opening, open, closing, closed),
// its dialog handle, which form is current and where the keyboard goes when a form ends.
// Creation, the close and the final destroy report what happened here; nothing else
// writes a form's handle, its state or the current form.
#ifndef FENWIX_WINDOW_FORM_LIFE_H
#define FENWIX_WINDOW_FORM_LIFE_H

#include <windows.h>

#include <string>

#include "fenwix/registry/registry.h"

// Opening, open or closing: the form has a dialog, or is about to have one.
bool IsFormAlive(const FormDef& form);
// Opening or open: the form takes the program's calls (its close has not begun).
bool IsFormOnScreen(const FormDef& form);

// FX_FormCreate is called: the form named is current from its first step, even when the
// call then fails.
void FormCreateStarts(const std::string& formName);

// FX_FormCreate's checks passed: the new record is stored as opening, without a dialog, and the
// form becomes current.
void FormOpening(const std::string& formName, FormDef record);

// The form a modal form opened now is opened from: the form whose event is running
// (the innermost, when events nest), or else the active form, or, with no window of the
// program active, the current form. Empty when it is opened from no form.
std::string ModalOpener();

// The window a modal form opened from opener is owned by, so that the platform disables
// exactly the chain below it: the top-level window of the opener's dialog, or else the
// main window.
HWND ModalOwner(const std::string& opener);

// The form a dialog serves: the one that recorded it, or else, at the dialog's first
// message, the current form while it is opening without a dialog, which records it then.
// Empty for a dialog of no form.
std::string FormOfDialog(HWND dialog);

// The form's dialog has handled its start: an opening form is open from now on.
void FormStarted(const std::string& formName);

// FX_FormCreate is done with the platform's call; dialog is what a modeless creation
// returned (null for a modal one). What the form then is:
enum class OpenResult { kOpen, kClosedWhileOpening, kNeverMade };
OpenResult FormOpened(const std::string& formName, HWND dialog);

// The form's close has begun: its fields' exits are no longer the user's, and whether the
// keyboard was inside it is remembered for its end.
void FormClosing(const std::string& formName);

// The form's dialog is gone (or will never be destroyed by its close): the form is closed,
// forgets its handles, the latest open form becomes current if this one was, and the
// keyboard, if it was inside this form, goes to the form that opened it when it is a
// modal form whose opener is still open, else to the current form. Once per close.
void FormEnded(const std::string& formName);

// The control that has the keyboard focus now, remembered for the window named.
void RememberFocus(const std::string& windowName, HWND focus);

// The control of an open form to give the keyboard: the one that last had it while it
// can still take it, else the form's first tab stop. Null when there is none.
HWND FocusTarget(const std::string& formName);

// The current form's dialog while the form is opening or open, else null.
HWND CurrentFormDialog();

#endif
