#include "tests/support/gdi_counter.h"

#include <set>

#include "fenwix/platform/platform.h"

namespace test {
namespace {

std::set<HGDIOBJ> liveObjects;
long deletedEarlier = 0;

template <class H>
H Made(H handle) {
  if (handle) liveObjects.insert(handle);
  return handle;
}

HBRUSH WINAPI CountedSolidBrush(COLORREF color) { return Made(os::real().CreateSolidBrush(color)); }
HPEN WINAPI CountedPen(int style, int width, COLORREF color) {
  return Made(os::real().CreatePen(style, width, color));
}
HPEN WINAPI CountedExtPen(DWORD style, DWORD width, const LOGBRUSH* brush, DWORD count,
                          const DWORD* dashes) {
  return Made(os::real().ExtCreatePen(style, width, brush, count, dashes));
}
HRGN WINAPI CountedRegion(int left, int top, int right, int bottom) {
  return Made(os::real().CreateRectRgn(left, top, right, bottom));
}
HFONT WINAPI CountedFont(int height, int width, int escapement, int orientation, int weight,
                         DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                         DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                         DWORD pitchAndFamily, LPCSTR face) {
  return Made(os::real().CreateFontA(height, width, escapement, orientation, weight, italic,
                                     underline, strikeOut, charSet, outPrecision,
                                     clipPrecision, quality, pitchAndFamily, face));
}
HFONT WINAPI CountedWideFont(int height, int width, int escapement, int orientation, int weight,
                             DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                             DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                             DWORD pitchAndFamily, LPCWSTR face) {
  return Made(os::real().CreateFontW(height, width, escapement, orientation, weight, italic,
                                     underline, strikeOut, charSet, outPrecision,
                                     clipPrecision, quality, pitchAndFamily, face));
}
BOOL WINAPI CountedDelete(HGDIOBJ object) {
  const BOOL ok = os::real().DeleteObject(object);
  if (ok && liveObjects.erase(object) == 0) ++deletedEarlier;
  return ok;
}

}  // namespace

struct GdiCounter::Overrides {
  os::Override<decltype(&::CreateSolidBrush)> brush{&os::Table::CreateSolidBrush, CountedSolidBrush};
  os::Override<decltype(&::CreatePen)> pen{&os::Table::CreatePen, CountedPen};
  os::Override<decltype(&::ExtCreatePen)> extPen{&os::Table::ExtCreatePen, CountedExtPen};
  os::Override<decltype(&::CreateRectRgn)> region{&os::Table::CreateRectRgn, CountedRegion};
  os::Override<decltype(&::CreateFontA)> font{&os::Table::CreateFontA, CountedFont};
  os::Override<decltype(&::CreateFontW)> wideFont{&os::Table::CreateFontW, CountedWideFont};
  os::Override<decltype(&::DeleteObject)> remove{&os::Table::DeleteObject, CountedDelete};
};

GdiCounter::GdiCounter() : overrides_(new Overrides) {
  liveObjects.clear();
  deletedEarlier = 0;
}
GdiCounter::~GdiCounter() { delete overrides_; }
long GdiCounter::live() const { return static_cast<long>(liveObjects.size()); }
long GdiCounter::added() const { return live() - deletedEarlier; }

}  // namespace test
