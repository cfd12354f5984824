// Reading the readable world.  Strict on purpose: an unknown key, a value of
// the wrong kind or a name that does not fit its field stops the build with
// the file, line and place, so a typo never ships as a silently empty field.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string>

#include <toml++/toml.h>

#include "encoding.h"
#include "services/meters.h"
#include "world_toml.h"

namespace raketa::worldtool {

namespace {

const char* const kExitKeys[4] = {"North", "East", "South", "West"};

class Reader {
 public:
  explicit Reader(std::string file) : file_(std::move(file)) {}

  WorldSource Read(std::string_view text) {
    toml::table root;
    try {
      root = toml::parse(text, file_);
    } catch (const toml::parse_error& e) {
      throw ToolError(file_ + ":" + std::to_string(e.source().begin.line) + ": " + std::string(e.description()));
    }
    WorldSource src;
    // [Words] is the word table's (word_table.cpp); the record has no place for it.
    OnlyKeys(root, "the file", {"State", "Rooms", "Words"});
    const toml::table* state = root["State"].as_table();
    if (!state) Fail(root, "the file", "has no [State] table");
    ReadState(*state, src.world);
    if (const toml::node* rooms = root.get("Rooms")) {
      const toml::array* list = rooms->as_array();
      if (!list) Fail(*rooms, "Rooms", "must be an array of [[Rooms]] tables");
      bool seen[kRoomCount + 1] = {};
      for (const toml::node& r : *list) ReadRoom(r, src, seen);
    }
    return src;
  }

 private:
  std::string file_;

  [[noreturn]] void Fail(const toml::node& at, const std::string& where, const std::string& what) const {
    throw ToolError(file_ + ":" + std::to_string(at.source().begin.line) + ": " + where + ": " + what);
  }

  void OnlyKeys(const toml::table& t, const std::string& where, std::initializer_list<std::string_view> allowed) const {
    for (auto&& [key, value] : t) {
      bool known = false;
      for (std::string_view a : allowed) known = known || key.str() == a;
      if (!known) Fail(value, where, "unknown key '" + std::string(key.str()) + "'");
    }
  }

  const toml::table& Table(const toml::node& n, const std::string& where) const {
    const toml::table* t = n.as_table();
    if (!t) Fail(n, where, "must be a table");
    return *t;
  }

  std::int64_t Integer(const toml::node& n, const std::string& where, std::int64_t lo, std::int64_t hi) const {
    std::optional<std::int64_t> v = n.value_exact<std::int64_t>();
    if (!v) Fail(n, where, "must be an integer");
    if (*v < lo || *v > hi) {
      Fail(n, where, std::to_string(*v) + " is outside " + std::to_string(lo) + ".." + std::to_string(hi));
    }
    return *v;
  }

  // A byte flag: true/false, or the raw byte a record may hold.
  std::uint8_t Flag(const toml::node& n, const std::string& where) const {
    if (const auto* b = n.as_boolean()) return b->get() ? 1 : 0;
    if (n.is_integer()) return static_cast<std::uint8_t>(Integer(n, where, 0, 255));
    Fail(n, where, "must be true, false or a byte value");
  }

  std::uint8_t FlagOr(const toml::table& t, std::string_view key, const std::string& where, std::uint8_t dflt) const {
    const toml::node* n = t.get(key);
    return n ? Flag(*n, where + "." + std::string(key)) : dflt;
  }

  float Meter(const toml::table& t, std::string_view key, const std::string& where) const {
    const toml::node* n = t.get(key);
    std::string place = where + "." + std::string(key);
    if (!n) Fail(t, where, "needs " + std::string(key));
    // A number is what the meter panel can show; anything else (a
    // hostile save's raw value) must be written as its bits, on purpose.
    constexpr double kShowable = kPlainMeterLimit;
    const std::string within = "within +-" + std::to_string(static_cast<long long>(kShowable));
    if (const auto* d = n->as_floating_point()) {
      double v = d->get();
      if (!std::isfinite(v) || std::fabs(v) > kShowable) {
        Fail(*n, place, "must be a finite number " + within + " (a raw value is written { Bits = 0x... })");
      }
      return static_cast<float>(v);
    }
    if (n->is_integer()) {
      const std::int64_t v = *n->value<std::int64_t>();
      if (v > kShowable || v < -kShowable) Fail(*n, place, "must be " + within);
      return static_cast<float>(v);
    }
    if (const toml::table* bitsTable = n->as_table()) {
      OnlyKeys(*bitsTable, place, {"Bits"});
      const toml::node* b = bitsTable->get("Bits");
      if (!b) Fail(*n, place, "needs Bits");
      std::uint32_t bits = static_cast<std::uint32_t>(Integer(*b, place + ".Bits", 0, 0xFFFFFFFFLL));
      float f;
      std::memcpy(&f, &bits, sizeof f);
      return f;
    }
    Fail(*n, place, "must be a number");
  }

  template <int N>
  void String(const toml::node& n, const std::string& where, ShortString<N>& out) const {
    const auto* s = n.as_string();
    if (!s) Fail(n, where, "must be a string");
    Encoded e = EncodeCp1250(s->get());
    if (!e.ok) Fail(n, where, "character " + std::to_string(e.badColumn) + ": " + e.fault);
    if (e.text.size() > static_cast<std::size_t>(N)) {
      Fail(n, where, "\"" + s->get() + "\" takes " + std::to_string(e.text.size()) + " bytes, the field holds " +
                         std::to_string(N));
    }
    out.assign(e.text);
  }

