#include "title_text.h"

#include <algorithm>

namespace assets {

int TitleText(Canvas& c, const Font& f, const std::string& utf8, int cx, int y, const TitleStyle& s) {
  Mask face = f.Render(utf8);
  const int x = cx - face.width / 2;
  Mask outline = Grow(face, s.outline_px);
  if (s.glow_px > 0) {
    Mask glow = Blur(outline, s.glow_px);
    const int m = s.outline_px + 2 * s.glow_px;
    DrawMask(c, glow, x - m, y - m, s.glow, s.glow_strength);
  }
  DrawMask(c, outline, x - s.outline_px, y - s.outline_px, s.outline);
  const float top = y + face.height * 0.2f, bottom = y + face.height * 0.85f;
  DrawMask(c, face, x, y, [&](float, float py) {
    return Mix(s.top, s.bottom, std::clamp((py - top) / (bottom - top), 0.f, 1.f));
  });
  return face.width;
}

}  // namespace assets
