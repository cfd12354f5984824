#include "reachability.h"

#include <map>

#include "game_rules.h"

namespace raketa::worldtool {

int Reach::Obtainable(const std::string& name) const {
  int n = 0;
  for (const ItemPlace& p : items) n += (p.obtainable && p.name == name) ? 1 : 0;
  return n;
}

namespace {

void ListItems(const TWorld& w, std::vector<ItemPlace>& items) {
  for (const TItem& i : w.Inventory) {
    if (!i.Empty()) items.push_back({i.Name.str(), 0, 0, true});
  }
  for (int r = 1; r <= kRoomCount; ++r) {
    const TRoom& room = w.Room(r);
    for (const TItem& i : room.Items) {
      if (!i.Empty()) items.push_back({i.Name.str(), r, 0, false});
    }
    for (int f = 0; f < kFixtures; ++f) {
      for (const TItem& i : room.Fixtures[f].Items) {
        if (!i.Empty()) items.push_back({i.Name.str(), r, f + 1, false});
      }
    }
  }
}

}  // namespace

Reach Explore(const TWorld& w) {
  Reach reach;
  ListItems(w, reach.items);
  for (int r = 1; r <= kRoomCount; ++r) {
    for (int d = 0; d < 4; ++d) reach.doorOpen[r][d] = rules::OpensWithoutKey(r, d, w.Room(r).Exits[d]);
    for (int f = 0; f < kFixtures; ++f) reach.fixtureOpen[r][f] = w.Room(r).Fixtures[f].Opened != 0;
  }
  std::map<std::string, int> keysSpent;
  auto keysLeft = [&](const std::string& name) { return reach.Obtainable(name) - keysSpent[name]; };

  reach.room[rules::kStartRoom] = true;
  bool changed = true;
  while (changed) {
    changed = false;
    for (ItemPlace& p : reach.items) {
      bool can = p.room == 0 || (reach.room[p.room] && (p.fixture == 0 || reach.fixtureOpen[p.room][p.fixture - 1]));
      if (can && !p.obtainable) {
        p.obtainable = true;
        changed = true;
      }
    }
    reach.suit = reach.Obtainable(rules::Suit()) > 0;
    for (int r = 1; r <= kRoomCount; ++r) {
      if (!reach.room[r]) continue;
      const TRoom& room = w.Room(r);
      for (int f = 0; f < kFixtures; ++f) {
        const TFixture& fx = room.Fixtures[f];
        if (!reach.fixtureOpen[r][f] && (fx.KeyName.empty() || reach.Obtainable(fx.KeyName.str()) > 0)) {
          reach.fixtureOpen[r][f] = true;
          changed = true;
        }
      }
      for (int d = 0; d < 4; ++d) {
        const TExit& e = room.Exits[d];
        if (e.Target < 1 || e.Target > kRoomCount) continue;
        if (!reach.doorOpen[r][d] && !e.KeyName.empty() && keysLeft(e.KeyName.str()) > 0) {
          ++keysSpent[e.KeyName.str()];
          reach.doorOpen[r][d] = true;
          changed = true;
        }
        if (reach.doorOpen[r][d] && !reach.room[e.Target] && (reach.suit || !rules::HarmsWithoutSuit(w, e.Target))) {
          reach.room[e.Target] = true;
          changed = true;
        }
      }
    }
  }
  return reach;
}

}  // namespace raketa::worldtool
