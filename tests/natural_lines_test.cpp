// Lines as Czech players type them, over the shipped game data: each in a
// situation (room, what is carried, the state of the rocket) with what it
// must do.  At least nine in ten must be understood; a line that is not
// must not do anything else either.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/form_runner.h"
#include "commands_test_kit.h"

namespace raketa::test {
namespace {

namespace fs = std::filesystem;

const fs::path kGameData = fs::path(RAKETA_BINARY_DIR) / "gamedata";

// Flags of a situation: s the room searched, o its fixtures open, v the
// valve closed, g the gauge replaced, c the cables repaired, w the suit
// worn; "came N": the player walked in from room N.
struct Row {
  int room;
  const char* carried;  // names, comma-separated
  const char* state;
  const char* line;
  // What must happen, ';'-separated: "room N", "has X", "hasnot X",
  // "floor X", "suit 0|1", "valve 0|1", "gauge 1", "cables 1", "searched",
  // "say TEXT" (the whole answer), "says TEXT" (a part of it), "waits LINE"
  // (the line sent next).
  const char* expect;
};

// clang-format off
const Row kRows[] = {
    // --- walking ---
    {2, "", "", "jdi na sever", "room 1"},
    {2, "", "", "běž na jih", "room 5"},
    {2, "", "", "jdi do kajuty", "room 3"},
    {2, "", "", "do kabiny", "room 1"},
    {2, "", "", "jdi do jídelny", "room 5"},
    {2, "", "", "běž do radiostanice", "room 13"},
    {5, "", "", "jdi do kuchyňky", "room 4"},
    {5, "", "", "jdi do ošetřovny", "room 6"},
    {5, "", "", "do kuchyne", "room 4"},
    {4, "", "", "jdi do spíže", "room 9"},
    {8, "", "", "jdi do umývárny", "room 10"},
    {8, "", "", "jdi do ubikací", "room 11"},
    {12, "", "", "jdi do kajuty inženýrky", "room 14"},
    {16, "", "", "jdi do šatny", "room 15"},
    {16, "", "", "jdi do přechodové komory", "room 34"},
    {16, "", "", "ven", "room 34"},
    {34, "skafandr", "w", "jdi ven", "room 33"},
    {33, "skafandr", "w", "jdi na plošinu", "room 36"},
    {33, "skafandr", "w", "jdi na okraj útesu", "room 35"},
    {33, "skafandr", "w", "zpátky do přechodové komory", "room 34"},
    {23, "", "", "jdi do ventilové komory", "room 27"},
    {23, "čip", "", "jdi do energetické komory", "room 28"},
    {21, "", "", "jdi do strojovny", "room 23"},
    {21, "", "", "jdi do rozvodny", "room 22"},
    {27, "", "", "jdi do potrubí", "room 7"},
    {7, "", "", "jdi k nádrži", "room 20"},
    {20, "", "", "jdi do plnicí komory", "room 32"},
    {18, "klíč", "", "jdi do dílny", "room 17"},
    {17, "", "", "jdi do skleníku", "room 31"},
    {18, "", "", "jdi do skladu", "room 19"},
    {13, "", "", "jdi do pozorovací kopule", "room 26"},
    {28, "", "", "jdi do šachty", "room 29"},
    {29, "", "", "jdi do tryskového prostoru", "room 25"},
    {25, "", "", "jdi do záďové komory", "room 30"},
    {3, "", "came 2", "zpět", "room 2"},
    {5, "", "came 2", "jdi zpátky", "room 2"},
    {2, "", "", "jdi na východ", "room 13"},
    {2, "", "", "západ", "room 3"},
    {2, "", "", "Jdi na západ.", "room 3"},
    {2, "", "", "sever.", "room 1"},
    {2, "", "", "jdi severně", "room 1"},
    {2, "", "", "k jihu", "room 5"},
    {16, "", "", "jdi do zadního nákladu", "room 18"},
    {16, "", "", "vejdi do šatny", "room 15"},
    {1, "", "", "odejdi do chodby", "room 2"},
    // --- searching and looking ---
    {1, "", "", "prozkoumej pult", "say OK....;searched"},
    {1, "", "", "podívej se na pult", "say OK....;searched"},
    {1, "", "", "otevři pult", "say OK...."},
    {3, "", "", "prohledej psací stolek", "say OK...."},
    {3, "", "", "prohlédni si stolek", "say OK...."},
    {3, "", "", "prohledej kajutu", "say OK....;searched"},
    {15, "", "", "prohledej šatnu", "searched"},
    {5, "", "", "prohledej jídelnu", "searched"},
    {5, "", "", "prohledej to tu", "searched"},
    {5, "", "", "prohledej místnost.", "searched"},
    {5, "", "", "prohledat", "searched"},
    {5, "", "", "podívej se do automatu", "say OK...."},
    {6, "", "", "podívej se do termoboxu", "say OK...."},
    {11, "", "", "otevři kufr", "say OK...."},
    {15, "", "", "otevři kontejner", "say chybí ti  klíček"},
    {18, "", "", "podívej se do kontejneru", "say OK...."},
    {1, "", "", "rozhlédni se", "say Rozhlížíš se."},
    {1, "", "", "podívej se kolem", "say Rozhlížíš se."},
    {1, "", "", "kde jsem?", "say Rozhlížíš se."},
    {1, "", "", "rozhlédni se kolem sebe", "say Rozhlížíš se."},
    {19, "", "", "prohledej sklad", "searched"},
    {23, "", "", "prohledej strojovnu", "searched"},
    {13, "", "", "prohledej box", "say OK...."},
    {14, "", "", "prozkoumej stolek", "say OK...."},
    {24, "", "", "podívej se na pult", "say OK...."},
    // --- taking ---
    {1, "", "s", "vezmi si tatranku", "has tatranka"},
    {1, "", "s", "seber tatranku z pultu", "has tatranka"},
    {1, "", "s", "vem tatranku.", "has tatranka"},
    {3, "", "s", "vezmi si přístupovou kartu", "has karta"},
    {3, "", "s", "vezmi kartu ze stolku", "has karta"},
    {3, "", "s", "seber velitelskou kartu", "has karta"},
    {3, "", "s", "vzít kartu", "has karta"},
    {5, "", "s", "vezmi minerálku", "has minerálka"},
    {5, "", "s", "vezmi si minerálku z automatu", "has minerálka"},
    {5, "", "s", "vezmi vodu", "has minerálka"},
    {5, "", "s", "vezmi mineralku", "has minerálka"},
    {4, "", "s", "seber si housku z boxu", "has houska"},
    {4, "", "s", "seber špekáček", "has špekáček"},
    {9, "", "s", "seber pivo z kartonu", "has pivo"},
    {9, "", "s", "vezmi si pivo", "has pivo"},
    {6, "", "s", "vezmi si obvaz", "has obvaz"},
    {13, "", "s", "vezmi náplast", "has náplast"},
    {13, "", "s", "vezmi si náplast z boxu", "has náplast"},
    {11, "", "s", "vezmi klíček", "has klíček"},
    {11, "", "s", "vezmi si klíček z kufru", "has klíček"},
    {14, "", "s", "vezmi čip", "has čip"},
    {14, "", "s", "vezmi si čip ze stolku", "has čip"},
    {15, "klíček", "so", "vezmi skafandr", "has skafandr"},
    {15, "klíček", "so", "vezmi si kyslík", "has kyslík"},
    {15, "klíček", "so", "vezmi kyslíkovou láhev", "has kyslík"},
    {18, "", "s", "vezmi palivo", "has palivo"},
    {18, "", "s", "vezmi kanystr", "has palivo"},
    {18, "", "s", "seber kanystr s palivem", "has palivo"},
    {17, "", "s", "vezmi izolačku", "has izolačka"},
    {17, "", "s", "vezmi izolepu", "has izolačka"},
    {17, "", "s", "vezmi pásku", "has izolačka"},
    {19, "", "s", "vezmi náhradní tlakoměr", "has tlakoměr"},
    {24, "", "s", "vezmi si klíč z pultu", "has klíč"},
    {23, "", "s", "vezmi penicilin", "has penicilin"},
    {36, "skafandr", "sw", "vezmi kyslík", "has kyslík"},
    {35, "skafandr", "sw", "seber palivo", "has palivo"},
    {23, "", "s", "seber kanystr", "has palivo"},
    {5, "", "", "vezmi minerálku", "say snad bych se tu měl asi porozhlédnout co??..."},
    {2, "minerálka", "", "vezmi minerálku", "say Minerálku už máš u sebe."},
    // --- putting down ---
    {2, "karta", "", "polož kartu", "floor karta"},
    {2, "karta", "", "polož kartu na zem", "floor karta"},
    {2, "karta", "", "odlož kartu", "floor karta"},
    {2, "tatranka", "", "zahoď tatranku", "floor tatranka"},
    {2, "pivo", "", "nech tu pivo", "floor pivo"},
    {2, "pivo", "", "nech pivo tady", "floor pivo"},
    {2, "klíček", "", "vyhoď klíček", "floor klíček"},
    {2, "karta", "", "polož přístupovou kartu", "floor karta"},
    {2, "palivo", "", "odlož kanystr", "floor palivo"},
    {2, "izolačka", "", "polož izolačku na zem", "floor izolačka"},
    // --- eating, drinking, healing, the suit ---
    {2, "tatranka", "", "sněz tatranku", "hasnot tatranka;say Mňam Mňam..."},
    {2, "tatranka", "", "najez se", "hasnot tatranka"},
    {2, "houska", "", "sněz housku", "hasnot houska"},
    {2, "špekáček", "", "jez špekáček", "hasnot špekáček"},
    {2, "minerálka", "", "vypij minerálku", "hasnot minerálka;say Mňam Mňam...to byla žižeň"},
    {2, "minerálka", "", "napij se", "hasnot minerálka"},
    {2, "pivo", "", "vypij pivo", "hasnot pivo"},
    {2, "pivo", "", "napij se piva", "hasnot pivo"},
    {2, "minerálka", "", "napij se vody", "hasnot minerálka"},
    {2, "náplast", "", "nalep si náplast", "hasnot náplast"},
    {2, "obvaz", "", "obvaž se", "hasnot obvaz"},
    {2, "penicilin", "", "aplikuj penicilin", "hasnot penicilin"},
    {6, "", "so", "aplikuj si penicilín", "say to je balzám ...už to nekrvácí"},
    {2, "tatranka,pivo", "", "najez se", "says Co?"},
    {2, "kyslík", "w", "doplň kyslík", "hasnot kyslík"},
    {15, "skafandr", "", "obleč si skafandr", "suit 1"},
    {15, "skafandr", "", "obleč se", "suit 1"},
    {15, "skafandr", "", "nasaď si skafandr", "suit 1"},
    {15, "skafandr", "", "oblékni skafandr", "suit 1"},
    {15, "skafandr", "w", "sundej si skafandr", "suit 0;has skafandr"},
    {15, "skafandr", "w", "svleč skafandr", "suit 0;has skafandr"},
    {15, "skafandr", "w", "svlékni se", "suit 0"},
    {15, "skafandr", "w", "nasaď si skafandr", "say Skafandr už máš na sobě."},
    {15, "skafandr", "", "sundej skafandr", "say Skafandr na sobě nemáš."},
    // --- the valve and the repairs ---
    {27, "", "", "zavři hlavní ventil", "valve 1"},
    {27, "", "", "uzavři ventil", "valve 1"},
    {27, "", "", "zastav hlavní palivový ventil", "valve 1"},
    {27, "", "", "utáhni ventil", "valve 1"},
    {27, "", "", "otoč ventilem", "valve 1"},
    {27, "", "", "zavři", "valve 1"},
    {27, "", "v", "pusť ventil", "valve 0"},
    {27, "", "v", "povol ventil", "valve 0"},
    {27, "", "v", "otoč ventil", "valve 0"},
    {27, "", "v", "otevři hlavní ventil.", "valve 0"},
    {7, "tlakoměr", "vw", "vyměň tlakoměr", "gauge 1"},
    {7, "tlakoměr", "vw", "namontuj tlakoměr", "gauge 1"},
    {7, "tlakoměr", "vw", "vyměň prasklý tlakoměr", "gauge 1"},
    {7, "tlakoměr", "vw", "oprav tlakoměr", "gauge 1"},
    {7, "tlakoměr", "vw", "použij tlakoměr na potrubí", "gauge 1"},
    {7, "tlakoměr", "vw", "nainstaluj nový tlakoměr", "gauge 1"},
    {32, "palivo", "g", "nalij palivo", "hasnot palivo"},
    {32, "palivo", "g", "doplň palivo", "hasnot palivo"},
    {32, "palivo", "g", "natankuj", "hasnot palivo"},
    {32, "palivo", "g", "nalij palivo do nádrže", "hasnot palivo"},
    {32, "palivo", "g", "použij palivo na nádrž", "hasnot palivo"},
    {32, "palivo", "g", "nalij kanystr do hrdla", "hasnot palivo"},
    {32, "palivo", "g", "natankuj palivo", "hasnot palivo"},
    {33, "izolačka,skafandr", "w", "zaizoluj kabely", "cables 1"},
    {33, "izolačka,skafandr", "w", "oprav kabely", "cables 1"},
    {33, "izolačka,skafandr", "w", "spoj kabely", "cables 1"},
    {33, "izolačka,skafandr", "w", "použij izolačku na kabely", "cables 1"},
    {33, "izolačka,skafandr", "w", "oprav kabely izolačkou", "cables 1"},
    {33, "izolačka,skafandr", "w", "obmotej kabely páskou", "cables 1"},
    {28, "", "sc", "vyměň článek", "say Ok..článek vyměněn "},
    {28, "", "sc", "vyměň články", "say Ok..článek vyměněn "},
    {28, "", "sc", "vyměň náhradní článek", "say Ok..článek vyměněn "},
    {28, "", "sc", "použij článek na stojan", "say Ok..článek vyměněn "},
    {28, "", "sc", "vlož článek do stojanu", "say Ok..článek vyměněn "},
    // --- what is carried, help ---
    {2, "karta,tatranka", "", "co mám u sebe?", "say Neseš kartu a tatranku."},
    {2, "karta", "", "co mám", "say Neseš kartu."},
    {2, "karta,pivo,čip", "", "co nesu", "say Neseš kartu, pivo a čip."},
    {2, "", "", "inventář", "say Nic u sebe nemáš."},
    {2, "houska", "", "i", "say Neseš housku."},
    {2, "", "", "help", "says 1/7"},
    {2, "", "", "příkazy", "says 1/7"},
    {2, "", "", "co mám dělat?", "says 1/7"},
    {2, "", "", "pomoc!", "says 1/7"},
    // --- refusals that say what is missing ---
    {2, "", "", "vezmi minerálku", "say Minerálku tu nevidím."},
    {2, "", "", "vezmi si kartu", "say Kartu tu nevidím."},
    {2, "", "", "sněz tatranku", "say Tatranku tu nevidím."},
    {2, "", "", "vezmi kámen", "say Nevím, co je „kámen“."},
    {2, "", "", "jdi do strojovny", "say Tam se odsud přímo nedostaneš."},
    {2, "", "", "jdi do chodby", "say Tady už jsi."},
    {2, "", "", "polož kartu", "say Kartu u sebe nemáš."},
    {2, "", "", "vyměň tlakoměr", "say Tlakoměr tu nevidím."},
    {2, "", "", "oprav kabely", "say Izolačku tu nevidím."},
    {2, "", "", "natankuj", "say Palivo tu nevidím."},
    {2, "", "", "prohledej šatnu", "say Šatnu tu nevidím."},
    {2, "", "", "obleč se", "say Skafandr tu nevidím."},
    {3, "", "", "jdi", "says Kam?"},
    {2, "", "", "otevři dveře", "say Dveřmi projdeš, když napíšeš směr, třeba „jih“."},
    {2, "", "", "vezmi", "says Co?"},
    {2, "", "", "abrakadabra", "say nechápu co mám dělat ..."},
    {2, "", "", "seber všechno", "says Co?"},
    {2, "", "", "ulož hru", "say Hru uložíš klávesou F3, rychle klávesou F6."},
    // --- more of what players type ---
    {3, "", "s", "vezmi kartu ze psacího stolku", "has karta"},
    {27, "", "", "zavři kohout", "valve 1"},
    {27, "", "", "otoč kolem", "valve 1"},
    {32, "palivo", "g", "vylij palivo do nádrže", "hasnot palivo"},
    {32, "palivo", "g", "doplň nádrž", "hasnot palivo"},
    {33, "izolačka,skafandr", "w", "oprav kabel", "cables 1"},
    {33, "izolačka,skafandr", "w", "zalep kabely izolepou", "cables 1"},
    {7, "tlakoměr", "vw", "vyměň tlakoměr za nový", "gauge 1"},
    {28, "", "sc", "vyměň baterie", "say Ok..článek vyměněn "},
    {28, "", "sc", "nabij články", "say Ok..článek vyměněn "},
    {15, "skafandr", "", "obleč si oblek", "suit 1"},
    {2, "tatranka", "", "dej si tatranku", "hasnot tatranka"},
    {1, "", "", "prohledej kokpit", "searched"},
    {5, "", "s", "vem si vodu z automatu", "has minerálka"},
    {13, "", "", "podívej se do krabice", "say OK...."},
    {2, "pivo", "", "vypij si pivo", "hasnot pivo"},
    {2, "karta", "", "zahoď kartu pryč", "floor karta"},
    {34, "skafandr", "w", "vyjdi ven", "room 33"},
    {33, "skafandr", "w", "vrať se dovnitř", "room 34"},
    {2, "", "", "vrať se do kabiny", "room 1"},
    {6, "", "s", "vezmi ampuli", "has penicilín"},
    {23, "", "", "otevři box", "say OK...."},
    {2, "", "", "kde to jsem", "say Rozhlížíš se."},
    {5, "", "s", "dej mi minerálku", "has minerálka"},
    {12, "karta", "", "jdi do nákladového prostoru", "room 16"},
    {4, "", "s", "vezmi si špekáček a housku", "has špekáček;waits vezmi housku"},
    {12, "", "", "odemkni dveře", "say Klíč od těch dveří u sebe nemáš."},
    {12, "karta", "", "otevři dveře kartou", "room 16"},
};
// clang-format on

std::vector<std::string> Split(const std::string& text, char sep) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, sep);) {
    if (!part.empty()) out.push_back(part);
  }
  return out;
}

