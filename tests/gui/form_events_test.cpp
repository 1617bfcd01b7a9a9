// Events of real forms: clicks, double clicks, focus, field exits with validation, the
// close path, and what the application's answers change.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "fenwix/fenwix.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"
#include "tests/gui/gui_test_helpers.h"

namespace {

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  FX_WindowMessageAuto(message, wParam);
  return DefWindowProcA(window, message, wParam, lParam);
}

class MainWindow : public ::testing::Environment {
 public:
  void SetUp() override {
    ASSERT_EQ(FX_WindowMainCreate("EventsMain", SW_SHOWNORMAL, MainProc, "", 0, 0, 500, 400), 0);
  }
};
const auto* const kMainWindow = ::testing::AddGlobalTestEnvironment(new MainWindow);

// What the application saw: named events always, "BEFORE" only for commands.
std::vector<std::string> seen;
INT_PTR beforeAnswer = 0;
UINT beforeAnswerFor = 0;
UINT keyAnswerFor = 0;  // the key message that "ITEMKEY" answers with 1

std::intptr_t Record(std::string, std::string item, std::string event, HWND, UINT message,
                     WPARAM wParam, LPARAM) {
  if (event == fx::event::BEFORE) {
    if (message == WM_COMMAND) seen.push_back("BEFORE " + item + " " + std::to_string(HIWORD(wParam)));
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) seen.push_back("BEFORE close");
    if (message == WM_CLOSE) seen.push_back("BEFORE WM_CLOSE");
    if (message == beforeAnswerFor && (message != WM_SYSCOMMAND || wParam == SC_CLOSE))
      return beforeAnswer;
    return 0;
  }
  if (event == fx::event::ITEMKEY) {
    seen.push_back(event + " " + item + " " + std::to_string(message) + " " + std::to_string(wParam));
    return message == keyAnswerFor ? 1 : 0;
  }
  seen.push_back(event + " " + item);
  return 0;
}

std::vector<std::string> NamedEvents() {
  std::vector<std::string> named;
  for (const std::string& line : seen)
    if (line.rfind("BEFORE", 0) != 0) named.push_back(line);
  return named;
}

class FormEvents : public ::testing::Test {
 protected:
  void SetUp() override {
    seen.clear();
    beforeAnswer = 0;
    beforeAnswerFor = 0;
    keyAnswerFor = 0;
    static int count = 0;
    form_ = "events" + std::to_string(++count);
  }
  void TearDown() override {
    if (!TheRegistry().CurrentFormName.empty()) Close();
    test::PumpMessages();
  }

  void Add(const std::string& item, const char* type, int sequence, const std::string& properties,
           int x = 10, int width = 120) {
    ASSERT_EQ(FX_FormItemAdd(form_, item, type, sequence, x, 10 + 40 * (sequence - 1), width, 28,
                             properties), 0);
  }
  void Create(const std::string& properties = "edge=false") {
    ASSERT_EQ(FX_FormCreate(form_, properties, 0, 0, 480, 360, Record), 0);
    dialog_ = FindWindowDef(form_).handle;
    ASSERT_NE(dialog_, nullptr);
    test::PumpMessages();
    seen.clear();
  }
  void Close() { SendMessageA(dialog_, WM_SYSCOMMAND, SC_CLOSE, 0); }

  HWND Control(const std::string& item) { return FindItemDef(form_, item).control; }
  // The window that has the focus when the item has it: a combo box's edit field.
  HWND Focus(const std::string& item) {
    const HWND edit = FindWindowExA(Control(item), nullptr, "Edit", nullptr);
    return edit ? edit : Control(item);
  }
  void Type(const std::string& item, const char* text) {
    SetFocus(Control(item));
    SetWindowTextA(Control(item), text);
    test::PumpMessages();
  }
  std::string Text(const std::string& item) {
    char text[256] = {0};
    GetWindowTextA(Control(item), text, sizeof text);
    return text;
  }
  std::string StatusBar() {
    char text[256] = {0};
    SendMessageA(FindWindowDef(form_).statusBar, WM_GETTEXT, sizeof text,
                 reinterpret_cast<LPARAM>(text));
    return text;
  }

  std::string form_;
  HWND dialog_ = nullptr;
};

