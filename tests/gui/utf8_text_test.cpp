// A program in UTF-8 mode: its texts reach the screen whole as UTF-16, in Unicode windows,
// and what the user types, in any script, comes back to it as UTF-8.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "fenwix/fenwix.h"
#include "fenwix/registry/registry.h"
#include "tests/gui/gui_test_helpers.h"

namespace {

// In UTF-8 mode the program's procedure is a Unicode window's.
LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  FX_WindowMessageAuto(message, wParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

const char kTitle[] = "Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 \xCE\xB3\xCE\xB5\xCE\xB9\xCE\xB1";

class Utf8MainWindow : public ::testing::Environment {
 public:
  void SetUp() override {
    EXPECT_EQ(FX_TextEncodingSet("EBCDIC"), 30);
    EXPECT_EQ(FX_TextEncodingSet("utf-8"), 0);
    ASSERT_EQ(FX_WindowMainCreate("Utf8Main", SW_SHOWNORMAL, MainProc,
                                  std::string("name=") + kTitle, 0, 0, 520, 420), 0);
    // Too late now: the windows are made.
    EXPECT_EQ(FX_TextEncodingSet("ANSI"), 30);
    EXPECT_EQ(test::TakeReportedCodes(), (std::vector<int>{30, 30}));
  }
};
const auto* const kMainWindow = ::testing::AddGlobalTestEnvironment(new Utf8MainWindow);

std::vector<std::string> keys;  // "ITEMKEY item message wParam", wParam in hexadecimal

std::intptr_t Record(std::string, std::string item, std::string event, HWND, UINT message,
                     WPARAM wParam, LPARAM) {
  if (event == fx::event::ITEMKEY && message == WM_CHAR) {
    char unit[8];
    std::snprintf(unit, sizeof unit, "%04X", static_cast<unsigned>(wParam));
    keys.push_back(item + " " + unit);
  }
  return 0;
}

std::vector<std::string> drawn;  // the texts drawn by owner-drawn items, in UTF-8
int WINAPI RecordDrawText(HDC dc, LPCWSTR text, int length, LPRECT rect, UINT format) {
  drawn.push_back(test::Utf8Of(std::wstring(text, static_cast<std::size_t>(length)).c_str()));
  return os::real().DrawTextW(dc, text, length, rect, format);
}

std::string WindowUtf8(HWND window) {
  wchar_t text[256] = {0};
  GetWindowTextW(window, text, 256);
  return test::Utf8Of(text);
}

// Characters typed as an input method or an on-screen keyboard types them, while the
// library's loop runs, until the control holds `units` of them or two seconds have passed.
HWND typedInto = nullptr;
int typedUnits = 0;
void CALLBACK WatchText(HWND, UINT, UINT_PTR timer, DWORD) {
  if (GetWindowTextLengthW(typedInto) >= typedUnits || ++test::LoopTicks() > 100) {
    KillTimer(nullptr, timer);
    PostQuitMessage(0);
  }
}
void TypeUnicode(HWND control, const std::wstring& text, int units) {
  std::vector<INPUT> inputs;
  for (wchar_t unit : text) {
    INPUT down = {};
    down.type = INPUT_KEYBOARD;
    down.ki.wScan = unit;
    down.ki.dwFlags = KEYEVENTF_UNICODE;
    INPUT up = down;
    up.ki.dwFlags |= KEYEVENTF_KEYUP;
    inputs.push_back(down);
    inputs.push_back(up);
  }
  typedInto = control;
  typedUnits = units;
  test::LoopTicks() = 0;
  SetFocus(control);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  SetTimer(nullptr, 0, 20, WatchText);
  FX_MessageLoop();
}

class Utf8Text : public ::testing::Test {
 protected:
  void TearDown() override {
    if (!TheRegistry().CurrentFormName.empty()) FX_FormClose(form_, "CANCEL");
    test::PumpMessages();
  }
  void Add(const std::string& item, const char* type, int sequence, const std::string& properties) {
    ASSERT_EQ(FX_FormItemAdd(form_, item, type, sequence, 10, 10 + 36 * (sequence - 1), 200, 28,
                             properties), 0);
  }
  void Create(const std::string& properties) {
    ASSERT_EQ(FX_FormCreate(form_, properties, 0, 0, 480, 380, Record), 0);
    test::PumpMessages();
  }
  HWND Control(const std::string& item) { return FindItemDef(form_, item).control; }

  std::string form_ = test::NewName("utf8form");
};

TEST_F(Utf8Text, TextsReachTheScreenWholeInUnicodeWindows) {
  const std::string polish = "\xC5\x81\xC3\xB3" "d\xC5\xBA";               // Łódź
  const std::string greek = "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1";  // Ελλάδα
  const std::string russian = "\xD0\x96\xD1\x83\xD0\xBA";                   // Жук
  Add("label", fx::item::STATIC, 1, "value=" + polish);
  Add(greek, fx::item::BUTTONSYS, 2, "");
  Add("painted", fx::item::BUTTON, 3, "value=" + russian);
  Add("list", fx::item::COMBOSYS, 4, "value1=" + russian + ";value2=" + polish);
  Add("bad", fx::item::EDIT, 5, "value=a\xFF" "b\xE2\x82");
  Add("grid", fx::item::DATAGRID, 6, "");
  ASSERT_EQ(FX_GridColumnAdd(form_, "grid", "city", "title=" + greek), 0);
  ASSERT_EQ(FX_GridRowCountSet(form_, "grid", 3), 0);
  const char* cities[] = {"Zabrze", polish.c_str(), "Lublin"};
  for (int row = 0; row < 3; ++row) ASSERT_EQ(FX_GridCellSet(form_, "grid", row, "city", cities[row]), 0);
  drawn.clear();
  {
    os::Override<decltype(&::DrawTextW)> record(&os::Table::DrawTextW, RecordDrawText);
    Create("stbar=false;name=" + greek);
  }
  const HWND dialog = FindWindowDef(form_).handle;
  const HWND main = FindWindowDef("Utf8Main").handle;

  wchar_t entry[64] = {0};
  SendMessageW(Control("list"), CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(entry));
  // The grid's header and cells, and its sort by the user's locale: the stroke of the Ł
  // weighs less than the letters after it (by bytes, the Polish city would come last).
  wchar_t title[64] = {0}, cell[64] = {0};
  LVCOLUMNW column = {};
  column.mask = LVCF_TEXT;
  column.pszText = title;
  column.cchTextMax = 64;
  SendMessageW(Control("grid"), LVM_GETCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  NMLISTVIEW click = {};
  click.hdr = {Control("grid"), static_cast<UINT_PTR>(GetDlgCtrlID(Control("grid"))), LVN_COLUMNCLICK};
  SendMessageW(dialog, WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
  LVITEMW item = {};
  item.pszText = cell;
  item.cchTextMax = 64;
  SendMessageW(Control("grid"), LVM_GETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&item));
  const struct {
    const char* what;
    std::string shown;
    std::string expected;
  } cases[] = {
      {"the main window's title", WindowUtf8(main), kTitle},
      {"the form's caption", WindowUtf8(dialog), greek},
      {"a system button's caption", WindowUtf8(Control(greek)), greek},
      {"a list's entry", test::Utf8Of(entry), polish},
      {"a list's selected entry", WindowUtf8(Control("list")), russian},
      {"a bad byte and a cut sequence", WindowUtf8(Control("bad")), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD"},
      {"the value read back", FX_FormItemGet(form_, "bad", "VALUE"), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD"},
      {"a grid's column title", test::Utf8Of(title), greek},
      {"a grid's cell, sorted", test::Utf8Of(cell), polish},
      {"the sorted cells", FX_GridCellGet(form_, "grid", 1, "city") + "," +
                               FX_GridCellGet(form_, "grid", 2, "city"), "Lublin,Zabrze"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.shown, c.expected) << c.what;
  // The labels and painted buttons draw with the wide call.
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), polish), drawn.end()) << "label not drawn";
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), russian), drawn.end()) << "button not drawn";

