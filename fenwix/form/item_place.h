// Where an item's control goes in a form of any size: its declared rectangle, kept at its
// declared distances from the edges it is anchored to.
#ifndef FENWIX_FORM_ITEM_PLACE_H
#define FENWIX_FORM_ITEM_PLACE_H

#include <cstdint>

#include "fenwix/props/anchors.h"

struct PixelRect {
  std::int32_t x = 0, y = 0, width = 0, height = 0;
};

// The rectangle of an item declared at declared in a form whose client area was declared
// declaredWidth × declaredHeight and is width × height now. Anchored to both edges of an
// axis, the item grows with the form; to the far edge only, it moves with it. A size never
// goes below 0. Computed in 64 bits, so that no declared number can overflow.
PixelRect PlaceItem(const PixelRect& declared, std::uint8_t anchors, std::int32_t declaredWidth,
                    std::int32_t declaredHeight, std::int32_t width, std::int32_t height);

#endif
