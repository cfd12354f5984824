// The suit's oxygen bottle, shown under the oxygen number while the suit is
// worn. It is painted on the very patch of background it covers, so the
// picture sits in the panel without a visible box; its top rows lie under
// the game's meter strip and stay empty.
#include <algorithm>
#include <cmath>

#include "services/screen_layout.h"
#include "pictures.h"
#include "text.h"

namespace assets {

Canvas PaintKyslik(const Canvas& pozadi) {
  using namespace raketa::screen;
  Canvas c = pozadi.Crop(kBottleX, kBottleY, kBottleW, kBottleH);
  const float cx = kBottleW / 2.f, r = 13.f, top = 30.f, bottom = 90.f;
  Box all{0, 0, kBottleW, kBottleH};
  auto round = [](float u) {
    float nz = std::sqrt(std::max(0.f, 1.f - u * u));
    return std::clamp(0.22f + 0.8f * (-0.5f * u + 0.75f * nz) + 0.5f * std::pow(std::max(0.f, 1.f - std::abs(u + 0.45f) * 3.f), 2.f),
                      0.f, 1.3f);
  };
  // A soft shadow on the panel.
  c.Fill(all, RoundRect(cx - r + 3, top + 4, cx + r + 3, bottom + 2, 9.f), Hex(0x000000), 0.35f);
  // Valve: handwheel, stem and outlet.
  c.Fill(all, RoundRect(cx - 4, 14, cx + 4, top + 2, 1.5f), [&](float x, float) {
    return Hex(0xc9a94a) * round((x - cx) / 4.f);
  });
  c.Fill(all, RoundRect(cx + 3, 20, cx + 11, 25, 1.5f), [&](float, float y) {
    return Hex(0xb8c2cc) * (1.1f - (y - 20) / 10.f);
  });
  c.Fill(all, RoundRect(cx - 10, 10, cx + 10, 16, 3.f), [&](float x, float) {
    return Hex(0x2b2b2b) + Hex(0x6a6a6a) * round((x - cx) / 10.f);
  });
  // The bottle: a white shoulder over a blue body.
  Sdf body = Union(RoundRect(cx - r, top + 6, cx + r, bottom, 5.f), Ellipse(cx, top + 9, r, 9.f));
  c.Fill(all, body, [&](float x, float y) {
    float u = (x - cx) / r;
    Rgb paint = y < top + 15 ? Hex(0xf2f4f6) : Hex(0x2f6fc0);
    if (std::abs(y - (top + 15)) < 0.8f) paint = Hex(0x8a95a0);
    return paint * round(u);
  });
  Font f(13, true);
  Mask o2 = f.Render("O2");
  int tx = static_cast<int>(cx) - o2.width / 2, ty = 54;
  DrawMask(c, Blur(o2, 1), tx - 2 + 1, ty - 2 + 1, Hex(0x0a1830), 0.8f);
  DrawMask(c, o2, tx, ty, Hex(0xffffff));
  return c;
}

}  // namespace assets
