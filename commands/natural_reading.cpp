#include "commands/natural_reading.h"

#include <algorithm>
#include <vector>

#include "commands/normal_form.h"
#include "commands/use_table.h"
#include "commands/reading_nouns.h"
#include "commands/reading_words.h"
#include "commands/word_forms.h"
#include "services/cp1250.h"
#include "world/game_roles.h"
#include "world/room_rules.h"

namespace raketa {

namespace {

using namespace reading;

// --- the words of the line ----------------------------------------------

Words Tokens(const std::string& utf8) {
  Words words;
  std::string word;
  auto end = [&] {
    // A full stop, comma or mark after a word belongs to the sentence.
    while (!word.empty() && std::string_view(".,!;:?").find(word.back()) != std::string_view::npos && word != "?") {
      word.pop_back();
    }
    if (!word.empty()) words.push_back(word);
    word.clear();
  };
  for (char c : utf8) {
    if (c == ' ' || c == ',') {
      end();
    } else {
      word += c;
    }
  }
  end();
  return words;
}

std::string Joined(const Words& w) {
  std::string out;
  for (const std::string& x : w) out += (out.empty() ? "" : " ") + x;
  return out;
}

template <class List>
bool InList(const std::string& w, const List& list) {
  const std::string plain = PlainLetters(w);
  return std::find(std::begin(list), std::end(list), std::string_view(plain)) != std::end(list);
}

bool Said(const std::string& w, std::initializer_list<std::string_view> list) { return OneOf(PlainLetters(w), list); }

Verb VerbOf(const std::string& w) {
  const std::string plain = PlainLetters(w);
  for (const VerbWord& v : kVerbs) {
    if (v.word == plain) return v.verb;
  }
  return Verb::None;
}

std::string DirectionOf(const std::string& w) {
  const std::string plain = PlainLetters(w);
  for (const DirectionWord& d : kDirections) {
    if (d.word == plain) return std::string(d.meant);
  }
  return "";
}

// The object of a command and the parts its prepositions start:
// "izolačku na kabely" is {"izolacku"} and {"na", {"kabely"}}.
struct Part {
  std::string preposition;
  Words words;
};

std::vector<Part> Parts(const Words& words, std::size_t from) {
  std::vector<Part> parts{{"", {}}};
  for (std::size_t i = from; i < words.size(); ++i) {
    if (InList(words[i], kPrepositions) && i + 1 < words.size()) {
      parts.push_back({words[i], {}});
    } else {
      parts.back().words.push_back(words[i]);
    }
  }
  return parts;
}

const Part* PartAfter(const std::vector<Part>& parts, std::initializer_list<std::string_view> prepositions) {
  for (const Part& p : parts) {
    if (Said(p.preposition, prepositions)) return &p;
  }
  return nullptr;
}

// --- answers -------------------------------------------------------------

std::string Capital(const std::string& utf8) {
  static const std::u32string kLower = U"aábcčdďeéěfghiíjklmnňoópqrřsštťuúůvwxyýzž";
  static const std::u32string kUpper = U"AÁBCČDĎEÉĚFGHIÍJKLMNŇOÓPQRŘSŠTŤUÚŮVWXYÝZŽ";
  char32_t cp = 0;
  std::size_t n = DecodeUtf8(utf8, 0, cp);
  if (n == 0) return utf8;
  std::size_t at = kLower.find(cp);
  std::string out;
  AppendUtf8(out, at == std::u32string::npos ? cp : kUpper[at]);
  return out + utf8.substr(n);
}

// A line for the handlers, already in code page 1250.
NaturalReading Send(const std::string& cp1250) {
  NaturalReading r;
  r.line = cp1250;
  return r;
}
NaturalReading Line(const std::string& utf8) { return Send(W(utf8)); }
NaturalReading Answer(const std::string& utf8) {
  NaturalReading r;
  r.answer = W(utf8);
  return r;
}

// "Kartu" to begin a sentence, or "To" for a name without its forms.
std::string Accusative(const NounForms& n) { return n.declined ? Capital(n.accusative) : "To"; }

// Without its forms a name is only known in the nominative, which this
// answer takes as it is.
NaturalReading NotHere(const NounForms& n) {
  return Answer(n.declined ? Capital(n.accusative) + " tu nevidím." : Capital(n.name) + " tu není.");
}

NaturalReading Unknown(const std::string& word) {
  std::string shown = word.size() > 24 ? word.substr(0, 24) : word;
  return Answer("Nevím, co je „" + shown + "“.");
}

// --- commands by their verb ----------------------------------------------

class Reader {
 public:
  Reader(const Game& g, const WordTable& t) : g_(g), t_(t) {}

