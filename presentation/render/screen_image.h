// What the player sees: the presented picture with the command line drawn
// over it.  The live backend keeps one ScreenImage up to date every frame;
// the replay backend composes one for a screenshot.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "services/command_line.h"
#include "presentation/render/font_set.h"
#include "presentation/render/raster565.h"
#include "presentation/render/screen_memory.h"

namespace raketa {

// How the command line looks: a black box with bold 16-pixel text.
namespace command_line_look {
constexpr int kFontPoints = 12;  // 16 pixels at 96 dots per inch
constexpr int kTextInset = 3;    // from the box's left edge to the text
constexpr std::uint32_t kBackground = 0x000000;
}  // namespace command_line_look

// The part of the command line's box on the 1024 x 768 screen; empty when
// the game has moved it off the screen.
Rect CommandLineBox(const CommandLine& line);

// Draws the command line into a 1024 x 768 RGB565 picture; returns the rows
// it drew on.
RowRange DrawCommandLine(Raster565& screen, const CommandLine& line, FontSet& fonts);

// RGB565 rows to 0x00RRGGBB pixels (rows of 1024).
void ToXrgb8888(const std::uint16_t* src, std::uint32_t* dst, RowRange rows);

// The whole screen at once, 1024 x 768 bytes R, G, B (for screenshots).
std::vector<std::uint8_t> ComposeRgb888(const std::uint16_t* presented, const CommandLine& line, FontSet& fonts);

// The screen kept current by parts: after a present only the presented rows
// are copied, and the command line is redrawn only where it changed.
class ScreenImage {
 public:
  static constexpr int kWidth = screen::kWidth;
  static constexpr int kHeight = screen::kHeight;

  explicit ScreenImage(FontSet& fonts, ScreenMemory image = {});

  // Brings the image up to date with the presented picture, given the rows
  // of it that changed since the last update, and with the command line as
  // it is now.  Returns the rows of the image that changed.
  RowRange Update(const std::uint16_t* presented, RowRange changed, const CommandLine& line);
  // Everything again (after the window lost its contents).
  RowRange Refresh(const std::uint16_t* presented, const CommandLine& line);

  const std::uint16_t* Rgb565() const { return rgb565_.get(); }

 private:
  struct LineState {
    std::string text;
    std::size_t caret = 0;
    std::uint32_t colour = 0;
    int left = 0, top = 0;
    bool operator==(const LineState&) const = default;
  };
  static LineState StateOf(const CommandLine& line);

  FontSet& fonts_;
  ScreenMemory rgb565_;
  LineState drawn_;
  bool first_ = true;
};

}  // namespace raketa
