// The meters' extended-precision arithmetic done with integers.  On x86-64
// the x87 itself is the reference: every meter value tried must come out in
// the same bits as static_cast<float>(static_cast<long double>(meter) - 0.07L)
// and its siblings.  The table of known results holds on every build.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <ios>
#include <iterator>
#include <random>
#include <vector>

#include "world/extended_arithmetic.h"

namespace raketa::test {
namespace {

std::uint32_t Bits(float f) {
  std::uint32_t u;
  std::memcpy(&u, &f, 4);
  return u;
}

float Single(std::uint32_t u) {
  float f;
  std::memcpy(&f, &u, 4);
  return f;
}

struct Amount {
  const char* name;
  Extended value;
};

const Amount kAmounts[] = {
    {"0.07", amount::k0_07}, {"0.005", amount::k0_005}, {"0.004", amount::k0_004},
    {"1", amount::k1},       {"25", amount::k25},
};

// Results the x87 stores (checked against it below where it exists): where
// a drain in single precision, or a sum rounded once, would store other
// bits, and the special values.
struct Known {
  const char* what;
  std::uint32_t meter;
  Extended amount;
  bool subtract;
  std::uint32_t stored;
};

const Known kKnown[] = {
    {"a full meter drained", 0x42c80000, amount::k0_07, true, 0x42c7dc29},
    {"a full meter drained", 0x42c80000, amount::k0_005, true, 0x42c7fd71},
    {"a full meter drained", 0x42c80000, amount::k0_004, true, 0x42c7fdf4},
    {"single precision stores other bits", 0x3a83129e, amount::k0_07, true, 0xbd8d4fde},
    {"single precision stores other bits", 0x3a831276, amount::k0_005, true, 0xbb83126d},
    {"single precision stores other bits", 0x3a831270, amount::k0_004, true, 0xbb449ba5},
    {"x - x is +0", 0x3f800000, amount::k1, true, 0x00000000},
    {"x - x is +0", 0xc1c80000, amount::k25, false, 0x00000000},
    {"an empty meter drained", 0x00000000, amount::k0_004, true, 0xbb83126f},
    {"an empty meter drained", 0x80000000, amount::k0_07, true, 0xbd8f5c29},
    {"a subnormal meter", 0x00000001, amount::k0_005, true, 0xbba3d70a},
    {"the largest single", 0x7f7fffff, amount::k25, false, 0x7f7fffff},
    {"a signalling NaN made quiet", 0x7fa12345, amount::k0_07, true, 0x7fe12345},
    {"a quiet NaN kept", 0xffd23456, amount::k25, false, 0xffd23456},
    {"infinity kept", 0xff800000, amount::k1, true, 0xff800000},
    {"infinity kept", 0x7f800000, amount::k25, false, 0x7f800000},
    {"a tie after the first rounding goes to even", 0x3f800000, {false, 0x8000000000000001, -24}, false, 0x3f800000},
    {"a tie after the first rounding goes to even", 0x3f800001, {false, 0x8000000000000001, -24}, false, 0x3f800002},
    {"a tie in the first rounding goes to even", 0x3f800000, {false, 0x8000000000800000, -24}, false, 0x3f800000},
    {"a tie in the first rounding goes to even", 0x3f800001, {false, 0x8000000000800000, -24}, false, 0x3f800002},
    {"a subnormal result", 0x00800000, {false, 0x8000000000000000, -127}, true, 0x00400000},
    {"overflow to infinity", 0x7f7fffff, {false, 0x8000000000000000, 103}, false, 0x7f800000},
};

TEST(ExtendedArithmetic, KnownResults) {
  for (const Known& k : kKnown) {
    float stored = k.subtract ? ExtendedDifference(Single(k.meter), k.amount) : ExtendedSum(Single(k.meter), k.amount);
    EXPECT_EQ(Bits(stored), k.stored) << k.what << std::hex << " meter 0x" << k.meter;
  }
}

#if LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384 && defined(__x86_64__)

// An extended number built from its fields, as the x87 lays it out in
// memory: the significand, then sign and biased exponent.
long double X87(Extended e) {
  unsigned char bytes[sizeof(long double)] = {};
  std::memcpy(bytes, &e.significand, 8);
  std::uint16_t signAndExponent = static_cast<std::uint16_t>((e.negative ? 0x8000 : 0) | (e.exponent + 16383));
  std::memcpy(bytes + 8, &signAndExponent, 2);
  long double out;
  std::memcpy(&out, bytes, sizeof out);
  return out;
}

TEST(ExtendedArithmetic, AmountsAreTheX87Values) {
  const long double x87[] = {0.07L, 0.005L, 0.004L, 1.0L, 25.0L};
  for (std::size_t i = 0; i < std::size(kAmounts); ++i) {
    long double built = X87(kAmounts[i].value);
    EXPECT_EQ(std::memcmp(&built, &x87[i], 10), 0) << kAmounts[i].name;
  }
}

TEST(ExtendedArithmetic, KnownResultsAreTheX87s) {
  for (const Known& k : kKnown) {
    long double a = X87(k.amount);
    long double m = Single(k.meter);
    float x87 = static_cast<float>(k.subtract ? m - a : m + a);
    EXPECT_EQ(Bits(x87), k.stored) << k.what;
  }
}

// Each meter with the amount added and subtracted, against the x87.
void ExpectLikeX87(const std::vector<float>& meters, Extended amount, const char* name) {
  long double a = X87(amount);
  for (float m : meters) {
    long double wide = m;
    std::uint32_t difference = Bits(static_cast<float>(wide - a));
    std::uint32_t sum = Bits(static_cast<float>(wide + a));
    ASSERT_EQ(Bits(ExtendedDifference(m, amount)), difference)
        << name << std::hex << " subtracted from 0x" << Bits(m) << " (" << std::hexfloat << m << ")";
    ASSERT_EQ(Bits(ExtendedSum(m, amount)), sum)
        << name << std::hex << " added to 0x" << Bits(m) << " (" << std::hexfloat << m << ")";
  }
}

void ExpectLikeX87(const std::vector<float>& meters) {
  for (const Amount& a : kAmounts) ExpectLikeX87(meters, a.value, a.name);
}

TEST(ExtendedArithmetic, MetersAcrossTheirRange) {
  // Every 997th single from -2 to 102 (the spacing of singles narrows toward
  // zero, so this samples each binade alike), and every 1/4096 as a player
  // would see the meters, with their neighbours.
  std::vector<float> meters;
  for (std::uint32_t b = 0; b <= Bits(102.0f); b += 997) meters.push_back(Single(b));
  for (std::uint32_t b = 0x80000000u; b <= Bits(-2.0f); b += 997) meters.push_back(Single(b));
  for (int i = -2 * 4096; i <= 102 * 4096; ++i) {
    float v = i / 4096.0f;
    meters.insert(meters.end(), {std::nextafter(v, -INFINITY), v, std::nextafter(v, INFINITY)});
  }
  ExpectLikeX87(meters);
}

TEST(ExtendedArithmetic, MetersAsTheGameMovesThem) {
  // A million frames of each drain from a full meter, as the game stores
  // them, so each step starts from the bits the previous one stored; and the
  // same with the refill of 25 whenever the meter falls below 1.
  for (const Amount& a : kAmounts) {
    long double x87 = X87(a.value);
    for (bool refills : {false, true}) {
      float mine = 100, theirs = 100;
      for (int frame = 0; frame < 1'000'000; ++frame) {
        if (refills && theirs < 1) {
          mine = ExtendedSum(mine, amount::k25);
          theirs = static_cast<float>(static_cast<long double>(theirs) + 25);
        }
        mine = ExtendedDifference(mine, a.value);
        theirs = static_cast<float>(static_cast<long double>(theirs) - x87);
        ASSERT_EQ(Bits(mine), Bits(theirs)) << a.name << " frame " << frame << (refills ? " with refills" : "");
      }
    }
  }
}

TEST(ExtendedArithmetic, RandomBitPatterns) {
  std::mt19937 random(20261210);
  std::vector<float> meters;
  for (int i = 0; i < 2'000'000; ++i) meters.push_back(Single(static_cast<std::uint32_t>(random())));
  ExpectLikeX87(meters);
}

TEST(ExtendedArithmetic, SpecialMeters) {
  std::vector<float> meters;
  for (std::uint32_t sign : {0u, 0x80000000u}) {
    for (std::uint32_t b : {0x0u, 0x1u, 0x2u, 0x3u, 0x7fffffu, 0x800000u, 0x800001u, 0x7f7fffffu, 0x7f7ffffeu,
                            0x7f800000u, 0x7f800001u, 0x7fa12345u, 0x7fbfffffu, 0x7fc00000u, 0x7fc00001u,
                            0x7fd23456u, 0x7fffffffu}) {
      meters.push_back(Single(sign | b));
    }
  }
  // The amounts themselves as singles and their neighbours: the closest a
  // meter comes to a zero result.
  for (float v : {0.07f, 0.005f, 0.004f, 1.0f, 25.0f, -25.0f}) {
    float below = v, above = v;
    for (int i = 0; i < 64; ++i) {
      meters.insert(meters.end(), {below, above});
      below = std::nextafter(below, -INFINITY);
      above = std::nextafter(above, INFINITY);
    }
  }
  ExpectLikeX87(meters);
}

// Amounts of every size beside the meter's: sums that round to a tie, to a
// subnormal, to the smallest normal, to infinity, or cancel to zero.  These
// reach parts of the rounding the game's five amounts never do.
TEST(ExtendedArithmetic, AmountsOfEverySize) {
  std::mt19937_64 random(18);
  for (int i = 0; i < 300'000; ++i) {
    std::uint32_t bits = static_cast<std::uint32_t>(random());
    if (i % 3 == 0) bits &= 0x81ffffffu;  // tiny, down to subnormal
    if (i % 7 == 0) bits |= 0x7f000000u;  // huge, near overflow
    if ((bits & 0x7f800000u) == 0x7f800000u) continue;  // no infinities or NaNs
    float m = Single(bits);
    int exponent = std::ilogb(m == 0 ? 1.0f : m) + static_cast<int>(random() % 100) - 70;
    exponent = std::clamp(exponent, -16000, 16000);
    std::uint64_t significand = random() | (std::uint64_t{1} << 63);
    significand &= ~std::uint64_t{0} << (random() % 64);  // short ones make exact ties
    Extended a{(random() & 1) != 0, significand, exponent};
    ExpectLikeX87({m}, a, "a random amount");
    if (::testing::Test::HasFatalFailure()) return;
  }
  // The meter's own half unit in the last place, alone, with a trace far
  // below the extended significand (lost in the first rounding, so the
  // second one sees a tie), and with half the extended last place (a tie
  // already in the first rounding, which goes to even, and so does the
  // second).
  for (float m : {1.0f, 1.0000001f, 3.0f, 100.0f, 99.99999f, FLT_MIN, FLT_MAX, 0x1p-140f}) {
    int lastPlace = std::ilogb(m) - 23;
    if (lastPlace < -149) lastPlace = -149;
    for (std::uint64_t trace : {std::uint64_t{0}, std::uint64_t{1}, std::uint64_t{1} << 23}) {
      Extended half{false, (std::uint64_t{1} << 63) | trace, lastPlace - 1};
      ExpectLikeX87({m, -m}, half, "half the last place");
    }
  }
}

#endif

}  // namespace
}  // namespace raketa::test
