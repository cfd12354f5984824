#include "presentation/web/canvas_output.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include "presentation/web/rgba_rows.h"

// `count` rows of RGBA pixels, `width` a row, onto the canvas from row
// `first` down.
EM_JS(void, raketa_canvas_rows, (const std::uint8_t* rgba, int width, int first, int count), {
  const canvas = Module.canvas;
  if (!canvas) return;
  if (!Module.raketaContext) Module.raketaContext = canvas.getContext("2d", {alpha: false});
  const bytes = new Uint8ClampedArray(HEAPU8.buffer, rgba, count * width * 4);
  Module.raketaContext.putImageData(new ImageData(bytes, width, count), 0, first);
});

namespace raketa {

namespace {
std::uint64_t BlackRowHash() {
  const std::vector<std::uint16_t> black(ScreenImage::kWidth, 0);
  return RowHash(black.data());
}
}  // namespace

// A new canvas (its context made without alpha) is opaque black: the first
// picture puts only its rows that are not black on it.
CanvasOutput::CanvasOutput() : shown_(ScreenImage::kHeight, BlackRowHash()) {}

void CanvasOutput::Show(const std::uint16_t* rgb565, RowRange rows) { Put(rgb565, ChangedRows(rgb565, shown_, rows)); }

void CanvasOutput::ShowAll(const std::uint16_t* rgb565) {
  const RowRange all{0, ScreenImage::kHeight};
  ChangedRows(rgb565, shown_, all);
  Put(rgb565, all);
}

void CanvasOutput::Put(const std::uint16_t* rgb565, RowRange rows) {
  if (rows.Empty()) return;
  const int count = rows.last - rows.first;
  const std::size_t bytes = static_cast<std::size_t>(count) * ScreenImage::kWidth * 4;
  if (rgba_.size() < bytes) rgba_.resize(bytes);
  ToRgba8888(rgb565 + static_cast<std::size_t>(rows.first) * ScreenImage::kWidth, rgba_.data(), RowRange{0, count});
  raketa_canvas_rows(rgba_.data(), ScreenImage::kWidth, rows.first, count);
  changed_ = true;
}

}  // namespace raketa
