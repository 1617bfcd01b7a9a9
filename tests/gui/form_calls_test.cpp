// The calls a program makes on an open form: reading what an item shows, setting a
// field's text and a box's check, closing the form from code, OK checking the form
// before it closes, and the program's own status text.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fenwix/error/error_context.h"
#include "tests/gui/gui_test_helpers.h"

namespace {

// The named events seen, as "item event", and the answer "BEFORE" gives the close command.
std::vector<std::string> seen;
std::intptr_t closeAnswer = 0;

std::intptr_t Record(std::string, std::string item, std::string event, HWND, UINT message,
                     WPARAM wParam, LPARAM) {
  if (event != fx::event::BEFORE) seen.push_back(item + " " + event);
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) return closeAnswer;
  return 0;
}

class FormCalls : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_EQ(test::StartWithMainWindow("CallsMain"), 0);
  }
  void SetUp() override {
    seen.clear();
    closeAnswer = 0;
    form_ = test::NewName("calls");
    test::RecordedMessageBoxes().clear();
    SetForegroundWindow(FindWindowDef(TheRegistry().MainWindowName).handle);
    const struct {
      const char* name;
      const char* type;
      const char* properties;
    } items[] = {
        {"name", fx::item::EDIT, "type=string;value=Ada;notnull=true"},
        {"when", fx::item::EDIT, "type=date;format=dd/mm/yyyy"},
        {"amount", fx::item::EDIT, "type=currency;format=999999.88"},
        {"colour", fx::item::COMBOSYS, "value1=Red;value2=Blue"},
        {"city", fx::item::COMBOSYS, "edit=true;value1=Paris"},
        {"urgent", fx::item::CHECKSYS, ""},
        {"code", fx::item::EDIT, "type=string;notnull=true;remark=A code"},
        {"ok", fx::item::BUTTON, "button=OK"},
        {"label", fx::item::STATIC, "value=Hello;bkcol=red;txhpos=right"},
    };
    int sequence = 0;
    for (const auto& item : items) {
      ++sequence;
      ASSERT_EQ(FX_FormItemAdd(form_, item.name, item.type, sequence, 10, 30 * sequence, 150,
                               item.type == fx::item::CHECKSYS ? 14 : 24, item.properties),
                0);
    }
  }
  void TearDown() override {
    closeAnswer = 0;
    if (IsWindow(FindWindowDef(form_).handle)) FX_FormClose(form_, "");
    test::PumpMessages();
  }

  void Create() {
    ASSERT_EQ(FX_FormCreate(form_, "edge=false;stbar=true", 0, 0, 480, 360, Record), 0);
    test::PumpMessages();
    seen.clear();
  }
  HWND Control(const std::string& item) { return FindItemDef(form_, item).control; }
  std::string Get(const std::string& item, const char* key = fx::key::VALUE) {
    return FX_FormItemGet(form_, item, key);
  }
  void Leave(const std::string& item, const char* typed) {
    SetFocus(Control(item));
    SetWindowTextA(Control(item), typed);
    SetFocus(Control("urgent"));
    test::PumpMessages();
  }
  std::string StatusBar() {
    char text[256] = "";
    GetWindowTextA(FindWindowDef(form_).statusBar, text, sizeof text);
    return text;
  }
  bool Saw(const std::string& line) { return std::count(seen.begin(), seen.end(), line) > 0; }

  std::string form_;
};

