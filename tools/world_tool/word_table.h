// The table of word forms that ships beside mistnosti.dat (slova.txt): every
// name the world gives an item or a fixture, each room's noun and the words
// of the [Words] table of world.toml, in all their forms from the Czech
// dictionary.  The game reads it to understand "vezmi přístupovou kartu" or
// "jdi do šatny", and to answer "Kartu tu nevidím.".
//
// One entry a line, UTF-8, fields split by tabs, forms by blanks:
//   thing   NOUN  ACCUSATIVE  FORMS  ADJECTIVE-FORMS
//   room    N     NOUN  ACCUSATIVE  FORMS  ADJECTIVE-FORMS
//   target  ITEM  NOUN
// A thing is an item or a fixture (the world names both); a target is a
// thing an item acts on ("izolačka" on "kabel").
#pragma once

#include <string>
#include <string_view>

#include "dictionary.h"
#include "world_source.h"

namespace raketa::worldtool {

// The table for the world read from `tomlText` (its [Words] table, if any,
// and its names).  Throws ToolError for a [Words] table it cannot take.
std::string WordTable(std::string_view tomlText, const std::string& file, const WorldSource& src,
                      const Dictionary& dictionary);

}  // namespace raketa::worldtool
