// The painting share of the form dialog procedure: the colours of edit fields and the
// whole face of the owner-drawn items (STATIC, RECT, BUTTON), from their records.
#ifndef FENWIX_FORMPROC_FORM_PAINT_H
#define FENWIX_FORMPROC_FORM_PAINT_H

#include <windows.h>

#include <string>

#include "fenwix/registry/registry.h"

// WM_CTLCOLOREDIT for the item's edit field, and in the dark theme WM_CTLCOLORSTATIC for
// a check box, a read-only field or a disabled combo box: sets the text and background colours of the
// device context and returns the background brush, 0 when the control is no item. The
// item's brushes are recorded in backBrush and textBrush; those of the previous message
// are released, so a returned brush stays valid until the next colour message for the
// same control and the form's close releases the last pair.
INT_PTR FormColorEdit(const std::string& formName, const std::string& itemName, HDC dc);

// WM_DRAWITEM: paints the item whose control is the one of `draw`: colours, font, border
// and text, and for a BUTTON its focus rectangle and the status-bar text. Returns 1, or 0
// when the control is not an owner-drawn item of the form.
INT_PTR FormDrawItem(const std::string& formName, const FormDef& form, const DRAWITEMSTRUCT& draw);

#endif
