#include "game_rules.h"

#include "commands/use_table.h"
#include "services/cp1250.h"
#include "world/meter_rules.h"
#include "world/room_rules.h"

namespace raketa::worldtool::rules {

std::string Suit() { return W(items::kSuit); }
std::string Gauge() { return W(items::kGauge); }
std::string Tape() { return W(items::kTape); }
std::string Fuel() { return W(items::kFuel); }
std::string Cell() { return W(items::kCell); }

std::vector<std::string> UseTableNames() { return UseTableItems(); }

bool OpensWithoutKey(int room, int direction, const TExit& e) {
  return e.Opened != 0 || OpensWhenTried(room, direction);
}

int UsesToFill(float meter, int available) {
  int uses = 0;
  while (meter < 100.0f) {
    if (available >= 0 && uses == available) return -1;
    // The panel tick lifts a meter below 0 to 0 before the next use.
    meter = FillStep(meter < 0 ? 0.0f : meter);
    ++uses;
  }
  return uses;
}

}  // namespace raketa::worldtool::rules
