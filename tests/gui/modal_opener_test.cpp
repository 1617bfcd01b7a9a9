// A modal form opened from another form's callback: while it is shown it is the current
// form, and once it closes the form that opened it is served again (its events still
// arrive). A modal form opened with no form current leaves none current. Keys typed into
// a modal form reach its callback although the platform's own loop reads them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/gui/gui_test_helpers.h"

namespace {

std::intptr_t CloseAtStart(std::string, std::string, std::string, HWND dialog, UINT message,
                           WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  return 0;
}

// What the opener's callback saw of the modal form it opened from a click.
struct Opened {
  int clicks = 0;
  ErrorCode code = -1;
  std::string currentWhileShown;
  std::string currentAfter;
};
Opened opened;

std::intptr_t CloseAtStartAndLook(std::string form, std::string item, std::string event,
                                  HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) opened.currentWhileShown = TheRegistry().CurrentFormName;
  return CloseAtStart(form, item, event, dialog, message, wParam, lParam);
}

std::intptr_t OpenModalOnClick(std::string, std::string item, std::string event, HWND, UINT,
                               WPARAM, LPARAM) {
  if (event != fx::event::ITEMCLIC || item != "open") return 0;
  ++opened.clicks;
  if (opened.clicks == 1) {
    opened.code = FX_FormCreate("picker", "modal=true;stbar=false", 0, 0, 120, 80,
                                CloseAtStartAndLook);
    opened.currentAfter = TheRegistry().CurrentFormName;
  }
  return 0;
}

class ModalOpenerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_EQ(test::StartWithMainWindow("OpenerMain", 400, 300), 0);
    ASSERT_EQ(FX_FormItemAdd("opener", "open", fx::item::BUTTON, 1, 10, 10, 80, 30, ""), 0);
  }
  void SetUp() override { test::RecordedMessageBoxes().clear(); }
  void TearDown() override { test::PumpMessages(); }
};

void Click(const std::string& form, const std::string& item) {
  const ItemDef button = FindItemDef(form, item);
  SendMessageA(GetParent(button.control), WM_COMMAND, MAKEWPARAM(button.controlId, BN_CLICKED),
               reinterpret_cast<LPARAM>(button.control));
}

TEST_F(ModalOpenerTest, TheOpenerIsServedAgainOnceTheModalFormCloses) {
  ASSERT_EQ(FX_FormCreate("opener", "edge=false;stbar=false", 0, 0, 400, 300, OpenModalOnClick),
            0);
  Click("opener", "open");
  EXPECT_EQ(opened.code, 0);
  EXPECT_EQ(opened.currentWhileShown, "picker");
  EXPECT_EQ(opened.currentAfter, "opener");
  EXPECT_EQ(FX_FormCloseReason("picker"), "CLOSE");

  // A second click reaches the opener's callback only if its procedure serves it.
  Click("opener", "open");
  EXPECT_EQ(opened.clicks, 2) << "expected the opener to raise ITEMCLIC after the modal form";
  EXPECT_TRUE(test::Reports().empty());
  SendMessageA(FindWindowDef("opener").handle, WM_SYSCOMMAND, SC_CLOSE, 0);
}

TEST_F(ModalOpenerTest, AModalFormOpenedWithNoFormCurrentLeavesNoneCurrent) {
  TheRegistry().CurrentFormName.clear();
  EXPECT_EQ(FX_FormCreate("alone", "modal=true;stbar=false", 0, 0, 120, 80, CloseAtStart), 0);
  EXPECT_EQ(TheRegistry().CurrentFormName, "");
  EXPECT_EQ(FX_FormCloseReason("alone"), "CLOSE");
}

// The keys that the modal form's callback saw, and typing that starts once it is shown.
std::vector<std::string> keysSeen;

void CALLBACK TypeXThenEscape(HWND dialog, UINT, UINT_PTR timer, DWORD) {
  KillTimer(dialog, timer);
  INPUT inputs[4] = {};
  const WORD keys[2] = {'X', VK_ESCAPE};
  for (int i = 0; i < 4; ++i) {
    inputs[i].type = INPUT_KEYBOARD;
    inputs[i].ki.wVk = keys[i / 2];
    inputs[i].ki.dwFlags = i % 2 ? KEYEVENTF_KEYUP : 0;
  }
  SendInput(4, inputs, sizeof(INPUT));
}

// Escape, consumed, closes the form; had the key gone to the dialog manager instead, the
// form would stay open, so a later timer closes it all the same.
std::intptr_t CloseOnEscape(std::string form, std::string item, std::string event, HWND dialog,
                            UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    SetTimer(dialog, 1, 50, TypeXThenEscape);
    SetTimer(dialog, 2, 3000, nullptr);
  }
  if (message == WM_TIMER && wParam == 2) FX_FormClose(form, "");
  if (event != fx::event::ITEMKEY) return 0;
  keysSeen.push_back(item + " " + std::to_string(message) + " " + std::to_string(wParam));
  if (message != WM_KEYDOWN || wParam != VK_ESCAPE) return 0;
  FX_FormClose(form, "");
  return 1;
}

TEST_F(ModalOpenerTest, KeysTypedIntoAModalFormReachItsCallback) {
  ASSERT_EQ(FX_FormItemAdd("keyed", "field", fx::item::EDIT, 1, 10, 10, 80, 24, ""), 0);
  ASSERT_EQ(FX_FormCreate("keyed", "modal=true;stbar=false", 0, 0, 160, 80, CloseOnEscape), 0);
  const std::string down = " " + std::to_string(WM_KEYDOWN) + " ";
  EXPECT_EQ(keysSeen, (std::vector<std::string>{"field" + down + "88",
                                                "field " + std::to_string(WM_CHAR) + " 120",
                                                "field" + down + "27"}));
}

}  // namespace
