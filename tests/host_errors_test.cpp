// Every errno the file calls can give reaches the player as words.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "support/rig.h"
#include "support/tiny_world.h"
#include "services/host_errors.h"

namespace raketa::test {
namespace {

// A few errnos of each kind: one the runtime's code covers, several sharing
// one such code, one with a message of its own, one outside the table, and
// no errno at all (a call that failed without saying why).
TEST(HostErrors, AnErrnoReachesThePlayerAsWords) {
  struct Case {
    int err;
    int code;
    const char* message;
  };
  const Case cases[] = {
      {ENOENT, 2, "File not found"},
      {ENAMETOOLONG, 3, "Invalid filename"},
      {EMFILE, 4, "Too many open files"},
      {EROFS, 5, "File access denied"},
      {EISDIR, 5, "File access denied"},
      {EFBIG, 101, "Disk full"},
      {ELOOP, 1000 + ELOOP, "Too many symbolic links (a link loop?)"},
      {ENXIO, 1000 + ENXIO, "Nobody at the other end (no device, or a pipe nobody reads)"},
      {ECHILD, 1010, "System error 10"},
      {0, 1000 + EIO, "Read or write error on the disk or device"},
      {-1, 1000 + EIO, "Read or write error on the disk or device"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("errno " + std::to_string(c.err));
    EXPECT_EQ(CodeFromErrno(c.err), c.code);
    EXPECT_EQ(IoMessage(c.code), c.message);
  }
}

// The runtime's own codes have no host message; a code nobody knows is
// still reported with its number.
TEST(HostErrors, CodesOutsideTheHostRangeKeepTheirOwnWords) {
  EXPECT_EQ(HostErrorMessage(io::FileNotFound), "");
  EXPECT_EQ(HostErrorMessage(io::HostErrorBase), "");
  EXPECT_EQ(IoMessage(150), "I/O error 150");
  EXPECT_EQ(IoMessage(io::NotAFile), "Not a file (a pipe, a socket or a block device)");
}

// No row of the game's table falls back to the bare number.
TEST(HostErrors, NoRowOfTheTableIsABareNumber) {
  int count = 0;
  const HostErrorEntry* table = HostErrorTable(count);
  for (int i = 0; i < count; ++i) {
    EXPECT_EQ(IoMessage(table[i].code).rfind("I/O error", 0), std::string::npos) << "errno " << table[i].err;
    EXPECT_EQ(table[i].message == nullptr, table[i].code < io::HostErrorBase) << "errno " << table[i].err;
  }
}

// The faults players met, through the real loads.
TEST(HostErrors, LoadsReportWhatWentWrongInWords) {
  struct Case {
    const char* name;
    void (*prepare)();
    const char* report;
  };
  const Case cases[] = {
      {"a symbolic link loop", [] { std::filesystem::create_symlink("loop.sav", "loop.sav"); },
       "Too many symbolic links (a link loop?) (loop.sav)."},
      {"a pipe", [] { ::mkfifo("loop.sav", 0644); }, "Not a file (a pipe, a socket or a block device) (loop.sav)."},
      {"a folder", [] { std::filesystem::create_directory("loop.sav"); }, "File access denied (loop.sav)."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig;
    InstallWorld(TinyWorld());
    rig.w = TinyWorld();
    rig.StartPlay(1);
    c.prepare();
    rig.dialogs.answers.push_back(std::string("loop.sav"));
    rig.PressKey(vk::F2);
    rig.Frame();
    ASSERT_EQ(rig.app.errors.size(), 1u);
    EXPECT_EQ(rig.app.errors[0], c.report);
  }
}

// Quick save and quick load on a pipe, in a child that an alarm ends if the
// game ever waits for the other end again.
TEST(HostErrors, QuickSaveAndLoadOnAPipeAnswerAtOnce) {
  Rig rig;
  InstallWorld(TinyWorld());
  rig.w = TinyWorld();
  rig.StartPlay(1);
  ASSERT_EQ(::mkfifo("pipe.sav", 0644), 0);
  rig.g.SaveFileName = "pipe.sav";
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::alarm(10);
    for (int key : {vk::F6, vk::F7}) {
      rig.g.QuickFileCooldown = 0;
      rig.PressKey(key);
      rig.Frame();
    }
    const bool ok = rig.app.errors.size() == 2 &&
                    rig.app.errors[0] == "Not a file (a pipe, a socket or a block device) (pipe.sav)." &&
                    rig.app.errors[1] == rig.app.errors[0];
    _exit(ok ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFEXITED(status)) << "the child hung and was ended by its alarm";
  EXPECT_EQ(WEXITSTATUS(status), 0) << "wrong or missing reports";
}

}  // namespace
}  // namespace raketa::test
