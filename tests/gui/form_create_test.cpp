// Form creation against the real dialog manager: the template's bytes, the dialog's place,
// size and colour, the record's flags, modal and modeless forms, and every failure code.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "fenwix/error/error_context.h"
#include "fenwix/form/template_writer.h"
#include "fenwix/formproc/form_proc.h"
#include "fenwix/window/library_state.h"
#include "tests/gui/gui_test_helpers.h"

namespace {

// What the platform's dialog calls were given.
struct DialogCall {
  std::vector<unsigned char> bytes;  // the whole template block
  std::uintptr_t address;            // where the block starts
  HINSTANCE instance;
  HWND parent;
  DLGPROC procedure;
  LPARAM parameter;
};
std::vector<DialogCall> dialogCalls;
bool createForReal = true;
INT_PTR modalResult = -1;

void Capture(HINSTANCE instance, LPCDLGTEMPLATEA dialogTemplate, HWND parent, DLGPROC procedure,
             LPARAM parameter) {
  // The block is fixed global memory, whose handle is its address.
  const HGLOBAL block = const_cast<HGLOBAL>(static_cast<const void*>(dialogTemplate));
  const auto* bytes = static_cast<const unsigned char*>(static_cast<const void*>(dialogTemplate));
  dialogCalls.push_back({std::vector<unsigned char>(bytes, bytes + GlobalSize(block)),
                         reinterpret_cast<std::uintptr_t>(bytes), instance, parent, procedure,
                         parameter});
}
HWND WINAPI RecordModeless(HINSTANCE instance, LPCDLGTEMPLATEA dialogTemplate, HWND parent,
                           DLGPROC procedure, LPARAM parameter) {
  Capture(instance, dialogTemplate, parent, procedure, parameter);
  return createForReal ? os::real().CreateDialogIndirectParamA(instance, dialogTemplate, parent,
                                                               procedure, parameter)
                       : nullptr;
}
INT_PTR WINAPI RecordModal(HINSTANCE instance, LPCDLGTEMPLATEA dialogTemplate, HWND parent,
                           DLGPROC procedure, LPARAM parameter) {
  Capture(instance, dialogTemplate, parent, procedure, parameter);
  return modalResult;
}

int freed = 0;
HGLOBAL WINAPI CountFree(HGLOBAL block) {
  ++freed;
  return os::real().GlobalFree(block);
}

std::uint16_t WordAt(const std::vector<unsigned char>& bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes.at(at) | (bytes.at(at + 1) << 8));
}
std::uint32_t DwordAt(const std::vector<unsigned char>& bytes, std::size_t at) {
  return WordAt(bytes, at) | (static_cast<std::uint32_t>(WordAt(bytes, at + 2)) << 16);
}

int BaseX() { return LOWORD(GetDialogBaseUnits()); }
int BaseY() { return HIWORD(GetDialogBaseUnits()); }
// Pixels after the trip through dialog units and back, as the dialog manager sizes it.
int RoundTripX(int pixels) { return MulDiv(MulDiv(pixels, 4, BaseX()), BaseX(), 4); }
int RoundTripY(int pixels) { return MulDiv(MulDiv(pixels, 8, BaseY()), BaseY(), 8); }

class FormCreateTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    test::RestartLibrary();
    main_ = test::NewName("FormsMain");
    ASSERT_EQ(FX_WindowMainCreate(main_, SW_SHOWNORMAL, test::MainWindowProc, "", 0, 0, 600, 500), 0);
  }
  void SetUp() override {
    test::PumpMessages();
    test::RecordedMessageBoxes().clear();
    dialogCalls.clear();
    createForReal = true;
    modalResult = -1;
    freed = 0;
  }

  static HWND MainHandle() { return FindWindowDef(main_).handle; }
  static std::string main_;
};
std::string FormCreateTest::main_;

