#include "presentation/web/rgba_rows.h"

#include <cstddef>
#include <cstring>

#include "presentation/render/screen_image.h"

namespace raketa {

void ToRgba8888(const std::uint16_t* rgb565, std::uint8_t* rgba, RowRange rows) {
  if (rows.Empty()) return;
  const std::size_t from = static_cast<std::size_t>(rows.first) * ScreenImage::kWidth;
  const std::size_t to = static_cast<std::size_t>(rows.last) * ScreenImage::kWidth;
  for (std::size_t i = from; i < to; ++i) {
    const std::uint32_t p = Rgb565ToXrgb(rgb565[i]);
    std::uint8_t* out = rgba + 4 * i;
    out[0] = static_cast<std::uint8_t>(p >> 16);
    out[1] = static_cast<std::uint8_t>(p >> 8);
    out[2] = static_cast<std::uint8_t>(p);
    out[3] = 0xFF;
  }
}

RowRange UpdateRgba8888(const std::uint16_t* rgb565, std::uint8_t* rgba, RowRange rows) {
  constexpr std::size_t kRowBytes = static_cast<std::size_t>(ScreenImage::kWidth) * 4;
  std::uint8_t row[kRowBytes];
  RowRange changed;
  for (int y = rows.first; y < rows.last; ++y) {
    const std::size_t at = static_cast<std::size_t>(y) * ScreenImage::kWidth;
    ToRgba8888(rgb565 + at, row, RowRange{0, 1});
    std::uint8_t* shown = rgba + 4 * at;
    if (std::memcmp(row, shown, kRowBytes) == 0) continue;
    std::memcpy(shown, row, kRowBytes);
    changed.Add(RowRange{y, y + 1});
  }
  return changed;
}

}  // namespace raketa
