// FX_FormItemAdd: the order of its checks, the conversion of every property with its
// fallbacks, and the report of each failure.
#include <gtest/gtest.h>

#include <string>

#include "fenwix/error/error_context.h"
#include "fenwix/fenwix.h"
#include "fenwix/registry/registry.h"
#include "tests/support/item_record_text.h"
#include "tests/support/win32_support.h"

namespace {

class ItemAddTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRegistry();
    test::RecordedMessageBoxes().clear();
  }
  void TearDown() override { ResetRegistry(); }
};

std::string ReportLine(const std::string& report, const std::string& label) {
  const std::string::size_type start = report.find(label);
  if (start == std::string::npos) return "(no " + label + "line)";
  return report.substr(start, report.find('\n', start) - start);
}

TEST_F(ItemAddTest, ChecksRunInTheirOrderAndEachFailureIsReportedOnce) {
  ASSERT_EQ(FX_FormItemAdd("f", "taken", fx::item::EDIT, 1, 0, 0, 10, 10, ""), 0);
  test::RecordedMessageBoxes().clear();
  const std::string before = test::ItemMapText();

  struct Case {
    const char* form;
    const char* item;
    const char* type;
    const char* properties;
    ErrorCode expected;
  } cases[] = {
      {"", "", "nonsense", "brdstyle=x;type=y", 1},
      {"", "i", fx::item::EDIT, "", 1},
      {"f", "", "nonsense", "brdstyle=x", 18},
      {"f", "taken", "nonsense", "brdstyle=x", 22},
      {"f", "i", "static", "", 20},
      {"f", "i", "Button", "", 20},
      {"f", "i", "", "", 20},
      {"f", "i", fx::item::BUTTON, "brdstyle=dotted;type=nonsense", 25},
      {"f", "i", fx::item::BUTTON, "brdstyle= ;type=nonsense", 21},
      {"f", "i", fx::item::EDIT, "type=number", 21},
      {"f", "i", fx::item::BUTTON, "type=date", 23},
      {"f", "i", fx::item::STATIC, "type=string", 23},
      {"f", "i", fx::item::DATAGRID, "type=STRING", 23},
      {"f", "i", fx::item::EDIT, "type=date", 24},
      {"f", "i", fx::item::EDIT, "type=Currency;format= ", 24},
      {"f", "i", fx::item::BUTTON, "type=date;brdstyle=3dup", 25},
  };
  for (const Case& c : cases) {
    test::RecordedMessageBoxes().clear();
    const ErrorCode got = FX_FormItemAdd(c.form, c.item, c.type, 2, 1, 2, 3, 4, c.properties);
    EXPECT_EQ(got, c.expected) << c.form << "/" << c.item << "/" << c.type << "/" << c.properties;
    const auto& boxes = test::RecordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u) << "expected one report for " << c.expected << ", got "
                                << boxes.size();
    EXPECT_EQ(ReportLine(boxes[0].text, "Error number : "),
              "Error number : " + std::to_string(c.expected));
    EXPECT_EQ(ReportLine(boxes[0].text, "Function : "), "Function : FX_FormItemAdd");
    EXPECT_EQ(ReportLine(boxes[0].text, "Window name : "),
              "Window name : " + std::string(c.form) + "." + c.item);
    EXPECT_EQ(test::ItemMapText(), before) << "registry changed by a failing declaration";
  }
}

TEST_F(ItemAddTest, TheContextNamesTheItemEvenOnSuccess) {
  EXPECT_EQ(FX_FormItemAdd("calc", "x", fx::item::STATIC, 1, 0, 0, 1, 1, ""), 0);
  EXPECT_EQ(CurrentErrorContext().functionName, "FX_FormItemAdd");
  EXPECT_EQ(CurrentErrorContext().windowName, "calc.x");
  EXPECT_TRUE(test::RecordedMessageBoxes().empty());
}

TEST_F(ItemAddTest, AnEditItemWithNoPropertiesGetsTheDefaults) {
  ASSERT_EQ(FX_FormItemAdd("never", "field", fx::item::EDIT, 7, -5, 9000, 0, -1, ""), 0);
  const ItemDef item = FindItemDef("never", "field");
  EXPECT_EQ(item.type, "EDIT");
  EXPECT_EQ(item.fieldType, "STRING");
  EXPECT_EQ(item.fontSize, 10);
  EXPECT_EQ(item.hAlign, -1);
  EXPECT_EQ(item.vAlign, -1);
  EXPECT_EQ(item.backColor, -1) << "no colour";
  EXPECT_EQ(item.textColor, -1) << "no colour";
  EXPECT_EQ(item.borderColor, 0) << "black";
  EXPECT_EQ(item.borderStyle, "SOLID");
  EXPECT_EQ(item.borderSize, 0);
  EXPECT_EQ(item.length, 0);
  EXPECT_TRUE(item.enable && item.visible);
  EXPECT_FALSE(item.notNull || item.edit || item.check || item.checkState);
  EXPECT_FALSE(item.fontBold || item.fontItalic || item.fontUnderline);
  EXPECT_TRUE(item.value.empty() && item.button.empty() && item.remark.empty() &&
              item.format.empty() && item.fontName.empty() && item.currentText.empty());
  // Geometry and sequence are stored without any check.
  EXPECT_EQ(item.sequence, 7);
  EXPECT_EQ(item.x, -5);
  EXPECT_EQ(item.y, 9000);
  EXPECT_EQ(item.width, 0);
  EXPECT_EQ(item.height, -1);
  // Made later, by the form.
  EXPECT_EQ(item.control, nullptr);
  EXPECT_EQ(item.controlId, 0);
  EXPECT_EQ(item.backBrush, nullptr);
  EXPECT_TRUE(item.date.isNull());
}

