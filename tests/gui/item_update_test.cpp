// FX_FormItemSet against a real control: ENABLE and VISIBLE act on the window, the
// redraw paints the control before the call returns, and a refused redraw is 1019.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fenwix/fenwix.h"
#include "fenwix/registry/registry.h"
#include "tests/support/win32_support.h"

namespace {

int paints = 0;
WNDPROC staticProc = nullptr;
LRESULT CALLBACK CountPaints(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) ++paints;
  return CallWindowProcA(staticProc, window, message, wParam, lParam);
}

struct RedrawCall {
  HWND window;
  const RECT* rect;
  HRGN region;
  UINT flags;
};
std::vector<RedrawCall> redraws;
BOOL WINAPI SpyRedraw(HWND window, const RECT* rect, HRGN region, UINT flags) {
  redraws.push_back({window, rect, region, flags});
  return os::real().RedrawWindow(window, rect, region, flags);
}
BOOL WINAPI RefuseRedraw(HWND, const RECT*, HRGN, UINT) { return FALSE; }

class ItemUpdateGui : public ::testing::Test {
 protected:
  // One window for the whole suite: without a window manager, Wine takes a while to map
  // and unmap a top-level window, and the tests need only a fresh record each time.
  static void SetUpTestSuite() {
    parent_ = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 10, 10, 200, 100, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
    control_ = CreateWindowExA(0, "STATIC", "0", WS_CHILD | WS_VISIBLE, 5, 5, 100, 30, parent_,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    test::PumpMessages();
  }
  static void TearDownTestSuite() {
    DestroyWindow(parent_);
    test::PumpMessages();
  }

  void SetUp() override {
    ASSERT_TRUE(parent_ && control_);
    ShowWindow(control_, SW_SHOW);
    EnableWindow(control_, TRUE);
    test::RecordedMessageBoxes().clear();
    Declare("");
  }
  void TearDown() override { ResetRegistry(); }

  // Declares the item anew and records the real control as its own.
  static void Declare(const std::string& properties) {
    ResetRegistry();
    ASSERT_EQ(FX_FormItemAdd("f", "item", fx::item::STATIC, 1, 5, 5, 100, 30, properties), 0);
    ItemDef item = FindItemDef("f", "item");
    item.control = control_;
    StoreItemDef(ItemKey("f", "item"), item);
  }

  static HWND parent_;
  static HWND control_;
};
HWND ItemUpdateGui::parent_ = nullptr;
HWND ItemUpdateGui::control_ = nullptr;

TEST_F(ItemUpdateGui, EnableActsOnTheControl) {
  struct Step {
    const char* value;
    bool enabled;
  } steps[] = {{"N", false}, {"whatever", true}, {"false", false}, {"0", true}, {"no", false},
               {"", true}};
  for (const Step& s : steps) {
    ASSERT_EQ(FX_FormItemSet("f", "item", "ENABLE", s.value), 0);
    EXPECT_EQ(IsWindowEnabled(control_) != FALSE, s.enabled)
        << "ENABLE=\"" << s.value << "\": expected " << (s.enabled ? "enabled" : "disabled");
    EXPECT_EQ(FindItemDef("f", "item").enable, s.enabled);
  }
}

TEST_F(ItemUpdateGui, VisibleHidesShowsAndReenablesAnEnabledItem) {
  ASSERT_EQ(FX_FormItemSet("f", "item", "VISIBLE", "FALSE"), 0);
  EXPECT_FALSE(IsWindowVisible(control_)) << "expected hidden";

  // A control made while its item was invisible was also made disabled.
  EnableWindow(control_, FALSE);
  ASSERT_EQ(FX_FormItemSet("f", "item", "visible", "TRUE"), 0);
  EXPECT_TRUE(IsWindowVisible(control_)) << "expected shown";
  EXPECT_TRUE(IsWindowEnabled(control_)) << "expected enabled again: the item is enabled";

  Declare("enable=no");
  EnableWindow(control_, FALSE);
  ASSERT_EQ(FX_FormItemSet("f", "item", "VISIBLE", "n"), 0);
  ASSERT_EQ(FX_FormItemSet("f", "item", "VISIBLE", "y"), 0);
  EXPECT_TRUE(IsWindowVisible(control_));
  EXPECT_FALSE(IsWindowEnabled(control_)) << "expected still disabled: the item is disabled";
}

TEST_F(ItemUpdateGui, TheControlIsRepaintedBeforeTheCallReturns) {
  staticProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountPaints)));
  redraws.clear();
  paints = 0;
  {
    os::Override<decltype(&::RedrawWindow)> spy(&os::Table::RedrawWindow, SpyRedraw);
    EXPECT_EQ(FX_FormItemSet("f", "item", "VALUE", "125"), 0);
  }
  EXPECT_GE(paints, 1) << "expected a WM_PAINT inside the call";
  ASSERT_EQ(redraws.size(), 1u);
  EXPECT_EQ(redraws[0].window, control_);
  EXPECT_EQ(redraws[0].rect, nullptr);
  EXPECT_EQ(redraws[0].region, nullptr);
  EXPECT_EQ(redraws[0].flags, 0x105u) << "expected RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW";
  EXPECT_EQ(FindItemDef("f", "item").value, "125");
  SetWindowLongPtrA(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(staticProc));
}

TEST_F(ItemUpdateGui, ARefusedRedrawIs1019WithTheRecordAlreadyStored) {
  os::Override<decltype(&::RedrawWindow)> refuse(&os::Table::RedrawWindow, RefuseRedraw);
  EXPECT_EQ(FX_FormItemSet("f", "item", "VALUE", "7"), 1019);
  EXPECT_EQ(FindItemDef("f", "item").value, "7");
  EXPECT_EQ(FX_FormItemSet("f", "item", "ENABLE", "no"), 1019);
  EXPECT_FALSE(IsWindowEnabled(control_));
  EXPECT_TRUE(test::RecordedMessageBoxes().empty()) << "expected no report";
}

}  // namespace
