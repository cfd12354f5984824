// Which way the trip goes: out to the rocket's repairs, or back once the
// cells and the fuel are full.  The room texts differ by it (".dat" out,
// ".zpt" back); it is run-time state, never saved.
#pragma once

#include <string>

namespace raketa {

// Before the first game begins there is no trip yet, and no phase: no
// room text has one, and no typed line is read.
enum class Phase { None, Outbound, Return };

// The room texts' extension of the phase: ".dat" outbound, ".zpt" back,
// nothing before the first game.
const std::string& PhaseExtension(Phase phase);

}  // namespace raketa
