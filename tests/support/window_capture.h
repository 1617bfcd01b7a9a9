// The pixels of a window's client area as they are on the screen, read back through the
// window's device context into a DIB canvas.
#ifndef FENWIX_TESTS_SUPPORT_WINDOW_CAPTURE_H
#define FENWIX_TESTS_SUPPORT_WINDOW_CAPTURE_H

#include <windows.h>

#include <memory>

#include "tests/support/dib_canvas.h"

namespace test {

inline std::unique_ptr<DibCanvas> CaptureClient(HWND window) {
  RECT client = {};
  GetClientRect(window, &client);
  auto canvas = std::make_unique<DibCanvas>(client.right, client.bottom, RGB(0, 0, 0));
  HDC source = GetDC(window);
  BitBlt(canvas->dc(), 0, 0, client.right, client.bottom, source, 0, 0, SRCCOPY);
  ReleaseDC(window, source);
  return canvas;
}

}  // namespace test

#endif
