// The pieces of the space scenes: stars, nebulae, planets and asteroids.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "canvas.h"
#include "random.h"

namespace assets {

struct ColourStop {
  float at;
  Rgb colour;
};
Rgb Gradient(const std::vector<ColourStop>& stops, float t);

// Scatters count stars over box; dim(x, y) in [0, 1] caps their brightness
// where text must stay readable.
void Stars(Canvas& c, Rng& rng, int count, Box box, const std::function<float(float, float)>& dim);

// Faint cloud of gas: colour with an alpha of fractal noise, strength at most.
void Nebula(Canvas& c, Box box, std::uint32_t seed, float scale, Rgb colour, float strength,
            const std::function<float(float, float)>& mask);

struct Light {
  float x, y, z;  // direction towards the sun, normalised by the painter
};

struct PlanetLook {
  std::vector<ColourStop> surface;  // by the surface noise
  float banding = 0.f;              // 0: continents, 1: gas-giant stripes
  float detail = 3.f;               // noise features across the disc
  Rgb atmosphere{0.4f, 0.6f, 1.f};
  float atmosphere_width = 0.06f;   // of the radius
  float tilt = 0.3f;                // radians
  std::uint32_t seed = 1;
};
void Planet(Canvas& c, float cx, float cy, float r, Light light, const PlanetLook& look);

// An irregular lumpy rock with craters, lit from light.
void Asteroid(Canvas& c, float cx, float cy, float r, float spin, Light light, std::uint32_t seed,
              Rgb base = {0.45f, 0.40f, 0.36f});

}  // namespace assets
