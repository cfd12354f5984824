#include "presentation/render/pixel_hash.h"

namespace raketa {

std::uint64_t PixelHash(const std::uint8_t* bytes, std::size_t size) {
  std::uint64_t h = 0xcbf29ce484222325ull;  // FNV-1a offset basis
  for (std::size_t i = 0; i < size; ++i) {
    h ^= bytes[i];
    h *= 0x100000001b3ull;  // FNV prime
  }
  return h;
}

std::string HashHex(std::uint64_t hash) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex(16, '0');
  for (int i = 15; i >= 0; --i, hash >>= 4) hex[static_cast<std::size_t>(i)] = kDigits[hash & 0xF];
  return hex;
}

}  // namespace raketa
