// A window's DPI, from the platform's per-window answer or from the screen's.
#include "fenwix/window/window_dpi.h"

#include "fenwix/platform/platform.h"
#include "fenwix/props/wrapping.h"

std::int32_t WindowDpi(HWND window) {
  const UINT dpi = window ? os::GetDpiForWindow(window) : 0;
  if (dpi > 0 && dpi <= static_cast<UINT>(INT32_MAX)) return static_cast<std::int32_t>(dpi);
  const HDC screen = os::GetDC(nullptr);
  const int screenDpi = screen ? os::GetDeviceCaps(screen, LOGPIXELSX) : 0;
  if (screen) os::ReleaseDC(nullptr, screen);
  return screenDpi > 0 ? screenDpi : kBaseDpi;
}

PixelRect WindowPixels(HWND window, const PixelRect& rect) {
  return ScaledRect(rect, WindowDpi(window));
}

int FontHeight(HWND window, std::int32_t points) {
  return WrapSub(0, os::MulDiv(points, WindowDpi(window), 72));
}
