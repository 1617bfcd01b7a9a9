// Every public call fed bad arguments: empty and 1 MiB texts, names with ".", ";", "=" and
// bytes 128 to 255, the extremes of int for geometry, unknown and closed forms, and calls
// made by a form's callback on the form that is calling. Each gives its documented code or
// a clean result, shows only the reports it should, and leaves the library working: after
// every call an open form still takes a value and gives it back.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "tests/gui/gui_test_helpers.h"

namespace {

const std::string kHuge(1 << 20, 'x');
const std::string kOddName = "a;b=c\x80\xff";
const std::string kHugeProperties = "bkcol=" + kHuge + ";name=" + kHuge + ";" + kHuge;
constexpr int kNoQuit = -1;

// What the callback of form "self" did to its own form, each call's result in turn.
std::vector<std::string> selfResults;

std::intptr_t UpsetItself(std::string form, std::string item, std::string event, HWND, UINT,
                          WPARAM, LPARAM) {
  if (event != fx::event::ITEMCLIC || item != "go") return 0;
  selfResults = {
      std::to_string(FX_FormCreate(form, "", 0, 0, 100, 100, UpsetItself)),
      std::to_string(FX_FormItemSet(form, "go", fx::key::BKCOL, "red")),
      std::to_string(FX_FormItemAdd(form, "late", fx::item::EDIT, 9, 0, 0, 10, 10, "")),
      std::to_string(FX_FormClose(form, "SELF")),
      std::to_string(FX_FormItemSet(form, "go", fx::key::VALUE, "after")),
      std::to_string(FX_FormStatusSet(form, "after")),
      std::to_string(FX_FormClose(form, "AGAIN")),
  };
  return 0;
}

std::string Code(ErrorCode code) { return std::to_string(code); }

// The code of setting the open form's field, and what the field then shows.
std::string SetThenGet(const std::string& value) {
  const ErrorCode code = FX_FormItemSet("good", "field", fx::key::VALUE, value);
  return Code(code) + " " + FX_FormItemGet("good", "field", fx::key::VALUE);
}

class BadArguments : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_EQ(test::StartWithMainWindow("BadMain"), 0);
    main_ = TheRegistry().MainWindowName;
    ASSERT_EQ(FX_FormItemAdd("good", "field", fx::item::EDIT, 1, 10, 10, 100, 24, ""), 0);
    ASSERT_EQ(FX_FormCreate("good", "edge=false", 0, 0, 300, 200, nullptr), 0);
    ASSERT_EQ(FX_FormItemAdd("gone", "field", fx::item::EDIT, 1, 10, 10, 100, 24, ""), 0);
    ASSERT_EQ(FX_FormCreate("gone", "", 0, 0, 300, 200, nullptr), 0);
    ASSERT_EQ(FX_FormClose("gone", ""), 0);
    test::PumpMessages();
    test::TakeReportedCodes();
  }
  static std::string main_;
};
std::string BadArguments::main_;

