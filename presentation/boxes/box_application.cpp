// The error box.
#include "presentation/boxes/box_application.h"

#include <cstdio>

#include "presentation/boxes/modal_loop.h"
#include "services/cp1250.h"
#include "services/screen_layout.h"

namespace raketa {

namespace {
constexpr int kBoxWidth = 560;
constexpr std::uint32_t kFill = 0x000070;  // dark red
}  // namespace

void BoxApplication::ShowError(const std::string& message) {
  std::fprintf(stderr, "raketa: %s\n", Cp1250ToUtf8(message).c_str());
  FontSet& fonts = host_.Fonts();
  FontFace& title = fonts.Face(16, true);
  FontFace& text = fonts.Face(13, false);
  const std::vector<std::string> lines = modal_look::Wrap(text, message, kBoxWidth - 48);
  const int height = 24 + title.LineHeight() + 16 + static_cast<int>(lines.size()) * text.LineHeight() + 16 +
                     text.LineHeight() + 24;
  const int left = (screen::kWidth - kBoxWidth) / 2, top = (screen::kHeight - height) / 2;
  const Rect box{left, top, left + kBoxWidth, top + height};

  auto draw = [&](Raster565& r) {
    const Rect in = modal_look::Panel(r, box, kFill);
    const std::uint16_t white = ToRgb565(modal_look::kText);
    int y = in.top + 20;
    r.Text(title, in.left + 20, y, W("Chyba"), white);
    y += title.LineHeight() + 16;
    for (const std::string& line : lines) {
      r.Text(text, in.left + 20, y, line, white);
      y += text.LineHeight();
    }
    const std::string hint = "Enter / Esc";
    r.Text(text, in.right - 20 - text.TextWidth(hint), y + 16, hint, ToRgb565(0x80C0FF));
  };
  auto handle = [](const BoxEvent& e) {
    if (e.kind != BoxEvent::Kind::Key) return ModalLoop::Reply::Ignored;
    const bool dismissed = e.key == BoxKey::Enter || e.key == BoxKey::Escape;
    return dismissed ? ModalLoop::Reply::Done : ModalLoop::Reply::Ignored;
  };
  if (!ModalLoop(host_).Run(draw, handle)) Close();
}

}  // namespace raketa