TEST_F(FormCreateTest, TemplateHoldsTheFrameAndNoControls) {
  os::Override<decltype(&::CreateDialogIndirectParamA)> record(&os::Table::CreateDialogIndirectParamA,
                                                               RecordModeless);
  createForReal = false;
  struct Case {
    const char* properties;
    std::uint32_t style;
    std::string caption;
  };
  const Case cases[] = {
      {"edge=false;name=Calc", 0x50000000u, "Calc"},
      {"edge=FALSE", 0x90CF0880u, "Fenwix Form"},
      {"edge=no;name=Framed", 0x90CF0880u, "Framed"},
      {"", 0x90CF0880u, "Fenwix Form"},
      {"name=", 0x90CF0880u, "Fenwix Form"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.properties);
    dialogCalls.clear();
    const std::string form = test::NewName("layout");
    EXPECT_EQ(FX_FormCreate(form, c.properties, 32, 14, 250, 350, nullptr), 1021);
    ASSERT_EQ(dialogCalls.size(), 1u);
    const DialogCall& call = dialogCalls[0];
    const std::vector<unsigned char>& t = call.bytes;
    EXPECT_EQ(t.size(), 1024u);
    // The platform reads the header as DWORDs and WORDs, packed the same for 32-bit and
    // 64-bit programs, and only from a DWORD boundary.
    EXPECT_EQ(call.address % sizeof(DWORD), 0u) << "template at 0x" << std::hex << call.address;
    EXPECT_EQ(sizeof(DLGTEMPLATE) + 2 * sizeof(WORD), kCaptionOffset) << "header, menu, class";
    EXPECT_EQ(DwordAt(t, 0), c.style) << std::hex << "expected 0x" << c.style << ", got 0x"
                                      << DwordAt(t, 0);
    EXPECT_EQ(DwordAt(t, 0) & DS_SETFONT, 0u);
    EXPECT_EQ(DwordAt(t, 4), 0u) << "extended style";
    EXPECT_EQ(WordAt(t, 8), 0u) << "number of items";
    EXPECT_EQ(WordAt(t, 10), MulDiv(14, 4, BaseX())) << "x from the fourth argument";
    EXPECT_EQ(WordAt(t, 12), MulDiv(32, 8, BaseY())) << "y from the third argument";
    EXPECT_EQ(WordAt(t, 14), MulDiv(250, 4, BaseX())) << "cx";
    EXPECT_EQ(WordAt(t, 16), MulDiv(350, 8, BaseY())) << "cy";
    EXPECT_EQ(WordAt(t, 18), 0u) << "menu";
    EXPECT_EQ(WordAt(t, 20), 0u) << "class";
    const std::size_t n = c.caption.size();
    for (std::size_t i = 0; i < n; ++i)
      EXPECT_EQ(WordAt(t, 22 + 2 * i), static_cast<unsigned char>(c.caption[i])) << "unit " << i;
    EXPECT_EQ(WordAt(t, 22 + 2 * n), 0u) << "caption's zero unit";
    EXPECT_EQ(WordAt(t, 24 + 2 * n), 10u) << "point size";
    const char face[] = "Arial";
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(WordAt(t, 26 + 2 * n + 2 * i), face[i]);
    EXPECT_EQ(WordAt(t, 36 + 2 * n), 0u) << "face name's zero unit";

    EXPECT_EQ(call.instance, TheLibrary().instance);
    EXPECT_EQ(call.parent, MainHandle());
    EXPECT_EQ(call.procedure, FX_FormProcIntl);
    EXPECT_EQ(call.parameter, 0);
  }
  EXPECT_TRUE(test::Reports().empty()) << "1021 is returned, not reported";
}

