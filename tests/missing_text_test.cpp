// A missing room text stops the text and nothing else: the move or the load
// ends as it always does, the error is reported once, and the very next
// command is heard.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "support/rig.h"
#include "support/tiny_world.h"

namespace raketa::test {
namespace {

TEST(MissingText, TheCommandAfterAnEntryWithoutTextIsHeard) {
  struct Case {
    const char* name;
    const char* missing;
    std::function<void(Rig&)> enter;  // into room 7, whose text is missing
  };
  const Case cases[] = {
      {"a move", "texty/m7.dat", [](Rig& r) { r.Command("zapad"); }},
      {"a load", "texty/m7.dat",
       [](Rig& r) {
         r.dialogs.answers.push_back(std::string("room7.sav"));
         r.PressKey(vk::F2);
         r.Frame();
       }},
      {"a quick load", "texty/m7.dat",
       [](Rig& r) {
         r.g.SaveFileName = "room7.sav";
         r.PressKey(vk::F7);
         r.Frame();
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig r;
    InstallWorld(TinyWorld());
    r.w = TinyWorld();
    r.StartPlay(1);
    std::filesystem::remove(c.missing);
    c.enter(r);
    ASSERT_EQ(r.w.CurrentRoom, 7);
    ASSERT_EQ(r.app.errors.size(), 1u);
    r.Frame(40);
    r.edit.SetText("");
    r.Command("jih");
    EXPECT_EQ(r.w.CurrentRoom, 1) << "the next command was swallowed";
    EXPECT_EQ(r.app.errors.size(), 1u);
  }
}

}  // namespace
}  // namespace raketa::test
