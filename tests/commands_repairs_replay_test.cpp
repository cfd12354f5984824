// The repair chain end to end, as replays of whole sessions on a world of
// their own: every tests/replays/commands_repairs/NAME.replay runs from the
// intro on, checked against its NAME.expect.
#include <cstring>
#include <filesystem>

#include "commands_test_kit.h"
#include "support/replay_case.h"

namespace raketa::test {
namespace {

const std::filesystem::path kDir =
    std::filesystem::path(RAKETA_SOURCE_DIR) / "tests" / "replays" / "commands_repairs";

void Door(TWorld& w, int room, Direction d, int target) {
  w.Room(room).Exits[d].Target = static_cast<std::uint8_t>(target);
  w.Room(room).Exits[d].Opened = 1;
}

// The cabin (1) has a door to each place of the repairs: north to the valve
// (27), east to the gauge (7), south to the filler (32), west to the cells
// (28); from the filler north leads outside to the cables (33).  The player
// carries the gauge, a canister, the suit and the tape; a cell lies in 28.
// Every text is drawn at once (no first visits).
TWorld RepairWorld() {
  TWorld w = BareWorld();
  w.Fuel = 75;
  Door(w, 1, North, 27);
  Door(w, 1, East, 7);
  Door(w, 1, South, 32);
  Door(w, 1, West, 28);
  Door(w, 27, South, 1);
  Door(w, 7, West, 1);
  Door(w, 32, North, 33);
  Door(w, 32, East, 1);
  Door(w, 33, South, 32);
  Door(w, 28, East, 1);
  w.Room(33).Outside = 1;
  SetItem(w.Slot(1), "tlakoměr");
  SetItem(w.Slot(2), "palivo");
  SetItem(w.Slot(3), "skafandr");
  SetItem(w.Slot(4), "izolačka");
  SetItem(w.Room(28).Items[0], "článek");
  return w;
}

class RepairReplay : public ::testing::TestWithParam<std::string> {};

TEST_P(RepairReplay, TraceContainsTheExpectedLinesInOrder) {
  ScratchDir dir;
  InstallWorld(RepairWorld());
  CheckReplayCase(kDir, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Repairs, RepairReplay, ::testing::ValuesIn(ReplayCaseNames(kDir)),
                         [](const auto& info) { return ReplayTestName(info.param); });

}  // namespace
}  // namespace raketa::test