TEST_F(FormEvents, ButtonClickRaisesBeforeThenItemClic) {
  Add("go", fx::item::BUTTON, 1, "");
  Create();
  SendMessageA(Control("go"), BM_CLICK, 0, 0);
  test::PumpMessages();
  const std::vector<std::string> expected{"BEFORE go 0", "ITEMCLIC go"};
  EXPECT_EQ(seen, expected);
}

TEST_F(FormEvents, OkButtonRecordsItsRoleAndClosesWithoutItemClic) {
  Add("ok", fx::item::BUTTON, 1, "button=ok");
  Create();
  SendMessageA(Control("ok"), BM_CLICK, 0, 0);
  test::PumpMessages();
  EXPECT_EQ(FindWindowDef(form_).closeReason, "OK");
  EXPECT_TRUE(NamedEvents().empty());
  EXPECT_TRUE(TheRegistry().CurrentFormName.empty());
  EXPECT_FALSE(IsWindow(dialog_));
  // The click is the one command the application saw: no close command follows it.
  EXPECT_EQ(seen, (std::vector<std::string>{"BEFORE ok 0"}));
}

TEST_F(FormEvents, CancelButtonClosesAFormWithoutCallback) {
  ASSERT_EQ(FX_FormItemAdd(form_, "no", fx::item::BUTTON, 1, 10, 10, 80, 28, "button=Cancel"), 0);
  ASSERT_EQ(FX_FormCreate(form_, "edge=false", 0, 0, 200, 100, nullptr), 0);
  dialog_ = FindWindowDef(form_).handle;
  SendMessageA(Control("no"), BM_CLICK, 0, 0);
  test::PumpMessages();
  EXPECT_EQ(FindWindowDef(form_).closeReason, "CANCEL");
  EXPECT_FALSE(IsWindow(dialog_));
}

TEST_F(FormEvents, NonZeroBeforeToCloseKeepsTheFormOpen) {
  Add("label", fx::item::STATIC, 1, "value=x");
  Create();
  beforeAnswer = 1;
  beforeAnswerFor = WM_SYSCOMMAND;
  Close();
  test::PumpMessages();
  EXPECT_TRUE(IsWindow(dialog_));
  EXPECT_EQ(TheRegistry().CurrentFormName, form_);
  EXPECT_TRUE(FindWindowDef(form_).closeReason.empty());
  beforeAnswer = 0;
  Close();
  EXPECT_EQ(FindWindowDef(form_).closeReason, "CLOSE");
}

TEST_F(FormEvents, NonZeroBeforeToInitDialogLeavesTheFormWithoutControls) {
  Add("label", fx::item::STATIC, 1, "value=x");
  Add("field", fx::item::EDIT, 2, "");
  beforeAnswer = 1;
  beforeAnswerFor = WM_INITDIALOG;
  Create();
  EXPECT_EQ(Control("label"), nullptr);
  EXPECT_EQ(Control("field"), nullptr);
  EXPECT_EQ(GetWindow(dialog_, GW_CHILD), nullptr);
}

TEST_F(FormEvents, RequiredFieldTakesTheFocusBackAndSaysSoAtOnce) {
  Add("name", fx::item::EDIT, 1, "notnull=y;remark=Your name");
  Add("other", fx::item::EDIT, 2, "remark=Something else");
  Create("edge=false;stbar=true");
  SetFocus(Control("name"));
  test::PumpMessages();
  EXPECT_EQ(StatusBar(), "Your name");
  // Tab, typed: the field is refused, keeps the focus and says why while the user is in it.
  for (int attempt = 0; attempt < 2; ++attempt) {
    EXPECT_EQ(test::TypeInLoop({VK_TAB}, Control("name")), 0);
    EXPECT_EQ(GetFocus(), Control("name"));
    EXPECT_EQ(StatusBar(), "Saisie obligatoire") << "attempt " << attempt;
  }
  // The other field only flickered past: it has no exit of its own.
  EXPECT_EQ(NamedEvents(), (std::vector<std::string>{"ITEMKEY name 256 9", "ITEMEXIT name",
                                                     "ITEMKEY name 256 9", "ITEMEXIT name"}));
  // Left with a name, the field lets the help texts come back.
  EXPECT_EQ(test::TypeInLoop({'A', VK_TAB}, Control("other")), 0);
  EXPECT_EQ(StatusBar(), "Something else");
}

