#include "text.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace assets {

namespace {

std::string FindFontFile(bool bold, bool italic) {
  static bool ready = false;
  if (!ready) {
    if (!FcInit()) throw std::runtime_error("fontconfig did not start");
    if (TTF_Init() != 0) throw std::runtime_error(std::string("SDL2_ttf: ") + TTF_GetError());
    ready = true;
  }
  std::string query = "comic sans ms";
  if (bold) query += ":bold";
  if (italic) query += ":italic";
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(query.c_str()));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  std::string file;
  FcChar8* path = nullptr;
  if (match && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch)
    file = reinterpret_cast<const char*>(path);
  if (match) FcPatternDestroy(match);
  if (file.empty()) throw std::runtime_error("no font answers to \"comic sans ms\"");
  return file;
}

}  // namespace

Font::Font(int size, bool bold, bool italic) {
  std::string file = FindFontFile(bold, italic);
  font_ = TTF_OpenFont(file.c_str(), size);
  if (!font_) throw std::runtime_error("cannot open " + file + ": " + TTF_GetError());
}

Font::~Font() { TTF_CloseFont(font_); }

int Font::Width(const std::string& utf8) const {
  int w = 0, h = 0;
  TTF_SizeUTF8(font_, utf8.c_str(), &w, &h);
  return w;
}

int Font::LineHeight() const { return TTF_FontHeight(font_); }

Mask Font::Render(const std::string& utf8) const {
  SDL_Surface* s = TTF_RenderUTF8_Blended(font_, utf8.c_str(), SDL_Color{255, 255, 255, 255});
  if (!s) throw std::runtime_error(std::string("cannot render text: ") + TTF_GetError());
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(s);
  Mask m;
  m.width = argb->w;
  m.height = argb->h;
  m.alpha.resize(static_cast<std::size_t>(m.width) * m.height);
  for (int y = 0; y < m.height; ++y) {
    auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(argb->pixels) + y * argb->pitch);
    for (int x = 0; x < m.width; ++x) m.alpha[y * m.width + x] = (row[x] >> 24) / 255.f;
  }
  SDL_FreeSurface(argb);
  return m;
}

Mask Grow(const Mask& m, int radius) {
  Mask out;
  out.width = m.width + 2 * radius;
  out.height = m.height + 2 * radius;
  out.alpha.assign(static_cast<std::size_t>(out.width) * out.height, 0.f);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) {
      float best = 0;
      for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
          float d = std::hypot(float(dx), float(dy));
          if (d > radius + 0.5f) continue;
          float edge = std::clamp(radius + 0.5f - d, 0.f, 1.f);
          best = std::max(best, m.at(x - radius + dx, y - radius + dy) * edge);
        }
      out.alpha[y * out.width + x] = best;
    }
  return out;
}

Mask Blur(const Mask& m, int radius) {
  // Two box passes each way: close to a Gaussian, keeps the mask's margin.
  Mask out;
  out.width = m.width + 4 * radius;
  out.height = m.height + 4 * radius;
  out.alpha.assign(static_cast<std::size_t>(out.width) * out.height, 0.f);
  for (int y = 0; y < m.height; ++y)
    for (int x = 0; x < m.width; ++x) out.alpha[(y + 2 * radius) * out.width + x + 2 * radius] = m.at(x, y);
  std::vector<float> tmp(out.alpha.size());
  float norm = 1.f / (2 * radius + 1);
  for (int pass = 0; pass < 2; ++pass) {
    for (int y = 0; y < out.height; ++y)
      for (int x = 0; x < out.width; ++x) {
        float s = 0;
        for (int d = -radius; d <= radius; ++d) s += out.at(x + d, y);
        tmp[y * out.width + x] = s * norm;
      }
    for (int y = 0; y < out.height; ++y)
      for (int x = 0; x < out.width; ++x) {
        float s = 0;
        for (int d = -radius; d <= radius; ++d) {
          int yy = y + d;
          if (yy >= 0 && yy < out.height) s += tmp[yy * out.width + x];
        }
        out.alpha[y * out.width + x] = s * norm;
      }
  }
  return out;
}

void DrawMask(Canvas& c, const Mask& m, int x, int y, const Shader& colour, float opacity) {
  for (int j = 0; j < m.height; ++j)
    for (int i = 0; i < m.width; ++i) {
      float a = m.alpha[j * m.width + i] * opacity;
      if (a > 0.f) c.Blend(x + i, y + j, colour(x + i + 0.5f, y + j + 0.5f), a);
    }
}

void DrawMask(Canvas& c, const Mask& m, int x, int y, Rgb colour, float opacity) {
  DrawMask(c, m, x, y, [colour](float, float) { return colour; }, opacity);
}

int DrawText(Canvas& c, const Font& f, const std::string& utf8, int x, int y, Rgb colour) {
  Mask m = f.Render(utf8);
  DrawMask(c, m, x, y, colour);
  return m.width;
}

int DrawHaloText(Canvas& c, const Font& f, const std::string& utf8, int x, int y, Rgb colour,
                 Rgb halo, int halo_radius) {
  Mask m = f.Render(utf8);
  Mask soft = Blur(Grow(m, halo_radius / 2 + 1), halo_radius);
  DrawMask(c, soft, x - halo_radius / 2 - 1 - 2 * halo_radius, y - halo_radius / 2 - 1 - 2 * halo_radius,
           halo, 0.9f);
  DrawMask(c, m, x, y, colour);
  return m.width;
}

}  // namespace assets