  NaturalReading Read(Words words) {
    if (words.empty()) return {};
    const std::string whole = Joined(words);
    if (InList(whole, kHelpLines)) return Line(std::string(comfort_line::Help));
    for (const KeyLine& k : kKeyLines) {
      if (PlainLetters(whole) == k.line) return Answer(std::string(k.answer));
    }
    // "vezmi špekáček a housku": the first now, the second after it.
    std::string then;
    if (VerbOf(words[0]) != Verb::None) {
      for (std::size_t i = 2; i + 1 < words.size(); ++i) {
        if (!Said(words[i], {"a"})) continue;
        Words second{words[0]};
        second.insert(second.end(), words.begin() + static_cast<std::ptrdiff_t>(i) + 1, words.end());
        then = W(Joined(second));
        words.resize(i);
        break;
      }
    }
    NaturalReading r = Command(std::move(words));
    if (!r.line.empty()) r.then = then;
    return r;
  }

 private:
  const Game& g_;
  const WordTable& t_;

  NaturalReading Command(Words words) {
    // "dej si pivo" is eating or drinking; "dej mi" asks someone who is not here.
    if (words.size() > 1 && Said(words[0], {"dej"}) && !Said(words[1], {"si"})) return {};
    // The little words go; what is left decides.
    words.erase(std::remove_if(words.begin(), words.end(), [](const std::string& w) { return InList(w, kFillers); }),
                words.end());
    if (words.empty()) return {};
    const std::string rest = Joined(words);
    if (InList(rest, kHelpLines)) return Line(std::string(comfort_line::Help));
    if (InList(rest, kInventoryLines)) return Line(std::string(comfort_line::Inventory));
    if (InList(rest, kLookLines)) return Line(std::string(comfort_line::LookAround));

    Verb verb = VerbOf(words[0]);
    std::size_t from = verb == Verb::None ? 0 : 1;
    if (verb == Verb::None || verb == Verb::Go) {
      if (NaturalReading r = Going(words, from); !r.line.empty() || !r.answer.empty()) return r;
      if (verb == Verb::None) return {};
    }
    std::vector<Part> parts = Parts(words, from);
    switch (verb) {
      case Verb::Go: return GoesTo(parts, words);
      case Verb::Take: return Take(parts);
      case Verb::Drop: return Drop(parts);
      case Verb::Use: return Use(parts, {});
      case Verb::Eat: return Use(parts, {items::kSnack, items::kSausage, items::kRoll, items::kBeer, items::kMineralWater});
      case Verb::Drink: return Use(parts, {items::kMineralWater, items::kBeer});
      case Verb::Heal:
        return Use(parts, {items::kPlaster, items::kBandage, items::kPenicillin, items::kPenicillinInFixture});
      case Verb::Wear: return Wear(parts);
      case Verb::TakeOff: return TakeOff(parts);
      case Verb::Examine: return Examine(parts);
      case Verb::Look: return Line(std::string(comfort_line::LookAround));
      case Verb::Open: return Valve(parts, false);
      case Verb::Close: return Valve(parts, true);
      case Verb::Turn: return Valve(parts, g_.World.ValveClosed == 0);
      case Verb::Repair:
      case Verb::Replace:
      case Verb::Pour: return Repair(parts, verb);
      case Verb::None: break;
    }
    return {};
  }

  // Directions, "ven", "zpět" and a room by its name, with or without a
  // verb of going.
  NaturalReading Going(const Words& words, std::size_t from) {
    Words rest(words.begin() + static_cast<std::ptrdiff_t>(from), words.end());
    // "zpátky do chodby" names where to; "zpátky" alone is the way back.
    if (rest.size() > 1 && Said(rest[0], {"zpet", "zpatky", "nazpet"})) rest.erase(rest.begin());
    if (rest.size() == 2 && Said(rest[0], {"na", "k", "ke", "smerem", "smer"})) rest.erase(rest.begin());
    if (rest.size() != 1) return from == 0 && !rest.empty() && Said(rest[0], {"do", "ke", "k"}) ? Room(rest) : NaturalReading{};
    if (std::string d = DirectionOf(rest[0]); !d.empty()) return Line(d);
    if (Said(rest[0], {"ven", "venku"})) return Outwards(true);
    if (Said(rest[0], {"dovnitr"})) return Outwards(false);
    if (Said(rest[0], {"zpet", "zpatky", "nazpet", "zpatecni"})) return Back();
    return {};
  }

