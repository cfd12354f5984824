// An RGB canvas of floats (0..1) that the pictures are painted on, with
// antialiased filling of shapes given by signed distance functions.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace assets {

struct Rgb {
  float r = 0, g = 0, b = 0;
};
Rgb operator+(Rgb a, Rgb b);
Rgb operator*(Rgb a, float k);
Rgb Mix(Rgb a, Rgb b, float t);
// 0xRRGGBB
Rgb Hex(std::uint32_t rgb);

// Signed distance in pixels: negative inside, positive outside.
using Sdf = std::function<float(float x, float y)>;
using Shader = std::function<Rgb(float x, float y)>;

struct Box {
  int x0, y0, x1, y1;  // x1, y1 exclusive
};

class Canvas {
 public:
  Canvas(int width, int height, Rgb fill = {});

  int width() const { return width_; }
  int height() const { return height_; }
  Rgb& at(int x, int y) { return px_[static_cast<std::size_t>(y) * width_ + x]; }
  const Rgb& at(int x, int y) const { return px_[static_cast<std::size_t>(y) * width_ + x]; }

  void Blend(int x, int y, Rgb c, float alpha);
  // Light added on top (glows, stars, flames).
  void AddLight(int x, int y, Rgb c, float amount);

  // Paints every pixel of box the shape covers, coverage from the distance.
  void Fill(Box box, const Sdf& shape, const Shader& colour, float opacity = 1.f);
  void Fill(Box box, const Sdf& shape, Rgb colour, float opacity = 1.f);
  // Paints every pixel of box with an alpha of its own (soft shapes, glows).
  void Paint(Box box, const std::function<float(float x, float y)>& alpha, const Shader& colour);
  void Glow(float cx, float cy, float radius, Rgb colour, float strength);

  Canvas Crop(int x, int y, int w, int h) const;
  void Draw(const Canvas& other, int x, int y);
  // 8-bit RGB rows, for the JPEG encoder.
  std::vector<std::uint8_t> ToRgb8() const;

 private:
  Box Clip(Box b) const;
  int width_, height_;
  std::vector<Rgb> px_;
};

// --- shapes ---
Sdf Circle(float cx, float cy, float r);
Sdf Ellipse(float cx, float cy, float rx, float ry);
// A thick segment with round ends.
Sdf Capsule(float ax, float ay, float bx, float by, float r);
Sdf RoundRect(float x0, float y0, float x1, float y1, float radius);
struct Point {
  float x, y;
};
Sdf Polygon(std::vector<Point> pts);
Sdf Outline(Sdf shape, float half_width);
Sdf Union(Sdf a, Sdf b);
Sdf Intersect(Sdf a, Sdf b);
Sdf Subtract(Sdf a, Sdf b);
Box Around(float cx, float cy, float rx, float ry);

}  // namespace assets