TEST_F(FormEvents, StringIsCutToItsLengthAndOnlyToIt) {
  // The control's own limit stops typing at LENGTH characters; text set by a program is
  // not limited, and the exit cuts it. Without LENGTH nothing is cut, however long.
  const struct {
    const char* properties;
    std::size_t set, kept;
  } cases[] = {{"length=5", 8, 5}, {"", 100000, 100000}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.properties);
    SetUp();
    Add("code", fx::item::EDIT, 1, c.properties);
    Add("other", fx::item::EDIT, 2, "");
    Create();
    SetFocus(Control("code"));
    const std::string typed(c.set, 'x');
    SetWindowTextA(Control("code"), typed.c_str());
    SetFocus(Control("other"));
    test::PumpMessages();
    EXPECT_EQ(FX_FormItemGet(form_, "code", fx::key::VALUE), typed.substr(0, c.kept));
    EXPECT_EQ(FX_FormItemText(form_, "code"), typed.substr(0, c.kept));
    Close();
  }
}

TEST_F(FormEvents, DateAndAmountAreWrittenBackNormalised) {
  Add("when", fx::item::EDIT, 1, "type=date;format=dd/mm/yyyy");
  Add("amount", fx::item::EDIT, 2, "type=currency;format=999999.88");
  Add("other", fx::item::EDIT, 3, "");
  Create();
  Type("when", "5.3.2005");
  Type("amount", "12.5");
  SetFocus(Control("other"));
  test::PumpMessages();
  EXPECT_EQ(Text("when"), "05/03/2005");
  EXPECT_EQ(Text("amount"), "12.50");
  const ItemDef when = FindItemDef(form_, "when");
  EXPECT_EQ(when.currentText, "5.3.2005");  // recorded as typed
  EXPECT_FALSE(when.date.isNull());
  EXPECT_EQ(FindItemDef(form_, "amount").currency.integerPart(), 12);
}

// The library's language outlives a form, and the other tests expect the default.
struct FrenchAfterwards {
  ~FrenchAfterwards() { FX_LanguageSet("FR"); }
};

