#include "noise.h"

#include <cmath>

namespace assets {

namespace {
float Lattice(int x, int y, std::uint32_t seed) {
  std::uint32_t h = seed * 0x27d4eb2dU;
  h ^= static_cast<std::uint32_t>(x) * 0x85ebca6bU;
  h = (h ^ (h >> 15)) * 0xc2b2ae35U;
  h ^= static_cast<std::uint32_t>(y) * 0x165667b1U;
  h = (h ^ (h >> 13)) * 0x27d4eb2dU;
  h ^= h >> 16;
  return (h & 0xFFFFFF) / 16777215.f;
}
float Smooth(float t) { return t * t * t * (t * (t * 6 - 15) + 10); }
}  // namespace

float ValueNoise(float x, float y, std::uint32_t seed) {
  float fx = std::floor(x), fy = std::floor(y);
  int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
  float tx = Smooth(x - fx), ty = Smooth(y - fy);
  float a = Lattice(ix, iy, seed), b = Lattice(ix + 1, iy, seed);
  float c = Lattice(ix, iy + 1, seed), d = Lattice(ix + 1, iy + 1, seed);
  float top = a + (b - a) * tx, bottom = c + (d - c) * tx;
  return top + (bottom - top) * ty;
}

float Fractal(float x, float y, std::uint32_t seed, int octaves, float roughness) {
  float sum = 0, amp = 1, norm = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += amp * ValueNoise(x, y, seed + 101u * i);
    norm += amp;
    amp *= roughness;
    // Rotate a little between octaves so the lattice does not show.
    float nx = 1.6f * x + 1.2f * y, ny = -1.2f * x + 1.6f * y;
    x = nx + 17.3f;
    y = ny + 5.1f;
  }
  return sum / norm;
}

}  // namespace assets
