#include "world/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <pthread.h>
#include <csignal>
#include <ctime>
#include <cstdio>
#include <cstring>

#include "services/cp1250.h"
#include "world/host_errors.h"
#include "services/save_names.h"
#include "world/world_record.h"

namespace raketa {

std::string IoMessage(int code) {
  switch (code) {
    case io::FileNotFound: return "File not found";
    case io::InvalidFilename: return "Invalid filename";
    case io::TooManyOpenFiles: return "Too many open files";
    case io::AccessDenied: return "File access denied";
    case io::ReadBeyondEnd: return "Read beyond end of file";
    case io::DiskFull: return "Disk full";
    case io::InvalidRecord: return "Invalid world record";
    case io::NotAFile: return "Not a file (a pipe, a socket or a block device)";
    default: {
      const std::string host = HostErrorMessage(code);
      return host.empty() ? "I/O error " + std::to_string(code) : host;
    }
  }
}

IoError::IoError(int code, std::string path, std::string detail)
    : std::runtime_error(IoMessage(code)), code_(code), path_(std::move(path)), detail_(std::move(detail)) {}

std::string IoError::Report() const {
  std::string r = IoMessage(code_);
  if (!path_.empty()) r += " (" + path_ + ")";
  if (!detail_.empty()) r += ": " + detail_;
  return r;
}

std::string HostPath(const std::string& gamePath, const std::string& folder) {
  // Names the player typed may hold Czech letters; the host's file names
  // are UTF-8.
  std::string p = Cp1250ToUtf8(gamePath);
  for (char& c : p) {
    if (c == '\\') c = '/';
  }
  if (p.empty() || p.front() == '/' || folder.empty()) return p;
  return folder.back() == '/' ? folder + p : folder + "/" + p;
}

std::string ShownPath(const std::string& hostPath) { return Utf8ToCp1250(hostPath); }

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

bool WriteAndSync(int fd, const TWorld& world) { return WriteFully(fd, &world, sizeof world) && ::fsync(fd) == 0; }

// Writes the record to the temporary file `tmp` in `dir`, whole and on
// disk; false with errno set.  It is written first as an unnamed file,
// which vanishes by itself if the game dies while writing, and named only
// once complete.  Where that cannot be done (no O_TMPFILE, or no /proc to
// name the file through) it is written under its name at once.
bool WriteTemporary(const std::string& dir, const std::string& tmp, const TWorld& world) {
  int fd = ::open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0644);
  if (fd >= 0) {
    if (!WriteAndSync(fd, world)) {
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
  bool ok = WriteAndSync(fd, world);
  int err = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    err = errno;
  }
  errno = err;
  return ok;
}

void WriteInPlace(const std::string& host, const std::string& path, const TWorld& world) {
  int fd = OpenFile(host, path, O_WRONLY);
  if (fd < 0) throw IoError(CodeFromErrno(errno), path);
  bool ok = WriteFully(fd, &world, sizeof world);
  int err = errno;
  ::close(fd);
  if (!ok) throw IoError(CodeFromErrno(err), path);
}

}  // namespace

void RecordFile::Read(const std::string& name, TWorld& world, int startRoom, const std::string& folder) {
  std::string host = SaveHostPath(name, folder);
  const std::string path = ShownPath(host);
  if (host.empty()) throw IoError(io::InvalidFilename, path);
  int fd = OpenFile(host, path, O_RDONLY);
  // The record goes into a buffer first: the world is replaced only by a
  // whole, sound record.
  TWorld buffer;
  long n = ReadFully(fd, &buffer, sizeof buffer);
  int err = errno;
  ::close(fd);
  if (n < 0) throw IoError(CodeFromErrno(err), path);
  if (static_cast<std::size_t>(n) < sizeof buffer) throw IoError(io::ReadBeyondEnd, path);
  if (startRoom != 0) buffer.CurrentRoom = static_cast<std::uint8_t>(startRoom);
  std::string fault = CheckWorldRecord(buffer);
  if (!fault.empty()) throw IoError(io::InvalidRecord, path, fault);
  std::memcpy(static_cast<void*>(&world), &buffer, sizeof buffer);
  open_ = true;
  path_ = path;
}

void RecordFile::Write(const std::string& name, const TWorld& world, const std::string& folder) {
  const std::string named = SaveHostPath(name, folder);
  const std::string path = ShownPath(named);
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
      WriteInPlace(host, path, world);
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
    ok = WriteTemporary(dir, tmp, world);
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

void RecordFile::Close() {
  if (!open_) throw IoError(io::FileNotOpen, path_);
  open_ = false;
}

void TextFile::Open(const std::string& gamePath, const std::string& folder) {
  open_ = false;
  path_ = gamePath;
  folder_ = folder;
  data_.clear();
  pos_ = 0;
  std::string host = HostPath(gamePath, folder);
  const std::string path = ShownPath(host);
  shown_ = path;
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
  // The text ends at the first Ctrl-Z.
  for (std::size_t i = 0; i < data.size(); ++i) {
    if (data[i] == 26) {
      data.resize(i);
      break;
    }
  }
  data_ = std::move(data);
  open_ = true;
}

void TextFile::Reset() {
  if (open_) {
    pos_ = 0;
    return;
  }
  Open(path_, folder_);
}

void TextFile::Close() {
  if (!open_) throw IoError(io::FileNotOpen, shown_);
  open_ = false;
  data_.clear();
  pos_ = 0;
}

void TextFile::RequireOpen() const {
  if (!open_) throw IoError(io::FileNotOpenForInput, shown_);
}

bool TextFile::Eof() const {
  RequireOpen();
  return pos_ >= data_.size();
}

bool TextFile::Eoln() const {
  RequireOpen();
  return pos_ >= data_.size() || data_[pos_] == 13;
}

unsigned char TextFile::ReadChar() {
  RequireOpen();
  if (pos_ >= data_.size()) return 26;
  return data_[pos_++];
}

void TextFile::ReadLn() {
  RequireOpen();
  while (pos_ < data_.size()) {
    if (data_[pos_++] == 10) break;
  }
}

}  // namespace raketa
