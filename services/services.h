// What the game may ask of the machine: the drawing surface and its canvas,
// the command line, the key poll, sound cues, file dialogs, the window, and
// its folders and files.
// The game logic reaches the screen, sound and keys only through these; the
// live backend serves them with SDL2, the replay backend headless, the web
// backend through the browser page.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "services/cues.h"
#include "services/game_files.h"
#include "services/keys.h"
#include "services/pictures.h"
#include "services/speech.h"

namespace raketa {

class CommandLine;
class KeyPoll;

// Colours are 0x00BBGGRR values.
namespace colour {
constexpr std::uint32_t Black = 0x000000;
constexpr std::uint32_t Red = 0x0000FF;
constexpr std::uint32_t Green = 0x00FF00;
constexpr std::uint32_t Yellow = 0x00FFFF;
constexpr std::uint32_t Aqua = 0xFFFF00;
constexpr std::uint32_t NearWhite = 0xF0FBFF;
}  // namespace colour

enum class BrushStyle { Solid, Clear };

// Drawing context on the back surface.  Text is code page 1250, in the
// game's one typeface; only its size and colour are chosen.
class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void SetBrushStyle(BrushStyle style) = 0;
  virtual void SetBrushColour(std::uint32_t bgr) = 0;
  virtual void SetFontSize(int points) = 0;
  virtual void SetFontColour(std::uint32_t bgr) = 0;
  // Top-left of the text at (x, y); with a clear brush only glyphs are drawn.
  virtual void TextOut(int x, int y, std::string_view text) = 0;
  // Width of the text in the current font: the sum of its glyphs' advances.
  virtual int TextWidth(std::string_view text) = 0;
  // Filled with the brush, one-pixel black outline; right and bottom exclusive.
  virtual void Rectangle(int left, int top, int right, int bottom) = 0;
};

// The 1024 x 768 back surface, which keeps its contents between frames.
class Display {
 public:
  virtual ~Display() = default;
  virtual bool CanDraw() = 0;
  virtual void DrawPicture(Picture index, int x, int y) = 0;
  virtual Canvas& GetCanvas() = 0;
  virtual void ReleaseCanvas() = 0;
  // Copies the whole back surface to the screen; does not clear it.
  virtual void Present() = 0;
};

class SoundCues {
 public:
  virtual ~SoundCues() = default;
  // Looped cues restart from the beginning; one-shot cues overlap.
  virtual void Play(Cue cue) = 0;
  // Silences every voice of the cue.
  virtual void Stop(Cue cue) = 0;
};

// The modal file dialogs load and Save.  While one is open no frame runs.
class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // True when the player chose a file; `path` then holds it.
  virtual bool ExecuteLoad(std::string& path) = 0;
  virtual bool ExecuteSave(std::string& path) = 0;
};

class Application {
 public:
  virtual ~Application() = default;
  // Close of the main window: the program ends once the frame is over.
  virtual void Close() = 0;
  virtual bool Closing() const = 0;
  // The modal error box for a failed file operation (message already ends
  // with its full stop).  Returns when the player dismissed it.
  virtual void ShowError(const std::string& message) = 0;
};

struct Services {
  Display& display;
  CommandLine& edit;
  KeyPoll& keys;
  SoundCues& sound;
  FileDialogs& dialogs;
  Application& app;
  // The game's folders and files.
  GameFiles& files;
  // Speech, where the backend offers it (nothing is said without).
  Speech* speech = nullptr;
};

}  // namespace raketa
