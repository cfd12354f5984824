#include "commands/reading_nouns.h"

#include "services/cp1250.h"

namespace raketa::reading {

bool HasForm(const std::vector<std::string>& forms, const std::string& word) {
  const std::string plain = PlainLetters(word);
  for (const std::string& f : forms) {
    if (PlainLetters(f) == plain) return true;
  }
  return false;
}

std::vector<const NounForms*> ThingsNamed(const WordTable& t, const Words& words) {
  std::vector<const NounForms*> found;
  for (auto w = words.rbegin(); w != words.rend() && found.empty(); ++w) {
    for (const NounForms& n : t.things) {
      if (HasForm(n.forms, *w)) found.push_back(&n);
    }
  }
  return found;
}

std::vector<const NounForms*> RoomsNamed(const WordTable& t, const Words& words) {
  std::vector<const NounForms*> found;
  for (auto w = words.rbegin(); w != words.rend() && found.empty(); ++w) {
    for (const NounForms& n : t.rooms) {
      if (HasForm(n.forms, *w)) found.push_back(&n);
    }
  }
  // Adjectives choose among rooms of one noun ("do ventilové komory").
  std::vector<const NounForms*> chosen;
  for (const NounForms* n : found) {
    bool fits = true;
    for (const std::string& w : words) {
      if (!HasForm(n->forms, w) && !HasForm(n->adjectives, w) && !n->adjectives.empty()) {
        bool someAdjective = false;
        for (const NounForms& other : t.rooms) someAdjective = someAdjective || HasForm(other.adjectives, w);
        if (someAdjective) fits = false;
      }
    }
    if (fits) chosen.push_back(n);
  }
  return chosen.empty() ? found : chosen;
}

std::string UnknownWord(const WordTable& t, const Words& words) {
  for (auto w = words.rbegin(); w != words.rend(); ++w) {
    bool known = false;
    for (const NounForms& n : t.things) known = known || HasForm(n.forms, *w) || HasForm(n.adjectives, *w);
    for (const NounForms& n : t.rooms) known = known || HasForm(n.forms, *w) || HasForm(n.adjectives, *w);
    if (!known) return *w;
  }
  return words.empty() ? "" : words.back();
}

bool Is(const TItem& item, const NounForms& n) {
  if (item.Empty()) return false;
  const std::string name = PlainLetters(Cp1250ToUtf8(item.Name.view()));
  return name == PlainLetters(n.name) || HasForm(n.forms, name);
}

Found Locate(const Game& g, const NounForms& n) {
  const TWorld& w = g.World;
  for (const TItem& item : w.Inventory) {
    if (Is(item, n)) return {Place::Carried, item.Name.str(), 0};
  }
  const TRoom& room = w.Current();
  for (const TItem& item : room.Items) {
    if (Is(item, n)) return {Place::Floor, item.Name.str(), 0};
  }
  for (int k = 0; k < kFixtures; ++k) {
    for (const TItem& item : room.Fixtures[k].Items) {
      if (Is(item, n)) return {Place::Fixture, item.Name.str(), k + 1};
    }
  }
  return {};
}

Found LocateOutsideHands(const Game& g, const NounForms& n) {
  const TRoom& room = g.World.Current();
  for (const TItem& item : room.Items) {
    if (Is(item, n)) return {Place::Floor, item.Name.str(), 0};
  }
  for (int k = 0; k < kFixtures; ++k) {
    for (const TItem& item : room.Fixtures[k].Items) {
      if (Is(item, n)) return {Place::Fixture, item.Name.str(), k + 1};
    }
  }
  return {};
}

std::pair<const NounForms*, Found> Nearest(const Game& g, const std::vector<const NounForms*>& named) {
  for (const NounForms* n : named) {
    Found f = Locate(g, *n);
    if (f.place != Place::Nowhere) return {n, f};
  }
  return {named.empty() ? nullptr : named.front(), Found{}};
}

int FixtureNamed(const Game& g, const std::vector<const NounForms*>& named) {
  const TRoom& room = g.World.Current();
  for (const NounForms* n : named) {
    for (int k = 0; k < kFixtures; ++k) {
      const std::string name = Cp1250ToUtf8(room.Fixtures[k].Name.view());
      if (!name.empty() && (PlainLetters(name) == PlainLetters(n->name) || HasForm(n->forms, PlainLetters(name)))) {
        return k + 1;
      }
    }
  }
  return 0;
}

}  // namespace raketa::reading
