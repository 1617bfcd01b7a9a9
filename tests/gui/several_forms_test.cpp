// Programs with more than one form: each form's messages are served as that form's
// whatever is current (a modal form opened from it, a failed creation, a new title), the
// keyboard comes back to the form after a modal form, a close abandons the field being
// typed in, and a control hidden or disabled under the focus keeps what its exit recorded.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "tests/gui/gui_test_helpers.h"

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);

// What the callbacks saw: named events, and the "BEFORE" of commands and paints, each as
// "form item event".
std::vector<std::string> seen;
// Run by the modal form's callback once it is on the screen, before it closes itself.
std::function<void(HWND dialog)> whileOpen;

std::intptr_t Record(std::string form, std::string item, std::string event, HWND dialog,
                     UINT message, WPARAM, LPARAM) {
  const std::string line = form + " " + (item.empty() ? "-" : item) + " " + event;
  if (event != fx::event::BEFORE) {
    seen.push_back(line);
  } else if (message == WM_COMMAND) {
    seen.push_back(line + " command");
  } else if (message == WM_DRAWITEM) {
    seen.push_back(line + " paint");
  } else if (message == WM_INITDIALOG) {
    PostMessageA(dialog, WM_APP, 0, 0);
  } else if (message == WM_APP) {
    if (whileOpen) whileOpen(dialog);
  }
  return 0;
}

std::intptr_t OpenModalOnClick(std::string form, std::string item, std::string event,
                               HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  Record(form, item, event, dialog, message, wParam, lParam);
  if (event == fx::event::ITEMCLIC && item == "open") {
    EXPECT_EQ(FX_FormCreate(form + "modal", "modal=true;stbar=false", 0, 0, 160, 90, Record), 0);
  }
  return 0;
}

void CloseItself(HWND dialog) { SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }

class SeveralForms : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_EQ(test::StartWithMainWindow("SeveralMain"), 0);
  }
  void SetUp() override {
    seen.clear();
    whileOpen = nullptr;
    form_ = test::NewName("form");
    test::RecordedMessageBoxes().clear();
    SetForegroundWindow(FindWindowDef(TheRegistry().MainWindowName).handle);
  }
  void TearDown() override {
    if (IsWindow(FindWindowDef(form_).handle)) SendMessageA(Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
    test::PumpMessages();
  }

  // A form with two fields, a combo box, a red label, a button that opens a modal form,
  // an OK button and a button that does nothing but raise its click.
  void CreateMainForm() {
    const struct {
      const char* name;
      const char* type;
      int x, y;
      const char* properties;
    } items[] = {
        {"field", fx::item::EDIT, 10, 10, "type=string"},
        {"other", fx::item::EDIT, 10, 50, "type=string"},
        {"combo", fx::item::COMBOSYS, 10, 90, "edit=true;value1=Paris"},
        {"open", fx::item::BUTTON, 150, 10, ""},
        {"ok", fx::item::BUTTON, 150, 50, "button=OK"},
        {"go", fx::item::BUTTON, 150, 90, ""},
        {"label", fx::item::STATIC, 300, 10, "bkcol=red"},
    };
    int sequence = 0;
    for (const auto& item : items)
      ASSERT_EQ(FX_FormItemAdd(form_, item.name, item.type, ++sequence, item.x, item.y, 120, 28,
                               item.properties),
                0);
    ASSERT_EQ(FX_FormCreate(form_, "edge=false;stbar=false", 0, 0, 480, 360, OpenModalOnClick), 0);
    test::PumpMessages();
    seen.clear();
  }

  // The next case of a table: the previous case's form closed, a new form name.
  void Next() {
    TearDown();
    SetUp();
  }

  HWND Dialog() { return FindWindowDef(form_).handle; }
  HWND Control(const std::string& item) { return FindItemDef(form_, item).control; }
  void Click(const std::string& item) {
    SendMessageA(Dialog(), WM_COMMAND, MAKEWPARAM(FindItemDef(form_, item).controlId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Control(item)));
  }
  COLORREF LabelPixel() {
    const HWND label = Control("label");
    const HDC dc = GetDC(label);
    const COLORREF pixel = GetPixel(dc, 60, 14);
    ReleaseDC(label, dc);
    return pixel;
  }
  // The lines seen that name the form, in order.
  std::vector<std::string> SeenOf(const std::string& form) {
    std::vector<std::string> lines;
    for (const std::string& line : seen)
      if (line.compare(0, form.size() + 1, form + " ") == 0) lines.push_back(line);
    return lines;
  }
  bool Saw(const std::string& line) { return std::count(seen.begin(), seen.end(), line) > 0; }

  std::string form_;
};

