#include "services/game_seat.h"

#include "services/command_line.h"

namespace raketa {

void SeatGame(Services& services, GameRunner& game, bool speechOn) {
  game.SetSpeechOn(speechOn);
  services.edit.OnKeyPress = [&game](char k) { game.KeyPress(k); };
}

std::unique_ptr<GameRunner> MakeSeatedGame(Services& services, const GameFactory& make, bool speechOn) {
  std::unique_ptr<GameRunner> game = make(services);
  SeatGame(services, *game, speechOn);
  return game;
}

}  // namespace raketa
