// Pixels at 96 DPI, in which a program gives every position and size, and the same
// pixels at another DPI.
#ifndef FENWIX_PROPS_PIXEL_SCALE_H
#define FENWIX_PROPS_PIXEL_SCALE_H

#include <cstdint>

// The DPI that every position and size a program gives is in.
inline constexpr std::int32_t kBaseDpi = 96;

struct PixelRect {
  std::int32_t x = 0, y = 0, width = 0, height = 0;
};

// A length or a position at kBaseDpi in the pixels of dpi, rounded to the nearest pixel
// (halves away from zero); UnscaledLength is the way back. A DPI below 1 or above 32767
// counts as kBaseDpi. Saturates instead of overflowing.
std::int32_t ScaledLength(std::int32_t length, std::int32_t dpi);
std::int32_t UnscaledLength(std::int32_t length, std::int32_t dpi);

// The same in 64 bits, for sums of 32-bit numbers: exact for any of them.
std::int64_t ScaledLength64(std::int64_t length, std::int32_t dpi);

// A rectangle at kBaseDpi in the pixels of dpi. Its edges are scaled, not its size, so
// that rectangles whose edges meet at kBaseDpi still meet. A size never goes below 0.
PixelRect ScaledRect(const PixelRect& rect, std::int32_t dpi);

// A 64-bit number brought within 32 bits.
std::int32_t Saturated(std::int64_t value);

#endif
