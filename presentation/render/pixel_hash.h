// A short fingerprint of a picture, for the replay trace: FNV-1a (64 bits)
// over the pixels' bytes as given, so that the same picture gives the same
// number in every build.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace raketa {

std::uint64_t PixelHash(const std::uint8_t* bytes, std::size_t size);

// Sixteen lower-case hex digits.
std::string HashHex(std::uint64_t hash);

}  // namespace raketa
