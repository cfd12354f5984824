// What goes wrong with the game's files, and the paths it reports.  Every
// failure raises IoError with the runtime's code and message; the frame
// reports it and carries on.
#pragma once

#include <stdexcept>
#include <string>

namespace raketa {

namespace io {
constexpr int FileNotFound = 2;
constexpr int InvalidFilename = 3;
constexpr int TooManyOpenFiles = 4;
constexpr int AccessDenied = 5;
constexpr int ReadBeyondEnd = 100;
constexpr int DiskFull = 101;
constexpr int FileNotOpen = 103;
constexpr int FileNotOpenForInput = 104;
constexpr int InvalidRecord = 200;  // a record that breaks the world's invariants
constexpr int NotAFile = 201;       // a pipe, a socket or a block device where a file should be
}  // namespace io

// The runtime's standard text for an I/O error code.
std::string IoMessage(int code);

class IoError : public std::runtime_error {
 public:
  IoError(int code, std::string path, std::string detail = {});
  int code() const { return code_; }
  const std::string& path() const { return path_; }
  // What the error box shows, without the full stop it appends.
  std::string Report() const;

 private:
  int code_;
  std::string path_;
  std::string detail_;
};

// The game's paths are code page 1250 and use a backslash ("texty\m1.dat");
// the host gets UTF-8 and its own separator.  A relative path lies inside
// `folder` (a host path; empty for the working directory).
std::string HostPath(const std::string& gamePath, const std::string& folder = {});
// A host path as the player reads it in a message: code page 1250, '/'.
std::string ShownPath(const std::string& hostPath);

}  // namespace raketa
