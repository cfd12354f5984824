// The sixteen sound cues, synthesised. Each maker returns the finished
// sound at its cue's exact rate, width, channel count and length.
#pragma once

#include <functional>
#include <vector>

#include "wav_file.h"

namespace assets {

// Loops: whole periods, noise wrapped over the seam.
Sound MakePozadi();      // hum inside the rocket, stereo
Sound MakeDychani();     // breathing inside the helmet
Sound MakeVenku();       // wind outside
Sound MakeUnikPaliva();  // fuel leaking with a hiss
Sound MakeSirena();      // the alarm siren, 11025 Hz 8-bit

// Steps on the deck.
Sound MakeKroky();
Sound MakeRychle();

// Signals of the interface.
Sound MakeKlik();
Sound MakeRadek();
Sound MakeOk();
Sound MakeChyba();
Sound MakeMrtvy();
Sound MakeLogo();  // stereo

// Machinery.
Sound MakeZavrene();
Sound MakeDopln();
Sound MakeVentil();

struct CueRecipe {
  const char* file;  // file name without .wav
  std::function<Sound()> make;
};
// In the order of the game's cue list.
const std::vector<CueRecipe>& CueRecipes();

// A silent mono or stereo sound of the given length.
Sound Blank(double seconds, int channels = 1, int rate = 22050, int bits = 16);

}  // namespace assets
