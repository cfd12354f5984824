#include "support/tiny_world.h"

#include <cstring>
#include <filesystem>

#include "support/rig.h"

namespace raketa::test {

namespace {
void Door(TRoom& room, Direction d, int target, bool opened, const std::string& key = "") {
  TExit& e = room.Exits[d];
  e.Target = static_cast<std::uint8_t>(target);
  e.Opened = opened ? 1 : 0;
  SetName(e.KeyName, key);
}
}  // namespace

TWorld BareWorld() {
  TWorld w;
  std::memset(static_cast<void*>(&w), 0, sizeof w);
  w.CurrentRoom = 1;
  w.Health = 100;
  w.Nourishment = 100;
  w.CellCharge = 50;
  w.Fuel = 50;
  w.SuitOxygen = 100;
  w.MinutesLeft = 60;
  return w;
}

TWorld TinyWorld() {
  TWorld w = BareWorld();
  for (int n = 1; n <= kRoomCount; ++n) {
    w.Room(n).FirstVisit = 1;
    if (n != 1) Door(w.Room(n), South, 1, true);
  }
  Door(w.Room(1), North, 2, true);
  Door(w.Room(1), East, 3, false, "klic");
  Door(w.Room(1), West, 7, true);
  TRoom& r2 = w.Room(2);
  SetItem(r2.Items[0], "klic", "klic");
  SetItem(r2.Items[1], "karta", "karta");
  SetName(r2.Fixtures[0].Name, "skrin");
  SetName(r2.Fixtures[0].KeyName, "karta");
  SetItem(r2.Fixtures[0].Items[0], "tatranka", "tatranka");
  w.Room(33).Outside = 1;
  w.Room(34).Outside = 1;
  return w;
}

std::string RoomText(int room) { return "Mistnost " + std::to_string(room) + "\r\n"; }

void InstallWorld(const TWorld& world) {
  std::filesystem::create_directories("texty");
  WriteFile("mistnosti.dat", std::string(reinterpret_cast<const char*>(&world), sizeof world));
  WriteFile("texty/m0.dat", "Intro\r\n");
  for (int n = 1; n <= kRoomCount; ++n) {
    for (const char* ext : {".dat", ".zpt"}) {
      WriteFile("texty/m" + std::to_string(n) + ext, RoomText(n));
      WriteFile("texty/m" + std::to_string(n) + "x" + ext, "Po oprave " + std::to_string(n) + "\r\n");
    }
  }
  WriteFile("texty/m32x.txt", "Nadrz plna\r\n");
  for (const auto& [name, save] : FixtureSaves(world)) {
    WriteFile(name, std::string(reinterpret_cast<const char*>(&save), sizeof save));
  }
}

std::vector<std::pair<std::string, TWorld>> FixtureSaves(const TWorld& world) {
  std::vector<std::pair<std::string, TWorld>> saves;
  TWorld w = world;
  w.CurrentRoom = 2;
  saves.emplace_back("room2.sav", w);
  w.CurrentRoom = 7;
  saves.emplace_back("room7.sav", w);
  w.CurrentRoom = 33;
  saves.emplace_back("room33.sav", w);
  w = world;
  w.CurrentRoom = 2;
  w.Health = 0.5f;
  w.MinutesLeft = 0.5f;
  saves.emplace_back("dying.sav", w);
  w = world;
  w.CurrentRoom = 2;
  w.CablesRepaired = 1;
  w.SuitWorn = 1;
  saves.emplace_back("cables.sav", w);
  w = world;
  w.CurrentRoom = 2;
  w.Fuel = 100;
  w.CellCharge = 100;
  w.GaugeReplaced = 1;
  w.CablesRepaired = 1;
  saves.emplace_back("full.sav", w);
  w = world;
  w.CurrentRoom = 32;
  w.GaugeReplaced = 1;
  w.CablesRepaired = 1;
  w.CellCharge = 100;
  w.Fuel = 80;
  SetItem(w.Slot(1), "palivo", "palivo");
  saves.emplace_back("filler.sav", w);
  return saves;
}

}  // namespace raketa::test
