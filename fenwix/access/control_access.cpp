#include "fenwix/access/control_access.h"

#include <map>

#include "fenwix/access/accessible_item.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"

namespace {

// The control's own procedure, and the item it shows.
struct Subclassed {
  WNDPROC original = nullptr;
  std::string formName, itemName;
};

std::map<HWND, Subclassed>& Controls() {
  static std::map<HWND, Subclassed> controls;
  return controls;
}

PaintedRole RoleOf(const std::string& type) {
  if (type == fx::item::BUTTON) return PaintedRole::kPushButton;
  if (type == fx::item::STATIC) return PaintedRole::kStaticText;
  return PaintedRole::kNone;
}

// The object goes to the screen reader through COM, which a program that never asked for
// it has not started on its thread. Started once, for the rest of the program: a reader
// that asked once asks again.
void StartCom() {
  static bool started = false;
  if (!started) started = SUCCEEDED(os::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
}

// The reference to the library's object that WM_GETOBJECT answers, or 0 to leave the
// answer to the control's own procedure.
LRESULT AccessibleObject(HWND control, WPARAM wParam, const Subclassed& names) {
  StartCom();
  IAccessible* standard = nullptr;
  if (FAILED(os::CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                           reinterpret_cast<void**>(&standard))) ||
      !standard)
    return 0;
  const ItemDef item = FindItemDef(names.formName, names.itemName);
  IAccessible* own =
      NewAccessibleItem(standard, control, names.formName, names.itemName, RoleOf(item.type));
  if (!own) return 0;
  // The answer holds its own reference to the object, until the client takes it.
  const LRESULT answer = os::LresultFromObject(__uuidof(IAccessible), wParam, own);
  own->Release();
  return answer > 0 ? answer : 0;
}

// A Unicode window is given a Unicode procedure and an ANSI window an ANSI one: a window
// takes the kind of its procedure, and an ANSI one loses the characters its code page lacks.
template <bool kWide>
LRESULT CALLBACK AccessProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto it = Controls().find(control);
  if (it == Controls().end()) return os::DefWindowProcA(control, message, wParam, lParam);
  // The object id is a DWORD, which a 64-bit lParam carries without its sign.
  if (message == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)) {
    try {
      if (const LRESULT answer = AccessibleObject(control, wParam, it->second)) return answer;
    } catch (...) {
      // Out of memory for the item's names: the control's own answer stands.
    }
  }
  const WNDPROC original = it->second.original;
  if (message == WM_NCDESTROY) Controls().erase(it);
  return kWide ? os::CallWindowProcW(original, control, message, wParam, lParam)
               : os::CallWindowProcA(original, control, message, wParam, lParam);
}

}  // namespace

void MakeAccessible(HWND control, const std::string& formName, const std::string& itemName) {
  // A control already in front of its own procedure would be put in front of itself.
  if (Controls().count(control)) return;
  const bool wide = os::IsWindowUnicode(control);
  Subclassed& entry = Controls()[control];
  entry = {nullptr, formName, itemName};
  const LONG_PTR procedure = reinterpret_cast<LONG_PTR>(
      wide ? &AccessProcedure<true> : &AccessProcedure<false>);
  const LONG_PTR original = wide ? os::SetWindowLongPtrW(control, GWLP_WNDPROC, procedure)
                                 : os::SetWindowLongPtrA(control, GWLP_WNDPROC, procedure);
  if (original)
    entry.original = reinterpret_cast<WNDPROC>(original);
  else
    Controls().erase(control);
}
