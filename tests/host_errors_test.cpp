// Every errno the file calls can give reaches the player as words.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "support/rig.h"
#include "support/tiny_world.h"
#include "world/host_errors.h"

namespace raketa::test {
namespace {

TEST(HostErrors, EachErrnoHasItsMessage) {
  struct Case {
    int err;
    const char* message;
  };
  const Case cases[] = {
      {ENOENT, "File not found"},
      {ENOTDIR, "Invalid filename"},
      {ENAMETOOLONG, "Invalid filename"},
      {EINVAL, "Invalid filename"},
      {EILSEQ, "Invalid filename"},
      {EMFILE, "Too many open files"},
      {ENFILE, "Too many open files"},
      {EACCES, "File access denied"},
      {EPERM, "File access denied"},
      {EROFS, "File access denied"},
      {EISDIR, "File access denied"},
      {ETXTBSY, "File access denied"},
      {ENOSPC, "Disk full"},
      {EDQUOT, "Disk full"},
      {EFBIG, "Disk full"},
      {EBADF, "File not open"},
      {EEXIST, "A file or folder of that name is in the way"},
      {ENOTEMPTY, "A folder of that name is in the way"},
      {ELOOP, "Too many symbolic links (a link loop?)"},
      {EIO, "Read or write error on the disk or device"},
      {ENXIO, "Nobody at the other end (no device, or a pipe nobody reads)"},
      {ENODEV, "No such device"},
      {EAGAIN, "File busy, try again"},
      {EBUSY, "File or device busy"},
      {EINTR, "Interrupted, try again"},
      {EOVERFLOW, "File too large to open"},
      {ENOMEM, "Not enough memory"},
      {EXDEV, "Cannot move a file between disks"},
      {EMLINK, "Too many links to the file"},
      {ESTALE, "Network file gone stale"},
      {EOPNOTSUPP, "Not supported by this file system"},
      {ESPIPE, "Not a file the game can read from the start"},
      {ENOLCK, "No file locks left"},
      {ETIMEDOUT, "The network file system did not answer"},
      {EFAULT, "Bad address in a file call"},
      {ECHILD, "System error 10"},  // outside the table: still words, and the number
  };
  for (const Case& c : cases) EXPECT_EQ(IoMessage(CodeFromErrno(c.err)), c.message) << "errno " << c.err;
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
