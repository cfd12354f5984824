#include "world/world_copies.h"

namespace raketa {

void WorldCopies::Clear() {
  copies_.clear();
  frame_ = 0;
}

void WorldCopies::PlayFrame(const TWorld& world) {
  if (frame_ % kEvery == 0) {
    copies_.push_back({frame_, world});
    if (copies_.size() > static_cast<std::size_t>(kKept)) copies_.pop_front();
  }
  ++frame_;
}

bool WorldCopies::Back(TWorld& world) {
  if (copies_.empty()) return false;
  std::size_t chosen = 0;
  for (std::size_t i = copies_.size(); i-- > 0;) {
    if (copies_[i].frame <= frame_ - kBack) {
      chosen = i;
      break;
    }
  }
  world = copies_[chosen].world;
  frame_ = copies_[chosen].frame;
  copies_.resize(chosen + 1);
  // The copy is the world as it stands now; the next frame copies it again
  // at this same time, which changes nothing.
  copies_.pop_back();
  return true;
}

}  // namespace raketa
