// Turns the notifications of a form's controls into the application's events.
#include "fenwix/formproc/form_events.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "fenwix/fenwix.h"
#include "fenwix/form/text_cut.h"
#include "fenwix/formproc/field_validation.h"
#include "fenwix/formproc/form_close.h"
#include "fenwix/grid/grid_entries.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/form_callback.h"
#include "fenwix/registry/registry.h"
#include "fenwix/text/window_text.h"
#include "fenwix/window/form_keys.h"
#include "fenwix/window/form_life.h"

namespace {

// The item whose exit is giving the focus back to its control. Moving the focus back makes
// the platform take it from whichever control was receiving it, which the user never
// reached: that control's exit is not the user's, so it is neither validated nor reported
// (it would also wipe the status text that tells the user what went wrong).
std::string returningFocusTo;

class FocusReturn {
 public:
  explicit FocusReturn(const std::string& itemKey) : saved_(returningFocusTo) {
    returningFocusTo = itemKey;
  }
  ~FocusReturn() { returningFocusTo = saved_; }

 private:
  std::string saved_;
};

// The field whose exit a commit has given while it keeps the focus, with the text it was
// left with: when the focus then leaves it with that text unchanged, the exit has been
// given already and is not given twice.
struct CommittedExit {
  std::string itemKey;
  std::string text;
};
CommittedExit committedExit;

bool IsTypedField(const ItemDef& item) {
  return item.fieldType == fx::field::STRING || item.fieldType == fx::field::DATE ||
         item.fieldType == fx::field::CURRENCY;
}

// Puts a text into the form's status bar, when it has one.
void ShowStatus(const FormDef& form, const std::string& text) {
  if (form.hasStatusBar && form.statusBar)
    SendTextMessage(form.statusBar, WM_SETTEXT, 0, text);
}

// The names of the form's fields the user can reach, in sequence order. A field hidden
// or disabled by the program is the program's business, not the user's.
std::vector<std::string> ReachableFields(const std::string& formName) {
  std::vector<std::pair<std::int32_t, std::string>> fields;
  for (const std::string& itemName : FormItemNames(formName)) {
    const ItemDef item = FindItemDef(formName, itemName);
    if (item.control && IsTypedField(item) && item.enable && item.visible)
      fields.emplace_back(item.sequence, itemName);
  }
  std::sort(fields.begin(), fields.end());
  std::vector<std::string> names;
  for (const auto& field : fields) names.push_back(field.second);
  return names;
}

// The form's button of that role that the user could press, or null.
HWND RoleButton(const std::string& formName, const char* role) {
  for (const std::string& itemName : FormItemNames(formName)) {
    const ItemDef item = FindItemDef(formName, itemName);
    if (item.type == fx::item::BUTTON && item.button == role && item.control && item.enable &&
        item.visible)
      return item.control;
  }
  return nullptr;
}

// An OK or CANCEL button, or the key that presses it, records its role and closes the
// form. The program has seen the command that pressed it and could refuse it there: no
// second close command follows. OK first brings in what the user is typing and checks
// every field: a form is not accepted with a required field empty or an impossible date
// or amount, whether or not the user ever went into that field.
INT_PTR CloseByButton(HWND dialog, const std::string& formName, const std::string& reason) {
  if (reason == fx::word::OK && CommitAndCheckForm(formName) != 0) return 1;
  FormDef form = FindWindowDef(formName);
  form.closeReason = reason;
  StoreWindowDef(formName, form);
  return FormClose(dialog, formName);
}

INT_PTR Click(const EventMessage& message, const FormDef& form, const std::string& itemName,
              bool& handled) {
  handled = true;
  const ItemDef item = FindItemDef(form.name, itemName);
  if (item.type == fx::item::BUTTON && item.button == fx::word::OK)
    return CloseByButton(message.dialog, form.name, fx::word::OK);
  if (item.type == fx::item::BUTTON && item.button == fx::word::CANCEL)
    return CloseByButton(message.dialog, form.name, fx::word::CANCEL);
  if (item.type == fx::item::CHECKSYS && form.callback) {
    ItemDef checked = item;
    checked.checkState = os::SendMessageA(item.control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    StoreItemDef(ItemKey(form.name, itemName), checked);
    const INT_PTR result = RaiseEvent(form, itemName, fx::event::ITEMCHG, message);
    return result ? result : 1;
  }
  if (item.type == fx::item::BUTTON && form.callback) {
    const INT_PTR result = RaiseEvent(form, itemName, fx::event::ITEMCLIC, message);
    return result ? result : 1;
  }
  handled = false;
  return 0;
}

INT_PTR Focus(const FormDef& form, const std::string& itemName) {
  committedExit = CommittedExit();
  const ItemDef item = FindItemDef(form.name, itemName);
  RememberFocus(form.name, item.control);
  ShowStatus(form, form.statusText.empty() ? item.remark : form.statusText);
  TheFocusSnapshot() = FocusSnapshot{item.currentText, item.checkState};
  return 1;
}

INT_PTR Exit(const EventMessage& message, const std::string& formName,
             const std::string& itemName) {
  ItemDef item = FindItemDef(formName, itemName);
  std::string statusText;
  if (IsTypedField(item)) {
    item.currentText = ControlText(item.control);
    const FocusReturn guard(ItemKey(formName, itemName));
    statusText = ValidateField(item);
  }

  // Nested messages (the focus given back, the text written back and repainted) may have
  // changed both records meanwhile: store only what the exit itself decided.
  FormDef form = FindWindowDef(formName);
  form.statusText = statusText;
  StoreWindowDef(formName, form);
  // A refused field says why at once, over the remark its focus coming back has shown; the
  // message stays until the field is left with an acceptable value.
  if (!statusText.empty()) ShowStatus(form, statusText);
  ItemDef stored = FindItemDef(formName, itemName);
  stored.currentText = item.currentText;
  stored.date = item.date;
  stored.currency = item.currency;
  StoreItemDef(ItemKey(formName, itemName), stored);

  if (form.callback) {
    const FocusSnapshot& snapshot = TheFocusSnapshot();
    if (stored.currentText != snapshot.text || stored.checkState != snapshot.checkState) {
      const INT_PTR result = RaiseEvent(form, itemName, fx::event::ITEMCHG, message);
      if (result) return result;
    }
    const INT_PTR result = RaiseEvent(form, itemName, fx::event::ITEMEXIT, message);
    if (result) return result;
  }
  return 1;
}

// The exit of a field that keeps the focus: what leaving it would do, and the refusal's
// code when its text cannot stay (the status bar says why).
ErrorCode CommitField(HWND dialog, const std::string& formName, const std::string& fieldName) {
  const ItemDef field = FindItemDef(formName, fieldName);
  const std::string itemKey = ItemKey(formName, fieldName);
  if (committedExit.itemKey == itemKey && committedExit.text == ControlText(field.control))
    return 0;
  const WORD notification = field.type == fx::item::COMBOSYS ? CBN_KILLFOCUS : EN_KILLFOCUS;
  Exit({dialog, WM_COMMAND, MAKEWPARAM(field.controlId, notification),
        reinterpret_cast<LPARAM>(field.control)},
       formName, fieldName);
  const ItemDef left = FindItemDef(formName, fieldName);
  if (!left.control) return 0;
  const std::string shown = ControlText(left.control);
  const ErrorCode code = RefusalOf(left, shown).code;
  if (code != 0) return code;
  // Typing on from here changes the text again, and leaving it then is an exit of its own.
  committedExit = CommittedExit{itemKey, shown};
  TheFocusSnapshot() = FocusSnapshot{left.currentText, left.checkState};
  return 0;
}

}  // namespace

ErrorCode CommitForm(const std::string& formName) {
  const FormDef form = FindWindowDef(formName);
  const std::string fieldName = FocusedItemName(formName, form.handle, os::GetFocus());
  if (!fieldName.empty() && IsTypedField(FindItemDef(formName, fieldName)) &&
      IsFormOnScreen(form)) {
    const ErrorCode code = CommitField(form.handle, formName, fieldName);
    if (code != 0) return code;
  }
  const auto commitEdits = TheGridEntries().commitEdits;
  return commitEdits ? commitEdits(formName) : 0;
}

ErrorCode CheckForm(const std::string& formName) {
  for (const std::string& fieldName : ReachableFields(formName)) {
    const ItemDef item = FindItemDef(formName, fieldName);
    const FieldRefusal refusal = RefusalOf(item, ControlText(item.control));
    if (refusal.code == 0) continue;
    FormDef form = FindWindowDef(formName);
    form.statusText = refusal.message;
    StoreWindowDef(formName, form);
    // The field being left for it is not checked now: its check would take the focus back
    // and put its own message in place of this one.
    const FocusReturn guard(ItemKey(formName, fieldName));
    os::SetFocus(item.control);
    ShowStatus(form, refusal.message);
    return refusal.code;
  }
  return 0;
}

ErrorCode CommitAndCheckForm(const std::string& formName) {
  const ErrorCode committed = CommitForm(formName);
  const ErrorCode checked = CheckForm(formName);
  return checked != 0 ? checked : committed;
}

INT_PTR FormCommand(HWND dialog, const std::string& formName, WPARAM wParam, LPARAM lParam) {
  const EventMessage message{dialog, WM_COMMAND, wParam, lParam};
  const FormDef form = FindWindowDef(formName);
  const std::string itemName = FindItemNameByControl(formName, reinterpret_cast<HWND>(lParam));
  const WORD notification = HIWORD(wParam);

  // An owner-drawn button reports the second of two quick clicks as a double click; for
  // the user it is one more press of the key, so it counts as a click.
  const bool buttonPress =
      notification == BN_CLICKED ||
      (notification == BN_DOUBLECLICKED &&
       FindItemDef(formName, itemName).type == fx::item::BUTTON);

  if (buttonPress) {
    bool handled = false;
    const INT_PTR result = Click(message, form, itemName, handled);
    if (handled) return result;
  } else {
    switch (notification) {
      case CBN_SETFOCUS:
      case BN_SETFOCUS:
      case BN_KILLFOCUS:
      case EN_SETFOCUS:
        return Focus(form, itemName);
      case CBN_SELCHANGE:
      case CBN_KILLFOCUS:
      case EN_KILLFOCUS:
        // A field the focus only passed through while it was being given back, or one
        // abandoned by the form's close, was not left by the user.
        if (!IsFormOnScreen(form) ||
            (!returningFocusTo.empty() && returningFocusTo != ItemKey(formName, itemName)))
          return 1;
        if (notification != CBN_SELCHANGE &&
            committedExit.itemKey == ItemKey(formName, itemName)) {
          const HWND control = FindItemDef(formName, itemName).control;
          const bool given = committedExit.text == ControlText(control);
          committedExit = CommittedExit();
          if (given) return 1;
        }
        return Exit(message, formName, itemName);
      case EN_MAXTEXT:
        // The field stopped a paste or a key at its LENGTH.
        SayTextCut(formName);
        break;
      default:
        break;
    }
  }
  return FormDialogCommand(dialog, formName, wParam);
}

INT_PTR FormDefaultButton(HWND dialog, const std::string& formName) {
  if (!FindWindowDef(formName).windowsKeys) return 0;
  const HWND ok = RoleButton(formName, fx::word::OK);
  if (!ok) return 0;
  const ItemDef item = FindItemDef(formName, FindItemNameByControl(formName, ok));
  os::SetWindowLongPtrA(dialog, DWLP_MSGRESULT,
                        MAKELONG(static_cast<WORD>(item.controlId), DC_HASDEFID));
  return 1;
}

INT_PTR FormDialogCommand(HWND dialog, const std::string& formName, WPARAM command) {
  const bool windowsKeys = FindWindowDef(formName).windowsKeys;
  if (command == IDOK) {
    // The dialog manager sends IDOK for the Return key (an open combo list keeps it) when
    // the form names no default button; a form with the keys of Windows names its OK
    // button, whose click Return then is. Otherwise Return moves on instead of closing.
    if (!windowsKeys && DialogKeyUnderWay(VK_RETURN)) os::PostMessageA(dialog, WM_NEXTDLGCTL, 0, 0);
    return 1;
  }
  // Escape's IDCANCEL: the CANCEL button's close, even for a form that has no such button.
  if (command == IDCANCEL && windowsKeys && DialogKeyUnderWay(VK_ESCAPE))
    return CloseByButton(dialog, formName, fx::word::CANCEL);
  if (command == SC_CLOSE) return FormClose(dialog, formName);
  return 0;
}