TEST_F(SeveralForms, AFormOpenBehindAModalFormIsServedAsItself) {
  CreateMainForm();
  const std::string modal = form_ + "modal";
  COLORREF repainted = 0;
  whileOpen = [&](HWND dialog) {
    ASSERT_EQ(FX_FormItemSet(form_, "label", fx::key::BKCOL, "blue"), 0);
    repainted = LabelPixel();
    CloseItself(dialog);
  };
  // The combo box has the focus and loses it to the modal form.
  SetFocus(Control("combo"));
  test::PumpMessages();
  seen.clear();
  Click("open");
  EXPECT_TRUE(Saw(form_ + " combo ITEMEXIT")) << "expected the combo's exit as its own form's";
  EXPECT_TRUE(Saw(form_ + " - BEFORE paint")) << "expected the label's paint as its own form's";
  EXPECT_EQ(repainted, kBlue) << "expected the label repainted blue while the modal form is open";
  for (const std::string& line : SeenOf(modal))
    EXPECT_EQ(line.find(" paint"), std::string::npos) << line;
  EXPECT_EQ(SeenOf(modal + " -"), std::vector<std::string>{}) << "no exit without an item";
  EXPECT_EQ(FX_FormCloseReason(modal), "CLOSE");
}

TEST_F(SeveralForms, AFailedCreationLeavesTheOpenFormWorking) {
  CreateMainForm();
  EXPECT_EQ(FX_FormCreate("x.y", "edge=false", 0, 0, 100, 100, Record), 26);
  ASSERT_EQ(TheRegistry().CurrentFormName, "x.y");
  ASSERT_EQ(FX_FormItemSet(form_, "label", fx::key::BKCOL, "blue"), 0);
  EXPECT_EQ(LabelPixel(), kBlue);
  SendMessageA(Control("go"), BM_CLICK, 0, 0);
  test::PumpMessages();
  EXPECT_TRUE(Saw(form_ + " go ITEMCLIC"));
  for (const WORD key : {VK_TAB, VK_RETURN}) {
    SetFocus(Control("field"));
    EXPECT_EQ(test::TypeInLoop({key}, Control("other")), 0);
    EXPECT_EQ(GetFocus(), Control("other")) << "expected key " << key << " to move on";
  }
}

TEST_F(SeveralForms, ANewTitleKeepsTheFormsName) {
  const char* const titles[] = {"Orders - changed", ""};
  for (const char* title : titles) {
    SCOPED_TRACE(std::string("title [") + title + "]");
    Next();
    CreateMainForm();
    ASSERT_EQ(FX_WindowTitleSet(form_, title), 0);
    SendMessageA(Control("go"), BM_CLICK, 0, 0);
    test::PumpMessages();
    EXPECT_TRUE(Saw(form_ + " go ITEMCLIC"));
    const HWND dialog = Dialog();
    SendMessageA(Control("ok"), BM_CLICK, 0, 0);
    test::PumpMessages();
    EXPECT_FALSE(IsWindow(dialog)) << "expected OK to close the form";
    EXPECT_EQ(FX_FormCloseReason(form_), "OK");
  }
}

TEST_F(SeveralForms, TheKeyboardComesBackToTheFormAfterAModalForm) {
  CreateMainForm();
  whileOpen = CloseItself;
  SetFocus(Control("field"));
  Click("open");
  test::PumpMessages();
  ASSERT_EQ(FX_FormCloseReason(form_ + "modal"), "CLOSE");
  EXPECT_EQ(GetFocus(), Control("field"));
  INPUT key[2] = {};
  key[0].type = key[1].type = INPUT_KEYBOARD;
  key[0].ki.wVk = key[1].ki.wVk = 'X';
  key[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, key, sizeof(INPUT));
  for (int i = 0; i < 50 && GetWindowTextLengthA(Control("field")) == 0; ++i) {
    Sleep(10);
    test::PumpMessages();
  }
  char text[16] = "";
  GetWindowTextA(Control("field"), text, sizeof text);
  EXPECT_STREQ(text, "x") << "expected the typed key in the form's field";
}

