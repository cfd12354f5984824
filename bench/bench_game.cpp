#include "bench/bench_game.h"

#include <filesystem>

#include "services/game_seat.h"

namespace raketa::bench {

WorkingDirectory::WorkingDirectory(const std::string& dir) : previous_(std::filesystem::current_path().string()) {
  std::filesystem::current_path(dir);
}

WorkingDirectory::~WorkingDirectory() {
  std::error_code ec;
  std::filesystem::current_path(previous_, ec);
}

BenchGame::BenchGame() : HeadlessServices(surface) {
  sound.keepCalls = false;
  SeatGame(services, runner, false);
}

void BenchGame::Enter(int room) {
  g.World = BenchWorld();
  g.IntroScreen = g.LandingScreen = g.DepartureScreen = g.Paused = g.GameOver = false;
  g.TripPhase = Phase::Outbound;
  g.SoundOn = true;
  GoToRoom(g, room);
  g.StepCountdown = 0;
  g.InputCooldown = 0;
  g.QuickFileCooldown = 0;
  g.NarrationPending = false;
  g.BackgroundPending = false;
  g.CommandHandled = false;
}

}  // namespace raketa::bench
