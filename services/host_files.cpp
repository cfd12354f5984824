// The game's files on the host's file system.
#include "services/host_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <filesystem>
#include <string>
#include <system_error>

#include "services/host_errors.h"
#include "services/save_names.h"

namespace raketa {

namespace {

// Reads up to `size` bytes; returns how many were read, or -1 with errno.
long ReadFully(int fd, void* buf, std::size_t size) {
  std::size_t done = 0;
  auto* p = static_cast<char*>(buf);
  while (done < size) {
    ssize_t n = ::read(fd, p + done, size - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  return static_cast<long>(done);
}

bool WriteFully(int fd, const void* buf, std::size_t size) {
  std::size_t done = 0;
  const auto* p = static_cast<const char*>(buf);
  while (done < size) {
    ssize_t n = ::write(fd, p + done, size - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) {
      errno = ENOSPC;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

std::string DirectoryOf(const std::string& path) {
  auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Only regular files and character devices (/dev/full, /dev/null) are
// files to the game: a pipe would block it for ever, a socket cannot be
// opened, a block device is a disk.
bool Usable(const struct stat& st) { return S_ISREG(st.st_mode) || S_ISCHR(st.st_mode); }

// Opens without waiting for anybody at the other end.  A directory is
// refused as "access denied", anything else that is not a file as such.
int OpenFile(const std::string& host, const std::string& path, int flags) {
  // A pipe is refused before it is opened: where the file system drops
  // O_NONBLOCK (Emscripten's host files under node) opening it would wait
  // for a writer for ever.
  struct stat before {};
  if (::stat(host.c_str(), &before) == 0 && S_ISFIFO(before.st_mode)) throw IoError(io::NotAFile, path);
  int fd = ::open(host.c_str(), flags | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) throw IoError(CodeFromErrno(errno), path);
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int err = errno;
    ::close(fd);
    throw IoError(CodeFromErrno(err), path);
  }
  if (!Usable(st)) {
    ::close(fd);
    throw IoError(S_ISDIR(st.st_mode) ? io::AccessDenied : io::NotAFile, path);
  }
  return fd;
}

// A save name that is a symbolic link names the file the link points to:
// the save must write that file and keep the link, as writing through the
// path always did.  Follows the chain of links to its end, which need not
// exist yet; a loop is refused as the system refuses it.
std::string FinalTarget(const std::string& host, const std::string& path) {
  constexpr int kMostLinks = 40;  // as many as the system itself follows
  std::string at = host;
  for (int hops = 0;; ++hops) {
    struct stat st {};
    if (::lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return at;
    if (hops == kMostLinks) throw IoError(CodeFromErrno(ELOOP), path);
    std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4095) + 1, '\0');
    ssize_t n = ::readlink(at.c_str(), target.data(), target.size());
    if (n < 0) throw IoError(CodeFromErrno(errno), path);
    target.resize(static_cast<std::size_t>(n));
    if (target.empty()) throw IoError(CodeFromErrno(ENOENT), path);
    at = target.front() == '/' ? target : DirectoryOf(at) + "/" + target;
  }
}

// A file-size limit must give an error, not kill the game.  The signal
// the limit raises is held back for this thread while the record is written
// and then taken off, so nothing changes for the rest of the program.
class FileSizeSignalHeld {
 public:
  FileSizeSignalHeld() {
#ifndef __EMSCRIPTEN__
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, SIGXFSZ);
    pthread_sigmask(SIG_BLOCK, &only, &before_);
#endif
  }
  ~FileSizeSignalHeld() {
#ifndef __EMSCRIPTEN__
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, SIGXFSZ);
    const timespec now{};
    const int saved = errno;
    while (sigtimedwait(&only, nullptr, &now) == SIGXFSZ) {
    }
    pthread_sigmask(SIG_SETMASK, &before_, nullptr);
    errno = saved;
#endif
  }
  FileSizeSignalHeld(const FileSizeSignalHeld&) = delete;
  FileSizeSignalHeld& operator=(const FileSizeSignalHeld&) = delete;

 private:
#ifndef __EMSCRIPTEN__
  sigset_t before_{};
#endif
};

bool WriteAndSync(int fd, const void* data, std::size_t size) { return WriteFully(fd, data, size) && ::fsync(fd) == 0; }

// Writes the bytes to the temporary file `tmp` in `dir`, whole and on
// disk; false with errno set.  It is written first as an unnamed file,
// which vanishes by itself if the game dies while writing, and named only
// once complete.  Where that cannot be done (no O_TMPFILE, or no /proc to
// name the file through) it is written under its name at once.
bool WriteTemporary(const std::string& dir, const std::string& tmp, const void* data, std::size_t size) {
  int fd = ::open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0644);
  if (fd >= 0) {
    if (!WriteAndSync(fd, data, size)) {
      const int err = errno;
      ::close(fd);
      errno = err;
      return false;
    }
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    const bool named = ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, tmp.c_str(), AT_SYMLINK_FOLLOW) == 0;
    if (::close(fd) != 0 && named) return false;
    if (named) return true;
  }
  fd = ::open(tmp.c_str(), O_CREAT | O_EXCL | O_NOFOLLOW | O_WRONLY | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = WriteAndSync(fd, data, size);
  int err = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    err = errno;
  }
  errno = err;
  return ok;
}

void WriteInPlace(const std::string& host, const std::string& path, const void* data, std::size_t size) {
  int fd = OpenFile(host, path, O_WRONLY);
  if (fd < 0) throw IoError(CodeFromErrno(errno), path);
  bool ok = WriteFully(fd, data, size);
  int err = errno;
  ::close(fd);
  if (!ok) throw IoError(CodeFromErrno(err), path);
}

}  // namespace

void HostFiles::ReadStart(const std::string& host, const std::string& path, void* into, std::size_t size) {
  if (host.empty()) throw IoError(io::InvalidFilename, path);
  int fd = OpenFile(host, path, O_RDONLY);
  long n = ReadFully(fd, into, size);
  int err = errno;
  ::close(fd);
  if (n < 0) throw IoError(CodeFromErrno(err), path);
  if (static_cast<std::size_t>(n) < size) throw IoError(io::ReadBeyondEnd, path);
}

std::vector<unsigned char> HostFiles::ReadWhole(const std::string& host, const std::string& path) {
  if (host.empty()) throw IoError(io::InvalidFilename, path);
  int fd = OpenFile(host, path, O_RDONLY);
  std::vector<unsigned char> data;
  unsigned char chunk[4096];
  for (;;) {
    long n = ReadFully(fd, chunk, sizeof chunk);
    if (n < 0) {
      int err = errno;
      ::close(fd);
      throw IoError(CodeFromErrno(err), path);
    }
    data.insert(data.end(), chunk, chunk + n);
    if (static_cast<std::size_t>(n) < sizeof chunk) break;
  }
  ::close(fd);
  return data;
}

void HostFiles::WriteWhole(const std::string& named, const std::string& path, const void* data, std::size_t size) {
  if (named.empty() || named.back() == '/') throw IoError(io::InvalidFilename, path);
  // The temporary file goes beside the file that is really written, and
  // the rename replaces that file, never the link to it.
  const std::string host = FinalTarget(named, path);
  std::string dir = DirectoryOf(host);
  struct stat st {};
  if (::stat(dir.c_str(), &st) != 0) throw IoError(io::InvalidFilename, path);
  if (!S_ISDIR(st.st_mode)) throw IoError(io::InvalidFilename, path);
  if (::stat(host.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) throw IoError(io::AccessDenied, path);
    // A write-protected save stays protected, even for a user whom the
    // system would let replace it.
    if ((st.st_mode & 0222) == 0) throw IoError(io::AccessDenied, path);
    if (!Usable(st)) throw IoError(io::NotAFile, path);
    // A device is written in place; it must never be replaced.
    if (!S_ISREG(st.st_mode)) {
      WriteInPlace(host, path, data, size);
      return;
    }
  }

  // A temporary file left by a game killed in the last instant of a save is
  // removed by the next save of the same target: its name is the target's
  // own and no player's.
  const std::string tmp = SaveTemporaryPath(host);
  ::unlink(tmp.c_str());
  bool ok = false;
  {
    FileSizeSignalHeld held;
    ok = WriteTemporary(dir, tmp, data, size);
  }
  int err = errno;
  if (ok && ::rename(tmp.c_str(), host.c_str()) != 0) {
    ok = false;
    err = errno;
  }
  if (!ok) {
    ::unlink(tmp.c_str());
    throw IoError(CodeFromErrno(err), path);
  }
  // The rename itself must reach the disk too.
  int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    ::fsync(dfd);
    ::close(dfd);
  }
}

std::string HostFiles::Version(const std::string& host) {
  struct stat st {};
  if (::stat(host.c_str(), &st) != 0) return {};
  std::error_code ec;
  const std::filesystem::path where = std::filesystem::absolute(host, ec);
  return (ec ? host : where.string()) + '\n' + std::to_string(st.st_size) + '\n' +
         std::to_string(st.st_mtim.tv_sec) + '.' + std::to_string(st.st_mtim.tv_nsec);
}

bool HostFiles::IsFile(const std::string& host) {
  std::error_code ec;
  return std::filesystem::is_regular_file(host, ec);
}

bool HostFiles::IsReadableFolder(const std::string& host) {
  DIR* dir = ::opendir(host.c_str());
  if (dir == nullptr) return false;
  ::closedir(dir);
  return true;
}

void HostFiles::MakeSaveFolder() {
  if (folders_.saves.empty()) return;
  std::error_code ec;
  std::filesystem::create_directories(folders_.saves, ec);
}

}  // namespace raketa
