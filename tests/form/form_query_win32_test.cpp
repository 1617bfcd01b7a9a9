// The two read-only questions about a form: its close reason and a field's recorded text.
#include <gtest/gtest.h>

#include "fenwix/fenwix.h"
#include "fenwix/registry/registry.h"

namespace {

class FormQueryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRegistry();
    FormDef closed;
    closed.name = "order";
    closed.closeReason = "CANCEL";
    StoreWindowDef("order", closed);
    FormDef open;
    open.name = "open";
    StoreWindowDef("open", open);

    ItemDef field;
    field.type = fx::item::EDIT;
    field.value = "declared";
    field.currentText = "5.3.2005";
    StoreItemDef(ItemKey("order", "date"), field);
    field.currentText = "12.5";
    StoreItemDef(ItemKey("order", "a.b"), field);
    field.currentText = "other form";
    StoreItemDef(ItemKey("orders", "date"), field);
  }
  void TearDown() override { ResetRegistry(); }
};

TEST_F(FormQueryTest, CloseReasonComesFromTheFormRecord) {
  const struct {
    const char* form;
    const char* expected;
  } cases[] = {
      {"order", "CANCEL"},
      {"open", ""},     // registered, never closed
      {"missing", ""},  // never declared
      {"Order", ""},    // names keep their case
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FX_FormCloseReason(c.form), c.expected) << "form [" << c.form << "]";
  }
}

TEST_F(FormQueryTest, ItemTextIsTheRecordedTextNotTheDeclaredValue) {
  const struct {
    const char* form;
    const char* item;
    const char* expected;
  } cases[] = {
      {"order", "date", "5.3.2005"},
      {"order", "a.b", "12.5"},  // an item name may hold a "."
      {"orders", "date", "other form"},
      {"order", "missing", ""},
      {"order", "", ""},
      {"missing", "date", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FX_FormItemText(c.form, c.item), c.expected)
        << "item [" << c.form << "].[" << c.item << "]";
  }
}

TEST_F(FormQueryTest, QueriesLeaveTheRegistryAsItWas) {
  const std::size_t windows = TheRegistry().windows.size();
  const std::size_t items = TheRegistry().items.size();
  FX_FormCloseReason("never");
  FX_FormItemText("never", "seen");
  EXPECT_EQ(TheRegistry().windows.size(), windows);
  EXPECT_EQ(TheRegistry().items.size(), items);
}

}  // namespace
