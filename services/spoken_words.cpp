// The screen's texts turned into what a Czech voice reads well.
#include "services/spoken_words.h"

#include <cctype>
#include <cmath>
#include <vector>

#include "services/cp1250.h"
#include "services/meters.h"
#include "services/save_names.h"

namespace raketa {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
// A letter or digit of either alphabet (UTF-8 bytes above ASCII count).
bool WordChar(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  return std::isalnum(u) || u >= 0x80;
}

// One Czech noun after a count: 1, 2 to 4, and 0 or 5 and more.
std::string Counted(const std::string& figure, const char* one, const char* few, const char* many) {
  const char* noun = figure == "1" ? one : (figure == "2" || figure == "3" || figure == "4") ? few : many;
  return figure + " " + noun;
}

// A meter as the panel draws it, with its noun; an infinite meter, which
// the panel draws as "inf", is said as the word.
std::string CountedMeter(float value, const char* one, const char* few, const char* many) {
  const double whole = MeterWhole(value);
  if (std::isnan(whole)) return "není číslo";
  if (std::isinf(whole)) return std::string(whole < 0 ? "minus nekonečno " : "nekonečno ") + many;
  return Counted(MeterFigure(value), one, few, many);
}

// Whole words said otherwise than written: key legends, "OK", and the
// command words and item names the game writes as they are typed, without
// accents, which a voice says as non-words.
struct WordRewrite {
  const char* shown;
  const char* said;
};
constexpr WordRewrite kWords[] = {
    {"PAUSE", "pauza"},       {"ESC", "escape"},        {"Esc", "escape"},         {"OK", "okej"},
    {"Ok", "okej"},           {"ok", "okej"},           {"vychod", "východ"},      {"zapad", "západ"},
    {"odloz", "odlož"},       {"pouzij", "použij"},     {"Neni", "Není"},          {"neni", "není"},
    {"klicek", "klíček"},     {"klic", "klíč"},         {"cip", "čip"},            {"clanek", "článek"},
    {"izolacka", "izolačka"}, {"tlakomer", "tlakoměr"}, {"kyslik", "kyslík"},      {"penicilin", "penicilín"},
    {"naplast", "náplast"},   {"mineralka", "minerálka"}, {"spekacek", "špekáček"}, {"mistnosti", "místnosti"},
    {"otevri", "otevři"},     {"mužeš", "můžeš"},       {"članky", "články"},      {"Kable", "Kabely"},
};

// Runs of dots (and the ellipsis character) as the pause they stand for: a
// comma between words, a full stop at the end, nothing before other
// punctuation or at the start.
std::string Pauses(const std::string& text) {
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t j = i;
    std::size_t dots = 0;
    while (j < text.size()) {
      if (text[j] == '.') {
        ++j, ++dots;
      } else if (text.compare(j, 3, "\xE2\x80\xA6") == 0) {
        j += 3, dots += 3;
      } else {
        break;
      }
    }
    if (dots < 2) {
      out.push_back(text[i++]);
      continue;
    }
    std::size_t next = j;
    while (next < text.size() && text[next] == ' ') ++next;
    while (!out.empty() && out.back() == ' ') out.pop_back();
    const bool wordBefore = !out.empty() && WordChar(out.back());
    if (next == text.size()) {
      if (wordBefore) out += ".";
    } else if (WordChar(text[next]) || text[next] == '"') {
      if (wordBefore) out += ",";
      if (!out.empty()) out += " ";
    }
    i = next;
  }
  return out;
}

