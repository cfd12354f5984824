// The game's files on this machine's file system (POSIX), as every backend
// serves them: the desktop, the replay and the browser's (Emscripten's)
// file system alike.
#pragma once

#include "services/game_files.h"

namespace raketa {

class HostFiles final : public GameFiles {
 public:
  explicit HostFiles(GameFolders folders) : folders_(std::move(folders)) {}

  const GameFolders& Folders() const override { return folders_; }
  void ReadStart(const std::string& host, const std::string& shown, void* into, std::size_t size) override;
  std::vector<unsigned char> ReadWhole(const std::string& host, const std::string& shown) override;
  // A temporary file beside the target is written, flushed and renamed over
  // it.  A symbolic link keeps pointing at the file it names, a character
  // device is written in place, a pipe, a socket or a block device is
  // refused.
  void WriteWhole(const std::string& host, const std::string& shown, const void* data, std::size_t size) override;
  std::string Version(const std::string& host) override;
  bool IsFile(const std::string& host) override;
  bool IsReadableFolder(const std::string& host) override;
  void MakeSaveFolder() override;

 private:
  GameFolders folders_;
};

}  // namespace raketa
