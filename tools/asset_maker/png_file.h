// PNG output of a canvas with an opacity per pixel (for the icons).
#pragma once

#include <string>
#include <vector>

#include "canvas.h"

namespace assets {

void WritePng(const Canvas& c, const std::vector<float>& alpha, const std::string& path);

}  // namespace assets
