// The dialog procedure shared by every form.
#ifndef FENWIX_FORMPROC_FORM_PROC_H
#define FENWIX_FORMPROC_FORM_PROC_H

#include <windows.h>

// Serves the form whose dialog the window is (while the dialog is being created, the
// current form): offers each message to the application as "BEFORE", then handles it.
// Result 4 for every message of a dialog that serves no form, a closed one's included.
INT_PTR CALLBACK FX_FormProcIntl(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
