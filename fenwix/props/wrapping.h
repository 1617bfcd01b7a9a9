// Signed 32-bit sums that wrap around on overflow, computed in unsigned arithmetic so
// that no coordinate or size an application gives can make the arithmetic undefined.
#ifndef FENWIX_PROPS_WRAPPING_H
#define FENWIX_PROPS_WRAPPING_H

#include <cstdint>

inline std::int32_t WrapAdd(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

inline std::int32_t WrapSub(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

#endif
