// What a screen reader hears of a form: each control's name, role and states, read in
// process through oleacc as a client reads them, on a form of every kind of item and on
// the calculator's keys; and the standard answer whenever the library's cannot be given.
#include <gtest/gtest.h>

#include <oleacc.h>

#include <string>
#include <vector>

#include "app/calc_callback.h"
#include "app/calc_form.h"
#include "app/calc_layout.h"
#include "fenwix/formproc/calendar_drop.h"
#include "tests/gui/gui_test_helpers.h"

namespace {

// What a client reads of a control's own object; role and state 0 when unanswered.
struct Heard {
  std::string name;
  long role = 0, state = 0;
};

// The control's object as a client gets it, or null.
IAccessible* ObjectOf(HWND control) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&object))))
    return nullptr;
  return object;
}

Heard AskObject(IAccessible* object) {
  Heard heard;
  if (!object) {
    heard.name = "(no object)";
    return heard;
  }
  VARIANT self = {};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  if (SUCCEEDED(object->get_accName(self, &name))) heard.name = test::Utf8Of(name);
  SysFreeString(name);
  VARIANT answer = {};
  if (SUCCEEDED(object->get_accRole(self, &answer)) && answer.vt == VT_I4) heard.role = answer.lVal;
  answer = {};
  if (SUCCEEDED(object->get_accState(self, &answer)) && answer.vt == VT_I4)
    heard.state = answer.lVal;
  return heard;
}

Heard Ask(HWND control) {
  IAccessible* object = ObjectOf(control);
  const Heard heard = AskObject(object);
  if (object) object->Release();
  return heard;
}

using Declared = test::DeclaredItem;
// Fields on the right have no label of their own: a control or nothing lies between them
// and the labels on the left.
const Declared kItems[] = {
    {"heading", fx::item::STATIC, 10, 10, 200, 20, "value=Order"},
    {"customerLabel", fx::item::STATIC, 10, 40, 80, 20, "value=Customer"},
    {"customer", fx::item::EDIT, 100, 38, 150, 24, "remark=Who orders"},
    {"townLabel", fx::item::STATIC, 10, 70, 80, 20, "value=Town"},
    {"town", fx::item::COMBOSYS, 10, 94, 150, 100, "value1=Paris"},
    {"code", fx::item::EDIT, 400, 38, 80, 24, "remark=Postal code"},
    {"hiddenLabel", fx::item::STATIC, 300, 100, 90, 20, "value=Hidden;visible=false"},
    {"note", fx::item::EDIT, 400, 100, 80, 24, ""},
    {"plain", fx::item::EDIT, 400, 200, 80, 24, ""},
    {"express", fx::item::CHECKSYS, 180, 130, 14, 14, ""},
    {"expressLabel", fx::item::STATIC, 200, 128, 120, 20, "value=Express delivery"},
    {"btnSave", fx::item::BUTTON, 10, 160, 80, 30, "value=Save"},
    {"btnGo", fx::item::BUTTON, 100, 160, 80, 30, ""},
    {"btnX", fx::item::BUTTON, 190, 160, 80, 30, "value=X;accname=Close the order"},
    {"btnOff", fx::item::BUTTON, 280, 160, 80, 30, "value=Later;enable=false"},
    {"Apply", fx::item::BUTTONSYS, 370, 160, 80, 30, ""},
    {"loadingLabel", fx::item::STATIC, 10, 210, 80, 20, "value=Loading"},
    {"loading", fx::item::PROGRESS, 100, 212, 150, 16, "value=40"},
    {"dueLabel", fx::item::STATIC, 260, 210, 40, 20, "value=Due"},
    {"due", fx::item::EDIT, 305, 208, 90, 24, "type=date;format=dd/mm/yyyy;calendar=true"},
};

// The controls a screen reader was told had a new name.
std::vector<HWND> renamed;
VOID WINAPI RecordRenamed(DWORD event, HWND window, LONG object, LONG child) {
  if (event == EVENT_OBJECT_NAMECHANGE && object == OBJID_CLIENT && child == CHILDID_SELF)
    renamed.push_back(window);
}

