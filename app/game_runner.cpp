#include "app/game_runner.h"

#include "app/hlavni.h"

namespace raketa {

namespace {

class FormRunner final : public GameRunner {
 public:
  explicit FormRunner(Services& services) : form_(services) {}

  void Start() override { form_.FormCreate(); }
  void Frame() override { form_.DXTimerTimer(); }
  void PanelTick() override { form_.Timer1Timer(); }
  void KeyPress(char key) override { form_.keypress(key); }
  bool FramesRun() const override { return form_.FrameTimerEnabled(); }
  void Finish() override { form_.DXDrawFinalize(); }

  bool SpeechOn() const override { return form_.game.SpeechOn; }
  void SetSpeechOn(bool on) override { form_.game.SpeechOn = on; }

  const char* StepName() const override { return raketa::StepName(CurrentStep(form_.game)); }
  int Room() const override { return form_.game.World.CurrentRoom; }
  const std::string& Phase() const override { return form_.game.TextExt; }
  std::string WorldBytes() const override {
    return std::string(reinterpret_cast<const char*>(&form_.game.World), sizeof(TWorld));
  }

 private:
  Tform1 form_;
};

}  // namespace

std::unique_ptr<GameRunner> MakeGame(Services& services) { return std::make_unique<FormRunner>(services); }

}  // namespace raketa
