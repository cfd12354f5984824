#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace assets {

Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
Rgb operator*(Rgb a, float k) { return {a.r * k, a.g * k, a.b * k}; }
Rgb Mix(Rgb a, Rgb b, float t) { return a * (1.f - t) + b * t; }
Rgb Hex(std::uint32_t rgb) {
  return {((rgb >> 16) & 255) / 255.f, ((rgb >> 8) & 255) / 255.f, (rgb & 255) / 255.f};
}

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(width), height_(height), px_(static_cast<std::size_t>(width) * height, fill) {}

void Canvas::Blend(int x, int y, Rgb c, float alpha) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0.f) return;
  alpha = std::min(alpha, 1.f);
  Rgb& p = at(x, y);
  p = Mix(p, c, alpha);
}

void Canvas::AddLight(int x, int y, Rgb c, float amount) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || amount <= 0.f) return;
  Rgb& p = at(x, y);
  // Screen blend: light never overshoots white.
  p.r = 1.f - (1.f - p.r) * (1.f - std::min(1.f, c.r * amount));
  p.g = 1.f - (1.f - p.g) * (1.f - std::min(1.f, c.g * amount));
  p.b = 1.f - (1.f - p.b) * (1.f - std::min(1.f, c.b * amount));
}

Box Canvas::Clip(Box b) const {
  return {std::max(b.x0, 0), std::max(b.y0, 0), std::min(b.x1, width_), std::min(b.y1, height_)};
}

void Canvas::Fill(Box box, const Sdf& shape, const Shader& colour, float opacity) {
  box = Clip(box);
  for (int y = box.y0; y < box.y1; ++y) {
    for (int x = box.x0; x < box.x1; ++x) {
      float fx = x + 0.5f, fy = y + 0.5f;
      float cover = std::clamp(0.5f - shape(fx, fy), 0.f, 1.f);
      if (cover > 0.f) Blend(x, y, colour(fx, fy), cover * opacity);
    }
  }
}

void Canvas::Fill(Box box, const Sdf& shape, Rgb colour, float opacity) {
  Fill(box, shape, [colour](float, float) { return colour; }, opacity);
}

void Canvas::Paint(Box box, const std::function<float(float, float)>& alpha, const Shader& colour) {
  box = Clip(box);
  for (int y = box.y0; y < box.y1; ++y) {
    for (int x = box.x0; x < box.x1; ++x) {
      float fx = x + 0.5f, fy = y + 0.5f;
      float a = alpha(fx, fy);
      if (a > 0.f) Blend(x, y, colour(fx, fy), a);
    }
  }
}

void Canvas::Glow(float cx, float cy, float radius, Rgb colour, float strength) {
  Box box = Clip(Around(cx, cy, radius, radius));
  for (int y = box.y0; y < box.y1; ++y) {
    for (int x = box.x0; x < box.x1; ++x) {
      float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy) / radius;
      if (d >= 1.f) continue;
      float k = (1.f - d) * (1.f - d);
      AddLight(x, y, colour, strength * k * k);
    }
  }
}

Canvas Canvas::Crop(int x, int y, int w, int h) const {
  Canvas out(w, h);
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) out.at(i, j) = at(x + i, y + j);
  return out;
}

void Canvas::Draw(const Canvas& other, int x, int y) {
  for (int j = 0; j < other.height(); ++j)
    for (int i = 0; i < other.width(); ++i) Blend(x + i, y + j, other.at(i, j), 1.f);
}

std::vector<std::uint8_t> Canvas::ToRgb8() const {
  std::vector<std::uint8_t> out;
  out.reserve(px_.size() * 3);
  auto byte = [](float v) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.f, 1.f) * 255.f));
  };
  for (const Rgb& p : px_) {
    out.push_back(byte(p.r));
    out.push_back(byte(p.g));
    out.push_back(byte(p.b));
  }
  return out;
}

Sdf Circle(float cx, float cy, float r) {
  return [=](float x, float y) { return std::hypot(x - cx, y - cy) - r; };
}

Sdf Ellipse(float cx, float cy, float rx, float ry) {
  // Distance scaled by the gradient: close enough for antialiasing.
  return [=](float x, float y) {
    float u = (x - cx) / rx, v = (y - cy) / ry;
    float k = std::hypot(u, v);
    float grad = std::hypot(u / rx, v / ry);
    if (grad < 1e-6f) return -std::min(rx, ry);
    return (k - 1.f) * k / grad;
  };
}

Sdf Capsule(float ax, float ay, float bx, float by, float r) {
  return [=](float x, float y) {
    float dx = bx - ax, dy = by - ay;
    float len2 = dx * dx + dy * dy;
    float t = len2 > 0 ? std::clamp(((x - ax) * dx + (y - ay) * dy) / len2, 0.f, 1.f) : 0.f;
    return std::hypot(x - (ax + t * dx), y - (ay + t * dy)) - r;
  };
}

Sdf RoundRect(float x0, float y0, float x1, float y1, float radius) {
  float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  float hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
  return [=](float x, float y) {
    float qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
    float out = std::hypot(std::max(qx, 0.f), std::max(qy, 0.f));
    return out + std::min(std::max(qx, qy), 0.f) - radius;
  };
}

Sdf Polygon(std::vector<Point> pts) {
  return [pts = std::move(pts)](float x, float y) {
    float best = 1e30f;
    bool inside = false;
    std::size_t n = pts.size();
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
      Point a = pts[j], b = pts[i];
      float ex = b.x - a.x, ey = b.y - a.y;
      float wx = x - a.x, wy = y - a.y;
      float len2 = ex * ex + ey * ey;
      float t = len2 > 0 ? std::clamp((wx * ex + wy * ey) / len2, 0.f, 1.f) : 0.f;
      best = std::min(best, std::hypot(wx - ex * t, wy - ey * t));
      if ((a.y > y) != (b.y > y) && x < a.x + (y - a.y) * ex / ey) inside = !inside;
    }
    return inside ? -best : best;
  };
}

Sdf Outline(Sdf shape, float half_width) {
  return [=](float x, float y) { return std::abs(shape(x, y)) - half_width; };
}
Sdf Union(Sdf a, Sdf b) {
  return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}
Sdf Intersect(Sdf a, Sdf b) {
  return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}
Sdf Subtract(Sdf a, Sdf b) {
  return [=](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}

Box Around(float cx, float cy, float rx, float ry) {
  return {static_cast<int>(std::floor(cx - rx - 2)), static_cast<int>(std::floor(cy - ry - 2)),
          static_cast<int>(std::ceil(cx + rx + 2)), static_cast<int>(std::ceil(cy + ry + 2))};
}

}  // namespace assets
