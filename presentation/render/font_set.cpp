// The glyph cache over stb_truetype, reading the two Comic Neue faces that
// the build embeds (cmake/fonts.cmake).  The same rasteriser in every build
// means the same pixels on every platform, and no font on the player's
// machine can change how the screens look.
#include "presentation/render/font_set.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#define STBTT_STATIC
#define STB_TRUETYPE_IMPLEMENTATION
#include <stb/stb_truetype.h>

#include "services/cp1250.h"

namespace raketa::embedded {
extern const unsigned char font_regular[];
extern const std::size_t font_regular_size;
extern const unsigned char font_bold[];
extern const std::size_t font_bold_size;
}  // namespace raketa::embedded

namespace raketa {

namespace {

constexpr int kDpi = 96;

// The screens were laid out with FreeType's metrics, which scale font units
// in fixed point: the size in 1/64 pixel, a 16.16 scale, distances in 1/64
// pixel.  The same integer steps here give the same line heights, baselines
// and advances (and the same on every platform).
std::int64_t FixedScale(const stbtt_fontinfo& font, int points) {
  const unsigned char* head = font.data + font.head;
  const std::int64_t unitsPerEm = std::max((head[18] << 8) | head[19], 16);
  const std::int64_t ppem = (static_cast<std::int64_t>(points) * 64 * kDpi + 36) / 72;  // in 1/64 pixel
  return (ppem * 65536 + unitsPerEm / 2) / unitsPerEm;
}

// Font units (not negative) to 1/64 pixel, rounded.
std::int64_t To26Dot6(std::int64_t scale, int units) { return (std::max(units, 0) * scale + 0x8000) >> 16; }
int CeilPixels(std::int64_t scale, int units) { return static_cast<int>((To26Dot6(scale, units) + 63) >> 6); }
int RoundPixels(std::int64_t scale, int units) { return static_cast<int>((To26Dot6(scale, units) + 32) >> 6); }

std::unique_ptr<stbtt_fontinfo> OpenEmbedded(const unsigned char* data, std::size_t size, const char* name) {
  auto info = std::make_unique<stbtt_fontinfo>();
  const int offset = size > 12 ? stbtt_GetFontOffsetForIndex(data, 0) : -1;
  if (offset < 0 || !stbtt_InitFont(info.get(), data, offset)) {
    throw std::runtime_error(std::string("the built-in font \"") + name + "\" cannot be read");
  }
  return info;
}

}  // namespace

FontFace::FontFace(const stbtt_fontinfo& font, int points, bool bold)
    : font_(font), points_(points), bold_(bold), scale_(FixedScale(font, std::max(points, 1))) {
  int ascent = 0, descent = 0, gap = 0;
  stbtt_GetFontVMetrics(&font, &ascent, &descent, &gap);
  baseline_ = CeilPixels(scale_, ascent);
  lineHeight_ = CeilPixels(scale_, ascent - descent);
}

Glyph FontFace::Render(char32_t cp) const {
  Glyph g;
  // Comic Neue lacks one letter of code page 1250, the Romanian T with a
  // cedilla: it has the same letter with a comma below, which Romanian
  // writes in its place.  Anything else the font lacks shows its box
  // (glyph 0), visibly rather than as a blank.
  int index = stbtt_FindGlyphIndex(&font_, static_cast<int>(cp));
  if (index == 0 && cp == U'\u0162') index = stbtt_FindGlyphIndex(&font_, 0x021A);
  int advance = 0, bearing = 0;
  stbtt_GetGlyphHMetrics(&font_, index, &advance, &bearing);
  g.advance = RoundPixels(scale_, advance);
  const float scale = static_cast<float>(scale_) / (65536.0f * 64.0f);
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  stbtt_GetGlyphBitmapBox(&font_, index, scale, scale, &x0, &y0, &x1, &y1);
  const int w = x1 - x0, h = y1 - y0;
  if (w <= 0 || h <= 0) return g;
  std::vector<unsigned char> alpha(static_cast<std::size_t>(w) * h);
  stbtt_MakeGlyphBitmap(&font_, alpha.data(), w, h, w, scale, scale, index);
  auto weight = [&](int x, int y) { return (alpha[static_cast<std::size_t>(y) * w + x] * 32 + 127) / 255; };
  // Keep only the inked box so blits skip empty rows and columns, and only
  // what lies within the text line: the faint top of the ring of a 13-point
  // Ů would otherwise reach into the line above, outside the box a solid
  // brush fills and the rows a text draw marks as changed.
  const int firstRow = std::max(0, -(baseline_ + y0));
  const int endRow = std::min(h, lineHeight_ - (baseline_ + y0));
  int left = w, right = -1, top = h, bottom = -1;
  for (int y = firstRow; y < endRow; ++y) {
    for (int x = 0; x < w; ++x) {
      if (weight(x, y) == 0) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (right < left) return g;
  g.left = x0 + left;
  g.top = baseline_ + y0 + top;
  g.width = right - left + 1;
  g.height = bottom - top + 1;
  g.coverage.resize(static_cast<std::size_t>(g.width) * g.height);
  for (int y = 0; y < g.height; ++y) {
    for (int x = 0; x < g.width; ++x) {
      g.coverage[static_cast<std::size_t>(y) * g.width + x] = static_cast<std::uint8_t>(weight(left + x, top + y));
    }
  }
  return g;
}

const Glyph& FontFace::Codepoint(char32_t cp) {
  auto it = byCodepoint_.find(cp);
  if (it != byCodepoint_.end()) return *it->second;
  auto glyph = std::make_unique<Glyph>(cp < 32 ? Glyph{} : Render(cp));
  const Glyph& ref = *glyph;
  byCodepoint_.emplace(cp, std::move(glyph));
  return ref;
}

const Glyph& FontFace::LoadCp1250(unsigned char c) {
  const Glyph& g = Codepoint(Cp1250ToCodepoint(c));
  byCp1250_[c] = &g;
  return g;
}

int FontFace::TextWidth(std::string_view cp1250) {
  int width = 0;
  for (char c : cp1250) width += Cp1250(static_cast<unsigned char>(c)).advance;
  return width;
}

FontSet::FontSet()
    : regular_(OpenEmbedded(embedded::font_regular, embedded::font_regular_size, "Comic Neue Regular")),
      bold_(OpenEmbedded(embedded::font_bold, embedded::font_bold_size, "Comic Neue Bold")) {}

FontSet::~FontSet() = default;

std::unique_ptr<FontSet> FontSet::Open() { return std::unique_ptr<FontSet>(new FontSet()); }

FontFace& FontSet::Face(int points, bool bold) {
  if (last_ && last_->Points() == points && last_->Bold() == bold) return *last_;
  for (auto& f : faces_) {
    if (f->Points() == points && f->Bold() == bold) return *(last_ = f.get());
  }
  faces_.push_back(std::make_unique<FontFace>(bold ? *bold_ : *regular_, points, bold));
  return *(last_ = faces_.back().get());
}

}  // namespace raketa