  NaturalReading GoesTo(const std::vector<Part>& parts, const Words& words) {
    for (const Part& p : parts) {
      if (Said(p.preposition, {"do", "k", "ke", "na"}) && !p.words.empty()) {
        Words room{p.preposition};
        room.insert(room.end(), p.words.begin(), p.words.end());
        return Room(room);
      }
    }
    if (parts.size() == 1 && !parts[0].words.empty()) return Room(parts[0].words);
    return words.size() == 1 ? Answer("Kam? Napiš směr, třeba „sever“, nebo kam, třeba „do chodby“.") : NaturalReading{};
  }

  std::string Direction(int exit) const {
    static const char* const kWords[] = {"sever", "vychod", "jih", "zapad"};
    return kWords[exit];
  }

  NaturalReading Room(Words words) {
    if (!words.empty() && Said(words[0], {"do", "k", "ke", "na"})) words.erase(words.begin());
    std::vector<const NounForms*> named = RoomsNamed(t_, words);
    if (named.empty()) {
      if (ThingsNamed(t_, words).empty()) return Unknown(UnknownWord(t_, words));
      return Answer("Tam se odsud nedostaneš.");
    }
    const TRoom& here = g_.World.Current();
    for (const NounForms* n : named) {
      if (n->room == g_.World.CurrentRoom) return Answer("Tady už jsi.");
    }
    for (int e = 0; e < 4; ++e) {
      for (const NounForms* n : named) {
        if (here.Exits[e].Target == n->room) return Line(Direction(e));
      }
    }
    return Answer("Tam se odsud přímo nedostaneš.");
  }

  // Out onto the hull (or in again): the door to a room outside, the
  // airlock last, since it holds air.
  NaturalReading Outwards(bool out) {
    const TWorld& w = g_.World;
    int best = -1;
    for (int e = 0; e < 4; ++e) {
      const int target = w.Current().Exits[e].Target;
      if (target < 1 || target > kRoomCount) continue;
      const bool outside = Vacuum(w, target);
      const bool shelter = target == kShelterRoom;
      if (out ? outside : !outside && !(shelter && w.Current().Outside == 0)) return Line(Direction(e));
      if (out && shelter && best < 0) best = e;
    }
    if (best >= 0) return Line(Direction(best));
    return Answer(out ? "Ven se odsud nedostaneš." : "Dovnitř se odsud nedostaneš.");
  }

  NaturalReading Back() {
    const int from = g_.CameInto == g_.World.CurrentRoom ? g_.CameFrom : 0;
    const TRoom& here = g_.World.Current();
    for (int e = 0; e < 4; ++e) {
      if (from != 0 && here.Exits[e].Target == from) return Line(Direction(e));
    }
    return Answer("Nevím, odkud jsi přišel. Napiš směr, třeba „jih“.");
  }

  // The thing a part names, or the answer why not.
  struct Object {
    const NounForms* noun = nullptr;
    Found found;
    NaturalReading refusal;
  };

  Object ObjectOf(const Part& part) {
    Object o;
    std::vector<const NounForms*> named = ThingsNamed(t_, part.words);
    if (named.empty()) {
      o.refusal = part.words.empty() ? Answer("Co? Napiš i předmět.")
                                     : Unknown(UnknownWord(t_, part.words));
      return o;
    }
    std::tie(o.noun, o.found) = Nearest(g_, named);
    return o;
  }

  NaturalReading Take(const std::vector<Part>& parts) {
    if (parts[0].words.empty() || Said(Joined(parts[0].words), {"vse", "vsechno"})) {
      return Answer("Co? Vezmi jednu věc, třeba „vezmi kartu“.");
    }
    Object o = ObjectOf(parts[0]);
    if (!o.noun) return o.refusal;
    if (o.found.place == Place::Carried) {
      // Another of the same kind may still lie here.
      const Found elsewhere = LocateOutsideHands(g_, *o.noun);
      if (elsewhere.place == Place::Nowhere) return Answer(Accusative(*o.noun) + " už máš u sebe.");
      o.found = elsewhere;
    }
    if (o.found.place == Place::Nowhere) return NotHere(*o.noun);
    // "z pultu": the fixture's item, even when one of its name lies on the floor.
    if (const Part* from = PartAfter(parts, {"z", "ze", "od"})) {
      const int k = FixtureNamed(g_, ThingsNamed(t_, from->words));
      if (k == 0) return Unknown(UnknownWord(t_, from->words));
      for (const TItem& item : g_.World.Current().Fixtures[k - 1].Items) {
        if (Is(item, *o.noun)) return Send(W("vezmi ") + item.Name.str());
      }
      return NotHere(*o.noun);
    }
    return Send(W("vem ") + o.found.name);
  }

