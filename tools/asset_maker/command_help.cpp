// The printed command help: what the player can type, each with an example.
#include <string>
#include <vector>

#include "services/screen_layout.h"
#include "pozadi_parts.h"
#include "text.h"

namespace assets {

namespace {

struct HelpEntry {
  const char* command;
  const char* meaning;
  const char* example;
};

// The directions and verbs need no diacritics; a thing may be named as
// the player would say it.
const std::vector<HelpEntry> kEntries = {
    {"sever, jih, vychod, zapad", "jdi daným směrem", "jih"},
    {"prohledej místnost", "co tu leží", "prohledej místnost"},
    {"vem …", "vezmi předmět", "vem klíč"},
    {"použij …", "použij předmět", "použij tatranku"},
    {"odloz …", "polož předmět", "odloz klíč"},
    {"zastav ventil, otevri ventil", "zavři, otevři ventil", "zastav ventil"},
};

}  // namespace

void CommandHelp(Canvas& c) {
  using namespace raketa::screen;
  const int left = kHelpLeft, right = kHelpRight, top = kHelpTop;
  Font title(17, true), command(14, true), note(12, false, true);
  const int row = 44;
  const int bottom = top + 40 + row * static_cast<int>(kEntries.size()) + 6;

  // A dark glass card with a thin frame.
  Sdf card = RoundRect(left, top, right, bottom, 10.f);
  c.Fill({left - 2, top - 2, right + 2, bottom + 2}, card, [&](float, float y) {
    return Mix(Hex(0x0d1a2c), Hex(0x070d18), (y - top) / (bottom - top));
  }, 0.82f);
  c.Fill({left - 2, top - 2, right + 2, bottom + 2}, Outline(card, 0.8f), Hex(0x4f7fa6), 0.9f);

  int tw = title.Width("PŘÍKAZY");
  DrawText(c, title, "PŘÍKAZY", (left + right - tw) / 2, top + 7, Hex(0xffcf5a));
  c.Fill({left, top + 30, right, top + 34}, Capsule(left + 16, top + 32, right - 16, top + 32, 0.6f),
         Hex(0x4f7fa6), 0.8f);

  int y = top + 40;
  for (const HelpEntry& e : kEntries) {
    DrawText(c, command, e.command, left + 14, y, Hex(0xbfefff));
    int x = left + 22;
    x += DrawText(c, note, std::string(e.meaning) + ",  např.: ", x, y + 20, Hex(0x8fa3b8));
    DrawText(c, note, e.example, x, y + 20, Hex(0xe8e2a0));
    y += row;
  }
}

}  // namespace assets
