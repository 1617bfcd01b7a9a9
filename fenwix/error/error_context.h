// The error context: which library call is running and on which window, form or item.
// Reports read it; calls made from inside other calls save and restore it (one level).
#ifndef FENWIX_ERROR_ERROR_CONTEXT_H
#define FENWIX_ERROR_ERROR_CONTEXT_H

#include <string>

struct ErrorContext {
  std::string windowName;    // may be empty: reports then name CurrentWindowName
  std::string functionName;  // the public name of the running call
};

void SetErrorContext(const std::string& windowName, const std::string& functionName);
void SaveErrorContext();
void RestoreErrorContext();
const ErrorContext& CurrentErrorContext();

#endif
