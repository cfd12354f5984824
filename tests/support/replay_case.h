// A replay test case: DIR/NAME.replay is run in a fresh working directory on
// the world its own "#@ world" line names, and its whole trace must be the
// lines of DIR/NAME.expect ("#" lines there are comments).  A case's header
// lines, comments to the script reader:
//   #@ world tiny      the tests' small world with its fixture saves
//   #@ world repairs   the world of the repair chain
//   #@ world game      the shipped game data of the build
//   #@ speak           as with --speak
//   #@ state FIELD N   the world's starting FIELD set to N before the run
//                      (a meter, or a flag 0/1: SuitWorn, ValveClosed,
//                      GaugeReplaced, CablesRepaired), so that a case on the
//                      shipped game can start late in the story
//   #@ carry NAME ALT  the player starts carrying NAME (UTF-8; AltName ALT)
// NAME.missing lists files or folders of the world taken away before the
// run; every case also finds a pipe "pipe.sav" that nobody reads or writes.
// RAKETA_SHOW_TRACE=1 prints each trace; RAKETA_REWRITE_EXPECT=1 writes
// each trace into its .expect instead of comparing (comments are kept
// before the line they stood before).  On a mismatch the actual trace is
// written to BUILD/replay_actual/NAME.trace.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "presentation/replay/replay_runner.h"

namespace raketa::test {

// What a case's header lines ask for.
struct ReplayCaseSetup {
  std::string world;  // empty when the case names none
  ReplayOptions options;
  std::vector<std::pair<std::string, float>> state;    // "#@ state" lines
  std::vector<std::pair<std::string, std::string>> carried;  // "#@ carry" lines
};
ReplayCaseSetup ReadCaseSetup(std::istream& script);

// The NAMEs of DIR/**/NAME.replay, relative to DIR without ".replay", sorted.
std::vector<std::string> ReplayCaseNames(const std::filesystem::path& dir);
// A NAME as a test name: letters, digits and underscores.
std::string ReplayTestName(const std::string& name);

// The first difference of an expected and an actual trace ("#" lines of the
// expected one skipped), as a message naming the line; empty when equal.
std::string FirstDifference(const std::vector<std::string>& expected, const std::vector<std::string>& actual);
// The actual trace with the expected file's comments put back, each before
// the first line (in order) equal to the one it stood before; comments whose
// line is gone go at the end.
std::vector<std::string> KeepComments(const std::vector<std::string>& expected,
                                      const std::vector<std::string>& actual);

// Sets up the case's world in the working directory (with its pipe and
// without its .missing files); throws std::runtime_error naming what failed.
ReplayCaseSetup PrepareReplayCase(const std::filesystem::path& dir, const std::string& name);
// Sets up the case's world in the working directory, runs it (screenshots
// drawn as the player would see them) and compares.
void CheckReplayCase(const std::filesystem::path& dir, const std::string& name);

}  // namespace raketa::test
