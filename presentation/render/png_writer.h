// A small PNG writer for screenshots: 8-bit RGB, no interlace.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace raketa {

// The PNG file bytes for width x height pixels of R, G, B bytes.
std::vector<std::uint8_t> EncodePng(int width, int height, const std::uint8_t* rgb);
// False when the file cannot be written.
bool WritePng(const std::string& path, int width, int height, const std::uint8_t* rgb);

}  // namespace raketa
