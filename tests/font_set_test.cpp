// The built-in typeface: every letter the game can show has its own glyph,
// the text lines keep the heights, baselines and widths the screens were laid
// out for, and accents stay on their letters inside the line.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "presentation/render/font_set.h"
#include "services/cp1250.h"

namespace raketa {
namespace {

FontSet& Fonts() {
  static std::unique_ptr<FontSet> fonts = FontSet::Open();
  return *fonts;
}

struct Size {
  int points;
  bool bold;
};
// Every size and weight the screens use: the narration (13), the panels and
// the meters (12), the title screen and the dialogs' titles (16), the
// command line (12 bold), and the bold counterparts of the others.
constexpr Size kSizes[] = {{12, false}, {13, false}, {16, false}, {12, true}, {13, true}, {16, true}};

std::string Name(const Size& s) { return std::to_string(s.points) + (s.bold ? " bold" : " regular"); }

int Ink(const Glyph& g) {
  int sum = 0;
  for (std::uint8_t c : g.coverage) sum += c;
  return sum;
}

bool SameBitmap(const Glyph& a, const Glyph& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height && a.coverage == b.coverage;
}

TEST(FontSet, EveryPrintableCp1250CharacterHasAGlyphOfItsOwnInsideItsLine) {
  for (const Size& s : kSizes) {
    SCOPED_TRACE(Name(s));
    FontFace& face = Fonts().Face(s.points, s.bold);
    // What a character missing from the font would show: glyph 0, the box.
    const Glyph& missing = face.Codepoint(U'\uE000');
    ASSERT_GT(Ink(missing), 0) << "the box a missing character shows";
    for (int c = 0x21; c <= 0xFF; ++c) {
      const char32_t cp = Cp1250ToCodepoint(static_cast<unsigned char>(c));
      // Unassigned, delete, no-break space.
      if (cp == U'\uFFFD' || cp == U'\u007F' || cp == U'\u00A0') continue;
      SCOPED_TRACE(c);
      const Glyph& g = face.Cp1250(static_cast<unsigned char>(c));
      EXPECT_GT(Ink(g), 0);
      // Comic Neue has every letter of the code page but not the dagger,
      // the double dagger and the per mille sign, which no text of the game
      // uses: they show the box.
      const bool lacking = cp == U'\u2020' || cp == U'\u2021' || cp == U'\u2030';
      EXPECT_EQ(SameBitmap(g, missing), lacking) << "U+" << std::hex << static_cast<int>(cp);
      EXPECT_GT(g.advance, 0);
      // The blit and the rows a text draw marks as changed rely on this.
      EXPECT_GE(g.top, 0);
      EXPECT_LE(g.top + g.height, face.LineHeight());
      EXPECT_EQ(g.coverage.size(), static_cast<std::size_t>(g.width) * g.height);
      EXPECT_LE(*std::max_element(g.coverage.begin(), g.coverage.end()), 32);
    }
  }
}

TEST(FontSet, LinesKeepTheHeightsBaselinesAndWidthsTheScreensWereLaidOutFor) {
  // Measured with the renderer the screens were first laid out with
  // (FreeType's hinted metrics for the same Comic Neue files).
  const char* texts[] = {"Příliš žluťoučký kůň úpěl ďábelské ódy.", "ÚNIK PALIVA – POTRUBÍ, ČLÁNKY: 100 %",
                         "0123456789 Ěě Řř Ůů Ďď Ťť Ňň"};
  struct Case {
    Size size;
    int lineHeight;
    int baseline;
    int widths[3];
  };
  const Case cases[] = {
      {{12, false}, 19, 15, {262, 292, 218}}, {{12, true}, 19, 15, {266, 291, 217}},
      {{13, false}, 20, 16, {286, 319, 237}}, {{13, true}, 20, 16, {285, 318, 236}},
      {{16, false}, 25, 20, {348, 388, 290}}, {{16, true}, 25, 20, {353, 391, 292}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Name(c.size));
    FontFace& face = Fonts().Face(c.size.points, c.size.bold);
    EXPECT_EQ(face.LineHeight(), c.lineHeight);
    EXPECT_EQ(face.Baseline(), c.baseline);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(face.TextWidth(W(texts[i])), c.widths[i]) << texts[i];
    // The ink sits on the baseline: the stems of H end solid in the row
    // above it, and at most a faint edge of the outline reaches below.
    const Glyph& h = face.Cp1250('H');
    auto rowMax = [&h](int y) {
      const int row = y - h.top;
      if (row < 0 || row >= h.height) return 0;
      return static_cast<int>(*std::max_element(h.coverage.begin() + row * h.width,
                                                h.coverage.begin() + (row + 1) * h.width));
    };
    EXPECT_GE(rowMax(face.Baseline() - 1), 24);
    EXPECT_LE(rowMax(face.Baseline()), 8);
    EXPECT_EQ(rowMax(face.Baseline() + 1), 0);
    // Descenders go below it and stay inside the line.
    const Glyph& g = face.Cp1250('g');
    EXPECT_GT(g.top + g.height, face.Baseline() + 2);
    EXPECT_LE(g.top + g.height, face.LineHeight());
  }
}

TEST(FontSet, CzechAccentsStandAboveTheirLettersWithinTheLine) {
  // Accented letter and its plain form.
  const char* pairs[][2] = {{"Č", "C"}, {"Ř", "R"}, {"Ž", "Z"}, {"Š", "S"}, {"Ě", "E"}, {"Ů", "U"}, {"Ú", "U"},
                            {"Á", "A"}, {"É", "E"}, {"Í", "I"}, {"Ó", "O"}, {"Ý", "Y"}, {"Ň", "N"}, {"Ť", "T"},
                            {"Ď", "D"}, {"č", "c"}, {"ř", "r"}, {"ž", "z"}, {"š", "s"}, {"ě", "e"}, {"ů", "u"},
                            {"ú", "u"}, {"á", "a"}, {"é", "e"}, {"ó", "o"}, {"ý", "y"}, {"ň", "n"}};
  for (const Size& s : kSizes) {
    FontFace& face = Fonts().Face(s.points, s.bold);
    for (const auto& pair : pairs) {
      SCOPED_TRACE(Name(s) + " " + pair[0]);
      const Glyph& accented = face.Cp1250(static_cast<unsigned char>(W(pair[0])[0]));
      const Glyph& plain = face.Cp1250(static_cast<unsigned char>(W(pair[1])[0]));
      EXPECT_EQ(accented.top + accented.height, plain.top + plain.height) << "the same baseline and descent";
      ASSERT_LT(accented.top + 1, plain.top) << "no room for the accent";
      // The accent is there, not cut off at the top of the line: at least
      // a few whole pixels' worth of ink above the plain letter.
      int above = 0;
      for (int y = 0; y < plain.top - accented.top; ++y) {
        for (int x = 0; x < accented.width; ++x) above += accented.coverage[y * accented.width + x];
      }
      EXPECT_GE(above, 3 * 32);
    }
  }
}

TEST(FontSet, FacesAreOpenedOnceAndKeptApart) {
  FontFace& regular = Fonts().Face(13, false);
  FontFace& bold = Fonts().Face(13, true);
  EXPECT_EQ(&Fonts().Face(13, false), &regular);
  EXPECT_NE(&regular, &bold);
  EXPECT_FALSE(SameBitmap(regular.Cp1250('a'), bold.Cp1250('a')));
  EXPECT_GT(Ink(bold.Cp1250('a')), Ink(regular.Cp1250('a'))) << "bold is the heavier face";
  // A second set of the built-in faces draws the same glyphs.
  std::unique_ptr<FontSet> other = FontSet::Open();
  EXPECT_TRUE(SameBitmap(other->Face(13, true).Cp1250('a'), bold.Cp1250('a')));
}

}  // namespace
}  // namespace raketa
