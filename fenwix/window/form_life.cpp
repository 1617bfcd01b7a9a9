// A form's life: the only writer of a form's state, its dialog handle, the current form
// and the controls the keyboard is given back to.
#include "fenwix/window/form_life.h"

#include "fenwix/platform/platform.h"

namespace {

// Counts every opening, so that the form opened last among those still open is known.
std::uint32_t openings = 0;

bool IsMainWindow(const std::string& name) { return name == TheRegistry().MainWindowName; }

bool HoldsWindow(HWND dialog, HWND window) {
  return dialog && window && (window == dialog || os::IsChild(dialog, window));
}

// The form opened last that is opening or open, or the empty text.
std::string LatestOpenForm() {
  std::string latest;
  std::uint32_t order = 0;
  for (const auto& entry : TheRegistry().windows) {
    if (IsMainWindow(entry.first) || !IsFormOnScreen(entry.second)) continue;
    if (latest.empty() || entry.second.openOrder > order) {
      latest = entry.first;
      order = entry.second.openOrder;
    }
  }
  return latest;
}

bool HasDialogOnScreen(const std::string& formName) {
  const FormDef form = FindWindowDef(formName);
  return IsFormOnScreen(form) && form.handle && os::IsWindow(form.handle);
}

// The form whose dialog holds the control with the keyboard focus, or the empty text.
std::string FormHoldingFocus() {
  const HWND focus = os::GetFocus();
  if (!focus) return std::string();
  for (const auto& entry : TheRegistry().windows) {
    if (!IsMainWindow(entry.first) && IsFormOnScreen(entry.second) &&
        HoldsWindow(entry.second.handle, focus))
      return entry.first;
  }
  return std::string();
}

}  // namespace

bool IsFormAlive(const FormDef& form) {
  return form.state == FormState::kOpening || form.state == FormState::kOpen ||
         form.state == FormState::kClosing;
}

bool IsFormOnScreen(const FormDef& form) {
  return form.state == FormState::kOpening || form.state == FormState::kOpen;
}

void FormCreateStarts(const std::string& formName) { TheRegistry().CurrentFormName = formName; }

void FormOpening(const std::string& formName, FormDef record) {
  // The form that has the keyboard now gives it up to the new one, and gets it back on
  // the same control: a control that tells no focus change (an owner-drawn button) is
  // known only from here.
  const HWND focus = os::GetFocus();
  for (const auto& entry : TheRegistry().windows) {
    if (!IsMainWindow(entry.first) && IsFormAlive(entry.second) && entry.second.handle != focus &&
        HoldsWindow(entry.second.handle, focus)) {
      RememberFocus(entry.first, focus);
      break;
    }
  }
  record.state = FormState::kOpening;
  record.handle = nullptr;
  record.openOrder = ++openings;
  StoreWindowDef(formName, record);
  TheRegistry().CurrentFormName = formName;
}

std::string ModalOpener() {
  const Registry& registry = TheRegistry();
  for (auto running = registry.formsInEvent.rbegin(); running != registry.formsInEvent.rend();
       ++running) {
    if (!IsMainWindow(*running) && HasDialogOnScreen(*running)) return *running;
  }
  // Outside any event: the form the user is in. The form created last need not be it: a
  // modeless framed form stays current while the user works in the main window. With no
  // window of the program active, the current form is all there is to go by.
  const HWND active = os::GetActiveWindow();
  if (!active) {
    return HasDialogOnScreen(registry.CurrentFormName) && !IsMainWindow(registry.CurrentFormName)
               ? registry.CurrentFormName
               : std::string();
  }
  for (const std::string& candidate : {FormHoldingFocus(), FindFormNameByDialog(active),
                                       registry.CurrentFormName}) {
    if (!candidate.empty() && !IsMainWindow(candidate) && HasDialogOnScreen(candidate) &&
        os::GetAncestor(FindWindowDef(candidate).handle, GA_ROOT) == active)
      return candidate;
  }
  return std::string();
}

HWND ModalOwner(const std::string& opener) {
  const HWND mainWindow = FindWindowDef(TheRegistry().MainWindowName).handle;
  if (opener.empty() || IsMainWindow(opener) || !HasDialogOnScreen(opener)) return mainWindow;
  // A frameless form lives inside the main window, whose top level is the main window.
  const HWND top = os::GetAncestor(FindWindowDef(opener).handle, GA_ROOT);
  return top && os::IsWindowEnabled(top) ? top : mainWindow;
}