TEST_F(FormCalls, GetReadsWhatTheItemShows) {
  EXPECT_EQ(Get("name"), "Ada") << "before the form exists: the record";
  Create();
  Leave("when", "5.3.2005");
  Leave("amount", "12.5");
  // A real click on the box.
  RECT box;
  GetWindowRect(Control("urgent"), &box);
  SetCursorPos(box.left + 7, box.top + 7);
  INPUT click[2] = {};
  click[0].type = click[1].type = INPUT_MOUSE;
  click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, click, sizeof(INPUT));
  for (int i = 0; i < 50 && !Saw("urgent ITEMCHG"); ++i) {
    Sleep(10);
    test::PumpMessages();
  }
  SetFocus(Control("city"));
  SetWindowTextA(Control("city"), std::string(3000, 'x').c_str());
  const struct {
    const char* item;
    const char* key;
    std::string expected;
  } cases[] = {
      {"name", fx::key::VALUE, "Ada"},                // declared, never left
      {"colour", fx::key::VALUE, "Red"},              // the first entry, selected at the start
      {"when", fx::key::VALUE, "05/03/2005"},         // as written back after a valid exit
      {"amount", fx::key::VALUE, "12.50"},
      {"city", fx::key::VALUE, std::string(3000, 'x')},  // typed, not left, of any length
      {"urgent", fx::key::CHECK, "TRUE"},
      {"label", fx::key::VALUE, "Hello"},
      {"label", "bkcol", "0x0000FF"},
      {"label", fx::key::TXHPOS, "RIGHT"},
      {"code", fx::key::NOTNULL, "TRUE"},
      {"code", fx::key::LENGTH, "0"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Get(c.item, c.key), c.expected) << c.item << " " << c.key;
  // Once the form has closed, by whichever route, it keeps what it showed.
  ASSERT_EQ(FX_FormClose(form_, ""), 0);
  test::PumpMessages();
  for (const auto& c : cases)
    EXPECT_EQ(Get(c.item, c.key), c.expected) << "closed: " << c.item << " " << c.key;
  EXPECT_TRUE(test::Reports().empty());
  // The program's own value is read back from then on.
  ASSERT_EQ(FX_FormItemSet(form_, "city", fx::key::VALUE, "Oslo"), 0);
  EXPECT_EQ(Get("city"), "Oslo");

  EXPECT_EQ(Get("nothing"), "");
  EXPECT_EQ(Get("name", "colour"), "");
  EXPECT_EQ(test::TakeReportedCodes(), (std::vector<int>{18, 28}));
}

TEST_F(FormCalls, SetValueAndCheckShowOnTheControlAsNoChangeOfTheUsers) {
  Create();
  SetFocus(Control("name"));
  const struct {
    const char* item;
    const char* key;
    const char* value;
    const char* shown;
  } cases[] = {
      {"name", fx::key::VALUE, "Grace", "Grace"},  // the field being typed in
      {"when", fx::key::VALUE, "01/02/2003", "01/02/2003"},
      {"colour", fx::key::VALUE, "Blue", "Blue"},
      {"colour", fx::key::VALUE, "Green", ""},  // no such entry: nothing selected
      {"city", fx::key::VALUE, "Oslo", "Oslo"},
      {"urgent", fx::key::CHECK, "true", ""},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(FX_FormItemSet(form_, c.item, c.key, c.value), 0) << c.item;
    char text[64] = "";
    GetWindowTextA(Control(c.item), text, sizeof text);
    if (c.key == fx::key::VALUE) {
      EXPECT_STREQ(text, c.shown) << c.item;
    }
  }
  EXPECT_EQ(SendMessageA(Control("urgent"), BM_GETCHECK, 0, 0), BST_CHECKED);
  // Leaving the fields afterwards changes nothing the user did.
  for (const char* item : {"name", "when", "city", "urgent"}) SetFocus(Control(item));
  SetFocus(Control("name"));
  test::PumpMessages();
  for (const std::string& line : seen) EXPECT_EQ(line.find("ITEMCHG"), std::string::npos) << line;
  EXPECT_TRUE(Saw("name ITEMEXIT"));
}

TEST_F(FormCalls, CloseFromCodeGoesThroughTheFormsCloseCommand) {
  Create();
  const HWND dialog = FindWindowDef(form_).handle;
  const struct {
    std::intptr_t answer;
    const char* reason;
    ErrorCode expected;
    bool open;
    const char* recorded;
  } cases[] = {
      {1, "SAVED", 27, true, ""},  // refused by "BEFORE": the reason is not kept
      {0, "SAVED", 0, false, "SAVED"},
      {0, "SAVED", 4, false, "SAVED"},  // closed already
  };
  for (const auto& c : cases) {
    closeAnswer = c.answer;
    EXPECT_EQ(FX_FormClose(form_, c.reason), c.expected);
    test::PumpMessages();
    EXPECT_EQ(IsWindow(dialog) != 0, c.open);
    EXPECT_EQ(FX_FormCloseReason(form_), c.recorded);
  }
  EXPECT_EQ(FX_FormClose("unknown", ""), 4);
  EXPECT_EQ(FX_FormClose(TheRegistry().MainWindowName, ""), 4);
  EXPECT_TRUE(test::Reports().empty());

  // An empty reason records the close box's.
  Create();
  EXPECT_EQ(FX_FormClose(form_, ""), 0);
  EXPECT_EQ(FX_FormCloseReason(form_), "CLOSE");
}

