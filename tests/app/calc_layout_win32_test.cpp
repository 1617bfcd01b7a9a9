// The calculator's seventeen declarations: they all succeed on a fresh registry, store
// what the form needs, name only keys the engine knows, and fail with 22 a second time.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/calc_engine.h"
#include "app/calc_layout.h"
#include "fenwix/fenwix.h"
#include "fenwix/registry/registry.h"
#include "tests/support/item_record_text.h"
#include "tests/support/win32_support.h"

namespace {

class CalcLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRegistry();
    test::RecordedMessageBoxes().clear();
  }
  void TearDown() override { ResetRegistry(); }

  static void DeclareAll(ErrorCode expected) {
    for (const CalcItemRow& row : kCalcItems) {
      EXPECT_EQ(FX_FormItemAdd(kCalcFormName, row.name, row.type, row.sequence, row.x, row.y,
                               row.width, row.height, row.properties),
                expected)
          << "item \"" << row.name << "\"";
    }
  }
};

TEST_F(CalcLayoutTest, SeventeenItemsInSequenceOrder) {
  DeclareAll(0);
  EXPECT_TRUE(test::RecordedMessageBoxes().empty());
  EXPECT_EQ(TheRegistry().items.size(), 17u);
  int expectedSequence = 0;
  for (const CalcItemRow& row : kCalcItems) {
    EXPECT_EQ(row.sequence, ++expectedSequence) << row.name;
    EXPECT_EQ(FindItemDef(kCalcFormName, row.name).sequence, expectedSequence) << row.name;
  }
}

TEST_F(CalcLayoutTest, TitleAndDisplayRecords) {
  DeclareAll(0);
  const ItemDef title = FindItemDef("calc", "title");
  EXPECT_EQ(title.type, "STATIC");
  EXPECT_EQ(title.value, "Integer Calculator");
  EXPECT_EQ(title.hAlign, 1);
  EXPECT_EQ(title.vAlign, -1);
  EXPECT_EQ(title.fontName, "Arial");
  EXPECT_EQ(title.fontSize, 8);
  EXPECT_EQ(title.textColor, 0xFF0000) << "blue";
  EXPECT_EQ(title.backColor, -1) << "no colour";
  EXPECT_EQ(title.borderStyle, "SOLID");
  EXPECT_EQ(title.borderSize, 0);
  EXPECT_EQ(title.borderColor, 0);
  EXPECT_EQ(title.fieldType, "");
  EXPECT_TRUE(title.enable && title.visible);
  EXPECT_EQ(title.sequence, 1);
  EXPECT_EQ(title.x, 5);
  EXPECT_EQ(title.y, 5);
  EXPECT_EQ(title.width, 230);
  EXPECT_EQ(title.height, 30);

  const ItemDef display = FindItemDef("calc", "display");
  EXPECT_EQ(display.type, "STATIC");
  EXPECT_EQ(display.value, "0");
  EXPECT_EQ(display.hAlign, 1);
  EXPECT_EQ(display.vAlign, 0);
  EXPECT_EQ(display.fontName, "Courier New");
  EXPECT_EQ(display.fontSize, 16);
  EXPECT_TRUE(display.fontBold);
  EXPECT_FALSE(display.fontItalic || display.fontUnderline);
  EXPECT_EQ(display.borderStyle, "3DIN");
  EXPECT_EQ(display.backColor, 0xFFFFFF) << "white";
  EXPECT_EQ(display.textColor, -1);
  EXPECT_EQ(display.sequence, 2);
  EXPECT_EQ(display.y, 20) << "the display overlaps the title";
  EXPECT_EQ(display.properties,
            "value=0;txhpos=right;txvpos=center;ftname=Courier New;ftsize=16;ftbold=true;"
            "brdstyle=3DIN;bkcol=white");
}

TEST_F(CalcLayoutTest, EveryKeyIsAKeyOfTheEngine) {
  std::set<std::string> names;
  for (const CalcItemRow& row : kCalcItems) {
    EXPECT_TRUE(names.insert(row.name).second) << "duplicate name " << row.name;
    if (std::string(row.type) != fx::item::BUTTON) continue;
    // After "1" every key either shows something or is an operator taking the entry.
    CalcEngine engine;
    engine.press("1");
    const auto shown = engine.press(row.name);
    EXPECT_TRUE(shown.has_value() || engine.pendingOperator() == row.name)
        << "key \"" << row.name << "\" does nothing";
  }
  EXPECT_EQ(names.size(), 17u);
}

TEST_F(CalcLayoutTest, DeclaringAgainFailsWith22AndChangesNothing) {
  DeclareAll(0);
  const std::string before = test::ItemMapText();
  DeclareAll(22);
  EXPECT_EQ(test::RecordedMessageBoxes().size(), 17u) << "expected one report per item";
  EXPECT_EQ(test::ItemMapText(), before);
}

}  // namespace
