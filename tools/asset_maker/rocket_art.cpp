#include "rocket_art.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "noise.h"

namespace assets {

namespace {

// The hull in its own frame: nose up at y = -170, nozzle exit at y = 150.
constexpr float kNoseTip = -170.f, kShoulder = -80.f, kTail = 105.f, kHullR = 34.f;

float HullHalfWidth(float y) {
  if (y < kNoseTip || y > kTail + 15.f) return 0.f;
  if (y < kShoulder) {
    float s = (kShoulder - y) / (kShoulder - kNoseTip);
    return kHullR * std::pow(1.f - s * s, 0.55f);
  }
  if (y <= kTail) return kHullR;
  return kHullR - (y - kTail) * 0.6f;  // boat tail
}

struct Frame {
  RocketPose pose;
  float cs, sn;
  // Screen to hull coordinates.
  Point Local(float x, float y) const {
    float dx = (x - pose.x) / pose.scale, dy = (y - pose.y) / pose.scale;
    return {dx * cs + dy * sn, -dx * sn + dy * cs};
  }
  Point World(float lx, float ly) const {
    return {pose.x + (lx * cs - ly * sn) * pose.scale, pose.y + (lx * sn + ly * cs) * pose.scale};
  }
  Sdf ToWorld(Sdf local) const {
    return [=, *this](float x, float y) {
      Point p = Local(x, y);
      return local(p.x, p.y) * pose.scale;
    };
  }
  Box Bounds() const {
    float r = 260.f * pose.scale * (1.f + pose.flame * 1.2f);
    return Around(pose.x, pose.y, r, r);
  }
};

Sdf HullShape() {
  std::vector<Point> pts;
  for (int i = 0; i <= 40; ++i) {
    float y = kNoseTip + (kTail + 15.f - kNoseTip) * i / 40.f;
    if (i < 20) y = kNoseTip + (kShoulder - kNoseTip) * std::pow(i / 20.f, 1.6f);
    pts.push_back({HullHalfWidth(y), y});
  }
  for (int i = static_cast<int>(pts.size()) - 1; i >= 0; --i) pts.push_back({-pts[i].x, pts[i].y});
  return Polygon(pts);
}

// Light on a cylinder around the hull's axis; lx, ly in the hull's frame.
float CylinderLight(float across, float ny, Light l) {
  float nx = std::clamp(across, -1.f, 1.f);
  float nz = std::sqrt(std::max(0.f, 1.f - nx * nx - ny * ny));
  float n = std::sqrt(nx * nx + ny * ny + nz * nz);
  float diffuse = std::max(0.f, (nx * l.x + ny * l.y + nz * l.z) / n);
  // Highlight: the half vector between the light and the viewer.
  float hx = l.x, hy = l.y, hz = l.z + 1.f;
  float hn = std::sqrt(hx * hx + hy * hy + hz * hz);
  float shine = std::pow(std::max(0.f, (nx * hx + ny * hy + nz * hz) / (n * hn)), 40.f);
  return 0.12f + 0.85f * diffuse + 0.6f * shine;
}

}  // namespace

void Rocket(Canvas& c, const RocketPose& pose) {
  Frame f{pose, std::cos(pose.angle), std::sin(pose.angle)};
  // The light as the hull sees it.
  float ln = std::sqrt(pose.light.x * pose.light.x + pose.light.y * pose.light.y + pose.light.z * pose.light.z);
  Light wl{pose.light.x / ln, pose.light.y / ln, pose.light.z / ln};
  Light l{wl.x * f.cs + wl.y * f.sn, -wl.x * f.sn + wl.y * f.cs, wl.z};
  Box box = f.Bounds();

  const Rgb white{0.9f, 0.91f, 0.93f}, red{0.78f, 0.1f, 0.08f}, steel{0.45f, 0.47f, 0.52f};

  // Flame behind everything, added as light.
  if (pose.flame > 0.f) {
    float len = 320.f * pose.flame;
    c.Paint(
        box,
        [=](float x, float y) {
          Point p = f.Local(x, y);
          float t = (p.y - 148.f) / len;
          if (t < -0.05f || t > 1.f) return 0.f;
          float width = 30.f * (1.f + 0.8f * std::sin(std::min(t, 0.6f) * 2.6f)) * std::pow(1.f - t, 0.6f);
          float flicker = 0.8f + 0.4f * Fractal(p.x * 0.05f, p.y * 0.03f, 77, 3);
          float across = std::abs(p.x) / std::max(width * flicker, 1.f);
          if (across >= 1.f) return 0.f;
          float a = (1.f - across * across) * std::clamp(1.f - t, 0.f, 1.f) * std::clamp((t + 0.05f) * 12.f, 0.f, 1.f);
          return std::clamp(a * 1.6f, 0.f, 1.f);
        },
        [=](float x, float y) {
          Point p = f.Local(x, y);
          float t = std::clamp((p.y - 148.f) / len, 0.f, 1.f);
          float core = std::clamp(1.f - std::abs(p.x) / (10.f * (1.f - t) + 1.f), 0.f, 1.f) * (1.f - t);
          Rgb hot = Gradient({{0.f, {1.f, 0.97f, 0.8f}}, {0.25f, {1.f, 0.8f, 0.3f}}, {0.6f, {1.f, 0.45f, 0.1f}},
                              {1.f, {0.7f, 0.15f, 0.05f}}},
                             t);
          return Mix(hot, Rgb{1.f, 1.f, 0.95f}, core);
        });
    Point glow = f.World(0.f, 160.f);
    c.Glow(glow.x, glow.y, 150.f * pose.scale, {1.f, 0.7f, 0.3f}, 0.8f);
  }

  // Engine bell.
  Sdf bell = f.ToWorld(Polygon({{-15.f, 112.f}, {15.f, 112.f}, {25.f, 150.f}, {-25.f, 150.f}}));
  c.Fill(box, bell, [=](float x, float y) {
    Point p = f.Local(x, y);
    float w = 15.f + (p.y - 112.f) / 38.f * 10.f;
    return steel * CylinderLight(p.x / w, 0.f, l) * 0.8f;
  });
  Sdf rim = f.ToWorld(Capsule(-25.f, 150.f, 25.f, 150.f, 2.f));
  c.Fill(box, rim, steel * 0.6f);

  // Side fins, the far fin seen edge-on, then the hull over them.
  auto fin_colour = [=](float side) {
    return [=](float x, float y) {
      Point p = f.Local(x, y);
      float shade = 0.35f + 0.5f * std::max(0.f, side * l.x + 0.6f * l.z) + 0.1f * (120.f - p.y) / 80.f;
      return red * shade;
    };
  };
  for (float side : {-1.f, 1.f}) {
    Sdf fin = f.ToWorld(Polygon({{side * 30.f, 30.f}, {side * 58.f, 75.f}, {side * 74.f, 128.f},
                                 {side * 72.f, 142.f}, {side * 30.f, 112.f}}));
    c.Fill(box, fin, fin_colour(side));
  }
  Sdf hull = f.ToWorld(HullShape());
  c.Fill(box, hull, [=](float x, float y) {
    Point p = f.Local(x, y);
    float w = std::max(HullHalfWidth(p.y), 1.f);
    float across = p.x / w;
    // The nose leans its normal forward.
    float ny = p.y < kShoulder ? -0.55f * (kShoulder - p.y) / (kShoulder - kNoseTip) : 0.f;
    Rgb paint = white;
    if (p.y < -95.f) paint = red;                              // nose cone
    if (p.y > -18.f && p.y < -6.f) paint = red;                // belly band
    if (p.y > 70.f && p.y < 78.f) paint = red * 0.9f;          // tail band
    if (std::abs(p.y + 88.f) < 1.2f || std::abs(p.y - 40.f) < 0.8f) paint = paint * 0.6f;  // seams
    // Panel lines and a little grime.
    float grime = Fractal(p.x * 0.08f, p.y * 0.04f, 31, 4);
    paint = paint * (0.88f + 0.2f * grime);
    return paint * CylinderLight(across, ny, l);
  });
  // Far fin, edge-on, in front of the hull's lower part.
  Sdf middle_fin = f.ToWorld(Polygon({{-4.f, 78.f}, {4.f, 78.f}, {5.f, 146.f}, {-5.f, 146.f}}));
  c.Fill(box, middle_fin, [=](float x, float y) {
    Point p = f.Local(x, y);
    return red * (0.55f + 0.35f * CylinderLight(p.x / 5.f, 0.f, l));
  });

  // Portholes: a bright rim, dark glass with a warm light inside.
  for (float py : {-58.f, -34.f}) {
    Sdf ring = f.ToWorld(Circle(0.f, py, 9.5f));
    c.Fill(box, ring, [=](float, float) { return steel * (0.8f + 0.5f * std::max(0.f, -l.y)); });
    Sdf glass = f.ToWorld(Circle(0.f, py, 7.f));
    c.Fill(box, glass, [=](float x, float y) {
      Point p = f.Local(x, y);
      float d = std::hypot(p.x, p.y - py) / 7.f;
      Rgb inside = Mix(Rgb{1.f, 0.85f, 0.45f}, Rgb{0.15f, 0.25f, 0.4f}, std::clamp(d * 1.1f, 0.f, 1.f));
      // A glint from the sun side.
      float glint = std::clamp(1.f - std::hypot(p.x - 3.f * l.x, p.y - py - 3.f * l.y) / 2.5f, 0.f, 1.f);
      return Mix(inside, Rgb{1.f, 1.f, 1.f}, glint);
    });
  }
}

}  // namespace assets