TEST_F(SeveralForms, AFieldAbandonedByTheCloseIsNeitherCheckedNorReported) {
  const struct {
    const char* properties;
    const char* typed;
  } cases[] = {
      {"edge=false;stbar=true", "31/13/2005"},
      {"edge=false;stbar=true", "changed"},
      {"modal=true;stbar=true", "31/13/2005"},
      {"modal=true;stbar=true", "changed"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.properties) + " typed " + c.typed);
    Next();
    ASSERT_EQ(FX_FormItemAdd(form_, "due", fx::item::EDIT, 1, 10, 10, 120, 28,
                             "type=date;format=dd/mm/yyyy"),
              0);
    ASSERT_EQ(FX_FormItemAdd(form_, "other", fx::item::EDIT, 2, 10, 50, 120, 28, ""), 0);
    whileOpen = [&](HWND dialog) {
      const HWND due = FindItemDef(form_, "due").control;
      SetFocus(due);
      SetWindowTextA(due, c.typed);
      seen.clear();
      CloseItself(dialog);
    };
    ASSERT_EQ(FX_FormCreate(form_, c.properties, 0, 0, 300, 200, Record), 0);
    test::PumpMessages();
    EXPECT_EQ(FX_FormCloseReason(form_), "CLOSE");
    EXPECT_FALSE(Saw(form_ + " due ITEMCHG"));
    EXPECT_FALSE(Saw(form_ + " due ITEMEXIT"));
    EXPECT_EQ(FindWindowDef(form_).statusText, "");
    EXPECT_EQ(FindWindowDef(form_).handle, nullptr);
  }
}

TEST_F(SeveralForms, HidingOrDisablingTheFocusedFieldKeepsItsExit) {
  const char* const keys[] = {fx::key::ENABLE, fx::key::VISIBLE};
  for (const char* key : keys) {
    SCOPED_TRACE(key);
    Next();
    CreateMainForm();
    SetFocus(Control("field"));
    SetWindowTextA(Control("field"), "typed");
    ASSERT_EQ(FX_FormItemSet(form_, "field", key, "false"), 0);
    test::PumpMessages();
    EXPECT_TRUE(Saw(form_ + " field ITEMEXIT"));
    EXPECT_EQ(FX_FormItemText(form_, "field"), "typed");
    const ItemDef field = FindItemDef(form_, "field");
    EXPECT_FALSE(key == fx::key::ENABLE ? field.enable : field.visible);
    // The keyboard moved on to the next tab stop, and the form's keys still work there.
    EXPECT_EQ(GetFocus(), Control("other"));
    EXPECT_EQ(test::TypeInLoop({VK_TAB}, GetWindow(Control("combo"), GW_CHILD)), 0);
    EXPECT_TRUE(Saw(form_ + " other ITEMKEY"));
    EXPECT_TRUE(IsChild(Control("combo"), GetFocus())) << "expected Tab to reach the combo box";
  }
}

TEST_F(SeveralForms, ClosingTheCurrentFormGivesTheKeyboardToTheFormThatBecomesCurrent) {
  // The form left behind either had the keyboard on one of its items, or never had it.
  const char* const lastFocused[] = {"other", nullptr};
  for (const char* last : lastFocused) {
    SCOPED_TRACE(last ? last : "never focused");
    Next();
    CreateMainForm();
    if (last) SetFocus(Control(last));
    const std::string second = test::NewName("second");
    ASSERT_EQ(FX_FormItemAdd(second, "entry", fx::item::EDIT, 1, 10, 10, 120, 28, ""), 0);
    ASSERT_EQ(FX_FormCreate(second, "edge=false;stbar=false", 0, 200, 200, 100, Record), 0);
    SetFocus(FindItemDef(second, "entry").control);
    test::PumpMessages();
    ASSERT_EQ(FX_FormClose(second, ""), 0);
    test::PumpMessages();
    EXPECT_EQ(TheRegistry().CurrentFormName, form_);
    EXPECT_EQ(GetFocus(), Control(last ? last : "field"));
  }
}

}  // namespace
