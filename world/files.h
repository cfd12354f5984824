// The game's files: the world record file (mistnosti.dat and save games) and
// the room text file read by the narration.  Every failure raises IoError with
// the runtime's code and message; the frame reports it and carries on.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace raketa {

struct TWorld;

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

// WorldFile: the record file of 56512-byte records.
class RecordFile {
 public:
  bool IsOpen() const { return open_; }
  // Reads the first record of `path` into `world`.  The file is opened for
  // reading only; the record is checked before it replaces the world, so a
  // short or broken file leaves the world as it was.  A non-zero
  // `startRoom` replaces the file's current room before the check (a new
  // game always starts in room 1, whatever mistnosti.dat says).
  // `path` is a UTF-8 name, not a game path (see SaveHostPath); a relative
  // one lies inside `folder`.  Only a regular file or a character device is
  // read, and nothing waits for a writer at the other end.
  void Read(const std::string& path, TWorld& world, int startRoom = 0, const std::string& folder = {});
  // Writes `world` as the file's only record, safely: a temporary file beside
  // the target is written, flushed and renamed over it, so a failed save
  // never destroys the previous one.  A character device is written in
  // place; a pipe, a socket or a block device is refused.
  void Write(const std::string& path, const TWorld& world, const std::string& folder = {});
  // Closing a file that is not open raises code 103.
  void Close();

 private:
  bool open_ = false;
  std::string path_;
};

// RoomTextFile: a text file read character by character.  It ends at its
// physical end or at the first Ctrl-Z; a line break is recognised at a CR.
class TextFile {
 public:
  // Binds and opens for reading from the start (reading only); a relative
  // `path` lies inside `folder` (see HostPath).
  void Open(const std::string& path, const std::string& folder = {});
  // Opens the bound file again from its start.
  void Reset();
  void Close();
  bool IsOpen() const { return open_; }
  const std::string& Path() const { return path_; }
  // Everything the open file holds, however much has been read.
  std::string Whole() const { return std::string(data_.begin(), data_.end()); }

  bool Eof() const;
  // At a CR (or at the end).
  bool Eoln() const;
  // The next byte; reading past the end yields Ctrl-Z.
  unsigned char ReadChar();
  // Consumes everything up to and including the next LF.
  void ReadLn();

 private:
  void RequireOpen() const;

  bool open_ = false;
  std::string path_;
  std::string folder_;
  std::string shown_;  // where it is, for messages
  std::vector<unsigned char> data_;
  std::size_t pos_ = 0;
};

}  // namespace raketa
