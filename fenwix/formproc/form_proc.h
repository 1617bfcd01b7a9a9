// The dialog procedure shared by every form.
#ifndef FENWIX_FORMPROC_FORM_PROC_H
#define FENWIX_FORMPROC_FORM_PROC_H

#include <windows.h>

// Serves the form named by CurrentFormName (the window handle does not say which form it
// is): offers each message to the application as "BEFORE", then handles it. Result 4 for
// every message while no form is registered under that name.
INT_PTR CALLBACK FX_FormProcIntl(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
