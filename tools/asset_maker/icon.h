// The game's icon for the desktop's menu: the rocket, nose up and leaning,
// over a dark round patch of starry sky with the cliff's edge below.
#pragma once

#include <cstdint>
#include <vector>

#include "canvas.h"

namespace assets {

// size x size pixels; outside the round patch the icon is transparent.
Canvas PaintIcon(int size);
// The opacity of each pixel of an icon of that size (0..1, rows of size).
std::vector<float> IconCoverage(int size);

}  // namespace assets
