// The dialog template's size is computed from its contents, and the writer never writes
// past the end of its block.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "fenwix/form/template_writer.h"

namespace {

TEST(TemplateSize, FitsTheCaptionAndKeepsTheMinimum) {
  struct Case {
    std::size_t captionBytes, expected;
  };
  // 22 header bytes, two bytes per caption byte and its zero unit, the point size, and
  // "Arial" with its zero unit (12 bytes).
  const Case cases[] = {
      {0, 1024}, {11, 1024}, {493, 1024}, {494, 22 + 990 + 2 + 12},
      {2000, 22 + 4002 + 2 + 12},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DialogTemplateSize(c.captionBytes, 5), c.expected)
        << "caption of " << c.captionBytes << " bytes: expected " << c.expected << ", got "
        << DialogTemplateSize(c.captionBytes, 5);
}

TEST(TemplateWriter, WritesLittleEndianInOrder) {
  std::vector<unsigned char> block(16, 0);
  TemplateWriter writer(block.data(), block.size());
  writer.Dword(0x90CF0880u);
  writer.Word(0x1234);
  EXPECT_EQ(writer.offset(), 6u);
  const std::vector<unsigned char> expected = {0x80, 0x08, 0xCF, 0x90, 0x34, 0x12};
  EXPECT_EQ(std::vector<unsigned char>(block.begin(), block.begin() + 6), expected);
  EXPECT_FALSE(writer.overflowed());
}

TEST(TemplateWriter, TextRoomHoldsTheTextAndItsZeroUnit) {
  std::vector<unsigned char> block(12, 0);
  TemplateWriter writer(block.data(), block.size());
  writer.Word(1);
  // 10 bytes left: room for 4 units and the zero unit, not for 5.
  EXPECT_EQ(writer.TextRoom(5), nullptr);
  EXPECT_TRUE(writer.overflowed());

  TemplateWriter fresh(block.data(), block.size());
  fresh.Word(1);
  unsigned char* room = fresh.TextRoom(4);
  ASSERT_EQ(room, block.data() + 2);
  fresh.SkipText(3);  // fewer units than granted: the zero unit follows them
  EXPECT_EQ(fresh.offset(), 2u + 8u);
  EXPECT_FALSE(fresh.overflowed());
}

TEST(TemplateWriter, RefusesEveryWritePastTheEnd) {
  // Nothing after the last accepted write may change: neither the block's last two
  // bytes nor the guard bytes behind the block.
  std::vector<unsigned char> storage(8 + 4, 0xAA);
  TemplateWriter writer(storage.data(), 8);
  writer.Dword(0);
  writer.Word(0);
  writer.Dword(0xFFFFFFFFu);  // 2 bytes left: refused whole
  writer.Word(0xFFFF);        // refused: the writer has stopped
  EXPECT_TRUE(writer.overflowed());
  EXPECT_EQ(writer.offset(), 6u);
  for (std::size_t i = 6; i < storage.size(); ++i) EXPECT_EQ(storage[i], 0xAA) << "byte " << i;

  TemplateWriter texts(storage.data(), 8);
  ASSERT_NE(texts.TextRoom(3), nullptr);
  texts.SkipText(4);  // more units than granted
  EXPECT_TRUE(texts.overflowed());
  EXPECT_EQ(texts.offset(), 0u);
}

}  // namespace
