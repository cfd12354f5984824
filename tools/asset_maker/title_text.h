// Big lettering for the title and the congratulation: a filled face, a dark
// outline and a soft glow behind, readable over any scene.
#pragma once

#include <string>

#include "canvas.h"
#include "text.h"

namespace assets {

struct TitleStyle {
  Rgb top, bottom;      // the face, shaded from top to bottom
  Rgb outline;
  int outline_px = 3;
  Rgb glow;
  int glow_px = 10;
  float glow_strength = 0.8f;
};

// Draws utf8 centred on cx with its top at y; returns the text's width.
int TitleText(Canvas& c, const Font& f, const std::string& utf8, int cx, int y, const TitleStyle& style);

}  // namespace assets