  void Item(const toml::node& n, const std::string& where, TItem& item) const {
    const toml::table& t = Table(n, where);
    OnlyKeys(t, where, {"Name", "AltName"});
    item.Name.assign("");
    if (const toml::node* name = t.get("Name")) String(*name, where + ".Name", item.Name);
    if (const toml::node* alt = t.get("AltName")) {
      String(*alt, where + ".AltName", item.AltName);
    } else {
      item.AltName.assign(item.Name.view());
    }
  }

  // An array of items into the first slots; the rest stay empty.
  void ItemList(const toml::node* n, const std::string& where, TItem* slots, std::size_t count) const {
    if (!n) return;
    const toml::array* list = n->as_array();
    if (!list) Fail(*n, where, "must be an array of items");
    if (list->size() > count) {
      Fail(*n, where, std::to_string(list->size()) + " items, there are " + std::to_string(count) + " slots");
    }
    for (std::size_t i = 0; i < list->size(); ++i) Item((*list)[i], where + "[" + std::to_string(i + 1) + "]", slots[i]);
  }

  void ReadState(const toml::table& t, TWorld& w) const {
    const std::string where = "State";
    OnlyKeys(t, where, {"CurrentRoom", "Health", "Nourishment", "CellCharge", "Fuel", "SuitOxygen", "MinutesLeft",
                        "SuitWorn", "ValveClosed", "GaugeReplaced", "CablesRepaired", "Inventory"});
    w.CurrentRoom = 1;
    if (const toml::node* n = t.get("CurrentRoom")) w.CurrentRoom = static_cast<std::uint8_t>(Integer(*n, where + ".CurrentRoom", 0, 255));
    w.Health = Meter(t, "Health", where);
    w.Nourishment = Meter(t, "Nourishment", where);
    w.CellCharge = Meter(t, "CellCharge", where);
    w.Fuel = Meter(t, "Fuel", where);
    w.SuitOxygen = Meter(t, "SuitOxygen", where);
    w.MinutesLeft = Meter(t, "MinutesLeft", where);
    w.SuitWorn = FlagOr(t, "SuitWorn", where, 0);
    w.ValveClosed = FlagOr(t, "ValveClosed", where, 0);
    w.GaugeReplaced = FlagOr(t, "GaugeReplaced", where, 0);
    w.CablesRepaired = FlagOr(t, "CablesRepaired", where, 0);
    ItemList(t.get("Inventory"), where + ".Inventory", w.Inventory, kInventorySlots);
  }

  void Exit(const toml::node& n, const std::string& where, TExit& e) const {
    const toml::table& t = Table(n, where);
    OnlyKeys(t, where, {"Target", "KeyName", "Opened"});
    e.Target = 0;
    if (const toml::node* target = t.get("Target")) e.Target = static_cast<std::uint8_t>(Integer(*target, where + ".Target", 0, 255));
    e.KeyName.assign("");
    if (const toml::node* key = t.get("KeyName")) String(*key, where + ".KeyName", e.KeyName);
    e.Opened = FlagOr(t, "Opened", where, (e.Target != 0 && e.KeyName.empty()) ? 1 : 0);
  }

  void Fixture(const toml::node& n, const std::string& where, TFixture& f) const {
    const toml::table& t = Table(n, where);
    OnlyKeys(t, where, {"Name", "KeyName", "Opened", "Items"});
    f.Name.assign("");
    if (const toml::node* name = t.get("Name")) String(*name, where + ".Name", f.Name);
    f.KeyName.assign("");
    if (const toml::node* key = t.get("KeyName")) String(*key, where + ".KeyName", f.KeyName);
    f.Opened = FlagOr(t, "Opened", where, f.KeyName.empty() ? 1 : 0);
    ItemList(t.get("Items"), where + ".Items", f.Items, kFixtureItemSlots);
  }

  void ReadRoom(const toml::node& n, WorldSource& src, bool* seen) const {
    const toml::table& t = Table(n, "Rooms");
    const toml::node* number = t.get("Number");
    if (!number) Fail(n, "Rooms", "a room without Number");
    int num = static_cast<int>(Integer(*number, "Rooms.Number", 1, kRoomCount));
    std::string where = "room " + std::to_string(num);
    if (seen[num]) Fail(n, where, "is defined twice");
    seen[num] = true;
    OnlyKeys(t, where, {"Number", "Map", "FirstVisit", "Searched", "Outside", "North", "East", "South", "West", "Items", "Fixtures"});
    if (const toml::node* map = t.get("Map")) {
      const auto* s = map->as_string();
      if (!s) Fail(*map, where + ".Map", "must be a string");
      src.mapName[static_cast<std::size_t>(num)] = s->get();
    }
    TRoom& room = src.world.Room(num);
    room.FirstVisit = FlagOr(t, "FirstVisit", where, 1);
    room.Searched = FlagOr(t, "Searched", where, 0);
    room.Outside = FlagOr(t, "Outside", where, 0);
    for (int d = 0; d < 4; ++d) {
      if (const toml::node* e = t.get(kExitKeys[d])) Exit(*e, where + "." + kExitKeys[d], room.Exits[d]);
    }
    ItemList(t.get("Items"), where + ".Items", room.Items, kRoomItemSlots);
    if (const toml::node* fixtures = t.get("Fixtures")) {
      const toml::array* list = fixtures->as_array();
      if (!list) Fail(*fixtures, where + ".Fixtures", "must be an array of [[Rooms.Fixtures]] tables");
      if (list->size() > kFixtures) Fail(*fixtures, where + ".Fixtures", std::to_string(list->size()) + " fixtures, a room has 3");
      for (std::size_t i = 0; i < list->size(); ++i) {
        Fixture((*list)[i], where + ".Fixtures[" + std::to_string(i + 1) + "]", room.Fixtures[i]);
      }
    }
  }
};

}  // namespace

WorldSource ReadWorldToml(std::string_view text, const std::string& file) { return Reader(file).Read(text); }

}  // namespace raketa::worldtool