std::string FormOfDialog(HWND dialog) {
  std::string recorded = FindFormNameByDialog(dialog);
  if (!recorded.empty()) return recorded;
  const Registry& registry = TheRegistry();
  const std::string current = registry.CurrentFormName;
  if (current.empty() || IsMainWindow(current)) return std::string();
  FormDef form = FindWindowDef(current);
  if (form.state != FormState::kOpening || form.handle) return std::string();
  form.handle = dialog;
  StoreWindowDef(current, form);
  return current;
}

void FormStarted(const std::string& formName) {
  FormDef form = FindWindowDef(formName);
  if (form.state != FormState::kOpening) return;
  form.state = FormState::kOpen;
  StoreWindowDef(formName, form);
}

OpenResult FormOpened(const std::string& formName, HWND dialog) {
  FormDef form = FindWindowDef(formName);
  if (!IsFormAlive(form)) return OpenResult::kClosedWhileOpening;
  if (dialog && os::IsWindow(dialog)) {
    form.handle = dialog;
    form.state = FormState::kOpen;
    StoreWindowDef(formName, form);
    return OpenResult::kOpen;
  }
  if (form.handle) {
    // The dialog existed and is gone without its destroy reaching the form.
    FormEnded(formName);
    return dialog ? OpenResult::kClosedWhileOpening : OpenResult::kNeverMade;
  }
  // No dialog was ever made: the form is as closed as it was before the attempt.
  form.state = form.closeReason.empty() ? FormState::kDeclared : FormState::kClosed;
  StoreWindowDef(formName, form);
  return OpenResult::kNeverMade;
}

void FormClosing(const std::string& formName) {
  FormDef form = FindWindowDef(formName);
  if (!IsFormOnScreen(form)) return;
  form.state = FormState::kClosing;
  form.heldFocus = HoldsWindow(form.handle, os::GetFocus());
  StoreWindowDef(formName, form);
}

void FormEnded(const std::string& formName) {
  FormDef form = FindWindowDef(formName);
  if (!IsFormAlive(form)) return;
  const bool heldFocus = form.heldFocus || HoldsWindow(form.handle, os::GetFocus());
  form.state = FormState::kClosed;
  form.handle = nullptr;
  form.statusBar = nullptr;
  form.focus = nullptr;
  form.heldFocus = false;
  StoreWindowDef(formName, form);

  Registry& registry = TheRegistry();
  if (registry.CurrentFormName == formName ||
      !IsFormOnScreen(FindWindowDef(registry.CurrentFormName)))
    registry.CurrentFormName = LatestOpenForm();
  // The keyboard was in the form that ended, and went nowhere a user could type.
  if (!heldFocus) return;
  const bool backToOpener = form.modal && HasDialogOnScreen(form.opener);
  const HWND target = FocusTarget(backToOpener ? form.opener : registry.CurrentFormName);
  if (target) os::SetFocus(target);
}

void RememberFocus(const std::string& windowName, HWND focus) {
  WindowDef window = FindWindowDef(windowName);
  if (window.focus == focus) return;
  window.focus = focus;
  StoreWindowDef(windowName, window);
}

HWND FocusTarget(const std::string& formName) {
  if (formName.empty() || IsMainWindow(formName)) return nullptr;
  const FormDef form = FindWindowDef(formName);
  if (!IsFormOnScreen(form) || !form.handle || !os::IsWindow(form.handle)) return nullptr;
  const HWND last = form.focus;
  if (last && os::IsWindow(last) && os::IsChild(form.handle, last) &&
      os::IsWindowVisible(last) && os::IsWindowEnabled(last))
    return last;
  return os::GetNextDlgTabItem(form.handle, nullptr, FALSE);
}

HWND CurrentFormDialog() {
  const FormDef form = FindWindowDef(TheRegistry().CurrentFormName);
  if (IsMainWindow(TheRegistry().CurrentFormName) || !IsFormOnScreen(form)) return nullptr;
  return form.handle && os::IsWindow(form.handle) ? form.handle : nullptr;
}
