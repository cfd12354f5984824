// The game's spacecraft: a white and red rocket with portholes, three fins
// and an engine bell, drawn at any size and tilt, with or without its flame.
#pragma once

#include "canvas.h"
#include "space_art.h"

namespace assets {

struct RocketPose {
  float x, y;          // middle of the hull on screen
  float scale = 1.f;   // 1: about 320 px from nose to nozzle
  float angle = 0.f;   // radians, clockwise; 0 points the nose up
  float flame = 0.f;   // flame length as a share of the hull, 0: engine off
  Light light{-0.6f, -0.5f, 0.6f};
};

void Rocket(Canvas& c, const RocketPose& pose);

}  // namespace assets
