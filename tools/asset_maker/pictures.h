// The four pictures of the game, painted from code.
#pragma once

#include "canvas.h"

namespace assets {

// Play-screen background, 1024 x 768.
Canvas PaintPozadi();
// Oxygen bottle, 42 x 93, on the patch of background it is drawn over.
Canvas PaintKyslik(const Canvas& pozadi);
// Title picture, 1024 x 768.
Canvas PaintDosedka();
// Departure picture, 1024 x 768.
Canvas PaintOdlet();

}  // namespace assets
