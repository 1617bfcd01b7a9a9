// A form's dialog starting: its frame at its DPI, its items' controls in sequence order
// and its status bar.
#ifndef FENWIX_FORMPROC_FORM_START_H
#define FENWIX_FORMPROC_FORM_START_H

#include <windows.h>

#include <string>

// WM_INITDIALOG: sizes the frame, creates the controls of items 1, 2, 3 ... up to the
// first missing number, then the status bar when the form has one. Result 1.
INT_PTR FormStart(HWND dialog, const std::string& formName);

#endif
