#include "presentation/web/key_delivery.h"

#include "presentation/boxes/typed_text.h"

namespace raketa {

void DeliverToGame(const KeyMeaning& key, CommandLine& line, KeyPoll& keys) {
  if (key.vk != 0) keys.Press(key.vk);
  switch (key.line) {
    case LineKey::Enter: line.Enter(); break;
    case LineKey::Escape: line.Escape(); break;
    case LineKey::Backspace: line.Backspace(); break;
    case LineKey::Delete: line.Delete(); break;
    case LineKey::Left: line.CaretLeft(); break;
    case LineKey::Right: line.CaretRight(); break;
    case LineKey::Home: line.CaretHome(); break;
    case LineKey::End: line.CaretEnd(); break;
    case LineKey::None: break;
  }
  for (char c : TypedCp1250(key.typed)) line.TypeChar(static_cast<unsigned char>(c));
}

std::optional<BoxEvent> BoxEventOf(const KeyMeaning& key) {
  if (key.box != BoxKey::Other) return BoxEvent::Pressed(key.box);
  if (!key.typed.empty()) return BoxEvent::Typed(key.typed);
  return std::nullopt;
}

}  // namespace raketa
