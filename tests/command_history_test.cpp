// The sent lines kept for Up and Down: how far back they reach and what is
// not kept.
#include "world/command_history.h"

#include <gtest/gtest.h>

namespace raketa {
namespace {

std::string Shown(const std::string* line) { return line ? *line : "(nothing)"; }

TEST(CommandHistory, KeepsTheNewestFiftyAndStopsAtTheOldest) {
  CommandHistory h;
  for (int i = 1; i <= 51; ++i) h.Remember("prikaz " + std::to_string(i));
  std::string oldest;
  for (int i = 0; i < 60; ++i) oldest = Shown(h.Older());
  EXPECT_EQ(oldest, "prikaz 2");
  EXPECT_EQ(Shown(h.Newer()), "prikaz 3");
}

TEST(CommandHistory, EmptyLinesAndRepeatsOfTheNewestAreNotKept) {
  CommandHistory h;
  EXPECT_EQ(h.Older(), nullptr);
  for (const char* line : {"sever", "", "jih", "jih", "sever"}) h.Remember(line);
  const std::string expected[] = {"sever", "jih", "sever", "sever"};
  for (const std::string& e : expected) EXPECT_EQ(Shown(h.Older()), e);
}

TEST(CommandHistory, DownPastTheNewestIsTheEmptyLineAndSendingStartsBelowAgain) {
  CommandHistory h;
  h.Remember("sever");
  h.Remember("jih");
  EXPECT_EQ(h.Newer(), nullptr);  // not browsing
  EXPECT_EQ(Shown(h.Older()), "jih");
  EXPECT_EQ(Shown(h.Older()), "sever");
  h.Remember("vychod");
  EXPECT_EQ(Shown(h.Older()), "vychod");
  EXPECT_EQ(Shown(h.Newer()), "");
  EXPECT_EQ(h.Newer(), nullptr);
}

}  // namespace
}  // namespace raketa
