// Looking a room over is a rule of the world; drawing its contents is only
// a picture of it.
#include <gtest/gtest.h>

#include "support/rig.h"
#include "support/tiny_world.h"

namespace raketa::test {
namespace {

std::string Bytes(const TWorld& w) { return std::string(reinterpret_cast<const char*>(&w), sizeof w); }

struct SearchRig : Rig {
  SearchRig() {
    InstallWorld(TinyWorld());
    w = TinyWorld();
    StartPlay(2);
    TRoom& room = w.Room(2);
    room.Searched = 0;
    SetName(room.Fixtures[0].KeyName, "klic");
    SetName(room.Fixtures[1].KeyName, "paka");
    SetName(room.Fixtures[2].KeyName, "");
    for (TFixture& f : room.Fixtures) f.Opened = 0;
    SetItem(w.Slot(1), "klic");
    SetItem(w.Slot(2), "lano");
    SetItem(w.Slot(3), "baterka");
    SetItem(w.Slot(4), "tatranka");
  }
};

TEST(LookOverRoom, DrawingTheContentsLeavesTheWorldAsItIs) {
  SearchRig r;
  const std::string before = Bytes(r.w);
  DrawRoomContentsPanel(r.g);
  EXPECT_EQ(Bytes(r.w), before);
  EXPECT_EQ(r.w.Room(2).Searched, 0);
}

TEST(LookOverRoom, MarksTheRoomAndOpensWhatACarriedKeyOpens) {
  SearchRig r;
  LookOverRoom(r.g);
  const TRoom& room = r.w.Room(2);
  EXPECT_EQ(room.Searched, 1);
  EXPECT_EQ(room.Fixtures[0].Opened, 1);  // the key is carried
  EXPECT_EQ(room.Fixtures[1].Opened, 0);  // the lever is not
  EXPECT_EQ(room.Fixtures[2].Opened, 0);  // no key, but no hand free either
  // A free hand opens the fixture without a key at the next look.
  r.w.Slot(3).Clear();
  LookOverRoom(r.g);
  EXPECT_EQ(room.Fixtures[2].Opened, 1);
  EXPECT_EQ(room.Fixtures[1].Opened, 0);
}

}  // namespace
}  // namespace raketa::test
