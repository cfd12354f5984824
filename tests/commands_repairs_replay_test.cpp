// The repair chain end to end, as replays of whole sessions on a world of
// their own: every tests/replays/commands_repairs/NAME.replay runs from the
// intro on, and its trace must contain the lines of NAME.expect in order
// (other lines may come between); "! LINE" must not appear between the
// lines around it.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "commands_test_kit.h"
#include "presentation/replay/replay_runner.h"

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
  TWorld w;
  std::memset(static_cast<void*>(&w), 0, sizeof w);
  w.CurrentRoom = 1;
  w.Health = 100;
  w.Nourishment = 100;
  w.CellCharge = 50;
  w.Fuel = 75;
  w.SuitOxygen = 100;
  w.MinutesLeft = 60;
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

std::vector<std::string> Names() {
  std::vector<std::string> names;
  if (!std::filesystem::exists(kDir)) return names;
  for (auto& e : std::filesystem::directory_iterator(kDir)) {
    if (e.path().extension() == ".replay") names.push_back(e.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> Lines(std::istream& in) {
  std::vector<std::string> out;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line[0] != '#') out.push_back(line);
  }
  return out;
}

class RepairReplay : public ::testing::TestWithParam<std::string> {};

TEST_P(RepairReplay, TraceContainsTheExpectedLinesInOrder) {
  std::ifstream script(kDir / (GetParam() + ".replay"));
  std::ifstream expect(kDir / (GetParam() + ".expect"));
  ASSERT_TRUE(script && expect) << GetParam();

  ScratchDir dir;
  InstallWorld(RepairWorld());
  std::ostringstream out, err;
  ReplayResult result = RunReplay(ParseReplayScript(script), nullptr, out, err);
  EXPECT_EQ(result.exitCode, 0) << err.str();
  if (std::getenv("RAKETA_SHOW_TRACE") != nullptr) std::cout << out.str();

  std::istringstream traceText(out.str());
  const std::vector<std::string> trace = Lines(traceText);
  std::size_t at = 0;
  std::vector<std::string> forbidden;
  auto checkForbidden = [&](std::size_t end) {
    for (const std::string& f : forbidden) {
      for (std::size_t i = at; i < end; ++i) EXPECT_NE(trace[i], f) << "trace line " << i + 1;
    }
    forbidden.clear();
  };
  for (const std::string& line : Lines(expect)) {
    if (line.rfind("! ", 0) == 0) {
      forbidden.push_back(line.substr(2));
      continue;
    }
    auto found = std::find(trace.begin() + static_cast<std::ptrdiff_t>(at), trace.end(), line);
    if (found == trace.end()) {
      std::string context;
      for (std::size_t i = at; i < trace.size() && i < at + 12; ++i) context += "  " + trace[i] + "\n";
      FAIL() << "missing, in order: " << line << "\ntrace from there:\n" << context;
    }
    std::size_t index = static_cast<std::size_t>(found - trace.begin());
    checkForbidden(index);
    at = index + 1;
  }
  checkForbidden(trace.size());
}

INSTANTIATE_TEST_SUITE_P(Repairs, RepairReplay, ::testing::ValuesIn(Names()),
                         [](const auto& info) { return CaseName(info.param); });

}  // namespace
}  // namespace raketa::test
