#include "space_art.h"

#include <algorithm>
#include <cmath>

#include "noise.h"

namespace assets {

namespace {
constexpr float kPi = 3.14159265f;

Light Normalised(Light l) {
  float n = std::sqrt(l.x * l.x + l.y * l.y + l.z * l.z);
  return {l.x / n, l.y / n, l.z / n};
}
}  // namespace

Rgb Gradient(const std::vector<ColourStop>& stops, float t) {
  if (t <= stops.front().at) return stops.front().colour;
  for (std::size_t i = 1; i < stops.size(); ++i) {
    if (t <= stops[i].at) {
      float k = (t - stops[i - 1].at) / (stops[i].at - stops[i - 1].at);
      return Mix(stops[i - 1].colour, stops[i].colour, k);
    }
  }
  return stops.back().colour;
}

void Stars(Canvas& c, Rng& rng, int count, Box box, const std::function<float(float, float)>& dim) {
  for (int i = 0; i < count; ++i) {
    float x = static_cast<float>(rng.Range(box.x0, box.x1));
    float y = static_cast<float>(rng.Range(box.y0, box.y1));
    // Most stars are faint; a few are bright.
    float mag = static_cast<float>(std::pow(rng.Unit(), 3.0));
    float bright = (0.25f + 0.75f * mag) * dim(x, y);
    float tint = static_cast<float>(rng.Unit());
    Rgb colour = tint < 0.6f ? Rgb{0.85f, 0.9f, 1.f} : tint < 0.85f ? Rgb{1.f, 0.95f, 0.8f} : Rgb{1.f, 0.8f, 0.7f};
    float radius = 0.55f + 1.3f * mag;
    Box b = Around(x, y, radius * 2, radius * 2);
    for (int py = b.y0; py < b.y1; ++py)
      for (int px = b.x0; px < b.x1; ++px) {
        float d = std::hypot(px + 0.5f - x, py + 0.5f - y);
        c.AddLight(px, py, colour, bright * std::exp(-d * d / (radius * radius)));
      }
    if (mag > 0.55f && bright > 0.5f) {
      // The brightest ones get a soft cross.
      float len = 5.f + 14.f * mag;
      for (int k = -static_cast<int>(len); k <= static_cast<int>(len); ++k) {
        float fall = 1.f - std::abs(k) / len;
        float a = 0.35f * bright * fall * fall;
        c.AddLight(static_cast<int>(x) + k, static_cast<int>(y), colour, a);
        c.AddLight(static_cast<int>(x), static_cast<int>(y) + k, colour, a);
      }
      c.Glow(x, y, 3.f + 8.f * mag, colour, 0.25f * bright);
    }
  }
}

void Nebula(Canvas& c, Box box, std::uint32_t seed, float scale, Rgb colour, float strength,
            const std::function<float(float, float)>& mask) {
  c.Paint(
      box,
      [=](float x, float y) {
        float n = Fractal(x / scale, y / scale, seed, 6, 0.55f);
        float cloud = std::clamp((n - 0.45f) * 2.2f, 0.f, 1.f);
        return strength * cloud * cloud * mask(x, y);
      },
      [=](float x, float y) {
        float n = Fractal(x / scale + 9.f, y / scale - 4.f, seed + 7, 3, 0.5f);
        return Mix(colour, Rgb{colour.b, colour.r, colour.g}, 0.35f * n);
      });
}

void Planet(Canvas& c, float cx, float cy, float r, Light light, const PlanetLook& look) {
  light = Normalised(light);
  float outer = r * (1.f + look.atmosphere_width * 3.f);
  Box box = Around(cx, cy, outer, outer);
  float ct = std::cos(look.tilt), st = std::sin(look.tilt);
  // Atmosphere first: a glow hugging the lit limb.
  c.Paint(
      box,
      [=](float x, float y) {
        float dx = (x - cx) / r, dy = (y - cy) / r;
        float d = std::hypot(dx, dy);
        if (d < 1.f) return 0.f;
        float fall = std::exp(-(d - 1.f) / look.atmosphere_width);
        float lit = std::clamp(0.25f + (dx * light.x + dy * light.y) / d * 0.9f, 0.f, 1.f);
        return 0.8f * fall * lit;
      },
      [=](float, float) { return look.atmosphere; });
  c.Fill(box, Circle(cx, cy, r), [=](float x, float y) {
    float nx = (x - cx) / r, ny = (y - cy) / r;
    float nz = std::sqrt(std::max(0.f, 1.f - nx * nx - ny * ny));
    // Surface coordinates on the tilted sphere.
    float u = nx * ct - ny * st, v = nx * st + ny * ct;
    float lon = std::atan2(u, nz), lat = std::asin(std::clamp(v, -1.f, 1.f));
    float sx = lon / kPi * look.detail, sy = lat / kPi * look.detail * 2.f;
    float warp = Fractal(sx * 2.f, sy * 2.f, look.seed + 3, 4);
    float n = Fractal(sx + warp, sy, look.seed, 6);
    if (look.banding > 0.f) {
      float bands = 0.5f + 0.5f * std::sin(lat * 14.f + warp * 4.f);
      n = n * (1.f - look.banding) + bands * look.banding;
    }
    Rgb surface = Gradient(look.surface, n);
    float diffuse = nx * light.x + ny * light.y + nz * light.z;
    float lit = std::clamp(diffuse * 1.1f + 0.05f, 0.f, 1.f);
    lit = lit * lit * (3.f - 2.f * lit);
    // Haze of the atmosphere towards the limb.
    float limb = std::pow(1.f - nz, 3.f);
    Rgb col = surface * (0.03f + lit) + look.atmosphere * (limb * 0.6f * std::clamp(diffuse + 0.3f, 0.f, 1.f));
    return col;
  });
}

void Asteroid(Canvas& c, float cx, float cy, float r, float spin, Light light, std::uint32_t seed, Rgb base) {
  light = Normalised(light);
  auto radius_at = [=](float angle) {
    float a = angle + spin;
    float lump = ValueNoise(std::cos(a) * 1.6f + 5.f, std::sin(a) * 1.6f + 5.f, seed) - 0.5f;
    float fine = ValueNoise(std::cos(a) * 5.f + 9.f, std::sin(a) * 5.f + 9.f, seed + 1) - 0.5f;
    return r * (1.f + 0.45f * lump + 0.08f * fine);
  };
  Sdf shape = [=](float x, float y) {
    float dx = x - cx, dy = y - cy;
    return (std::hypot(dx, dy) - radius_at(std::atan2(dy, dx))) * 0.85f;
  };
  // Craters in the rock's own frame.
  Rng rng(seed * 7919u + 13u);
  struct Crater {
    float x, y, r;
  };
  std::vector<Crater> craters;
  for (int i = 0, n = 3 + static_cast<int>(rng.Unit() * 5); i < n; ++i)
    craters.push_back({static_cast<float>(rng.Range(-0.6, 0.6)), static_cast<float>(rng.Range(-0.6, 0.6)),
                       static_cast<float>(rng.Range(0.08, 0.25))});
  Box box = Around(cx, cy, r * 1.6f, r * 1.6f);
  c.Fill(box, shape, [=](float x, float y) {
    float dx = x - cx, dy = y - cy;
    float rr = radius_at(std::atan2(dy, dx));
    float nx = dx / (rr * 1.05f), ny = dy / (rr * 1.05f);
    float nz = std::sqrt(std::max(0.02f, 1.f - nx * nx - ny * ny));
    // Bumps from the noise slope.
    float s = 6.f / r;
    float h0 = Fractal(x * s, y * s, seed + 5, 4);
    float hx = Fractal((x + 1.5f) * s, y * s, seed + 5, 4);
    float hy = Fractal(x * s, (y + 1.5f) * s, seed + 5, 4);
    nx -= (hx - h0) * 6.f;
    ny -= (hy - h0) * 6.f;
    float shade = 0.f;
    for (const Crater& k : craters) {
      float kx = (dx / r) - k.x, ky = (dy / r) - k.y;
      float d = std::hypot(kx, ky) / k.r;
      if (d < 1.f) {
        // Bowl: its wall facing the sun is dark, the far wall lit.
        float wall = (kx * light.x + ky * light.y) / (k.r * std::max(d, 0.2f));
        shade += 0.35f * wall * d;
      } else if (d < 1.3f) {
        shade -= 0.15f * (1.3f - d) / 0.3f * ((kx * light.x + ky * light.y) / (k.r * d));
      }
    }
    float n = std::sqrt(nx * nx + ny * ny + nz * nz);
    float diffuse = (nx * light.x + ny * light.y + nz * light.z) / n + shade;
    float lit = std::clamp(diffuse, 0.f, 1.f);
    Rgb rock = base * (0.75f + 0.5f * h0);
    return rock * (0.06f + 0.95f * lit);
  });
}

}  // namespace assets
