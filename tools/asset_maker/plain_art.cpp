#include "plain_art.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "noise.h"
#include "space_art.h"

namespace assets {

namespace {

struct Crater {
  float x, z, r, depth;
};

// Height of the ground at world (x, z), in the same units.
float Height(float x, float z, const std::vector<Crater>& craters, std::uint32_t seed) {
  float h = 1.6f * Fractal(x * 0.08f, z * 0.08f, seed, 4) + 0.4f * Fractal(x * 0.6f, z * 0.6f, seed + 9, 3);
  for (const Crater& k : craters) {
    float dx = x - k.x, dz = z - k.z;
    float d2 = (dx * dx + dz * dz) / (k.r * k.r);
    if (d2 > 4.f) continue;
    float d = std::sqrt(d2);
    // A bowl inside, a raised rim falling away outside.
    if (d < 1.f)
      h += k.r * (k.depth * (d2 - 1.f) + 0.18f);
    else
      h += k.r * 0.18f * std::exp(-(d - 1.f) * 5.f);
  }
  return h;
}

}  // namespace

void CrateredPlain(Canvas& c, const PlainView& view, std::uint32_t seed) {
  Rng rng(seed);
  std::vector<Crater> craters;
  for (int i = 0; i < 110; ++i) {
    float z = static_cast<float>(7.0 + 160.0 * std::pow(rng.Unit(), 1.4));
    float x = static_cast<float>(rng.Range(-1.3, 1.3) * z * 0.75);
    float r = static_cast<float>(0.6 + 4.2 * std::pow(rng.Unit(), 2.2) * (0.5 + z / 120.0));
    // Keep the launch site itself smooth.
    if (std::abs(x) < 7.f && z < 22.f) continue;
    craters.push_back({x, z, r, static_cast<float>(rng.Range(0.3, 0.5))});
  }
  const Rgb haze = Hex(0x8fb9a6);
  // The sun stands low on the left.
  const float sun_x = -0.78f, sun_y = 0.55f, sun_z = 0.3f;
  for (int py = static_cast<int>(view.horizon); py < c.height(); ++py) {
    float rows = py + 0.5f - view.horizon;
    float z = view.eye * 30.f / rows;  // distance of this row
    for (int px = 0; px < c.width(); ++px) {
      float x = (px + 0.5f - view.centre) * z / (view.eye * 12.f);
      float e = 0.01f * z;  // sample step grows with distance
      float h = Height(x, z, craters, seed);
      float hx = (Height(x + e, z, craters, seed) - h) / e;
      float hz = (Height(x, z + e, craters, seed) - h) / e;
      // Normal of the height field (y up).
      float nx = -hx, ny = 1.f, nz = -hz;
      float n = std::sqrt(nx * nx + ny * ny + nz * nz);
      float lit = std::max(0.f, (nx * sun_x + ny * sun_y + nz * sun_z) / n);
      // Each bowl's wall nearest the sun lies in the shadow of its rim.
      float shadow = 1.f;
      for (const Crater& k : craters) {
        float u = (x - k.x) / k.r, v = (z - k.z) / k.r;
        if (u * u + v * v >= 1.f) continue;
        float rim = -std::sqrt(1.f - v * v);
        shadow = std::min(shadow, 0.35f + 0.65f * std::clamp((u - rim - 0.55f) / 0.12f, 0.f, 1.f));
      }
      float patch = Fractal(x * 0.05f, z * 0.05f, seed + 3, 4);
      // Tufts and stones near by, fading out where they would shimmer.
      float fine = Fractal(x * 2.5f, z * 2.5f, seed + 8, 3) - 0.5f;
      float finer = Fractal(x * 11.f, z * 11.f, seed + 13, 2) - 0.5f;
      patch += 0.35f * fine * std::clamp(1.f - z / 50.f, 0.f, 1.f) +
               0.4f * finer * std::clamp(1.f - z / 18.f, 0.f, 1.f);
      Rgb grass = Gradient({{0.f, Hex(0x1f4a14)}, {0.45f, Hex(0x3f7a22)}, {0.7f, Hex(0x6f9a2e)}, {1.f, Hex(0x9fb24a)}},
                           patch);
      Rgb col = grass * ((0.3f + 0.95f * lit) * shadow);
      // Air between the eye and far ground.
      float air = std::clamp(1.f - std::exp(-z / 200.f), 0.f, 1.f);
      c.at(px, py) = Mix(col, haze, air * 0.85f);
    }
  }
  // A far ridge along the horizon.
  for (int px = 0; px < c.width(); ++px) {
    float top = view.horizon - 6.f - 34.f * Fractal(px / 140.f, 0.5f, seed + 17, 4) * Fractal(px / 600.f, 3.f, seed + 5, 2);
    for (int py = static_cast<int>(top); py < static_cast<int>(view.horizon) + 1; ++py) {
      float a = std::clamp(py + 1.f - top, 0.f, 1.f);
      c.Blend(px, py, Mix(Hex(0x5a8a7c), haze, 0.35f), a);
    }
  }
}

void DustCloud(Canvas& c, float x, float y, float spread, int puffs, Rng& rng, float glow) {
  for (int i = 0; i < puffs; ++i) {
    float side = static_cast<float>(rng.Signed());
    float px = x + side * spread * static_cast<float>(std::pow(rng.Unit(), 0.7));
    float dist = std::abs(px - x) / spread;
    float py = y - static_cast<float>(rng.Unit()) * 50.f * (1.f - dist * 0.5f) + 10.f * dist;
    float r = 18.f + 40.f * static_cast<float>(rng.Unit()) * (1.f - 0.5f * dist);
    std::uint32_t seed = 900u + static_cast<std::uint32_t>(i);
    c.Paint(Around(px, py, r * 1.3f, r * 1.3f),
            [=](float sx, float sy) {
              float d = std::hypot(sx - px, sy - py) / r;
              float edge = d + 0.35f * (Fractal(sx / 14.f, sy / 14.f, seed, 3) - 0.5f);
              return std::clamp((1.f - edge) * 3.f, 0.f, 1.f) * 0.9f;
            },
            [=](float sx, float sy) {
              float up = std::clamp((py - sy) / r * 0.5f + 0.5f, 0.f, 1.f);
              Rgb dust = Mix(Hex(0x7a7560), Hex(0xd8d2bc), up);
              float warm = glow * std::exp(-std::abs(sx - x) / (spread * 0.35f)) * (1.f - up * 0.6f);
              return Mix(dust, Hex(0xffa040), std::clamp(warm, 0.f, 0.85f)) *
                     (0.85f + 0.3f * Fractal(sx / 9.f, sy / 9.f, seed + 1, 3));
            });
  }
}

}  // namespace assets
