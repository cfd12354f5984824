// Each narration character is drawn in the middle of its 10-pixel cell, on
// the real software surface: narrow and wide letters alike.
#include <gtest/gtest.h>

#include <memory>

#include "services/catalogue.h"
#include "presentation/render/software_surface.h"
#include "support/rig.h"
#include "world/data.h"

namespace raketa::test {
namespace {

constexpr int kW = SoftwareSurface::kWidth;

class NarrationGlyph : public ::testing::TestWithParam<const char*> {};

TEST_P(NarrationGlyph, InkIsCentredInTheCell) {
  static std::unique_ptr<FontSet> fonts = FontSet::Open();
  static const Catalogue catalogue;
  SoftwareSurface surface(catalogue, *fonts);
  surface.SetBrushStyle(BrushStyle::Solid);
  surface.SetBrushColour(colour::Black);
  surface.Rectangle(-1, -1, kW + 1, SoftwareSurface::kHeight + 1);

  Rig rig;
  rig.g.TextCursorX = 100;  // the cell is x 100 to 109
  rig.g.TextCursorY = 40;
  surface.SetBrushStyle(BrushStyle::Clear);
  surface.SetFontSize(13);
  DrawNarrationCharacter(rig.g, surface, static_cast<unsigned char>(W(GetParam())[0]));

  // The green glyph's columns (the black shadow vanishes on black).
  int first = kW, last = -1;
  for (int y = 30; y < 80; ++y) {
    for (int x = 80; x < 130; ++x) {
      if ((surface.Back()[y * kW + x] >> 5 & 0x3F) > 16) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
    }
  }
  ASSERT_LE(first, last) << "nothing drawn";
  const double centre = (first + last + 1) / 2.0;
  EXPECT_NEAR(centre, 105.0, 1.5) << "ink from x " << first << " to " << last;
}

INSTANTIATE_TEST_SUITE_P(Letters, NarrationGlyph, ::testing::Values("i", "l", "í", "m", "w", "N", "a"));

}  // namespace
}  // namespace raketa::test
