// What the game says aloud when speech is on (F8, or --speak): the room
// texts, the answers in the command line, the panels a command draws, the
// screens, the state on F9, the command line on F12 (or Ctrl+L), and what
// the world did.  Text goes to speech as UTF-8, with numbers and the percent
// sign as a Czech reader would say them.
//
// Speech yields to the player: any key ends the room text being said at the
// end of its word, so that an answer is heard at once.  Warnings, the alarm,
// a room's name on arrival and the end of a game go before anything waiting.
#pragma once

#include <string>
#include <vector>

#include "services/speech.h"
#include "world/spoken_form.h"
#include "world/world_news.h"

namespace raketa {

struct Game;
class IoError;

// What went to speech in this frame and in the one before: a text the game
// writes on every frame (the pause, a death, the landing) is said once.
// A frame's sentences are handed over together at its end, so that the
// frame's answer goes before the news it caused.
struct SpeechMemory {
  struct Waiting {
    std::string text;  // UTF-8, as said
    Speech::Place place = Speech::Place::Last;
    bool yields = false;
    bool now = false;  // cuts off everything (speech switched off)
    bool voiced = true;  // asked while speech was on: the voice says it
  };
  std::vector<std::string> thisFrame;
  std::vector<std::string> lastFrame;
  std::vector<Waiting> waiting;  // this frame's, not yet handed over
  bool answerLast = false;       // the last one waiting is an answer
  bool roomTextSaid = false;     // the open room text went to speech
  bool alarmSaid = false;        // the countdown alarm of this game went
  bool endSaid = false;          // the game-over or departure screen is up
  std::string lastContents;      // the contents panel as last said
  bool panelRedrawn = false;     // the panel is drawn again by a command

  bool keyPressed = false;      // the player typed since the last frame
  unsigned long keysSeen = 0;   // the key poll's presses, as last seen
  std::string nameSaid;         // said on arrival, left out of the text
  bool introSpeaking = false;   // the intro went to speech and may sound on
  std::vector<Waiting> held;    // the first room, waiting for the intro
  bool hintGiven = false;       // the first room's hint, once a run
  WorldGlance before;           // the world at the start of the frame
  bool worldReplaced = false;   // a load or a new game in this frame
  std::string loadedFrom;       // the saved game loaded in this frame
  // Room texts heard whole in this game: a room entered again is only
  // named; "rozhlédni se" reads its text again.
  std::vector<std::string> textsHeard;
  std::string textAgain;  // the open text, kept for "rozhlédni se"
  bool textThisFrame = false;  // a room text was said in this frame
};

// Queued behind what is being said, unless it was just said.
void Say(Game& g, const std::string& cp1250);
// An answer written into the command line: one that another answer
// replaces within the same frame was never seen, so it is not said.
// `asked` is the line the answer replaced.
void SayAnswer(Game& g, const std::string& cp1250, const std::string& asked = {});
// Said even when it was just said: the player asked for it.
void SayAsked(Game& g, const std::string& cp1250);
// The player's own action: what is being said ends at its word, this next.
void SayAtOnce(Game& g, const std::string& cp1250);
// A failed file operation, in Czech with the file's name alone, before
// anything waiting, with the keys that close the error box.
void SayIoError(Game& g, const IoError& e);
// The room texts' folder is missing: said once at start-up.
void SayTextsMissing(Game& g);

// Called at the start and at the end of every frame.
void SpeechFrame(Game& g);
void EndSpeechFrame(Game& g);
// Hands over what was asked for since the last hand-over (the end of a
// frame does it; so does anything that speaks between frames).
void HandOverSpeech(Game& g);
// A character typed into the command line: speech yields at the next frame.
void PlayerTyped(Game& g);
// A room's text was opened (an arrival, a load, a new game, the intro).
void RoomTextOpened(Game& g);
// The world was read from a file; `savedGame` is empty for a new game.
void WorldReplaced(Game& g, const std::string& savedGame);
// The whole text of the open room text file, once per opening.
void SayRoomText(Game& g);
void SayRoomContents(Game& g);
void SayInventory(Game& g);
// F9: the six meters, what is carried and the minutes left.
void SayState(Game& g);
// F8: on or off, said in the voice that is (or was) on.
void SwitchSpeech(Game& g);

}  // namespace raketa