class AccessGui : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // COM is not started here, as a program on the library never starts it: the library
    // starts it when first asked (Windows hands the object over through it; Wine needs it
    // on neither side).
    ASSERT_EQ(test::StartWithMainWindow("Access", 520, 320), 0);
    int sequence = 0;
    for (const Declared& d : kItems)
      ASSERT_EQ(FX_FormItemAdd("order", d.name, d.type, ++sequence, d.x, d.y, d.width, d.height,
                               d.properties), 0) << d.name;
    ASSERT_EQ(FX_FormCreate("order", "edge=false;stbar=false", 0, 0, 500, 240, nullptr), 0);
    test::PumpMessages();
  }

  void SetUp() override { test::RecordedMessageBoxes().clear(); }
  void TearDown() override { EXPECT_TRUE(test::Reports().empty()); }

  static HWND Control(const char* name) { return FindItemDef("order", name).control; }
};

TEST_F(AccessGui, EachControlIsNamedInOrderAndPaintedOnesHaveTheirRoles) {
  struct Case {
    const char* item;
    const char* name;
    long role;  // 0: the standard object's, not checked
  };
  const Case cases[] = {
      {"customerLabel", "Customer", ROLE_SYSTEM_STATICTEXT},
      {"customer", "Customer", 0},          // the label on its left, before the one above
      {"town", "Town", 0},                  // the label above
      {"code", "Postal code", 0},           // a field, not a label, on its left: the remark
      {"note", "note", 0},                  // a hidden label is no caption
      {"plain", "plain", 0},                // nothing: the item's name
      {"express", "Express delivery", 0},   // a check box's caption is on its right
      {"btnSave", "Save", ROLE_SYSTEM_PUSHBUTTON},
      {"btnGo", "btnGo", ROLE_SYSTEM_PUSHBUTTON},  // its caption is its name
      {"btnX", "Close the order", ROLE_SYSTEM_PUSHBUTTON},
      {"Apply", "Apply", 0},
      {"loading", "Loading", 0},  // a progress bar is named by its label, as a field is
  };
  for (const Case& c : cases) {
    const Heard heard = Ask(Control(c.item));
    EXPECT_EQ(heard.name, c.name) << c.item;
    if (c.role) {
      EXPECT_EQ(heard.role, c.role) << c.item << ": expected role 0x" << std::hex << c.role
                                    << ", got 0x" << heard.role;
    }
  }
  // A date field's drop-down calendar is read with the field's name.
  SetFocus(Control("due"));
  SendMessageA(Control("due"), WM_KEYDOWN, VK_F4, 0);
  const HWND calendar = OpenCalendarOf(Control("due"));
  ASSERT_NE(calendar, nullptr);
  EXPECT_EQ(Ask(calendar).name, "Due");
  CloseCalendar();
  // The name follows the record, changed at run time, and a reader hears that it changed.
  os::Override<decltype(&::NotifyWinEvent)> heard(&os::Table::NotifyWinEvent, RecordRenamed);
  ASSERT_EQ(FX_FormItemSet("order", "customerLabel", fx::key::VALUE, "Client"), 0);
  EXPECT_EQ(Ask(Control("customer")).name, "Client");
  ASSERT_EQ(FX_FormItemSet("order", "customer", fx::key::TXCOL, "red"), 0);
  ASSERT_EQ(FX_FormItemSet("order", "customer", fx::key::ACCNAME, "Buyer"), 0);
  EXPECT_EQ(Ask(Control("customer")).name, "Buyer");
  EXPECT_EQ(renamed, (std::vector<HWND>{Control("customerLabel"), Control("customer")}));
  EXPECT_EQ(FX_FormItemGet("order", "customer", fx::key::ACCNAME), "Buyer");
  ASSERT_EQ(FX_FormItemSet("order", "customerLabel", fx::key::VALUE, "Customer"), 0);
  ASSERT_EQ(FX_FormItemSet("order", "customer", fx::key::ACCNAME, ""), 0);

  // A client keeps the object it was given and asks it again after each change.
  const struct {
    const char* asked;  // whose object is kept
    const char* item;
    const char* key;
    const char* value;
    const char* name;
  } changes[] = {
      {"customer", "customer", fx::key::ACCNAME, "Buyer", "Buyer"},
      {"customer", "customer", fx::key::ACCNAME, "", "Customer"},
      {"customer", "customerLabel", fx::key::VALUE, "Client", "Client"},
      {"customer", "customerLabel", fx::key::VALUE, "Customer", "Customer"},
      {"customerLabel", "customerLabel", fx::key::VALUE, "Client", "Client"},
      {"customerLabel", "customerLabel", fx::key::VALUE, "Customer", "Customer"},
      {"code", "code", fx::key::REMARK, "Zip code", "Zip code"},
      {"code", "code", fx::key::REMARK, "Postal code", "Postal code"},
      {"btnSave", "btnSave", fx::key::VALUE, "Store", "Store"},
      {"btnSave", "btnSave", fx::key::VALUE, "Save", "Save"},
  };
  for (const auto& c : changes) {
    IAccessible* kept = ObjectOf(Control(c.asked));
    ASSERT_NE(kept, nullptr) << c.asked;
    ASSERT_EQ(AskObject(kept).name, Ask(Control(c.asked)).name) << c.asked;
    ASSERT_EQ(FX_FormItemSet("order", c.item, c.key, c.value), 0);
    EXPECT_EQ(AskObject(kept).name, c.name)
        << c.asked << " kept, " << c.item << " " << c.key << "=" << c.value;
    kept->Release();
  }
  // Window texts stay the items' names: programs find their controls by them.
  char text[32] = "";
  GetWindowTextA(Control("btnSave"), text, sizeof text);
  EXPECT_STREQ(text, "btnSave");
}

