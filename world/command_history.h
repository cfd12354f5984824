// The lines the player sent with Enter, for recalling them with Up and Down.
// Kept while the program runs, across new games and loads.
#pragma once

#include <deque>
#include <string>

namespace raketa {

class CommandHistory {
 public:
  static constexpr std::size_t kCapacity = 50;

  // A sent line; empty lines and a repeat of the newest line are not kept.
  // Browsing starts again below the newest line.
  void Remember(const std::string& line);
  // One line further back (stays on the oldest); nullptr when nothing was sent.
  const std::string* Older();
  // One line forward; past the newest the empty line; nullptr when not browsing.
  const std::string* Newer();

 private:
  std::deque<std::string> lines_;
  std::size_t pos_ = 0;  // lines_.size() is the fresh line below the newest
  std::string empty_;
};

}  // namespace raketa
