// `raketa --replay SCRIPT`: the replay mode with real rendering, so that
// screenshots show what the player would see.
#pragma once

#include <string>

namespace raketa {

int ReplayMain(const std::string& scriptPath);

}  // namespace raketa
