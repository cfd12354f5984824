// Long names stay inside their panel column: cut, with an ellipsis, and the
// column keeps its place; names that fit are drawn as they are.
#include <gtest/gtest.h>

#include "support/rig.h"
#include "support/tiny_world.h"

namespace raketa::test {
namespace {

const std::string kLong = "velmi dlouhy nazev predmetu 30";  // the record's 30 characters

TEST(PanelColumns, LongNamesAreCutAtTheirColumnAndShortOnesKept) {
  Rig r;
  InstallWorld(TinyWorld());
  r.w = TinyWorld();
  r.StartPlay(2);
  SetItem(r.w.Slot(1), kLong);
  SetItem(r.w.Slot(2), "klic");
  TRoom& room = r.w.Room(2);
  SetItem(room.Items[2], kLong);
  SetName(room.Fixtures[0].Name, kLong);
  room.Fixtures[0].Opened = 1;
  SetItem(room.Fixtures[0].Items[1], kLong);
  r.display.ops.clear();
  DrawInventoryPanel(r.g);
  LookOverRoom(r.g);
  DrawRoomContentsPanel(r.g);

  struct Expect {
    int x, y;
    std::string text;
  };
  // The recording canvas measures 10 pixels a byte: 12 of 124 do not fit
  // with the ellipsis, 11 do.
  const std::string cut = kLong.substr(0, 11) + "\x85";
  const Expect expected[] = {
      {10, 660, ("1) " + kLong).substr(0, 11) + "\x85"},
      {140, 660, "2) klic "},
      {270, 500, cut},
      {10, 380, cut},
      {270, 380, cut},
      {140, 380, "tatranka"},
  };
  for (const Expect& e : expected) {
    bool found = false;
    for (const DrawOp& op : r.display.ops) {
      if (op.kind == DrawOp::Text && op.x == e.x && op.y == e.y) {
        found = true;
        EXPECT_EQ(op.text, e.text) << e.x << "," << e.y;
      }
    }
    EXPECT_TRUE(found) << "nothing drawn at " << e.x << "," << e.y;
  }
}

}  // namespace
}  // namespace raketa::test
