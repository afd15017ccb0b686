#pragma once
// Counts of coins are 32-bit; a sum or product that would leave that range stops at its end
// instead of wrapping.

#include <algorithm>
#include <cstdint>
#include <limits>

constexpr std::int32_t SaturatedCount(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}
