// Extended-precision sums with integers only.  The exact sum is formed in a
// 128-bit frame: the larger operand's significand in the upper half, the
// smaller one shifted right to its place, any bits shifted out of the frame
// collected into the lowest bit.  That bit lies far below the rounding
// position, so it decides a rounding exactly as all the lost bits would.
#include "world/extended_arithmetic.h"

#include <bit>
#include <cstring>
#include <utility>

namespace raketa {

namespace {

constexpr std::uint64_t kTopBit = std::uint64_t{1} << 63;

struct Wide {  // 128 bits
  std::uint64_t hi, lo;
};

Wide ShiftRightJam(Wide x, int n) {
  if (n == 0) return x;
  if (n >= 128) return {0, (x.hi | x.lo) != 0};
  Wide r;
  bool lost;
  if (n >= 64) {
    lost = x.lo != 0 || (n > 64 && (x.hi << (128 - n)) != 0);
    r = {0, n == 64 ? x.hi : x.hi >> (n - 64)};
  } else {
    lost = (x.lo << (64 - n)) != 0;
    r = {x.hi >> n, (x.lo >> n) | (x.hi << (64 - n))};
  }
  r.lo |= lost ? 1 : 0;
  return r;
}

Wide ShiftLeft(Wide x, int n) {
  if (n == 0) return x;
  if (n >= 64) return {x.lo << (n - 64), 0};
  return {(x.hi << n) | (x.lo >> (64 - n)), x.lo << n};
}

int LeadingZeros(Wide x) { return x.hi != 0 ? std::countl_zero(x.hi) : 64 + std::countl_zero(x.lo); }

// A finite single, exactly; zero has a zero significand.
Extended Widen(std::uint32_t bits) {
  bool negative = bits >> 31;
  int biased = (bits >> 23) & 0xff;
  std::uint64_t fraction = bits & 0x7fffff;
  if (biased != 0) return {negative, (fraction | 0x800000) << 40, biased - 127};
  if (fraction == 0) return {negative, 0, 0};
  int shift = std::countl_zero(fraction);  // a subnormal becomes normal here
  return {negative, fraction << shift, -86 - shift};
}

// a + b rounded to a 64-bit significand, nearest, ties to even.
Extended Sum(Extended a, Extended b) {
  if (a.significand == 0 && b.significand == 0) return {a.negative && b.negative, 0, 0};
  if (a.significand == 0) return b;
  if (b.significand == 0) return a;
  if (a.exponent < b.exponent || (a.exponent == b.exponent && a.significand < b.significand)) std::swap(a, b);
  Wide x{a.significand, 0};
  Wide y = ShiftRightJam({b.significand, 0}, a.exponent - b.exponent);
  int exponent = a.exponent;
  Wide r;
  if (a.negative == b.negative) {
    r = {x.hi + y.hi, y.lo};
    if (r.hi < x.hi) {  // carried out of the frame
      r = ShiftRightJam(r, 1);
      r.hi |= kTopBit;
      ++exponent;
    }
  } else {
    r = {x.hi - y.hi - (y.lo != 0 ? 1 : 0), 0 - y.lo};
    if (r.hi == 0 && r.lo == 0) return {false, 0, 0};  // x - x is +0
    int shift = LeadingZeros(r);
    r = ShiftLeft(r, shift);
    exponent -= shift;
  }
  if (r.lo > kTopBit || (r.lo == kTopBit && (r.hi & 1) != 0)) {
    if (++r.hi == 0) {
      r.hi = kTopBit;
      ++exponent;
    }
  }
  return {a.negative, r.hi, exponent};
}

// Stored as a single: one rounding, nearest, ties to even, straight into a
// subnormal where the value is that small; too large becomes infinite.
std::uint32_t Narrow(Extended x) {
  std::uint32_t sign = x.negative ? 0x80000000u : 0;
  if (x.significand == 0) return sign;
  if (x.exponent > 127) return sign | 0x7f800000u;
  int drop = 40;  // bits of the significand below the single's last place
  if (x.exponent < -126) drop += -126 - x.exponent;
  if (drop > 64) return sign;  // below half the smallest subnormal
  std::uint64_t kept = drop == 64 ? 0 : x.significand >> drop;
  std::uint64_t rest = drop == 64 ? x.significand : x.significand & ((std::uint64_t{1} << drop) - 1);
  std::uint64_t half = std::uint64_t{1} << (drop - 1);
  if (rest > half || (rest == half && (kept & 1) != 0)) ++kept;
  // A normal's leading bit moves into the exponent field, so a carry out of
  // the significand raises the exponent (up to infinity); a subnormal that
  // rounds up to 2^23 is the smallest normal.
  if (x.exponent < -126) return sign | static_cast<std::uint32_t>(kept);
  return sign + (static_cast<std::uint32_t>(x.exponent + 127) << 23) + static_cast<std::uint32_t>(kept - 0x800000);
}

}  // namespace

float ExtendedSum(float meter, Extended amount) {
  std::uint32_t bits;
  std::memcpy(&bits, &meter, 4);
  if ((bits & 0x7f800000u) == 0x7f800000u) {
    // Infinity plus a finite amount stays; a NaN stays with its sign and
    // payload, made quiet.
    if ((bits & 0x7fffff) != 0) bits |= 0x400000;
  } else {
    bits = Narrow(Sum(Widen(bits), amount));
  }
  float out;
  std::memcpy(&out, &bits, 4);
  return out;
}

float ExtendedDifference(float meter, Extended amount) {
  amount.negative = !amount.negative;
  return ExtendedSum(meter, amount);
}

}  // namespace raketa
