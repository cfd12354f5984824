// A step that changes the world must not stop half-way because a file (a
// room text) failed: what it does to the world, the panels and the command
// line happens all the same, and the failure is reported afterwards, once.
#pragma once

#include <utility>

#include "world/files.h"

namespace raketa {

// Runs `step`, then `rest` whether or not `step` raised IoError; the error
// is raised again after `rest`.
template <class Step, class Rest>
void WholeStep(Step&& step, Rest&& rest) {
  try {
    std::forward<Step>(step)();
  } catch (const IoError&) {
    std::forward<Rest>(rest)();
    throw;
  }
  std::forward<Rest>(rest)();
}

}  // namespace raketa
