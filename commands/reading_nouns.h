// The nouns of a typed line: which things and rooms of the word table its
// words name, in any form and with or without accents, and where such a
// thing is for the player now (carried, on the floor, in a fixture).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "commands/word_forms.h"
#include "world/game.h"

namespace raketa::reading {

using Words = std::vector<std::string>;  // UTF-8 as typed; compared without accents

bool HasForm(const std::vector<std::string>& forms, const std::string& word);

// The things a part of a line names, by its last word that is a noun of
// the table.
std::vector<const NounForms*> ThingsNamed(const WordTable& t, const Words& words);
// The rooms it names; adjectives choose among rooms of one noun ("do
// ventilové komory").
std::vector<const NounForms*> RoomsNamed(const WordTable& t, const Words& words);
// The word the table does not know, for the answer.
std::string UnknownWord(const WordTable& t, const Words& words);

enum class Place { Nowhere, Carried, Floor, Fixture };

struct Found {
  Place place = Place::Nowhere;
  std::string name;  // the item's Name, code page 1250
  int fixture = 0;   // 1..3 for Place::Fixture
};

// True when the slot holds a thing of this noun.
bool Is(const TItem& item, const NounForms& n);
// Carried first, then the floor, then the fixtures of the current room.
Found Locate(const Game& g, const NounForms& n);
// The floor and the fixtures only.
Found LocateOutsideHands(const Game& g, const NounForms& n);
// The first of the named things that is here, else the first named.
std::pair<const NounForms*, Found> Nearest(const Game& g, const std::vector<const NounForms*>& named);
// A fixture (1..3) of the current room that one of the nouns names, or 0.
int FixtureNamed(const Game& g, const std::vector<const NounForms*>& named);

}  // namespace raketa::reading