// Punctuation the voice would read out or stumble on: a blank before a
// mark, a mark doubled, a stray mark at the start.
std::string Tidy(const std::string& text) {
  std::string out;
  for (char c : text) {
    const bool mark = c == '!' || c == '?' || c == ',' || c == ':' || c == ';' || c == '.';
    if (mark) {
      while (!out.empty() && out.back() == ' ') out.pop_back();
      if (out.empty()) continue;
      if (out.back() == c && c != '.') continue;
      if (out.back() == ',' && c != ',') out.pop_back();
    }
    if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
    out.push_back(c);
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

// A word written in capitals ("KABINA", "POKRAČUJ"), which a voice may
// spell out letter by letter: in small letters.
std::string CapitalsLowered(const std::string& utf8) {
  const std::string cp = Utf8ToCp1250(utf8);
  int letters = 0;
  for (unsigned char c : cp) {
    if (c == '-') continue;
    if (LowerCp1250(c) == c) return utf8;  // a small letter, a digit, a mark
    ++letters;
  }
  if (letters < 2) return utf8;
  std::string lowered;
  for (unsigned char c : cp) lowered.push_back(static_cast<char>(LowerCp1250(c)));
  return Cp1250ToUtf8(lowered);
}

// One blank-separated word, with any marks around it kept.
// "1/7", a page of seven: said as the page it is.
bool IsPageCount(const std::string& word) {
  const std::size_t slash = word.find('/');
  if (slash == 0 || slash == std::string::npos || slash + 1 == word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (i != slash && (word[i] < '0' || word[i] > '9')) return false;
  }
  return true;
}

std::string SpokenWord(std::string word) {
  if (IsPageCount(word)) return "strana " + word.substr(0, word.find('/')) + ",";
  // A path says only its last part: the file's name.
  const std::size_t slash = word.find_last_of("/\\");
  if (slash != std::string::npos) {
    std::size_t lead = 0;
    while (lead < word.size() && !WordChar(word[lead]) && word[lead] != '/' && word[lead] != '\\' &&
           word[lead] != '.' && word[lead] != '~')
      ++lead;
    word = word.substr(0, lead) + word.substr(slash + 1);
  }
  std::size_t a = 0;
  while (a < word.size() && !WordChar(word[a])) ++a;
  std::size_t b = word.size();
  while (b > a && !WordChar(word[b - 1])) --b;
  std::string core = word.substr(a, b - a);
  // Every saved game ends so: the ending tells the listener nothing.
  core = WithoutSaveSuffix(core);
  bool rewritten = false;
  for (const WordRewrite& w : kWords) {
    if (core == w.shown) {
      core = w.said;
      rewritten = true;
      break;
    }
  }
  if (!rewritten) core = CapitalsLowered(core);
  return word.substr(0, a) + core + word.substr(b);
}

}  // namespace

std::string Percent(long n) { return Counted(std::to_string(n), "procento", "procenta", "procent"); }
std::string Minutes(long n) { return Counted(std::to_string(n), "minuta", "minuty", "minut"); }
std::string MeterPercent(float value) { return CountedMeter(value, "procento", "procenta", "procent"); }
std::string MeterMinutes(float value) { return CountedMeter(value, "minuta", "minuty", "minut"); }

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
  flat = Pauses(flat);
  std::string words;
  std::size_t start = 0;
  while (start < flat.size()) {
    std::size_t end = flat.find(' ', start);
    if (end == std::string::npos) end = flat.size();
    if (end > start) {
      if (!words.empty()) words += ' ';
      words += SpokenWord(flat.substr(start, end - start));
    }
    start = end + 1;
  }
  // "72 %" and "72%": the number with its Czech noun.
  std::string out;
  for (std::size_t i = 0; i < words.size();) {
    if (IsDigit(words[i]) && (i == 0 || !IsDigit(words[i - 1]))) {
      std::size_t j = i;
      while (j < words.size() && IsDigit(words[j])) ++j;
      std::size_t k = j;
      if (k < words.size() && words[k] == ' ') ++k;
      if (k < words.size() && words[k] == '%' && j - i <= 9) {
        out += Percent(std::stol(words.substr(i, j - i)));
        i = k + 1;
        continue;
      }
      out.append(words, i, j - i);
      i = j;
      continue;
    }
    out.push_back(words[i++]);
  }
  return Tidy(out);
}

}  // namespace raketa