TEST_F(FormEvents, ImpossibleDateKeepsTheFocusAndSaysSoUntilLeftRight) {
  Add("when", fx::item::EDIT, 1, "type=date;format=dd/mm/yyyy;remark=Day/month/year");
  Add("other", fx::item::EDIT, 2, "remark=Something else");
  Create("edge=false;stbar=true");
  const struct {
    const char* typed;
    bool refused;
  } cases[] = {
      {"31/13/2026", true}, {"31/02/2024", true}, {"29/02/2023", true},
      {"31/04/2024", true}, {"30/02/2000", true}, {"29/02/2024", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    Type("when", c.typed);
    // Tab, typed, twice: the message is shown at once and stays while the user is there.
    const HWND stays = c.refused ? Control("when") : Control("other");
    for (int attempt = 0; attempt < (c.refused ? 2 : 1); ++attempt) {
      EXPECT_EQ(test::TypeInLoop({VK_TAB}, stays), 0);
      EXPECT_EQ(GetFocus(), stays);
      EXPECT_EQ(FindWindowDef(form_).statusText, c.refused ? "Saisie incorrecte" : "");
      EXPECT_EQ(StatusBar(), c.refused ? "Saisie incorrecte" : "Something else");
    }
  }
  EXPECT_EQ(Text("when"), "29/02/2024");
}

TEST_F(FormEvents, InvalidAmountSaysIncorrectAndOnlyAnEmptyOneIsRequired) {
  Add("free", fx::item::EDIT, 1, "type=currency;format=999.88");
  Add("needed", fx::item::EDIT, 2, "type=currency;format=9999.88;notnull=true");
  Add("other", fx::item::EDIT, 3, "");
  Create();
  Type("free", "1,5");
  SetFocus(Control("other"));
  test::PumpMessages();
  EXPECT_EQ(GetFocus(), Control("free"));
  EXPECT_EQ(FindWindowDef(form_).statusText, "Saisie incorrecte");

  Type("free", "");
  const struct {
    const char* typed;
    const char* status;
  } cases[] = {{"12,5", "Saisie incorrecte"}, {"12a", "Saisie incorrecte"}, {"", "Saisie obligatoire"}};
  for (const auto& c : cases) {
    Type("needed", c.typed);
    SetFocus(Control("other"));
    test::PumpMessages();
    EXPECT_EQ(GetFocus(), Control("needed")) << c.typed;
    EXPECT_EQ(FindWindowDef(form_).statusText, c.status) << c.typed;
  }
}

// Puts the text on the clipboard, as the user's copy would.
void CopyToClipboard(const std::string& text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  ASSERT_NE(block, nullptr);
  memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
  GlobalUnlock(block);
  ASSERT_NE(SetClipboardData(CF_TEXT, block), nullptr);
  CloseClipboard();
}

TEST_F(FormEvents, NothingIsCutWithoutAWord) {
  const std::string kFrenchCut = "Texte trop long", kEnglishCut = "Text too long";
  const std::string longName(2000, 'n');
  const struct {
    const char* route;
    const char* language;
    std::string kept;  // what the field then holds
    std::string said;  // how the status bar begins
  } cases[] = {
      {"paste", "FR", std::string(120, 'n'), kFrenchCut},
      {"paste", "US", std::string(120, 'n'), kEnglishCut},
      {"set", "FR", std::string(120, 'n'), kFrenchCut},
      {"set short", "FR", "Ada", "Your name"},
      // A LENGTH set at run time limits typing as the declared one does.
      {"typed after LENGTH=3", "FR", "abc", kFrenchCut},
  };
  const FrenchAfterwards restore;
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.route) + " " + c.language);
    SetUp();
    Add("name", fx::item::EDIT, 1, "length=120;remark=Your name");
    Add("other", fx::item::EDIT, 2, "");
    Create("edge=false;stbar=true");
    ASSERT_EQ(FX_LanguageSet(c.language), 0);
    SetFocus(Control("name"));
    test::PumpMessages();
    const std::string route = c.route;
    if (route == "paste") {
      CopyToClipboard(longName);
      SendMessageA(Control("name"), WM_PASTE, 0, 0);
    } else if (route == "set") {
      ASSERT_EQ(FX_FormItemSet(form_, "name", fx::key::VALUE, longName), 0);
    } else if (route == "set short") {
      ASSERT_EQ(FX_FormItemSet(form_, "name", fx::key::VALUE, "Ada"), 0);
    } else {
      ASSERT_EQ(FX_FormItemSet(form_, "name", fx::key::LENGTH, "3"), 0);
      EXPECT_EQ(SendMessageA(Control("name"), EM_GETLIMITTEXT, 0, 0), 3);
      EXPECT_EQ(test::TypeInLoop({'A', 'B', 'C', 'D'}, nullptr), 0);
    }
    test::PumpMessages();
    EXPECT_EQ(Text("name"), c.kept);
    EXPECT_EQ(FX_FormItemGet(form_, "name", fx::key::VALUE), c.kept);
    EXPECT_EQ(StatusBar().substr(0, c.said.size()), c.said);
    Close();
  }
}

