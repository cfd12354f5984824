#include "presentation/web/web_screen.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include "presentation/web/rgba_rows.h"

// Rows first..last (exclusive) of the RGBA picture at `rgba` onto the canvas.
EM_JS(void, raketa_canvas_rows, (const std::uint8_t* rgba, int first, int last), {
  const canvas = Module.canvas;
  if (!canvas) return;
  if (!Module.raketaContext) Module.raketaContext = canvas.getContext("2d", {alpha: false});
  const width = 1024;
  const bytes = new Uint8ClampedArray(HEAPU8.buffer, rgba + first * width * 4, (last - first) * width * 4);
  Module.raketaContext.putImageData(new ImageData(bytes, width, last - first), 0, first);
});

namespace raketa {

namespace {
constexpr std::size_t kPixels = static_cast<std::size_t>(ScreenImage::kWidth) * ScreenImage::kHeight;
}  // namespace

WebScreen::WebScreen(SoftwareSurface& surface, CommandLine& line, FontSet& fonts)
    : surface_(surface), line_(line), fonts_(fonts), image_(fonts), rgba_(kPixels * 4) {}

void WebScreen::Show(const std::uint32_t* xrgb, RowRange rows) {
  if (rows.Empty()) return;
  ToRgba8888(xrgb, rgba_.data(), rows);
  raketa_canvas_rows(rgba_.data(), rows.first, rows.last);
}

bool WebScreen::Refresh() {
  if (modal_) return false;
  const RowRange rows = image_.Update(surface_.Presented(), pending_, line_);
  pending_ = {};
  Show(image_.Xrgb(), rows);
  return !rows.Empty();
}

void WebScreen::Redraw() {
  if (modal_) {
    Show(modalXrgb_.data(), RowRange{0, ScreenImage::kHeight});
    return;
  }
  image_.Refresh(surface_.Presented(), line_);
  pending_ = {};
  Show(image_.Xrgb(), RowRange{0, ScreenImage::kHeight});
}

std::vector<std::uint16_t> WebScreen::Snapshot() {
  if (modal_) return modal565_;
  Refresh();
  const std::uint16_t* p = image_.Rgb565();
  return std::vector<std::uint16_t>(p, p + kPixels);
}

void WebScreen::ShowModal(const std::vector<std::uint16_t>& rgb565) {
  modal_ = true;
  modal565_ = rgb565;
  modalXrgb_.resize(rgb565.size());
  ToXrgb8888(rgb565.data(), modalXrgb_.data(), RowRange{0, ScreenImage::kHeight});
  Show(modalXrgb_.data(), RowRange{0, ScreenImage::kHeight});
}

void WebScreen::EndModal() {
  modal_ = false;
  Redraw();
}

}  // namespace raketa
