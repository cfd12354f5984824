// Keeping the window's picture current.
#include "presentation/live/live_screen.h"

namespace raketa {

LiveScreen::LiveScreen(WindowOutput& output, SoftwareSurface& surface, CommandLine& line, FontSet& fonts)
    : output_(output), surface_(surface), line_(line), fonts_(fonts), image_(fonts) {}

void LiveScreen::Refresh() {
  if (modal_) return;
  const RowRange rows = image_.Update(surface_.Presented(), pending_, line_);
  pending_ = {};
  output_.Show(image_.Xrgb(), rows);
}

void LiveScreen::Redraw() {
  if (modal_) {
    output_.ShowAll(modalXrgb_.data());
    return;
  }
  image_.Refresh(surface_.Presented(), line_);
  pending_ = {};
  output_.ShowAll(image_.Xrgb());
}

void LiveScreen::ToggleFullScreen() {
  output_.ToggleFullScreen();
  Redraw();
}

bool LiveScreen::HandleWindowEvent(const SDL_Event& e) {
  if (e.type != SDL_WINDOWEVENT) return false;
  switch (e.window.event) {
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_RESIZED:
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_SHOWN:
      Redraw();
      return true;
    default:
      return false;
  }
}

std::vector<std::uint16_t> LiveScreen::Snapshot() {
  if (modal_) return modal565_;
  Refresh();
  const std::uint16_t* p = image_.Rgb565();
  return std::vector<std::uint16_t>(p, p + static_cast<std::size_t>(ScreenImage::kWidth) * ScreenImage::kHeight);
}

void LiveScreen::ShowModal(const std::vector<std::uint16_t>& rgb565) {
  modal_ = true;
  modal565_ = rgb565;
  modalXrgb_.resize(rgb565.size());
  ToXrgb8888(rgb565.data(), modalXrgb_.data(), RowRange{0, ScreenImage::kHeight});
  output_.Show(modalXrgb_.data(), RowRange{0, ScreenImage::kHeight});
}

void LiveScreen::EndModal() {
  modal_ = false;
  Redraw();
}

}  // namespace raketa
