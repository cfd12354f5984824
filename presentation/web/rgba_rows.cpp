#include "presentation/web/rgba_rows.h"

#include <cstddef>

#include "presentation/render/screen_image.h"

namespace raketa {

void ToRgba8888(const std::uint32_t* xrgb, std::uint8_t* rgba, RowRange rows) {
  if (rows.Empty()) return;
  const std::size_t from = static_cast<std::size_t>(rows.first) * ScreenImage::kWidth;
  const std::size_t to = static_cast<std::size_t>(rows.last) * ScreenImage::kWidth;
  for (std::size_t i = from; i < to; ++i) {
    const std::uint32_t p = xrgb[i];
    std::uint8_t* out = rgba + 4 * i;
    out[0] = static_cast<std::uint8_t>(p >> 16);
    out[1] = static_cast<std::uint8_t>(p >> 8);
    out[2] = static_cast<std::uint8_t>(p);
    out[3] = 0xFF;
  }
}

}  // namespace raketa
