// The canvas gets exactly the colours the desktop window shows.
#include "presentation/web/rgba_rows.h"

#include <gtest/gtest.h>

#include <functional>
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
TEST(RgbaRows, UpdatesOnlyRowsThatCameOutDifferent) {
  std::vector<std::uint16_t> rgb565(kPixels, ToRgb565(0x563412));
  std::vector<std::uint8_t> shown(kPixels * 4, 0);
  const std::size_t row = ScreenImage::kWidth * 4;
  struct Step {
    const char* what;
    std::function<void()> change;
    RowRange asked;
    RowRange put;
  };
  const Step steps[] = {
      {"a blank canvas takes every row asked for", [] {}, {0, ScreenImage::kHeight}, {0, ScreenImage::kHeight}},
      {"the same picture again", [] {}, {0, ScreenImage::kHeight}, {}},
      {"the same rows drawn again", [] {}, {640, 664}, {}},
      {"two pixels, rows apart",
       [&] {
         rgb565[300 * ScreenImage::kWidth + 5] = ToRgb565(0x5F3412);
         rgb565[310 * ScreenImage::kWidth + 1023] = 0xFFFF;
       },
       {0, ScreenImage::kHeight},
       {300, 311}},
      {"a change outside the rows asked for waits", [&] { rgb565[700 * ScreenImage::kWidth] = 0; }, {0, 700}, {}},
      {"until they are asked for", [] {}, {0, ScreenImage::kHeight}, {700, 701}},
  };
  for (const Step& step : steps) {
    step.change();
    EXPECT_EQ(UpdateRgba8888(rgb565.data(), shown.data(), step.asked), step.put) << step.what;
  }
  // What is kept is what the canvas was given.
  std::vector<std::uint8_t> fresh(kPixels * 4);
  ToRgba8888(rgb565.data(), fresh.data(), RowRange{0, ScreenImage::kHeight});
  EXPECT_EQ(shown, fresh);
  EXPECT_EQ(shown[300 * row + 4 * 5 + 2], 0x5A);
}

}  // namespace
}  // namespace raketa
