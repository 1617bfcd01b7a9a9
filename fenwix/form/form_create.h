// A declared form turned into a dialog. The dialog procedure that serves it lives in the
// layer above and is handed down: this layer makes the window, that one runs it.
#ifndef FENWIX_FORM_FORM_CREATE_H
#define FENWIX_FORM_FORM_CREATE_H

#include <windows.h>

#include <string>

#include "fenwix/fenwix.h"

// What FX_FormCreate does, with every dialog of the form served by procedure.
ErrorCode CreateFormDialog(std::string formName, std::string properties, int top, int left,
                           int width, int height, FormCallback callback, DLGPROC procedure);

#endif
