#include "presentation/web/field_edit.h"

#include <algorithm>

#include "presentation/boxes/typed_text.h"

namespace raketa {

void EditLine(CommandLine& line, const FieldEdit& edit) {
  // The field may hold what the line could not take (a character past the
  // 50th): only what the line has is removed.
  const std::size_t length = line.GetText().size();
  const std::size_t at = std::min(edit.at, length);
  const std::size_t removed = std::min(edit.removed, length - at);
  line.CaretHome();
  for (std::size_t i = 0; i < at + removed; ++i) line.CaretRight();
  for (std::size_t i = 0; i < removed; ++i) line.Backspace();
  TypeInto(line, edit.text);
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
