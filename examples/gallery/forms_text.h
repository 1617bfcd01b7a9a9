// The gallery's form files, compiled into the program from forms/ by the build.
#ifndef GALLERY_FORMS_TEXT_H
#define GALLERY_FORMS_TEXT_H

namespace gallery {

extern const char kGalleryForms[];
extern const char kDetailsForms[];
extern const char kOrdersForms[];

}  // namespace gallery

#endif
