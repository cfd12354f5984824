#include "presentation/web/web_boxes.h"

#include <emscripten/emscripten.h>

namespace raketa {

namespace {
constexpr int kWaitMs = 10;  // between looks at the queue: quick enough for typing
}  // namespace

void WebBoxes::EndModal() {
  screen_.EndModal();
  if (OnClosed) OnClosed();
}

BoxEvent WebBoxes::WaitBoxEvent() {
  for (;;) {
    while (std::optional<PageEvent> e = input_.Next()) {
      switch (e->kind) {
        case PageEvent::Kind::KeyDown:
          // A key that types gives the box its character; the box's own
          // keys (Enter, arrows ...) their key.
          if (e->key.box != BoxKey::Other) return BoxEvent::Pressed(e->key.box);
          if (!e->key.typed.empty()) return BoxEvent::Typed(e->key.typed);
          break;
        case PageEvent::Kind::Paste: return BoxEvent::Pasted(e->text);
        default: elsewhere_(*e); break;
      }
    }
    emscripten_sleep(kWaitMs);
  }
}

}  // namespace raketa
