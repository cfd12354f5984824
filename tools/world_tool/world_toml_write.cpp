// Writing the readable world: what `decompile` prints for mistnosti.dat or a
// saved game, laid out like data/world.toml so the two can be compared.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "encoding.h"
#include "services/meters.h"
#include "world_toml.h"

namespace raketa::worldtool {

namespace {

const char* const kExitKeys[4] = {"North", "East", "South", "West"};

std::string QuoteUtf8(std::string_view utf8) {
  std::string out = "\"";
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    // C1 controls (the code page's undefined bytes) arrive as C2 80..C2 9F.
    bool c1 = c == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) < 0xA0;
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c == 0x7F || c1) {
      unsigned code = c1 ? static_cast<unsigned char>(utf8[++i]) : c;
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04X", code);
      out += buf;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

std::string Quote(std::string_view cp1250) { return QuoteUtf8(DecodeCp1250(cp1250)); }

std::string Flag(std::uint8_t v) {
  if (v == 0) return "false";
  if (v == 1) return "true";
  return std::to_string(v);
}

std::string Item(const TItem& item) {
  if (item.Name.len == 0 && item.AltName.len == 0) return "{}";
  std::string s = "{ ";
  if (item.Name.len != 0) s += "Name = " + Quote(item.Name.view());
  if (item.AltName.view() != item.Name.view()) {
    if (item.Name.len != 0) s += ", ";
    s += "AltName = " + Quote(item.AltName.view());
  }
  return s + " }";
}

bool SlotIsBlank(const TItem& item) { return item.Name.len == 0 && item.AltName.len == 0; }

// "Key = [ ... ]" with the trailing blank slots left out; "" when all are.
// An empty slot keeps its position as {}.  (The game always empties both
// names; an AltName left behind a crafted empty Name is still written, since
// "vem " compares it.)
std::string ItemList(const char* key, const TItem* slots, int count) {
  int last = count;
  while (last > 0 && SlotIsBlank(slots[last - 1])) --last;
  if (last == 0) return "";
  std::string s = std::string(key) + " = [";
  for (int i = 0; i < last; ++i) s += (i ? ", " : "") + Item(slots[i]);
  return s + "]\n";
}

bool ExitIsBlank(const TExit& e) { return e.Target == 0 && e.KeyName.len == 0 && e.Opened == 0; }

std::string Exit(const TExit& e) {
  std::string s = "{ Target = " + std::to_string(e.Target);
  if (e.KeyName.len != 0) s += ", KeyName = " + Quote(e.KeyName.view());
  std::uint8_t dflt = (e.Target != 0 && e.KeyName.len == 0) ? 1 : 0;
  if (e.Opened != dflt) s += ", Opened = " + Flag(e.Opened);
  return s + " }";
}

// All zero, as a fixture left out of the TOML is compiled.
bool FixtureIsBlank(const TFixture& f) {
  if (f.Name.len != 0 || f.KeyName.len != 0 || f.Opened != 0) return false;
  for (const TItem& i : f.Items) {
    if (!SlotIsBlank(i)) return false;
  }
  return true;
}

std::string Fixture(const TFixture& f) {
  std::string s = "\n[[Rooms.Fixtures]]\n";
  if (f.Name.len != 0) s += "Name = " + Quote(f.Name.view()) + "\n";
  if (f.KeyName.len != 0) s += "KeyName = " + Quote(f.KeyName.view()) + "\n";
  std::uint8_t dflt = f.KeyName.len == 0 ? 1 : 0;
  if (f.Opened != dflt) s += "Opened = " + Flag(f.Opened) + "\n";
  return s + ItemList("Items", f.Items, kFixtureItemSlots);
}

}  // namespace

std::string FormatMeter(float value) {
  std::uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  // What no panel can show is kept exactly, as its bits.
  if (!std::isfinite(value) || std::fabs(value) > kPlainMeterLimit) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "{ Bits = 0x%08X }", static_cast<unsigned>(bits));
    return buf;
  }
  // The shortest decimal of the single, checked to come back through a
  // double (as the TOML reader reads it); the double's own digits otherwise.
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
  std::string text(buf, end);
  double back = 0;
  std::from_chars(text.data(), text.data() + text.size(), back);
  float again = static_cast<float>(back);
  if (std::memcmp(&again, &value, sizeof again) != 0) {
    auto [end2, ec2] = std::to_chars(buf, buf + sizeof buf, static_cast<double>(value));
    text.assign(buf, end2);
  }
  if (text.find_first_of(".en") == std::string::npos) text += ".0";
  return text;
}

std::string WriteWorldToml(const WorldSource& src) {
  const TWorld& w = src.world;
  std::string s;
  s += "[State]\n";
  s += "CurrentRoom = " + std::to_string(w.CurrentRoom) + "\n";
  s += "Health = " + FormatMeter(w.Health) + "\n";
  s += "Nourishment = " + FormatMeter(w.Nourishment) + "\n";
  s += "CellCharge = " + FormatMeter(w.CellCharge) + "\n";
  s += "Fuel = " + FormatMeter(w.Fuel) + "\n";
  s += "SuitOxygen = " + FormatMeter(w.SuitOxygen) + "\n";
  s += "MinutesLeft = " + FormatMeter(w.MinutesLeft) + "\n";
  s += "SuitWorn = " + Flag(w.SuitWorn) + "\n";
  s += "ValveClosed = " + Flag(w.ValveClosed) + "\n";
  s += "GaugeReplaced = " + Flag(w.GaugeReplaced) + "\n";
  s += "CablesRepaired = " + Flag(w.CablesRepaired) + "\n";
  s += ItemList("Inventory", w.Inventory, kInventorySlots);
  for (int n = 1; n <= kRoomCount; ++n) {
    const TRoom& r = w.Room(n);
    s += "\n[[Rooms]]\nNumber = " + std::to_string(n) + "\n";
    const std::string& map = src.mapName[static_cast<std::size_t>(n)];
    if (!map.empty()) s += "Map = " + QuoteUtf8(map) + "\n";
    s += "FirstVisit = " + Flag(r.FirstVisit) + "\n";
    if (r.Searched != 0) s += "Searched = " + Flag(r.Searched) + "\n";
    s += "Outside = " + Flag(r.Outside) + "\n";
    for (int d = 0; d < 4; ++d) {
      if (!ExitIsBlank(r.Exits[d])) s += std::string(kExitKeys[d]) + " = " + Exit(r.Exits[d]) + "\n";
    }
    s += ItemList("Items", r.Items, kRoomItemSlots);
    int last = kFixtures;
    while (last > 0 && FixtureIsBlank(r.Fixtures[last - 1])) --last;
    for (int f = 0; f < last; ++f) s += Fixture(r.Fixtures[f]);
  }
  return s;
}

}  // namespace raketa::worldtool

