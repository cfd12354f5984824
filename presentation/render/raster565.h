// Pixel work on RGB565 rasters: colour conversion, clipped fills and copies,
// and text from cached glyph masks.  Shared by the back surface, the command
// line overlay and the live backend's dialogs.
#pragma once

#include <cstdint>
#include <string_view>

#include "presentation/render/font_set.h"

namespace raketa {

// The game's colours are 0x00BBGGRR.
constexpr std::uint16_t ToRgb565(std::uint32_t bgr) {
  const std::uint32_t r = bgr & 0xFF, g = (bgr >> 8) & 0xFF, b = (bgr >> 16) & 0xFF;
  return static_cast<std::uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

// 0x00RRGGBB with the low bits filled so that white stays white.
constexpr std::uint32_t Rgb565ToXrgb(std::uint16_t c) {
  const std::uint32_t r = (c >> 11) & 0x1F, g = (c >> 5) & 0x3F, b = c & 0x1F;
  return (((r << 3) | (r >> 2)) << 16) | (((g << 2) | (g >> 4)) << 8) | ((b << 3) | (b >> 2));
}

// Rows of a picture, half-open [first, last); empty when last <= first.
struct RowRange {
  int first = 0;
  int last = 0;
  bool Empty() const { return last <= first; }
  void Add(RowRange other) {
    if (other.Empty()) return;
    if (Empty()) {
      *this = other;
      return;
    }
    if (other.first < first) first = other.first;
    if (other.last > last) last = other.last;
  }
  bool operator==(const RowRange&) const = default;
};

// Half-open rectangle; right and bottom exclusive.
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool Empty() const { return right <= left || bottom <= top; }
  Rect Intersect(const Rect& o) const;
};

// A view on RGB565 pixels with a clip rectangle that every operation keeps to.
class Raster565 {
 public:
  Raster565(std::uint16_t* pixels, int width, int height)
      : pixels_(pixels), width_(width), height_(height), clip_{0, 0, width, height} {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  std::uint16_t* Row(int y) { return pixels_ + static_cast<std::ptrdiff_t>(y) * width_; }
  const Rect& Clip() const { return clip_; }
  // Narrowed to the raster itself.
  void SetClip(const Rect& clip);

  // Each returns the rows it may have changed.
  RowRange Fill(Rect r, std::uint16_t colour);
  RowRange Frame(Rect r, std::uint16_t colour);  // one-pixel outline
  RowRange Invert(Rect r);
  RowRange Copy(const std::uint16_t* src, int srcWidth, int srcHeight, int x, int y);
  // Blends the glyph's coverage over the pixels, pen at x, line top at y.
  void BlendGlyph(const Glyph& g, int x, int y, std::uint16_t colour);
  // Code page 1250 text with its top-left at (x, y); returns the advance.
  int Text(FontFace& face, int x, int y, std::string_view cp1250, std::uint16_t colour);

 private:
  std::uint16_t* pixels_;
  int width_;
  int height_;
  Rect clip_;
};

}  // namespace raketa
