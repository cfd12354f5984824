// Headless services for the replay mode and the tests: every drawing call,
// cue, dialog and error is recorded, and optionally drawn on a real software
// surface too.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "presentation/replay/trace.h"
#include "services/services.h"

namespace raketa {

struct DrawOp {
  enum Kind { Picture, Text, Rect, Present } kind = Text;
  int x = 0, y = 0, right = 0, bottom = 0;
  std::string text;  // code page 1250
  std::uint32_t fontColour = 0;
  std::uint32_t brushColour = 0;
  BrushStyle brush = BrushStyle::Clear;
  int fontSize = 0;
  raketa::Picture picture = raketa::Picture::pozadi;
};

// Logs the canvas calls (while logging is on) and forwards them to an inner
// display, if there is one.
class RecordingDisplay : public Display, public Canvas {
 public:
  explicit RecordingDisplay(Display* inner = nullptr) : inner_(inner) {}

  bool CanDraw() override { return canDraw; }
  void DrawPicture(raketa::Picture index, int x, int y) override;
  Canvas& GetCanvas() override;
  void ReleaseCanvas() override;
  void Present() override;

  void SetBrushStyle(BrushStyle style) override;
  void SetBrushColour(std::uint32_t bgr) override;
  void SetFontSize(int points) override;
  void SetFontColour(std::uint32_t bgr) override;
  void TextOut(int x, int y, std::string_view text) override;
  // The inner display's measure; without one every character is taken as
  // one 10-pixel narration cell wide.
  int TextWidth(std::string_view text) override;
  void Rectangle(int left, int top, int right, int bottom) override;

  bool canDraw = true;
  bool logging = true;
  std::vector<DrawOp> ops;
  int canvasDepth = 0;  // obtained and not yet released
  long presents = 0;

 private:
  Display* inner_;
  Canvas* innerCanvas_ = nullptr;
  BrushStyle brush_ = BrushStyle::Clear;
  std::uint32_t brushColour_ = 0;
  std::uint32_t fontColour_ = 0;
  int fontSize_ = 0;
};

// Every call is kept (while keeping is on); the trace gets every `play` and
// only the `stop` of a cue that was sounding, so that the game's habit of
// stopping idle cues on every frame leaves no lines.  A looped cue sounds
// from its play until its stop; a one-shot cue for its length from the frame
// it was played in (frames of 40 ms, the trace's own clock).
class RecordingSound : public SoundCues {
 public:
  explicit RecordingSound(Trace& trace) : trace_(trace) {}
  void Play(Cue cue) override;
  void Stop(Cue cue) override;
  // Whether the cue is sounding now, by the model above.
  bool Sounding(Cue cue) const;
  struct Call {
    bool play;
    Cue cue;
    bool operator==(const Call&) const = default;
  };
  std::vector<Call> calls;
  bool keepCalls = true;

 private:
  Trace& trace_;
  // The frame each cue was last played in; none once it was stopped.
  static constexpr long kSilent = -1;
  std::array<long, kCueCount> playedIn_ = [] {
    std::array<long, kCueCount> a{};
    a.fill(kSilent);
    return a;
  }();
};

// Dialog answers prepared in advance: a path, or cancel.  A dialog with no
// answer ready is cancelled.
class ScriptedDialogs : public FileDialogs {
 public:
  // A save's name is given as the save dialog gives it in the save folder
  // of `folders`.
  ScriptedDialogs(Trace& trace, const GameFolders& folders) : trace_(trace), folders_(folders) {}
  bool ExecuteLoad(std::string& path) override { return Answer("load", path); }
  bool ExecuteSave(std::string& path) override { return Answer("save", path); }
  std::deque<std::optional<std::string>> answers;  // UTF-8 names
  int opened = 0;

 private:
  bool Answer(const char* kind, std::string& path);
  Trace& trace_;
  const GameFolders& folders_;
};

class RecordingApp : public Application {
 public:
  explicit RecordingApp(Trace& trace) : trace_(trace) {}
  void Close() override;
  bool Closing() const override { return closing_; }
  void ShowError(const std::string& message) override;
  std::vector<std::string> errors;  // code page 1250

 private:
  Trace& trace_;
  bool closing_ = false;
};

}  // namespace raketa
