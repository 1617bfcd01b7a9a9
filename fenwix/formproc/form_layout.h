// Where a form's frame and its items' controls go: at the form's DPI, after a resize that
// moves the anchored ones, and again after a change of DPI.
#ifndef FENWIX_FORMPROC_FORM_LAYOUT_H
#define FENWIX_FORMPROC_FORM_LAYOUT_H

#include <windows.h>

#include <string>
#include <vector>

#include "fenwix/registry/registry.h"

// The frame of a starting form made exactly its declared size at its DPI, which the dialog
// template's units only come near: a framed form keeps its centre, a form inside the main
// window its declared place.
void FitFrame(HWND dialog, const FormDef& form);

// The form's controls with their declared rectangles: every one, or only those anchored
// to an edge other than the left and top.
std::vector<AnchoredControl> FormControls(const std::string& formName, bool anchoredOnly);

// WM_SIZE: the anchored items follow the new client size, and the status bar takes its
// place along the bottom. 1 with a status bar, else 0.
INT_PTR FormSize(const std::string& formName, int width, int height);

// WM_GETMINMAXINFO: the frame may not be dragged smaller than MINSIZE's client size. 1
// when the form has a MINSIZE, else 0.
INT_PTR FormMinimumSize(const std::string& formName, HWND dialog, MINMAXINFO& limits);

// WM_DPICHANGED (suggested: the platform's new window rectangle for a framed form) and
// WM_DPICHANGED_AFTERPARENT (none: the form inside the main window): the frame and every
// control are placed again and their fonts made again at the dialog's new DPI; what the
// user typed, the focus and the selections stay. 1 when the DPI changed, else 0.
INT_PTR FormDpiChanged(HWND dialog, const std::string& formName, const RECT* suggested);

#endif
