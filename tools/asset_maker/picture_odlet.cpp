// The departure picture: the rocket climbs off the green cratered plain on
// its flame, home shining in the sky, under the red congratulation.
#include <cmath>

#include "pictures.h"
#include "services/screen_layout.h"
#include "plain_art.h"
#include "rocket_art.h"
#include "space_art.h"
#include "text.h"
#include "title_text.h"

namespace assets {

using raketa::screen::kHeight;
using raketa::screen::kWidth;

Canvas PaintOdlet() {
  Canvas c(kWidth, kHeight);
  PlainView view;
  c.Paint({0, 0, kWidth, kHeight}, [](float, float) { return 1.f; }, [&](float, float y) {
    float t = std::clamp(y / view.horizon, 0.f, 1.f);
    return Gradient({{0.f, Hex(0x03050f)}, {0.55f, Hex(0x0b1a33)}, {0.85f, Hex(0x2a5a66)}, {1.f, Hex(0x8fb9a6)}},
                    t * t);
  });
  Rng rng(88);
  Stars(c, rng, 900, {0, 0, kWidth, static_cast<int>(view.horizon)},
        [&](float, float y) { return std::clamp(1.f - y / view.horizon * 1.3f, 0.f, 1.f); });
  // Home, a blue world high in the sky.
  PlanetLook home;
  home.surface = {{0.f, Hex(0x174a8a)}, {0.5f, Hex(0x2a6fb0)}, {0.55f, Hex(0x5a8a3a)}, {0.75f, Hex(0x7a9a5a)},
                  {0.85f, Hex(0xf0f0f0)}, {1.f, Hex(0xffffff)}};
  home.seed = 44;
  home.detail = 2.f;
  Planet(c, 860.f, 285.f, 52.f, {-0.7f, -0.3f, 0.5f}, home);

  CrateredPlain(c, view, 61);
  const float pad_y = 575.f;
  c.Glow(512.f, pad_y, 260.f, {1.f, 0.6f, 0.25f}, 0.9f);

  RocketPose pose;
  pose.x = 512.f;
  pose.scale = 0.78f;
  pose.y = 425.f - 150.f * pose.scale;
  pose.flame = 0.55f;
  pose.light = {-0.5f, 0.4f, 0.8f};
  Rng dust(12);
  DustCloud(c, 512.f, pad_y, 330.f, 36, dust, 0.9f);
  Rocket(c, pose);
  DustCloud(c, 512.f, pad_y + 25.f, 260.f, 22, dust, 1.f);

  Font big(66, true), second(50, true);
  TitleStyle red{Hex(0xff5030), Hex(0xd00808), Hex(0x2a0000), 3, Hex(0xff9a40), 10, 0.35f};
  TitleText(c, big, "DOKÁZAL JSI TO!", 512, 22, red);
  TitleText(c, second, "VEGA LETÍ DOMŮ.", 512, 102, red);
  return c;
}

}  // namespace assets
