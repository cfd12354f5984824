// Speech for a player who cannot see the screen: the texts the game shows,
// turned into sentences a Czech voice reads well, and handed over without
// repeating what every frame writes again, in the order a listener needs
// them.
#include "world/speaking.h"

#include <algorithm>
#include <cctype>

#include "services/meters.h"
#include "world/data.h"
#include "world/meter_rules.h"

namespace raketa {

namespace {

enum class Way {
  Text,    // a room text or a panel: yields to the player
  Queue,   // said whole, after what waits
  Answer,  // the same, replaced by a later answer of the frame
  Asked,   // said whole even when just said
  First,   // before anything waiting
  Now,     // cuts off everything
};

using Place = Speech::Place;

bool Remembered(const std::vector<std::string>& said, const std::string& text) {
  return std::find(said.begin(), said.end(), text) != said.end();
}

bool Speaks(const Game& g) { return g.SpeechOn && g.services.speech != nullptr; }

// Whether anybody takes the sentences: the voice, or a listener that shows
// them as text with speech off too (the page's record and live region).
bool Heard(const Game& g) { return g.services.speech != nullptr && (g.SpeechOn || g.services.speech->ShowsText()); }

// The intro went to speech and is still being said: the first room waits
// for it, and so does the landing's request to wait.
bool IntroStillSpeaking(Game& g) {
  SpeechMemory& m = g.Spoken;
  if (m.introSpeaking && !(Speaks(g) && g.services.speech->Speaking())) m.introSpeaking = false;
  return m.introSpeaking;
}

SpeechMemory::Waiting Waiting(const Game& g, const std::string& spoken, Way way) {
  SpeechMemory::Waiting w;
  w.text = spoken;
  // What the player asked for or answered goes before what waits.
  w.place = way == Way::First || way == Way::Answer || way == Way::Asked ? Place::First : Place::Last;
  w.yields = way == Way::Text;
  w.now = way == Way::Now;
  w.voiced = g.SpeechOn;
  return w;
}

void Hand(Game& g, const std::string& cp1250, Way way) {
  if (!Heard(g)) return;
  const std::string spoken = SpokenForm(Cp1250ToUtf8(cp1250));
  if (spoken.empty()) return;
  SpeechMemory& m = g.Spoken;
  const bool repeated = Remembered(m.thisFrame, spoken) || Remembered(m.lastFrame, spoken);
  if (!Remembered(m.thisFrame, spoken)) m.thisFrame.push_back(spoken);
  if (repeated && (way == Way::Queue || way == Way::Answer || way == Way::Text)) return;
  // The landing asks the player to wait while the intro is still being read.
  if (way == Way::Queue && g.LandingScreen && IntroStillSpeaking(g)) return;
  if (way == Way::Answer && m.answerLast && !m.waiting.empty()) m.waiting.pop_back();
  // Once the game is over, its lines go before anything still waiting.
  const bool over = g.GameOver || g.DepartureScreen;
  m.waiting.push_back(Waiting(g, spoken, over && (way == Way::Queue || way == Way::Answer) ? Way::First : way));
  m.answerLast = way == Way::Answer;
}

std::string ItemList(const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& n : names) {
    if (!out.empty()) out += ", ";
    out += n;
  }
  return out.empty() ? W("nic") : out;
}

std::vector<std::string> Carried(const TWorld& w) {
  std::vector<std::string> names;
  for (const TItem& item : w.Inventory) {
    if (!item.Name.empty()) names.push_back(item.Name.str());
  }
  return names;
}

// The keys and the valve lines, for a player who cannot read the key bar.
constexpr const char* kKeysHelp =
    "Klávesy: F9 řekne stav, F12 nebo Ctrl L přečte napsaný řádek, F8 vypne řeč, Tab celý text místnosti, "
    "šipky nahoru a dolů vrátí staré příkazy, F4 pauza, F5 zvuk, F3 uložit, F2 nahrát, F6 rychle uložit, "
    "F7 rychle nahrát, F1 nová hra, F10 konec. Ventil: zavři ventil, otevři ventil.";
constexpr const char* kFirstRoomHint = "F9 řekne stav, pomoc řekne příkazy.";

// The player acted: the room text being said ends at its word, and the
// first room, held back by the intro, may now be said.
void PlayerYields(Game& g) {
  SpeechMemory& m = g.Spoken;
  if (Speaks(g)) g.services.speech->Yield();
  m.introSpeaking = false;
  if (!m.held.empty()) {
    m.waiting.insert(m.waiting.begin(), m.held.begin(), m.held.end());
    m.held.clear();
  }
}

// On arrival the room is named before anything else, so that a room passed
// through or a text cut short still tells where the player is.
void Arrive(Game& g) {
  SpeechMemory& m = g.Spoken;
  m.nameSaid.clear();
  if (!Heard(g)) return;
  // The last room's text ends, whether or not this one can be read.
  if (Speaks(g) && !IntroStillSpeaking(g)) g.services.speech->Yield();
  if (!g.RoomTextFile.IsOpen()) return;
  const std::string name = RoomName(SpokenParagraph(g.RoomTextFile.Whole()));
  if (name.empty()) return;
  m.nameSaid = name;
  // "CHODBA U KABINY." in small letters, its one-letter word too.
  std::string said = name;
  if (std::none_of(name.begin(), name.end(), [](char c) {
        const unsigned char u = static_cast<unsigned char>(c);
        return LowerCp1250(u) == u && ((u >= 'a' && u <= 'z') || u >= 0x9A);
      })) {
    for (char& c : said) c = static_cast<char>(LowerCp1250(static_cast<unsigned char>(c)));
  }
  if (IntroStillSpeaking(g)) {
    m.held.push_back(Waiting(g, SpokenForm(Cp1250ToUtf8(said)), Way::Queue));
    return;
  }
  Hand(g, said, Way::First);
}

std::string FileName(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

void Say(Game& g, const std::string& cp1250) { Hand(g, cp1250, Way::Queue); }

void SayAnswer(Game& g, const std::string& cp1250, const std::string& asked) {
  Hand(g, cp1250, Way::Answer);
  // The help answer on the screen is short; a listener hears the keys too,
  // since the key bar cannot be heard.
  SpeechMemory& m = g.Spoken;
  if (asked == W("pomoc") && Cp1250ToUtf8(cp1250).find("F9") == std::string::npos) {
    Hand(g, W(kKeysHelp), Way::Queue);
    m.answerLast = false;
  }
  // Looking around reads a text heard before once more.
  if (asked == W("rozhlédni se") && !m.textAgain.empty()) {
    Hand(g, m.textAgain, Way::Text);
    m.textAgain.clear();
    m.answerLast = false;
  }
}

void SayAsked(Game& g, const std::string& cp1250) { Hand(g, cp1250, Way::Asked); }

void SayAtOnce(Game& g, const std::string& cp1250) {
  if (Speaks(g)) g.services.speech->Yield();
  Hand(g, cp1250, Way::First);
}

void SayIoError(Game& g, const IoError& e) {
  Hand(g, SpokenIoError(e.code(), e.path()) + W(" Enter nebo Escape zavře."), Way::First);
}

void SayTextsMissing(Game& g) {
  Hand(g, W("Texty místností nejdou přečíst, hra pokračuje bez nich. Enter nebo Escape zavře."), Way::First);
}

void SpeechFrame(Game& g) {
  SpeechMemory& m = g.Spoken;
  HandOverSpeech(g);
  m.lastFrame.swap(m.thisFrame);
  m.thisFrame.clear();
  m.panelRedrawn = false;  // left set by a redraw an error broke off
  const unsigned long presses = g.services.keys.Presses();
  if (presses != m.keysSeen) {
    m.keysSeen = presses;
    m.keyPressed = true;
  }
  if (m.keyPressed) {
    m.keyPressed = false;
    PlayerYields(g);
  }
  m.before = Glance(g.World);
  m.textThisFrame = false;
  m.worldReplaced = false;
  m.loadedFrom.clear();
}

void EndSpeechFrame(Game& g) {
  SpeechMemory& m = g.Spoken;
  const bool inGame = !g.IntroScreen && !g.LandingScreen;
  if (inGame && !g.GameOver && !m.worldReplaced && Heard(g)) {
    std::vector<std::string> told, warnings;
    WorldNews(m.before, g.World, g.World.CurrentRoom != m.before.room, told, warnings);
    for (const std::string& w : warnings) Hand(g, w, Way::First);
    for (const std::string& t : told) Hand(g, t, Way::Queue);
  } else if (inGame && m.worldReplaced && Heard(g)) {
    // A game loaded or started in a harmful place warns at once too.
    std::vector<std::string> told, warnings;
    WorldGlance calm = Glance(g.World);
    calm.harmful = false;
    WorldNews(calm, g.World, true, told, warnings);
    for (const std::string& w : warnings) Hand(g, w, Way::First);
  }
  // The alarm goes once, in the frame in which the cables started the
  // countdown (or a game with the countdown running was loaded).
  const bool running = g.World.CablesRepaired != 0;
  if (running && !m.alarmSaid && !g.GameOver && inGame) {
    Hand(g,
         W("Sakra, raketa se pohnula! Zbývá ") + W(MeterMinutes(g.World.MinutesLeft)) +
             W(", rychle do kabiny!"),
         Way::First);
  }
  m.alarmSaid = running;
  // Death, the fall and the departure end the room text and go first.
  const bool ended = g.GameOver || g.DepartureScreen;
  if (ended && !m.endSaid) {
    if (Speaks(g)) g.services.speech->Yield();
    for (SpeechMemory::Waiting& w : m.waiting) {
      if (!w.now) w.place = Place::First, w.yields = false;
    }
  }
  m.endSaid = ended;
  // The first room waits until the intro has been said.
  if (!m.held.empty() && !IntroStillSpeaking(g)) {
    m.waiting.insert(m.waiting.begin(), m.held.begin(), m.held.end());
    m.held.clear();
  }
  HandOverSpeech(g);
}

void HandOverSpeech(Game& g) {
  SpeechMemory& m = g.Spoken;
  if (m.waiting.empty()) return;
  std::vector<SpeechMemory::Waiting> waiting;
  waiting.swap(m.waiting);
  // What goes first is handed over first: a frame's own answer or panel
  // must not start only to give way at once.
  std::stable_partition(waiting.begin(), waiting.end(),
                        [](const SpeechMemory::Waiting& w) { return w.now || w.place == Place::First; });
  m.answerLast = false;
  if (g.services.speech == nullptr) return;
  for (const SpeechMemory::Waiting& w : waiting) {
    if (g.services.speech->ShowsText()) g.services.speech->Shown(w.text);
    // Asked while speech was off: for the page's text only.
    if (!w.voiced) continue;
    if (w.now) {
      g.services.speech->Interrupt(w.text);
    } else {
      g.services.speech->Say(w.text, w.place, w.yields);
    }
  }
}

void PlayerTyped(Game& g) { g.Spoken.keyPressed = true; }

void RoomTextOpened(Game& g) {
  SpeechMemory& m = g.Spoken;
  m.roomTextSaid = false;
  m.textAgain.clear();
  if (g.IntroScreen) return;
  // A load says the saved game's name before the room's.
  if (!m.loadedFrom.empty()) {
    Hand(g, W("Nahráno: ") + FileName(m.loadedFrom) + ".", Way::First);
    m.loadedFrom.clear();
  }
  Arrive(g);
}

void WorldReplaced(Game& g, const std::string& savedGame) {
  g.Spoken.worldReplaced = true;
  g.Spoken.loadedFrom = savedGame;
  g.Spoken.textsHeard.clear();
}

void SayRoomText(Game& g) {
  SpeechMemory& m = g.Spoken;
  if (m.roomTextSaid || !g.RoomTextFile.IsOpen()) return;
  m.roomTextSaid = true;
  m.textThisFrame = true;
  if (!Heard(g)) return;
  std::string text = SpokenParagraph(g.RoomTextFile.Whole());
  if (g.IntroScreen) {
    Hand(g, text, Way::Text);
    m.introSpeaking = Speaks(g);
    return;
  }
  // The name was said on arrival.
  if (!m.nameSaid.empty() && text.compare(0, m.nameSaid.size(), m.nameSaid) == 0) {
    text.erase(0, m.nameSaid.size());
    while (!text.empty() && text.front() == ' ') text.erase(0, 1);
  }
  const bool named = !m.nameSaid.empty();
  m.nameSaid.clear();
  // A room entered again is only named: its text was heard already.
  const std::string whole = SpokenParagraph(g.RoomTextFile.Whole());
  if (Remembered(m.textsHeard, whole) && named) {
    m.textAgain = whole;
    return;
  }
  m.textsHeard.push_back(whole);
  const bool hint = !m.hintGiven && g.World.CurrentRoom == 1 && !g.ReturnPhase();
  m.hintGiven = m.hintGiven || hint;
  // The hint comes before the text, so that a key ending the text does not
  // take it away.
  if (IntroStillSpeaking(g)) {
    if (hint) m.held.push_back(Waiting(g, kFirstRoomHint, Way::Queue));
    if (!text.empty()) m.held.push_back(Waiting(g, SpokenForm(Cp1250ToUtf8(text)), Way::Text));
    return;
  }
  if (hint) Hand(g, W(kFirstRoomHint), Way::Queue);
  Hand(g, text, Way::Text);
}

void SayRoomContents(Game& g) {
  if (!Heard(g)) return;
  TRoom& room = g.World.Current();
  std::string said;
  for (const TFixture& fx : room.Fixtures) {
    const std::string name = fx.Name.str();
    if (name.empty()) continue;
    if (!said.empty()) said += ". ";
    said += name;
    std::vector<std::string> inside;
    if (fx.Opened != 0) {
      for (const TItem& item : fx.Items) {
        if (!item.Name.empty()) inside.push_back(item.Name.str());
      }
    }
    if (!inside.empty()) said += ": " + ItemList(inside);
  }
  std::vector<std::string> floor;
  for (const TItem& item : room.Items) {
    if (!item.Name.empty()) floor.push_back(item.Name.str());
  }
  if (said.empty()) {
    said = floor.empty() ? W("V místnosti se nachází: nic.") : W("Na zemi leží: ") + ItemList(floor) + ".";
  } else {
    said = W("V místnosti se nachází: ") + said + ".";
    if (!floor.empty()) said += W(" Na zemi: ") + ItemList(floor) + ".";
  }
  const bool unchanged = said == g.Spoken.lastContents;
  g.Spoken.lastContents = said;
  if (g.Spoken.panelRedrawn && unchanged) return;
  // Read with a room text it gives way as the text does; after a search or
  // a take it is the answer the player asked for.
  Hand(g, said, g.Spoken.textThisFrame ? Way::Text : Way::Queue);
}

void SayInventory(Game& g) {
  if (!Heard(g)) return;
  Hand(g, W("S sebou neseš: ") + ItemList(Carried(g.World)) + ".", Way::Queue);
}

void SayState(Game& g) {
  const TWorld& w = g.World;
  std::string said;
  for (const MeterLook& m : kMeters) said += std::string(m.said) + " " + MeterPercent(MeterValue(w, m.id)) + ", ";
  if (w.CablesRepaired) {
    said += "zbývá " + MeterMinutes(w.MinutesLeft) + ", ";
  }
  said.resize(said.size() - 2);
  said[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(said[0])));
  said += ". ";
  SayAsked(g, W(said) + W("S sebou neseš: ") + ItemList(Carried(w)) + ".");
}

void SwitchSpeech(Game& g) {
  if (g.SpeechOn) {
    // The last words cut off whatever was still being said.
    Hand(g, W("Řeč vypnuta."), Way::Now);
    g.SpeechOn = false;
  } else {
    g.SpeechOn = true;
    SayAsked(g, W("Řeč zapnuta."));
  }
  if (g.services.speech != nullptr) g.services.speech->Switched(g.SpeechOn);
}

}  // namespace raketa
