// The error context and its one saved copy.
#include "fenwix/error/error_context.h"

namespace {
ErrorContext current;
ErrorContext saved;
}  // namespace

void SetErrorContext(const std::string& windowName, const std::string& functionName) {
  current.windowName = windowName;
  current.functionName = functionName;
}

void SaveErrorContext() { saved = current; }
void RestoreErrorContext() { current = saved; }
const ErrorContext& CurrentErrorContext() { return current; }
