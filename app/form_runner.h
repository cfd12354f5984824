// The main form behind the runner interface the backends drive. The test
// rig and the benchmarks hold the runner itself, to reach the game inside.
#pragma once

#include <memory>
#include <string>

#include "app/hlavni.h"
#include "services/game_runner.h"

namespace raketa {

class FormRunner final : public GameRunner {
 public:
  explicit FormRunner(Services& services) : form_(services) {}

  void Start() override { form_.FormCreate(); }
  void Frame() override { form_.FrameStep(); }
  void PanelTick() override { form_.PanelTick(); }
  void KeyPress(char key) override { form_.keypress(key); }
  bool FramesRun() const override { return form_.FramesRun(); }
  void Finish() override { form_.StopFrames(); }
  std::string KeepForLater() override;

  bool SpeechOn() const override { return form_.game.SpeechOn; }
  void SetSpeechOn(bool on) override { form_.game.SpeechOn = on; }

  const char* StepName() const override;
  int Room() const override { return form_.game.World.CurrentRoom; }
  const std::string& Phase() const override { return PhaseExtension(form_.game.TripPhase); }
  std::string WorldBytes() const override;

  Game& game() { return form_.game; }

 private:
  MainWindow form_;
};

std::unique_ptr<GameRunner> MakeGame(Services& services);

}  // namespace raketa
