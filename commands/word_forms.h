// The word forms of the world's nouns, from slova.txt beside mistnosti.dat
// (made by raketa-world from the world and the Czech dictionary), and the
// names the world record itself holds.  A world without the file (a test's
// small world, an old data folder) still has every name in its own form.
#pragma once

#include <string>
#include <vector>

#include "services/game_files.h"
#include "world/world_record.h"

namespace raketa {

// A noun with its forms; everything UTF-8 and lower case.
struct NounForms {
  std::string name;        // as the world names it: an item's or fixture's Name, a room's noun
  std::string accusative;  // for answers: "Kartu tu nevidím."
  std::vector<std::string> forms;
  std::vector<std::string> adjectives;  // forms of the adjectives that may stand before it
  int room = 0;                         // the room a room noun names
  bool declined = false;                // the forms come from the dictionary, not the name alone
};

struct WordTable {
  std::vector<NounForms> things;  // items and fixtures, and what the repairs act on
  std::vector<NounForms> rooms;
  // Item name and the noun of what it acts on ("izolačka", "kabel").
  std::vector<std::pair<std::string, std::string>> targets;

  const NounForms* Thing(const std::string& name) const;
};

// Letters without their accents ("minerálku" gives "mineralku"): what a
// player types on any keyboard is compared this way.
std::string PlainLetters(const std::string& utf8);

// The table for `world`: slova.txt from the game's data folder, then every
// name of the world that the file does not know, with only its own form.
WordTable LoadWordTable(GameFiles& files, const TWorld& world);

}  // namespace raketa
