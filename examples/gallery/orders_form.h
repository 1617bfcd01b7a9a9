// The gallery's grids, on a framed, modal form "orders" opened from the main form's
// "Orders..." button: 100,000 orders stored in one grid, 1,000,000 served by the program
// to another as they are shown.
#ifndef GALLERY_ORDERS_FORM_H
#define GALLERY_ORDERS_FORM_H

#include "fenwix/fenwix.h"

namespace gallery {

// Fills the stored grid of the declared form once, and gives the other one its source:
// filling a grid before its form is created is quickest.
ErrorCode FillOrdersForm();

// Shows the form; returns once it is closed.
void RunOrdersForm();

}  // namespace gallery

#endif
