// The page's canvas is the one copy of the screen size outside the game's
// code (the page lays itself out before the game loads); it must be the
// game's screen, or every picture the game sends would be cut or skewed.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "services/screen_layout.h"

namespace raketa {
namespace {

TEST(PageCanvas, IsTheGamesScreen) {
  std::ifstream in(RAKETA_SOURCE_DIR "/web/index.html");
  ASSERT_TRUE(in) << "web/index.html";
  std::stringstream page;
  page << in.rdbuf();
  const std::string html = page.str();
  std::smatch m;
  ASSERT_TRUE(std::regex_search(html, m, std::regex(R"re(<canvas id="hra-platno"[^>]*>)re"))) << "no game canvas";
  const std::string tag = m.str();
  EXPECT_NE(tag.find("width=\"" + std::to_string(screen::kWidth) + "\""), std::string::npos) << tag;
  EXPECT_NE(tag.find("height=\"" + std::to_string(screen::kHeight) + "\""), std::string::npos) << tag;
}

}  // namespace
}  // namespace raketa
