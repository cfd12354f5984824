// Composing the presented picture with the command line.
#include "presentation/render/screen_image.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace raketa {

namespace {

RowRange RowsOf(const Rect& r) { return r.Empty() ? RowRange{} : RowRange{r.top, r.bottom}; }

void CopyRows(const std::uint16_t* src, std::uint16_t* dst, RowRange rows) {
  if (rows.Empty()) return;
  const std::size_t from = static_cast<std::size_t>(rows.first) * ScreenImage::kWidth;
  const std::size_t count = static_cast<std::size_t>(rows.last - rows.first) * ScreenImage::kWidth;
  std::memcpy(dst + from, src + from, count * sizeof(std::uint16_t));
}

}  // namespace

Rect CommandLineBox(const CommandLine& line) {
  const Rect box{line.Left(), line.Top(), line.Left() + CommandLine::kWidth, line.Top() + CommandLine::kHeight};
  return box.Intersect(Rect{0, 0, ScreenImage::kWidth, ScreenImage::kHeight});
}

RowRange DrawCommandLine(Raster565& screen, const CommandLine& line, FontSet& fonts) {
  const Rect box{line.Left(), line.Top(), line.Left() + CommandLine::kWidth, line.Top() + CommandLine::kHeight};
  const Rect saved = screen.Clip();
  screen.SetClip(box.Intersect(saved));
  if (screen.Clip().Empty()) {
    screen.SetClip(saved);
    return {};
  }
  RowRange rows = screen.Fill(box, ToRgb565(command_line_look::kBackground));
  FontFace& face = fonts.Face(command_line_look::kFontPoints, true);
  const int x = box.left + command_line_look::kTextInset;
  const int y = box.top + (CommandLine::kHeight - face.LineHeight()) / 2;
  const std::string& text = line.GetText();
  screen.Text(face, x, y, text, ToRgb565(line.FontColour()));
  // The caret inverts what lies under it, as a text caret does.
  const std::size_t caret = std::min(line.Caret(), text.size());
  const int caretX = x + face.TextWidth(std::string_view(text).substr(0, caret));
  screen.Invert({caretX, y, caretX + 1, y + face.LineHeight()});
  screen.SetClip(saved);
  return rows;
}

void ToXrgb8888(const std::uint16_t* src, std::uint32_t* dst, RowRange rows) {
  if (rows.Empty()) return;
  const std::size_t from = static_cast<std::size_t>(rows.first) * ScreenImage::kWidth;
  const std::size_t to = static_cast<std::size_t>(rows.last) * ScreenImage::kWidth;
  for (std::size_t i = from; i < to; ++i) dst[i] = Rgb565ToXrgb(src[i]);
}

std::vector<std::uint8_t> ComposeRgb888(const std::uint16_t* presented, const CommandLine& line, FontSet& fonts) {
  std::vector<std::uint16_t> screen(presented, presented + static_cast<std::size_t>(ScreenImage::kWidth) * ScreenImage::kHeight);
  Raster565 raster(screen.data(), ScreenImage::kWidth, ScreenImage::kHeight);
  DrawCommandLine(raster, line, fonts);
  std::vector<std::uint8_t> rgb(screen.size() * 3);
  for (std::size_t i = 0; i < screen.size(); ++i) {
    const std::uint32_t p = Rgb565ToXrgb(screen[i]);
    rgb[3 * i] = static_cast<std::uint8_t>(p >> 16);
    rgb[3 * i + 1] = static_cast<std::uint8_t>(p >> 8);
    rgb[3 * i + 2] = static_cast<std::uint8_t>(p);
  }
  return rgb;
}

ScreenImage::ScreenImage(FontSet& fonts, ScreenMemory image) : fonts_(fonts), rgb565_(std::move(image)) {}

ScreenImage::LineState ScreenImage::StateOf(const CommandLine& line) {
  return LineState{line.GetText(), line.Caret(), line.FontColour(), line.Left(), line.Top()};
}

RowRange ScreenImage::Update(const std::uint16_t* presented, RowRange changed, const CommandLine& line) {
  LineState now = StateOf(line);
  RowRange rows = changed;
  const bool lineChanged = first_ || !(now == drawn_);
  if (lineChanged) {
    // Where the line was, the picture shows again; where it is, it is redrawn.
    Rect was{drawn_.left, drawn_.top, drawn_.left + CommandLine::kWidth, drawn_.top + CommandLine::kHeight};
    if (!first_) rows.Add(RowsOf(was.Intersect(Rect{0, 0, kWidth, kHeight})));
    rows.Add(RowsOf(CommandLineBox(line)));
  }
  if (rows.Empty()) return rows;
  // The line is drawn only on the rows just restored from the picture, so
  // its text is never blended twice.
  CopyRows(presented, rgb565_.get(), rows);
  Raster565 raster(rgb565_.get(), kWidth, kHeight);
  raster.SetClip(Rect{0, rows.first, kWidth, rows.last});
  DrawCommandLine(raster, line, fonts_);
  drawn_ = std::move(now);
  first_ = false;
  return rows;
}

RowRange ScreenImage::Refresh(const std::uint16_t* presented, const CommandLine& line) {
  first_ = true;
  return Update(presented, RowRange{0, kHeight}, line);
}

}  // namespace raketa
