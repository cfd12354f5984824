// The one world record.  Its memory image is the file format of
// mistnosti.dat and of every save game, byte for byte, so the layout is fixed
// and checked at compile time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "world/short_string.h"

namespace raketa {

constexpr int kRoomCount = 36;
constexpr int kInventorySlots = 4;
constexpr int kRoomItemSlots = 10;
constexpr int kFixtures = 3;
constexpr int kFixtureItemSlots = 3;
constexpr std::size_t kWorldSize = 56512;

enum Direction { North = 0, East = 1, South = 2, West = 3 };

#pragma pack(push, 1)

struct TItem {
  ShortString<30> Name;
  ShortString<30> AltName;

  bool Empty() const { return Name.len == 0; }
  void Clear() {
    Name.clear();
    AltName.clear();
  }
};

struct TExit {
  ShortString<30> KeyName;
  std::uint8_t Opened;
  std::uint8_t Target;  // 0 = no door
};

struct TFixture {
  ShortString<50> Name;
  ShortString<30> KeyName;
  std::uint8_t Opened;
  TItem Items[kFixtureItemSlots];
};

struct TRoom {
  std::uint8_t FirstVisit;
  std::uint8_t Searched;
  std::uint8_t Outside;
  TExit Exits[4];  // north, east, south, west
  TItem Items[kRoomItemSlots];
  TFixture Fixtures[kFixtures];
};

struct TWorld {
  std::uint8_t CurrentRoom;
  std::uint8_t Padding[3];
  float Health;
  float Nourishment;
  float CellCharge;
  float Fuel;
  float SuitOxygen;
  float MinutesLeft;
  std::uint8_t SuitWorn;
  std::uint8_t ValveClosed;
  std::uint8_t GaugeReplaced;
  std::uint8_t CablesRepaired;
  TItem Inventory[kInventorySlots];
  TRoom Rooms[kRoomCount];

  // Rooms are numbered 1..36.  The loader guarantees CurrentRoom and every
  // Target lie in range; the clamp only keeps a broken invariant from
  // reading outside the record.
  TRoom& Room(int n) { return Rooms[ClampRoom(n) - 1]; }
  const TRoom& Room(int n) const { return Rooms[ClampRoom(n) - 1]; }
  TRoom& Current() { return Room(CurrentRoom); }
  const TRoom& Current() const { return Room(CurrentRoom); }
  TItem& Slot(int k) { return Inventory[k - 1]; }

  static int ClampRoom(int n) { return n < 1 ? 1 : (n > kRoomCount ? kRoomCount : n); }
};

#pragma pack(pop)

static_assert(sizeof(ShortString<30>) == 31);
static_assert(sizeof(ShortString<50>) == 51);
static_assert(sizeof(TItem) == 62);
static_assert(offsetof(TItem, AltName) == 31);
static_assert(sizeof(TExit) == 33);
static_assert(offsetof(TExit, Opened) == 31);
static_assert(offsetof(TExit, Target) == 32);
static_assert(sizeof(TFixture) == 269);
static_assert(offsetof(TFixture, KeyName) == 51);
static_assert(offsetof(TFixture, Opened) == 82);
static_assert(offsetof(TFixture, Items) == 83);
static_assert(sizeof(TRoom) == 1562);
static_assert(offsetof(TRoom, Searched) == 1);
static_assert(offsetof(TRoom, Outside) == 2);
static_assert(offsetof(TRoom, Exits) == 3);
static_assert(offsetof(TRoom, Items) == 135);
static_assert(offsetof(TRoom, Fixtures) == 755);
static_assert(sizeof(TWorld) == kWorldSize);
static_assert(offsetof(TWorld, Health) == 4);
static_assert(offsetof(TWorld, Nourishment) == 8);
static_assert(offsetof(TWorld, CellCharge) == 12);
static_assert(offsetof(TWorld, Fuel) == 16);
static_assert(offsetof(TWorld, SuitOxygen) == 20);
static_assert(offsetof(TWorld, MinutesLeft) == 24);
static_assert(offsetof(TWorld, SuitWorn) == 28);
static_assert(offsetof(TWorld, ValveClosed) == 29);
static_assert(offsetof(TWorld, GaugeReplaced) == 30);
static_assert(offsetof(TWorld, CablesRepaired) == 31);
static_assert(offsetof(TWorld, Inventory) == 32);
static_assert(offsetof(TWorld, Rooms) == 280);
static_assert(sizeof(float) == 4);

// Checks the invariants a loaded record must hold before it may replace the
// world: CurrentRoom in 1..36, every Target in 0..36, every string length
// within its capacity.  Returns an empty string when the record is sound,
// otherwise a short description of the first fault.
std::string CheckWorldRecord(const TWorld& w);

}  // namespace raketa
