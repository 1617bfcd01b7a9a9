// Keys typed into a form, offered to the form's callback as "ITEMKEY" before the dialog
// manager sees them.
#include "fenwix/window/form_keys.h"

#include "fenwix/platform/platform.h"
#include "fenwix/registry/form_callback.h"
#include "fenwix/registry/registry.h"
#include "fenwix/text/encoding.h"

namespace {

bool IsKeyMessage(UINT message) {
  return message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_CHAR;
}

// The item whose control has the focus: the window itself, or the control that holds it,
// as a combo box holds its edit field. Empty for the dialog itself.
std::string FocusedItemName(const std::string& formName, HWND dialog, HWND focus) {
  for (HWND window = focus; window && window != dialog; window = os::GetParent(window)) {
    std::string itemName = FindItemNameByControl(formName, window);
    if (!itemName.empty()) return itemName;
  }
  return std::string();
}

// One hook for the thread, however deeply modal forms nest: a second one would offer
// every key twice.
HHOOK modalHook = nullptr;
int modalDepth = 0;

LRESULT CALLBACK ModalKeyFilter(int code, WPARAM wParam, LPARAM lParam) {
  const MSG& message = *reinterpret_cast<const MSG*>(lParam);
  if (code == MSGF_DIALOGBOX && IsKeyMessage(message.message) &&
      KeyTakenByForm(FormHoldingWindow(message.hwnd), message))
    return 1;
  return os::CallNextHookEx(modalHook, code, wParam, lParam);
}

}  // namespace

std::string FormHoldingWindow(HWND window) {
  if (!window) return std::string();
  const Registry& registry = TheRegistry();
  for (const auto& entry : registry.windows) {
    const HWND dialog = entry.second.handle;
    if (dialog && entry.first != registry.MainWindowName &&
        (dialog == window || os::IsChild(dialog, window)))
      return entry.first;
  }
  return std::string();
}

bool KeyTakenByForm(const std::string& formName, const MSG& message) {
  if (!IsKeyMessage(message.message) || formName.empty()) return false;
  const FormDef form = FindWindowDef(formName);
  const std::string itemName = FocusedItemName(formName, form.handle, message.hwnd);
  return RaiseEvent(form, itemName, fx::event::ITEMKEY,
                    {form.handle, message.message, message.wParam, message.lParam}) != 0;
}

ModalFormKeys::ModalFormKeys() {
  if (modalDepth++ == 0)
    // The wide hook sees a character as the Unicode windows of the UTF-8 mode get it.
    modalHook = Utf8Text() ? os::SetWindowsHookExW(WH_MSGFILTER, ModalKeyFilter, nullptr,
                                                   os::GetCurrentThreadId())
                           : os::SetWindowsHookExA(WH_MSGFILTER, ModalKeyFilter, nullptr,
                                                   os::GetCurrentThreadId());
}

ModalFormKeys::~ModalFormKeys() {
  if (--modalDepth == 0 && modalHook) {
    os::UnhookWindowsHookEx(modalHook);
    modalHook = nullptr;
  }
}
