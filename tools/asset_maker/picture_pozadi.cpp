// The play screen: deep space, calm and dark where the narration and the
// room contents are printed, a crescent planet at the right, the command
// help at the top right and the control panel along the bottom.
#include <algorithm>
#include <cmath>

#include "services/screen_layout.h"
#include "pictures.h"
#include "pozadi_parts.h"
#include "space_art.h"

namespace assets {

using raketa::screen::kHeight;
using raketa::screen::kWidth;

namespace {

float Smoothstep(float a, float b, float x) {
  float t = std::clamp((x - a) / (b - a), 0.f, 1.f);
  return t * t * (3.f - 2.f * t);
}

// 1 where the picture may be busy, low where text lies on it.
float Busy(float x, float y) {
  using namespace raketa::screen;
  float narration = (1.f - Smoothstep(kNarrationRight - 40, kNarrationRight + 60, x)) *
                    (1.f - Smoothstep(kNarrationBottom, kNarrationBottom + 40, y));
  float room = (1.f - Smoothstep(kRoomPanelRight - 20, kRoomPanelRight + 60, x)) *
               Smoothstep(kRoomPanelTop - 60, kRoomPanelTop - 20, y);
  return 1.f - std::max(narration, room);
}

}  // namespace

Canvas PaintPozadi() {
  Canvas c(kWidth, kHeight);
  c.Paint({0, 0, kWidth, kHeight}, [](float, float) { return 1.f; }, [](float x, float y) {
    float t = (x + y) / 1792.f;
    return Mix(Hex(0x020309), Hex(0x070a1a), t);
  });
  Nebula(c, {560, 0, kWidth, 620}, 11, 170.f, Hex(0x3a2a6e), 0.45f,
         [](float x, float y) { return Busy(x, y) * Smoothstep(560, 820, x) * (1.f - Smoothstep(420, 600, y)) * 0.9f + 0.f; });
  Nebula(c, {0, 0, kWidth, 620}, 23, 260.f, Hex(0x16324a), 0.35f,
         [](float x, float y) { return 0.25f + 0.75f * Busy(x, y); });
  Rng rng(2024);
  Stars(c, rng, 1100, {0, 0, kWidth, 600}, [](float x, float y) { return 0.3f + 0.7f * Busy(x, y); });

  PlanetLook world;
  world.surface = {{0.f, Hex(0x1b3b6f)}, {0.45f, Hex(0x2f5f9a)}, {0.52f, Hex(0x8a7a55)},
                   {0.62f, Hex(0x4f6b3a)}, {0.8f, Hex(0x9c9a8a)}, {1.f, Hex(0xffffff)}};
  world.detail = 2.2f;
  world.seed = 5;
  world.atmosphere = Hex(0x6fa8ff);
  Planet(c, 1010.f, 470.f, 150.f, {-1.f, -0.35f, 0.25f}, world);
  // A small far moon.
  PlanetLook moon;
  moon.surface = {{0.f, Hex(0x5a5550)}, {0.5f, Hex(0x8c8680)}, {1.f, Hex(0xb8b2aa)}};
  moon.detail = 4.f;
  moon.seed = 9;
  moon.atmosphere = Hex(0x000000);
  moon.atmosphere_width = 0.01f;
  Planet(c, 800.f, 392.f, 16.f, {-1.f, -0.35f, 0.25f}, moon);

  CommandHelp(c);
  ControlPanel(c);
  return c;
}

}  // namespace assets
