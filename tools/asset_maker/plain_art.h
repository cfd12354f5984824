// The green cratered plain of the departure picture, seen in perspective,
// and the dust the engine throws up from it.
#pragma once

#include <cstdint>

#include "canvas.h"
#include "random.h"

namespace assets {

struct PlainView {
  float horizon = 500.f;  // screen row of the horizon
  float eye = 60.f;       // how far the rows spread: larger is a higher eye
  float centre = 512.f;
};

void CrateredPlain(Canvas& c, const PlainView& view, std::uint32_t seed);
// A billowing cloud of puffs around (x, y), lit warm from below by glow.
void DustCloud(Canvas& c, float x, float y, float spread, int puffs, Rng& rng, float glow);

}  // namespace assets
