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

// FNV-1a over four pixels at a time: a frame hashes the meter strip's rows
// every time, and a byte at a time took a quarter of the idle page's work.
std::uint64_t RowHash(const std::uint16_t* row) {
  static_assert(ScreenImage::kWidth % 4 == 0);
  std::uint64_t h = 14695981039346656037ull;
  for (int x = 0; x < ScreenImage::kWidth; x += 4) {
    std::uint64_t four;
    std::memcpy(&four, row + x, sizeof four);
    h = (h ^ four) * 1099511628211ull;
  }
  return h;
}

RowRange ChangedRows(const std::uint16_t* rgb565, std::vector<std::uint64_t>& shown, RowRange rows) {
  RowRange changed;
  for (int y = rows.first; y < rows.last; ++y) {
    const std::uint64_t h = RowHash(rgb565 + static_cast<std::size_t>(y) * ScreenImage::kWidth);
    if (h == shown[y]) continue;
    shown[y] = h;
    changed.Add(RowRange{y, y + 1});
  }
  return changed;
}

}  // namespace raketa
