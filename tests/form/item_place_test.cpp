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

std::string Text(const PixelRect& r) {
  return std::to_string(r.x) + "," + std::to_string(r.y) + " " + std::to_string(r.width) + "x" +
         std::to_string(r.height);
}

TEST(ItemPlace, AnchoredEdgesKeepTheirScaledDistances) {
  // Declared at 10,20 120×30 in a 300×200 form (at 96 DPI), which becomes width × height
  // in the pixels of its DPI.
  const PixelRect declared{10, 20, 120, 30};
  const struct {
    const char* anchors;
    int dpi, width, height;
    PixelRect placed;
  } cases[] = {
      {"left,top", 96, 400, 260, {10, 20, 120, 30}},
      {"left,right", 96, 400, 260, {10, 20, 220, 30}},
      {"right", 96, 400, 260, {110, 20, 120, 30}},
      {"top,bottom", 96, 400, 260, {10, 20, 120, 90}},
      {"right,bottom", 96, 400, 260, {110, 80, 120, 30}},
      {"left,top,right,bottom", 96, 250, 150, {10, 20, 70, 0}},  // never below 0
      {"left,right", 96, 100, 200, {10, 20, 0, 30}},
      {"left,top", 144, 450, 300, {15, 30, 180, 45}},
      {"right,bottom", 144, 600, 390, {165, 120, 180, 45}},
      {"left,right", 120, 375, 250, {13, 25, 150, 38}},  // edges 12.5 → 13, 62.5 → 63
      {"left,top", 192, 600, 400, {20, 40, 240, 60}},
      {"left,top", 0, 300, 200, {10, 20, 120, 30}},  // a DPI of nothing is 96
  };
  for (const auto& c : cases) {
    const std::int32_t dpi = c.dpi;
    const PixelRect p =
        PlaceItem(declared, AnchorsFromText(c.anchors), ScaledLength(300, dpi),
                  ScaledLength(200, dpi), c.width, c.height, dpi);
    EXPECT_EQ(Text(p), Text(c.placed)) << c.anchors << " at " << c.dpi << " in " << c.width << "x"
                                       << c.height;
  }
  // Extremes saturate instead of overflowing.
  const PixelRect far = PlaceItem({INT32_MAX, 0, INT32_MAX, 0}, AnchorsFromText("right,left"),
                                  INT32_MIN, 0, INT32_MAX, 0, 192);
  EXPECT_EQ(far.x, INT32_MAX);
  EXPECT_EQ(far.width, INT32_MAX);
}

TEST(PixelScale, EdgesThatMeetAt96DpiMeetAtEveryScale) {
  // Two items side by side, 33 pixels wide each, and one below them.
  const PixelRect left{0, 0, 33, 10}, right{33, 0, 33, 10}, below{0, 10, 66, 7};
  for (const std::int32_t dpi : {96, 120, 144, 168, 192, 240, 97}) {
    const PixelRect a = ScaledRect(left, dpi), b = ScaledRect(right, dpi), c = ScaledRect(below, dpi);
    EXPECT_EQ(a.x + a.width, b.x) << dpi;
    EXPECT_EQ(b.x + b.width, c.x + c.width) << dpi;
    EXPECT_EQ(a.y + a.height, c.y) << dpi;
    EXPECT_EQ(UnscaledLength(ScaledLength(66, dpi), dpi), 66) << dpi;
  }
  EXPECT_EQ(ScaledLength(-3, 120), -4);  // halves away from zero, as the platform rounds
  EXPECT_EQ(ScaledLength(INT32_MAX, 192), INT32_MAX);
  EXPECT_EQ(ScaledLength(INT32_MIN, 192), INT32_MIN);
  EXPECT_EQ(Text(ScaledRect({5, 5, -9, 4}, 144)), "8,8 0x6");
}

}  // namespace
