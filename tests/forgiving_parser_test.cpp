// The second reading of a refused line: its normal form, what it lets the
// player do, and that lines the handlers accept never get a second reading.
#include <functional>

#include "commands/normal_form.h"
#include "commands_test_kit.h"

namespace raketa::test {
namespace {

// ---------------------------------------------------------------------------
// Lines and their normal forms, in a room with the fixtures "stul", "skříň"
// and "trezor".

struct FormCase {
  const char* line;
  const char* normal;
};

void PrintTo(const FormCase& c, std::ostream* os) { *os << '"' << c.line << '"'; }

class NormalFormTable : public ::testing::TestWithParam<FormCase> {};

TEST_P(NormalFormTable, LineBecomesItsNormalForm) {
  TRoom room{};
  SetName(room.Fixtures[0].Name, "stul");
  SetName(room.Fixtures[1].Name, "skříň");
  SetName(room.Fixtures[2].Name, "trezor");
  EXPECT_EQ(Cp1250ToUtf8(NormalForm(Utf8ToCp1250(GetParam().line), room)), GetParam().normal);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, NormalFormTable,
    ::testing::Values(
        // blanks
        FormCase{"  sever  ", "sever"}, FormCase{"vem   pivo ", "vem pivo"}, FormCase{"", ""}, FormCase{"   ", ""},
        // directions, short and long, with a verb of going
        FormCase{"s", "sever"}, FormCase{"j", "jih"}, FormCase{"v", "vychod"}, FormCase{"z", "zapad"},
        FormCase{"východ", "vychod"}, FormCase{"západ", "zapad"}, FormCase{"jdi na jih", "jih"},
        FormCase{"jdi sever", "sever"}, FormCase{"běž na z", "zapad"}, FormCase{"jít  na  východ", "vychod"},
        FormCase{"běž", "běž"}, FormCase{"jdi na", "jdi na"}, FormCase{"jdi na jih a zpátky", "jdi na jih a zpátky"},
        FormCase{"na sever", "na sever"},
        // verbs
        FormCase{"vezmi kartu", "vem kartu"}, FormCase{"seber klíč", "vem klíč"}, FormCase{"polož klíč", "odloz klíč"},
        FormCase{"poloz klíč", "odloz klíč"}, FormCase{"odlož klíč", "odloz klíč"},
        FormCase{"zahoď klíč", "odloz klíč"}, FormCase{"sněz tatranka", "použij tatranka"},
        FormCase{"sní tatranka", "použij tatranka"}, FormCase{"jez tatranka", "použij tatranka"},
        FormCase{"vypij pivo", "použij pivo"}, FormCase{"pij pivo", "použij pivo"},
        FormCase{"obleč skafandr", "použij skafandr"}, FormCase{"obleč si skafandr", "použij skafandr"},
        FormCase{"prozkoumej trezor", "prohledej trezor"}, FormCase{"prohlédni trezor", "prohledej trezor"},
        FormCase{"vezmi", "vem"}, FormCase{"vezmikartu", "vezmikartu"},
        // the valve
        FormCase{"zavři ventil", "zastav ventil"}, FormCase{"zavri ventil", "zastav ventil"},
        FormCase{"otevři ventil", "otevri ventil"}, FormCase{" zastav  ventil", "zastav ventil"},
        // fixtures named without diacritics, typed with them, and the other way
        FormCase{"prohledej stůl", "prohledej stul"}, FormCase{"prozkoumej stůl", "prohledej stul"},
        FormCase{"prohledej skrin", "prohledej skříň"}, FormCase{"prohledej místnost", "prohledej místnost"},
        FormCase{"vem stůl", "vem stůl"},
        // the lines beyond the handlers
        FormCase{"rozhlédni se", "rozhlédni se"}, FormCase{"rozhledni se", "rozhlédni se"},
        FormCase{"popis", "rozhlédni se"}, FormCase{"kde  jsem", "rozhlédni se"}, FormCase{"inventář", "inventář"},
        FormCase{"inventar", "inventář"}, FormCase{"i", "inventář"}, FormCase{"pomoc", "pomoc"},
        FormCase{"nápověda", "pomoc"}, FormCase{"napoveda", "pomoc"}, FormCase{" ? ", "pomoc"}));

// ---------------------------------------------------------------------------
// Lines the handlers accept are never read a second time: the whole dispatch
// leaves the world, the answer and the sounds exactly as the handlers alone
// do, also where the normal form would mean something else.

struct AcceptedCase {
  const char* name;
  int room;
  const char* line;
  std::function<void(CommandRig&)> setup;
};

void PrintTo(const AcceptedCase& c, std::ostream* os) { *os << c.name; }

void OpenAndSearched(CommandRig& r) {
  r.Here().Searched = 1;
  for (TFixture& f : r.Here().Fixtures) {
    SetName(f.KeyName, "nic");
    f.Opened = 1;
  }
}

class AcceptedLines : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedLines, DispatchActsAsTheHandlersAlone) {
  const AcceptedCase& c = GetParam();
  TWorld alone{};
  std::string aloneAnswer;
  std::vector<std::string> aloneSounds;
  {
    CommandRig rig(c.room);
    if (c.setup) c.setup(rig);
    rig.Run(c.line, OfferToHandlers);
    ASSERT_TRUE(rig.g.CommandHandled) << "not a line the handlers accept";
    alone = rig.w;
    aloneAnswer = rig.LineUtf8();
    aloneSounds = Sounds(rig);
  }
  CommandRig rig(c.room);
  if (c.setup) c.setup(rig);
  rig.Run(c.line, DispatchCommand);
  EXPECT_TRUE(SameWorld(alone, rig.w));
  EXPECT_EQ(rig.LineUtf8(), aloneAnswer);
  EXPECT_EQ(Sounds(rig), aloneSounds);
}

INSTANTIATE_TEST_SUITE_P(
    Design, AcceptedLines,
    ::testing::Values(AcceptedCase{"north through an open door", 5, "sever",
                                   [](CommandRig& r) {
                                     r.Here().Exits[North].Target = 6;
                                     r.Here().Exits[North].Opened = 1;
                                   }},
                      AcceptedCase{"no door west", 5, "zapad", nullptr},
                      AcceptedCase{"search the room", 5, "prohledej místnost", nullptr},
                      AcceptedCase{"search the room without the accent", 5, "prohledej mistnost", nullptr},
                      AcceptedCase{"search alone", 5, "prohledej", nullptr},
                      // The trimmed form would search the room instead.
                      AcceptedCase{"the search verb with its blank", 5, "prohledej ", OpenAndSearched},
                      AcceptedCase{"examine with prozkoumej", 5, "prozkoumej skrin",
                                   [](CommandRig& r) {
                                     OpenAndSearched(r);
                                     SetName(r.Here().Fixtures[1].Name, "skrin");
                                   }},
                      // The plain-letter match would pick the locked "stul" first.
                      AcceptedCase{"a fixture named with its accent", 5, "prohledej stůl",
                                   [](CommandRig& r) {
                                     OpenAndSearched(r);
                                     SetName(r.Here().Fixtures[0].Name, "stul");
                                     r.Here().Fixtures[0].Opened = 0;
                                     SetName(r.Here().Fixtures[1].Name, "stůl");
                                   }},
                      // As "vem" it would take the floor's pivo instead.
                      AcceptedCase{"vezmi takes from the fixture", 5, "vezmi pivo",
                                   [](CommandRig& r) {
                                     OpenAndSearched(r);
                                     SetItem(r.Here().Fixtures[0].Items[0], "pivo");
                                     SetItem(r.Here().Items[0], "pivo");
                                   }},
                      AcceptedCase{"take from the floor", 5, "vem pivo",
                                   [](CommandRig& r) {
                                     OpenAndSearched(r);
                                     SetItem(r.Here().Items[4], "pivo");
                                   }},
                      AcceptedCase{"drop", 5, "odloz pivo", [](CommandRig& r) { SetItem(r.w.Slot(2), "pivo"); }},
                      AcceptedCase{"use", 5, "použij pivo", [](CommandRig& r) { SetItem(r.w.Slot(1), "pivo"); }},
                      AcceptedCase{"use without the accent", 5, "pouzij pivo",
                                   [](CommandRig& r) { SetItem(r.w.Slot(1), "pivo"); }},
                      AcceptedCase{"close the valve", 27, "zastav ventil", nullptr},
                      AcceptedCase{"open the valve", 27, "otevri ventil", [](CommandRig& r) { r.w.ValveClosed = 1; }}),
    [](const auto& info) { return CaseName(info.param.name); });

// ---------------------------------------------------------------------------
// Lines the handlers refuse, read a second time through the whole dispatch.

struct ForgivenCase {
  const char* name;
  int room;
  const char* line;
  std::function<void(CommandRig&)> setup;
  const char* answer;
  std::function<bool(CommandRig&)> outcome;
};

void PrintTo(const ForgivenCase& c, std::ostream* os) { *os << c.name; }

class ForgivenLines : public ::testing::TestWithParam<ForgivenCase> {};

TEST_P(ForgivenLines, RefusedByTheHandlersUnderstoodNow) {
  const ForgivenCase& c = GetParam();
  {
    CommandRig rig(c.room);
    if (c.setup) c.setup(rig);
    rig.Run(c.line, OfferToHandlers);
    EXPECT_FALSE(rig.g.CommandHandled) << "the handlers alone accept it";
  }
  CommandRig rig(c.room);
  if (c.setup) c.setup(rig);
  rig.Run(c.line, DispatchCommand);
  EXPECT_EQ(rig.LineUtf8(), c.answer);
  EXPECT_TRUE(c.outcome(rig));
}

void DoorNorthTo6(CommandRig& r) {
  r.Here().Exits[North].Target = 6;
  r.Here().Exits[North].Opened = 1;
}

INSTANTIATE_TEST_SUITE_P(
    Forgiven, ForgivenLines,
    ::testing::Values(
        ForgivenCase{"s goes north", 5, "s", DoorNorthTo6, "", [](CommandRig& r) { return r.w.CurrentRoom == 6; }},
        ForgivenCase{"a direction with a trailing blank", 5, "sever ", DoorNorthTo6, "",
                     [](CommandRig& r) { return r.w.CurrentRoom == 6; }},
        ForgivenCase{"the accented direction", 5, "východ",
                     [](CommandRig& r) {
                       r.Here().Exits[East].Target = 6;
                       r.Here().Exits[East].Opened = 1;
                     },
                     "", [](CommandRig& r) { return r.w.CurrentRoom == 6; }},
        ForgivenCase{"jdi na jih where there is no door", 5, "jdi na jih", nullptr,
                     "to nejde...nejsou žádné dveře na jih ...", [](CommandRig& r) { return r.w.CurrentRoom == 5; }},
        ForgivenCase{"vezmi reaches the floor", 5, "vezmi pivo",
                     [](CommandRig& r) {
                       OpenAndSearched(r);
                       SetItem(r.Here().Items[2], "pivo");
                     },
                     "OK..vzal jsem...", [](CommandRig& r) { return r.Here().Items[2].Empty(); }},
        ForgivenCase{"seber from a fixture", 5, "seber pivo",
                     [](CommandRig& r) {
                       OpenAndSearched(r);
                       SetItem(r.Here().Fixtures[2].Items[1], "pivo");
                     },
                     "OK..vzal jsem...", [](CommandRig& r) { return r.w.Slot(1).Name == "pivo"; }},
        ForgivenCase{"polož puts down", 5, "polož  pivo", [](CommandRig& r) { SetItem(r.w.Slot(3), "pivo"); },
                     "OK..odložil jsem ...", [](CommandRig& r) { return r.w.Slot(3).Empty(); }},
        ForgivenCase{"vypij uses", 5, "vypij pivo", [](CommandRig& r) { SetItem(r.w.Slot(1), "pivo"); }, "Mňam Mňam...",
                     [](CommandRig& r) { return r.w.Slot(1).Empty(); }},
        ForgivenCase{"a valve line with a trailing blank", 5, "zastav ventil ", nullptr, "Tu se nedá nic zavřít...",
                     [](CommandRig& r) { return r.w.ValveClosed == 0; }},
        ForgivenCase{"zavři ventil closes it", 27, "zavři ventil", nullptr, "Ok ventil zavřený...",
                     [](CommandRig& r) { return r.w.ValveClosed == 1; }},
        ForgivenCase{"a fixture typed with accents", 5, "prohledej stůl",
                     [](CommandRig& r) {
                       OpenAndSearched(r);
                       SetName(r.Here().Fixtures[1].Name, "stul");
                     },
                     "stul je prázdný... ", [](CommandRig&) { return true; }},
        ForgivenCase{"inventory", 5, "i",
                     [](CommandRig& r) {
                       SetItem(r.w.Slot(2), "pivo");
                       SetItem(r.w.Slot(4), "klíč");
                     },
                     "Neseš: pivo a klíč.", [](CommandRig&) { return true; }},
        ForgivenCase{"inventory with empty hands", 5, "inventář", nullptr, "Nic u sebe nemáš.",
                     [](CommandRig&) { return true; }},
        ForgivenCase{"look around redraws the room", 5, "rozhlédni se", nullptr, "Rozhlížíš se.",
                     [](CommandRig& r) {
                       return Panels(r) == std::vector<std::string>{"background", "inventory", "inventory"} &&
                              Narration(r) == "Mistnost 5";
                     }},
        ForgivenCase{"a known verb names the unknown word", 5, "  sněz  kámen ", nullptr, "Nevím, co je „kámen“.",
                     [](CommandRig&) { return true; }},
        ForgivenCase{"still refused in every reading", 5, "  hrrr  kámen ", nullptr, kNotUnderstood,
                     [](CommandRig&) { return true; }},
        ForgivenCase{"blanks only", 5, "   ", nullptr, kNotUnderstood, [](CommandRig&) { return true; }},
        ForgivenCase{"a full stop only", 5, ".", nullptr, kNotUnderstood, [](CommandRig&) { return true; }}),
    [](const auto& info) { return CaseName(info.param.name); });

// Help comes in pages taken in turn, whichever way it is asked for; all
// of them together name the commands, the keys and the valve lines, and
// each fits the command line.
TEST(HelpLine, PagesComeInTurnAndNameKeysAndValve) {
  CommandRig rig;
  const char* const asks[] = {"pomoc", "?", "nápověda", "help", "příkazy", "co mám dělat", "help", "pomoc"};
  std::vector<std::string> pages;
  for (const char* ask : asks) {
    rig.Run(ask, DispatchCommand);
    pages.push_back(rig.LineUtf8());
  }
  std::string all;
  for (std::size_t i = 0; i + 1 < pages.size(); ++i) {
    EXPECT_LE(Utf8ToCp1250(pages[i]).size(), 60u) << pages[i];
    all += pages[i] + "\n";
    for (std::size_t j = 0; j < i; ++j) EXPECT_NE(pages[i], pages[j]);
  }
  EXPECT_EQ(pages.back(), pages.front()) << "after the last page the first comes again";
  for (const char* word : {"prohledej", "sever", "F1 ", "F2 ", "F3 ", "F4 ", "F5 ", "F6", "F7", "F8 ", "F9 ", "F10 ",
                           "Esc", "Tab", "zavři ventil", "otevři ventil"}) {
    EXPECT_NE(all.find(word), std::string::npos) << word << " is missing from the help:\n" << all;
  }
}

}  // namespace
}  // namespace raketa::test
