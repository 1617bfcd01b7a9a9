// The gallery's second form, "details": framed, modal, with its own fields and status
// bar, opened from the main form's "Details..." button.
#ifndef GALLERY_DETAILS_FORM_H
#define GALLERY_DETAILS_FORM_H

#include <string>

#include "fenwix/fenwix.h"

namespace gallery {

// Shows the form and returns, once it is closed, the reason it closed with.
std::string RunDetailsForm();

}  // namespace gallery

#endif
