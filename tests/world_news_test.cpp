// What the world did, told in one sentence each: found by comparing the
// world at a frame's start with the world at its end.
#include "world/world_news.h"

#include <gtest/gtest.h>

#include <functional>

#include "services/cp1250.h"
#include "support/rig.h"
#include "world/world_record.h"

namespace raketa::test {
namespace {

struct Change {
  const char* what;
  std::function<void(TWorld&)> before;  // on a calm world in room 12
  std::function<void(TWorld&)> change;
  bool arrived;
  std::vector<std::string> told;      // UTF-8
  std::vector<std::string> warnings;  // UTF-8
};

TEST(WorldNews, EachChangeIsToldOnce) {
  const Change changes[] = {
      {"a cell exchanged", [](TWorld& w) { w.CablesRepaired = 1; w.CellCharge = 25; },
       [](TWorld& w) { w.CellCharge = 50; }, false, {"Články mají 50 procent."}, {}},
      {"the last cell, over the top", [](TWorld& w) { w.CablesRepaired = 1; w.CellCharge = 90; },
       [](TWorld& w) { w.CellCharge = 115; }, false, {"Články mají 100 procent."}, {}},
      {"the cells drain to a tenth", [](TWorld& w) { w.CellCharge = 40.51f; },
       [](TWorld& w) { w.CellCharge = 40.49f; }, false, {"Články se vybíjejí, mají 40 procent."}, {}},
      {"the cells drain within a tenth", [](TWorld& w) { w.CellCharge = 44.51f; },
       [](TWorld& w) { w.CellCharge = 44.49f; }, false, {}, {}},
      {"the cells empty", [](TWorld& w) { w.CellCharge = 0.002f; },
       [](TWorld& w) { w.CellCharge = -0.002f; }, false, {"Články jsou vybité."}, {}},
      {"fuel leaks to a tenth", [](TWorld& w) { w.Fuel = 30.51f; }, [](TWorld& w) { w.Fuel = 30.49f; }, false,
       {"Palivo uniká, zbývá ho 30 procent."}, {}},
      {"no leak with the valve closed", [](TWorld& w) { w.Fuel = 30.51f; w.ValveClosed = 1; },
       [](TWorld& w) { w.Fuel = 30.49f; }, false, {}, {}},
      {"a door takes the card", [](TWorld& w) { SetName(w.Room(12).Exits[2].KeyName, "karta"); },
       [](TWorld& w) {
         w.Room(12).Exits[2].KeyName.assign("");
         w.Room(12).Exits[2].Opened = 1;
         w.CurrentRoom = 16;
       },
       true, {"Dveře jsou odemčené, karta zůstává v zámku."}, {}},
      {"into the fumes without the suit", [](TWorld&) {}, [](TWorld& w) { w.CurrentRoom = 7; }, true, {},
       {"Pozor, dusíš se ve výparech paliva! Bez skafandru tu dlouho nevydržíš."}},
      {"into the fumes in the suit", [](TWorld& w) { w.SuitWorn = 1; }, [](TWorld& w) { w.CurrentRoom = 7; }, true,
       {}, {}},
      {"out into the vacuum without the suit", [](TWorld& w) { w.Room(33).Outside = 1; },
       [](TWorld& w) { w.CurrentRoom = 33; }, true, {}, {"Pozor, venku je vakuum a nemáš skafandr! Dusíš se."}},
      {"oxygen runs low", [](TWorld& w) { w.SuitWorn = 1; w.SuitOxygen = 20.002f; },
       [](TWorld& w) { w.SuitOxygen = 19.998f; }, false, {},
       {"Kyslík ve skafandru dochází, zbývá méně než 20 procent."}},
  };
  for (const Change& c : changes) {
    TWorld w{};
    w.CurrentRoom = 12;
    w.CellCharge = 55;
    w.Fuel = 55;
    w.SuitOxygen = 80;
    w.ValveClosed = 0;
    c.before(w);
    const WorldGlance before = Glance(w);
    c.change(w);
    std::vector<std::string> told, warnings;
    WorldNews(before, w, c.arrived, told, warnings);
    for (std::string& s : told) s = Cp1250ToUtf8(s);
    for (std::string& s : warnings) s = Cp1250ToUtf8(s);
    EXPECT_EQ(told, c.told) << c.what;
    EXPECT_EQ(warnings, c.warnings) << c.what;
  }
}

}  // namespace
}  // namespace raketa::test
