// The software back surface, the command line overlay and the PNG writer.
#include <gtest/gtest.h>
#include <zlib.h>

#include <memory>
#include <random>
#include <vector>

#include "services/command_line.h"
#include "presentation/render/png_writer.h"
#include "presentation/render/screen_image.h"
#include "presentation/render/software_surface.h"
#include "services/cp1250.h"

namespace raketa {
namespace {

constexpr int kW = SoftwareSurface::kWidth;
constexpr int kH = SoftwareSurface::kHeight;

FontSet& Fonts() {
  static std::unique_ptr<FontSet> fonts = FontSet::Open();
  return *fonts;
}

struct Channels {
  int r, g, b;
};
Channels Split(std::uint16_t c) { return {c >> 11, (c >> 5) & 0x3F, c & 0x1F}; }

class SurfaceTest : public ::testing::Test {
 protected:
  std::uint16_t At(int x, int y) const { return surface.Back()[y * kW + x]; }
  std::uint16_t ShownAt(int x, int y) const { return surface.Presented()[y * kW + x]; }
  void FillAll(std::uint32_t bgr) {
    surface.SetBrushStyle(BrushStyle::Solid);
    surface.SetBrushColour(bgr);
    surface.Rectangle(-1, -1, kW + 1, kH + 1);
  }

