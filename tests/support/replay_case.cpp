#include "support/replay_case.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

#include "app/form_runner.h"
#include "presentation/render/font_set.h"
#include "presentation/replay/rendered_screen.h"
#include "presentation/replay/replay_runner.h"
#include "services/catalogue.h"
#include "support/repair_world.h"
#include "support/rig.h"
#include "support/tiny_world.h"

namespace raketa::test {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Lines(std::istream& in) {
  std::vector<std::string> out;
  std::string line;
  while (std::getline(in, line)) out.push_back(line);
  return out;
}

bool IsComment(const std::string& line) { return line.empty() || line[0] == '#'; }

// Puts the named world into the working directory; false for a name no
// case may use.
bool InstallCaseWorld(const std::string& world) {
  if (world == "tiny") {
    InstallWorld(TinyWorld());
  } else if (world == "repairs") {
    InstallWorld(RepairWorld());
  } else if (world == "game") {
    fs::copy(fs::path(RAKETA_BINARY_DIR) / "gamedata", fs::current_path(), fs::copy_options::recursive);
  } else {
    return false;
  }
  return true;
}

// The "#@ state" and "#@ carry" lines applied to the installed world file.
void ChangeStartingWorld(const ReplayCaseSetup& setup) {
  if (setup.state.empty() && setup.carried.empty()) return;
  TWorld w{};
  {
    std::ifstream in("mistnosti.dat", std::ios::binary);
    if (!in.read(reinterpret_cast<char*>(&w), sizeof w)) throw std::runtime_error("cannot read mistnosti.dat");
  }
  for (const auto& [field, n] : setup.state) {
    const auto flag = static_cast<std::uint8_t>(n != 0.0f);
    if (field == "Health") w.Health = n;
    else if (field == "Nourishment") w.Nourishment = n;
    else if (field == "CellCharge") w.CellCharge = n;
    else if (field == "Fuel") w.Fuel = n;
    else if (field == "SuitOxygen") w.SuitOxygen = n;
    else if (field == "MinutesLeft") w.MinutesLeft = n;
    else if (field == "SuitWorn") w.SuitWorn = flag;
    else if (field == "ValveClosed") w.ValveClosed = flag;
    else if (field == "GaugeReplaced") w.GaugeReplaced = flag;
    else if (field == "CablesRepaired") w.CablesRepaired = flag;
    else throw std::runtime_error("no field \"" + field + "\" for \"#@ state\"");
  }
  std::size_t slot = 0;
  for (const auto& [name, alt] : setup.carried) {
    while (slot < std::size(w.Inventory) && !w.Inventory[slot].Empty()) ++slot;
    if (slot == std::size(w.Inventory)) throw std::runtime_error("\"#@ carry\" beyond four items");
    SetItem(w.Inventory[slot], name, alt);
  }
  std::ofstream("mistnosti.dat", std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(&w), sizeof w);
}

}  // namespace

ReplayCaseSetup ReadCaseSetup(std::istream& script) {
  ReplayCaseSetup setup;
  std::string line;
  while (std::getline(script, line)) {
    if (line.rfind("#@ ", 0) != 0) continue;
    std::istringstream words(line.substr(3));
    std::string word, value;
    words >> word;
    if (word == "world" && words >> value) setup.world = value;
    if (word == "speak") setup.options.speak = true;
    float number = 0;
    if (word == "state" && words >> value >> number) setup.state.emplace_back(value, number);
    std::string alt;
    if (word == "carry" && words >> value) {
      words >> alt;
      setup.carried.emplace_back(value, alt);
    }
  }
  return setup;
}

