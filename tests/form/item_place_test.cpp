// Anchors read from their words, and an item's rectangle in a form of another size.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "fenwix/form/item_place.h"

namespace {

TEST(Anchors, WordsGiveEdgesAndAnAxisWithoutOneKeepsItsDefault) {
  const struct {
    const char* text;
    const char* read;
  } cases[] = {
      {"", "LEFT,TOP"},          {"left,top", "LEFT,TOP"},       {" Right ", "TOP,RIGHT"},
      {"LEFT,RIGHT", "LEFT,TOP,RIGHT"}, {"top,bottom", "LEFT,TOP,BOTTOM"},
      {"bottom,right", "RIGHT,BOTTOM"}, {"LEFT, TOP, RIGHT, BOTTOM", "LEFT,TOP,RIGHT,BOTTOM"},
      {"middle,,right", "TOP,RIGHT"},   {",,,", "LEFT,TOP"},
  };
  for (const auto& c : cases) {
    const std::uint8_t anchors = AnchorsFromText(c.text);
    EXPECT_EQ(AnchorsText(anchors), c.read) << "[" << c.text << "]";
    EXPECT_EQ(AnchorsFromText(AnchorsText(anchors)), anchors) << "read back: [" << c.text << "]";
  }
}

TEST(ItemPlace, AnchoredEdgesKeepTheirDistances) {
  // Declared at 10,20 120×30 in a 300×200 form, which becomes 400×260 (or 250×150).
  const PixelRect declared{10, 20, 120, 30};
  const struct {
    const char* anchors;
    int width, height;
    PixelRect placed;
  } cases[] = {
      {"left,top", 400, 260, {10, 20, 120, 30}},
      {"left,right", 400, 260, {10, 20, 220, 30}},
      {"right", 400, 260, {110, 20, 120, 30}},
      {"top,bottom", 400, 260, {10, 20, 120, 90}},
      {"right,bottom", 400, 260, {110, 80, 120, 30}},
      {"left,top,right,bottom", 250, 150, {10, 20, 70, 0}},  // never below 0
      {"left,right", 100, 200, {10, 20, 0, 30}},
  };
  for (const auto& c : cases) {
    const PixelRect p = PlaceItem(declared, AnchorsFromText(c.anchors), 300, 200, c.width, c.height);
    EXPECT_EQ((std::to_string(p.x) + "," + std::to_string(p.y) + " " + std::to_string(p.width) +
               "x" + std::to_string(p.height)),
              (std::to_string(c.placed.x) + "," + std::to_string(c.placed.y) + " " +
               std::to_string(c.placed.width) + "x" + std::to_string(c.placed.height)))
        << c.anchors << " in " << c.width << "x" << c.height;
  }
  // Extremes saturate instead of overflowing.
  const PixelRect far = PlaceItem({INT32_MAX, 0, INT32_MAX, 0}, AnchorsFromText("right,left"),
                                  INT32_MIN, 0, INT32_MAX, 0);
  EXPECT_EQ(far.x, INT32_MAX);
  EXPECT_EQ(far.width, INT32_MAX);
}

}  // namespace
