// A memory device context drawing into a 32-bit top-down DIB section, so that a test can
// paint with the real GDI and read every pixel back.
#ifndef FENWIX_TESTS_SUPPORT_DIB_CANVAS_H
#define FENWIX_TESTS_SUPPORT_DIB_CANVAS_H

#include <windows.h>

#include <cstdint>

namespace test {

class DibCanvas {
 public:
  DibCanvas(int width, int height, COLORREF background) : width_(width), height_(height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // negative: the first row is the top one
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<std::uint32_t*>(bits);
    oldBitmap_ = SelectObject(dc_, bitmap_);
    Clear(background);
  }
  ~DibCanvas() {
    SelectObject(dc_, oldBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  DibCanvas(const DibCanvas&) = delete;
  DibCanvas& operator=(const DibCanvas&) = delete;

  HDC dc() const { return dc_; }
  int width() const { return width_; }
  int height() const { return height_; }

  void Clear(COLORREF color) {
    GdiFlush();
    for (int i = 0; i < width_ * height_; ++i) bits_[i] = ToDib(color);
  }

  // The pixel as a COLORREF (red in the lowest byte).
  COLORREF Pixel(int x, int y) const {
    GdiFlush();
    const std::uint32_t p = bits_[y * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }

 private:
  static std::uint32_t ToDib(COLORREF c) {
    return (static_cast<std::uint32_t>(GetRValue(c)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(c)) << 8) | GetBValue(c);
  }

  int width_, height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ oldBitmap_;
  std::uint32_t* bits_ = nullptr;
};

}  // namespace test

#endif
