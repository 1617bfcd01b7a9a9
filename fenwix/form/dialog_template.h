// The dialog template of a form's frame, built in global memory for the platform's
// indirect dialog calls. It holds no controls: those are made when the dialog starts.
#ifndef FENWIX_FORM_DIALOG_TEMPLATE_H
#define FENWIX_FORM_DIALOG_TEMPLATE_H

#include <windows.h>

#include <string>

#include "fenwix/fenwix.h"

// Child form: visible child window without frame or caption.
inline constexpr DWORD kChildFormStyle = WS_CHILD | WS_VISIBLE;
// Framed form: a visible pop-up with caption, system menu, sizing border, minimise and
// maximise boxes, centred by the platform. Never DS_SETFONT: the dialog keeps the system
// font, whose base units are GetDialogBaseUnits', so the pixel sizes convert back exactly.
inline constexpr DWORD kFramedFormStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU |
                                          WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX |
                                          DS_CENTER | DS_MODALFRAME;

struct FormFrame {
  bool framed = true;
  std::string caption;
  int top = 0, left = 0, width = 0, height = 0;  // pixels
};

// On success, block is the unlocked template. 1015 and 1016 are reported, 1020 only
// returned; on every failure the block is already freed.
ErrorCode BuildDialogTemplate(const FormFrame& frame, HGLOBAL& block);

#endif
