#include "presentation/web/field_edit.h"

#include "presentation/boxes/typed_text.h"

namespace raketa {

void EditLine(CommandLine& line, const FieldEdit& edit) {
  line.CaretHome();
  for (std::size_t i = 0; i < edit.at + edit.removed; ++i) line.CaretRight();
  for (std::size_t i = 0; i < edit.removed; ++i) line.Backspace();
  for (char c : TypedCp1250(edit.text)) line.TypeChar(static_cast<unsigned char>(c));
}

std::optional<BoxEvent> NextBoxEvent(FieldEdit& edit) {
  if (edit.removed > 0) {
    --edit.removed;
    return BoxEvent::Pressed(BoxKey::Backspace);
  }
  if (edit.text.empty()) return std::nullopt;
  BoxEvent typed = BoxEvent::Typed(edit.text);
  edit.text.clear();
  return typed;
}

}  // namespace raketa
