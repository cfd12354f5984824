#include "presentation/web/web_boxes.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include "presentation/web/key_delivery.h"

// The page's tests wait for a box to open before they type into it.
EM_JS(void, raketa_box_opened, (int open), { Module.raketaHooks.boxOpened(open !== 0); });

namespace raketa {

namespace {
constexpr int kWaitMs = 10;  // between looks at the queue: quick enough for typing
}  // namespace

void WebBoxes::ShowModal(const std::vector<std::uint16_t>& rgb565) {
  screen_.ShowModal(rgb565);
  raketa_box_opened(1);
  if (OnOpened) OnOpened();
}

void WebBoxes::EndModal() {
  screen_.EndModal();
  raketa_box_opened(0);
  if (OnClosed) OnClosed();
}

BoxEvent WebBoxes::WaitBoxEvent() {
  for (;;) {
    while (std::optional<PageEvent> e = input_.Next()) {
      switch (e->kind) {
        case PageEvent::Kind::KeyDown:
          if (std::optional<BoxEvent> heard = BoxEventOf(e->key)) return *heard;
          break;
        case PageEvent::Kind::Paste: return BoxEvent::Pasted(e->text);
        case PageEvent::Kind::Field:
          if (std::optional<BoxEvent> heard = NextBoxEvent(e->edit)) {
            input_.PutBack(std::move(*e));
            return *heard;
          }
          break;
        case PageEvent::Kind::SavesChanged: return BoxEvent::FolderNews();
        default: elsewhere_(*e); break;
      }
    }
    emscripten_sleep(kWaitMs);
  }
}

}  // namespace raketa
