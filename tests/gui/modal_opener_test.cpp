// A modal form opened from another form's callback: while it is shown it is the current
// form, and once it closes the form created last that is still open is current, while the
// form that opened it has the keyboard and is served again (its events still arrive). A modal form opened with
// no form current leaves none current. Keys typed into a modal form reach its callback
// although the platform's own loop reads them. Modal forms opened from modal forms block
// exactly the chain below them, and each gets the keyboard back when the next one closes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fenwix/window/form_keys.h"
#include "tests/gui/gui_test_helpers.h"

namespace {

std::intptr_t CloseAtStart(std::string, std::string, std::string, HWND dialog, UINT message,
                           WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  return 0;
}

// What the opener's callback saw of the modal form it opened from a click; the modeless
// form that the modal form opens while it is shown, if any.
const char* sideForm = nullptr;
struct Opened {
  int clicks = 0;
  ErrorCode code = -1;
  std::string currentWhileShown;
  bool mainEnabledWhileShown = true;
  std::string currentAfter;
};
Opened opened;

std::intptr_t CloseAtStartAndLook(std::string form, std::string item, std::string event,
                                  HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    opened.currentWhileShown = TheRegistry().CurrentFormName;
    opened.mainEnabledWhileShown =
        IsWindowEnabled(FindWindowDef(TheRegistry().MainWindowName).handle) != 0;
    if (sideForm) {
      EXPECT_EQ(FX_FormCreate(sideForm, "stbar=false", 0, 0, 120, 80, nullptr), 0);
    }
  }
  return CloseAtStart(form, item, event, dialog, message, wParam, lParam);
}

void OpenPicker() {
  opened.code =
      FX_FormCreate("picker", "modal=true;stbar=false", 0, 0, 120, 80, CloseAtStartAndLook);
  opened.currentAfter = TheRegistry().CurrentFormName;
}

