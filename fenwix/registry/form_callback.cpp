// Calls a form's application callback with one event.
#include "fenwix/registry/form_callback.h"

namespace {

// Marks the form's event as running while the callback runs: a modal form that the
// callback opens belongs to it. Without room to mark it, the event still runs.
class RunningEvent {
 public:
  explicit RunningEvent(const std::string& formName) {
    try {
      TheRegistry().formsInEvent.push_back(formName);
      marked_ = true;
    } catch (...) {
    }
  }
  ~RunningEvent() {
    if (marked_) TheRegistry().formsInEvent.pop_back();
  }
  RunningEvent(const RunningEvent&) = delete;
  RunningEvent& operator=(const RunningEvent&) = delete;

 private:
  bool marked_ = false;
};

}  // namespace

INT_PTR RaiseEvent(const FormDef& form, const std::string& itemName, const char* event,
                   const EventMessage& message) {
  if (!form.callback) return 0;
  const RunningEvent running(form.name);
  try {
    return form.callback(form.name, itemName, event, message.dialog, message.message,
                         message.wParam, message.lParam);
  } catch (...) {
    return 0;
  }
}