// The shipped world, with its texts and word table, in the rig's folder.
// The texts linked rather than copied where the system allows it: the
// table opens a fresh world for every row.
void InstallGameData() {
  fs::copy_file(kGameData / "mistnosti.dat", "mistnosti.dat");
  fs::copy_file(kGameData / "slova.txt", "slova.txt");
  std::error_code linked;
  fs::create_directory_symlink(kGameData / "texty", "texty", linked);
  if (linked) fs::copy(kGameData / "texty", "texty", fs::copy_options::recursive);
}

// An item of the shipped world by its name, with its AltName.
TItem ShippedItem(const TWorld& w, const std::string& utf8) {
  const std::string name = Utf8ToCp1250(utf8);
  for (const TRoom& room : w.Rooms) {
    for (const TItem& item : room.Items) {
      if (item.Name.str() == name) return item;
    }
    for (const TFixture& f : room.Fixtures) {
      for (const TItem& item : f.Items) {
        if (item.Name.str() == name) return item;
      }
    }
  }
  ADD_FAILURE() << "no item " << utf8 << " in the shipped world";
  return {};
}

bool Carries(const TWorld& w, const std::string& utf8) {
  for (const TItem& item : w.Inventory) {
    if (item.Name.str() == Utf8ToCp1250(utf8)) return true;
  }
  return false;
}

