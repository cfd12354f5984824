// The main form behind the runner interface the backends drive.
#pragma once

#include <memory>

#include "services/game_runner.h"

namespace raketa {

std::unique_ptr<GameRunner> MakeGame(Services& services);

}  // namespace raketa
