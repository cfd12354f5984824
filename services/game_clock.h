// The game's two clocks: the frame (the play step, the narration, the
// present) at most every 40 ms, 25 times a second, and the panel tick (the
// meter strip and the refills) every 10 ms.  A replay's "wait" is one frame
// period with its four panel ticks.
#pragma once

namespace raketa::game_clock {

inline constexpr int kFrameMs = 40;
inline constexpr int kPanelMs = 10;
inline constexpr int kPanelTicksPerFrame = kFrameMs / kPanelMs;

}  // namespace raketa::game_clock
