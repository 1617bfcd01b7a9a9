// An item's rectangle scaled to its form's DPI and placed by its anchors.
#include "fenwix/form/item_place.h"

#include <algorithm>

namespace {

// One axis: the start and the length of an item anchored to the near edge, the far one
// or both, when the form's length changes by growth.
void PlaceAxis(std::int64_t start, std::int64_t length, bool nearEdge, bool farEdge,
               std::int64_t growth, std::int32_t& placedStart, std::int32_t& placedLength) {
  if (farEdge && nearEdge) length += growth;
  else if (farEdge) start += growth;
  placedStart = Saturated(start);
  placedLength = Saturated(std::max<std::int64_t>(0, length));
}

}  // namespace

PixelRect PlaceItem(const PixelRect& declared, std::uint8_t anchors, std::int32_t declaredWidth,
                    std::int32_t declaredHeight, std::int32_t width, std::int32_t height,
                    std::int32_t dpi) {
  // Edges, not sizes, are scaled: items whose edges meet as declared still meet.
  const std::int64_t left = ScaledLength64(declared.x, dpi);
  const std::int64_t top = ScaledLength64(declared.y, dpi);
  const std::int64_t right = ScaledLength64(std::int64_t{declared.x} + declared.width, dpi);
  const std::int64_t bottom = ScaledLength64(std::int64_t{declared.y} + declared.height, dpi);
  PixelRect placed;
  PlaceAxis(left, right - left, anchors & kAnchorLeft, anchors & kAnchorRight,
            std::int64_t{width} - declaredWidth, placed.x, placed.width);
  PlaceAxis(top, bottom - top, anchors & kAnchorTop, anchors & kAnchorBottom,
            std::int64_t{height} - declaredHeight, placed.y, placed.height);
  return placed;
}
