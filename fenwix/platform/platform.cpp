// The table of platform operations, filled with the real Win32 functions.
#include "fenwix/platform/platform.h"

namespace os {
namespace {

Table MakeRealTable() {
  Table t;
#define FENWIX_REAL_ENTRY(name) t.name = &::name;
  FENWIX_PLATFORM_CALLS(FENWIX_REAL_ENTRY)
#undef FENWIX_REAL_ENTRY
  return t;
}

}  // namespace

const Table& real() {
  static const Table realTable = MakeRealTable();
  return realTable;
}

Table& table() {
  static Table current = real();
  return current;
}

}  // namespace os
