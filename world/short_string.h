// A length-prefixed 8-bit string of fixed capacity, as stored in the world
// record: one length byte, then N character bytes in code page 1250.  Only the
// first `len` bytes count; the bytes behind them are kept as they stand so that
// a record read from a file is written back unchanged.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace raketa {

#pragma pack(push, 1)
template <int N>
struct ShortString {
  static constexpr int Capacity = N;

  std::uint8_t len;
  char ch[N];

  std::string str() const {
    int n = len <= N ? len : N;
    return std::string(ch, static_cast<std::size_t>(n));
  }
  std::string_view view() const {
    int n = len <= N ? len : N;
    return std::string_view(ch, static_cast<std::size_t>(n));
  }
  bool empty() const { return len == 0; }
  // Assigns at most N bytes; stale bytes beyond the new length stay.
  void assign(std::string_view s) {
    std::size_t n = s.size() < static_cast<std::size_t>(N) ? s.size() : static_cast<std::size_t>(N);
    std::memcpy(ch, s.data(), n);
    len = static_cast<std::uint8_t>(n);
  }
  // Empties the string by its length byte only, as the game always does.
  void clear() { len = 0; }
};
#pragma pack(pop)

// Whole-string comparison: length byte and characters, case-sensitive.
template <int A, int B>
bool SameName(const ShortString<A>& a, const ShortString<B>& b) {
  return a.view() == b.view();
}

template <int N>
bool operator==(const ShortString<N>& a, std::string_view b) {
  return a.view() == b;
}

}  // namespace raketa