TEST_F(FormCreateTest, ALongCaptionGetsABlockThatHoldsItWhole) {
  os::Override<decltype(&::CreateDialogIndirectParamA)> record(&os::Table::CreateDialogIndirectParamA,
                                                               RecordModeless);
  const std::string caption(2000, 'c');
  const std::string form = test::NewName("long");
  ASSERT_EQ(FX_FormCreate(form, "edge=false;stbar=false;name=" + caption, 0, 0, 100, 100, nullptr), 0);
  ASSERT_EQ(dialogCalls.size(), 1u);
  const std::vector<unsigned char>& t = dialogCalls[0].bytes;
  EXPECT_GE(t.size(), 22u + 2 * 2001 + 2 + 12);
  EXPECT_EQ(WordAt(t, 22 + 2 * 1999), 'c');
  EXPECT_EQ(WordAt(t, 22 + 2 * 2000), 0u);
  EXPECT_EQ(WordAt(t, 24 + 2 * 2000), 10u);
  EXPECT_EQ(WordAt(t, 26 + 2 * 2000), 'A');

  const HWND dialog = FindWindowDef(form).handle;
  std::string shown(4096, '\0');
  shown.resize(static_cast<std::size_t>(GetWindowTextA(dialog, &shown[0], 4096)));
  EXPECT_EQ(shown.size(), 2000u);
  EXPECT_EQ(shown, caption);
  SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

TEST_F(FormCreateTest, CalculatorFormFillsTheTopLeftOfTheMainWindowInLightGrey) {
  ASSERT_EQ(FX_FormCreate("calc", "bkcol=lightgrey;edge=false;stbar=false", 0, 0, 250, 350, nullptr), 0);
  const FormDef form = FindWindowDef("calc");
  const HWND dialog = form.handle;
  ASSERT_TRUE(IsWindow(dialog));
  EXPECT_EQ(GetParent(dialog), MainHandle());
  EXPECT_TRUE(IsWindowVisible(dialog));
  const DWORD style = static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE));
  EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME | WS_POPUP),
            static_cast<DWORD>(WS_CHILD | WS_VISIBLE))
      << std::hex << "style 0x" << style;

  RECT r;
  GetWindowRect(dialog, &r);
  MapWindowPoints(nullptr, MainHandle(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right, RoundTripX(250));
  EXPECT_EQ(r.bottom, RoundTripY(350));
  RECT client;
  GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, r.right) << "no frame";
  EXPECT_EQ(client.bottom, r.bottom) << "no caption";

  EXPECT_EQ(form.backColor, 0xDFDFDF);
  EXPECT_FALSE(form.hasStatusBar);
  EXPECT_FALSE(form.modal);
  EXPECT_EQ(form.statusBar, nullptr);
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  const HDC dc = GetDC(dialog);
  const COLORREF pixel = GetPixel(dc, 125, 200);
  ReleaseDC(dialog, dc);
  EXPECT_EQ(pixel, RGB(223, 223, 223)) << std::hex << "got 0x" << pixel;
  EXPECT_TRUE(test::Reports().empty());
  SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

TEST_F(FormCreateTest, ThirdArgumentIsTheVerticalPosition) {
  const std::string form = test::NewName("placed");
  ASSERT_EQ(FX_FormCreate(form, "edge=false;stbar=false", 32, 14, 100, 80, nullptr), 0);
  const HWND dialog = FindWindowDef(form).handle;
  RECT r;
  GetWindowRect(dialog, &r);
  MapWindowPoints(nullptr, MainHandle(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, RoundTripX(14));
  EXPECT_EQ(r.top, RoundTripY(32));
  EXPECT_EQ(FindWindowDef(form).backColor, 0xFFFFFF) << "white without BKCOL";
  SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

TEST_F(FormCreateTest, RecordCarriesTheFlagsBeforeTheDialogExists) {
  os::Override<decltype(&::CreateDialogIndirectParamA)> modeless(
      &os::Table::CreateDialogIndirectParamA, RecordModeless);
  os::Override<decltype(&::DialogBoxIndirectParamA)> modal(&os::Table::DialogBoxIndirectParamA,
                                                           RecordModal);
  createForReal = false;
  modalResult = -1;
  struct Case {
    const char* properties;
    bool hasStatusBar, modal;
  };
  const Case cases[] = {
      {"", true, false},           {"stbar=false", false, false}, {"stbar=NO", false, false},
      {"stbar=0", true, false},    {"stbar=maybe", true, false},  {"modal=YES", true, true},
      {"modal=t", true, true},     {"modal=1", true, false},      {"modal=no;stbar=n", false, false},
  };
  for (const Case& c : cases) {
    const std::string form = test::NewName("flags");
    EXPECT_EQ(FX_FormCreate(form, c.properties, 0, 0, 50, 50, nullptr), 1021) << c.properties;
    const FormDef record = FindWindowDef(form);
    EXPECT_EQ(record.name, form) << c.properties;
    EXPECT_EQ(record.hasStatusBar, c.hasStatusBar) << c.properties;
    EXPECT_EQ(record.modal, c.modal) << c.properties;
    EXPECT_EQ(record.handle, nullptr) << c.properties;
  }
  EXPECT_TRUE(test::Reports().empty());
}

TEST_F(FormCreateTest, NameChecksAreReportedWithTheFormAlreadyCurrent) {
  EXPECT_EQ(FX_FormCreate("", "", 0, 0, 10, 10, nullptr), 1);
  EXPECT_EQ(TheRegistry().CurrentFormName, "");
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(1, "FX_FormCreate", main_)), "");
  test::RecordedMessageBoxes().clear();

  EXPECT_EQ(FX_FormCreate("a.b", "", 0, 0, 10, 10, nullptr), 26);
  EXPECT_EQ(TheRegistry().CurrentFormName, "a.b");
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(26, "FX_FormCreate", "a.b")), "");
  test::RecordedMessageBoxes().clear();

  const std::string open = test::NewName("open");
  ASSERT_EQ(FX_FormCreate(open, "edge=false", 0, 0, 10, 10, nullptr), 0);
  const HWND dialog = FindWindowDef(open).handle;
  TheRegistry().CurrentFormName.clear();
  EXPECT_EQ(FX_FormCreate(open, "edge=false", 0, 0, 10, 10, nullptr), 2);
  EXPECT_EQ(TheRegistry().CurrentFormName, open);
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(2, "FX_FormCreate", open)), "");
  EXPECT_EQ(FindWindowDef(open).handle, dialog);
  SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  test::RecordedMessageBoxes().clear();

  TheRegistry().MainWindowName = "";
  EXPECT_EQ(FX_FormCreate("early", "", 0, 0, 10, 10, nullptr), 5);
  TheRegistry().MainWindowName = main_;
  EXPECT_EQ(TheRegistry().CurrentFormName, "early");
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(5, "FX_FormCreate", "early")), "");
  EXPECT_TRUE(FindWindowDef("early").name.empty()) << "nothing stored";
}

