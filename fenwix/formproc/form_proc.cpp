// FX_FormProcIntl: the entry steps of every form message and the dispatch to the
// handlers, one call per message. No exception leaves it: the platform's frames cannot
// be unwound through, and the application's callback runs inside it.
#include "fenwix/formproc/form_proc.h"

#include <string>

#include "fenwix/error/procedure_context.h"
#include "fenwix/fenwix.h"
#include "fenwix/formproc/form_background.h"
#include "fenwix/formproc/form_close.h"
#include "fenwix/formproc/form_events.h"
#include "fenwix/formproc/form_paint.h"
#include "fenwix/formproc/form_layout.h"
#include "fenwix/formproc/form_start.h"
#include "fenwix/grid/grid_entries.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/form_callback.h"
#include "fenwix/registry/registry.h"
#include "fenwix/theme/theme.h"
#include "fenwix/window/form_life.h"

namespace {

// The field of an editable combo box is a child of the combo box, which is the item.
std::string ColoredItem(const std::string& formName, const std::string& itemName, LPARAM control) {
  if (!itemName.empty() || !control) return itemName;
  return FindItemNameByControl(formName, os::GetParent(reinterpret_cast<HWND>(control)));
}

bool TakesThemeAsLabel(const std::string& formName, const std::string& itemName) {
  const std::string type = itemName.empty() ? "" : FindItemDef(formName, itemName).type;
  return type == fx::item::CHECKSYS || type == fx::item::EDIT || type == fx::item::COMBOSYS;
}

INT_PTR FormMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  ProcedureErrorContext context("", "FX_FormProcIntl");
  const std::string formName = FormOfDialog(dialog);
  if (formName.empty()) return 4;
  // The form is closed before its callback hears of the destroy, so that the callback may
  // create it again.
  if (message == WM_NCDESTROY) FormDestroyed(formName);
  const FormDef form = FindWindowDef(formName);

  // The application's first look at every message; lParam names the control for the
  // messages that come from one.
  const std::string itemName = FindItemNameByControl(formName, reinterpret_cast<HWND>(lParam));
  const INT_PTR answer =
      RaiseEvent(form, itemName, fx::event::BEFORE, {dialog, message, wParam, lParam});
  if (answer) return answer;

  switch (message) {
    case WM_INITDIALOG: {
      const INT_PTR started = FormStart(dialog, formName);
      FormStarted(formName);
      return started;
    }
    case WM_SIZE: return FormSize(formName, LOWORD(lParam), HIWORD(lParam));
    case WM_DPICHANGED:
      return FormDpiChanged(dialog, formName, reinterpret_cast<const RECT*>(lParam));
    case WM_DPICHANGED_AFTERPARENT: return FormDpiChanged(dialog, formName, nullptr);
    case WM_GETMINMAXINFO:
      return lParam ? FormMinimumSize(formName, dialog, *reinterpret_cast<MINMAXINFO*>(lParam)) : 0;
    case WM_CTLCOLORDLG: return FormBackground(formName);
    case WM_CTLCOLOREDIT:
      return FormColorEdit(formName, ColoredItem(formName, itemName, lParam),
                           reinterpret_cast<HDC>(wParam));
    // A button's or a label's colours are the window's defaults, answered here: left
    // unanswered, Wine's dialog manager first asks its server whether the dialog has a
    // themed texture, a round trip for every control painted. The dark theme colours
    // check boxes, and fields that the platform paints as labels (read-only, disabled).
    case WM_CTLCOLORSTATIC:
      if (DarkThemeActive() && TakesThemeAsLabel(formName, itemName))
        return FormColorEdit(formName, itemName, reinterpret_cast<HDC>(wParam));
      return os::DefWindowProcA(dialog, message, wParam, lParam);
    case WM_CTLCOLORBTN: return os::DefWindowProcA(dialog, message, wParam, lParam);
    case WM_SETTINGCHANGE: ThemeSettingChanged(lParam, os::IsWindowUnicode(dialog)); return 0;
    case WM_DRAWITEM:
      return lParam ? FormDrawItem(formName, form, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) : 0;
    case WM_COMMAND: return FormCommand(dialog, formName, wParam, lParam);
    case DM_GETDEFID: return FormDefaultButton(dialog, formName);
    // A WM_CLOSE (a program's, the task list's) is the close box's command.
    case WM_CLOSE: return FormDialogCommand(dialog, formName, SC_CLOSE);
    // The controls are still there: what they show is what the program reads once the
    // form has closed, by whichever route.
    case WM_DESTROY: KeepShownValues(formName); return 0;
    case WM_NOTIFY: {
      NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
      const auto notify = TheGridEntries().notify;
      const std::string from =
          header && notify ? FindItemNameByControl(formName, header->hwndFrom) : "";
      return from.empty() ? 0 : notify(dialog, formName, from, *header);
    }
    // The low four bits of a system command are the system's own.
    case WM_SYSCOMMAND: return FormDialogCommand(dialog, formName, wParam & 0xFFF0);
    default: return 0;
  }
}

}  // namespace

INT_PTR CALLBACK FX_FormProcIntl(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    return FormMessage(dialog, message, wParam, lParam);
  } catch (...) {
    return 0;
  }
}
