// The back surface: drawing with dirty-row tracking, and the present.
#include "presentation/render/software_surface.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace raketa {

SoftwareSurface::SoftwareSurface(const Catalogue& catalogue, FontSet& fonts, ScreenMemory back, ScreenMemory presented)
    : catalogue_(catalogue),
      fonts_(fonts),
      back_(std::move(back)),
      presented_(std::move(presented)),
      raster_(back_.get(), kWidth, kHeight),
      dirtyRow_(kHeight, 0) {}

void SoftwareSurface::DrawPicture(Picture index, int x, int y) {
  const DecodedPicture& p = catalogue_.picture(index);
  if (p.rgb565.size() < static_cast<std::size_t>(p.width) * p.height) return;
  DrawImage(p.rgb565.data(), p.width, p.height, x, y);
}

void SoftwareSurface::DrawImage(const std::uint16_t* pixels, int width, int height, int x, int y) {
  Mark(raster_.Copy(pixels, width, height, x, y));
}

void SoftwareSurface::SetFontSize(int points) {
  if (points != fontSize_) face_ = nullptr;
  fontSize_ = points;
}

void SoftwareSurface::TextOut(int x, int y, std::string_view text) {
  // The game has one typeface (the font set's); only its size changes.
  if (!face_) face_ = &fonts_.Face(fontSize_, false);
  const int height = face_->LineHeight();
  if (brush_ == BrushStyle::Solid) {
    Mark(raster_.Fill({x, y, x + face_->TextWidth(text), y + height}, brushColour_));
  }
  raster_.Text(*face_, x, y, text, fontColour_);
  Mark(RowRange{std::max(y, 0), std::min(y + height, kHeight)});
}

int SoftwareSurface::TextWidth(std::string_view text) {
  if (!face_) face_ = &fonts_.Face(fontSize_, false);
  return face_->TextWidth(text);
}

void SoftwareSurface::Rectangle(int left, int top, int right, int bottom) {
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  const Rect r{left, top, right, bottom};
  if (brush_ == BrushStyle::Solid) Mark(raster_.Fill(r, brushColour_));
  Mark(raster_.Frame(r, ToRgb565(colour::Black)));
}

void SoftwareSurface::Mark(RowRange rows) {
  dirty_.Add(rows);
  for (int y = std::max(rows.first, 0); y < std::min(rows.last, kHeight); ++y) dirtyRow_[y] = 1;
}

void SoftwareSurface::Present() {
  presentedRows_ = dirty_;
  // Only the rows drawn since the last present are copied, run by run: a
  // typed character at the top and the meter strip at the bottom are two
  // short runs, not the whole screen between them.
  int y = dirty_.first;
  while (y < dirty_.last) {
    if (!dirtyRow_[y]) {
      ++y;
      continue;
    }
    int end = y;
    while (end < dirty_.last && dirtyRow_[end]) dirtyRow_[end++] = 0;
    const std::size_t from = static_cast<std::size_t>(y) * kWidth;
    const std::size_t count = static_cast<std::size_t>(end - y) * kWidth;
    std::memcpy(presented_.get() + from, back_.get() + from, count * sizeof(std::uint16_t));
    y = end;
  }
  dirty_ = {};
  if (OnPresent) OnPresent();
}

}  // namespace raketa