  Catalogue catalogue;
  SoftwareSurface surface{catalogue, Fonts()};
};

TEST_F(SurfaceTest, ClearBrushTextLeavesTheBackgroundBetweenGlyphs) {
  FillAll(0x004080);
  const std::uint16_t background = ToRgb565(0x004080);
  surface.SetBrushStyle(BrushStyle::Clear);
  surface.SetFontSize(16);
  surface.SetFontColour(colour::Yellow);
  const std::string text = W("Ž    Ž");
  surface.TextOut(100, 200, text);

  FontFace& face = Fonts().Face(16, false);
  const Glyph& z = face.Cp1250(static_cast<unsigned char>(text[0]));
  const int gapFrom = 100 + z.left + z.width;
  const int gapTo = 100 + face.TextWidth(text.substr(0, 5)) + face.Cp1250(static_cast<unsigned char>(text[5])).left;
  ASSERT_LT(gapFrom + 4, gapTo);
  for (int y = 200; y < 200 + face.LineHeight(); ++y) {
    for (int x = gapFrom; x < gapTo; ++x) ASSERT_EQ(At(x, y), background) << x << "," << y;
  }
  int inked = 0;
  for (int y = 200; y < 200 + face.LineHeight(); ++y) {
    for (int x = 100; x < gapFrom; ++x) inked += At(x, y) == ToRgb565(colour::Yellow);
  }
  EXPECT_GT(inked, 5);
}

TEST_F(SurfaceTest, SolidBrushTextFillsItsBoxAndNothingMore) {
  FillAll(0x000000);
  surface.SetBrushStyle(BrushStyle::Solid);
  surface.SetBrushColour(0x00FF00);
  surface.SetFontSize(12);
  surface.SetFontColour(0x0000FF);
  surface.TextOut(300, 300, "a  ");
  FontFace& face = Fonts().Face(12, false);
  const int right = 300 + face.TextWidth("a  ");
  const int bottom = 300 + face.LineHeight();
  const std::uint16_t green = ToRgb565(0x00FF00), black = 0;
  EXPECT_EQ(At(right - 1, 300), green);
  EXPECT_EQ(At(right - 1, bottom - 1), green);
  EXPECT_EQ(At(right, 300), black);
  EXPECT_EQ(At(300, bottom), black);
  EXPECT_EQ(At(299, 300), black);
  EXPECT_EQ(At(300, 299), black);
}

TEST_F(SurfaceTest, GlyphEdgesBlendBetweenBackgroundAndFontColour) {
  // Channels that rise and channels that fall, so a borrow between the
  // packed channels would show.
  const std::uint32_t backgrounds[] = {0x10F020, 0xF010E0, 0x808080};
  const std::uint32_t inks[] = {0xF00FF0, 0x0FF00F, 0x00FFFF};
  FontFace& face = Fonts().Face(13, false);
  const Glyph& g = face.Cp1250('W');
  for (std::uint32_t bg : backgrounds) {
    for (std::uint32_t ink : inks) {
      FillAll(bg);
      surface.SetBrushStyle(BrushStyle::Clear);
      surface.SetFontSize(13);
      surface.SetFontColour(ink);
      surface.TextOut(50, 60, "W");
      const Channels b = Split(ToRgb565(bg)), f = Split(ToRgb565(ink));
      for (int y = 0; y < g.height; ++y) {
        for (int x = 0; x < g.width; ++x) {
          const int a = g.coverage[y * g.width + x];
          const Channels got = Split(At(50 + g.left + x, 60 + g.top + y));
          auto expect = [a](int from, int to) { return from + (to - from) * a / 32.0; };
          ASSERT_NEAR(got.r, expect(b.r, f.r), 1.0) << x << "," << y << " a=" << a;
          ASSERT_NEAR(got.g, expect(b.g, f.g), 1.0) << x << "," << y << " a=" << a;
          ASSERT_NEAR(got.b, expect(b.b, f.b), 1.0) << x << "," << y << " a=" << a;
        }
      }
    }
  }
}

TEST_F(SurfaceTest, ControlCharactersDrawNothingAndTakeNoRoom) {
  SoftwareSurface plain{catalogue, Fonts()};
  for (SoftwareSurface* s : {&surface, &plain}) {
    s->SetBrushStyle(BrushStyle::Solid);
    s->SetBrushColour(0x202020);
    s->SetFontSize(16);
    s->SetFontColour(colour::Aqua);
  }
  surface.TextOut(10, 10, std::string("ab\x01\x09\x1F" "c\r\n", 8));
  plain.TextOut(10, 10, "abc");
  EXPECT_TRUE(std::equal(surface.Back(), surface.Back() + kW * kH, plain.Back()));
}

TEST_F(SurfaceTest, RectangleIsOutlinedInBlackAndExcludesRightAndBottom) {
  struct Case {
    BrushStyle brush;
    int x, y;
    std::uint16_t expected;
  };
  const std::uint16_t bg = ToRgb565(0xFFFFFF), fill = ToRgb565(0x3060C0), black = 0;
  // Rectangle(100, 50, 110, 60): outline on columns 100 and 109, rows 50 and 59.
  const Case cases[] = {
      {BrushStyle::Solid, 100, 50, black}, {BrushStyle::Solid, 109, 59, black}, {BrushStyle::Solid, 109, 55, black},
      {BrushStyle::Solid, 105, 59, black}, {BrushStyle::Solid, 101, 51, fill},  {BrushStyle::Solid, 108, 58, fill},
      {BrushStyle::Solid, 110, 55, bg},    {BrushStyle::Solid, 105, 60, bg},    {BrushStyle::Solid, 99, 55, bg},
      {BrushStyle::Clear, 100, 50, black}, {BrushStyle::Clear, 109, 59, black}, {BrushStyle::Clear, 105, 55, bg},
      {BrushStyle::Clear, 110, 55, bg},    {BrushStyle::Clear, 105, 60, bg},
  };
  for (const Case& c : cases) {
    FillAll(0xFFFFFF);
    surface.SetBrushStyle(c.brush);
    surface.SetBrushColour(0x3060C0);
    surface.Rectangle(100, 50, 110, 60);
    EXPECT_EQ(At(c.x, c.y), c.expected) << (c.brush == BrushStyle::Solid ? "solid " : "clear ") << c.x << "," << c.y;
  }
}

TEST_F(SurfaceTest, PicturesAreClippedAtEveryEdge) {
  // Each pixel of the picture tells where in the picture it came from.
  constexpr int PW = 42, PH = 93;
  std::vector<std::uint16_t> picture(PW * PH);
  for (int y = 0; y < PH; ++y)
    for (int x = 0; x < PW; ++x) picture[y * PW + x] = static_cast<std::uint16_t>(y * 256 + x + 1);
  struct Place {
    int x, y;
  };
  for (Place p : {Place{-20, -50}, Place{kW - 10, kH - 7}, Place{-41, 300}, Place{500, kH - 1}, Place{kW, 0}, Place{0, -PH}}) {
    FillAll(0x000000);
    surface.DrawImage(picture.data(), PW, PH, p.x, p.y);
    for (int y = std::max(p.y - 2, 0); y < std::min(p.y + PH + 2, kH); ++y) {
      for (int x = std::max(p.x - 2, 0); x < std::min(p.x + PW + 2, kW); ++x) {
        const bool inside = x >= p.x && x < p.x + PW && y >= p.y && y < p.y + PH;
        const std::uint16_t expected = inside ? picture[(y - p.y) * PW + (x - p.x)] : 0;
        ASSERT_EQ(At(x, y), expected) << "picture at " << p.x << "," << p.y << " pixel " << x << "," << y;
      }
    }
  }
}

TEST_F(SurfaceTest, PresentShowsWhatWasDrawnAndNothingDrawnAfterIt) {
  int presents = 0;
  surface.OnPresent = [&] { ++presents; };
  surface.SetBrushStyle(BrushStyle::Solid);
  surface.SetBrushColour(colour::Red);
  surface.Rectangle(10, 100, 20, 110);
  surface.Present();
  EXPECT_EQ(presents, 1);
  EXPECT_EQ(ShownAt(15, 105), ToRgb565(colour::Red));
  EXPECT_EQ(surface.PresentedRows(), (RowRange{100, 110}));

  surface.SetBrushColour(colour::Green);
  surface.Rectangle(10, 300, 20, 302);
  EXPECT_EQ(ShownAt(15, 300), 0) << "drawn after the present, not yet shown";
  EXPECT_EQ(surface.DirtyRows(), (RowRange{300, 302}));
  surface.Present();
  EXPECT_EQ(ShownAt(15, 300), 0);  // the outline: black
  EXPECT_EQ(ShownAt(15, 301), 0);
  EXPECT_EQ(ShownAt(15, 105), ToRgb565(colour::Red));
  EXPECT_EQ(surface.PresentedRows(), (RowRange{300, 302}));

  surface.Present();
  EXPECT_TRUE(surface.PresentedRows().Empty());
  EXPECT_EQ(presents, 3);
}

TEST_F(SurfaceTest, PresentedPictureFollowsTheBackSurfaceThroughRandomDrawing) {
  std::mt19937 rng(7);
  auto any = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int round = 0; round < 60; ++round) {
    const int ops = any(0, 3);
    int lowest = kH, highest = -1;
    for (int i = 0; i < ops; ++i) {
      surface.SetBrushStyle(any(0, 1) ? BrushStyle::Solid : BrushStyle::Clear);
      surface.SetBrushColour(static_cast<std::uint32_t>(any(0, 0xFFFFFF)));
      surface.SetFontColour(static_cast<std::uint32_t>(any(0, 0xFFFFFF)));
      const int x = any(-50, kW), y = any(-30, kH);
      if (any(0, 1)) {
        surface.TextOut(x, y, "kyslík");
        lowest = std::min(lowest, y);
        highest = std::max(highest, y + Fonts().Face(12, false).LineHeight() - 1);
      } else {
        const int h = any(1, 40);
        surface.Rectangle(x, y, x + any(1, 80), y + h);
        lowest = std::min(lowest, y);
        highest = std::max(highest, y + h - 1);
      }
    }
    surface.Present();
    ASSERT_TRUE(std::equal(surface.Back(), surface.Back() + kW * kH, surface.Presented())) << "round " << round;
    const RowRange rows = surface.PresentedRows();
    if (!rows.Empty()) {
      EXPECT_GE(rows.first, std::max(lowest, 0));
      EXPECT_LE(rows.last, std::min(highest + 1, kH));
    }
  }
}

// --- the command line over the presented picture ---

class OverlayTest : public ::testing::Test {
 protected:
  OverlayTest() : picture(kW * kH) {
    for (int i = 0; i < kW * kH; ++i) picture[i] = static_cast<std::uint16_t>(i * 2654435761u >> 16);
  }
  Channels PixelRgb(const std::vector<std::uint8_t>& rgb, int x, int y) {
    const std::uint8_t* p = &rgb[(y * kW + x) * 3];
    return {p[0], p[1], p[2]};
  }
  bool SameAsPicture(const std::vector<std::uint8_t>& rgb, int x, int y) {
    const std::uint32_t c = Rgb565ToXrgb(picture[y * kW + x]);
    const Channels p = PixelRgb(rgb, x, y);
    return p.r == int(c >> 16) && p.g == int((c >> 8) & 0xFF) && p.b == int(c & 0xFF);
  }

