#include "word_table.h"

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include <toml++/toml.h>

#include "encoding.h"

namespace raketa::worldtool {

namespace {

std::vector<std::string> Split(const std::string& phrase) {
  std::istringstream in(phrase);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

std::string Joined(const std::vector<std::string>& forms) {
  std::vector<std::string> seen;
  std::string out;
  for (const std::string& f : forms) {
    if (std::find(seen.begin(), seen.end(), f) != seen.end()) continue;
    seen.push_back(f);
    out += (out.empty() ? "" : " ") + f;
  }
  return out;
}

// "přístupová karta": the noun's forms and its accusative, the adjectives'
// forms.
struct Phrase {
  std::string noun;
  std::vector<std::string> adjectives;
  std::vector<std::string> also;  // other nouns for the same thing
};

Phrase ReadPhrase(const std::string& text, const std::string& where) {
  std::vector<std::string> words = Split(text);
  if (words.empty()) throw ToolError(where + ": an empty name");
  Phrase p;
  p.noun = words.back();
  words.pop_back();
  p.adjectives = words;
  return p;
}

std::string Forms(const Phrase& p, const Dictionary& d) {
  std::vector<std::string> forms = d.Forms(p.noun);
  for (const std::string& noun : p.also) {
    for (const std::string& f : d.Forms(noun)) forms.push_back(f);
  }
  std::string out = d.Accusative(p.noun) + "\t" + Joined(forms) + "\t";
  std::vector<std::string> adjectives;
  for (const std::string& a : p.adjectives) {
    for (const std::string& f : d.AdjectiveForms(a)) adjectives.push_back(f);
  }
  return out + Joined(adjectives);
}

std::vector<std::string> Strings(const toml::node& n, const std::string& where) {
  std::vector<std::string> out;
  if (const auto* s = n.as_string()) {
    out.push_back(s->get());
    return out;
  }
  const toml::array* list = n.as_array();
  if (!list) throw ToolError(where + ": must be a text or a list of texts");
  for (const toml::node& item : *list) {
    const auto* s = item.as_string();
    if (!s) throw ToolError(where + ": must be a list of texts");
    out.push_back(s->get());
  }
  return out;
}

// The names the record gives items and fixtures, UTF-8.
std::set<std::string> WorldNames(const WorldSource& src) {
  std::set<std::string> names;
  auto add = [&](std::string_view cp1250) {
    if (!cp1250.empty()) names.insert(DecodeCp1250(cp1250));
  };
  for (const TItem& item : src.world.Inventory) add(item.Name.view());
  for (const TRoom& room : src.world.Rooms) {
    for (const TItem& item : room.Items) add(item.Name.view());
    for (const TFixture& f : room.Fixtures) {
      add(f.Name.view());
      for (const TItem& item : f.Items) add(item.Name.view());
    }
  }
  return names;
}

}  // namespace

std::string WordTable(std::string_view tomlText, const std::string& file, const WorldSource& src,
                      const Dictionary& dictionary) {
  toml::table root;
  try {
    root = toml::parse(tomlText, file);
  } catch (const toml::parse_error& e) {
    throw ToolError(file + ":" + std::to_string(e.source().begin.line) + ": " + std::string(e.description()));
  }
  const toml::table* words = root["Words"].as_table();
  const std::string where = file + ": Words";

  // Things: the world's names, and the phrases that give some of them
  // adjectives or name what is not an item ("hlavní ventil").
  std::map<std::string, Phrase> things;
  for (const std::string& name : WorldNames(src)) things[name] = Phrase{name, {}, {}};
  std::ostringstream out;
  out << "# The forms of the world's nouns, made by raketa-world words from " << "world.toml and hunspell-cs.\n";
  if (words) {
    for (auto&& [key, value] : *words) {
      const std::string k(key.str());
      if (k != "Things" && k != "Also" && k != "Rooms" && k != "Targets") throw ToolError(where + ": unknown key '" + k + "'");
    }
    if (const toml::node* list = words->get("Things")) {
      for (const std::string& text : Strings(*list, where + ".Things")) {
        Phrase p = ReadPhrase(text, where + ".Things");
        Phrase& known = things[p.noun];
        known.noun = p.noun;
        for (const std::string& a : p.adjectives) known.adjectives.push_back(a);
      }
    }
  }
  if (words) {
    if (const toml::node* also = words->get("Also")) {
      const toml::table* t = also->as_table();
      if (!t) throw ToolError(where + ".Also: must be a table of names");
      for (auto&& [key, value] : *t) {
        auto known = things.find(std::string(key.str()));
        if (known == things.end()) throw ToolError(where + ".Also: '" + std::string(key.str()) + "' is not among the things");
        for (const std::string& text : Strings(value, where + ".Also")) {
          Phrase p = ReadPhrase(text, where + ".Also");
          known->second.also.push_back(p.noun);
          for (const std::string& a : p.adjectives) known->second.adjectives.push_back(a);
        }
      }
    }
  }
  for (const auto& [name, phrase] : things) {
    if (name.find(' ') != std::string::npos) continue;  // a name of several words is matched whole
    out << "thing\t" << name << "\t" << Forms(phrase, dictionary) << "\n";
  }
  if (!words) return out.str();
  if (const toml::node* rooms = words->get("Rooms")) {
    const toml::table* t = rooms->as_table();
    if (!t) throw ToolError(where + ".Rooms: must be a table of room numbers");
    for (auto&& [key, value] : *t) {
      int n = 0;
      try {
        n = std::stoi(std::string(key.str()));
      } catch (...) {
        n = 0;
      }
      if (n < 1 || n > kRoomCount) throw ToolError(where + ".Rooms: '" + std::string(key.str()) + "' is no room");
      for (const std::string& text : Strings(value, where + ".Rooms." + std::string(key.str()))) {
        Phrase p = ReadPhrase(text, where + ".Rooms");
        out << "room\t" << n << "\t" << p.noun << "\t" << Forms(p, dictionary) << "\n";
      }
    }
  }
  if (const toml::node* targets = words->get("Targets")) {
    const toml::table* t = targets->as_table();
    if (!t) throw ToolError(where + ".Targets: must be a table of item names");
    for (auto&& [key, value] : *t) {
      for (const std::string& noun : Strings(value, where + ".Targets")) {
        if (!things.count(noun)) throw ToolError(where + ".Targets: '" + noun + "' is not among the Things");
        out << "target\t" << key.str() << "\t" << noun << "\n";
      }
    }
  }
  return out.str();
}

}  // namespace raketa::worldtool
