// The error context of a window or dialog procedure, which the platform may enter in the
// middle of a library call: MoveWindow sends WM_SIZE, dialog creation sends
// WM_INITDIALOG. The procedure names itself while it runs and puts the interrupted
// call's context back when it returns, so that a later report of that call still names
// it. The one saved copy is left alone: the interrupted call may be holding it.
#ifndef FENWIX_ERROR_PROCEDURE_CONTEXT_H
#define FENWIX_ERROR_PROCEDURE_CONTEXT_H

#include <string>

#include "fenwix/error/error_context.h"

class ProcedureErrorContext {
 public:
  ProcedureErrorContext(const std::string& windowName, const std::string& functionName)
      : outer_(CurrentErrorContext()) {
    SetErrorContext(windowName, functionName);
  }
  // Copying the texts back may allocate; a destructor must not throw.
  ~ProcedureErrorContext() {
    try {
      SetErrorContext(outer_.windowName, outer_.functionName);
    } catch (...) {
    }
  }
  ProcedureErrorContext(const ProcedureErrorContext&) = delete;
  ProcedureErrorContext& operator=(const ProcedureErrorContext&) = delete;

 private:
  ErrorContext outer_;
};

#endif
