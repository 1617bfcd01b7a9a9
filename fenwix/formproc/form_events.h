// WM_COMMAND of a form: clicks on buttons and check boxes, focus changes, the exit from a
// field with its validation, and the commands of the dialog manager.
#ifndef FENWIX_FORMPROC_FORM_EVENTS_H
#define FENWIX_FORMPROC_FORM_EVENTS_H

#include <windows.h>

#include <string>

// The texts the exit from a refused field leaves in the status bar.
#include "fenwix/error/status_text.h"
#include "fenwix/fenwix.h"

// The check OK makes before it closes a form: 0 when every field the user can reach is
// acceptable; otherwise the first failing field in sequence order takes the focus, the
// status bar says why, and the result is that field's validation code.
ErrorCode CheckForm(const std::string& formName);

INT_PTR FormCommand(HWND dialog, const std::string& formName, WPARAM wParam, LPARAM lParam);

// Shared by WM_COMMAND and WM_SYSCOMMAND: Return moves to the next control, SC_CLOSE
// closes the form, anything else (Escape's IDCANCEL included) is left alone.
INT_PTR FormDialogCommand(HWND dialog, const std::string& formName, WPARAM command);

#endif
