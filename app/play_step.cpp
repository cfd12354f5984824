// One frame of play: function keys, typed commands, the phase switch, the
// background, footsteps, life support and narration, then the present.
#include <string>
#include <vector>

#include "app/comfort_keys.h"
#include "app/hlavni.h"
#include "app/sent_lines.h"
#include "commands/commands.h"
#include "commands/repair_question.h"
#include "commands/second_reading.h"
#include "world/game_roles.h"
#include "services/screen_layout.h"

namespace raketa {

namespace {

bool EnterAccepted(Game& g) {
  // Tested in this order, so Enter is polled only when no text is pending.
  return !g.NarrationPending && g.services.keys.KeyDown(vk::Enter) && g.InputCooldown == 0;
}

void AnswerNotUnderstood(Game& g, const char* utf8) {
  g.CommandInput().SetFontColour(colour::Red);
  g.Answer(W(utf8));
  g.Cue(Cue::chyba);
}

// The walk a command made, kept for "zpět".
void NoteWalk(Game& g, int before) {
  if (g.World.CurrentRoom == before) return;
  g.CameFrom = before;
  g.CameInto = g.World.CurrentRoom;
}

void ReturnCommand(Game& g) {
  g.EnterWhileTelling = false;
  RememberSentLine(g);
  const int before = g.World.CurrentRoom;
  // A room whose text is missing is still entered, and the command ends
  // as every command does.
  WholeStep(
      [&] {
        MoveCommand(g);
        if (!g.CommandHandled) ReadAgainAsStep(g);
      },
            [&] {
              g.InputCooldown = 5;
              NoteWalk(g, before);
              DrawInventoryPanel(g);
              if (!g.CommandHandled) AnswerNotUnderstood(g, "sakra spěchej do kabiny...");
              g.ClearInputOnKey = true;
              g.CommandHandled = false;
            });
}

// Without a sound world (mistnosti.dat could not be read before any game
// was played) there is no room to play in: the player may only start again
// or leave.
void NoWorldStep(Game& g) {
  g.CommandInput().SetTop(screen::kCommandLineY);
  g.CommandInput().SetLeft(screen::kCommandLineX);
  if (g.services.keys.KeyDown(vk::F1)) {
    StartLanding(g);
    return;
  }
  if (g.services.keys.KeyDown(vk::F10)) g.services.app.Close();
  g.CommandInput().SetFontColour(colour::Red);
  g.Answer(W("Hra nemá svět (mistnosti.dat)  F1=znovu  F10=konec"));
}

// The names in the player's hands, to hear when a command changed them.
std::vector<std::string> CarriedNames(const TWorld& w) {
  std::vector<std::string> names;
  for (const TItem& item : w.Inventory) names.push_back(item.Name.str());
  return names;
}
}  // namespace

void OfferToHandlers(Game& g) {
  using Handler = void (*)(Game&);
  static constexpr Handler kHandlers[] = {
      SearchRoomCommand, ExamineFixtureCommand, TakeFromFloorCommand, TakeFromFixtureCommand,
      DropCommand,       MoveCommand,           ValveAndUseCommand,   UseFromFloorCommand,
  };
  for (Handler h : kHandlers) {
    if (!g.CommandHandled) h(g);
  }
  for (int k = 1; k <= kFixtures; ++k) {
    if (!g.CommandHandled) UseFromFixtureCommand(g, k);
  }
}

void DispatchCommand(Game& g) {
  const std::vector<std::string> carriedBefore = CarriedNames(g.World);
  const int before = g.World.CurrentRoom;
  g.EnterWhileTelling = false;
  RememberSentLine(g);
  // A handler stopped by a missing text has done its part; the command
  // ends as every command does, and the error is reported after.
  WholeStep(
      [&] {
        HearRepairAnswer(g);
        OfferToHandlers(g);
        if (!g.CommandHandled) ReadAgainInNormalForm(g, OfferToHandlers);
      },
      [&] {
        EndRepairAnswer(g);
        g.InputCooldown = 5;
        NoteWalk(g, before);
        DrawInventoryPanel(g);
        if (CarriedNames(g.World) != carriedBefore) SayInventory(g);
        if (!g.CommandHandled) AnswerNotUnderstood(g, "nechápu co mám dělat ...");
        g.ClearInputOnKey = true;
        g.CommandHandled = false;
      });
}

void PlayStep(Game& g) {
  if (g.World.CurrentRoom < 1 || g.World.CurrentRoom > kRoomCount) {
    NoWorldStep(g);
    return;
  }
  g.CommandInput().SetTop(screen::kCommandLineY);
  g.CommandInput().SetLeft(screen::kCommandLineX);
  if (FunctionKeys(g)) return;
  // Only frames of play count towards the copies kept for going back.
  g.Copies.PlayFrame(g.World);
  g.EndLinesShown = false;
  if (g.InputCooldown > 0) --g.InputCooldown;
  if (g.QuickFileCooldown > 0) --g.QuickFileCooldown;
  RecallKeys(g);

  // Lines closed with Enter during a room text go first, in their order.
  if (g.TripPhase == Phase::Outbound && !SendWaitingLine(g, DispatchCommand) && EnterAccepted(g)) DispatchCommand(g);
  if (g.ReturnPhase() && g.World.CurrentRoom == kStartRoom) {
    g.Cue(Cue::logo);
    g.DepartureScreen = true;
    return;
  }
  if (g.ReturnPhase() && !SendWaitingLine(g, ReturnCommand) && EnterAccepted(g)) ReturnCommand(g);

  if (WorldInReturnPhase(g.World)) g.TripPhase = Phase::Return;

  Display& d = g.services.display;
  if (g.BackgroundPending) d.DrawPicture(Picture::pozadi, 0, 0);
  if (g.World.SuitWorn) d.DrawPicture(Picture::kyslik, screen::kBottleX, screen::kBottleY);

  if (g.StepCountdown > 0) --g.StepCountdown;
  if (g.StepCountdown == 28 && g.SoundOn) g.services.sound.Play(g.World.CablesRepaired ? Cue::rychle : Cue::kroky);
  if (g.StepCountdown == 1) g.NarrationPending = true;

  LifeSupportTick(g);

  const bool hurry = HurryKey(g);
  if (g.NarrationPending) {
    if (g.ReturnPhase() || g.World.Current().FirstVisit == 1) {
      if (hurry) {
        FinishTyping(g);
      } else {
        TypeNextCharacter(g);
      }
    } else {
      ShowWholeText(g);
    }
  }
  d.Present();
  g.BackgroundPending = false;
}

}  // namespace raketa
