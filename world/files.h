// The game's two file variables: the world record file (mistnosti.dat and
// save games) and the room text file read by the narration.  They reach the
// machine through the backend's GameFiles; every failure raises IoError
// (services/file_errors.h).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "services/file_errors.h"
#include "services/game_files.h"

namespace raketa {

struct TWorld;

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
  void Read(GameFiles& files, const std::string& path, TWorld& world, int startRoom = 0,
            const std::string& folder = {});
  // Writes `world` as the file's only record, safely: a temporary file beside
  // the target is written, flushed and renamed over it, so a failed save
  // never destroys the previous one.  A character device is written in
  // place; a pipe, a socket or a block device is refused.
  void Write(GameFiles& files, const std::string& path, const TWorld& world, const std::string& folder = {});
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
  void Open(GameFiles& files, const std::string& path, const std::string& folder = {});
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
  GameFiles* files_ = nullptr;
  std::string path_;
  std::string folder_;
  std::string shown_;  // where it is, for messages
  std::vector<unsigned char> data_;
  std::size_t pos_ = 0;
};

}  // namespace raketa
