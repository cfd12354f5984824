#include "world/files.h"

#include <cstring>

#include "services/save_names.h"
#include "world/world_record.h"

namespace raketa {

void RecordFile::Read(GameFiles& files, const std::string& name, TWorld& world, int startRoom,
                      const std::string& folder) {
  const std::string host = SaveHostPath(name, folder);
  const std::string path = ShownPath(host);
  // The record goes into a buffer first: the world is replaced only by a
  // whole, sound record.
  TWorld buffer;
  files.ReadStart(host, path, &buffer, sizeof buffer);
  if (startRoom != 0) buffer.CurrentRoom = static_cast<std::uint8_t>(startRoom);
  std::string fault = CheckWorldRecord(buffer);
  if (!fault.empty()) throw IoError(io::InvalidRecord, path, fault);
  std::memcpy(static_cast<void*>(&world), &buffer, sizeof buffer);
  open_ = true;
  path_ = path;
}

void RecordFile::Write(GameFiles& files, const std::string& name, const TWorld& world, const std::string& folder) {
  const std::string host = SaveHostPath(name, folder);
  files.WriteWhole(host, ShownPath(host), &world, sizeof world);
}

void RecordFile::Close() {
  if (!open_) throw IoError(io::FileNotOpen, path_);
  open_ = false;
}

void TextFile::Open(GameFiles& files, const std::string& gamePath, const std::string& folder) {
  open_ = false;
  files_ = &files;
  path_ = gamePath;
  folder_ = folder;
  data_.clear();
  pos_ = 0;
  const std::string host = HostPath(gamePath, folder);
  shown_ = ShownPath(host);
  std::vector<unsigned char> data = files.ReadWhole(host, shown_);
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
  if (files_ == nullptr) throw IoError(io::InvalidFilename, "");  // never bound
  Open(*files_, path_, folder_);
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
