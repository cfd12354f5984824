#include "presentation/web/canvas_output.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include "presentation/web/rgba_rows.h"

// Rows first..last (exclusive) of the RGBA picture at `rgba`, `width` pixels
// a row, onto the canvas.
EM_JS(void, raketa_canvas_rows, (const std::uint8_t* rgba, int width, int first, int last), {
  const canvas = Module.canvas;
  if (!canvas) return;
  if (!Module.raketaContext) Module.raketaContext = canvas.getContext("2d", {alpha: false});
  const bytes = new Uint8ClampedArray(HEAPU8.buffer, rgba + first * width * 4, (last - first) * width * 4);
  Module.raketaContext.putImageData(new ImageData(bytes, width, last - first), 0, first);
});

namespace raketa {

CanvasOutput::CanvasOutput() : rgba_(static_cast<std::size_t>(ScreenImage::kWidth) * ScreenImage::kHeight * 4) {}

void CanvasOutput::Show(const std::uint16_t* rgb565, RowRange rows) {
  const RowRange changed = UpdateRgba8888(rgb565, rgba_.data(), rows);
  if (!changed.Empty()) raketa_canvas_rows(rgba_.data(), ScreenImage::kWidth, changed.first, changed.last);
}

void CanvasOutput::ShowAll(const std::uint16_t* rgb565) {
  const RowRange all{0, ScreenImage::kHeight};
  ToRgba8888(rgb565, rgba_.data(), all);
  raketa_canvas_rows(rgba_.data(), ScreenImage::kWidth, all.first, all.last);
}

}  // namespace raketa
