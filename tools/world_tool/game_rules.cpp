#include "game_rules.h"

#include "services/cp1250.h"

namespace raketa::worldtool::rules {

std::string Suit() { return W(items::kSuit); }
std::string Gauge() { return W(items::kGauge); }
std::string Tape() { return W(items::kTape); }
std::string Fuel() { return W(items::kFuel); }
std::string Cell() { return W(items::kCell); }

std::vector<std::string> UseTableNames() {
  std::vector<std::string> names;
  for (const char* n : items::kUseTable) names.push_back(W(n));
  return names;
}

bool Harmful(const TWorld& w, int room) {
  if (room == kLeakRoom) return true;
  return w.Room(room).Outside != 0 && room != kShelterRoom;
}

bool OpensWithoutKey(int room, int direction, const TExit& e) {
  return e.Opened != 0 || (room == kFillerRoom && direction == North);
}

float MeterStep(float meter) {
  volatile float next = meter + 25.0f;  // stored as a single, as the game does
  return next > 90.0f ? 100.0f : next;
}

int UsesToFill(float meter, int available) {
  int uses = 0;
  while (meter < 100.0f) {
    if (available >= 0 && uses == available) return -1;
    meter = MeterStep(meter < 0 ? 0.0f : meter);
    ++uses;
  }
  return uses;
}

}  // namespace raketa::worldtool::rules
