// Calls a form's application callback with one event.
#ifndef FENWIX_REGISTRY_FORM_CALLBACK_H
#define FENWIX_REGISTRY_FORM_CALLBACK_H

#include <windows.h>

#include <string>

#include "fenwix/registry/registry.h"

// The dialog message that an event reports; passed to the callback unchanged.
struct EventMessage {
  HWND dialog;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// The callback's answer, 0 when the form has none. An exception thrown by the application
// cannot unwind through the platform's frames, so it ends here and counts as 0.
INT_PTR RaiseEvent(const FormDef& form, const std::string& itemName, const char* event,
                   const EventMessage& message);

#endif