bool OnFloor(const TRoom& room, const std::string& utf8) {
  for (const TItem& item : room.Items) {
    if (item.Name.str() == Utf8ToCp1250(utf8)) return true;
  }
  return false;
}

class NaturalLines : public ::testing::Test {
 protected:
  // Runs one row through the whole dispatch; empty when it did what it
  // says, else what went otherwise.
  std::string Play(const Row& row) {
    Rig rig;
    InstallGameData();
    rig.g.WorldFile.Read(rig.files, "mistnosti.dat", rig.w);
    rig.StartPlay(row.room);
    OpenRoomText(rig.g, RoomTextPath(rig.g, row.room));
    TWorld& w = rig.w;
    int slot = 1;
    for (const std::string& name : Split(row.carried, ',')) w.Slot(slot++) = ShippedItem(w, name);
    const std::string state = row.state;
    TRoom& here = w.Current();
    if (state.find('s') != std::string::npos) here.Searched = 1;
    if (state.find('o') != std::string::npos) {
      for (TFixture& f : here.Fixtures) f.Opened = 1;
    }
    w.ValveClosed = state.find('v') != std::string::npos;
    w.GaugeReplaced = state.find('g') != std::string::npos;
    w.CablesRepaired = state.find('c') != std::string::npos;
    w.SuitWorn = state.find('w') != std::string::npos;
    if (state.rfind("came ", 0) == 0) {
      rig.g.CameFrom = std::stoi(state.substr(5));
      rig.g.CameInto = row.room;
    }
    const TWorld before = w;

    // As the command line holds it: lower case.
    std::string line = Utf8ToCp1250(row.line);
    for (char& c : line) c = static_cast<char>(LowerCp1250(static_cast<unsigned char>(c)));
    rig.edit.SetText(line);
    rig.ClearLogs();
    DispatchCommand(rig.g);

    std::string wrong;
    for (const std::string& e : Split(row.expect, ';')) {
      const std::size_t blank = e.find(' ');
      const std::string what = e.substr(0, blank);
      const std::string arg = blank == std::string::npos ? "" : e.substr(blank + 1);
      bool ok = true;
      if (what == "room") ok = w.CurrentRoom == std::stoi(arg);
      if (what == "has") ok = Carries(w, arg);
      if (what == "hasnot") ok = !Carries(w, arg);
      if (what == "floor") ok = OnFloor(w.Current(), arg) && !Carries(w, arg);
      if (what == "suit") ok = w.SuitWorn == std::stoi(arg);
      if (what == "valve") ok = w.ValveClosed == std::stoi(arg);
      if (what == "gauge") ok = w.GaugeReplaced == std::stoi(arg);
      if (what == "cables") ok = w.CablesRepaired == std::stoi(arg);
      if (what == "searched") ok = w.Current().Searched == 1 && before.Current().Searched == 0;
      if (what == "say") ok = rig.LineUtf8() == arg;
      if (what == "says") ok = rig.LineUtf8().find(arg) != std::string::npos;
      if (what == "waits") ok = rig.g.SentLines.size() == 1 && Cp1250ToUtf8(rig.g.SentLines.front()) == arg;
      if (!ok) wrong += (wrong.empty() ? "" : ", ") + e;
    }
    if (!wrong.empty()) {
      // Not understood, so nothing may have happened either.
      EXPECT_EQ(w.CurrentRoom, before.CurrentRoom) << "\"" << row.line << "\" walked elsewhere";
      for (int k = 1; k <= kInventorySlots; ++k) {
        EXPECT_EQ(w.Inventory[k - 1].Name.str(), before.Inventory[k - 1].Name.str()) << "\"" << row.line << "\" moved an item";
      }
      wrong += " (answer \"" + rig.LineUtf8() + "\")";
    }
    return wrong;
  }
};

TEST_F(NaturalLines, NineInTenAreUnderstood) {
  const std::size_t total = sizeof(kRows) / sizeof(kRows[0]);
  ASSERT_GE(total, 150u);
  std::size_t understood = 0;
  std::string failures;
  for (const Row& row : kRows) {
    const std::string wrong = Play(row);
    if (wrong.empty()) {
      ++understood;
    } else {
      failures += "  room " + std::to_string(row.room) + " \"" + row.line + "\": not " + wrong + "\n";
    }
  }
  const double share = 100.0 * static_cast<double>(understood) / static_cast<double>(total);
  std::cout << "understood " << understood << " of " << total << " lines (" << share << " %)\n" << failures;
  EXPECT_GE(share, 90.0) << failures;
}

}  // namespace
}  // namespace raketa::test
