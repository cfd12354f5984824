// The little pictures under the meter numbers: the ship's battery and fuel
// tank, the player's heart and the green ball of nourishment.
#include <algorithm>
#include <cmath>

#include "pozadi_parts.h"

namespace assets {

namespace {
Box BoxOf(float x, float y, float w, float h) {
  return {static_cast<int>(x) - 3, static_cast<int>(y) - 3, static_cast<int>(x + w) + 4, static_cast<int>(y + h) + 4};
}
// A soft lit-from-above-left shade for round things.
float Dome(float u, float v) {
  float nz = std::sqrt(std::max(0.f, 1.f - u * u - v * v));
  return std::clamp(0.25f + 0.75f * (-0.45f * u - 0.55f * v + 0.7f * nz), 0.f, 1.2f);
}
}  // namespace

void BatteryIcon(Canvas& c, float x, float y, float w, float h) {
  const float body = w - 5;
  Box box = BoxOf(x, y, w, h);
  // Terminal cap.
  c.Fill(box, RoundRect(x + body - 1, y + h * 0.3f, x + w, y + h * 0.7f, 1.5f), Hex(0xb9c2cc));
  // Casing with a charge level inside: mostly green.
  c.Fill(box, RoundRect(x, y, x + body, y + h, 3.f), [=](float, float yy) {
    float v = (yy - y) / h * 2.f - 1.f;
    return Hex(0xc7d0da) * (1.05f - 0.35f * v);
  });
  c.Fill(box, RoundRect(x + 2.5f, y + 2.5f, x + body - 2.5f, y + h - 2.5f, 1.5f), Hex(0x0b1016));
  const int cells = 4;
  float cw = (body - 7.f) / cells;
  for (int i = 0; i < cells - 1; ++i) {
    float cx = x + 4.f + i * cw;
    c.Fill(box, RoundRect(cx, y + 4.5f, cx + cw - 1.5f, y + h - 4.5f, 1.f), [=](float, float yy) {
      float v = (yy - y) / h;
      return Mix(Hex(0x8ef27a), Hex(0x2e9e2a), v);
    });
  }
  // A small lightning bolt on the last, empty cell.
  float bx = x + 4.f + (cells - 1) * cw + cw / 2 - 1, by = y + h / 2;
  c.Fill(box, Polygon({{bx + 1.5f, by - 7}, {bx - 3, by + 1}, {bx, by + 1}, {bx - 1.5f, by + 7}, {bx + 3.5f, by - 1},
                       {bx + 0.5f, by - 1}}),
         Hex(0xffd84a));
}

void FuelTankIcon(Canvas& c, float x, float y, float w, float h) {
  Box box = BoxOf(x, y, w, h);
  const float tx0 = x + 2, tx1 = x + w - 10, ty0 = y + 4, ty1 = y + h;
  // Filler pipe and cap.
  c.Fill(box, Capsule(tx1 - 4, ty0 + 6, x + w - 3, y + 3, 2.2f), Hex(0x8a96a2));
  c.Fill(box, RoundRect(x + w - 7, y - 1, x + w + 1, y + 5, 1.5f), Hex(0xd04a2a));
  // An upright cylinder tank, shaded round.
  c.Fill(box, RoundRect(tx0, ty0, tx1, ty1, 7.f), [=](float xx, float) {
    float u = ((xx - tx0) / (tx1 - tx0)) * 2.f - 1.f;
    return Hex(0xd8652e) * Dome(u * 0.95f, -0.1f);
  });
  // Bands and a sight glass showing the fuel level.
  for (float by : {ty0 + 6.f, ty1 - 6.f})
    c.Fill(box, Capsule(tx0 + 1, by, tx1 - 1, by, 1.f), Hex(0x7a2e12));
  float gx = (tx0 + tx1) / 2;
  c.Fill(box, RoundRect(gx - 3.5f, ty0 + 9, gx + 3.5f, ty1 - 9, 2.f), Hex(0x1a1208));
  c.Fill(box, RoundRect(gx - 2, ty0 + 16, gx + 2, ty1 - 10.5f, 1.f), Hex(0xffc43a));
}

void HeartIcon(Canvas& c, float x, float y, float w, float h) {
  Box box = BoxOf(x, y, w, h);
  // The classic heart curve (x^2 + y^2 - 1)^3 = x^2 y^3, y up, spanning
  // x -1.14..1.14 and y -1..1.25, scaled to the box.
  const float k = std::min(w / 2.3f, h / 2.25f);
  const float cx = x + w / 2, top = y;
  auto unit = [=](float px, float py) { return Point{(px - cx) / k, 1.25f - (py - top) / k}; };
  Sdf heart = [=](float px, float py) {
    Point p = unit(px, py);
    float a = p.x * p.x + p.y * p.y - 1.f;
    float f = a * a * a - p.x * p.x * p.y * p.y * p.y;
    float gx = 6.f * p.x * a * a - 2.f * p.x * p.y * p.y * p.y;
    float gy = 6.f * p.y * a * a - 3.f * p.x * p.x * p.y * p.y;
    return f / std::max(std::hypot(gx, gy), 0.3f) * k;
  };
  c.Fill(box, heart, [=](float px, float py) {
    Point p = unit(px, py);
    float shade = Dome(p.x * 0.75f, -(p.y - 0.2f) * 0.75f);
    return Mix(Hex(0x8a0c14), Hex(0xff4a4a), std::clamp(shade, 0.f, 1.f));
  });
  c.Glow(cx - 0.5f * k, top + 0.55f * k, 0.35f * k, {1.f, 0.9f, 0.9f}, 0.8f);
}

void EnergyBallIcon(Canvas& c, float x, float y, float d) {
  float r = d / 2, cx = x + r, cy = y + r;
  c.Fill(BoxOf(x, y, d, d), Circle(cx, cy, r), [=](float px, float py) {
    float u = (px - cx) / r, v = (py - cy) / r;
    float shade = Dome(u, v);
    return Mix(Hex(0x0c3d10), Hex(0x6dff5a), std::clamp(shade, 0.f, 1.f));
  });
  c.Glow(cx - r * 0.35f, cy - r * 0.4f, r * 0.45f, {1.f, 1.f, 1.f}, 0.9f);
}

}  // namespace assets
