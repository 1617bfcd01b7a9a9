// Numlet's start-up in-process: a failed main window ends it at once with the library's
// code; otherwise the calculator's window, form and seventeen controls exist and the loop
// returns the quit code. The tests run in this order (one main window per process). The
// program file carries its icon and version.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/calc_form.h"
#include "app/calc_layout.h"
#include "app/numlet_start.h"
#include "fenwix/form/item_controls.h"
#include "tests/gui/gui_test_helpers.h"

namespace {

ATOM WINAPI NoClass(const WNDCLASSEXA*) { return 0; }

TEST(NumletStart, AMainWindowThatCannotBeMadeEndsTheProgramWithItsCode) {
  test::RecordedMessageBoxes().clear();
  {
    os::Override<decltype(&::RegisterClassExA)> fail(&os::Table::RegisterClassExA, NoClass);
    // Returns at once: no message loop runs.
    EXPECT_EQ(StartNumlet(SW_SHOWNORMAL, test::MainWindowProc), 1000);
  }
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(1000, "FX_WindowMainCreate", "Main")), "");
  EXPECT_TRUE(TheRegistry().items.empty()) << "no form declared";
  EXPECT_TRUE(FindWindowDef(kCalcFormName).name.empty()) << "no form created";
}

TEST(NumletStart, StartsAsTheCalculator) {
  test::RecordedMessageBoxes().clear();
  PostQuitMessage(3);
  EXPECT_EQ(StartNumlet(SW_SHOWMINIMIZED, test::MainWindowProc), 3);
  EXPECT_TRUE(test::Reports().empty());

  const HWND main = FindWindowDef(kMainWindowName).handle;
  ASSERT_TRUE(IsWindow(main));
  char title[64] = "";
  GetWindowTextA(main, title, sizeof title);
  EXPECT_STREQ(title, "Numlet v1.0");
  EXPECT_FALSE(IsIconic(main));
  RECT outer;
  GetWindowRect(main, &outer);
  EXPECT_EQ(outer.right - outer.left, 250);
  EXPECT_EQ(outer.bottom - outer.top, 350);

  const FormDef form = FindWindowDef(kCalcFormName);
  ASSERT_TRUE(IsWindow(form.handle));
  EXPECT_EQ(GetParent(form.handle), main);
  EXPECT_EQ(form.backColor, 0xDFDFDF);
  EXPECT_FALSE(form.hasStatusBar);
  EXPECT_FALSE(form.modal);
  EXPECT_EQ(TheRegistry().CurrentFormName, kCalcFormName);

  // "title" and "display" are labels with id 0; the keys are buttons numbered from 104.
  for (const CalcItemRow& row : kCalcItems) {
    SCOPED_TRACE(row.name);
    const ItemDef item = FindItemDef(kCalcFormName, row.name);
    ASSERT_TRUE(IsWindow(item.control));
    EXPECT_EQ(item.controlId, row.sequence + kItemIdBase);
    const bool label = row.type == std::string(fx::item::STATIC);
    EXPECT_EQ(GetDlgCtrlID(item.control), label ? 0 : row.sequence + kItemIdBase);
    char className[32] = "";
    GetClassNameA(item.control, className, sizeof className);
    EXPECT_EQ(lstrcmpiA(className, label ? "STATIC" : "BUTTON"), 0) << className;
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(item.control, GWL_STYLE)),
              label ? 0x5000000Du : 0x5001000Bu);
    RECT r;
    GetWindowRect(item.control, &r);
    MapWindowPoints(nullptr, form.handle, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, row.x);
    EXPECT_EQ(r.top, row.y);
    EXPECT_EQ(r.right - r.left, row.width);
    EXPECT_EQ(r.bottom - r.top, row.height);
  }
  EXPECT_EQ(FindItemDef(kCalcFormName, "C/CE").controlId, 104);
  EXPECT_EQ(FindItemDef(kCalcFormName, "=").controlId, 118);
  EXPECT_EQ(FindItemDef(kCalcFormName, kDisplayItemName).value, "0");
}

HWND WINAPI NoDialog(HINSTANCE, LPCDLGTEMPLATEA, HWND, DLGPROC, LPARAM) { return nullptr; }

TEST(NumletStart, AFormThatCannotBeCreatedIsReportedOnce) {
  // A library of its own, with a main window under another name.
  test::RestartLibrary();
  ASSERT_EQ(FX_WindowMainCreate(test::NewName("Other"), SW_SHOWNORMAL, test::MainWindowProc, "",
                                0, 0, 250, 350),
            0);
  {
    os::Override<decltype(&::CreateDialogIndirectParamA)> fail(
        &os::Table::CreateDialogIndirectParamA, NoDialog);
    BuildCalcForm();
  }
  EXPECT_EQ(TheRegistry().items.size(), 17u) << "the declarations succeed";
  // 1021 is not reported by the library: the calculator reports it.
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(1021, "FX_FormCreate", kCalcFormName)), "");
}

// numlet.exe is built beside the tests.
TEST(NumletStart, TheProgramFileCarriesItsIconAndVersion) {
  char path[MAX_PATH] = {0};
  ASSERT_GT(GetModuleFileNameA(nullptr, path, MAX_PATH), 0u);
  std::string program = path;
  program = program.substr(0, program.find_last_of("\\/") + 1) + "numlet.exe";

  DWORD unused = 0;
  std::vector<char> version(GetFileVersionInfoSizeA(program.c_str(), &unused));
  ASSERT_FALSE(version.empty()) << program << " has no version";
  ASSERT_TRUE(GetFileVersionInfoA(program.c_str(), 0, static_cast<DWORD>(version.size()), version.data()));
  for (const auto& [name, expected] : {std::pair{"ProductName", "Numlet"}, {"ProductVersion", "1.0"}}) {
    char* value = nullptr;
    UINT length = 0;
    const std::string key = std::string("\\StringFileInfo\\040904E4\\") + name;
    ASSERT_TRUE(VerQueryValueA(version.data(), key.c_str(), reinterpret_cast<void**>(&value), &length)) << name;
    EXPECT_STREQ(value, expected);
  }

  const HMODULE file = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(file, nullptr);
  EXPECT_NE(FindResourceA(file, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14)), nullptr)  // RT_GROUP_ICON
      << program << " has no icon";
  FreeLibrary(file);
}

}  // namespace
