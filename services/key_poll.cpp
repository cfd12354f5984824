#include "services/key_poll.h"

namespace raketa {

namespace {
bool InRange(int code) { return code >= 0 && code < 256; }
}  // namespace

bool KeyPoll::KeyDown(int code) {
  if (!InRange(code)) return false;
  bool result = down_[code] || pressed_[code];
  pressed_[code] = false;
  return result;
}

bool KeyPoll::KeyPressed(int code) {
  if (!InRange(code)) return false;
  bool result = pressed_[code];
  pressed_[code] = false;
  return result;
}

void KeyPoll::Press(int code) {
  if (!InRange(code)) return;
  down_[code] = true;
  pressed_[code] = true;
  ++presses_;
}

void KeyPoll::Release(int code) {
  if (InRange(code)) down_[code] = false;
}

void KeyPoll::ForgetPresses() { pressed_.fill(false); }

void KeyPoll::ReleaseAll() { down_.fill(false); }

bool KeyPoll::IsDown(int code) const { return InRange(code) && down_[code]; }

}  // namespace raketa