TEST_F(FormEvents, LanguageChoosesTheReportAndStatusTexts) {
  Add("name", fx::item::EDIT, 1, "notnull=y");
  Add("amount", fx::item::EDIT, 2, "type=currency;format=999.88");
  Add("other", fx::item::EDIT, 3, "");
  Create();
  const FrenchAfterwards restore;
  // How the shipped texts of the unknown language's code begin.
  const char kFrench29[] = "Cette langue";
  const char kEnglish29[] = "This language";
  const struct {
    const char* language;
    const char* refusal;  // the start of the report's message, or nullptr when accepted
    bool english;         // the language in force afterwards
  } cases[] = {
      {"US", nullptr, true},  {"DE", kEnglish29, true}, {"fr", nullptr, false},
      {"", kFrench29, false}, {"us", nullptr, true},    {" FR", kEnglish29, true},
      {"Fr", nullptr, false}, {"FRA", kFrench29, false},
  };
  auto statusAfterLeaving = [&](const char* item, const char* text) {
    Type(item, text);
    SetFocus(Control("other"));
    test::PumpMessages();
    return FindWindowDef(form_).statusText;
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("language \"") + c.language + "\"");
    test::RecordedMessageBoxes().clear();
    EXPECT_EQ(FX_LanguageSet(c.language), c.refusal ? 29 : 0);
    if (c.refusal) {
      const std::string window = *c.language ? c.language : TheRegistry().MainWindowName;
      EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(29, "FX_LanguageSet", window) +
                                            "Error msg : " + c.refusal), "");
    } else {
      EXPECT_EQ(test::TakeReportedCodes(), std::vector<int>{}) << "expected no report";
    }
    EXPECT_EQ(statusAfterLeaving("name", ""),
              c.english ? "Input required" : "Saisie obligatoire");
    Type("name", "x");
    EXPECT_EQ(statusAfterLeaving("amount", "1,5"),
              c.english ? "Invalid input" : "Saisie incorrecte");
    Type("amount", "");
  }
}

TEST_F(FormEvents, ItemChgComesBeforeItemExitOnlyOnAChange) {
  Add("a", fx::item::EDIT, 1, "");
  Add("b", fx::item::EDIT, 2, "");
  Create();
  SetFocus(Control("a"));
  SetFocus(Control("b"));  // no change: exit only
  test::PumpMessages();
  EXPECT_EQ(NamedEvents(), (std::vector<std::string>{"ITEMEXIT a"}));

  seen.clear();
  Type("a", "hello");
  SetFocus(Control("b"));
  test::PumpMessages();
  EXPECT_EQ(NamedEvents(), (std::vector<std::string>{"ITEMEXIT b", "ITEMCHG a", "ITEMEXIT a"}));

  seen.clear();
  SetFocus(Control("a"));
  SetFocus(Control("b"));  // same text as recorded: no change
  test::PumpMessages();
  EXPECT_EQ(NamedEvents(), (std::vector<std::string>{"ITEMEXIT b", "ITEMEXIT a"}));
}

TEST_F(FormEvents, CheckBoxClickRecordsItsStateAndRaisesItemChg) {
  Add("flag", fx::item::CHECKSYS, 1, "");
  Create();
  SendMessageA(Control("flag"), BM_CLICK, 0, 0);
  test::PumpMessages();
  EXPECT_TRUE(FindItemDef(form_, "flag").checkState);
  const std::vector<std::string> named = NamedEvents();
  ASSERT_FALSE(named.empty());
  EXPECT_EQ(named.front(), "ITEMCHG flag");
}

std::vector<std::string> KeyEvents() {
  std::vector<std::string> keys;
  for (const std::string& line : seen)
    if (line.rfind(fx::event::ITEMKEY, 0) == 0) keys.push_back(line);
  return keys;
}

// Real keys in the library's loop: each key down and character goes to the callback of the
// form typed into, with the focused item (a combo box for its edit field), before the
// dialog manager; the answer 1 consumes it.
TEST_F(FormEvents, KeysGoToTheFormFirstAndItsAnswerConsumesThem) {
  const std::string down = std::to_string(WM_KEYDOWN) + " ", chr = std::to_string(WM_CHAR) + " ";
  const struct {
    const char* what;
    const char* focus;
    WORD key;
    UINT answerFor;
    const char* focusAfter;
    const char* text;  // of the focused item afterwards
    std::vector<std::string> keys;
  } cases[] = {
      {"a letter, unanswered", "a", 'X', 0, "a", "x", {"a " + down + "88", "a " + chr + "120"}},
      {"its character consumed", "a", 'X', WM_CHAR, "a", "", {"a " + down + "88", "a " + chr + "120"}},
      {"its key down consumed", "a", 'X', WM_KEYDOWN, "a", "", {"a " + down + "88"}},
      {"into a combo box's field", "c", 'X', 0, "c", "x", {"c " + down + "88", "c " + chr + "120"}},
      {"Tab, unanswered, moves on", "a", VK_TAB, 0, "b", "", {"a " + down + "9"}},
      {"Tab consumed stays", "a", VK_TAB, WM_KEYDOWN, "a", "", {"a " + down + "9"}},
      {"Return, unanswered, moves on", "b", VK_RETURN, 0, "c", "", {"b " + down + "13"}},
      {"Escape, unanswered, does nothing", "a", VK_ESCAPE, 0, "a", "", {"a " + down + "27"}},
  };
  Add("a", fx::item::EDIT, 1, "");
  Add("b", fx::item::EDIT, 2, "");
  Add("c", fx::item::COMBOSYS, 3, "edit=true");
  Create();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SetFocus(Control(c.focus));
    SetWindowTextA(Control("a"), "");
    SetWindowTextA(Control("c"), "");
    test::PumpMessages();
    seen.clear();
    keyAnswerFor = c.answerFor;
    EXPECT_EQ(test::TypeInLoop({c.key}, Focus(c.focusAfter)), 0);
    std::vector<std::string> expected;
    for (const std::string& key : c.keys) expected.push_back(std::string(fx::event::ITEMKEY) + " " + key);
    EXPECT_EQ(KeyEvents(), expected);
    EXPECT_EQ(GetFocus(), Focus(c.focusAfter));
    EXPECT_EQ(Text(c.focusAfter), c.text);
    EXPECT_EQ(TheRegistry().CurrentFormName, form_);
    for (const std::string& line : NamedEvents()) EXPECT_EQ(line.rfind("ITEMCLIC", 0), std::string::npos);
  }
}

