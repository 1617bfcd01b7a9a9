// FX_FormItemSet on records without a control: every key in any case, the position
// words, values stored as given, the codes 18 and 19, and nothing reported.
#include <gtest/gtest.h>

#include <string>

#include "fenwix/error/error_context.h"
#include "fenwix/fenwix.h"
#include "fenwix/form/item_update.h"
#include "fenwix/registry/registry.h"
#include "tests/support/item_record_text.h"
#include "tests/support/win32_support.h"

namespace {

int platformCalls = 0;
BOOL WINAPI CountedEnable(HWND, BOOL) {
  ++platformCalls;
  return FALSE;
}
BOOL WINAPI CountedShow(HWND, int) {
  ++platformCalls;
  return FALSE;
}
BOOL WINAPI CountedRedraw(HWND, const RECT*, HRGN, UINT) {
  ++platformCalls;
  return TRUE;
}

class ItemSetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::RecordedMessageBoxes().clear();
    platformCalls = 0;
    Redeclare();
  }
  void TearDown() override { ResetRegistry(); }

  // A declared item whose form is not created yet: control 0.
  void Redeclare() {
    ResetRegistry();
    ASSERT_EQ(FX_FormItemAdd("calc", "display", fx::item::STATIC, 2, 5, 20, 230, 30,
                             "value=0;txhpos=right;brdstyle=3DIN;enable=no"),
              0);
  }

  ItemDef Display() { return FindItemDef("calc", "display"); }

  // Nothing may reach the platform for an item without a control.
  os::Override<decltype(&::EnableWindow)> enable_{&os::Table::EnableWindow, CountedEnable};
  os::Override<decltype(&::ShowWindow)> show_{&os::Table::ShowWindow, CountedShow};
  os::Override<decltype(&::RedrawWindow)> redraw_{&os::Table::RedrawWindow, CountedRedraw};
};

std::string Int(std::int32_t v) { return std::to_string(v); }

TEST_F(ItemSetTest, EveryKeyInAnyCaseChangesItsField) {
  struct Case {
    const char* key;
    const char* value;
    std::string (*field)(const ItemDef&);
    std::string expected;
  } cases[] = {
      {"BKCOL", "red", [](const ItemDef& i) { return Int(i.backColor); }, Int(0x0000FF)},
      {"TXCOL", "FF0000", [](const ItemDef& i) { return Int(i.textColor); }, Int(0xFF0000)},
      {"CHECK", "yes", [](const ItemDef& i) { return Int(i.check); }, "1"},
      {"ENABLE", "1", [](const ItemDef& i) { return Int(i.enable); }, "1"},
      {"VISIBLE", "No", [](const ItemDef& i) { return Int(i.visible); }, "0"},
      {"VALUE", "125", [](const ItemDef& i) { return i.value; }, "125"},
      {"BUTTON", "ok", [](const ItemDef& i) { return i.button; }, "ok"},
      {"LENGTH", "-5", [](const ItemDef& i) { return Int(i.length); }, "-5"},
      {"FORMAT", "dd/mm/yyyy", [](const ItemDef& i) { return i.format; }, "dd/mm/yyyy"},
      {"REMARK", "Aide", [](const ItemDef& i) { return i.remark; }, "Aide"},
      {"ACCNAME", "Total", [](const ItemDef& i) { return i.accName; }, "Total"},
      {"NOTNULL", "T", [](const ItemDef& i) { return Int(i.notNull); }, "1"},
      {"EDIT", "true", [](const ItemDef& i) { return Int(i.edit); }, "1"},
      {"TXHPOS", "center", [](const ItemDef& i) { return Int(i.hAlign); }, "0"},
      {"TXVPOS", "bottom", [](const ItemDef& i) { return Int(i.vAlign); }, "1"},
      {"FTNAME", "Courier New", [](const ItemDef& i) { return i.fontName; }, "Courier New"},
      {"FTSIZE", "300", [](const ItemDef& i) { return Int(i.fontSize); }, "300"},
      {"FTBOLD", "y", [](const ItemDef& i) { return Int(i.fontBold); }, "1"},
      {"FTITALIC", "YES", [](const ItemDef& i) { return Int(i.fontItalic); }, "1"},
      {"FTULINE", "t", [](const ItemDef& i) { return Int(i.fontUnderline); }, "1"},
      {"BRDSIZE", "20", [](const ItemDef& i) { return Int(i.borderSize); }, "20"},
      {"BRDCOL", "green", [](const ItemDef& i) { return Int(i.borderColor); }, Int(0x00FF00)},
      {"BRDSTYLE", "3din", [](const ItemDef& i) { return i.borderStyle; }, "3din"},
  };
  for (const Case& c : cases) {
    const std::string upper = c.key;
    std::string lower = upper, mixed = upper;
    for (std::size_t k = 0; k < upper.size(); ++k) {
      lower[k] = static_cast<char>(upper[k] - 'A' + 'a');
      if (k % 2) mixed[k] = lower[k];
    }
    for (const std::string& key : {upper, lower, mixed}) {
      Redeclare();
      const ErrorCode got = FX_FormItemSet("calc", "display", key, c.value);
      EXPECT_EQ(got, 0) << key;
      EXPECT_EQ(c.field(Display()), c.expected) << key << "=" << c.value;
    }
  }
  EXPECT_EQ(platformCalls, 0) << "expected no platform call for control 0";
  EXPECT_TRUE(test::RecordedMessageBoxes().empty());
}

