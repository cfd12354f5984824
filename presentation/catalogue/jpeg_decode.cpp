// Decoding a JPEG picture to RGB565 with stb_image, the one decoder every
// build of the game has, so the pictures come out the same everywhere.
// stb_image decodes what is there and fills in the rest of a cut-off file, so
// the markers are walked first: a file that ends before its end-of-image
// marker is damaged and refused, as is anything stb_image cannot decode.
#include <cstddef>
#include <cstdint>
#include <string>

#define STBI_ONLY_JPEG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
// The plain C paths on every machine: the same pixels everywhere.
#define STBI_NO_SIMD
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

#include "services/catalogue.h"

namespace raketa {

namespace {

// Pictures larger than this are refused before any memory is taken.
constexpr int kMaxSide = 8192;

// "" when the markers run from start-of-image to end-of-image within the
// data, otherwise what is wrong.
std::string CheckMarkers(const unsigned char* data, std::size_t size) {
  if (size < 4 || data[0] != 0xFF || data[1] != 0xD8) return "not a JPEG file (no start-of-image marker)";
  std::size_t at = 2;
  while (at + 2 <= size) {
    if (data[at] != 0xFF) return "damaged data between segments";
    const int marker = data[at + 1];
    if (marker == 0xFF) {  // fill byte before a marker
      ++at;
      continue;
    }
    if (marker == 0xD9) return "";  // end of image
    at += 2;
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;  // markers without a length
    if (at + 2 > size) break;
    const std::size_t length = (static_cast<std::size_t>(data[at]) << 8) | data[at + 1];
    if (length < 2) return "damaged segment length";
    at += length;
    if (marker != 0xDA) continue;
    // Entropy-coded data follows a scan header, up to the next marker other
    // than a stuffed zero or a restart.
    while (at + 1 < size &&
           !(data[at] == 0xFF && data[at + 1] != 0x00 && !(data[at + 1] >= 0xD0 && data[at + 1] <= 0xD7))) {
      ++at;
    }
  }
  return "the data ends before the end of the picture (cut short)";
}

}  // namespace

namespace {

// The picture's size, or AssetError for what DecodeJpeg must refuse before
// it decodes: damaged markers, headers stb_image does not take, a size too
// large.
PictureSize CheckedSize(const unsigned char* data, std::size_t size, const std::string& who) {
  if (!data || size == 0) throw AssetError(who + "no data");
  const std::string damage = CheckMarkers(data, size);
  if (!damage.empty()) throw AssetError(who + "cannot decode JPEG: " + damage);
  const int length = size > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(size);
  int width = 0, height = 0, channels = 0;
  if (!stbi_info_from_memory(data, length, &width, &height, &channels)) {
    throw AssetError(who + "cannot decode JPEG: " + stbi_failure_reason());
  }
  if (width > kMaxSide || height > kMaxSide) {
    throw AssetError(who + "cannot decode JPEG: " + std::to_string(width) + "x" + std::to_string(height) +
                     " is too large");
  }
  return {width, height};
}

std::string Who(const char* name) { return std::string("picture '") + (name ? name : "?") + "': "; }

}  // namespace

PictureSize ReadJpegSize(const unsigned char* data, std::size_t size, const char* name) {
  return CheckedSize(data, size, Who(name));
}

DecodedPicture DecodeJpeg(const unsigned char* data, std::size_t size, const char* name) {
  const std::string who = Who(name);
  CheckedSize(data, size, who);
  const int length = size > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(size);
  int width = 0, height = 0, channels = 0;
  unsigned char* rgb = stbi_load_from_memory(data, length, &width, &height, &channels, 3);
  if (!rgb) throw AssetError(who + "cannot decode JPEG: " + stbi_failure_reason());
  DecodedPicture out;
  out.width = width;
  out.height = height;
  out.rgb565.resize(static_cast<std::size_t>(width) * height);
  for (std::size_t i = 0; i < out.rgb565.size(); ++i) {
    const unsigned char* p = rgb + i * 3;
    out.rgb565[i] = static_cast<std::uint16_t>(((p[0] >> 3) << 11) | ((p[1] >> 2) << 5) | (p[2] >> 3));
  }
  stbi_image_free(rgb);
  return out;
}

}  // namespace raketa
