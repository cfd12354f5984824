#include "support/broken_records.h"

#include <cmath>
#include <cstring>

#include "world/files.h"

namespace raketa::test {

std::size_t RoomAt(int n) { return offsetof(TWorld, Rooms) + (n - 1) * sizeof(TRoom); }
std::size_t ExitAt(int room, Direction d) { return RoomAt(room) + offsetof(TRoom, Exits) + d * sizeof(TExit); }
std::size_t FixtureAt(int room, int f) {
  return RoomAt(room) + offsetof(TRoom, Fixtures) + (f - 1) * sizeof(TFixture);
}

void Put(std::string& s, std::size_t offset, unsigned char v) { s[offset] = static_cast<char>(v); }
void PutFloat(std::string& s, std::size_t offset, float v) { std::memcpy(s.data() + offset, &v, sizeof v); }

std::vector<FileCase> BrokenFiles(const std::string& good) {
  std::vector<FileCase> cases = {
      {"empty", "", io::ReadBeyondEnd},
      {"one byte", std::string(1, '\x01'), io::ReadBeyondEnd},
      {"one byte short", good.substr(0, kWorldSize - 1), io::ReadBeyondEnd},
      {"one byte long", good + "\x07", 0},
      {"two records", good + std::string(kWorldSize, '\xFF'), 0},
  };
  struct Field {
    const char* name;
    std::size_t offset;
    int capacity;
  };
  const Field strings[] = {
      {"carried 1 name", offsetof(TWorld, Inventory), 30},
      {"carried 4 alt name", offsetof(TWorld, Inventory) + 3 * sizeof(TItem) + offsetof(TItem, AltName), 30},
      {"room 1 north key", ExitAt(1, North), 30},
      {"room 36 west key", ExitAt(36, West), 30},
      {"room 2 item 1 name", RoomAt(2) + offsetof(TRoom, Items), 30},
      {"room 2 item 10 alt name", RoomAt(2) + offsetof(TRoom, Items) + 9 * sizeof(TItem) + offsetof(TItem, AltName),
       30},
      {"room 2 fixture 1 name", FixtureAt(2, 1), 50},
      {"room 36 fixture 3 name", FixtureAt(36, 3), 50},
      {"room 2 fixture 1 key", FixtureAt(2, 1) + offsetof(TFixture, KeyName), 30},
      {"room 2 fixture 1 item 3 name", FixtureAt(2, 1) + offsetof(TFixture, Items) + 2 * sizeof(TItem), 30},
  };
  for (const Field& f : strings) {
    for (int len : {f.capacity, f.capacity + 1, 255}) {
      std::string s = good;
      Put(s, f.offset, static_cast<unsigned char>(len));
      cases.push_back({std::string(f.name) + " length " + std::to_string(len), s,
                       len > f.capacity ? io::InvalidRecord : 0});
    }
  }
  const Field rooms[] = {
      {"current room", offsetof(TWorld, CurrentRoom), 0},
      {"room 1 north target", ExitAt(1, North) + offsetof(TExit, Target), 0},
      {"room 36 west target", ExitAt(36, West) + offsetof(TExit, Target), 0},
  };
  for (const Field& f : rooms) {
    for (int n : {0, 36, 37, 255}) {
      std::string s = good;
      Put(s, f.offset, static_cast<unsigned char>(n));
      // A target 0 is a wall; room 0 is nowhere.
      bool fits = n <= kRoomCount && (n > 0 || f.offset != offsetof(TWorld, CurrentRoom));
      cases.push_back({std::string(f.name) + " " + std::to_string(n), s, fits ? 0 : io::InvalidRecord,
                       f.offset == offsetof(TWorld, CurrentRoom)});
    }
  }
  for (std::size_t meter = offsetof(TWorld, Health); meter <= offsetof(TWorld, MinutesLeft); meter += 4) {
    std::string s = good;
    PutFloat(s, meter, std::nanf(""));
    cases.push_back({"meter at " + std::to_string(meter) + " not a number", s, io::InvalidRecord});
  }
  return cases;
}

}  // namespace raketa::test
