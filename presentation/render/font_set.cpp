// Font lookup through fontconfig and the glyph cache over SDL2_ttf.
#include "presentation/render/font_set.h"

#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <stdexcept>

#include "services/cp1250.h"

namespace raketa {

namespace {

constexpr const char* kFamily = "comic sans ms";
constexpr int kDpi = 96;

// The file fontconfig offers for the family, or "" when it offers none.
std::string MatchFile(bool bold) {
  if (!FcInit()) return {};
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(kFamily));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  std::string file;
  FcChar8* path = nullptr;
  if (match && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path) {
    file = reinterpret_cast<const char*>(path);
  }
  if (match) FcPatternDestroy(match);
  FcPatternDestroy(pattern);
  return file;
}

}  // namespace

FontFace::FontFace(TTF_Font* font, int points, bool bold)
    : font_(font), points_(points), bold_(bold), lineHeight_(TTF_FontHeight(font)) {}

FontFace::~FontFace() { TTF_CloseFont(font_); }

Glyph FontFace::Render(char32_t cp) {
  Glyph g;
  int minx = 0, maxx = 0, miny = 0, maxy = 0, advance = 0;
  if (TTF_GlyphMetrics32(font_, cp, &minx, &maxx, &miny, &maxy, &advance) == 0) g.advance = advance;
  SDL_Surface* rendered = TTF_RenderGlyph32_Blended(font_, cp, SDL_Color{255, 255, 255, 255});
  if (!rendered) return g;
  SDL_Surface* s = rendered->format->format == SDL_PIXELFORMAT_ARGB8888
                       ? rendered
                       : SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
  if (!s) {
    SDL_FreeSurface(rendered);
    return g;
  }
  SDL_LockSurface(s);
  // Keep only the inked box of the rendered line so blits skip empty rows.
  auto alphaAt = [s](int x, int y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(s->pixels) + y * s->pitch);
    return static_cast<int>(row[x] >> 24);
  };
  int x0 = s->w, x1 = -1, y0 = s->h, y1 = -1;
  for (int y = 0; y < s->h; ++y) {
    for (int x = 0; x < s->w; ++x) {
      if (alphaAt(x, y) * 32 / 255 == 0) continue;
      x0 = std::min(x0, x);
      x1 = std::max(x1, x);
      y0 = std::min(y0, y);
      y1 = std::max(y1, y);
    }
  }
  if (x1 >= x0) {
    // The rendered line starts at the pen, or at the glyph's left edge when
    // it hangs over to the left of the pen.
    g.left = std::min(0, minx) + x0;
    g.top = y0;
    g.width = x1 - x0 + 1;
    g.height = y1 - y0 + 1;
    g.coverage.resize(static_cast<std::size_t>(g.width) * g.height);
    for (int y = 0; y < g.height; ++y) {
      for (int x = 0; x < g.width; ++x) {
        g.coverage[static_cast<std::size_t>(y) * g.width + x] =
            static_cast<std::uint8_t>((alphaAt(x0 + x, y0 + y) * 32 + 127) / 255);
      }
    }
  }
  SDL_UnlockSurface(s);
  if (s != rendered) SDL_FreeSurface(s);
  SDL_FreeSurface(rendered);
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

FontSet::FontSet(std::string regular, std::string bold, bool ownsTtf)
    : regularFile_(std::move(regular)), boldFile_(std::move(bold)), ownsTtf_(ownsTtf) {}

FontSet::~FontSet() {
  faces_.clear();
  if (ownsTtf_) TTF_Quit();
}

std::unique_ptr<FontSet> FontSet::FromFiles(const std::string& regular, const std::string& bold) {
  bool ownsTtf = false;
  if (!TTF_WasInit()) {
    if (TTF_Init() != 0) throw std::runtime_error(std::string("cannot start the font renderer: ") + TTF_GetError());
    ownsTtf = true;
  }
  std::unique_ptr<FontSet> set(new FontSet(regular, bold, ownsTtf));
  // Open the two faces of the commonest size now, so that a file which is not
  // a usable font is reported at start-up rather than in the first frame.
  set->Face(12, false);
  set->Face(12, true);
  return set;
}

std::unique_ptr<FontSet> FontSet::Open() {
  std::string regular = MatchFile(false);
  std::string bold = MatchFile(true);
  // Fontconfig's configuration and caches take megabytes and are not needed
  // once the two files are known.
  FcFini();
  if (regular.empty()) {
    throw std::runtime_error(
        "no font found for \"comic sans ms\": install a font that fontconfig offers under that name "
        "(on Debian: apt-get install fonts-comic-neue)");
  }
  if (bold.empty()) bold = regular;
  return FromFiles(regular, bold);
}

FontFace& FontSet::Face(int points, bool bold) {
  if (last_ && last_->Points() == points && last_->Bold() == bold) return *last_;
  for (auto& f : faces_) {
    if (f->Points() == points && f->Bold() == bold) return *(last_ = f.get());
  }
  const std::string& file = File(bold);
  TTF_Font* font = TTF_OpenFontDPI(file.c_str(), std::max(points, 1), kDpi, kDpi);
  if (!font) {
    throw std::runtime_error("cannot open the font \"" + file + "\" for \"comic sans ms\": " + TTF_GetError());
  }
  // Without a bold file of its own the regular one is emboldened.
  if (bold && boldFile_ == regularFile_) TTF_SetFontStyle(font, TTF_STYLE_BOLD);
  faces_.push_back(std::make_unique<FontFace>(font, points, bold));
  return *(last_ = faces_.back().get());
}

}  // namespace raketa
