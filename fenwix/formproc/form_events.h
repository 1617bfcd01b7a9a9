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

// Brings in what the user is typing, as leaving it would, without checking the other
// fields: the focused field's exit (given once: leaving it afterwards with the same text
// gives none) and every grid's open edit. 0 when all was taken; else the refusing field's
// or cell's validation code, the focus staying there and the status bar saying why.
ErrorCode CommitForm(const std::string& formName);

// What OK and FX_FormCheck do before they accept a form: the commit, then the check of
// every field, whose first refusal in sequence order comes before the commit's own.
ErrorCode CommitAndCheckForm(const std::string& formName);

// DM_GETDEFID: a form with the keys of Windows names its OK button the default, so that
// the dialog manager makes Return a click on it. 0 when the form names none.
INT_PTR FormDefaultButton(HWND dialog, const std::string& formName);

INT_PTR FormCommand(HWND dialog, const std::string& formName, WPARAM wParam, LPARAM lParam);

// Shared by WM_COMMAND, WM_SYSCOMMAND and WM_CLOSE: Return moves to the next control,
// Escape presses CANCEL on a form with the keys of Windows, SC_CLOSE closes the form,
// anything else is left alone.
INT_PTR FormDialogCommand(HWND dialog, const std::string& formName, WPARAM command);

#endif
