// Lettering with the game's own face: "comic sans ms" as fontconfig answers
// it, rendered by SDL2_ttf into coverage masks that are then painted.
#pragma once

#include <string>
#include <vector>

#include "canvas.h"

struct _TTF_Font;

namespace assets {

struct Mask {
  int width = 0, height = 0;
  std::vector<float> alpha;
  float at(int x, int y) const {
    return (x < 0 || y < 0 || x >= width || y >= height) ? 0.f : alpha[y * width + x];
  }
};

class Font {
 public:
  Font(int size, bool bold = false, bool italic = false);
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  int Width(const std::string& utf8) const;
  int LineHeight() const;
  Mask Render(const std::string& utf8) const;

 private:
  _TTF_Font* font_ = nullptr;
};

// Widens a mask by radius pixels (outlines) or softens it (shadows, glows).
Mask Grow(const Mask& m, int radius);
Mask Blur(const Mask& m, int radius);

void DrawMask(Canvas& c, const Mask& m, int x, int y, const Shader& colour, float opacity = 1.f);
void DrawMask(Canvas& c, const Mask& m, int x, int y, Rgb colour, float opacity = 1.f);
// Plain text with its top-left corner at (x, y); returns its width.
int DrawText(Canvas& c, const Font& f, const std::string& utf8, int x, int y, Rgb colour);
// Text on a soft dark halo, for lettering over a busy picture.
int DrawHaloText(Canvas& c, const Font& f, const std::string& utf8, int x, int y, Rgb colour,
                 Rgb halo, int halo_radius);

}  // namespace assets