HGLOBAL WINAPI NoBlock(UINT, SIZE_T) { return nullptr; }
LPVOID WINAPI NoLock(HGLOBAL) { return nullptr; }
UINT WINAPI StillLocked(HGLOBAL) { return 1; }
HGLOBAL WINAPI FreeFails(HGLOBAL block) {
  ++freed;
  return block;
}

TEST_F(FormCreateTest, TemplateFailuresFreeTheBlockOnce) {
  os::Override<decltype(&::GlobalFree)> count(&os::Table::GlobalFree, CountFree);
  struct Case {
    const char* what;
    ErrorCode code;
    bool reported;
    int freedBlocks;
  };
  const std::string names[] = {test::NewName("alloc"), test::NewName("lock"),
                               test::NewName("locked")};
  {
    os::Override<decltype(&::GlobalAlloc)> fail(&os::Table::GlobalAlloc, NoBlock);
    EXPECT_EQ(FX_FormCreate(names[0], "edge=false", 0, 0, 10, 10, nullptr), 1015);
    EXPECT_EQ(freed, 0);
  }
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(1015, "FX_FormCreate", names[0])), "");
  test::RecordedMessageBoxes().clear();
  {
    os::Override<decltype(&::GlobalLock)> fail(&os::Table::GlobalLock, NoLock);
    EXPECT_EQ(FX_FormCreate(names[1], "edge=false", 0, 0, 10, 10, nullptr), 1016);
    EXPECT_EQ(freed, 1);
  }
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(1016, "FX_FormCreate", names[1])), "");
  test::RecordedMessageBoxes().clear();
  freed = 0;
  {
    os::Override<decltype(&::GlobalFlags)> fail(&os::Table::GlobalFlags, StillLocked);
    EXPECT_EQ(FX_FormCreate(names[2], "edge=false", 0, 0, 10, 10, nullptr), 1020);
    EXPECT_EQ(freed, 1);
  }
  EXPECT_TRUE(test::Reports().empty()) << "1020 is returned, not reported";
  for (const std::string& name : names)
    EXPECT_TRUE(FindWindowDef(name).name.empty()) << name << ": no record without a template";
}

TEST_F(FormCreateTest, DialogFailuresAreReturnedAndFreeTheBlockOnce) {
  os::Override<decltype(&::GlobalFree)> count(&os::Table::GlobalFree, CountFree);
  os::Override<decltype(&::CreateDialogIndirectParamA)> modeless(
      &os::Table::CreateDialogIndirectParamA, RecordModeless);
  os::Override<decltype(&::DialogBoxIndirectParamA)> modal(&os::Table::DialogBoxIndirectParamA,
                                                           RecordModal);
  createForReal = false;
  EXPECT_EQ(FX_FormCreate(test::NewName("refused"), "edge=false", 0, 0, 10, 10, nullptr), 1021);
  EXPECT_EQ(freed, 1);

  // A modal form: -1 is the platform's failure, anything else the value it ended with.
  struct Case {
    INT_PTR ended;
    ErrorCode expected;
  };
  for (const Case& c : {Case{-1, 1021}, Case{0, 0}, Case{1, 0}, Case{7, 0}}) {
    freed = 0;
    modalResult = c.ended;
    EXPECT_EQ(FX_FormCreate(test::NewName("modal"), "modal=y", 0, 0, 10, 10, nullptr), c.expected)
        << "the dialog ended with " << c.ended;
    EXPECT_EQ(freed, 1) << "the dialog ended with " << c.ended;
  }
  EXPECT_TRUE(test::Reports().empty());
}

