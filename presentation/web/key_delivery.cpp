#include "presentation/web/key_delivery.h"

#include "presentation/boxes/typed_text.h"

namespace raketa {

void DeliverToGame(const KeyMeaning& key, CommandLine& line, KeyPoll& keys) {
  if (key.vk != 0) keys.Press(key.vk);
  line.EditWithKey(key.vk);
  TypeInto(line, key.typed);
}

std::optional<BoxEvent> BoxEventOf(const KeyMeaning& key) {
  if (key.box != BoxKey::Other) return BoxEvent::Pressed(key.box);
  if (!key.typed.empty()) return BoxEvent::Typed(key.typed);
  return std::nullopt;
}

}  // namespace raketa
