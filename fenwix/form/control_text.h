// The text a control shows, read whole.
#ifndef FENWIX_FORM_CONTROL_TEXT_H
#define FENWIX_FORM_CONTROL_TEXT_H

#include <windows.h>

#include <string>

// The whole text of a control, however long; empty for none or no control.
std::string ControlText(HWND control);

#endif
