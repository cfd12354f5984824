// The modal event loop.
#include "presentation/boxes/modal_loop.h"

#include "presentation/render/screen_image.h"

namespace raketa {

bool ModalLoop::Run(const std::function<void(Raster565&)>& draw,
                    const std::function<Reply(const BoxEvent&)>& handle) {
  const std::vector<std::uint16_t> base = host_.Snapshot();
  auto paint = [&] {
    std::vector<std::uint16_t> picture = base;
    Raster565 raster(picture.data(), ScreenImage::kWidth, ScreenImage::kHeight);
    draw(raster);
    host_.ShowModal(picture);
  };
  paint();
  bool closed = false;
  for (;;) {
    const BoxEvent e = host_.WaitBoxEvent();
    if (e.kind == BoxEvent::Kind::Close) {
      closed = true;
      break;
    }
    const Reply reply = handle(e);
    if (reply == Reply::Done) break;
    if (reply == Reply::Changed) paint();
  }
  host_.EndModal();
  return !closed;
}

namespace modal_look {

Rect Panel(Raster565& r, Rect box, std::uint32_t fill) {
  r.Fill(box, ToRgb565(fill));
  r.Frame(box, ToRgb565(kFrame));
  const Rect inner{box.left + 3, box.top + 3, box.right - 3, box.bottom - 3};
  r.Frame(inner, ToRgb565(kFrame));
  return Rect{inner.left + 1, inner.top + 1, inner.right - 1, inner.bottom - 1};
}

std::vector<std::string> Wrap(FontFace& face, std::string_view text, int width) {
  std::vector<std::string> lines;
  std::string line;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find(' ', at);
    if (end == std::string_view::npos) end = text.size();
    std::string word(text.substr(at, end - at));
    at = end + 1;
    const std::string candidate = line.empty() ? word : line + " " + word;
    if (face.TextWidth(candidate) <= width) {
      line = candidate;
      continue;
    }
    if (!line.empty()) lines.push_back(line);
    // A word wider than the box (a long path) is broken where it must be.
    while (face.TextWidth(word) > width && word.size() > 1) {
      std::size_t fits = 1;
      while (fits < word.size() && face.TextWidth(std::string_view(word).substr(0, fits + 1)) <= width) ++fits;
      lines.push_back(word.substr(0, fits));
      word.erase(0, fits);
    }
    line = word;
  }
  if (!line.empty() || lines.empty()) lines.push_back(line);
  return lines;
}

}  // namespace modal_look

}  // namespace raketa
