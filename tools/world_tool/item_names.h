// How players type item names: in the accusative ("vem kartu") and often on
// a keyboard without Czech letters.  A name with diacritics spends its
// AltName on the plain spelling ("klicek" for "klíček"); a plain name is free
// to spend it on the accusative, which for a noun in -a ends in -u.
#pragma once

#include <string>
#include <string_view>

namespace raketa::worldtool {

// The name without diacritics, letter for letter (code page 1250 in and out).
std::string PlainSpelling(std::string_view cp1250);

// The accusative of a plain a-stem noun ("karta" gives "kartu"); any other
// name is its own accusative.
std::string Accusative(std::string_view name);

}  // namespace raketa::worldtool
