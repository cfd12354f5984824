// The title picture: the rocket threading a field of asteroids in front of
// a ringless blue-green world, the sun just above the frame. The game
// writes "Prosím čekej....." near the top middle in black and red, so the
// sun's glare keeps that patch light and even.
#include <cmath>

#include "pictures.h"
#include "services/screen_layout.h"
#include "rocket_art.h"
#include "space_art.h"
#include "text.h"
#include "title_text.h"

namespace assets {

using raketa::screen::kHeight;
using raketa::screen::kWidth;

namespace {

// The sun sits above the top edge, a little right of the middle.
constexpr float kSunX = 505.f, kSunY = -38.f;

Light SunFrom(float x, float y) {
  return {kSunX - x, kSunY - y, 260.f};
}

}  // namespace

Canvas PaintDosedka() {
  Canvas c(kWidth, kHeight);
  c.Paint({0, 0, kWidth, kHeight}, [](float, float) { return 1.f; }, [](float x, float y) {
    return Mix(Hex(0x0a0f24), Hex(0x03040b), std::min(1.f, (y + 0.3f * x) / 900.f));
  });
  Nebula(c, {0, 0, kWidth, kHeight}, 31, 220.f, Hex(0x5b2c7a), 0.55f, [](float, float) { return 1.f; });
  Nebula(c, {0, 0, kWidth, kHeight}, 37, 150.f, Hex(0x1f6a7a), 0.4f, [](float x, float) { return x / kWidth; });
  Rng rng(77);
  Stars(c, rng, 1400, {0, 0, kWidth, kHeight}, [](float, float) { return 1.f; });

  // The world behind, lit from the sun above.
  PlanetLook world;
  world.surface = {{0.f, Hex(0x123a66)}, {0.48f, Hex(0x1f5d8c)}, {0.53f, Hex(0xb59b6a)},
                   {0.6f, Hex(0x3f7a3a)}, {0.75f, Hex(0x2f5a2a)}, {0.85f, Hex(0xa8a49a)}, {1.f, Hex(0xffffff)}};
  world.detail = 2.6f;
  world.seed = 12;
  world.tilt = -0.4f;
  world.atmosphere = Hex(0x7fb8ff);
  world.atmosphere_width = 0.05f;
  Planet(c, 770.f, 640.f, 330.f, {-0.2f, -1.f, 0.45f}, world);

  // Far asteroids first, then the rocket, then the big ones in front.
  struct Rock {
    float x, y, r, spin;
    std::uint32_t seed;
  };
  const Rock far[] = {{640, 170, 14, 0.3f, 3},  {720, 300, 9, 1.2f, 4},   {280, 140, 11, 2.0f, 5},
                      {860, 260, 18, 0.7f, 6},  {120, 330, 16, 2.5f, 7},  {560, 380, 8, 1.9f, 8},
                      {950, 420, 12, 0.1f, 9},  {200, 520, 10, 1.4f, 10}, {420, 600, 7, 2.2f, 11}};
  for (const Rock& r : far) Asteroid(c, r.x, r.y, r.r, r.spin, SunFrom(r.x, r.y), r.seed, Hex(0x6a625a));
  RocketPose pose;
  pose.x = 420.f;
  pose.y = 330.f;
  pose.scale = 0.9f;
  pose.angle = 0.42f;
  pose.flame = 0.28f;
  pose.light = {0.25f, -1.f, 0.7f};
  Rocket(c, pose);
  const Rock near[] = {{110, 140, 62, 0.4f, 21}, {930, 110, 48, 1.3f, 22}, {640, 450, 34, 2.2f, 23},
                       {60, 690, 120, 0.9f, 24}, {980, 640, 40, 0.2f, 25}};
  for (const Rock& r : near) Asteroid(c, r.x, r.y, r.r, r.spin, SunFrom(r.x, r.y), r.seed);

  // The sun peeping over the top edge, its glare washing the sky below.
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      float d = std::hypot(x + 0.5f - kSunX, (y + 0.5f - kSunY) * 1.15f);
      float glare = 1.5f * std::exp(-d / 170.f) + 0.22f * std::exp(-d / 400.f);
      c.AddLight(x, y, {1.f, 0.93f, 0.78f}, glare);
    }
  c.Fill(Around(kSunX, kSunY, 48, 48), Circle(kSunX, kSunY, 46.f), Rgb{1.f, 1.f, 0.97f});

  Font title(86, true), caption(28, false, true);
  TitleStyle gold{Hex(0xffe27a), Hex(0xff8a1e), Hex(0x2a0d00), 4, Hex(0x000000), 12, 0.85f};
  TitleText(c, title, "Na hraně srázu", 470, 575, gold);
  TitleStyle pale{Hex(0xe8f4ff), Hex(0xa8d0ff), Hex(0x06101e), 2, Hex(0x000000), 6, 0.7f};
  TitleText(c, caption, "textová hra o záchraně rakety", 470, 682, pale);
  return c;
}

}  // namespace assets
