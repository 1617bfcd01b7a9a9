// The words of ANCHOR read into edges, and written back.
#include "fenwix/props/anchors.h"

#include <algorithm>

#include "fenwix/props/property_string.h"

namespace {

const struct {
  const char* word;
  AnchorEdge edge;
} kEdges[] = {{"LEFT", kAnchorLeft}, {"TOP", kAnchorTop}, {"RIGHT", kAnchorRight},
              {"BOTTOM", kAnchorBottom}};

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::uint8_t AnchorsFromText(const std::string& text) {
  std::uint8_t anchors = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    const std::string word = UpperCase(Trimmed(text.substr(start, comma - start)));
    for (const auto& edge : kEdges)
      if (word == edge.word) anchors |= edge.edge;
    start = comma + 1;
  }
  if (!(anchors & (kAnchorLeft | kAnchorRight))) anchors |= kAnchorLeft;
  if (!(anchors & (kAnchorTop | kAnchorBottom))) anchors |= kAnchorTop;
  return anchors;
}

std::string AnchorsText(std::uint8_t anchors) {
  std::string text;
  for (const auto& edge : kEdges) {
    if (!(anchors & edge.edge)) continue;
    if (!text.empty()) text += ",";
    text += edge.word;
  }
  return text;
}
