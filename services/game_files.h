// The game's files as a backend serves them: its folders and the few ways
// the game reads and writes.  Paths here are host paths (UTF-8, '/'); `shown`
// is the path as a message shows it.  Every failure raises IoError.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "services/file_errors.h"
#include "services/game_folders.h"

namespace raketa {

class GameFiles {
 public:
  virtual ~GameFiles() = default;
  virtual const GameFolders& Folders() const = 0;
  // Exactly `size` bytes from the file's start into `into` (ReadBeyondEnd
  // when the file is shorter).  Opened for reading only; only a regular file
  // or a character device is read, and nothing waits for a writer at the
  // other end.
  virtual void ReadStart(const std::string& host, const std::string& shown, void* into, std::size_t size) = 0;
  // Everything the file holds, as ReadStart opens it.
  virtual std::vector<unsigned char> ReadWhole(const std::string& host, const std::string& shown) = 0;
  // `size` bytes as the file's whole contents, safely: a failed write never
  // destroys what the file held.
  virtual void WriteWhole(const std::string& host, const std::string& shown, const void* data, std::size_t size) = 0;
  // What tells one version of the file from another (where it lies, its
  // size and its time of writing), or "" when no file lies there.
  virtual std::string Version(const std::string& host) = 0;
  // A regular file lies there.
  virtual bool IsFile(const std::string& host) = 0;
  // A folder lies there and can be listed.
  virtual bool IsReadableFolder(const std::string& host) = 0;
  // Creates the save folder and its parents when they are missing.  A
  // folder that cannot be made is left to the save that follows, which
  // reports why.
  virtual void MakeSaveFolder() = 0;
};

}  // namespace raketa
