#include "services/file_errors.h"

#include "services/cp1250.h"
#include "services/host_errors.h"

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

}  // namespace raketa
