// Where a key pressed in the page goes: into the game (its key poll and the
// command line, as the desktop game's keys go) or, while a box is open,
// into the box.
#pragma once

#include <optional>

#include "presentation/boxes/box_host.h"
#include "presentation/web/browser_keys.h"
#include "services/command_line.h"
#include "services/key_poll.h"

namespace raketa {

// The key poll sees the key pressed; the command line gets its editing
// action, then the character it types (in code page 1250; one that has no
// place there is dropped).
void DeliverToGame(const KeyMeaning& key, CommandLine& line, KeyPoll& keys);

// What an open box hears of the key: its own key (Enter, arrows ...), else
// the character typed; nothing for other keys.
std::optional<BoxEvent> BoxEventOf(const KeyMeaning& key);

}  // namespace raketa
