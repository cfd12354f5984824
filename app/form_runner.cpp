#include "app/form_runner.h"

#include "app/autosave.h"

namespace raketa {

const char* FormRunner::StepName() const { return raketa::StepName(CurrentStep(form_.game)); }

std::string FormRunner::WorldBytes() const {
  return std::string(reinterpret_cast<const char*>(&form_.game.World), sizeof(TWorld));
}

std::string FormRunner::KeepForLater() { return KeepWhenLeft(form_.game); }

std::unique_ptr<GameRunner> MakeGame(Services& services) { return std::make_unique<FormRunner>(services); }

}  // namespace raketa
