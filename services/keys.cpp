#include "services/keys.h"

namespace raketa {

namespace {
const GameKey* ByCode(int code) {
  for (const GameKey& k : kGameKeys) {
    if (k.code == code) return &k;
  }
  return nullptr;
}
}  // namespace

int KeyCodeOf(std::string_view name) {
  for (const GameKey& k : kGameKeys) {
    if (k.name == name) return k.code;
  }
  return 0;
}

std::string_view KeyNameOf(int code) {
  const GameKey* k = ByCode(code);
  return k != nullptr ? k->name : std::string_view{};
}

LineEdit LineEditOf(int code) {
  const GameKey* k = ByCode(code);
  return k != nullptr ? k->edit : LineEdit::None;
}

}  // namespace raketa
