#include "image/IntegerPower.h"

namespace quindle {

std::int32_t IntegerPower(std::int32_t base, std::int32_t exponent) {
  // Unsigned arithmetic wraps modulo 2^32 without undefined behaviour;
  // squaring gives the same residue as repeated multiplication.
  std::uint32_t result = 1;
  auto factor = static_cast<std::uint32_t>(base);
  for (auto remaining = exponent; remaining > 0; remaining >>= 1) {
    if ((remaining & 1) != 0) {
      result *= factor;
    }
    factor *= factor;
  }
  return static_cast<std::int32_t>(result);
}

}  // namespace quindle
