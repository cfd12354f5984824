// A small seeded generator, so every run of the asset maker draws the same
// stars and the same noise (std distributions differ between libraries).
#pragma once

#include <cmath>
#include <cstdint>

namespace assets {

class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {
    // splitmix64
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1).
  double Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
  double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }
  // Uniform in [-1, 1): white noise.
  double Signed() { return 2.0 * Unit() - 1.0; }
  int Int(int lo, int hi) { return lo + static_cast<int>(Unit() * (hi - lo + 1)); }
  double Gauss() {
    double u = Unit();
    if (u < 1e-300) u = 1e-300;
    return std::sqrt(-2.0 * std::log(u)) * std::cos(6.283185307179586 * Unit());
  }

 private:
  std::uint64_t state_;
};

}  // namespace assets
