#pragma once

#include <cstdint>

namespace quindle {

// base^exponent in 32-bit wrap-around arithmetic; 1 for exponents of 0 or less.
std::int32_t IntegerPower(std::int32_t base, std::int32_t exponent);

}  // namespace quindle
