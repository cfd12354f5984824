// The sixteen sound cues of the cue list DXWaveList1, by index; the list
// itself is services/asset_list.inc.
#pragma once

namespace raketa {

enum class Cue : int {
#define RAKETA_CUE(id, name, looped, rate, bits, channels, seconds) id,
#include "services/asset_list.inc"
};

constexpr int kCueCount = 0
#define RAKETA_CUE(id, name, looped, rate, bits, channels, seconds) +1
#include "services/asset_list.inc"
    ;

// The cue's name in the list ("unik paliva" with its blank).
const char* CueName(Cue c);
// Looped cues repeat until stopped.
bool CueLooped(Cue c);

}  // namespace raketa
