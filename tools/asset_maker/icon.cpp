#include "icon.h"

#include <algorithm>
#include <cmath>

#include "random.h"
#include "rocket_art.h"
#include "space_art.h"

namespace assets {

namespace {
// The patch leaves a thin margin, as desktop icons do.
float Radius(int size) { return size * 0.47f; }
}  // namespace

Canvas PaintIcon(int size) {
  const float s = static_cast<float>(size);
  const float mid = s / 2.f, r = Radius(size);
  Canvas c(size, size);
  c.Paint({0, 0, size, size}, [](float, float) { return 1.f; },
          [&](float x, float y) { return Mix(Hex(0x1b2a5c), Hex(0x04060f), std::min(1.f, (y + 0.4f * x) / (1.3f * s))); });
  Rng rng(13);
  // Fewer stars on small icons, where they would only be noise.
  Stars(c, rng, size / 3, {0, 0, size, size * 3 / 5}, [](float, float) { return 1.f; });
  // The cliff: a rocky shelf from the left that breaks off right of middle.
  c.Fill({0, 0, size, size},
         Polygon({{-0.1f * s, 0.74f * s}, {0.52f * s, 0.72f * s}, {0.62f * s, 0.78f * s},
                  {0.58f * s, 1.1f * s}, {-0.1f * s, 1.1f * s}}),
         [&](float, float y) { return Mix(Hex(0xb0703a), Hex(0x4a2a14), (y - 0.72f * s) / (0.3f * s)); });
  RocketPose pose;
  pose.x = 0.47f * s;
  pose.y = 0.45f * s;
  pose.scale = 0.62f * s / 320.f;
  pose.angle = 0.28f;
  pose.light = {-0.6f, -0.7f, 0.6f};
  Rocket(c, pose);
  // A pale rim keeps the patch apart from dark panels.
  c.Fill({0, 0, size, size}, Outline(Circle(mid, mid, r - std::max(1.f, s / 64.f)), std::max(0.75f, s / 96.f)),
         Hex(0xa8d0ff), 0.8f);
  return c;
}

std::vector<float> IconCoverage(int size) {
  const float mid = size / 2.f, r = Radius(size);
  std::vector<float> alpha(static_cast<std::size_t>(size) * size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const float d = std::hypot(x + 0.5f - mid, y + 0.5f - mid) - r;
      alpha[static_cast<std::size_t>(y) * size + x] = std::clamp(0.5f - d, 0.f, 1.f);
    }
  return alpha;
}

}  // namespace assets
