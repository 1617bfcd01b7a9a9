// Keys typed into a form, offered to the form's callback as "ITEMKEY" before the dialog
// manager sees them.
#include "fenwix/window/form_keys.h"

#include <cwctype>

#include "fenwix/platform/platform.h"
#include "fenwix/registry/form_callback.h"
#include "fenwix/registry/registry.h"
#include "fenwix/text/encoding.h"

namespace {

bool IsKeyMessage(UINT message) {
  return message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_CHAR;
}

// The key message the dialog manager is working on, or null.
const MSG* dialogKey = nullptr;

// One hook for the thread, however deeply modal forms nest: a second one would offer
// every key twice.
HHOOK modalHook = nullptr;
int modalDepth = 0;

// The character a caption underlines: the one after its first "&" that is not "&&"; 0 for
// none.
WCHAR MnemonicOf(const std::string& caption) {
  const WideString wide = WideText(caption);
  for (std::size_t i = 0; i + 1 < wide.size(); ++i) {
    if (wide[i] != L'&') continue;
    if (wide[i + 1] != L'&') return wide[i + 1];
    ++i;
  }
  return 0;
}

bool IsDialogKey(const MSG& message) {
  return message.message == WM_KEYDOWN &&
         (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE);
}

LRESULT CALLBACK ModalKeyFilter(int code, WPARAM wParam, LPARAM lParam) {
  MSG& message = *reinterpret_cast<MSG*>(lParam);
  if (code == MSGF_DIALOGBOX && message.message == WM_SYSCHAR &&
      PressedByMnemonic(FormHoldingWindow(message.hwnd), message))
    return 1;
  // The dialog manager handed a key here asks this filter again: it was offered already.
  // (Its copy of the message may be another, converted to Unicode, with the same fields.)
  const bool handedHere = dialogKey && dialogKey->hwnd == message.hwnd &&
                          dialogKey->message == message.message &&
                          dialogKey->wParam == message.wParam && dialogKey->time == message.time;
  if (code == MSGF_DIALOGBOX && !handedHere && IsKeyMessage(message.message)) {
    const std::string formName = FormHoldingWindow(message.hwnd);
    if (KeyTakenByForm(formName, message)) return 1;
    // The modal loop would hand Return and Escape to its dialog manager with nothing to
    // tell their commands by: they are handed to it here, as the library's loop does.
    if (IsDialogKey(message) && !formName.empty() &&
        DialogManagerTook(FindWindowDef(formName).handle, message))
      return 1;
  }
  return os::CallNextHookEx(modalHook, code, wParam, lParam);
}

}  // namespace

std::string FocusedItemName(const std::string& formName, HWND dialog, HWND focus) {
  if (!dialog || !focus || (focus != dialog && !os::IsChild(dialog, focus))) return std::string();
  for (HWND window = focus; window && window != dialog; window = os::GetParent(window)) {
    std::string itemName = FindItemNameByControl(formName, window);
    if (!itemName.empty()) return itemName;
  }
  return std::string();
}

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

bool PressedByMnemonic(const std::string& formName, const MSG& message) {
  if (message.message != WM_SYSCHAR || formName.empty()) return false;
  const WideString typed = Utf8Text() ? WideString(1, static_cast<WCHAR>(message.wParam))
                                      : WideText(std::string(1, static_cast<char>(message.wParam)));
  if (typed.empty()) return false;
  for (const std::string& itemName : FormItemNames(formName)) {
    const ItemDef item = FindItemDef(formName, itemName);
    if (item.type != fx::item::BUTTON || !item.control || !item.enable || !item.visible) continue;
    const WCHAR mnemonic = MnemonicOf(item.value);
    if (mnemonic && std::towupper(mnemonic) == std::towupper(typed[0])) {
      os::SendMessageA(item.control, BM_CLICK, 0, 0);
      return true;
    }
  }
  return false;
}

bool DialogManagerTook(HWND dialog, MSG& message) {
  if (!dialog || !os::IsWindow(dialog)) return false;
  // Only Return and Escape are told; whatever the dialog manager does with any other
  // message (a click that opens a modal form, whose own loop then runs) has no key under way.
  const MSG* outer = dialogKey;
  dialogKey = IsDialogKey(message) ? &message : nullptr;
  const BOOL took = Utf8Text() ? os::IsDialogMessageW(dialog, &message)
                               : os::IsDialogMessageA(dialog, &message);
  dialogKey = outer;
  return took != FALSE;
}

bool DialogKeyUnderWay(WPARAM virtualKey) {
  return dialogKey && IsDialogKey(*dialogKey) && dialogKey->wParam == virtualKey;
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
