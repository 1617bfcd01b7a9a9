// The brush that paints a form's background: one per form, made again only when the
// form's colour changes, released when the form closes.
#ifndef FENWIX_FORMPROC_FORM_BACKGROUND_H
#define FENWIX_FORMPROC_FORM_BACKGROUND_H

#include <windows.h>

#include <string>

// WM_CTLCOLORDLG: the brush of the form's background (its BKCOL, else the theme's), or 0 (1028 reported) when none can
// be made. A brush returned stays valid until the next WM_CTLCOLORDLG of the form.
INT_PTR FormBackground(const std::string& formName);

// Deletes the form's brush, if it has one.
void ReleaseFormBackground(const std::string& formName);

#endif
