#include "world/command_history.h"

namespace raketa {

void CommandHistory::Remember(const std::string& line) {
  if (!line.empty() && (lines_.empty() || lines_.back() != line)) {
    lines_.push_back(line);
    if (lines_.size() > kCapacity) lines_.pop_front();
  }
  pos_ = lines_.size();
}

const std::string* CommandHistory::Older() {
  if (lines_.empty()) return nullptr;
  if (pos_ > 0) --pos_;
  return &lines_[pos_];
}

const std::string* CommandHistory::Newer() {
  if (pos_ >= lines_.size()) return nullptr;
  ++pos_;
  return pos_ == lines_.size() ? &empty_ : &lines_[pos_];
}

}  // namespace raketa
