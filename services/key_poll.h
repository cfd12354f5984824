// The asynchronous key poll: a key is reported down when it is down now or
// was pressed since the previous poll of that key.
#pragma once

#include <array>

namespace raketa {

class KeyPoll {
 public:
  // True when the key is down or was pressed since its last poll; the poll
  // uses up the press.
  bool KeyDown(int code);
  // True only when the key was pressed (or repeated) since its last poll: a
  // held key acts once per press, at the machine's repeat rate.
  bool KeyPressed(int code);

  // Every press not yet polled is forgotten; keys held stay down.
  void ForgetPresses();

  // Fed by the backends.
  void Press(int code);
  void Release(int code);
  void ReleaseAll();
  bool IsDown(int code) const;
  // Every press so far, counted: speech yields to a player who pressed
  // anything.
  unsigned long Presses() const { return presses_; }

 private:
  std::array<bool, 256> down_{};
  std::array<bool, 256> pressed_{};
  unsigned long presses_ = 0;
};

}  // namespace raketa
