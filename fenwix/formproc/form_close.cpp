// The close of a form. Afterwards the form's record keeps its close reason for the
// application and no window handles, so the form can be created again.
#include "fenwix/formproc/form_close.h"

#include "fenwix/error/reported.h"
#include "fenwix/form/item_keys.h"
#include "fenwix/formproc/form_background.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"
#include "fenwix/text/window_text.h"
#include "fenwix/window/form_life.h"

namespace {

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

void KeepShownValues(const std::string& formName) {
  for (const std::string& itemName : FormItemNames(formName)) {
    ItemDef item = FindItemDef(formName, itemName);
    if (!item.control && !item.keepsShown) continue;
    if (!item.control) {
      item.keepsShown = false;  // it showed nothing this time
    } else if (ShowsTypedText(item)) {
      item.shownText = ControlText(item.control);
    } else if (item.type == fx::item::CHECKSYS) {
      item.shownCheck = os::SendMessageA(item.control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    } else {
      continue;
    }
    item.keepsShown = item.control != nullptr;
    StoreItemDef(ItemKey(formName, itemName), item);
  }
}

INT_PTR FormClose(HWND dialog, const std::string& formName) {
  FormDef form = FindWindowDef(formName);
  // A second close command while the dialog is being taken down has nothing left to do.
  if (!IsFormOnScreen(form)) return 1;
  if (form.closeReason.empty()) {
    form.closeReason = kCloseReason;
    StoreWindowDef(formName, form);
  }
  // Taking the dialog down moves the focus out of the field that had it: that exit is
  // the close's, not the user's, and what the field held is abandoned.
  FormClosing(formName);

  // A status bar that could not be created has nothing to destroy.
  if (form.hasStatusBar && form.statusBar && !os::DestroyWindow(form.statusBar))
    Reported(1037);
  // A modeless dialog is destroyed here and a modal one once the platform's loop has
  // ended; either way the destroy closes the form. A dialog that outlives a failed call
  // is forgotten now, or the form could never be created again.
  const BOOL done = form.modal ? os::EndDialog(dialog, 0) : os::DestroyWindow(dialog);
  if (!done) {
    Reported(form.modal ? 1025 : 1037);
    FormDestroyed(formName);
  }
  return 1;
}

bool CloseWithReason(HWND dialog, const std::string& formName, const std::string& reason) {
  FormDef form = FindWindowDef(formName);
  const std::string previous = form.closeReason;
  form.closeReason = reason;
  StoreWindowDef(formName, form);
  os::SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  form = FindWindowDef(formName);
  if (!IsFormOnScreen(form) || form.handle != dialog) return true;
  form.closeReason = previous;
  StoreWindowDef(formName, form);
  return false;
}

void FormDestroyed(const std::string& formName) {
  FormDef form = FindWindowDef(formName);
  if (!IsFormAlive(form)) return;
  form.anchoredControls.clear();
  StoreWindowDef(formName, form);
  ForgetItemHandles(formName);
  ReleaseFormBackground(formName);
  FormEnded(formName);
}
