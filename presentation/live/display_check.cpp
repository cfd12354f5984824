// The two checks that keep the game from running invisibly.
#include "presentation/live/display_check.h"

#include <cstring>

namespace raketa {

namespace {

bool Set(const char* v) { return v != nullptr && *v != '\0'; }

// `name` as one of the comma-separated entries of `list`.
bool Names(const char* list, const std::string& name) {
  if (!Set(list)) return false;
  const std::string l = list;
  std::size_t start = 0;
  while (start <= l.size()) {
    std::size_t end = l.find(',', start);
    if (end == std::string::npos) end = l.size();
    if (l.compare(start, end - start, name) == 0) return true;
    start = end + 1;
  }
  return false;
}

}  // namespace

std::string MissingDisplay(const char* display, const char* wayland, const char* waylandSocket,
                           const char* requested) {
  // A driver named by the player (a console driver, or the dummy one for a
  // test) is the player's choice.
  if (Set(requested)) return {};
  if (Set(display) || Set(wayland) || Set(waylandSocket)) return {};
  return "cannot open a display: neither DISPLAY nor WAYLAND_DISPLAY is set";
}

std::string InvisibleDriver(const char* chosen, const char* requested) {
  if (!Set(chosen)) return "cannot open a display: no video driver started";
  const std::string name = chosen;
  if (name != "offscreen" && name != "dummy") return {};
  if (Names(requested, name)) return {};
  return "cannot open a display: only SDL's '" + name + "' video driver started, which shows nothing";
}

}  // namespace raketa
