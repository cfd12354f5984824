// Clipped RGB565 pixel operations and the glyph blend.
#include "presentation/render/raster565.h"

#include <algorithm>
#include <cstring>

namespace raketa {

namespace {

// The three channels of an RGB565 pixel spread apart so one multiplication
// weighs them all: green in the high half, red and blue in the low one.
inline std::uint32_t Spread(std::uint16_t c) { return (c | (static_cast<std::uint32_t>(c) << 16)) & 0x07E0F81Fu; }
inline std::uint16_t Pack(std::uint32_t s) { return static_cast<std::uint16_t>((s >> 16) | s); }

}  // namespace

Rect Rect::Intersect(const Rect& o) const {
  return Rect{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
}

void Raster565::SetClip(const Rect& clip) { clip_ = clip.Intersect(Rect{0, 0, width_, height_}); }

RowRange Raster565::Fill(Rect r, std::uint16_t colour) {
  r = r.Intersect(clip_);
  if (r.Empty()) return {};
  for (int y = r.top; y < r.bottom; ++y) std::fill(Row(y) + r.left, Row(y) + r.right, colour);
  return {r.top, r.bottom};
}

RowRange Raster565::Frame(Rect r, std::uint16_t colour) {
  if (r.Empty()) return {};
  RowRange rows;
  rows.Add(Fill({r.left, r.top, r.right, r.top + 1}, colour));
  rows.Add(Fill({r.left, r.bottom - 1, r.right, r.bottom}, colour));
  rows.Add(Fill({r.left, r.top, r.left + 1, r.bottom}, colour));
  rows.Add(Fill({r.right - 1, r.top, r.right, r.bottom}, colour));
  return rows;
}

RowRange Raster565::Invert(Rect r) {
  r = r.Intersect(clip_);
  if (r.Empty()) return {};
  for (int y = r.top; y < r.bottom; ++y) {
    for (std::uint16_t* p = Row(y) + r.left; p != Row(y) + r.right; ++p) *p = static_cast<std::uint16_t>(~*p);
  }
  return {r.top, r.bottom};
}

RowRange Raster565::Copy(const std::uint16_t* src, int srcWidth, int srcHeight, int x, int y) {
  Rect r = Rect{x, y, x + srcWidth, y + srcHeight}.Intersect(clip_);
  if (r.Empty() || !src) return {};
  const std::size_t bytes = static_cast<std::size_t>(r.right - r.left) * sizeof(std::uint16_t);
  for (int row = r.top; row < r.bottom; ++row) {
    const std::uint16_t* from = src + static_cast<std::ptrdiff_t>(row - y) * srcWidth + (r.left - x);
    std::memcpy(Row(row) + r.left, from, bytes);
  }
  return {r.top, r.bottom};
}

void Raster565::BlendGlyph(const Glyph& g, int x, int y, std::uint16_t colour) {
  const int gx = x + g.left, gy = y + g.top;
  const Rect r = Rect{gx, gy, gx + g.width, gy + g.height}.Intersect(clip_);
  if (r.Empty()) return;
  const std::uint32_t fg = Spread(colour);
  for (int row = r.top; row < r.bottom; ++row) {
    const std::uint8_t* cover = g.coverage.data() + static_cast<std::ptrdiff_t>(row - gy) * g.width + (r.left - gx);
    std::uint16_t* p = Row(row) + r.left;
    for (int n = r.right - r.left; n > 0; --n, ++p, ++cover) {
      const std::uint32_t a = *cover;
      if (a == 0) continue;
      if (a == 32) {
        *p = colour;
        continue;
      }
      const std::uint32_t bg = Spread(*p);
      *p = Pack(((((fg - bg) * a) >> 5) + bg) & 0x07E0F81Fu);
    }
  }
}

int Raster565::Text(FontFace& face, int x, int y, std::string_view cp1250, std::uint16_t colour) {
  int pen = x;
  for (char c : cp1250) {
    const Glyph& g = face.Cp1250(static_cast<unsigned char>(c));
    if (!g.coverage.empty()) BlendGlyph(g, pen, y, colour);
    pen += g.advance;
  }
  return pen - x;
}

}  // namespace raketa
