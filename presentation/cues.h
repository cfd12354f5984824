// The sixteen sound cues of the cue list DXWaveList1, by index.
#pragma once

namespace raketa {

enum class Cue : int {
  pozadi = 0,   // hum inside the rocket (looped)
  kroky,        // footsteps
  klik,         // typewriter click
  radek,        // unused by the game
  ok,           // confirmation
  chyba,        // error buzz
  zavrene,      // locked door
  dopln,        // refilling, eating, treating
  dychani,      // breathing in the suit (looped)
  venku,        // outside ambience (looped)
  mrtvy,        // death
  unik_paliva,  // fuel leak (looped); list name "unik paliva"
  ventil,       // valve turned
  sirena,       // alarm once the rocket has shifted (looped)
  rychle,       // hurried footsteps
  logo,         // title jingle, crash and win
};

constexpr int kCueCount = 16;

// The cue's name in the list ("unik paliva" with its blank).
const char* CueName(Cue c);
// Looped cues repeat until stopped.
bool CueLooped(Cue c);

}  // namespace raketa
