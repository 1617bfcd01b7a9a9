// A form's dialog starting: its items' controls in sequence order and its status bar;
// and the status bar following the dialog's size.
#ifndef FENWIX_FORMPROC_FORM_START_H
#define FENWIX_FORMPROC_FORM_START_H

#include <windows.h>

#include <string>

// WM_INITDIALOG: creates the controls of items 1, 2, 3 ... up to the first missing
// number, then the status bar when the form has one. Result 1.
INT_PTR FormStart(HWND dialog, const std::string& formName);

// WM_SIZE: the anchored items follow the new client size, and the status bar takes its
// place along the bottom. 1 with a status bar, else 0.
INT_PTR FormSize(const std::string& formName, int width, int height);

// WM_GETMINMAXINFO: the frame may not be dragged smaller than MINSIZE's client size. 1
// when the form has a MINSIZE, else 0.
INT_PTR FormMinimumSize(const std::string& formName, HWND dialog, MINMAXINFO& limits);

#endif
