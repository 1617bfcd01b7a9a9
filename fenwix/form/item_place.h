// Where an item's control goes in a form of any size and at any scale: its declared
// rectangle, in pixels at 96 DPI, scaled to the form's DPI and kept at its declared
// distances from the edges it is anchored to.
#ifndef FENWIX_FORM_ITEM_PLACE_H
#define FENWIX_FORM_ITEM_PLACE_H

#include <cstdint>

#include "fenwix/props/anchors.h"
#include "fenwix/props/pixel_scale.h"

// The rectangle, in the pixels of dpi, of an item declared at declared (at 96 DPI) in a
// form whose client area measured declaredWidth × declaredHeight at dpi when it started
// and is width × height now. Anchored to both edges of an axis, the item grows with the
// form; to the far edge only, it moves with it. A size never goes below 0. Computed in 64
// bits, so that no declared number can overflow.
PixelRect PlaceItem(const PixelRect& declared, std::uint8_t anchors, std::int32_t declaredWidth,
                    std::int32_t declaredHeight, std::int32_t width, std::int32_t height,
                    std::int32_t dpi);

#endif
