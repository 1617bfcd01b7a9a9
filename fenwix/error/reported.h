// The failure path shared by the library's calls: show the report of a code, then hand
// the code back to the caller.
#ifndef FENWIX_ERROR_REPORTED_H
#define FENWIX_ERROR_REPORTED_H

#include "fenwix/fenwix.h"

inline ErrorCode Reported(ErrorCode code) {
  ReportError(code);
  return code;
}

#endif
