#include "presentation/web/field_mirror.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include "services/cp1250.h"

// The caret counts the field's characters: one for each of the line's.
EM_JS(void, raketa_field_show, (const char* utf8, int caret), {
  Module.raketaControls.showLine(UTF8ToString(utf8), caret);
});

namespace raketa {

void FieldMirror::Show(const CommandLine& line) {
  if (known_ && line.GetText() == text_ && line.Caret() == caret_) return;
  Give(line.GetText(), line.Caret());
}

void FieldMirror::ShowEmpty() { Give("", 0); }

void FieldMirror::Give(const std::string& cp1250, std::size_t caret) {
  known_ = true;
  text_ = cp1250;
  caret_ = caret;
  raketa_field_show(Cp1250ToUtf8(cp1250).c_str(), static_cast<int>(caret));
}

}  // namespace raketa
