// Storage and lookup of window, form and item records.
#include <gtest/gtest.h>

#include "fenwix/registry/registry.h"

namespace {

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetRegistry(); }
  void TearDown() override { ResetRegistry(); }
};

TEST_F(RegistryTest, UnknownNamesGiveBlankRecords) {
  const ItemDef item = FindItemDef("calc", "display");
  EXPECT_TRUE(item.type.empty());
  EXPECT_TRUE(item.enable);
  EXPECT_TRUE(item.visible);
  EXPECT_FALSE(item.notNull || item.edit || item.check || item.checkState);
  EXPECT_EQ(item.backColor, 0);
  EXPECT_EQ(item.textColor, 0);
  EXPECT_EQ(item.control, nullptr);
  EXPECT_EQ(item.currency.decimalSeparator(), ".");  // the "US" layout
  EXPECT_EQ(item.currency.digits(), 0);
  EXPECT_EQ(item.currency.decimals(), 0);
  EXPECT_TRUE(item.date.isNull());
  EXPECT_EQ(item.date.time(), 0);

  const WindowDef window = FindWindowDef("Main");
  EXPECT_TRUE(window.name.empty());
  EXPECT_EQ(window.handle, nullptr);
  EXPECT_EQ(window.callback, nullptr);
  EXPECT_FALSE(window.hasStatusBar || window.modal);
}

TEST_F(RegistryTest, KeysAreCaseSensitiveAndSplitAtTheFirstDot) {
  ItemDef item;
  item.type = "STATIC";
  item.value = "0";
  StoreItemDef(ItemKey("calc", "display"), item);
  EXPECT_EQ(FindItemDef("calc", "display").value, "0");
  EXPECT_TRUE(FindItemDef("calc", "Display").type.empty());
  EXPECT_TRUE(FindItemDef("Calc", "display").type.empty());

  EXPECT_EQ(ItemKey("calc", "a.b"), "calc.a.b");
  item.value = "dotted";
  StoreItemDef(ItemKey("calc", "a.b"), item);
  EXPECT_EQ(FindItemDef("calc", "a.b").value, "dotted");

  ItemDef other;
  other.type = "EDIT";
  StoreItemDef(ItemKey("calcx", "y"), other);
  StoreItemDef(ItemKey("cal", "z"), other);
  EXPECT_EQ(FormItemNames("calc"), (std::vector<std::string>{"a.b", "display"}));
  EXPECT_EQ(FormItemNames("cal"), (std::vector<std::string>{"z"}));
  EXPECT_TRUE(FormItemNames("none").empty());
}

TEST_F(RegistryTest, ItemOfAControlIsFoundWithinItsFormOnly) {
  HWND control = reinterpret_cast<HWND>(0x1234);
  ItemDef item;
  item.type = "BUTTON";
  item.control = control;
  StoreItemDef(ItemKey("other", "b"), item);
  StoreItemDef(ItemKey("f", "k.1"), item);
  EXPECT_EQ(FindItemNameByControl("f", control), "k.1");
  EXPECT_EQ(FindItemNameByControl("other", control), "b");
  EXPECT_EQ(FindItemNameByControl("f", reinterpret_cast<HWND>(0x99)), "");
  EXPECT_EQ(FindItemNameByControl("g", control), "");

  StoreItemDef(ItemKey("f", "grid"), ItemDef());  // no control yet
  EXPECT_EQ(FindItemNameByControl("f", nullptr), "");
}

TEST_F(RegistryTest, LookUpsFollowEveryStoreAndReset) {
  const HWND first = reinterpret_cast<HWND>(0x10), second = reinterpret_cast<HWND>(0x20);
  ItemDef item;
  item.type = "BUTTON";
  item.control = first;
  item.sequence = 1;
  StoreItemDef("f.k", item);
  WindowDef form;
  form.handle = first;
  StoreWindowDef("f", form);

  item.control = second;
  item.sequence = 2;
  StoreItemDef("f.k", item);
  form.handle = second;
  StoreWindowDef("f", form);
  std::string name;
  EXPECT_EQ(FindItemNameByControl("f", first), "") << "the control the item had";
  EXPECT_EQ(FindItemNameByControl("f", second), "k");
  EXPECT_FALSE(FindItemBySequence("f", 1, name)) << "the number the item had";
  EXPECT_TRUE(FindItemBySequence("f", 2, name) && name == "k");
  EXPECT_EQ(FindFormNameByDialog(first), "");
  EXPECT_EQ(FindFormNameByDialog(second), "f");

  ResetRegistry();
  EXPECT_EQ(FindItemNameByControl("f", second), "");
  EXPECT_FALSE(FindItemBySequence("f", 2, name));
  EXPECT_EQ(FindFormNameByDialog(second), "");
}

TEST_F(RegistryTest, StoreReplacesTheWholeRecord) {
  ItemDef first;
  first.type = "EDIT";
  first.value = "one";
  first.remark = "help";
  StoreItemDef("f.i", first);
  ItemDef second;
  second.type = "STATIC";
  StoreItemDef("f.i", second);
  EXPECT_EQ(TheRegistry().items.size(), 1u);
  const ItemDef found = FindItemDef("f", "i");
  EXPECT_EQ(found.type, "STATIC");
  EXPECT_TRUE(found.value.empty());
  EXPECT_TRUE(found.remark.empty());

  WindowDef form;
  form.name = "f";
  form.closeReason = "OK";
  StoreWindowDef("f", form);
  form.closeReason.clear();
  StoreWindowDef("f", form);
  EXPECT_EQ(TheRegistry().windows.size(), 1u);
  EXPECT_TRUE(FindWindowDef("f").closeReason.empty());
}

TEST_F(RegistryTest, ResetEmptiesRecordsAndNames) {
  WindowDef main;
  main.name = "Numlet";
  StoreWindowDef("Main", main);
  StoreItemDef("calc.title", ItemDef());
  Registry& registry = TheRegistry();
  registry.MainWindowName = "Main";
  registry.CurrentWindowName = "Main";
  registry.CurrentFormName = "calc";
  ResetRegistry();
  EXPECT_TRUE(FindWindowDef("Main").name.empty());
  EXPECT_TRUE(registry.items.empty());
  EXPECT_TRUE(registry.MainWindowName.empty());
  EXPECT_TRUE(registry.CurrentWindowName.empty());
  EXPECT_TRUE(registry.CurrentFormName.empty());
}

}  // namespace
