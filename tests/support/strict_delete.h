// Windows refuses to delete a GDI object that is still selected into a device context
// (Wine deletes it and returns success). While a StrictDelete lives, DeleteObject through
// the platform seam refuses, as Windows does, the objects selected into the watched
// device context, and counts the refusals; other deletions go to the entry it replaced.
#ifndef FENWIX_TESTS_SUPPORT_STRICT_DELETE_H
#define FENWIX_TESTS_SUPPORT_STRICT_DELETE_H

#include "fenwix/platform/platform.h"

namespace test {

class StrictDelete {
 public:
  explicit StrictDelete(HDC dc) : override_(Install(dc)) {}
  ~StrictDelete() { watched() = nullptr; }
  StrictDelete(const StrictDelete&) = delete;
  StrictDelete& operator=(const StrictDelete&) = delete;

  int refusals() const { return refused(); }

 private:
  using DeleteFn = decltype(&::DeleteObject);

  static HDC& watched() {
    static HDC dc = nullptr;
    return dc;
  }
  static DeleteFn& next() {
    static DeleteFn fn = nullptr;
    return fn;
  }
  static int& refused() {
    static int count = 0;
    return count;
  }

  static BOOL WINAPI Delete(HGDIOBJ object) {
    for (UINT kind : {OBJ_FONT, OBJ_PEN, OBJ_BRUSH, OBJ_BITMAP}) {
      if (watched() && GetCurrentObject(watched(), kind) == object) {
        ++refused();
        return FALSE;
      }
    }
    return next()(object);
  }

  static os::Override<DeleteFn> Install(HDC dc) {
    watched() = dc;
    next() = os::table().DeleteObject;
    refused() = 0;
    return os::Override<DeleteFn>(&os::Table::DeleteObject, Delete);
  }

  os::Override<DeleteFn> override_;
};

}  // namespace test

#endif