TEST_F(ItemSetTest, ANameThatIsNoKeyIsRefusedAndChangesNothing) {
  const std::string before = test::ItemMapText();
  for (const char* key : {"TYPE", "VALUE1", "COLOR", "", "VALUE ", " VALUE", "NAME", "MODAL"}) {
    EXPECT_EQ(FX_FormItemSet("calc", "display", key, "1"), 19) << "key \"" << key << "\"";
    EXPECT_EQ(test::ItemMapText(), before) << "key \"" << key << "\"";
  }
  EXPECT_EQ(platformCalls, 0);
}

TEST_F(ItemSetTest, AnUnknownItemIsRefusedBeforeTheKeyIsLookedAt) {
  const std::string before = test::ItemMapText();
  struct Case {
    const char* form;
    const char* item;
    const char* key;
  } cases[] = {{"calc", "Display", "VALUE"}, {"Calc", "display", "VALUE"},
               {"calc", "nokey", "NOSUCHKEY"}, {"", "", "VALUE"}, {"calc.display", "", "VALUE"}};
  for (const Case& c : cases) {
    EXPECT_EQ(FX_FormItemSet(c.form, c.item, c.key, "1"), 18) << c.form << "." << c.item;
    EXPECT_EQ(FX_FormItemRedrawIntl(c.form, c.item), 18) << c.form << "." << c.item;
  }
  EXPECT_EQ(test::ItemMapText(), before) << "a missing item must not be created";
}

TEST_F(ItemSetTest, PositionWordsAtRunTime) {
  struct Case {
    const char* key;
    const char* value;
    std::int32_t expected;
  } cases[] = {
      {"TXHPOS", "right", 1},  {"TXHPOS", "RIGHT", 1},   {"TXHPOS", "1", 1},
      {"TXHPOS", "0", 0},      {"TXHPOS", "center", 0},  {"TXHPOS", "-1", -1},
      {"TXHPOS", "bottom", -1}, {"TXHPOS", "left", -1},  {"TXHPOS", "01", -1},
      {"TXHPOS", "", -1},      {"TXVPOS", "bottom", 1},  {"TXVPOS", "1", 1},
      {"TXVPOS", "Center", 0}, {"TXVPOS", "0", 0},       {"TXVPOS", "right", -1},
      {"TXVPOS", " 1", -1},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(FX_FormItemSet("calc", "display", c.key, c.value), 0);
    const ItemDef item = Display();
    const std::int32_t got = c.key[2] == 'H' ? item.hAlign : item.vAlign;
    EXPECT_EQ(got, c.expected) << c.key << "=\"" << c.value << "\": expected " << c.expected
                               << ", got " << got;
  }
}

TEST_F(ItemSetTest, OnlyTheNamedFieldChanges) {
  ItemDef expected = Display();
  expected.value = "12";
  ASSERT_EQ(FX_FormItemSet("calc", "display", "value", "12"), 0);
  EXPECT_EQ(test::RecordText(Display()), test::RecordText(expected));
}

TEST_F(ItemSetTest, WithoutAControlTheFlagsAreStoredAndNothingIsRedrawn) {
  // The item was declared disabled; showing it must not enable it, and with control 0
  // neither EnableWindow, ShowWindow nor a desktop-wide RedrawWindow may be called.
  ASSERT_EQ(FX_FormItemSet("calc", "display", "VISIBLE", "n"), 0);
  EXPECT_FALSE(Display().visible);
  ASSERT_EQ(FX_FormItemSet("calc", "display", "VISIBLE", "y"), 0);
  EXPECT_TRUE(Display().visible);
  EXPECT_FALSE(Display().enable);
  ASSERT_EQ(FX_FormItemSet("calc", "display", "ENABLE", "anything"), 0);
  EXPECT_TRUE(Display().enable);
  ASSERT_EQ(FX_FormItemSet("calc", "display", "ENABLE", "F"), 0);
  EXPECT_FALSE(Display().enable);
  EXPECT_EQ(FX_FormItemRedrawIntl("calc", "display"), 0);
  EXPECT_EQ(platformCalls, 0) << "expected no platform call for control 0";
}

TEST_F(ItemSetTest, NeitherSetsAContextNorReports) {
  SetErrorContext("Main", "FX_WindowMove");
  EXPECT_EQ(FX_FormItemSet("calc", "nothing", "VALUE", "1"), 18);
  EXPECT_EQ(FX_FormItemSet("calc", "display", "NOTAKEY", "1"), 19);
  EXPECT_EQ(FX_FormItemSet("calc", "display", "VALUE", "1"), 0);
  EXPECT_EQ(CurrentErrorContext().windowName, "Main");
  EXPECT_EQ(CurrentErrorContext().functionName, "FX_WindowMove");
  EXPECT_TRUE(test::RecordedMessageBoxes().empty());
}

}  // namespace
