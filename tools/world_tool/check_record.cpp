// The parts of the check that need no search: each field on its own.
#include <cmath>
#include <cstdio>

#include "encoding.h"
#include "game_rules.h"
#include "item_names.h"
#include "services/cp1250.h"
#include "world_check.h"

namespace raketa::worldtool {

namespace {

const char* const kDirectionWords[4] = {"north", "east", "south", "west"};

// "prohledej " and "prozkoumej " before a fixture name, in a command line of
// at most 50 characters.
constexpr std::size_t kCommandLine = 50;
constexpr std::size_t kSearchVerb = 10;
constexpr std::size_t kExamineVerb = 11;

std::string Show(std::string_view cp1250) { return "'" + DecodeCp1250(cp1250) + "'"; }

bool LowerCase(std::string_view s) {
  for (char c : s) {
    if (LowerCp1250(static_cast<unsigned char>(c)) != static_cast<unsigned char>(c)) return false;
  }
  return true;
}

bool Ascii(std::string_view s) {
  for (char c : s) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

bool HasControl(std::string_view s) {
  for (char c : s) {
    unsigned char b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F) return true;
  }
  return false;
}

// A name the player must type: lower case (the command line lowers what is
// typed), no control characters, no blanks at the ends.
void CheckTypedName(std::string_view name, const std::string& place, Diagnostics& d) {
  if (!LowerCase(name)) d.Error(place + " " + Show(name) + " has a capital letter; the command line types only lower case");
  if (HasControl(name)) d.Error(place + " " + Show(name) + " holds a control character");
  if (!name.empty() && (name.front() == ' ' || name.back() == ' ')) d.Warning(place + " " + Show(name) + " begins or ends with a blank");
}

// Every item can be typed on any keyboard and in the form players use: a
// name with diacritics keeps its plain spelling as AltName, a plain a-stem
// noun its accusative ("vem kartu"); the use table and the locks compare the
// Name only, so the AltName is free for this.
void CheckItem(const TItem& item, const std::string& place, Diagnostics& d) {
  if (item.Empty()) return;
  const std::string_view name = item.Name.view(), alt = item.AltName.view();
  CheckTypedName(name, place + " item", d);
  CheckTypedName(alt, place + " item " + Show(name) + " AltName", d);
  const std::string where = place + " item " + Show(name);
  if (!Ascii(name)) {
    const std::string plain = PlainSpelling(name);
    if (alt != plain) d.Error(where + " needs an AltName without diacritics, " + Show(plain) + " (now " + Show(alt) + ")");
    return;
  }
  if (!Ascii(alt)) {
    d.Error(where + " AltName " + Show(alt) + " has diacritics; a plain name keeps a plain AltName");
  } else if (alt == name && Accusative(name) != name) {
    d.Warning(where + ": players type " + Show("vem " + Accusative(name)) + "; make " + Show(Accusative(name)) +
              " its AltName");
  }
}

void CheckMeter(float v, const char* name, float lo, Diagnostics& d) {
  if (!std::isfinite(v) || v < lo || v > 100.0f) {
    char buf[160];
    std::snprintf(buf, sizeof buf, "State.%s is %g; it must lie in %g..100", name, static_cast<double>(v), static_cast<double>(lo));
    d.Error(buf);
  }
}

void CheckState(const TWorld& w, Diagnostics& d) {
  if (w.CurrentRoom < 1 || w.CurrentRoom > kRoomCount) d.Error("State.CurrentRoom is " + std::to_string(w.CurrentRoom) + "; rooms are 1..36");
  CheckMeter(w.Health, "Health", 1.0f, d);
  CheckMeter(w.Nourishment, "Nourishment", 0.0f, d);
  CheckMeter(w.CellCharge, "CellCharge", 0.0f, d);
  CheckMeter(w.Fuel, "Fuel", 0.0f, d);
  CheckMeter(w.SuitOxygen, "SuitOxygen", 0.0f, d);
  if (!std::isfinite(w.MinutesLeft) || w.MinutesLeft < 1.0f) d.Error("State.MinutesLeft is below 1: the rocket falls in the first frame");
  if (w.Nourishment < 2.0f) d.Warning("State.Nourishment below 2 costs health in every frame");
  if (w.Fuel == 100.0f && w.CellCharge == 100.0f) d.Error("State: Fuel and CellCharge both 100 begin the return phase at once");
}

void CheckRoles(const WorldSource& src, Diagnostics& d) {
  const TWorld& w = src.world;
  for (int n : {rules::kCableRoom, rules::kShelterRoom}) {
    if (w.Room(n).Outside == 0) d.Error(src.RoomLabel(n) + " must lie outside (Outside = true)");
  }
  for (int n : {rules::kStartRoom, rules::kLeakRoom, rules::kValveRoom, rules::kCellRoom, rules::kShaftRoom, rules::kFillerRoom}) {
    if (w.Room(n).Outside != 0) d.Error(src.RoomLabel(n) + " must lie inside the rocket (Outside = false)");
  }
}

void CheckRoom(const WorldSource& src, int n, Diagnostics& d) {
  const TRoom& r = src.world.Room(n);
  const std::string label = src.RoomLabel(n);
  for (int dir = 0; dir < 4; ++dir) {
    const TExit& e = r.Exits[dir];
    std::string place = label + " exit " + kDirectionWords[dir];
    if (e.Target > kRoomCount) d.Error(place + " leads to room " + std::to_string(e.Target) + "; rooms are 1..36");
    CheckTypedName(e.KeyName.view(), place + " KeyName", d);
  }
  for (int i = 0; i < kRoomItemSlots; ++i) CheckItem(r.Items[i], label + " floor slot " + std::to_string(i + 1), d);
  for (int f = 0; f < kFixtures; ++f) {
    const TFixture& fx = r.Fixtures[f];
    std::string place = label + " fixture " + std::to_string(f + 1);
    bool used = !fx.KeyName.empty() || fx.Opened != 0;
    for (const TItem& i : fx.Items) used = used || !i.Empty();
    if (!used && fx.Name.empty()) continue;
    CheckTypedName(fx.Name.view(), place, d);
    // A fixture has one name only: the plain spelling is the one any keyboard
    // types.
    if (!Ascii(fx.Name.view())) {
      d.Error(place + " " + Show(fx.Name.view()) + " has diacritics; name it " + Show(PlainSpelling(fx.Name.view())) +
              " so that any keyboard types it");
    }
    CheckTypedName(fx.KeyName.view(), place + " KeyName", d);
    if (fx.Name.empty()) d.Warning(place + " has no name; only \"prohledej \" with a trailing blank names it");
    if (fx.Name.len + kSearchVerb > kCommandLine) {
      d.Error(place + " " + Show(fx.Name.view()) + " is " + std::to_string(fx.Name.len) +
              " characters; \"prohledej \" and the name must fit the 50 of the command line");
    } else if (fx.Name.len + kExamineVerb > kCommandLine) {
      d.Warning(place + " " + Show(fx.Name.view()) + " is too long to type after \"prozkoumej \"");
    }
    for (int j = 0; j < kFixtureItemSlots; ++j) CheckItem(fx.Items[j], place + " slot " + std::to_string(j + 1), d);
  }
}

}  // namespace

void CheckRecord(const WorldSource& src, Diagnostics& d) {
  const TWorld& w = src.world;
  std::string invariant = CheckWorldRecord(w);
  if (!invariant.empty()) d.Error("the game would refuse this record: " + invariant);
  CheckState(w, d);
  CheckRoles(src, d);
  for (int k = 0; k < kInventorySlots; ++k) CheckItem(w.Inventory[k], "State.Inventory slot " + std::to_string(k + 1), d);
  for (int n = 1; n <= kRoomCount; ++n) CheckRoom(src, n, d);
}

}  // namespace raketa::worldtool
