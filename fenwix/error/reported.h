// The failure path shared by the library's calls: show the report of a code, then hand
// the code back to the caller.
#ifndef FENWIX_ERROR_REPORTED_H
#define FENWIX_ERROR_REPORTED_H

#include "fenwix/fenwix.h"

inline ErrorCode Reported(ErrorCode code) {
  ReportError(code);
  return code;
}

// For a fault the program's user did not cause and need not answer (a form file saved
// while the program runs): the report goes to the program's error handler, if it has one,
// and never to a message box. Returns the code's message.
std::string ReportWithoutBox(ErrorCode code);

#endif