  NaturalReading Drop(const std::vector<Part>& parts) {
    Object o = ObjectOf(parts[0]);
    if (!o.noun) return o.refusal;
    if (o.found.place != Place::Carried) return Answer(Accusative(*o.noun) + " u sebe nemáš.");
    return Send(W("odloz ") + o.found.name);
  }

  // Using, eating, drinking, healing: the thing named, or the one thing
  // carried that fits the verb.
  NaturalReading Use(const std::vector<Part>& parts, std::initializer_list<const char*> fitting) {
    if (parts[0].words.empty() && fitting.size() > 0) {
      std::vector<std::string> carried;
      for (const TItem& item : g_.World.Inventory) {
        for (const char* name : fitting) {
          if (!item.Empty() && item.Name.str() == W(name)) carried.push_back(item.Name.str());
        }
      }
      if (carried.size() == 1) return Send(W("použij ") + carried[0]);
      return Answer(carried.empty() ? "Nic takového u sebe nemáš." : "Co? Napiš, co si vezmeš.");
    }
    Object o = ObjectOf(parts[0]);
    if (!o.noun) return o.refusal;
    if (o.found.place == Place::Nowhere) return NotHere(*o.noun);
    if (const Part* on = PartAfter(parts, {"na", "do", "k", "ke", "v", "ve"})) {
      if (!ActsOn(o.noun->name, on->words)) return Answer(Capital(o.noun->name) + " se na to nehodí.");
    }
    return Send(W("použij ") + o.found.name);
  }

  // True when `words` name what the item acts on, the room the player is
  // in, or the player.
  bool ActsOn(const std::string& item, const Words& words) {
    if (words.size() == 1 && Said(words[0], {"sebe", "me", "mne", "ruku", "ranu", "zranen"})) return true;
    for (const NounForms* n : ThingsNamed(t_, words)) {
      for (const auto& [what, on] : t_.targets) {
        if (PlainLetters(what) == PlainLetters(item) && on == n->name) return true;
      }
    }
    for (const NounForms* n : RoomsNamed(t_, words)) {
      if (n->room == g_.World.CurrentRoom) return true;
    }
    return false;
  }

  NaturalReading Wear(const std::vector<Part>& parts) {
    Object o;
    if (parts[0].words.empty()) {
      o.noun = t_.Thing(items::kSuit);
      if (!o.noun) return Answer("Nemáš co na sebe.");
      o.found = Locate(g_, *o.noun);
    } else {
      o = ObjectOf(parts[0]);
      if (!o.noun) return o.refusal;
    }
    if (o.found.place == Place::Nowhere) return NotHere(*o.noun);
    if (o.found.name == W(items::kSuit) && g_.World.SuitWorn) return Answer("Skafandr už máš na sobě.");
    return Send(W("použij ") + o.found.name);
  }

  NaturalReading TakeOff(const std::vector<Part>& parts) {
    const NounForms* suit = t_.Thing(items::kSuit);
    if (!parts[0].words.empty()) {
      Object o = ObjectOf(parts[0]);
      if (!o.noun) return o.refusal;
      if (o.noun != suit) return Answer(Accusative(*o.noun) + " na sobě nemáš.");
    }
    if (!suit || !g_.World.SuitWorn || Locate(g_, *suit).place != Place::Carried) {
      return Answer("Skafandr na sobě nemáš.");
    }
    return Send(W("odloz ") + W(items::kSuit));
  }

  NaturalReading Examine(const std::vector<Part>& parts) {
    Words words;
    for (const Part& p : parts) words.insert(words.end(), p.words.begin(), p.words.end());
    if (words.empty() || std::all_of(words.begin(), words.end(), [](const std::string& w) { return InList(w, kHereWords); })) {
      return Line("prohledej");
    }
    std::vector<const NounForms*> things = ThingsNamed(t_, words);
    if (int k = FixtureNamed(g_, things); k != 0) {
      return Send(W("prohledej ") + g_.World.Current().Fixtures[k - 1].Name.str());
    }
    for (const NounForms* n : RoomsNamed(t_, words)) {
      if (n->room == g_.World.CurrentRoom) return Line("prohledej");
    }
    if (!things.empty()) {
      auto [noun, found] = Nearest(g_, things);
      if (found.place == Place::Carried) return Line(std::string(comfort_line::Inventory));
      if (found.place != Place::Nowhere) return Line("prohledej");
      return NotHere(*noun);
    }
    if (!RoomsNamed(t_, words).empty()) return NotHere(*RoomsNamed(t_, words).front());
    return Unknown(UnknownWord(t_, words));
  }

