// The gallery's grids, on a framed, modal form "orders" opened from the main form's
// "Orders..." button: 100,000 orders stored in one grid, 1,000,000 served by the program
// to another as they are shown.
#ifndef GALLERY_ORDERS_FORM_H
#define GALLERY_ORDERS_FORM_H

#include "fenwix/fenwix.h"

namespace gallery {

// Declares the form's items and the grids' columns, and fills the stored grid once:
// filling a grid before its form is created is quickest.
ErrorCode DeclareOrdersForm();

// Shows the form; returns once it is closed.
void RunOrdersForm();

}  // namespace gallery

#endif
