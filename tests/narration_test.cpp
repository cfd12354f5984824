// The room text as the typewriter and the whole-text drawing read it: which
// byte lands in which cell, what clicks, where the text ends.
#include <gtest/gtest.h>

#include "support/rig.h"
#include "support/tiny_world.h"

namespace raketa::test {
namespace {

struct Cell {
  int x, y;
  unsigned char c;
  bool operator==(const Cell&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Cell& c) {
  return os << "(" << c.x << "," << c.y << ",'" << static_cast<int>(c.c) << "')";
}

// The green glyphs drawn, each of which must follow its black shadow.
std::vector<Cell> GreenCells(const Rig& rig) {
  std::vector<Cell> cells;
  const auto& ops = rig.display.ops;
  for (std::size_t i = 0; i < ops.size(); ++i) {
    const DrawOp& op = ops[i];
    if (op.kind != DrawOp::Text || op.fontColour != colour::Green || op.y >= 350) continue;
    if (op.text.size() != 1) continue;
    EXPECT_GT(i, 0u);
    if (i > 0) {
      const DrawOp& shadow = ops[i - 1];
      EXPECT_EQ(shadow.fontColour, colour::Black);
      EXPECT_EQ(shadow.x, op.x + 2);
      EXPECT_EQ(shadow.y, op.y + 2);
      EXPECT_EQ(shadow.text, op.text);
    }
    EXPECT_EQ(op.fontSize, 13);
    EXPECT_EQ(op.brush, BrushStyle::Clear);
    cells.push_back({op.x, op.y, static_cast<unsigned char>(op.text[0])});
  }
  return cells;
}

long Clicks(const Rig& rig) {
  long n = 0;
  for (Cue c : rig.Played()) n += c == Cue::klik;
  return n;
}

struct TextCase {
  const char* name;
  std::string bytes;
  std::vector<Cell> cells;
  long clicks;
};

const std::vector<TextCase>& TextCases() {
  static const std::vector<TextCase> cases = {
      {"two lines", "ab\r\ncd", {{20, 10, 'a'}, {30, 10, 'b'}, {20, 28, 'c'}, {30, 28, 'd'}}, 4},
      {"empty file", "", {}, 0},
      {"trailing line break", "ab\r\n", {{20, 10, 'a'}, {30, 10, 'b'}}, 2},
      // An empty line makes no empty row: its CR and LF fill two cells.
      {"empty line", "a\r\n\r\nb", {{20, 10, 'a'}, {20, 28, '\r'}, {30, 28, '\n'}, {40, 28, 'b'}}, 4},
      {"ctrl-z ends the text", std::string("a\x1a", 2) + "zz\r\nzz", {{20, 10, 'a'}}, 1},
      {"spaces take a cell but make no click", "a b", {{20, 10, 'a'}, {30, 10, ' '}, {40, 10, 'b'}}, 2},
      {"a lone LF is a character", "a\nb", {{20, 10, 'a'}, {30, 10, '\n'}, {40, 10, 'b'}}, 3},
      {"a CR consumes through the next LF", "a\rxyz\nb", {{20, 10, 'a'}, {20, 28, 'b'}}, 2},
  };
  return cases;
}

void PrepareRoomText(Rig& rig, const std::string& bytes) {
  rig.StartPlay(1);
  rig.w.Room(1).FirstVisit = 1;
  WriteFile("texty/m1.dat", bytes);
  OpenRoomText(rig.g, "texty\\m1.dat");
  rig.g.TextCursorX = 10;
  rig.g.TextCursorY = 10;
  rig.g.NarrationPending = true;
  rig.ClearLogs();
}

TEST(Narration, TypewriterPlacesEachByteInItsCell) {
  for (const TextCase& c : TextCases()) {
    SCOPED_TRACE(c.name);
    Rig rig;
    PrepareRoomText(rig, c.bytes);
    int steps = 0;
    while (rig.g.NarrationPending && steps < 100) {
      TypeNextCharacter(rig.g);
      ++steps;
      EXPECT_EQ(rig.display.canvasDepth, 0);
    }
    EXPECT_FALSE(rig.g.NarrationPending);
    EXPECT_EQ(GreenCells(rig), c.cells);
    EXPECT_EQ(Clicks(rig), c.clicks);
    // Typing to the end clears the first visit and shows the inventory.
    EXPECT_EQ(rig.w.Room(1).FirstVisit, 0);
    auto texts = rig.DrawnTexts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Sebou neseš..:"), texts.end());
  }
}

TEST(Narration, TypewriterDrawsOneCharacterPerStep) {
  Rig rig;
  PrepareRoomText(rig, "abc");
  TypeNextCharacter(rig.g);
  EXPECT_EQ(GreenCells(rig).size(), 1u);
  EXPECT_EQ(rig.w.Room(1).FirstVisit, 1);  // cleared only at the end
  TypeNextCharacter(rig.g);
  EXPECT_EQ(GreenCells(rig).size(), 2u);
}

TEST(Narration, WholeTextDrawsTheSameCellsAtOnceWithoutClicks) {
  for (const TextCase& c : TextCases()) {
    SCOPED_TRACE(c.name);
    Rig rig;
    PrepareRoomText(rig, c.bytes);
    // Part of the text typed already: the whole text starts from its beginning.
    TypeNextCharacter(rig.g);
    rig.w.Room(1).FirstVisit = 1;
    rig.ClearLogs();
    ShowWholeText(rig.g);
    ASSERT_FALSE(rig.display.ops.empty());
    EXPECT_EQ(rig.display.ops[0].kind, DrawOp::Picture);
    EXPECT_EQ(rig.display.ops[0].picture, Picture::pozadi);
    EXPECT_EQ(rig.display.ops[1].kind, DrawOp::Present);
    EXPECT_EQ(GreenCells(rig), c.cells);
    EXPECT_EQ(Clicks(rig), 0);
    EXPECT_FALSE(rig.g.NarrationPending);
    EXPECT_EQ(rig.w.Room(1).FirstVisit, 1);  // the whole text leaves it alone
  }
}

TEST(Narration, WholeTextShowsTheContentsPanelOnlyInASearchedRoom) {
  for (bool searched : {false, true}) {
    Rig rig;
    PrepareRoomText(rig, "x");
    rig.w.Room(1).Searched = searched;
    ShowWholeText(rig.g);
    auto texts = rig.DrawnTexts();
    bool panel = std::find(texts.begin(), texts.end(), "V místnosti se nachází:") != texts.end();
    EXPECT_EQ(panel, searched);
  }
}

TEST(Narration, TextPathsFollowPhaseAndRepairs) {
  struct Case {
    int room;
    Phase phase;
    bool gauge, cables;
    const char* path;
  };
  const Case cases[] = {
      {7, Phase::Outbound, false, false, "texty\\m7.dat"},   {7, Phase::Outbound, true, false, "texty\\m7x.dat"},
      {7, Phase::Return, true, false, "texty\\m7x.zpt"},     {29, Phase::Outbound, false, true, "texty\\m29x.dat"},
      {33, Phase::Return, false, true, "texty\\m33x.zpt"},   {28, Phase::Outbound, true, true, "texty\\m28.dat"},
      {32, Phase::Outbound, true, true, "texty\\m32.dat"},   {12, Phase::Return, false, false, "texty\\m12.zpt"},
      {29, Phase::Outbound, true, false, "texty\\m29.dat"},
  };
  for (const Case& c : cases) {
    Rig rig;
    rig.g.TripPhase = c.phase;
    rig.w.GaugeReplaced = c.gauge;
    rig.w.CablesRepaired = c.cables;
    EXPECT_EQ(RoomTextPath(rig.g, c.room), c.path);
  }
}

TEST(Narration, AMissingTextEndsQuietly) {
  Rig rig;
  rig.StartPlay(1);
  EXPECT_THROW(OpenRoomText(rig.g, "texty\\m99.dat"), IoError);
  rig.g.NarrationPending = true;
  rig.w.Room(1).FirstVisit = 1;
  TypeNextCharacter(rig.g);  // nothing to type, and no error
  EXPECT_FALSE(rig.g.NarrationPending);
  rig.g.NarrationPending = true;
  ShowWholeText(rig.g);
  EXPECT_FALSE(rig.g.NarrationPending);
}

}  // namespace
}  // namespace raketa::test
