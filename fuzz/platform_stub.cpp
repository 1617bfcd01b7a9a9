// The platform table for fuzzing on the host: every call answers 0 (a failure, a null
// handle, no window), so the library's code that declares and changes items runs without
// any window system, and its failure paths with it.
#include "fenwix/platform/platform.h"

namespace os {
namespace {

// Win32 functions as the platform's headers declare them on this 64-bit host: the
// Windows calling convention, without the stack alignment that WINAPI also asks of a
// definition.
template <class F>
struct Stub;
template <class R, class... A>
struct Stub<R(__attribute__((ms_abi)) *)(A...)> {
  static R WINAPI Call(A...) { return R(); }
};

Table MakeStubTable() {
  Table t;
#define FENWIX_STUB_ENTRY(name) t.name = &Stub<decltype(&::name)>::Call;
  FENWIX_PLATFORM_CALLS(FENWIX_STUB_ENTRY)
#undef FENWIX_STUB_ENTRY
  return t;
}

}  // namespace

const Table& real() {
  static const Table stubTable = MakeStubTable();
  return stubTable;
}

Table& table() {
  static Table current = real();
  return current;
}

}  // namespace os
