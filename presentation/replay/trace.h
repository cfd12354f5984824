// The replay trace: one event a line, each starting with the number of the
// frame in which it happened (0 before the first frame).
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace raketa {

class Trace {
 public:
  explicit Trace(std::ostream* out = nullptr) : out_(out) {}
  void SetFrame(long frame) { frame_ = frame; }
  long Frame() const { return frame_; }
  void Event(const std::string& text);
  // Every event written so far, without frame numbers, when keeping is on.
  void Keep(bool on) { keep_ = on; }
  const std::vector<std::string>& Kept() const { return kept_; }
  void ClearKept() { kept_.clear(); }

 private:
  std::ostream* out_;
  long frame_ = 0;
  bool keep_ = false;
  std::vector<std::string> kept_;
};

// "…" with the text in UTF-8, quotes and backslashes escaped.
std::string Quoted(const std::string& utf8);

}  // namespace raketa
