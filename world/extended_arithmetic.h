// The meters are singles that move by amounts the game has always added in
// x87 extended precision: the single is widened to 80 bits, the amount is
// added there, the sum is rounded to a 64-bit significand and then stored
// back as a single.  Here that arithmetic is done with integers, so every
// build (x86-64, WebAssembly, anything else) stores the same bits.
#pragma once

#include <cstdint>

namespace raketa {

// A finite number in the x87 extended format: significand * 2^(exponent - 63)
// with the leading bit of the significand set (the format's explicit bit).
struct Extended {
  bool negative;
  std::uint64_t significand;
  int exponent;
};

// The amounts, as the x87 holds 0.07L, 0.005L, 0.004L, 1 and 25.
namespace amount {
inline constexpr Extended k0_07{false, 0x8f5c28f5c28f5c29, -4};
inline constexpr Extended k0_005{false, 0xa3d70a3d70a3d70a, -8};
inline constexpr Extended k0_004{false, 0x83126e978d4fdf3b, -8};
inline constexpr Extended k1{false, 0x8000000000000000, 0};
inline constexpr Extended k25{false, 0xc800000000000000, 4};
}  // namespace amount

// meter + amount and meter - amount as the x87 computes them under its
// default control word (round to nearest even, 64-bit precision, exceptions
// masked) and stores them as a single: subnormals, signed zeros, overflow to
// infinity, a NaN meter kept with its payload and made quiet, an infinite
// meter kept.
float ExtendedSum(float meter, Extended amount);
float ExtendedDifference(float meter, Extended amount);

}  // namespace raketa
