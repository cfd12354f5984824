#include "commands/normal_form.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "services/cp1250.h"

namespace raketa {

namespace {

using Words = std::vector<std::string>;

Words Split(const std::string& utf8) {
  Words words;
  std::string word;
  for (char c : utf8 + ' ') {
    if (c != ' ') {
      word += c;
    } else if (!word.empty()) {
      words.push_back(std::move(word));
      word.clear();
    }
  }
  return words;
}

std::string Join(const Words& words, std::size_t from) {
  std::string out;
  for (std::size_t i = from; i < words.size(); ++i) out += (out.empty() ? "" : " ") + words[i];
  return out;
}

// The direction word a player may mean, or empty.
std::string Direction(const std::string& w) {
  static const std::pair<const char*, const char*> kDirections[] = {
      {"s", "sever"},       {"sever", "sever"},   {"j", "jih"},   {"jih", "jih"},     {"v", "vychod"},
      {"vychod", "vychod"}, {"východ", "vychod"}, {"z", "zapad"}, {"zapad", "zapad"}, {"západ", "zapad"},
  };
  for (const auto& [said, meant] : kDirections) {
    if (w == said) return meant;
  }
  return "";
}

bool IsGoVerb(const std::string& w) { return w == "jdi" || w == "běž" || w == "jít"; }

// Verbs of one or two words and the verb the handlers know.
struct VerbForm {
  Words said;
  const char* meant;
};
const std::vector<VerbForm>& Verbs() {
  static const std::vector<VerbForm> verbs = {
      {{"obleč", "si"}, "použij"},  // before "obleč" alone
      {{"vezmi"}, "vem"},
      {{"seber"}, "vem"},
      {{"polož"}, "odloz"},
      {{"poloz"}, "odloz"},
      {{"odlož"}, "odloz"},
      {{"zahoď"}, "odloz"},
      {{"sněz"}, "použij"},
      {{"sní"}, "použij"},
      {{"jez"}, "použij"},
      {{"vypij"}, "použij"},
      {{"pij"}, "použij"},
      {{"obleč"}, "použij"},
      {{"prozkoumej"}, "prohledej"},
      {{"prohlédni"}, "prohledej"},
  };
  return verbs;
}

// Whole lines said another way.
std::string WholeLine(const std::string& line) {
  static const std::pair<const char*, std::string_view> kLines[] = {
      {"zavři ventil", "zastav ventil"},
      {"zavri ventil", "zastav ventil"},
      {"otevři ventil", "otevri ventil"},
      {"rozhlédni se", comfort_line::LookAround},
      {"rozhledni se", comfort_line::LookAround},
      {"popis", comfort_line::LookAround},
      {"kde jsem", comfort_line::LookAround},
      {"inventář", comfort_line::Inventory},
      {"inventar", comfort_line::Inventory},
      {"i", comfort_line::Inventory},
      {"pomoc", comfort_line::Help},
      {"nápověda", comfort_line::Help},
      {"napoveda", comfort_line::Help},
      {"?", comfort_line::Help},
  };
  for (const auto& [said, meant] : kLines) {
    if (line == said) return std::string(meant);
  }
  return "";
}

// A Czech letter without its accent ("ů" gives "u"); other letters as they are.
char32_t Plain(char32_t c) {
  static const std::u32string kAccented = U"áäčďéěíĺľňóôŕřšťúůýž";
  static const std::u32string kPlain = U"aacdeeillnoorrstuuyz";
  std::size_t at = kAccented.find(c);
  return at == std::u32string::npos ? c : kPlain[at];
}

std::string PlainText(const std::string& utf8) {
  std::string out;
  char32_t cp = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    std::size_t n = DecodeUtf8(utf8, i, cp);
    if (n == 0) return utf8;
    AppendUtf8(out, Plain(cp));
    i += n;
  }
  return out;
}

// The name of a fixture in `room` that `name` spells with other accents.
std::string FixtureName(const std::string& name, const TRoom& room) {
  const std::string plain = PlainText(name);
  for (const TFixture& f : room.Fixtures) {
    const std::string fixture = Cp1250ToUtf8(f.Name.view());
    if (!fixture.empty() && PlainText(fixture) == plain) return fixture;
  }
  return name;
}

std::string Normal(const std::string& utf8, const TRoom& room) {
  Words words = Split(utf8);
  std::string line = Join(words, 0);
  if (std::string whole = WholeLine(line); !whole.empty()) return whole;

  // Directions, alone or after a verb of going (and "na").
  std::size_t at = 0;
  if (!words.empty() && IsGoVerb(words[0])) at = words.size() > 2 && words[1] == "na" ? 2 : 1;
  if (words.size() == at + 1) {
    if (std::string d = Direction(words[at]); !d.empty()) return d;
  }

  for (const VerbForm& v : Verbs()) {
    if (words.size() < v.said.size() || !std::equal(v.said.begin(), v.said.end(), words.begin())) continue;
    words.erase(words.begin(), words.begin() + static_cast<std::ptrdiff_t>(v.said.size()));
    words.insert(words.begin(), v.meant);
    break;
  }
  if (words.size() > 1 && words[0] == "prohledej") return "prohledej " + FixtureName(Join(words, 1), room);
  return Join(words, 0);
}

}  // namespace

std::string NormalForm(std::string_view line, const TRoom& room) {
  return Utf8ToCp1250(Normal(Cp1250ToUtf8(line), room));
}

}  // namespace raketa
