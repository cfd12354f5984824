#include "dictionary.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "services/cp1250.h"
#include "world_source.h"

namespace raketa::worldtool {

namespace {

std::u32string U32(const std::string& utf8) {
  std::u32string out;
  char32_t cp = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    std::size_t n = DecodeUtf8(utf8, i, cp);
    if (n == 0) {
      ++i;
      continue;
    }
    out += cp;
    i += n;
  }
  return out;
}

std::string U8(const std::u32string& text) {
  std::string out;
  for (char32_t c : text) AppendUtf8(out, c);
  return out;
}

std::u32string Field(const std::string& f) { return f == "0" ? std::u32string() : U32(f); }

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

// "[^aeo]k" -> {"^aeo", "k"}; "." -> {} (any word).
std::vector<std::u32string> Condition(const std::u32string& text) {
  std::vector<std::u32string> places;
  if (text == U".") return places;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == U'[') {
      std::size_t end = text.find(U']', i);
      if (end == std::u32string::npos) end = text.size();
      places.push_back(text.substr(i + 1, end - i - 1));
      i = end;
    } else {
      places.push_back(std::u32string(1, text[i]));
    }
  }
  return places;
}

std::ifstream Open(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ToolError(path + ": cannot be read (the Czech dictionary comes with the package hunspell-cs)");
  return in;
}

}  // namespace

Dictionary::Dictionary(const std::string& folder) {
  std::ifstream aff = Open(folder + "/cs_CZ.aff");
  for (std::string line; std::getline(aff, line);) {
    std::vector<std::string> f = Words(line);
    // A rule line has five fields or more; the header of a rule group has
    // four ("SFX P Y 139").
    if (f.size() < 5 || f[0] != "SFX") continue;
    std::u32string flag = U32(f[1]);
    if (flag.size() != 1) continue;
    Rule r;
    r.strip = Field(f[2]);
    std::string add = f[3].substr(0, f[3].find('/'));  // continuation flags are not followed
    r.add = Field(add);
    r.condition = Condition(U32(f[4]));
    suffixes_[flag[0]].push_back(std::move(r));
  }
  std::ifstream dic = Open(folder + "/cs_CZ.dic");
  std::string line;
  std::getline(dic, line);  // the number of entries
  while (std::getline(dic, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::size_t slash = line.find('/');
    std::u32string word = U32(line.substr(0, slash));
    std::u32string flags = slash == std::string::npos ? std::u32string() : U32(line.substr(slash + 1));
    // The first entry of a word wins; later homographs add their flags.
    entries_[word] += flags;
  }
}

bool Dictionary::Fits(const Rule& r, const std::u32string& word) {
  if (word.size() < r.strip.size() || word.compare(word.size() - r.strip.size(), r.strip.size(), r.strip) != 0) {
    return false;
  }
  if (r.condition.size() > word.size()) return false;
  const std::size_t from = word.size() - r.condition.size();
  for (std::size_t i = 0; i < r.condition.size(); ++i) {
    const std::u32string& set = r.condition[i];
    const char32_t c = word[from + i];
    const bool negated = !set.empty() && set[0] == U'^';
    const bool in = (negated ? set.substr(1) : set).find(c) != std::u32string::npos;
    if (in == negated) return false;
  }
  return true;
}

std::vector<std::string> Dictionary::Expand(const std::u32string& root, const std::u32string& flags) const {
  std::vector<std::string> forms{U8(root)};
  for (char32_t flag : flags) {
    auto group = suffixes_.find(flag);
    if (group == suffixes_.end()) continue;
    for (const Rule& r : group->second) {
      if (!Fits(r, root)) continue;
      std::string form = U8(root.substr(0, root.size() - r.strip.size()) + r.add);
      if (std::find(forms.begin(), forms.end(), form) == forms.end()) forms.push_back(form);
    }
  }
  return forms;
}

std::vector<std::string> Dictionary::Forms(const std::string& word) const {
  const std::u32string w = U32(word);
  if (auto e = entries_.find(w); e != entries_.end()) return Expand(w, e->second);
  // A compound the dictionary lacks takes the forms of its last part.
  for (std::size_t cut = 1; cut + 3 <= w.size(); ++cut) {
    auto e = entries_.find(w.substr(cut));
    if (e == entries_.end()) continue;
    std::vector<std::string> forms;
    const std::string head = U8(w.substr(0, cut));
    for (const std::string& f : Expand(e->first, e->second)) forms.push_back(head + f);
    return forms;
  }
  return {word};
}

std::string Dictionary::Accusative(const std::string& noun) const {
  const std::u32string w = U32(noun);
  if (w.empty() || w.back() != U'a') return noun;
  const std::string u = U8(w.substr(0, w.size() - 1) + U"u");
  const std::vector<std::string> forms = Forms(noun);
  return std::find(forms.begin(), forms.end(), u) != forms.end() ? u : noun;
}

std::vector<std::string> Dictionary::AdjectiveForms(const std::string& adjective) const {
  const std::u32string w = U32(adjective);
  if (!entries_.count(w) && !w.empty() && (w.back() == U'á' || w.back() == U'é')) {
    const std::u32string masculine = w.substr(0, w.size() - 1) + U"ý";
    if (auto e = entries_.find(masculine); e != entries_.end()) {
      std::vector<std::string> forms = Expand(masculine, e->second);
      forms.insert(forms.begin(), adjective);
      return forms;
    }
  }
  return Forms(adjective);
}

}  // namespace raketa::worldtool
