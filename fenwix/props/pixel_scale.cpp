// Pixels scaled between 96 DPI and another DPI, rounded as the platform's MulDiv rounds.
#include "fenwix/props/pixel_scale.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::int32_t kMostDpi = 32767;

// A DPI the platform could not mean counts as the base one. The bound keeps every product
// below within 64 bits.
std::int64_t ValidDpi(std::int32_t dpi) { return dpi >= 1 && dpi <= kMostDpi ? dpi : kBaseDpi; }

// value × numerator / denominator to the nearest whole number, halves away from zero.
std::int64_t Rounded(std::int64_t value, std::int64_t numerator, std::int64_t denominator) {
  const std::int64_t product = value * numerator;
  const std::int64_t half = denominator / 2;
  return product >= 0 ? (product + half) / denominator : -((-product + half) / denominator);
}

}  // namespace

std::int32_t Saturated(std::int64_t value) {
  const std::int64_t low = std::numeric_limits<std::int32_t>::min();
  const std::int64_t high = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::min(high, std::max(low, value)));
}

std::int64_t ScaledLength64(std::int64_t length, std::int32_t dpi) {
  return Rounded(length, ValidDpi(dpi), kBaseDpi);
}

std::int32_t ScaledLength(std::int32_t length, std::int32_t dpi) {
  return Saturated(ScaledLength64(length, dpi));
}

std::int32_t UnscaledLength(std::int32_t length, std::int32_t dpi) {
  return Saturated(Rounded(length, kBaseDpi, ValidDpi(dpi)));
}

PixelRect ScaledRect(const PixelRect& rect, std::int32_t dpi) {
  const std::int64_t left = ScaledLength64(rect.x, dpi), top = ScaledLength64(rect.y, dpi);
  const std::int64_t right = ScaledLength64(std::int64_t{rect.x} + rect.width, dpi);
  const std::int64_t bottom = ScaledLength64(std::int64_t{rect.y} + rect.height, dpi);
  return {Saturated(left), Saturated(top), Saturated(std::max<std::int64_t>(0, right - left)),
          Saturated(std::max<std::int64_t>(0, bottom - top))};
}
