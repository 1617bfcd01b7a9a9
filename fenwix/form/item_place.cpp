// An item's rectangle placed by its anchors in a form of a new size.
#include "fenwix/form/item_place.h"

#include <algorithm>
#include <limits>

namespace {

std::int32_t Clamped(std::int64_t value) {
  const std::int64_t low = std::numeric_limits<std::int32_t>::min();
  const std::int64_t high = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::min(high, std::max(low, value)));
}

// One axis: the start and the length of an item anchored to the near edge, the far one
// or both, when the form's length changes by growth.
void PlaceAxis(std::int32_t start, std::int32_t length, bool nearEdge, bool farEdge,
               std::int64_t growth, std::int32_t& placedStart, std::int32_t& placedLength) {
  std::int64_t newStart = start, newLength = length;
  if (farEdge && nearEdge) newLength += growth;
  else if (farEdge) newStart += growth;
  placedStart = Clamped(newStart);
  placedLength = Clamped(std::max<std::int64_t>(0, newLength));
}

}  // namespace

PixelRect PlaceItem(const PixelRect& declared, std::uint8_t anchors, std::int32_t declaredWidth,
                    std::int32_t declaredHeight, std::int32_t width, std::int32_t height) {
  PixelRect placed;
  PlaceAxis(declared.x, declared.width, anchors & kAnchorLeft, anchors & kAnchorRight,
            std::int64_t{width} - declaredWidth, placed.x, placed.width);
  PlaceAxis(declared.y, declared.height, anchors & kAnchorTop, anchors & kAnchorBottom,
            std::int64_t{height} - declaredHeight, placed.y, placed.height);
  return placed;
}
