// FX_FormFileLoad, FX_FormTextLoad and FX_FormOpen before any window: what a good file
// declares, that a bad one declares nothing and is reported with its place, and the
// conversion of its texts.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "fenwix/fenwix.h"
#include "fenwix/registry/registry.h"
#include "fenwix/text/encoding.h"
#include "tests/support/item_record_text.h"
#include "tests/support/win32_support.h"

namespace {

class FormFileLoadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRegistry();
    test::RecordedMessageBoxes().clear();
  }
  void TearDown() override {
    SetUtf8Text(false);
    ResetRegistry();
  }
};

std::string LastReport() {
  const auto& boxes = test::RecordedMessageBoxes();
  return boxes.empty() ? "(no report)" : boxes.back().text;
}

const char kGood[] =
    "form orders 10 20 300 200 name=Orders\n"
    "item name EDIT 5 6 100 20 value=caf\xC3\xA9\n"
    "item lines DATAGRID 0 30 280 100\n"
    "column lines qty title=Qty\n";

TEST_F(FormFileLoadTest, AGoodTextDeclaresItsItemsAndABadOneNothing) {
  ASSERT_EQ(FX_FormTextLoad(kGood, "orders.forms"), 0) << LastReport();
  const ItemDef name = FindItemDef("orders", "name");
  EXPECT_EQ(name.type, fx::item::EDIT);
  EXPECT_EQ(name.sequence, 1);
  EXPECT_EQ(name.x, 5);
  EXPECT_EQ(name.value, "caf\xE9") << "expected the system's code page in ANSI mode";
  EXPECT_EQ(FindItemDef("orders", "lines").sequence, 2);
  const std::string declared = test::ItemMapText();

  struct Case {
    std::string text;
    ErrorCode expected;
    const char* place;  // the report's window name
  } cases[] = {
      {"form orders 0 0 1 1\nitem a EDIT 0 0 1 1\nitme b EDIT 0 0 1 1", 1061,
       "Window name : t.forms:3: ITME\n"},
      {"form orders 0 0 1 1\nitem a EDIT 0 0 x 1", 1062, "Window name : t.forms:2: x\n"},
      {"form other 0 0 1 1\nform orders 0 0 1 70000", 1063, "Window name : t.forms:2: 70000\n"},
      {"form orders 0 0 1 1\nitem a STATIC 0 0 1 1\nitem a EDIT 0 0 1 1", 1064,
       "Window name : t.forms:3: a\n"},
      {"item a EDIT 0 0 1 1", 1065, "Window name : t.forms:1: ITEM\n"},
      {"form orders 0 0 1 1\ncolumn name c", 1066, "Window name : t.forms:2: name\n"},
      {"form orders 0 0 1 1 name=\xE9t\xE9", 1067, "Window name : t.forms:1\n"},
      {"form orders 0 0 1 1\nitem a EDIT 0 0 1 1 type=date", 24, "Window name : t.forms:2: a\n"},
  };
  for (const Case& c : cases) {
    test::RecordedMessageBoxes().clear();
    EXPECT_EQ(FX_FormTextLoad(c.text, "t.forms"), c.expected) << c.text;
    EXPECT_EQ(test::RecordedMessageBoxes().size(), 1u) << c.text;
    const std::string report = LastReport();
    EXPECT_NE(report.find("Function : FX_FormTextLoad\n"), std::string::npos) << report;
    EXPECT_NE(report.find(c.place), std::string::npos) << "expected " << c.place << "in\n" << report;
    EXPECT_EQ(report.find("System error"), std::string::npos) << report;
    EXPECT_EQ(test::ItemMapText(), declared) << "expected nothing declared by: " << c.text;
  }

  // Declared again while not open, the form loses the items the new text lacks.
  ASSERT_EQ(FX_FormTextLoad("form orders 0 0 1 1\nitem other BUTTON 0 0 1 1", "again"), 0);
  EXPECT_TRUE(FindItemDef("orders", "name").type.empty());
  EXPECT_TRUE(FindItemDef("orders", "lines").type.empty());
  EXPECT_EQ(FindItemDef("orders", "other").type, fx::item::BUTTON);
  EXPECT_EQ(FX_GridColumnAdd("orders", "lines", "qty", ""), 18) << "the old grid is forgotten";
}

TEST_F(FormFileLoadTest, FilesAreReadByWidePathsAndUnknownOnesReported) {
  SetUtf8Text(true);
  const std::string path = "formulaire \xC3\xA9t\xC3\xA9 \xE2\x82\xAC.forms";
  FILE* out = _wfopen(L"formulaire \u00e9t\u00e9 \u20ac.forms", L"wb");
  ASSERT_NE(out, nullptr);
  std::fputs("\xEF\xBB\xBF", out);
  std::fputs(kGood, out);
  std::fclose(out);
  EXPECT_EQ(FX_FormFileLoad(path), 0) << LastReport();
  EXPECT_EQ(FindItemDef("orders", "name").value, "caf\xC3\xA9") << "UTF-8 mode keeps UTF-8";
  _wremove(L"formulaire \u00e9t\u00e9 \u20ac.forms");

  test::RecordedMessageBoxes().clear();
  EXPECT_EQ(FX_FormFileLoad("no such.forms"), 1060);
  EXPECT_NE(LastReport().find("Window name : no such.forms\n"), std::string::npos) << LastReport();
  EXPECT_EQ(FX_FormOpen("nowhere", nullptr), 1069);
  EXPECT_EQ(test::TakeReportedCodes(), (std::vector<int>{1060, 1069}));
}

}  // namespace