  std::vector<std::uint16_t> picture;
  CommandLine line;
};

TEST_F(OverlayTest, LineIsABlackBoxWithTextInItsColourAtItsPlace) {
  line.SetLeft(20);
  line.SetTop(715);
  line.SetText("nechapu");
  line.SetFontColour(colour::Red);
  const std::vector<std::uint8_t> rgb = ComposeRgb888(picture.data(), line, Fonts());
  const int right = 20 + CommandLine::kWidth, bottom = 715 + CommandLine::kHeight;
  for (auto [x, y] : {std::pair{20, 715}, {right - 1, 715}, {20, bottom - 1}, {right - 1, bottom - 1}, {400, 720}}) {
    const Channels p = PixelRgb(rgb, x, y);
    EXPECT_TRUE(p.r == 0 && p.g == 0 && p.b == 0) << x << "," << y;
  }
  for (auto [x, y] : {std::pair{19, 715}, {right, 715}, {20, 714}, {20, bottom}}) {
    EXPECT_TRUE(SameAsPicture(rgb, x, y)) << x << "," << y;
  }
  int red = 0, other = 0;
  for (int y = 715; y < bottom; ++y) {
    for (int x = 20; x < right; ++x) {
      const Channels p = PixelRgb(rgb, x, y);
      if (p.r == 255 && p.g == 0 && p.b == 0) ++red;
      else if (p.g != 0 || p.b != 0) ++other;
    }
  }
  EXPECT_GT(red, 20);
  // Anti-aliased red over black stays red; only the caret may differ.
  EXPECT_LE(other, 31);
}

TEST_F(OverlayTest, LineOffTheScreenLeavesThePictureAlone) {
  line.SetText("abc");
  line.SetTop(1500);
  const std::vector<std::uint8_t> rgb = ComposeRgb888(picture.data(), line, Fonts());
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) ASSERT_TRUE(SameAsPicture(rgb, x, y)) << x << "," << y;
}

