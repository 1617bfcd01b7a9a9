// The calculator's key handling through its form callback: clicks go in as "ITEMCLIC"
// events, and what the display shows is read back from the display item's VALUE.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/calc_callback.h"
#include "app/calc_layout.h"
#include "fenwix/fenwix.h"
#include "fenwix/registry/registry.h"
#include "tests/app/key_sequences.h"
#include "tests/support/win32_support.h"

namespace {

class CalcCallbackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRegistry();
    ResetCalculator();
    for (const CalcItemRow& row : kCalcItems) {
      ASSERT_EQ(FX_FormItemAdd(kCalcFormName, row.name, row.type, row.sequence, row.x, row.y,
                               row.width, row.height, row.properties),
                0);
    }
    test::RecordedMessageBoxes().clear();
  }
  void TearDown() override {
    ResetCalculator();
    ResetRegistry();
  }

  static std::string Display() { return FindItemDef(kCalcFormName, kDisplayItemName).value; }

  static std::intptr_t Click(const std::string& key, const char* event = fx::event::ITEMCLIC) {
    return CalcCallback(kCalcFormName, key, event, nullptr, WM_COMMAND, 0, 0);
  }

  // The display after each key, one after another.
  static std::string Run(const std::vector<std::string>& keys) {
    std::string shown;
    for (const std::string& key : keys) {
      EXPECT_EQ(Click(key), 0) << "the callback always returns 0";
      shown += (shown.empty() ? "" : " ") + Display();
    }
    return shown;
  }
};

TEST_F(CalcCallbackTest, ListedKeySequences) {
  for (const test::Sequence& s : test::ListedSequences()) {
    ResetCalculator();
    ASSERT_EQ(FX_FormItemSet(kCalcFormName, kDisplayItemName, "VALUE", "0"), 0);
    EXPECT_EQ(Run(s.keys), test::Join(s.displays)) << s.what << ": keys " << test::Join(s.keys);
  }
  EXPECT_TRUE(test::RecordedMessageBoxes().empty());
}

TEST_F(CalcCallbackTest, OnlyClicksAreActedOn) {
  for (const char* event : {fx::event::BEFORE, fx::event::ITEMCHG, fx::event::ITEMEXIT, "itemclic"}) {
    EXPECT_EQ(Click("7", event), 0);
    EXPECT_EQ(Display(), "0") << "event " << event;
  }
  // The form name is not examined.
  EXPECT_EQ(CalcCallback("other", "7", fx::event::ITEMCLIC, nullptr, 0, 0, 0), 0);
  EXPECT_EQ(Display(), "7");
  EXPECT_EQ(Run({"title", "display"}), "7 7");
}

TEST_F(CalcCallbackTest, ShowOnDisplayWritesZeroForTheEmptyText) {
  EXPECT_EQ(ShowOnDisplay("125"), 0);
  EXPECT_EQ(Display(), "125");
  EXPECT_EQ(ShowOnDisplay(""), 0);
  EXPECT_EQ(Display(), "0");
  // Without the display item the update fails and the callback still returns 0.
  ResetRegistry();
  EXPECT_EQ(ShowOnDisplay("1"), 18);
  EXPECT_EQ(Click("1"), 0);
}

}  // namespace
