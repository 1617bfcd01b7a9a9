// What a program does to an open form from its own code: close it as its close box
// would, and put its own text in the form's status bar. A form that is not open gives 4
// without a message box: a program may well ask this of a form the user has just closed.
#include "fenwix/error/error_context.h"
#include "fenwix/error/reported.h"
#include "fenwix/fenwix.h"
#include "fenwix/formproc/form_close.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"

namespace {

// The record of a form on the screen, or a blank one.
FormDef OpenForm(const std::string& formName) {
  if (formName.empty() || formName == TheRegistry().MainWindowName) return FormDef();
  const FormDef form = FindWindowDef(formName);
  if (!form.handle || form.closing || !os::IsWindow(form.handle)) return FormDef();
  return form;
}

}  // namespace

ErrorCode FX_FormClose(std::string formName, std::string reason) {
  SaveErrorContext();
  SetErrorContext(formName, "FX_FormClose");
  const FormDef form = OpenForm(formName);
  if (!form.handle) return 4;
  // The form's "BEFORE" may refuse the close, as for its close box; the reason recorded
  // then stays what it was, and FX_FormCloseReason still says the form is open.
  CloseWithReason(form.handle, formName, reason.empty() ? kCloseReason : reason);
  RestoreErrorContext();
  return 0;
}

ErrorCode FX_FormStatusSet(std::string formName, std::string text) {
  SaveErrorContext();
  SetErrorContext(formName, "FX_FormStatusSet");
  const FormDef form = OpenForm(formName);
  if (!form.statusBar) return 4;
  if (!os::SetWindowTextA(form.statusBar, text.c_str())) return Reported(1003);
  RestoreErrorContext();
  return 0;
}
