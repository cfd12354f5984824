// Smooth value noise for planet surfaces, nebulae, rock and grass.
#pragma once

#include <cstdint>

namespace assets {

// In [0, 1], smooth, one feature per unit.
float ValueNoise(float x, float y, std::uint32_t seed);
// Several octaves of value noise, in [0, 1].
float Fractal(float x, float y, std::uint32_t seed, int octaves = 5, float roughness = 0.5f);

}  // namespace assets