TEST_F(OverlayTest, CaretInvertsTheColumnBeforeTheCaretCharacter) {
  line.SetLeft(10);
  line.SetTop(100);
  line.SetText("ab");
  const std::vector<std::uint8_t> atEnd = ComposeRgb888(picture.data(), line, Fonts());
  line.CaretHome();
  const std::vector<std::uint8_t> atStart = ComposeRgb888(picture.data(), line, Fonts());
  FontFace& face = Fonts().Face(command_line_look::kFontPoints, true);
  const int x = 10 + command_line_look::kTextInset;
  const int y = 100 + (CommandLine::kHeight - face.LineHeight()) / 2 + face.LineHeight() / 2;
  const int endX = x + face.TextWidth("ab");
  EXPECT_EQ(PixelRgb(atEnd, endX, y).g, 255);
  EXPECT_EQ(PixelRgb(atStart, endX, y).g, 0);
  EXPECT_NE(PixelRgb(atStart, x, y).r, PixelRgb(atEnd, x, y).r);
}

TEST_F(OverlayTest, IncrementalImageMatchesAFreshComposition) {
  ScreenImage image(Fonts());
  std::vector<std::uint16_t> shown(kW * kH, 0);
  std::mt19937 rng(11);
  auto any = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  image.Refresh(shown.data(), line);
  for (int step = 0; step < 80; ++step) {
    RowRange changed;
    switch (any(0, 5)) {
      case 0: {  // a present of a band of rows
        const int first = any(0, kH - 1), last = std::min(kH, first + any(1, 120));
        for (int y = first; y < last; ++y)
          for (int x = 0; x < kW; ++x) shown[y * kW + x] = picture[(y * kW + x + step) % (kW * kH)];
        changed = {first, last};
        break;
      }
      case 1: line.TypeChar(static_cast<unsigned char>('a' + any(0, 25))); break;
      case 2: line.Backspace(); break;
      case 3: line.SetTop(any(0, 3) == 0 ? 1500 : any(-20, kH)); break;
      case 4: line.SetFontColour(any(0, 1) ? colour::Red : colour::Aqua); break;
      case 5: line.CaretLeft(); break;
    }
    image.Update(shown.data(), changed, line);
    const std::vector<std::uint8_t> fresh = ComposeRgb888(shown.data(), line, Fonts());
    for (int i = 0; i < kW * kH; ++i) {
      const std::uint32_t p = Rgb565ToXrgb(image.Rgb565()[i]);
      const std::uint32_t q = (fresh[3 * i] << 16) | (fresh[3 * i + 1] << 8) | fresh[3 * i + 2];
      ASSERT_EQ(p, q) << "step " << step << " pixel " << i % kW << "," << i / kW;
    }
  }
}