std::vector<std::string> ReplayCaseNames(const fs::path& dir) {
  std::vector<std::string> names;
  if (!fs::exists(dir)) return names;
  for (auto& e : fs::recursive_directory_iterator(dir)) {
    if (e.path().extension() != ".replay") continue;
    fs::path name = fs::relative(e.path(), dir);
    name.replace_extension();
    names.push_back(name.generic_string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string ReplayTestName(const std::string& name) {
  std::string n = name;
  for (char& c : n) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return n;
}

std::string FirstDifference(const std::vector<std::string>& expected, const std::vector<std::string>& actual) {
  std::size_t a = 0;
  for (std::size_t e = 0; e < expected.size(); ++e) {
    if (IsComment(expected[e])) continue;
    if (a == actual.size()) {
      return "trace ends at line " + std::to_string(a) + "; expected line " + std::to_string(e + 1) + ": " +
             expected[e];
    }
    if (actual[a] != expected[e]) {
      return "trace line " + std::to_string(a + 1) + ": " + actual[a] + "\nexpected line " + std::to_string(e + 1) +
             ": " + expected[e];
    }
    ++a;
  }
  if (a < actual.size()) return "trace line " + std::to_string(a + 1) + " is more than expected: " + actual[a];
  return "";
}

std::vector<std::string> KeepComments(const std::vector<std::string>& expected,
                                      const std::vector<std::string>& actual) {
  std::vector<std::string> out;
  std::vector<std::string> pending;
  std::size_t a = 0;
  for (const std::string& line : expected) {
    if (IsComment(line)) {
      if (!line.empty()) pending.push_back(line);
      continue;
    }
    auto found = std::find(actual.begin() + static_cast<std::ptrdiff_t>(a), actual.end(), line);
    if (found == actual.end()) continue;  // gone: its comments wait for the next line still there
    out.insert(out.end(), actual.begin() + static_cast<std::ptrdiff_t>(a), found);
    out.insert(out.end(), pending.begin(), pending.end());
    out.push_back(*found);
    pending.clear();
    a = static_cast<std::size_t>(found - actual.begin()) + 1;
  }
  out.insert(out.end(), actual.begin() + static_cast<std::ptrdiff_t>(a), actual.end());
  out.insert(out.end(), pending.begin(), pending.end());
  return out;
}

ReplayCaseSetup PrepareReplayCase(const fs::path& dir, const std::string& name) {
  const fs::path scriptPath = dir / (name + ".replay");
  std::ifstream header(scriptPath);
  if (!header) throw std::runtime_error("cannot read " + scriptPath.string());
  const ReplayCaseSetup setup = ReadCaseSetup(header);
  if (!InstallCaseWorld(setup.world)) {
    throw std::runtime_error(scriptPath.string() + " names no world this checker knows: \"" + setup.world +
                             "\" (a line \"#@ world tiny|repairs|game\")");
  }
  ChangeStartingWorld(setup);
  // A pipe nobody reads or writes, where a careless open would wait for ever.
  if (::mkfifo("pipe.sav", 0644) != 0) throw std::runtime_error("cannot make pipe.sav");
  std::ifstream missing(dir / (name + ".missing"));
  for (std::string file; std::getline(missing, file);) {
    if (!file.empty()) fs::remove_all(file);
  }
  // Symbolic links, one a line: the link's name, a blank, where it points.
  std::ifstream links(dir / (name + ".links"));
  for (std::string line; std::getline(links, line);) {
    const auto blank = line.find(' ');
    if (line.empty()) continue;
    if (blank == std::string::npos || ::symlink(line.substr(blank + 1).c_str(), line.substr(0, blank).c_str()) != 0) {
      throw std::runtime_error("cannot make the link \"" + line + "\" of " + name + ".links");
    }
  }
  return setup;
}

ReplayScreen& CaseScreen() {
  static const Catalogue catalogue = Catalogue::Load();
  static const std::unique_ptr<FontSet> fonts = FontSet::Open();
  static std::unique_ptr<RenderedScreen> screen;
  // A fresh surface for every case: nothing drawn by an earlier one shows.
  screen = std::make_unique<RenderedScreen>(catalogue, *fonts);
  return *screen;
}

void CheckReplayCase(const fs::path& dir, const std::string& name) {
  const fs::path scriptPath = dir / (name + ".replay");
  const fs::path expectPath = dir / (name + ".expect");
  ReplayCaseSetup setup;
  ASSERT_NO_THROW(setup = PrepareReplayCase(dir, name));

  std::ifstream script(scriptPath);
  std::ostringstream out, err;
  ReplayOptions options = setup.options;
  options.game = MakeGame;
  ReplayResult result = RunReplay(ParseReplayScript(script), &CaseScreen(), out, err, options);
  EXPECT_EQ(result.exitCode, 0) << err.str();
  if (std::getenv("RAKETA_SHOW_TRACE") != nullptr) std::cout << out.str();

  std::istringstream traceText(out.str());
  const std::vector<std::string> trace = Lines(traceText);
  std::vector<std::string> expected;
  if (std::ifstream expect(expectPath); expect) expected = Lines(expect);

  const char* rewrite = std::getenv("RAKETA_REWRITE_EXPECT");
  if (rewrite != nullptr && std::string(rewrite) == "1") {
    std::ofstream file(expectPath);
    for (const std::string& line : KeepComments(expected, trace)) file << line << '\n';
    ASSERT_TRUE(file.good()) << "cannot write " << expectPath;
    return;
  }
  ASSERT_TRUE(fs::exists(expectPath)) << expectPath << " is missing (RAKETA_REWRITE_EXPECT=1 writes it)";

  // A trace left from an earlier failure would only mislead.
  const fs::path actualPath = fs::path(RAKETA_BINARY_DIR) / "replay_actual" / (name + ".trace");
  fs::remove(actualPath);
  const std::string difference = FirstDifference(expected, trace);
  if (difference.empty()) return;
  fs::create_directories(actualPath.parent_path());
  std::ofstream(actualPath) << out.str();
  ADD_FAILURE() << expectPath.filename().string() << " differs from the trace:\n"
                << difference << "\nwhole trace: " << actualPath.string() << "\n(if the change is intended, rerun with "
                << "RAKETA_REWRITE_EXPECT=1 and review the .expect diff)";
}

}  // namespace raketa::test
