// What a program does to an open form from its own code: close it as its close box
// would, bring in what the user is typing, check it as OK would, and put its own text in
// the form's status bar. A form that is not open gives 4 without a message box: a program
// may well ask this of a form the user has just closed.
#include "fenwix/error/error_context.h"
#include "fenwix/error/reported.h"
#include "fenwix/fenwix.h"
#include "fenwix/formproc/form_close.h"
#include "fenwix/formproc/form_events.h"
#include "fenwix/platform/platform.h"
#include "fenwix/props/property_string.h"
#include "fenwix/registry/registry.h"
#include "fenwix/text/window_text.h"
#include "fenwix/window/form_life.h"

namespace {

// The record of a form on the screen, or a blank one.
FormDef OpenForm(const std::string& formName) {
  if (formName.empty() || formName == TheRegistry().MainWindowName) return FormDef();
  const FormDef form = FindWindowDef(formName);
  if (!IsFormOnScreen(form) || !form.handle || !os::IsWindow(form.handle)) return FormDef();
  return form;
}

}  // namespace

ErrorCode FX_FormClose(std::string formName, std::string reason) {
  SaveErrorContext();
  SetErrorContext(formName, "FX_FormClose");
  const FormDef form = OpenForm(formName);
  ErrorCode code = form.handle ? 0 : 4;
  // A close that accepts the form first brings in what the user is typing, as OK does:
  // a refused text keeps the form open, with the refusal's code.
  if (code == 0 && UpperCase(reason) == fx::word::OK) code = CommitForm(formName);
  // The form's "BEFORE" may refuse the close, as for its close box; the reason recorded
  // then stays what it was, and the program is told.
  if (code == 0 && !CloseWithReason(form.handle, formName, reason.empty() ? kCloseReason : reason))
    code = 27;
  RestoreErrorContext();
  return code;
}

ErrorCode FX_FormCheck(std::string formName) {
  SaveErrorContext();
  SetErrorContext(formName, "FX_FormCheck");
  const ErrorCode code = OpenForm(formName).handle ? CommitAndCheckForm(formName) : 4;
  RestoreErrorContext();
  return code;
}

ErrorCode FX_FormCommit(std::string formName) {
  SaveErrorContext();
  SetErrorContext(formName, "FX_FormCommit");
  const ErrorCode code = OpenForm(formName).handle ? CommitForm(formName) : 4;
  RestoreErrorContext();
  return code;
}

ErrorCode FX_FormStatusSet(std::string formName, std::string text) {
  SaveErrorContext();
  SetErrorContext(formName, "FX_FormStatusSet");
  const FormDef form = OpenForm(formName);
  if (!form.statusBar) return 4;
  if (!SetControlText(form.statusBar, text)) return Reported(1003);
  RestoreErrorContext();
  return 0;
}
