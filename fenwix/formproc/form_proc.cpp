// FX_FormProcIntl: the entry steps of every form message and the dispatch to the
// handlers, one call per message. No exception leaves it: the platform's frames cannot
// be unwound through, and the application's callback runs inside it.
#include "fenwix/formproc/form_proc.h"

#include <string>

#include "fenwix/error/procedure_context.h"
#include "fenwix/fenwix.h"
#include "fenwix/formproc/form_background.h"
#include "fenwix/formproc/form_close.h"
#include "fenwix/formproc/form_paint.h"
#include "fenwix/formproc/form_start.h"
#include "fenwix/registry/registry.h"

namespace {

// The application's first look at every message. Its exception counts as 0, so the
// library goes on with the message.
INT_PTR Before(const FormDef& form, const std::string& itemName, HWND dialog, UINT message,
               WPARAM wParam, LPARAM lParam) {
  if (!form.callback) return 0;
  try {
    return form.callback(form.name, itemName, fx::event::BEFORE, dialog, message, wParam,
                         lParam);
  } catch (...) {
    return 0;
  }
}

INT_PTR FormMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  ProcedureErrorContext context("", "FX_FormProcIntl");
  const std::string formName = TheRegistry().CurrentFormName;
  const FormDef form = FindWindowDef(formName);
  if (form.name.empty()) return 4;

  // lParam names the control for the messages that come from one. A null handle names
  // none, although every item still without a control (a data grid's, for ever) records
  // exactly that.
  const HWND control = reinterpret_cast<HWND>(lParam);
  const std::string itemName = control ? FindItemNameByControl(formName, control) : "";
  const INT_PTR answer = Before(form, itemName, dialog, message, wParam, lParam);
  if (answer) return answer;

  switch (message) {
    case WM_INITDIALOG: return FormStart(dialog, formName);
    case WM_SIZE: return FormSize(formName);
    case WM_CTLCOLORDLG: return FormBackground(formName);
    case WM_CTLCOLOREDIT: return FormColorEdit(formName, itemName, reinterpret_cast<HDC>(wParam));
    case WM_DRAWITEM:
      return lParam ? FormDrawItem(formName, form, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) : 0;
    case WM_SYSCOMMAND: return wParam == SC_CLOSE ? FormClose(dialog, formName) : 0;
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