// --- PNG ---

std::uint32_t Be32(const std::uint8_t* p) { return (p[0] << 24) | (p[1] << 16) | (p[2] << 8) | p[3]; }

TEST(PngWriter, ChunksCarryValidChecksumsAndThePixelsInflateBack) {
  const int w = 37, h = 5;
  std::vector<std::uint8_t> rgb(w * h * 3);
  for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<std::uint8_t>(i * 7 + 3);
  const std::vector<std::uint8_t> png = EncodePng(w, h, rgb.data());
  ASSERT_GE(png.size(), 8u);
  EXPECT_EQ(std::vector<std::uint8_t>(png.begin(), png.begin() + 8),
            (std::vector<std::uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));

  std::vector<std::string> types;
  std::vector<std::uint8_t> idat;
  std::size_t at = 8;
  while (at + 12 <= png.size()) {
    const std::uint32_t size = Be32(&png[at]);
    ASSERT_LE(at + 12 + size, png.size());
    const std::string type(png.begin() + at + 4, png.begin() + at + 8);
    const uLong crc = crc32(crc32(0, Z_NULL, 0), &png[at + 4], size + 4);
    EXPECT_EQ(Be32(&png[at + 8 + size]), crc) << type;
    if (type == "IHDR") {
      EXPECT_EQ(Be32(&png[at + 8]), static_cast<std::uint32_t>(w));
      EXPECT_EQ(Be32(&png[at + 12]), static_cast<std::uint32_t>(h));
      EXPECT_EQ(png[at + 16], 8);  // bits per channel
      EXPECT_EQ(png[at + 17], 2);  // RGB
    }
    if (type == "IDAT") idat.insert(idat.end(), png.begin() + at + 8, png.begin() + at + 8 + size);
    types.push_back(type);
    at += 12 + size;
  }
  EXPECT_EQ(at, png.size());
  ASSERT_FALSE(types.empty());
  EXPECT_EQ(types.front(), "IHDR");
  EXPECT_EQ(types.back(), "IEND");

  std::vector<std::uint8_t> raw(h * (w * 3 + 1));
  uLongf rawSize = raw.size();
  ASSERT_EQ(uncompress(raw.data(), &rawSize, idat.data(), idat.size()), Z_OK);
  ASSERT_EQ(rawSize, raw.size());
  for (int y = 0; y < h; ++y) {
    EXPECT_EQ(raw[y * (w * 3 + 1)], 0) << "filter of row " << y;
    EXPECT_TRUE(std::equal(rgb.begin() + y * w * 3, rgb.begin() + (y + 1) * w * 3, raw.begin() + y * (w * 3 + 1) + 1));
  }
}

TEST(PngWriter, UnwritablePathIsReported) {
  const std::uint8_t pixel[3] = {1, 2, 3};
  EXPECT_FALSE(WritePng("/nonexistent-dir/shot.png", 1, 1, pixel));
}

}  // namespace
}  // namespace raketa
