#include "presentation/render/kept_picture.h"

#include <utility>

namespace raketa {

namespace {
constexpr RowRange kAllRows{0, ScreenImage::kHeight};
}  // namespace

KeptPicture::KeptPicture(PictureSink& sink, SoftwareSurface& surface, CommandLine& line, FontSet& fonts,
                         ScreenMemory image)
    : sink_(sink), surface_(surface), line_(line), fonts_(fonts), image_(fonts, std::move(image)) {}

bool KeptPicture::Refresh() {
  if (modal_) return false;
  const RowRange rows = image_.Update(surface_.Presented(), pending_, line_);
  pending_ = {};
  if (rows.Empty()) return false;
  sink_.Show(image_.Rgb565(), rows);
  return true;
}

void KeptPicture::Redraw() {
  if (modal_) {
    sink_.ShowAll(modal565_.data());
    return;
  }
  image_.Refresh(surface_.Presented(), line_);
  pending_ = {};
  sink_.ShowAll(image_.Rgb565());
}

std::vector<std::uint16_t> KeptPicture::Snapshot() {
  if (modal_) return modal565_;
  Refresh();
  const std::uint16_t* p = image_.Rgb565();
  return std::vector<std::uint16_t>(p, p + static_cast<std::size_t>(ScreenImage::kWidth) * ScreenImage::kHeight);
}

void KeptPicture::ShowModal(const std::vector<std::uint16_t>& rgb565) {
  modal_ = true;
  modal565_ = rgb565;
  sink_.Show(modal565_.data(), kAllRows);
}

void KeptPicture::EndModal() {
  modal_ = false;
  Redraw();
}

}  // namespace raketa
