// The calculator's key handling through its form callback: clicks go in as "ITEMCLIC"
// events, typed keys as "ITEMKEY", and what the display shows is read back from the
// display item's VALUE.
#include <gtest/gtest.h>

#include <cstring>
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

void SetClipboard(const char* text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, std::strlen(text) + 1);
  std::memcpy(GlobalLock(block), text, std::strlen(text) + 1);
  GlobalUnlock(block);
  SetClipboardData(CF_TEXT, block);
  CloseClipboard();
}

std::string Clipboard() {
  std::string text;
  if (!OpenClipboard(nullptr)) return "(not opened)";
  if (const HANDLE block = GetClipboardData(CF_TEXT)) {
    text = static_cast<const char*>(GlobalLock(block));
    GlobalUnlock(block);
  }
  CloseClipboard();
  return text;
}

TEST_F(CalcCallbackTest, TypedKeysActAsTheKeysTheyStandFor) {
  struct Typed {
    UINT message;
    WPARAM key;
  };
  constexpr UINT down = WM_KEYDOWN, chr = WM_CHAR;
  const struct {
    const char* what;
    std::vector<Typed> typed;
    bool taken;  // every one of them
    const char* display;
    const char* clipboardBefore;  // nullptr: as it is
    const char* clipboardAfter;
  } cases[] = {
      {"main row", {{chr, '1'}, {chr, '2'}, {chr, '+'}, {chr, '3'}, {chr, '='}}, true, "15", "x", "x"},
      {"number pad, Enter", {{down, VK_NUMPAD7}, {down, VK_MULTIPLY}, {down, VK_NUMPAD6}, {down, VK_RETURN}},
       true, "42", nullptr, "x"},
      {"Backspace", {{chr, '9'}, {chr, '0'}, {down, VK_BACK}, {chr, '-'}, {chr, '4'}, {chr, '='}},
       true, "5", nullptr, "x"},
      {"Delete", {{chr, '7'}, {chr, '+'}, {down, VK_DELETE}, {chr, '+'}, {chr, '2'}, {chr, '='}},
       true, "2", nullptr, "x"},
      {"left to the dialog", {{down, VK_TAB}, {down, 'A'}, {chr, 'a'}, {chr, ' '}, {chr, 0x130 + '1'},
                              {WM_SYSKEYDOWN, VK_F4}, {WM_KEYUP, VK_NUMPAD1}, {down, '1'}},
       false, "0", nullptr, "x"},
      {"Ctrl+C copies a negative result", {{chr, '3'}, {chr, '-'}, {chr, '5'}, {chr, '='}, {chr, 3}},
       true, "-2", nullptr, "-2"},
      {"Ctrl+V types the text, blanks skipped", {{chr, 0x16}}, true, "15", " 12+ 3=\r\n", " 12+ 3=\r\n"},
      {"Ctrl+V of another character changes nothing", {{chr, '4'}, {chr, 0x16}}, true, "4", "1+x", "1+x"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ResetCalculator();
    ASSERT_EQ(FX_FormItemSet(kCalcFormName, kDisplayItemName, "VALUE", "0"), 0);
    if (c.clipboardBefore) SetClipboard(c.clipboardBefore);
    for (const Typed& t : c.typed)
      EXPECT_EQ(CalcCallback(kCalcFormName, "", fx::event::ITEMKEY, nullptr, t.message, t.key, 0),
                c.taken ? 1 : 0) << "message " << t.message << ", key " << t.key;
    EXPECT_EQ(Display(), c.display);
    EXPECT_EQ(Clipboard(), c.clipboardAfter);
  }
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
