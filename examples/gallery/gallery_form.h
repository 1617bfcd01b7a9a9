// The gallery's main form, "gallery": one item of every type and field type in three
// columns (labels and borders, fields, buttons), the grids behind its "Orders..." button,
// and the callback that answers it.
#ifndef GALLERY_GALLERY_FORM_H
#define GALLERY_GALLERY_FORM_H

#include "fenwix/fenwix.h"

namespace gallery {

// Opens the form as its file declares it: a frameless child of the main window, with a
// status bar.
ErrorCode CreateGalleryForm();

// Colours the "Details..." button red while the details form says urgent, yellow
// otherwise: one form changing another's item while both are on the screen.
void MarkDetailsButton(bool urgent);

}  // namespace gallery

#endif