TEST_F(AccessGui, AButtonTellsItsStates) {
  const long kTold = STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_PRESSED;
  EXPECT_EQ(Ask(Control("btnOff")).state & kTold, STATE_SYSTEM_UNAVAILABLE);
  SetFocus(Control("btnSave"));
  test::PumpMessages();
  EXPECT_EQ(Ask(Control("btnSave")).state & kTold, STATE_SYSTEM_FOCUSED);
  EXPECT_EQ(Ask(Control("btnGo")).state & kTold, 0);
  SendMessageA(Control("btnGo"), BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(Ask(Control("btnGo")).state & kTold, STATE_SYSTEM_PRESSED);
  SendMessageA(Control("btnGo"), BM_SETSTATE, FALSE, 0);
}

// Each way the library's object can fail to be made leaves the standard one, which
// knows the control by its window text.
HMODULE WINAPI NoOleacc(LPCSTR name) {
  return lstrcmpiA(name, "oleacc.dll") == 0 ? nullptr : os::real().LoadLibraryA(name);
}
HRESULT WINAPI NoStandardObject(HWND, LONG, REFIID, void** object) {
  *object = nullptr;
  return E_FAIL;
}
LRESULT WINAPI NoReference(REFIID, WPARAM, LPUNKNOWN) { return E_OUTOFMEMORY; }

TEST_F(AccessGui, WithoutTheLibrarysObjectTheStandardOneAnswers) {
  {
    os::Override<decltype(&::LoadLibraryA)> refuse(&os::Table::LoadLibraryA, NoOleacc);
    EXPECT_EQ(Ask(Control("btnSave")).name, "btnSave") << "oleacc missing";
  }
  {
    os::Override<decltype(&::CreateStdAccessibleObject)> refuse(
        &os::Table::CreateStdAccessibleObject, NoStandardObject);
    EXPECT_EQ(Ask(Control("btnSave")).name, "btnSave") << "no standard object";
  }
  {
    os::Override<decltype(&::LresultFromObject)> refuse(&os::Table::LresultFromObject,
                                                        NoReference);
    EXPECT_EQ(Ask(Control("btnSave")).name, "btnSave") << "no reference";
  }
  EXPECT_EQ(Ask(Control("btnSave")).name, "Save");
}

TEST(AccessNumlet, TheCalculatorsKeysAreSpokenAsWords) {
  ResetCalculator();
  ASSERT_EQ(test::StartWithMainWindow("Numlet", 250, 350), 0);
  BuildCalcForm();
  test::PumpMessages();
  const char* const kKeys[][2] = {{"+", "plus"},   {"-", "minus"},  {"*", "times"},
                                  {"=", "equals"}, {"C/CE", "clear"}, {"7", "7"},
                                  {"0", "0"},      {kDisplayItemName, "0"}};
  for (const auto& key : kKeys) {
    const Heard heard = Ask(FindItemDef(kCalcFormName, key[0]).control);
    EXPECT_EQ(heard.name, key[1]) << key[0];
  }
}

}  // namespace