TEST_F(FormCreateTest, FailureToFreeTheTemplateIsReturnedAfterTheDialogExists) {
  os::Override<decltype(&::GlobalFree)> fail(&os::Table::GlobalFree, FreeFails);
  const std::string form = test::NewName("unfreed");
  const ErrorCode code = FX_FormCreate(form, "edge=false", 0, 0, 10, 10, nullptr);
  EXPECT_EQ(code, 1022);
  EXPECT_EQ(freed, 1);
  EXPECT_TRUE(test::Reports().empty());
  const HWND dialog = FindWindowDef(form).handle;
  EXPECT_TRUE(IsWindow(dialog));

  // The caller reports it (as the calculator does): the report names the form's
  // creation, although the dialog's procedure ran in between.
  ReportError(code);
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(1022, "FX_FormCreate", form)), "");
  SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

// How a starting form ends itself, and what its callback saw of its dialog's destroy.
enum class EndAtStart { kPostedClose, kFormClose, kDestroyWindow };
EndAtStart endAtStart = EndAtStart::kPostedClose;
HWND startedDialog = nullptr;
int destroysSeen = 0;
std::intptr_t EndWhileStarting(std::string form, std::string, std::string, HWND dialog,
                               UINT message, WPARAM, LPARAM) {
  if (message == WM_DESTROY) ++destroysSeen;
  if (message != WM_INITDIALOG) return 0;
  startedDialog = dialog;
  switch (endAtStart) {
    case EndAtStart::kPostedClose: PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    case EndAtStart::kFormClose: EXPECT_EQ(FX_FormClose(form, "SAVED"), 0); break;
    case EndAtStart::kDestroyWindow: DestroyWindow(dialog); break;
  }
  return 0;
}

TEST_F(FormCreateTest, AFormThatEndsWhileItStartsGivesZeroAndCanBeCreatedAgain) {
  const struct {
    const char* what;
    const char* properties;
    EndAtStart end;
    const char* reason;
  } cases[] = {
      {"modal, its close posted", "modal=true", EndAtStart::kPostedClose, "CLOSE"},
      {"modal, closed by the program", "modal=true", EndAtStart::kFormClose, "SAVED"},
      {"modeless, closed by the program", "", EndAtStart::kFormClose, "SAVED"},
      {"modeless, destroyed", "", EndAtStart::kDestroyWindow, ""},
  };
  for (const auto& c : cases) {
    endAtStart = c.end;
    const std::string form = test::NewName("starting");
    for (int round = 0; round < 2; ++round) {
      SCOPED_TRACE(std::string(c.what) + ", round " + std::to_string(round));
      startedDialog = nullptr;
      destroysSeen = 0;
      EXPECT_EQ(FX_FormCreate(form, std::string(c.properties) + ";edge=false;stbar=false", 0, 0,
                              100, 100, EndWhileStarting),
                0);
      EXPECT_NE(startedDialog, nullptr);
      EXPECT_FALSE(IsWindow(startedDialog));
      EXPECT_EQ(destroysSeen, 1) << "the callback sees its dialog's WM_DESTROY once";
      const FormDef record = FindWindowDef(form);
      EXPECT_EQ(record.handle, nullptr);
      EXPECT_EQ(record.closeReason, c.reason);
      EXPECT_TRUE(TheRegistry().CurrentFormName.empty());
      EXPECT_EQ(FX_FormClose(form, ""), 4);
    }
  }
  EXPECT_TRUE(IsWindowEnabled(MainHandle())) << "the owner is enabled again";
  EXPECT_TRUE(test::Reports().empty());
}

