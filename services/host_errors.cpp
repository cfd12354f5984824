// The errno table.
#include "services/host_errors.h"

#include <cerrno>
#include <iterator>

#include "services/file_errors.h"

namespace raketa {

namespace {

constexpr int Own(int err) { return io::HostErrorBase + err; }

const HostErrorEntry kTable[] = {
    {ENOENT, io::FileNotFound, nullptr},
    {ENOTDIR, io::InvalidFilename, nullptr},
    {ENAMETOOLONG, io::InvalidFilename, nullptr},
    {EINVAL, io::InvalidFilename, nullptr},
    {EILSEQ, io::InvalidFilename, nullptr},
    {EMFILE, io::TooManyOpenFiles, nullptr},
    {ENFILE, io::TooManyOpenFiles, nullptr},
    {EACCES, io::AccessDenied, nullptr},
    {EPERM, io::AccessDenied, nullptr},
    {EROFS, io::AccessDenied, nullptr},
    {EISDIR, io::AccessDenied, nullptr},
    {ETXTBSY, io::AccessDenied, nullptr},
    {ENOSPC, io::DiskFull, nullptr},
    {EDQUOT, io::DiskFull, nullptr},
    {EFBIG, io::DiskFull, nullptr},
    {EBADF, Own(EBADF), "File not open"},
    {EEXIST, Own(EEXIST), "A file or folder of that name is in the way"},
    {ENOTEMPTY, Own(ENOTEMPTY), "A folder of that name is in the way"},
    {ELOOP, Own(ELOOP), "Too many symbolic links (a link loop?)"},
    {EIO, Own(EIO), "Read or write error on the disk or device"},
    {ENXIO, Own(ENXIO), "Nobody at the other end (no device, or a pipe nobody reads)"},
    {ENODEV, Own(ENODEV), "No such device"},
    {EAGAIN, Own(EAGAIN), "File busy, try again"},
    {EBUSY, Own(EBUSY), "File or device busy"},
    {EINTR, Own(EINTR), "Interrupted, try again"},
    {EOVERFLOW, Own(EOVERFLOW), "File too large to open"},
    {ENOMEM, Own(ENOMEM), "Not enough memory"},
    {EXDEV, Own(EXDEV), "Cannot move a file between disks"},
    {EMLINK, Own(EMLINK), "Too many links to the file"},
    {ESTALE, Own(ESTALE), "Network file gone stale"},
    {EOPNOTSUPP, Own(EOPNOTSUPP), "Not supported by this file system"},
    {ESPIPE, Own(ESPIPE), "Not a file the game can read from the start"},
    {ENOLCK, Own(ENOLCK), "No file locks left"},
    {ETIMEDOUT, Own(ETIMEDOUT), "The network file system did not answer"},
    {EFAULT, Own(EFAULT), "Bad address in a file call"},
};

}  // namespace

const HostErrorEntry* HostErrorTable(int& count) {
  count = static_cast<int>(std::size(kTable));
  return kTable;
}

int CodeFromErrno(int err) {
  for (const HostErrorEntry& e : kTable) {
    if (e.err == err) return e.code;
  }
  return err > 0 ? Own(err) : Own(EIO);
}

std::string HostErrorMessage(int code) {
  if (code <= io::HostErrorBase) return {};
  for (const HostErrorEntry& e : kTable) {
    if (e.code == code && e.message) return e.message;
  }
  return "System error " + std::to_string(code - io::HostErrorBase);
}

}  // namespace raketa