std::intptr_t OpenModalOnClick(std::string, std::string item, std::string event, HWND, UINT,
                               WPARAM, LPARAM) {
  if (event != fx::event::ITEMCLIC || item != "open") return 0;
  ++opened.clicks;
  if (opened.clicks == 1) OpenPicker();
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

// The form that holds the control with the keyboard, or "-".
std::string KeyboardForm() {
  const std::string holder = FormHoldingWindow(GetFocus());
  return holder.empty() ? "-" : holder;
}

// The opener is the main window's frameless form. A modeless framed form opened after it
// is current, but the modal form belongs to the form whose event opens it, or, outside
// any event, to the form the user is in: the main window is disabled under it, and the
// keyboard goes back to the opener.
TEST_F(ModalOpenerTest, TheOpenerIsServedAgainOnceTheModalFormCloses) {
  const struct {
    const char* before;   // a modeless framed form opened after the opener, if any
    bool fromClick;       // opened by the opener's click event, else with the keyboard in it
    const char* side;     // a modeless form the modal form opens while it is shown
    const char* current;  // current once the modal form has closed: the last one created
  } cases[] = {{nullptr, true, nullptr, "opener"},
               {nullptr, true, "side", "side"},
               {"framed", true, nullptr, "framed"},
               {"framed", false, nullptr, "framed"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.before ? c.before : "-") +
                 (c.fromClick ? ", click, " : ", keyboard, ") + c.current);
    opened = Opened();
    sideForm = c.side;
    ASSERT_EQ(FX_FormCreate("opener", "edge=false;stbar=false", 0, 0, 400, 300, OpenModalOnClick),
              0);
    if (c.before) {
      ASSERT_EQ(FX_FormCreate(c.before, "stbar=false", 300, 300, 160, 100, nullptr), 0);
    }
    test::PumpMessages();
    if (c.fromClick) {
      Click("opener", "open");
    } else {
      SetFocus(FindItemDef("opener", "open").control);
      ++opened.clicks;
      OpenPicker();
    }
    test::PumpMessages();
    EXPECT_EQ(opened.code, 0);
    EXPECT_EQ(opened.currentWhileShown, "picker");
    EXPECT_FALSE(opened.mainEnabledWhileShown) << "expected the main window disabled under it";
    EXPECT_EQ(opened.currentAfter, c.current);
    EXPECT_EQ(KeyboardForm(), "opener");
    EXPECT_EQ(FX_FormCloseReason("picker"), "CLOSE");

    // A second click reaches the opener's callback only if its procedure serves it.
    Click("opener", "open");
    EXPECT_EQ(opened.clicks, 2) << "expected the opener to raise ITEMCLIC after the modal form";
    EXPECT_TRUE(test::Reports().empty());
    for (const char* other : {c.side, c.before}) {
      if (other) {
        EXPECT_EQ(FX_FormClose(other, ""), 0);
      }
    }
    EXPECT_EQ(FX_FormClose("opener", ""), 0);
  }
  sideForm = nullptr;
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

// A chain of modal forms, each opened from the one before by one event, the deepest
// closing itself; every level, once shown and once back, says what it sees: whether the
// main window and each open level take input, whether it is the active window, and which
// of its items has the keyboard.
struct Chain {
  const char* event;  // what opens the next level: ITEMCLIC, ITEMKEY or BEFORE
  int depth;
};
Chain chain;
std::vector<std::string> chainSeen;

std::string Level(int level) { return "level" + std::to_string(level); }

void LookAtChain(int level, HWND dialog, const char* when) {
  std::string line = Level(level) + " " + when + ": main " +
                     std::to_string(IsWindowEnabled(FindWindowDef(TheRegistry().MainWindowName).handle) != 0);
  for (int k = 1; k <= chain.depth; ++k) {
    const HWND shown = FindWindowDef(Level(k)).handle;
    if (shown && IsWindow(shown)) line += " " + Level(k) + " " + std::to_string(IsWindowEnabled(shown) != 0);
  }
  line += GetActiveWindow() == dialog ? " active" : " inactive";
  const std::string focused = FindItemNameByControl(Level(level), GetFocus());
  chainSeen.push_back(line + " focus " + (focused.empty() ? "-" : focused));
}

void TypeKey(WORD key) {
  INPUT inputs[2] = {};
  for (int i = 0; i < 2; ++i) {
    inputs[i].type = INPUT_KEYBOARD;
    inputs[i].ki.wVk = key;
    inputs[i].ki.dwFlags = i ? KEYEVENTF_KEYUP : 0;
  }
  SendInput(2, inputs, sizeof(INPUT));
}

std::intptr_t ChainLevel(std::string form, std::string item, std::string event, HWND dialog,
                         UINT message, WPARAM wParam, LPARAM);

void OpenNext(int level, HWND dialog) {
  const std::string next = Level(level + 1);
  if (FindItemDef(next, "next").type.empty()) {
    ASSERT_EQ(FX_FormItemAdd(next, "next", fx::item::BUTTON, 1, 10, 10, 60, 24, ""), 0);
    ASSERT_EQ(FX_FormItemAdd(next, "field", fx::item::EDIT, 2, 10, 40, 60, 24, ""), 0);
  }
  EXPECT_EQ(FX_FormCreate(next, "modal=true;stbar=false", 0, 0, 160, 110, ChainLevel), 0);
  // Looked at once the platform has moved the keyboard after the close.
  PostMessageA(dialog, WM_APP + 1, 0, 0);
}

std::intptr_t ChainLevel(std::string form, std::string item, std::string event, HWND dialog,
                         UINT message, WPARAM wParam, LPARAM) {
  const int level = std::stoi(form.substr(5));
  const bool opens = event == chain.event;
  if (event == fx::event::BEFORE && message == WM_INITDIALOG) {
    PostMessageA(dialog, WM_APP, 0, 0);
    // A level that nothing moves on in time closes, so the test fails instead of waiting.
    SetTimer(dialog, 1, 5000, nullptr);
  } else if (event == fx::event::BEFORE && message == WM_TIMER && wParam == 1) {
    FX_FormClose(form, "");
  } else if (event == fx::event::BEFORE && message == WM_APP) {
    if (level == chain.depth) {
      LookAtChain(level, dialog, "deepest");
      FX_FormClose(form, "");
    } else if (opens) {
      OpenNext(level, dialog);
    } else {
      TypeKey(std::string(chain.event) == fx::event::ITEMKEY ? 'N' : VK_SPACE);
    }
    return 1;
  } else if (event == fx::event::BEFORE && message == WM_APP + 1) {
    LookAtChain(level, dialog, "back");
    FX_FormClose(form, "");
    return 1;
  } else if (opens && ((event == fx::event::ITEMKEY && message == WM_KEYDOWN && wParam == 'N') ||
                       (event == fx::event::ITEMCLIC && item == "next"))) {
    OpenNext(level, dialog);
    return 1;
  }
  return 0;
}

TEST_F(ModalOpenerTest, NestedModalFormsBlockTheirOpenersAndGiveTheKeyboardBack) {
  for (const Chain& c : {Chain{fx::event::ITEMCLIC, 3}, Chain{fx::event::ITEMKEY, 4},
                         Chain{fx::event::BEFORE, 3}}) {
    SCOPED_TRACE(std::string(c.event) + ", " + std::to_string(c.depth) + " levels");
    chain = c;
    chainSeen.clear();
    ASSERT_EQ(FX_FormCreate("chainOpener", "edge=false;stbar=false", 0, 0, 400, 300, nullptr), 0);
    OpenNext(0, FindWindowDef("chainOpener").handle);
    test::PumpMessages();

    // While the deepest is shown, nothing below it takes input; once a level is back, it
    // takes input, is active and has the keyboard on the item it left, and nothing below.
    std::vector<std::string> expected;
    for (int level = c.depth; level >= 1; --level) {
      std::string line = Level(level) + (level == c.depth ? " deepest" : " back") + ": main 0";
      for (int k = 1; k <= level; ++k) line += " " + Level(k) + (k == level ? " 1" : " 0");
      expected.push_back(line + " active focus next");
    }
    EXPECT_EQ(chainSeen, expected);
    EXPECT_TRUE(IsWindowEnabled(FindWindowDef(TheRegistry().MainWindowName).handle));
    EXPECT_EQ(TheRegistry().CurrentFormName, "chainOpener");
    EXPECT_EQ(FX_FormClose("chainOpener", ""), 0);
  }
  EXPECT_TRUE(test::Reports().empty());
}

}  // namespace
