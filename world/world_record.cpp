#include "world/world_record.h"

#include <cmath>
#include <cstdio>

namespace raketa {

namespace {

template <int N>
bool Fits(const ShortString<N>& s) {
  return s.len <= N;
}

std::string Format(const char* fmt, int a, int b = 0, int c = 0) {
  char buf[128];
  std::snprintf(buf, sizeof buf, fmt, a, b, c);
  return buf;
}

bool ItemFits(const TItem& item) { return Fits(item.Name) && Fits(item.AltName); }

}  // namespace

std::string CheckWorldRecord(const TWorld& w) {
  if (w.CurrentRoom < 1 || w.CurrentRoom > kRoomCount) {
    return Format("the current room is %d, not 1 to 36", w.CurrentRoom);
  }
  const float meters[] = {w.Health, w.Nourishment, w.CellCharge, w.Fuel, w.SuitOxygen, w.MinutesLeft};
  for (int m = 0; m < 6; ++m) {
    // A meter that is not a number can neither fall nor end the game.
    if (std::isnan(meters[m])) return Format("meter %d is not a number", m + 1);
  }
  for (int k = 0; k < kInventorySlots; ++k) {
    if (!ItemFits(w.Inventory[k])) return Format("carried item %d has a name longer than 30", k + 1);
  }
  for (int r = 0; r < kRoomCount; ++r) {
    const TRoom& room = w.Rooms[r];
    for (int e = 0; e < 4; ++e) {
      const TExit& exit = room.Exits[e];
      if (exit.Target > kRoomCount) {
        return Format("room %d, exit %d leads to room %d", r + 1, e + 1, exit.Target);
      }
      if (!Fits(exit.KeyName)) return Format("room %d, exit %d has a key name longer than 30", r + 1, e + 1);
    }
    for (int i = 0; i < kRoomItemSlots; ++i) {
      if (!ItemFits(room.Items[i])) return Format("room %d, item %d has a name longer than 30", r + 1, i + 1);
    }
    for (int f = 0; f < kFixtures; ++f) {
      const TFixture& fx = room.Fixtures[f];
      if (!Fits(fx.Name)) return Format("room %d, fixture %d has a name longer than 50", r + 1, f + 1);
      if (!Fits(fx.KeyName)) return Format("room %d, fixture %d has a key name longer than 30", r + 1, f + 1);
      for (int j = 0; j < kFixtureItemSlots; ++j) {
        if (!ItemFits(fx.Items[j])) {
          return Format("room %d, fixture %d, item %d has a name longer than 30", r + 1, f + 1, j + 1);
        }
      }
    }
  }
  return {};
}

}  // namespace raketa