  // The valve lines; "otevři" with a fixture looks into it.
  NaturalReading Valve(const std::vector<Part>& parts, bool close) {
    const Words& words = parts[0].words;
    std::vector<const NounForms*> things = ThingsNamed(t_, words);
    if (!close) {
      if (int k = FixtureNamed(g_, things); k != 0) {
        return Send(W("prohledej ") + g_.World.Current().Fixtures[k - 1].Name.str());
      }
    }
    const bool valve = std::any_of(things.begin(), things.end(), [](const NounForms* n) { return n->name == "ventil"; });
    if (valve || (words.empty() && g_.World.CurrentRoom == kValveRoom)) {
      return Line(close ? "zastav ventil" : "otevri ventil");
    }
    if (words.empty()) return Answer(close ? "Co mám zavřít?" : "Co mám otevřít?");
    const NounForms* door = t_.Thing("dveře");
    if (door && std::any_of(words.begin(), words.end(), [&](const std::string& w) { return HasForm(door->forms, w); })) {
      return close ? Answer("Dveře se zavírají samy.") : Door();
    }
    if (!things.empty() || !RoomsNamed(t_, words).empty()) {
      return Answer(close ? "To se zavřít nedá." : "To se otevřít nedá.");
    }
    return Unknown(UnknownWord(t_, words));
  }

  // A locked door of the room whose key is carried opens as the player
  // walks through it.
  NaturalReading Door() {
    const TWorld& w = g_.World;
    bool locked = false;
    for (int e = 0; e < 4; ++e) {
      const TExit& exit = w.Current().Exits[e];
      if (exit.Target == 0 || exit.Opened != 0 || exit.KeyName.view().empty()) continue;
      locked = true;
      for (const TItem& item : w.Inventory) {
        if (!item.Empty() && item.Name.str() == exit.KeyName.str()) return Line(Direction(e));
      }
    }
    return Answer(locked ? "Klíč od těch dveří u sebe nemáš." : "Dveřmi projdeš, když napíšeš směr, třeba „jih“.");
  }

  // Repairs, exchanges and pouring: the item named, or the item that acts
  // on what is named ("oprav kabely" is the tape), or for "natankuj" alone
  // the fuel.
  NaturalReading Repair(const std::vector<Part>& parts, Verb verb) {
    Words words = parts[0].words;
    if (words.empty()) {
      for (const Part& p : parts) words.insert(words.end(), p.words.begin(), p.words.end());
    }
    if (words.empty()) {
      if (verb != Verb::Pour) return Answer("Co mám opravit?");
      const NounForms* fuel = t_.Thing(items::kFuel);
      if (!fuel) return Answer("Nemáš co nalít.");
      Found f = Locate(g_, *fuel);
      return f.place == Place::Nowhere ? NotHere(*fuel) : Send(W("použij ") + f.name);
    }
    std::vector<const NounForms*> named = ThingsNamed(t_, words);
    if (named.empty()) return Unknown(UnknownWord(t_, words));
    // A thing that is an item of the use table is used itself.
    std::vector<const NounForms*> usable;
    for (const NounForms* n : named) {
      const std::vector<std::string>& table = UseTableItems();
      if (std::find(table.begin(), table.end(), W(n->name)) != table.end()) usable.push_back(n);
    }
    if (usable.empty()) {
      for (const NounForms* n : named) {
        for (const auto& [item, on] : t_.targets) {
          if (on == n->name && t_.Thing(item)) usable.push_back(t_.Thing(item));
        }
      }
    }
    if (usable.empty()) return Answer("To opravit neumím.");
    auto [noun, found] = Nearest(g_, usable);
    if (found.place == Place::Nowhere) return NotHere(*noun);
    return Send(W("použij ") + found.name);
  }
};

}  // namespace

NaturalReading ReadNaturally(const Game& g, const std::string& typed) {
  const WordTable table = LoadWordTable(g.services.files, g.World);
  return Reader(g, table).Read(Tokens(Cp1250ToUtf8(typed)));
}

}  // namespace raketa
