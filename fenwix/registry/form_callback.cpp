// Calls a form's application callback with one event.
#include "fenwix/registry/form_callback.h"

INT_PTR RaiseEvent(const FormDef& form, const std::string& itemName, const char* event,
                   const EventMessage& message) {
  if (!form.callback) return 0;
  try {
    return form.callback(form.name, itemName, event, message.dialog, message.message,
                         message.wParam, message.lParam);
  } catch (...) {
    return 0;
  }
}