TEST_F(FormCreateTest, ModelessFormClosedCanBeCreatedAgainWithItsStatusBar) {
  const std::string form = test::NewName("again");
  for (int round = 0; round < 2; ++round) {
    ASSERT_EQ(FX_FormCreate(form, "edge=false", 0, 0, 200, 100, nullptr), 0) << "round " << round;
    const FormDef record = FindWindowDef(form);
    ASSERT_TRUE(IsWindow(record.handle));
    // The status bar recorded while the dialog started is still in the record.
    ASSERT_NE(record.statusBar, nullptr) << "round " << round;
    EXPECT_EQ(GetParent(record.statusBar), record.handle);

    EXPECT_EQ(SendMessageA(record.handle, WM_SYSCOMMAND, SC_CLOSE, 0), 0);
    EXPECT_FALSE(IsWindow(record.handle));
    EXPECT_FALSE(IsWindow(record.statusBar));
    const FormDef closed = FindWindowDef(form);
    EXPECT_EQ(closed.handle, nullptr);
    EXPECT_EQ(closed.statusBar, nullptr);
    EXPECT_EQ(closed.closeReason, "CLOSE");
  }
  EXPECT_TRUE(test::Reports().empty());
}

std::vector<INITCOMMONCONTROLSEX> askedControls;
BOOL WINAPI RecordControls(const INITCOMMONCONTROLSEX* controls) {
  askedControls.push_back(*controls);
  return os::real().InitCommonControlsEx(controls);
}
HMODULE WINAPI NoLibrary(LPCSTR) { return nullptr; }
BOOL WINAPI NoCommonControls(const INITCOMMONCONTROLSEX*) { return FALSE; }

TEST_F(FormCreateTest, CommonControlsWaitForTheFirstFormWithAStatusBar) {
  os::Override<decltype(&::InitCommonControlsEx)> record(&os::Table::InitCommonControlsEx,
                                                         RecordControls);
  TheLibrary().commonControls = false;
  askedControls.clear();
  const std::string bare = test::NewName("bare"), first = test::NewName("bar"),
                    second = test::NewName("bar");
  ASSERT_EQ(FX_FormCreate(bare, "edge=false;stbar=false", 0, 0, 50, 50, nullptr), 0);
  EXPECT_TRUE(askedControls.empty()) << "no status bar, no common controls";
  ASSERT_EQ(FX_FormCreate(first, "edge=false", 0, 0, 50, 50, nullptr), 0);
  ASSERT_EQ(FX_FormCreate(second, "edge=false", 0, 0, 50, 50, nullptr), 0);
  ASSERT_EQ(askedControls.size(), 1u) << "once per start of the library";
  EXPECT_EQ(askedControls[0].dwSize, 8u);
  EXPECT_EQ(askedControls[0].dwICC, 0xFFu | ICC_DATE_CLASSES);
  EXPECT_NE(FindWindowDef(second).statusBar, nullptr);
  for (const std::string& form : {bare, first, second})
    SendMessageA(FindWindowDef(form).handle, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(test::Reports().empty());
}

TEST_F(FormCreateTest, CommonControlsRefusedAreReportedAndTheFormIsStillMade) {
  struct Case {
    const char* refusal;
    decltype(&::LoadLibraryA) loadLibrary;
    decltype(&::InitCommonControlsEx) initCommonControls;
  };
  const Case cases[] = {{"comctl32 not loaded", NoLibrary, os::real().InitCommonControlsEx},
                        {"InitCommonControlsEx fails", os::real().LoadLibraryA, NoCommonControls}};
  for (const Case& c : cases) {
    test::RecordedMessageBoxes().clear();
    TheLibrary().commonControls = false;
    const std::string form = test::NewName("refused");
    {
      os::Override<decltype(&::LoadLibraryA)> load(&os::Table::LoadLibraryA, c.loadLibrary);
      os::Override<decltype(&::InitCommonControlsEx)> init(&os::Table::InitCommonControlsEx,
                                                           c.initCommonControls);
      EXPECT_EQ(FX_FormCreate(form, "edge=false", 0, 0, 50, 50, nullptr), 0) << c.refusal;
    }
    EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(1038, "FX_FormCreate", form)), "")
        << c.refusal;
    EXPECT_TRUE(IsWindow(FindWindowDef(form).handle)) << c.refusal;
    SendMessageA(FindWindowDef(form).handle, WM_SYSCOMMAND, SC_CLOSE, 0);
  }
}

TEST_F(FormCreateTest, SuccessLeavesTheContextOfTheCreation) {
  const std::string form = test::NewName("context");
  ASSERT_EQ(FX_FormCreate(form, "edge=false", 0, 0, 10, 10, nullptr), 0);
  EXPECT_EQ(CurrentErrorContext().functionName, "FX_FormCreate");
  EXPECT_EQ(CurrentErrorContext().windowName, form);
  SendMessageA(FindWindowDef(form).handle, WM_SYSCOMMAND, SC_CLOSE, 0);
}

}  // namespace
