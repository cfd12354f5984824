// What the game says aloud when speech is on (F8, or --speak): the room
// texts, the answers in the command line, the panels a command draws, the
// screens and the state on F9.  Text goes to speech as UTF-8, with numbers
// and the percent sign as a Czech reader would say them.
#pragma once

#include <string>
#include <vector>

namespace raketa {

struct Game;

// What went to speech in this frame and in the one before: a text the game
// writes on every frame (the pause, a death, the landing) is said once.
// A frame's sentences are handed over together at its end, so that a room
// text cuts off only what earlier frames asked for, never the answer of the
// command that led into the room.
struct SpeechMemory {
  std::vector<std::string> thisFrame;
  std::vector<std::string> lastFrame;
  std::vector<std::string> waiting;  // this frame's, not yet handed over
  std::vector<bool> voiced;          // for each waiting: asked while speech was on
  bool cutOff = false;               // a new room text among them
  bool answerLast = false;           // the last one waiting is an answer
  bool roomTextSaid = false;  // the open room text went to speech
  bool alarmSaid = false;     // the countdown alarm of this game went
  bool endSaid = false;       // the game-over or departure screen is up
  std::string lastContents;   // the contents panel as last said
  bool panelRedrawn = false;  // the panel is drawn again by a command
};

// Queued behind what is being said, unless it was just said.
void Say(Game& g, const std::string& cp1250);
// An answer written into the command line: one that another answer
// replaces within the same frame was never seen, so it is not said.
void SayAnswer(Game& g, const std::string& cp1250);
// Said even when it was just said: the player asked for it.
void SayAsked(Game& g, const std::string& cp1250);
// Cuts off what is being said (a new room text).
void SayAtOnce(Game& g, const std::string& cp1250);

// Called at the start and at the end of every frame.
void SpeechFrame(Game& g);
void EndSpeechFrame(Game& g);
// Hands over what was asked for since the last hand-over (the end of a
// frame does it; so does anything that speaks between frames).
void HandOverSpeech(Game& g);
// F8 switches speech, F9 says the state, on every screen.
void SpeechKeys(Game& g);
// The whole text of the open room text file, once per opening.
void SayRoomText(Game& g);
void SayRoomContents(Game& g);
void SayInventory(Game& g);
// F9: the six meters, what is carried and the minutes left.
void SayState(Game& g);
// F8: on or off, said in the voice that is (or was) on.
void SwitchSpeech(Game& g);

// --- the words ---
// The game's text as it should be read: one line, "72 %" as "72 procent",
// "ESC=POKRAČUJ" as "escape pokračuj".  UTF-8 in and out.
std::string SpokenForm(const std::string& utf8);
// "1 procento", "3 procenta", "72 procent"; the same for minutes.
std::string Percent(long n);
std::string Minutes(long n);
// A room text file's bytes (code page 1250, CR LF lines) as one paragraph;
// an indented line without its own full stop is a list entry and gets one.
std::string SpokenParagraph(const std::string& cp1250);
// The meters as the panel shows them: nearest whole number, halves to even.
long WholePercent(float value);

}  // namespace raketa
