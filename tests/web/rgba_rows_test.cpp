// The canvas gets exactly the colours the desktop window shows.
#include "presentation/web/rgba_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "presentation/render/screen_image.h"

namespace raketa {
namespace {

constexpr std::size_t kPixels = static_cast<std::size_t>(ScreenImage::kWidth) * ScreenImage::kHeight;

TEST(RgbaRows, EveryColourAsTheWindowShowsIt) {
  // All 65536 RGB 565 colours across the first 64 rows.
  std::vector<std::uint16_t> rgb565(kPixels);
  for (std::size_t i = 0; i < 65536; ++i) rgb565[i] = static_cast<std::uint16_t>(i);
  std::vector<std::uint32_t> xrgb(kPixels);
  ToXrgb8888(rgb565.data(), xrgb.data(), RowRange{0, 64});
  std::vector<std::uint8_t> rgba(kPixels * 4);
  ToRgba8888(rgb565.data(), rgba.data(), RowRange{0, 64});
  for (std::size_t i = 0; i < 65536; ++i) {
    const std::uint32_t p = xrgb[i];
    ASSERT_EQ(rgba[4 * i], (p >> 16) & 0xFF) << i;
    ASSERT_EQ(rgba[4 * i + 1], (p >> 8) & 0xFF) << i;
    ASSERT_EQ(rgba[4 * i + 2], p & 0xFF) << i;
    ASSERT_EQ(rgba[4 * i + 3], 0xFF) << i;
  }
  // Pure red and blue, so a swapped order cannot pass.
  EXPECT_GE(rgba[4 * 0xF800], 0xF8);
  EXPECT_EQ(rgba[4 * 0xF800 + 2], 0x00);
  EXPECT_EQ(rgba[4 * 0x001F], 0x00);
  EXPECT_GE(rgba[4 * 0x001F + 2], 0xF8);
}

TEST(RgbaRows, OnlyTheRowsAskedFor) {
  std::vector<std::uint16_t> rgb565(kPixels, 0xF800);
  std::vector<std::uint8_t> rgba(kPixels * 4, 7);
  ToRgba8888(rgb565.data(), rgba.data(), RowRange{10, 12});
  const std::size_t row = ScreenImage::kWidth * 4;
  EXPECT_EQ(rgba[10 * row - 1], 7);
  EXPECT_EQ(rgba[10 * row], 0xFF);
  EXPECT_EQ(rgba[12 * row - 1], 0xFF);
  EXPECT_EQ(rgba[12 * row], 7);
  ToRgba8888(rgb565.data(), rgba.data(), RowRange{5, 5});
  EXPECT_EQ(rgba[5 * row], 7);
}

// A frame that draws the same meters again leaves the canvas alone; one that
// changes two pixels puts the rows from the first to the last of them.
TEST(RgbaRows, PutsOnlyRowsThatChanged) {
  std::vector<std::uint16_t> rgb565(kPixels, 0);
  const std::vector<std::uint16_t> black(ScreenImage::kWidth, 0);
  // A new canvas is black.
  std::vector<std::uint64_t> shown(ScreenImage::kHeight, RowHash(black.data()));
  struct Step {
    const char* what;
    std::function<void()> change;
    RowRange asked;
    RowRange put;
  };
  const Step steps[] = {
      {"a black picture on a new canvas puts nothing", [] {}, {0, ScreenImage::kHeight}, {}},
      {"a colour everywhere puts every row asked for",
       [&] { std::fill(rgb565.begin(), rgb565.end(), ToRgb565(0x563412)); },
       {0, ScreenImage::kHeight},
       {0, ScreenImage::kHeight}},
      {"the same picture again", [] {}, {0, ScreenImage::kHeight}, {}},
      {"the same rows drawn again", [] {}, {640, 664}, {}},
      {"two pixels, rows apart",
       [&] {
         rgb565[300 * ScreenImage::kWidth + 5] = ToRgb565(0x5F3412);
         rgb565[310 * ScreenImage::kWidth + 1023] = 0xFFFF;
       },
       {0, ScreenImage::kHeight},
       {300, 311}},
      // The two bytes of a pixel swapped: the same bytes in another order.
      {"a pixel's bytes swapped",
       [&] { rgb565[400 * ScreenImage::kWidth + 7] = 0x3412; rgb565[400 * ScreenImage::kWidth + 8] = 0x1234; },
       {0, ScreenImage::kHeight},
       {400, 401}},
      {"the same pixels traded between neighbours",
       [&] { std::swap(rgb565[400 * ScreenImage::kWidth + 7], rgb565[400 * ScreenImage::kWidth + 8]); },
       {0, ScreenImage::kHeight},
       {400, 401}},
      {"a change outside the rows asked for waits", [&] { rgb565[700 * ScreenImage::kWidth] = 0; }, {0, 700}, {}},
      {"until they are asked for", [] {}, {0, ScreenImage::kHeight}, {700, 701}},
  };
  for (const Step& step : steps) {
    step.change();
    EXPECT_EQ(ChangedRows(rgb565.data(), shown, step.asked), step.put) << step.what;
  }
  // What is kept is what the canvas was given.
  for (int y = 0; y < ScreenImage::kHeight; ++y)
    ASSERT_EQ(shown[y], RowHash(rgb565.data() + static_cast<std::size_t>(y) * ScreenImage::kWidth)) << y;
}

}  // namespace
}  // namespace raketa
