// The close of a form. Afterwards the form's record keeps its close reason for the
// application and no window handles, so the form can be created again.
#include "fenwix/formproc/form_close.h"

#include "fenwix/error/reported.h"
#include "fenwix/formproc/form_background.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"

#include <set>

namespace {

std::set<HWND>& ClosedDialogs() {
  static std::set<HWND> dialogs;
  return dialogs;
}

// Releases the brushes recorded for the items' colours and forgets them and the items'
// controls, gone with the dialog: a form created again never hands a deleted (and maybe
// reused) handle to DeleteObject, and a call on a closed form's item changes its record
// only, never whatever window has come to bear its control's old handle.
void ForgetItemHandles(const std::string& formName) {
  for (const std::string& itemName : FormItemNames(formName)) {
    ItemDef item = FindItemDef(formName, itemName);
    if (!item.backBrush && !item.textBrush && !item.control) continue;
    if (item.backBrush) os::DeleteObject(item.backBrush);
    if (item.textBrush) os::DeleteObject(item.textBrush);
    item.backBrush = nullptr;
    item.textBrush = nullptr;
    item.control = nullptr;
    StoreItemDef(ItemKey(formName, itemName), item);
  }
}

}  // namespace

INT_PTR FormClose(HWND dialog, const std::string& formName) {
  FormDef form = FindWindowDef(formName);
  if (form.closeReason.empty()) form.closeReason = kCloseReason;
  // Taking the dialog down moves the focus out of the field that had it: that exit is
  // the close's, not the user's, and what the field held is abandoned.
  form.closing = true;
  StoreWindowDef(formName, form);

  // A status bar that could not be created has nothing to destroy.
  if (form.hasStatusBar && form.statusBar && !os::DestroyWindow(form.statusBar))
    Reported(1037);
  if (form.modal) {
    if (!os::EndDialog(dialog, 0)) Reported(1025);
  } else if (!os::DestroyWindow(dialog)) {
    Reported(1037);
  }
  // Another form may have become current meanwhile (opened from this one's callback);
  // it stays current.
  if (TheRegistry().CurrentFormName == formName) TheRegistry().CurrentFormName.clear();
  if (os::IsWindow(dialog)) ClosedDialogs().insert(dialog);

  ForgetItemHandles(formName);
  ReleaseFormBackground(formName);

  // Without this, a closed modeless form would keep its dead window as its handle and
  // could never be created again.
  FormDef closed = FindWindowDef(formName);
  closed.handle = nullptr;
  closed.statusBar = nullptr;
  closed.closing = false;
  StoreWindowDef(formName, closed);
  return 1;
}

bool CloseWithReason(HWND dialog, const std::string& formName, const std::string& reason) {
  FormDef form = FindWindowDef(formName);
  const std::string previous = form.closeReason;
  form.closeReason = reason;
  StoreWindowDef(formName, form);
  os::SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  form = FindWindowDef(formName);
  if (form.handle != dialog) return true;
  form.closeReason = previous;
  StoreWindowDef(formName, form);
  return false;
}

bool IsClosedDialog(HWND dialog) { return ClosedDialogs().count(dialog) != 0; }

void ForgetDialog(HWND dialog, const std::string& formName) {
  ClosedDialogs().erase(dialog);
  if (formName.empty()) return;
  FormDef form = FindWindowDef(formName);
  if (form.handle != dialog) return;
  form.handle = nullptr;
  form.statusBar = nullptr;
  StoreWindowDef(formName, form);
}