  for (HWND window : {main, dialog, Control("label"), Control(greek), Control("painted"),
                      Control("list"), Control("bad"), Control("grid")})
    EXPECT_TRUE(IsWindowUnicode(window)) << "window " << WindowUtf8(window);
}

TEST_F(Utf8Text, TypedCharactersComeBackWholeAsUtf8) {
  Add("name", fx::item::EDIT, 1, "");
  Add("short", fx::item::EDIT, 2, "length=3");
  Add("grid", fx::item::DATAGRID, 3, "");
  ASSERT_EQ(FX_GridColumnAdd(form_, "grid", "city", "edit=true"), 0);
  ASSERT_EQ(FX_GridRowCountSet(form_, "grid", 1), 0);
  Create("stbar=true");
  keys.clear();
  TypeUnicode(Control("name"), L"\u0142\u00F3d\u017A \u0416\u0443\u043A", 8);
  TypeUnicode(Control("short"), L"\u017C\u00F3\u0142w", 4);
  EXPECT_EQ(FX_FormItemGet(form_, "name", "VALUE"),
            "\xC5\x82\xC3\xB3" "d\xC5\xBA \xD0\x96\xD1\x83\xD0\xBA");
  EXPECT_EQ(FX_FormItemGet(form_, "short", "VALUE"), "\xC5\xBC\xC3\xB3\xC5\x82");
  ASSERT_FALSE(keys.empty());
  EXPECT_EQ(keys.front(), "name 0142") << "expected the first character's UTF-16 unit";
  // An input method's result typed on a grid's cell: both characters are queued for the
  // list view before the first one opens the cell's edit, and both go into it.
  SetFocus(Control("grid"));
  ASSERT_EQ(FX_FormItemSet(form_, "grid", "ROW", "0"), 0);
  PostMessageW(Control("grid"), WM_IME_CHAR, 0x6771, 1);
  PostMessageW(Control("grid"), WM_IME_CHAR, 0x4EAC, 1);
  // Read as a Unicode program reads its messages: an ANSI read turns them into "?".
  for (MSG msg; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  const HWND editor = FindWindowExW(Control("grid"), nullptr, L"Edit", nullptr);
  ASSERT_TRUE(editor) << "no edit opened";
  SendMessageW(editor, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(FX_GridCellGet(form_, "grid", 0, "city"), "\xE6\x9D\xB1\xE4\xBA\xAC");
}

std::string handled;
bool Handle(ErrorCode, const std::string& report) {
  handled = report;
  return false;
}

TEST_F(Utf8Text, TheMessageFileReachesTheProgramInUtf8) {
  // "Un élément de ce nom existe déjà", as the handler and as the message box get it.
  const std::string expected = "Un \xC3\xA9l\xC3\xA9ment de ce nom existe d\xC3\xA9j\xC3\xA0";
  ASSERT_EQ(FX_LanguageSet("fr"), 0);
  Add("twice", fx::item::EDIT, 1, "");
  FX_ErrorHandlerSet(Handle);
  EXPECT_EQ(FX_FormItemAdd(form_, "twice", fx::item::EDIT, 2, 0, 0, 10, 10, ""), 22);
  FX_ErrorHandlerSet(nullptr);
  EXPECT_NE(handled.find(expected), std::string::npos) << handled;

  test::RecordedMessageBoxes().clear();
  EXPECT_EQ(FX_FormItemAdd(form_, "twice", fx::item::EDIT, 2, 0, 0, 10, 10, ""), 22);
  const std::vector<std::string> shown = test::Reports();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find(expected), std::string::npos) << shown[0];
}

// A copy of this program, started in an empty folder from a folder whose name no ANSI code
// page spells, runs the test above: it can only find the message file beside itself.
TEST(ProgramFolder, AProgramStartedFromAFolderOfAnyNameFindsItsMessageFile) {
  namespace fs = std::filesystem;
  wchar_t self[MAX_PATH] = {0};
  ASSERT_GT(GetModuleFileNameW(nullptr, self, MAX_PATH), 0u);
  const std::wstring stem = L"fenwix-" + std::to_wstring(GetCurrentProcessId());
  const fs::path folder = fs::temp_directory_path() / (stem + L"-Za\u017C\u00F3\u0142\u0107");
  const fs::path empty = fs::temp_directory_path() / (stem + L"-empty");
  fs::create_directories(folder);
  fs::create_directories(empty);
  fs::copy_file(self, folder / L"program.exe", fs::copy_options::overwrite_existing);
  fs::copy_file(L"fenmsg.fdb", folder / L"fenmsg.fdb", fs::copy_options::overwrite_existing);

  std::wstring command = L"\"" + (folder / L"program.exe").wstring() +
                         L"\" --gtest_filter=Utf8Text.TheMessageFileReachesTheProgramInUtf8";
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  ASSERT_TRUE(CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                             empty.c_str(), &startup, &process));
  DWORD exitCode = 1;
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  EXPECT_EQ(exitCode, 0u) << "the copy in " << test::Utf8Of(folder.c_str()) << " failed";
  std::error_code ignored;
  fs::remove_all(folder, ignored);
  fs::remove_all(empty, ignored);
}

}  // namespace
