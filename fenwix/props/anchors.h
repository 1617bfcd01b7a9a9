// The edges of a form that an item keeps its distance to (ANCHOR), as bits, and the
// words that name them.
#ifndef FENWIX_PROPS_ANCHORS_H
#define FENWIX_PROPS_ANCHORS_H

#include <cstdint>
#include <string>

enum AnchorEdge : std::uint8_t {
  kAnchorLeft = 1,
  kAnchorTop = 2,
  kAnchorRight = 4,
  kAnchorBottom = 8,
};
inline constexpr std::uint8_t kDefaultAnchors = kAnchorLeft | kAnchorTop;

// The anchors of a list such as "LEFT,RIGHT" (any case, blanks allowed). An axis that names
// no edge keeps its default one (left, top); words that are no edge are ignored.
std::uint8_t AnchorsFromText(const std::string& text);
// The list that reads back as the same anchors, as "LEFT,TOP".
std::string AnchorsText(std::uint8_t anchors);

#endif
