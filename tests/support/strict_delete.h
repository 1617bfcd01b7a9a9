// Windows refuses to delete a GDI object that is still selected into a device context
// (Wine deletes it and returns success). While a StrictDelete lives, DeleteObject through
// the platform seam refuses, as Windows does, an object that is selected: into the
// watched device context, or, without one, into any device context as far as the
// selections made through the seam tell. Refusals are counted; other deletions go to the
// entry it replaced, so a GdiCounter made before it still counts them.
#ifndef FENWIX_TESTS_SUPPORT_STRICT_DELETE_H
#define FENWIX_TESTS_SUPPORT_STRICT_DELETE_H

#include <map>
#include <utility>

#include "fenwix/platform/platform.h"

namespace test {

class StrictDelete {
 public:
  explicit StrictDelete(HDC dc = nullptr) : remove_(Install(dc)), select_(InstallSelect()) {}
  ~StrictDelete() { state() = State(); }
  StrictDelete(const StrictDelete&) = delete;
  StrictDelete& operator=(const StrictDelete&) = delete;

  int refusals() const { return state().refused; }

 private:
  using DeleteFn = decltype(&::DeleteObject);
  using SelectFn = decltype(&::SelectObject);

  struct State {
    HDC watched = nullptr;
    DeleteFn nextDelete = nullptr;
    SelectFn nextSelect = nullptr;
    int refused = 0;
    // (device context, object type) -> the object selected through the seam.
    std::map<std::pair<HDC, DWORD>, HGDIOBJ> selected;
  };
  static State& state() {
    static State s;
    return s;
  }

  static bool Selected(HGDIOBJ object) {
    const State& s = state();
    if (s.watched) {
      for (UINT kind : {OBJ_FONT, OBJ_PEN, OBJ_BRUSH, OBJ_BITMAP}) {
        if (GetCurrentObject(s.watched, kind) == object) return true;
      }
      return false;
    }
    for (const auto& entry : s.selected) {
      if (entry.second == object) return true;
    }
    return false;
  }

  static BOOL WINAPI Delete(HGDIOBJ object) {
    if (Selected(object)) {
      ++state().refused;
      return FALSE;
    }
    return state().nextDelete(object);
  }

  static HGDIOBJ WINAPI Select(HDC dc, HGDIOBJ object) {
    const HGDIOBJ previous = state().nextSelect(dc, object);
    // A pen made by ExtCreatePen takes the place of any other pen.
    const DWORD type = GetObjectType(object) == OBJ_EXTPEN ? OBJ_PEN : GetObjectType(object);
    if (previous && previous != HGDI_ERROR) state().selected[{dc, type}] = object;
    return previous;
  }

  static os::Override<DeleteFn> Install(HDC dc) {
    state() = State();
    state().watched = dc;
    state().nextDelete = os::table().DeleteObject;
    return os::Override<DeleteFn>(&os::Table::DeleteObject, Delete);
  }
  static os::Override<SelectFn> InstallSelect() {
    state().nextSelect = os::table().SelectObject;
    return os::Override<SelectFn>(&os::Table::SelectObject, Select);
  }

  os::Override<DeleteFn> remove_;
  os::Override<SelectFn> select_;
};

}  // namespace test

#endif
