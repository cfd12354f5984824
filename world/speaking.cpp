// Speech for a player who cannot see the screen: the texts the game shows,
// turned into sentences a Czech voice reads well, and handed over without
// repeating what every frame writes again.
#include "world/speaking.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "world/data.h"

namespace raketa {

namespace {

enum class Way { Queue, Asked, AtOnce, Answer };

bool Remembered(const std::vector<std::string>& said, const std::string& text) {
  return std::find(said.begin(), said.end(), text) != said.end();
}

// Whether anybody hears the sentences: the voice, or a listener that
// shows them as text with speech off too.
bool Heard(const Game& g) { return g.io.speech != nullptr && (g.SpeechOn || g.io.speech->ShowsText()); }

void Hand(Game& g, const std::string& cp1250, Way way) {
  if (!Heard(g)) return;
  const std::string spoken = SpokenForm(Cp1250ToUtf8(cp1250));
  if (spoken.empty()) return;
  SpeechMemory& m = g.Spoken;
  // A new room text starts a new page: anything may be said again after it.
  if (way == Way::AtOnce) {
    m.thisFrame.clear();
    m.lastFrame.clear();
  }
  const bool repeated = Remembered(m.thisFrame, spoken) || Remembered(m.lastFrame, spoken);
  if (!Remembered(m.thisFrame, spoken)) m.thisFrame.push_back(spoken);
  if (repeated && (way == Way::Queue || way == Way::Answer)) return;
  if (way == Way::AtOnce) m.cutOff = true;
  if (way == Way::Answer && m.answerLast && !m.waiting.empty()) {
    m.waiting.pop_back();
    m.voiced.pop_back();
  }
  m.waiting.push_back(spoken);
  m.voiced.push_back(g.SpeechOn);
  m.answerLast = way == Way::Answer;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// One Czech noun after a count: 1, 2 to 4, and 0 or 5 and more.
std::string Counted(long n, const char* one, const char* few, const char* many) {
  const char* noun = n == 1 ? one : (n >= 2 && n <= 4) ? few : many;
  return std::to_string(n) + " " + noun;
}

// Whole words the screen shows in capitals or as key legends.
struct WordRewrite {
  const char* shown;
  const char* said;
};
constexpr WordRewrite kWords[] = {
    {"PAUSE", "pauza"},
    {"ESC", "escape"},
};

bool WordChar(unsigned char c) { return std::isalnum(c) || c >= 0x80; }

std::string RewriteWords(const std::string& text) {
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    bool done = false;
    if (i == 0 || !WordChar(static_cast<unsigned char>(text[i - 1]))) {
      for (const WordRewrite& w : kWords) {
        const std::string shown = w.shown;
        const std::size_t end = i + shown.size();
        if (text.compare(i, shown.size(), shown) == 0 &&
            (end == text.size() || !WordChar(static_cast<unsigned char>(text[end])))) {
          out += w.said;
          i = end;
          done = true;
          break;
        }
      }
    }
    if (!done) out.push_back(text[i++]);
  }
  return out;
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

}  // namespace

void Say(Game& g, const std::string& cp1250) { Hand(g, cp1250, Way::Queue); }
void SayAnswer(Game& g, const std::string& cp1250) { Hand(g, cp1250, Way::Answer); }
void SayAsked(Game& g, const std::string& cp1250) { Hand(g, cp1250, Way::Asked); }
void SayAtOnce(Game& g, const std::string& cp1250) { Hand(g, cp1250, Way::AtOnce); }

void SpeechFrame(Game& g) {
  SpeechMemory& m = g.Spoken;
  HandOverSpeech(g);
  m.lastFrame.swap(m.thisFrame);
  m.thisFrame.clear();
  m.panelRedrawn = false;  // left set by a redraw an error broke off
}

void EndSpeechFrame(Game& g) {
  SpeechMemory& m = g.Spoken;
  // The alarm goes once, in the frame in which the cables started the
  // countdown (or a game with the countdown running was loaded).
  const bool running = g.World.CablesRepaired != 0;
  if (running && !m.alarmSaid && !g.GameOver && !g.LandingScreen && !g.IntroScreen) {
    Say(g, W("sakra sakra raketa se pohnula, nemáš moc času, ") +
               W(Minutes(WholePercent(g.World.MinutesLeft))) + W(", rychle do kabiny!"));
  }
  m.alarmSaid = running;
  // Death, the fall and the departure cut off whatever was being said.
  const bool ended = g.GameOver || g.DepartureScreen;
  if (ended && !m.endSaid && !m.waiting.empty()) m.cutOff = true;
  m.endSaid = ended;
  HandOverSpeech(g);
}

void HandOverSpeech(Game& g) {
  SpeechMemory& m = g.Spoken;
  if (m.waiting.empty()) return;
  std::vector<std::string> waiting;
  std::vector<bool> voiced;
  waiting.swap(m.waiting);
  voiced.swap(m.voiced);
  const bool cut = m.cutOff;
  m.cutOff = false;
  m.answerLast = false;
  if (g.io.speech == nullptr) return;
  // Only the first sentence may cut off; one the voice does not say (asked
  // while speech was off) cuts off nothing.
  for (std::size_t i = 0; i < waiting.size(); ++i) {
    if (g.io.speech->ShowsText()) g.io.speech->Shown(waiting[i]);
    if (!voiced[i]) continue;
    if (i == 0 && cut) {
      g.io.speech->Interrupt(waiting[i]);
    } else {
      g.io.speech->Say(waiting[i]);
    }
  }
}

void SpeechKeys(Game& g) {
  // Once per press: a held key must not switch back and forth.
  if (g.io.keys.KeyPressed(vk::F8)) SwitchSpeech(g);
  if (g.io.keys.KeyPressed(vk::F9)) SayState(g);
}

void SayRoomText(Game& g) {
  if (g.Spoken.roomTextSaid || !g.RoomTextFile.IsOpen()) return;
  g.Spoken.roomTextSaid = true;
  SayAtOnce(g, SpokenParagraph(g.RoomTextFile.Whole()));
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
  if (!floor.empty()) {
    if (!said.empty()) said += ". ";
    said += W("Na zemi: ") + ItemList(floor);
  }
  if (said.empty()) said = W("nic");
  said = W("V místnosti se nachází: ") + said + ".";
  const bool unchanged = said == g.Spoken.lastContents;
  g.Spoken.lastContents = said;
  if (g.Spoken.panelRedrawn && unchanged) return;
  Say(g, said);
}

void SayInventory(Game& g) {
  if (!Heard(g)) return;
  Say(g, W("Sebou neseš: ") + ItemList(Carried(g.World)) + ".");
}

void SayState(Game& g) {
  const TWorld& w = g.World;
  struct Meter {
    const char* name;
    float value;
  };
  const Meter meters[] = {
      {"zdraví", w.Health},          {"výživa", w.Nourishment}, {"články", w.CellCharge},
      {"palivo", w.Fuel},            {"kyslík ve skafandru", w.SuitOxygen},
  };
  std::string said;
  for (const Meter& m : meters) said += std::string(m.name) + " " + Percent(WholePercent(m.value)) + ", ";
  if (w.CablesRepaired) {
    said += "zbývá " + Minutes(WholePercent(w.MinutesLeft)) + ", ";
  }
  said.resize(said.size() - 2);
  said += ". ";
  SayAsked(g, W(said) + W("Sebou neseš: ") + ItemList(Carried(w)) + ".");
}

void SwitchSpeech(Game& g) {
  if (g.SpeechOn) {
    // The last words cut off whatever was still being said.
    SayAtOnce(g, W("řeč vypnuta"));
    g.SpeechOn = false;
  } else {
    g.SpeechOn = true;
    SayAsked(g, W("řeč zapnuta"));
  }
  if (g.io.speech != nullptr) g.io.speech->Switched(g.SpeechOn);
}

std::string Percent(long n) { return Counted(n, "procento", "procenta", "procent"); }
std::string Minutes(long n) { return Counted(n, "minuta", "minuty", "minut"); }

long WholePercent(float value) {
  if (!std::isfinite(value)) return 0;
  if (std::fabs(value) > 1e9f) return value < 0 ? -1000000000L : 1000000000L;
  return std::lrint(value);
}

std::string SpokenForm(const std::string& utf8) {
  // One line of words with single blanks, "=" read as a pause.
  std::string flat;
  for (char c : utf8) {
    const bool blank = c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '=';
    if (blank) {
      if (!flat.empty() && flat.back() != ' ') flat.push_back(' ');
    } else {
      flat.push_back(c);
    }
  }
  while (!flat.empty() && flat.back() == ' ') flat.pop_back();
  flat = RewriteWords(flat);
  // "72 %" and "72%": the number with its Czech noun.
  std::string out;
  for (std::size_t i = 0; i < flat.size();) {
    if (IsDigit(flat[i]) && (i == 0 || !IsDigit(flat[i - 1]))) {
      std::size_t j = i;
      while (j < flat.size() && IsDigit(flat[j])) ++j;
      std::size_t k = j;
      if (k < flat.size() && flat[k] == ' ') ++k;
      if (k < flat.size() && flat[k] == '%' && j - i <= 9) {
        out += Percent(std::stol(flat.substr(i, j - i)));
        i = k + 1;
        continue;
      }
      out.append(flat, i, j - i);
      i = j;
      continue;
    }
    out.push_back(flat[i++]);
  }
  return out;
}

namespace {
// Whether a line's first letter is a capital, past blanks, quotes and dashes.
bool StartsWithCapital(const std::string& cp1250) {
  for (unsigned char c : cp1250) {
    if (c == ' ' || c == '\t' || c == '"' || c == '\'' || c == '(' || c == 0x84 || c == 0x93 || c == 0x96) continue;
    return LowerCp1250(c) != c;
  }
  return false;
}
}  // namespace

std::string SpokenParagraph(const std::string& cp1250) {
  struct Line {
    std::string text;
    bool indented;
  };
  std::vector<Line> lines;
  std::size_t start = 0;
  while (start <= cp1250.size()) {
    std::size_t end = cp1250.find('\n', start);
    if (end == std::string::npos) end = cp1250.size();
    std::string line = cp1250.substr(start, end - start);
    const std::size_t a = line.find_first_not_of(" \t\r");
    const std::size_t b = line.find_last_not_of(" \t\r");
    if (a != std::string::npos) lines.push_back({line.substr(a, b - a + 1), a > 0});
    start = end + 1;
  }
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string text = lines[i].text;
    // An indented line that ends without a stop before a capital is an
    // entry of a list (the console's warnings): the voice pauses after it.
    // Inside an indented quotation the sentence simply goes on.
    const bool nextIsNew = i + 1 == lines.size() || StartsWithCapital(lines[i + 1].text);
    const std::size_t last = text.find_last_not_of("\"')\x93");
    const bool stopped = last != std::string::npos && std::string(".,:;!?").find(text[last]) != std::string::npos;
    if (lines[i].indented && nextIsNew && !stopped) text += ".";
    if (!out.empty()) out += " ";
    out += text;
  }
  return out;
}

}  // namespace raketa
