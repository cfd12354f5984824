// Baseline JPEG output of a canvas.
#pragma once

#include <string>

#include "canvas.h"

namespace assets {

void WriteJpeg(const Canvas& c, const std::string& path, int quality = 90);

}  // namespace assets