// The commands that reach the program as a close or a button's press: clicks, the dialog
// manager's IDOK and IDCANCEL, the close command and WM_CLOSE.
std::vector<std::string> CloseCommands() {
  std::vector<std::string> commands;
  for (const std::string& line : seen) {
    const bool click = line.rfind("BEFORE", 0) == 0 && line.size() > 2 &&
                       line.compare(line.size() - 2, 2, " 0") == 0;
    if (click || line == "BEFORE close" || line == "BEFORE WM_CLOSE") commands.push_back(line);
  }
  return commands;
}

// Whatever key was pressed before, the toggle bit of every key is set.
SHORT WINAPI EveryKeyToggled(int) { return 1; }

// KEYS=WINDOWS, with real keys: Return is the OK button wherever the focus is, with its
// check, after the field being typed in is left as Tab leaves it; Escape is the CANCEL
// button, or the form's close with CANCEL when it has none, and abandons that field. Each
// reaches the program once, as the command that pressed the button; a WM_CLOSE is the
// close box's, whatever keys were pressed before.
TEST_F(FormEvents, WindowsKeysPressTheFormsOkAndCancel) {
  const std::string idCommand = "BEFORE  0";  // IDOK or IDCANCEL, from no control
  const struct {
    const char* what;
    const char* properties;
    bool buttons;
    const char* name;  // typed into the required field
    WORD key;          // 0: a WM_CLOSE sent to the form
    const char* reason;  // the close reason, or nullptr when the form stays open
    const char* status;
    const char* focusAfter;  // where the keyboard is once the key is handled
    const char* dateAfter;   // what the program reads of the date typed as "1.2.2025"
    std::vector<std::string> commands;
  } cases[] = {
      {"Return on a filled form", "keys=windows", true, "Ada", VK_RETURN, "OK", "", nullptr,
       "01/02/2025", {"BEFORE ok 0"}},
      {"Return on a refused form", "keys=Windows", true, "", VK_RETURN, nullptr,
       "Saisie obligatoire", "name", "01/02/2025", {"BEFORE ok 0"}},
      {"Return without an OK button", "keys=windows", false, "Ada", VK_RETURN, nullptr, "",
       "other", "1.2.2025", {idCommand}},
      {"Escape", "keys=windows", true, "", VK_ESCAPE, "CANCEL", "", nullptr, "1.2.2025",
       {idCommand}},
      {"Escape without a CANCEL button", "keys=windows", false, "", VK_ESCAPE, "CANCEL", "",
       nullptr, "1.2.2025", {idCommand}},
      {"Return, by default", "", true, "Ada", VK_RETURN, nullptr, "", "name", "01/02/2025",
       {idCommand}},
      {"Escape, by default", "", true, "", VK_ESCAPE, nullptr, "", "other", "1.2.2025",
       {idCommand}},
      {"WM_CLOSE, keys toggled", "keys=windows", true, "", 0, "CLOSE", "", nullptr, "1.2.2025",
       {"BEFORE WM_CLOSE"}},
      {"WM_CLOSE, by default", "", true, "", 0, "CLOSE", "", nullptr, "1.2.2025",
       {"BEFORE WM_CLOSE"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    Add("other", fx::item::EDIT, 1, "type=date;format=dd/mm/yyyy");
    Add("name", fx::item::EDIT, 2, "notnull=y");
    if (c.buttons) {
      Add("ok", fx::item::BUTTON, 3, "button=OK");
      Add("cancel", fx::item::BUTTON, 4, "button=CANCEL");
    }
    Create(std::string("edge=false;stbar=true;") + c.properties);
    SetWindowTextA(Control("name"), c.name);
    SetFocus(Control("other"));
    test::PumpMessages();
    SetWindowTextA(Control("other"), "1.2.2025");
    seen.clear();
    if (c.key) {
      // A key that leaves the focus where it was is waited for until the loop gives up.
      const bool stays = c.focusAfter && std::string(c.focusAfter) == "other";
      EXPECT_EQ(test::TypeInLoop({c.key}, c.focusAfter && !stays ? Control(c.focusAfter) : nullptr), 0);
    } else {
      const os::Override toggled(&os::Table::GetKeyState, EveryKeyToggled);
      SendMessageA(dialog_, WM_CLOSE, 0, 0);
    }
    test::PumpMessages();
    EXPECT_EQ(IsWindow(dialog_) == FALSE, c.reason != nullptr);
    if (c.focusAfter) {
      EXPECT_EQ(GetFocus(), Control(c.focusAfter));
    }
    EXPECT_EQ(FX_FormCloseReason(form_), c.reason ? c.reason : "");
    EXPECT_EQ(FX_FormItemGet(form_, "other", fx::key::VALUE), c.dateAfter);
    EXPECT_EQ(CloseCommands(), c.commands);
    if (IsWindow(dialog_)) {
      EXPECT_EQ(StatusBar(), c.status);
      Close();
    }
  }
}

TEST_F(FormEvents, ClosedModelessFormCanBeCreatedAgain) {
  Add("label", fx::item::STATIC, 1, "value=x");
  Create();
  Close();
  test::PumpMessages();
  EXPECT_TRUE(TheRegistry().CurrentFormName.empty());
  EXPECT_EQ(FX_FormCreate(form_, "edge=false", 0, 0, 200, 100, Record), 0);
  EXPECT_TRUE(IsWindow(FindWindowDef(form_).handle));
  dialog_ = FindWindowDef(form_).handle;
}

// Two presses of the mouse within the double-click time, as a person makes them.
void DoubleClick(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  INPUT clicks[4] = {};
  for (INPUT& input : clicks) input.type = INPUT_MOUSE;
  clicks[0].mi.dwFlags = clicks[2].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  clicks[1].mi.dwFlags = clicks[3].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, clicks, sizeof(INPUT));
  test::PumpMessages();
  Sleep(30);
  SendInput(2, clicks + 2, sizeof(INPUT));
  for (int i = 0; i < 20; ++i) {
    test::PumpMessages();
    Sleep(10);
  }
}

TEST_F(FormEvents, DoubleClickOnAButtonCountsTwice) {
  Add("key", fx::item::BUTTON, 1, "");
  Create();
  DoubleClick(Control("key"));
  EXPECT_EQ(NamedEvents(), (std::vector<std::string>{"ITEMCLIC key", "ITEMCLIC key"}));
  // The second press really came as a double-click notification.
  EXPECT_NE(std::find(seen.begin(), seen.end(), "BEFORE key 5"), seen.end());
}

TEST_F(FormEvents, DoubleClickOnAnOkButtonClosesOnce) {
  Add("ok", fx::item::BUTTON, 1, "button=OK");
  Create();
  DoubleClick(Control("ok"));
  EXPECT_FALSE(IsWindow(dialog_));
  EXPECT_EQ(FindWindowDef(form_).closeReason, "OK");
  EXPECT_EQ(std::count(seen.begin(), seen.end(), "BEFORE ok 0"), 1);
}

}  // namespace
