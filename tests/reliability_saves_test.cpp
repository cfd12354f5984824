// Saving where saving cannot succeed, through the player's F3 (Save dialog)
// and F6 (quick save): the previous save stays byte for byte, no temporary
// file is left, the player is told which file failed, and the game goes on.
// A game killed while saving leaves the old or the new record, never less.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iostream>
#include <random>
#include <thread>

#include "fuzz/load_and_play.h"
#include "support/tiny_world.h"
#include "services/host_errors.h"

namespace raketa::test {
namespace {

enum class Key { F3, F6 };

std::string Bytes(const TWorld& w) { return std::string(reinterpret_cast<const char*>(&w), sizeof w); }

// Temporary files left in the directory of the game path `path`.
std::vector<std::string> Leftovers(const std::string& path) {
  std::vector<std::string> found;
  std::filesystem::path dir = std::filesystem::path(SaveHostPath(path)).parent_path();
  if (dir.empty()) dir = ".";
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(dir, ec)) {
    if (e.path().extension() == ".tmp") found.push_back(e.path().string());
  }
  return found;
}

// Saves along `key` to `path` and plays on; returns what went wrong, ""
// when all held.  Written without gtest's checks so that it can run in a
// forked child, too.
std::string SaveAndPlayOn(Rig& rig, const std::string& path, Key key, int code) {
  std::string problems;
  auto check = [&problems](bool ok, const std::string& what) {
    if (!ok) problems += what + "; ";
  };
  const std::string host = SaveHostPath(path);
  std::error_code loop;  // a link loop is no file, and no reason to throw
  const bool hadFile = std::filesystem::is_regular_file(host, loop);
  const std::string before = hadFile ? ReadFile(host) : "";
  const std::string saveName = rig.g.SaveFileName;
  // The frame goes on after the save and drains the meters: the file must
  // hold the world as it was when the key was handled.
  const std::string world = Bytes(rig.w);

  if (key == Key::F3) {
    rig.dialogs.answers.push_back(path);
    rig.PressKey(vk::F3);
  } else {
    rig.g.SaveFileName = path;
    rig.PressKey(vk::F6);
  }
  rig.Frame();

  if (code != 0) {
    const std::string expected = IoMessage(code) + " (" + ShownPath(SaveHostPath(path)) + ").";
    check(rig.app.errors.size() == 1 && rig.app.errors[0] == expected,
          "expected the report \"" + expected + "\", got " +
              (rig.app.errors.empty() ? std::string("none") : "\"" + rig.app.errors.back() + "\""));
    if (hadFile) check(ReadFile(host) == before, "the previous save changed");
    if (key == Key::F3) check(rig.g.SaveFileName == saveName, "the quick-save name changed");
  } else {
    check(rig.app.errors.empty(), "a report: " + (rig.app.errors.empty() ? "" : rig.app.errors[0]));
    check(ReadFile(host) == world, "the save does not hold the world");
    check(rig.LineUtf8().rfind("Ok uloženo", 0) == 0, "no answer: " + rig.LineUtf8());
  }
  check(Leftovers(path).empty(), "a temporary file was left");

  // The game goes on: the step north is heard and no report follows.
  const std::size_t reports = rig.app.errors.size();
  Settle(rig);
  rig.edit.SetText("");  // the player clears the answer "Ok uloženo.."
  rig.Command("sever");
  check(rig.w.CurrentRoom == 2, "the step north was not taken");
  rig.Frame(3);
  check(rig.app.errors.size() == reports, "a further report");
  return problems;
}

// Runs `body` in a forked child (for limits and identities that must not
// reach the test runner) and returns what it reported.
std::string InChild(const std::function<std::string()>& body) {
  int fds[2];
  if (::pipe(fds) != 0) return "no pipe";
  pid_t pid = ::fork();
  if (pid == 0) {
    ::close(fds[0]);
    std::string out = body();
    if (::write(fds[1], out.data(), out.size()) < 0) _exit(2);
    // No destructors: the scratch directory belongs to the parent.
    _exit(0);
  }
  ::close(fds[1]);
  std::string out;
  char buf[512];
  ssize_t n;
  while ((n = ::read(fds[0], buf, sizeof buf)) > 0) out.append(buf, static_cast<std::size_t>(n));
  ::close(fds[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) out += "the child died (status " + std::to_string(status) + ")";
  return out;
}

// Root may write anywhere; a read-only directory holds only for a user
// who is not root, so the child becomes "nobody" first.
std::string DropRoot() {
  if (::geteuid() != 0) return "";
  if (::chmod(".", 0777) != 0) return "chmod";
  if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0) return "cannot drop root";
  return "";
}

// An empty /proc for this child alone, as in a container that has none.
std::string HideProc() {
  if (::geteuid() != 0) return "";  // only root may mount; the save is then tried with /proc
  if (::unshare(CLONE_NEWNS) != 0) return "unshare";
  if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return "private mounts";
  if (::mount("none", "/proc", "tmpfs", 0, nullptr) != 0) return "mount over /proc";
  return std::filesystem::exists("/proc/self") ? "/proc is still there" : "";
}

struct SaveRow {
  const char* name;
  std::function<std::string()> prepare;  // returns the game path to save to
  int code;                              // 0: the save succeeds
  std::function<std::string()> inChild;  // run in a child after this set-up; null: in the test
};

void WriteOld(const std::string& host) {
  TWorld old = TinyWorld();
  old.CurrentRoom = 36;
  old.Health = 12;
  WriteFile(host, Bytes(old));
}

TEST(ReliabilitySaves, AFailedSaveKeepsThePreviousOneAndTheGameGoesOn) {
  const SaveRow rows[] = {
      {"disk full", [] { return std::string("/dev/full"); }, io::DiskFull, nullptr},
      {"file-size limit below one record", [] { WriteOld("limit.sav"); return std::string("limit.sav"); },
       io::DiskFull,
       [] {
         rlimit limit{4096, 4096};
         return ::setrlimit(RLIMIT_FSIZE, &limit) == 0 ? std::string() : std::string("setrlimit");
       }},
      {"read-only directory",
       [] {
         std::filesystem::create_directory("ro");
         WriteOld("ro/hra.sav");
         ::chmod("ro", 0555);
         return std::string("ro\\hra.sav");
       },
       io::AccessDenied, DropRoot},
      {"read-only file", [] { WriteOld("ro.sav"); ::chmod("ro.sav", 0444); return std::string("ro.sav"); },
       io::AccessDenied, nullptr},
      {"missing directory", [] { return std::string("nikde\\hra.sav"); }, io::InvalidFilename, nullptr},
      {"no /proc to name the temporary file through", [] { WriteOld("proc.sav"); return std::string("proc.sav"); },
       0, HideProc},
      {"spaces and Czech letters",
       [] {
         std::string path = "moje hry\\uložená hra č. 1.sav";
         std::filesystem::create_directory("moje hry");
         WriteOld(SaveHostPath(path));
         return path;
       },
       0, nullptr},
  };
  for (const SaveRow& row : rows) {
    for (Key key : {Key::F3, Key::F6}) {
      SCOPED_TRACE(std::string(row.name) + (key == Key::F3 ? " (F3)" : " (F6)"));
      Rig rig;
      InstallWorld(TinyWorld());
      rig.w = TinyWorld();
      rig.StartPlay(1);
      rig.w.Health = 77;  // differs from every previous save
      const std::string path = row.prepare();
      if (row.inChild) {
        EXPECT_EQ(InChild([&] {
                    std::string setup = row.inChild();
                    return setup.empty() ? SaveAndPlayOn(rig, path, key, row.code) : setup;
                  }),
                  "");
      } else {
        EXPECT_EQ(SaveAndPlayOn(rig, path, key, row.code), "");
      }
      if (row.code == 0) {
        // What was saved loads back: the player is in room 1 again.
        rig.g.SaveFileName = path;
        rig.g.QuickFileCooldown = 0;
        rig.PressKey(vk::F7);
        rig.Frame();
        EXPECT_TRUE(rig.app.errors.empty());
        EXPECT_EQ(rig.w.CurrentRoom, 1);
        EXPECT_EQ(rig.w.Health, 77);
      }
    }
  }
}

// The save dialog hands the game the name the file system lists, in UTF-8;
// the file must be found under that same name again.
TEST(ReliabilitySaves, ACzechNameIsTheFileSystemsName) {
  Rig rig;
  InstallWorld(TinyWorld());
  rig.w = TinyWorld();
  rig.StartPlay(1);
  rig.dialogs.answers.push_back(std::string("uložená hra.sav"));
  rig.PressKey(vk::F3);
  rig.Frame();
  EXPECT_TRUE(rig.app.errors.empty());
  EXPECT_TRUE(std::filesystem::exists("uložená hra.sav"));  // this source is UTF-8
  WriteFile("čtvrtá.sav", Bytes(TinyWorld()));
  rig.dialogs.answers.push_back(std::string("čtvrtá.sav"));
  rig.PressKey(vk::F2);
  rig.Frame();
  EXPECT_TRUE(rig.app.errors.empty()) << rig.app.errors.front();
}

// A save name that is a symbolic link: the file it points to gets the new
// game and the link stays a link.  A loop, or a link into a folder that
// cannot be written, is refused and changes nothing.
TEST(ReliabilitySaves, ASaveThroughALinkWritesTheFileItPointsTo) {
  struct LinkRow {
    const char* name;
    std::function<void()> prepare;  // makes "odkaz.sav" and what it points to
    const char* target;             // the file that must hold the game, or null: refused
    int code;
  };
  const LinkRow rows[] = {
      {"to a save beside it", [] { WriteOld("cil.sav"); ::symlink("cil.sav", "odkaz.sav"); }, "cil.sav", 0},
      {"to a save in another folder, by a relative path",
       [] {
         std::filesystem::create_directory("jinde");
         WriteOld("jinde/cil.sav");
         ::symlink("jinde/cil.sav", "odkaz.sav");
       },
       "jinde/cil.sav", 0},
      {"through a chain of two links",
       [] {
         std::filesystem::create_directory("jinde");
         WriteOld("jinde/cil.sav");
         ::symlink("cil.sav", "jinde/mezi.sav");
         ::symlink("jinde/mezi.sav", "odkaz.sav");
       },
       "jinde/cil.sav", 0},
      {"to a save not made yet", [] { ::symlink("nova.sav", "odkaz.sav"); }, "nova.sav", 0},
      {"to itself", [] { ::symlink("odkaz.sav", "odkaz.sav"); }, nullptr, CodeFromErrno(ELOOP)},
      {"in a loop of two",
       [] {
         ::symlink("druhy.sav", "odkaz.sav");
         ::symlink("odkaz.sav", "druhy.sav");
       },
       nullptr, CodeFromErrno(ELOOP)},
      {"to a missing folder", [] { ::symlink("nikde/cil.sav", "odkaz.sav"); }, nullptr, io::InvalidFilename},
  };
  for (const LinkRow& row : rows) {
    for (Key key : {Key::F3, Key::F6}) {
      SCOPED_TRACE(std::string(row.name) + (key == Key::F3 ? " (F3)" : " (F6)"));
      Rig rig;
      InstallWorld(TinyWorld());
      rig.w = TinyWorld();
      rig.StartPlay(1);
      rig.w.Health = 77;
      row.prepare();
      const std::string linkBefore = std::filesystem::read_symlink("odkaz.sav").string();
      EXPECT_EQ(SaveAndPlayOn(rig, "odkaz.sav", key, row.code), "");
      ASSERT_TRUE(std::filesystem::is_symlink("odkaz.sav")) << "the link was replaced";
      EXPECT_EQ(std::filesystem::read_symlink("odkaz.sav").string(), linkBefore);
      if (row.target != nullptr) {
        TWorld saved{};
        const std::string bytes = ReadFile(row.target);
        ASSERT_EQ(bytes.size(), sizeof saved);
        std::memcpy(static_cast<void*>(&saved), bytes.data(), sizeof saved);
        EXPECT_EQ(saved.Health, 77);
        EXPECT_EQ(Leftovers(row.target), std::vector<std::string>{});
      }
    }
  }
}

// A link that points into a folder the player may not write: refused, and
// neither the link nor the folder changes.
TEST(ReliabilitySaves, ALinkIntoAReadOnlyFolderIsRefused) {
  for (Key key : {Key::F3, Key::F6}) {
    SCOPED_TRACE(key == Key::F3 ? "F3" : "F6");
    Rig rig;
    InstallWorld(TinyWorld());
    rig.w = TinyWorld();
    rig.StartPlay(1);
    std::filesystem::create_directory("ro");
    WriteOld("ro/stara.sav");
    ::chmod("ro", 0555);
    ::symlink("ro/nova.sav", "odkaz.sav");
    EXPECT_EQ(InChild([&] {
                std::string setup = DropRoot();
                return setup.empty() ? SaveAndPlayOn(rig, "odkaz.sav", key, io::AccessDenied) : setup;
              }),
              "");
    EXPECT_TRUE(std::filesystem::is_symlink("odkaz.sav"));
    EXPECT_FALSE(std::filesystem::exists("ro/nova.sav"));
    ::chmod("ro", 0755);
  }
}

// Children save two different worlds in turn and are killed at random
// moments; the save on disk is always one of the two, whole.
TEST(ReliabilitySaves, AGameKilledWhileSavingLeavesAWholeRecord) {
  constexpr int kKills = 300;
  Rig rig;
  InstallWorld(TinyWorld());
  rig.w = TinyWorld();
  rig.StartPlay(1);
  TWorld a = rig.w, b = rig.w;
  b.CurrentRoom = 2;
  b.Health = 33;
  b.Room(36).Fixtures[2].Name.assign("zmeneno");
  const std::string recordA = Bytes(a), recordB = Bytes(b);
  WriteWorld(rig.g, "kill.sav");

  int leftBehind = 0;  // kills that came between the link and the rename
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> delayUs(0, 4000);
  for (int i = 0; i < kKills; ++i) {
    int started[2];
    ASSERT_EQ(::pipe(started), 0);
    pid_t pid = ::fork();
    if (pid == 0) {
      // Saving from now on: the parent's random delay starts here.
      if (::write(started[1], "s", 1) != 1) _exit(4);
      for (unsigned n = 0;; ++n) {
        rig.w = n % 2 ? a : b;
        try {
          WriteWorld(rig.g, "kill.sav");
        } catch (const IoError&) {
          _exit(3);
        }
      }
    }
    ASSERT_GT(pid, 0);
    char c;
    ::close(started[1]);
    ASSERT_EQ(::read(started[0], &c, 1), 1);
    ::close(started[0]);
    std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child failed: " << status;
    const std::string now = ReadFile("kill.sav");
    ASSERT_TRUE(now == recordA || now == recordB) << "kill " << i << ": " << now.size() << " bytes, neither record";
    leftBehind += std::filesystem::exists("kill.sav.tmp");
  }
  std::cout << kKills << " kills, " << leftBehind << " left a temporary file\n";
  // The next save clears whatever a kill left behind.
  rig.w = b;
  rig.g.SaveFileName = "kill.sav";
  rig.PressKey(vk::F6);
  rig.Frame();
  EXPECT_TRUE(rig.app.errors.empty());
  EXPECT_TRUE(ReadFile("kill.sav") == recordB);
  EXPECT_EQ(Leftovers("kill.sav"), std::vector<std::string>{});
}

}  // namespace
}  // namespace raketa::test