TEST_F(BadArguments, EveryCallGivesItsCodeOrACleanResultAndTheLibraryGoesOn) {
  const struct {
    const char* what;
    std::function<std::string()> call;
    std::string result;
    std::vector<int> reported;
  } cases[] = {
      // The main window.
      {"main window, empty name", [] { return Code(FX_WindowMainCreate("", 1, test::MainWindowProc, "", 0, 0, 9, 9)); }, "1", {1}},
      {"main window, huge name with a dot", [] { return Code(FX_WindowMainCreate(kHuge + ".", 1, test::MainWindowProc, "", 0, 0, 9, 9)); }, "26", {26}},
      {"a second main window, odd name", [] { return Code(FX_WindowMainCreate(kOddName, 1, test::MainWindowProc, kHugeProperties, INT_MIN, INT_MIN, INT_MAX, INT_MAX)); }, "2", {2}},
      {"title, empty name", [] { return Code(FX_WindowTitleSet("", "t")); }, "1", {}},
      {"title, unknown window", [] { return Code(FX_WindowTitleSet(kOddName, "t")); }, "4", {}},
      {"title, huge", [] { return Code(FX_WindowTitleSet(main_, kHuge)); }, "0", {}},
      {"title, odd bytes", [] { return Code(FX_WindowTitleSet(main_, kOddName)); }, "0", {}},
      {"move main, extremes", [] { return Code(FX_WindowMove(main_, INT_MIN, INT_MIN, INT_MAX, INT_MAX)); }, "0", {}},
      {"move main, extremes reversed", [] { return Code(FX_WindowMove(main_, INT_MAX, INT_MAX, INT_MIN, INT_MIN)); }, "0", {}},
      {"move main back", [] { return Code(FX_WindowMove(main_, 0, 0, 500, 400)); }, "0", {}},
      {"move a form, extremes", [] { return Code(FX_WindowMove("good", INT_MAX, INT_MIN, INT_MAX, INT_MIN)); }, "0", {}},
      {"move a form back", [] { return Code(FX_WindowMove("good", 0, 0, 300, 200)); }, "0", {}},
      {"move, unknown window", [] { return Code(FX_WindowMove(kHuge, 0, 0, 1, 1)); }, "4", {4}},
      {"move, closed form", [] { return Code(FX_WindowMove("gone", 0, 0, 1, 1)); }, "4", {4}},
      {"main window messages, junk", [] { return Code(FX_WindowMessageAuto(WM_VSCROLL, UINT_MAX)); }, "0", {}},
      {"main window messages, unknown", [] { return Code(FX_WindowMessageAuto(UINT_MAX, UINT_MAX)); }, "0", {}},
      // Declarations.
      {"item, empty form", [] { return Code(FX_FormItemAdd("", "i", fx::item::EDIT, 1, 0, 0, 9, 9, "")); }, "1", {1}},
      {"item, empty name", [] { return Code(FX_FormItemAdd("new", "", fx::item::EDIT, 1, 0, 0, 9, 9, "")); }, "18", {18}},
      {"item, lower-case type", [] { return Code(FX_FormItemAdd("new", "i", "edit", 1, 0, 0, 9, 9, "")); }, "20", {20}},
      {"item, huge type", [] { return Code(FX_FormItemAdd("new", "i", kHuge, 1, 0, 0, 9, 9, "")); }, "20", {20}},
      {"item, date without format", [] { return Code(FX_FormItemAdd("new", "d", fx::item::EDIT, 1, 0, 0, 9, 9, "type=DATE")); }, "24", {24}},
      {"item, huge properties", [] { return Code(FX_FormItemAdd("new", "p", fx::item::STATIC, 2, 0, 0, 9, 9, kHugeProperties)); }, "0", {}},
      {"item, huge and odd names, extremes", [] { return Code(FX_FormItemAdd("new", kHuge + kOddName, fx::item::BUTTON, INT_MAX, INT_MIN, INT_MAX, INT_MIN, INT_MAX, "value=" + kOddName)); }, "0", {}},
      {"item, declared twice", [] { return Code(FX_FormItemAdd("new", "p", fx::item::STATIC, 3, 0, 0, 9, 9, "")); }, "22", {22}},
      {"item, a name with a dot", [] { return Code(FX_FormItemAdd("new", "a.b", fx::item::STATIC, 1, 0, 0, 9, 9, "")); }, "0", {}},
      {"item of an open form", [] { return Code(FX_FormItemAdd("good", "late", fx::item::EDIT, 2, 0, 0, 9, 9, "")); }, "0", {}},
      // Forms.
      {"form, empty name", [] { return Code(FX_FormCreate("", "", 0, 0, 9, 9, nullptr)); }, "1", {1}},
      {"form, dotted name", [] { return Code(FX_FormCreate("a.b", "", 0, 0, 9, 9, nullptr)); }, "26", {26}},
      {"form, open already", [] { return Code(FX_FormCreate("good", "", 0, 0, 9, 9, nullptr)); }, "2", {2}},
      {"form with a dotted item", [] { return Code(FX_FormCreate("new", kHugeProperties, INT_MIN, INT_MAX, INT_MAX, INT_MIN, nullptr)); }, "0", {26}},
      {"form, huge odd name, extremes", [] { return Code(FX_FormCreate(kHuge + kOddName, kHugeProperties, INT_MAX, INT_MIN, INT_MIN, INT_MAX, nullptr)); }, "0", {}},
      {"close it", [] { return Code(FX_FormClose(kHuge + kOddName, kHuge)); }, "0", {}},
      {"its reason", [] { return FX_FormCloseReason(kHuge + kOddName); }, kHuge, {}},
      {"closed form made again", [] { return Code(FX_FormCreate("gone", "", 0, 0, 300, 200, nullptr)); }, "0", {}},
      {"and closed", [] { return Code(FX_FormClose("gone", "")); }, "0", {}},
      // Run-time calls.
      {"set, unknown form", [] { return Code(FX_FormItemSet(kOddName, "field", fx::key::VALUE, "v")); }, "18", {}},
      {"set, unknown item", [] { return Code(FX_FormItemSet("good", kHuge, fx::key::VALUE, "v")); }, "18", {}},
      {"set, empty key", [] { return Code(FX_FormItemSet("good", "field", "", "v")); }, "19", {}},
      {"set, huge key", [] { return Code(FX_FormItemSet("good", "field", kHuge, "v")); }, "19", {}},
      {"set and get, huge value", [] { return SetThenGet(kHuge); }, "0 " + kHuge, {}},
      {"set and get, odd value", [] { return SetThenGet(kOddName); }, "0 " + kOddName, {}},
      {"set, junk colour", [] { return Code(FX_FormItemSet("good", "field", fx::key::BKCOL, kHuge)); }, "0", {}},
      {"set, geometry is no run-time key", [] { return Code(FX_FormItemSet("good", "field", "X", "-2147483648")); }, "19", {}},
      {"set, closed form", [] { return Code(FX_FormItemSet("gone", "field", fx::key::VALUE, "v")); }, "0", {}},
      {"get, unknown item", [] { return FX_FormItemGet("good", kOddName, fx::key::VALUE); }, "", {18}},
      {"get, empty key", [] { return FX_FormItemGet("good", "field", ""); }, "", {28}},
      {"get, closed form", [] { return FX_FormItemGet("gone", "field", fx::key::VALUE); }, "v", {}},
      {"close, unknown", [] { return Code(FX_FormClose(kOddName, "")); }, "4", {}},
      {"close, empty name", [] { return Code(FX_FormClose("", "")); }, "4", {}},
      {"close, closed form", [] { return Code(FX_FormClose("gone", "")); }, "4", {}},
      {"status, unknown", [] { return Code(FX_FormStatusSet(kHuge, "t")); }, "4", {}},
      {"status, closed form", [] { return Code(FX_FormStatusSet("gone", "t")); }, "4", {}},
      {"status, huge text", [] { return Code(FX_FormStatusSet("good", kHuge)); }, "0", {}},
      {"reason, unknown", [] { return FX_FormCloseReason(kHuge); }, "", {}},
      {"text, unknown", [] { return FX_FormItemText(kOddName, kHuge); }, "", {}},
      // Texts, numbers and reports.
      {"language, empty", [] { return Code(FX_LanguageSet("")); }, "29", {29}},
      {"language, huge", [] { return Code(FX_LanguageSet(kHuge)); }, "29", {29}},
      {"number, huge", [] { return std::to_string(TextToInt(kHuge, 10)); }, "0", {}},
      {"number, odd text read up to its first non-digit", [] { return std::to_string(TextToInt(kOddName, 16)); }, "10", {}},
      {"number, lowest", [] { return IntToText(INT_MIN); }, "-2147483648", {}},
      {"report of the lowest code", [] { return std::to_string(ReportError(INT_MIN).empty()); }, "0", {INT_MIN}},
      {"report of the highest code", [] { return std::to_string(ReportError(INT_MAX).empty()); }, "0", {INT_MAX}},
      // A form's callback upsetting its own form.
      {"a callback on its own form", [] {
         if (FX_FormItemAdd("self", "go", fx::item::BUTTON, 1, 0, 0, 50, 20, "") ||
             FX_FormCreate("self", "", 0, 0, 200, 100, UpsetItself))
           return std::string("not made");
         const ItemDef go = FindItemDef("self", "go");
         SendMessageA(GetParent(go.control), WM_COMMAND, MAKEWPARAM(go.controlId, BN_CLICKED),
                      reinterpret_cast<LPARAM>(go.control));
         test::PumpMessages();
         std::string results;
         for (const std::string& r : selfResults) results += r + " ";
         return results + FX_FormCloseReason("self");
       }, "2 0 0 0 0 4 4 SELF", {2}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string result = c.call();
    EXPECT_EQ(result.size(), c.result.size());
    test::PumpMessages();
    EXPECT_EQ(test::TakeReportedCodes(), c.reported);
    EXPECT_EQ(test::TakeQuitMessage(), kNoQuit) << "the program was asked to stop";
    // The library goes on: an open form still takes a value and gives it back.
    ASSERT_EQ(FX_FormItemSet("good", "field", fx::key::VALUE, "still"), 0);
    ASSERT_EQ(FX_FormItemGet("good", "field", fx::key::VALUE), "still");
    ASSERT_TRUE(IsWindow(FindWindowDef(main_).handle));
  }
}

}  // namespace