TEST_F(ItemAddTest, EveryPropertyIsConvertedWithItsFallback) {
  // Each declaration is compared whole with the record of the same type declared with
  // an empty property string, changed only where the case says.
  struct Case {
    const char* type;
    const char* properties;
    void (*change)(ItemDef& expected);
  } cases[] = {
      {"STATIC", "value=  Two  words ", [](ItemDef& e) { e.value = "Two  words"; }},
      {"STATIC", "Value=a;VALUE=b", [](ItemDef& e) { e.value = "a"; }},
      {"BUTTON", "button=ok", [](ItemDef& e) { e.button = "OK"; }},
      {"EDIT", "remark=Saisir le Nom", [](ItemDef& e) { e.remark = "Saisir le Nom"; }},
      {"BUTTON", "accname=Close the order", [](ItemDef& e) { e.accName = "Close the order"; }},
      {"EDIT", "type=date;format=dd/MM/yyyy",
       [](ItemDef& e) { e.fieldType = "DATE"; e.format = "dd/MM/yyyy"; }},
      {"EDIT", "type=currency;format=999.99",
       [](ItemDef& e) { e.fieldType = "CURRENCY"; e.format = "999.99"; }},
      {"EDIT", "type=String", [](ItemDef&) {}},
      {"COMBOSYS", "type=date", [](ItemDef& e) { e.fieldType = "DATE"; }},
      {"COMBOSYS", "type=Currency", [](ItemDef& e) { e.fieldType = "CURRENCY"; }},
      {"STATIC", "txhpos=Center;txvpos=BOTTOM", [](ItemDef& e) { e.hAlign = 0; e.vAlign = 1; }},
      {"STATIC", "txhpos=right;txvpos=center", [](ItemDef& e) { e.hAlign = 1; e.vAlign = 0; }},
      {"STATIC", "txhpos=1;txvpos=right", [](ItemDef&) {}},
      {"STATIC", "ftname=Courier New", [](ItemDef& e) { e.fontName = "Courier New"; }},
      {"STATIC", "ftsize=300", [](ItemDef&) {}},
      {"STATIC", "ftsize=0", [](ItemDef&) {}},
      {"STATIC", "ftsize=big", [](ItemDef&) {}},
      {"STATIC", "ftsize=257", [](ItemDef&) {}},
      {"STATIC", "ftsize=1", [](ItemDef& e) { e.fontSize = 1; }},
      {"STATIC", "ftsize=256", [](ItemDef& e) { e.fontSize = 256; }},
      {"STATIC", "brdsize=20", [](ItemDef&) {}},
      {"STATIC", "brdsize=-1", [](ItemDef&) {}},
      {"STATIC", "brdsize=16", [](ItemDef& e) { e.borderSize = 16; }},
      {"EDIT", "length=-5", [](ItemDef& e) { e.length = -5; }},
      {"EDIT", "length=12x", [](ItemDef& e) { e.length = 12; }},
      {"STATIC", "brdstyle=3din", [](ItemDef& e) { e.borderStyle = "3DIN"; }},
      {"STATIC", "brdstyle=3dOut", [](ItemDef& e) { e.borderStyle = "3DOUT"; }},
      {"STATIC", "brdstyle=solid", [](ItemDef&) {}},
      {"STATIC", "bkcol=white;txcol=0000FF;brdcol=blue",
       [](ItemDef& e) { e.backColor = 0xFFFFFF; e.textColor = 0x0000FF; e.borderColor = 0xFF0000; }},
      {"STATIC", "bkcol=nothing;txcol=-1;brdcol=", [](ItemDef& e) { e.backColor = 0; }},
      {"STATIC", "ftbold=yes;ftitalic=T;ftuline=1",
       [](ItemDef& e) { e.fontBold = true; e.fontItalic = true; }},
      {"EDIT", "notnull=y;edit=TRUE;check=no", [](ItemDef& e) { e.notNull = true; e.edit = true; }},
      {"CHECKSYS", "check=Y", [](ItemDef& e) { e.check = true; }},
      {"EDIT", "enable=N;visible=0", [](ItemDef& e) { e.enable = false; }},
      {"EDIT", "enable=maybe;visible=false", [](ItemDef& e) { e.visible = false; }},
  };
  int n = 0;
  for (const Case& c : cases) {
    const std::string plain = "plain" + std::to_string(++n);
    const std::string name = "item" + std::to_string(n);
    ASSERT_EQ(FX_FormItemAdd("f", plain, c.type, n, 1, 2, 3, 4, ""), 0);
    ASSERT_EQ(FX_FormItemAdd("f", name, c.type, n, 1, 2, 3, 4, c.properties), 0) << c.properties;
    ItemDef expected = FindItemDef("f", plain);
    expected.properties = c.properties;  // kept exactly as given
    c.change(expected);
    EXPECT_EQ(test::RecordText(FindItemDef("f", name)), test::RecordText(expected))
        << c.type << " \"" << c.properties << "\"";
  }
  EXPECT_TRUE(test::RecordedMessageBoxes().empty());
}

}  // namespace
