#include "presentation/replay/trace.h"

namespace raketa {

void Trace::Event(const std::string& text) {
  if (out_ != nullptr) *out_ << frame_ << ' ' << text << '\n';
  if (keep_) kept_.push_back(text);
}

std::string Quoted(const std::string& utf8) {
  std::string q = "\"";
  for (char c : utf8) {
    if (c == '"' || c == '\\') q.push_back('\\');
    q.push_back(c);
  }
  q.push_back('"');
  return q;
}

}  // namespace raketa