TEST_F(FormCalls, CheckAndOkAcceptOnlyAnAcceptableForm) {
  EXPECT_EQ(FX_FormCheck(form_), 4) << "not open yet";
  Create();
  const HWND dialog = FindWindowDef(form_).handle;
  // The required code was never entered; a date that cannot be comes before it in the
  // sequence; once both are right, the check passes and OK closes. The program's check
  // and OK's refuse alike, the check with the field's own code.
  const struct {
    const char* item;
    const char* typed;
    const char* refusedAt;
    const char* status;
    ErrorCode code;
  } cases[] = {
      {"when", "", "code", "Saisie obligatoire", 8},
      {"when", "31/13/2005", "when", "Saisie incorrecte", 2},
      {"code", "A1", "when", "Saisie incorrecte", 2},
      {"when", "", nullptr, nullptr, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.item) + " [" + c.typed + "]");
    SetWindowTextA(Control(c.item), c.typed);
    SetFocus(Control("urgent"));
    EXPECT_EQ(FX_FormCheck(form_), c.code);
    test::PumpMessages();
    if (c.refusedAt) {
      EXPECT_EQ(GetFocus(), Control(c.refusedAt));
      EXPECT_EQ(StatusBar(), c.status);
    }
    SendMessageA(Control("ok"), BM_CLICK, 0, 0);
    test::PumpMessages();
    if (c.refusedAt) {
      EXPECT_TRUE(IsWindow(dialog)) << "expected OK refused for " << c.refusedAt;
      EXPECT_EQ(GetFocus(), Control(c.refusedAt));
      EXPECT_EQ(StatusBar(), c.status);
      EXPECT_EQ(FX_FormCloseReason(form_), "");
    }
  }
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(FX_FormCloseReason(form_), "OK");
  EXPECT_EQ(FX_FormCheck(form_), 4) << "closed";
  EXPECT_TRUE(test::Reports().empty());
}

// What the user is typing is brought in by FX_FormCommit, and by FX_FormCheck before it
// checks, as leaving the field would: checked, written back and reported once, while the
// field keeps the focus.
TEST_F(FormCalls, CommitAndCheckBringInTheFieldBeingTyped) {
  EXPECT_EQ(FX_FormCommit(form_), 4) << "not open yet";
  Create();
  const struct {
    const char* what;
    bool check;  // FX_FormCheck rather than FX_FormCommit
    const char* item;
    const char* typed;
    ErrorCode code;
    const char* shown;
    const char* status;
    const char* focusAfter;
  } cases[] = {
      {"a date written back", false, "when", "1.2.2025", 0, "01/02/2025", "", "when"},
      {"an amount written back", false, "amount", "12.5", 0, "12.50", "", "amount"},
      {"the check, with another field refused", true, "name", "Grace", 8, "Grace",
       "Saisie obligatoire", "code"},
      {"an impossible date refused", false, "when", "31/13/2026", 2, "31/13/2026",
       "Saisie incorrecte", "when"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    // The required code is filled for all but the check's case, which it fails.
    SetWindowTextA(Control("code"), c.check ? "" : "A1");
    SetFocus(Control(c.item));
    test::PumpMessages();
    SetWindowTextA(Control(c.item), c.typed);
    seen.clear();
    EXPECT_EQ(c.check ? FX_FormCheck(form_) : FX_FormCommit(form_), c.code);
    test::PumpMessages();
    EXPECT_EQ(Get(c.item), c.shown);
    EXPECT_EQ(GetFocus(), Control(c.focusAfter));
    EXPECT_EQ(StatusBar(), c.status);
    const std::vector<std::string> exit{std::string(c.item) + " ITEMCHG", std::string(c.item) + " ITEMEXIT"};
    EXPECT_EQ(seen, exit);
    if (c.code == 0) {
      SetFocus(Control("urgent"));
      test::PumpMessages();
      EXPECT_EQ(seen, exit) << "leaving it afterwards is no second exit";
    }
  }
  // A form that is not open gives 4, and the caller's error context stays as it was.
  SetErrorContext("outer", "OuterCall");
  EXPECT_EQ(FX_FormCommit("unknown"), 4);
  EXPECT_EQ(FX_FormCheck("unknown"), 4);
  EXPECT_EQ(FX_FormClose("unknown", "OK"), 4);
  EXPECT_EQ(CurrentErrorContext().functionName, "OuterCall");
  EXPECT_EQ(CurrentErrorContext().windowName, "outer");
  EXPECT_TRUE(test::Reports().empty());
}

TEST_F(FormCalls, StatusSetShowsTheProgramsText) {
  EXPECT_EQ(FX_FormStatusSet(form_, "Saved"), 4) << "not open yet";
  Create();
  EXPECT_EQ(FX_FormStatusSet(form_, "Saved"), 0);
  EXPECT_EQ(StatusBar(), "Saved");
  SetFocus(Control("code"));
  EXPECT_EQ(StatusBar(), "A code") << "the library's own texts take over at the next focus";
  EXPECT_TRUE(test::Reports().empty());
}

}  // namespace
