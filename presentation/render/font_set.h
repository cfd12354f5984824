// The game's one typeface, Comic Neue (regular and bold, built into the
// program), in the sizes the screens ask for, with every glyph rendered once
// and kept as an alpha mask: drawing text is then a blit of cached masks.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

struct stbtt_fontinfo;

namespace raketa {

// A rendered glyph: coverage 0..32 (the 5-bit weight the RGB565 blend uses),
// placed relative to the pen position and the top of the text line.
struct Glyph {
  int left = 0;  // from the pen position; negative for overhanging glyphs
  int top = 0;   // from the top of the text line
  int width = 0;
  int height = 0;
  int advance = 0;
  std::vector<std::uint8_t> coverage;  // width * height, row-major
};

// One size and weight of the typeface.
class FontFace {
 public:
  FontFace(const stbtt_fontinfo& font, int points, bool bold);
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  int Points() const { return points_; }
  bool Bold() const { return bold_; }
  // Height of a text line: the box a solid brush fills behind text.
  int LineHeight() const { return lineHeight_; }
  // From the top of the text line down to the baseline.
  int Baseline() const { return baseline_; }

  const Glyph& Cp1250(unsigned char c) {
    const Glyph* g = byCp1250_[c];
    return g ? *g : LoadCp1250(c);
  }
  const Glyph& Codepoint(char32_t cp);
  // Sum of the advances; control characters take no room.
  int TextWidth(std::string_view cp1250);

 private:
  const Glyph& LoadCp1250(unsigned char c);
  Glyph Render(char32_t cp) const;

  const stbtt_fontinfo& font_;
  int points_;
  bool bold_;
  std::int64_t scale_;  // 1/64 pixels per font unit, in 16.16 fixed point
  int baseline_;
  int lineHeight_;
  std::array<const Glyph*, 256> byCp1250_{};
  std::unordered_map<char32_t, std::unique_ptr<Glyph>> byCodepoint_;
};

class FontSet {
 public:
  // The two faces built into the program.  Throws std::runtime_error only
  // when a built-in font cannot be read, which a working build never sees.
  static std::unique_ptr<FontSet> Open();
  ~FontSet();
  FontSet(const FontSet&) = delete;
  FontSet& operator=(const FontSet&) = delete;

  // Sizes are points at 96 dots per inch, as the game's screens were laid out.
  FontFace& Face(int points, bool bold);

 private:
  FontSet();

  std::unique_ptr<stbtt_fontinfo> regular_;
  std::unique_ptr<stbtt_fontinfo> bold_;
  std::vector<std::unique_ptr<FontFace>> faces_;
  FontFace* last_ = nullptr;
};

}  // namespace raketa
