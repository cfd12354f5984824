#include "presentation/replay/replay_runner.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "presentation/render/pixel_hash.h"
#include "presentation/replay/headless_services.h"
#include "presentation/replay/recording_speech.h"
#include "services/cp1250.h"
#include "services/game_clock.h"
#include "services/game_seat.h"
#include "services/screen_layout.h"

namespace raketa {

namespace {

void BlankScreen(Display& d) {
  Canvas& c = d.GetCanvas();
  c.SetBrushStyle(BrushStyle::Solid);
  c.SetBrushColour(0x000000);
  c.Rectangle(0, 0, screen::kWidth, screen::kHeight);
  d.ReleaseCanvas();
  d.Present();
}

// The game and its headless services, with the trace hooks in place.
class ReplaySession {
 public:
  ReplaySession(ReplayScreen* screen, std::ostream& out, const ReplayOptions& options, long firstFrame = 0)
      : frame_(firstFrame),
        screen_(screen),
        display_(screen != nullptr ? &screen->display() : nullptr),
        headless_(display_, options.folders, &out),
        trace_(headless_.trace),
        edit_(headless_.edit),
        keys_(headless_.keys),
        dialogs_(headless_.dialogs),
        app_(headless_.app),
        speech_(trace_),
        game_(MakeSeatedGame(WithSpeech(headless_.services, speech_), options.game, options.speak)) {
    trace_.SetFrame(frame_);
    // A long replay keeps no logs; the trace says it all.
    display_.logging = false;
    headless_.sound.keepCalls = false;
    edit_.OnTextChange = [this] { trace_.Event("text " + Quoted(Cp1250ToUtf8(edit_.GetText()))); };
    edit_.OnColourChange = [this] {
      char buf[32];
      std::snprintf(buf, sizeof buf, "colour %06X", edit_.FontColour() & 0xFFFFFFu);
      trace_.Event(buf);
    };
    edit_.OnMove = [this] { trace_.Event("edit " + std::to_string(edit_.Top()) + " " + std::to_string(edit_.Left())); };
  }

  void Start() {
    game_->Start();
    NoteWorld();
  }

  bool Closed() const { return app_.Closing(); }
  long Frames() const { return frame_; }

  void Wait(long periods) {
    for (long i = 0; i < periods && !Closed(); ++i) {
      if (focused_) {
        ++frame_;
        trace_.SetFrame(frame_);
        speech_.Tick();
        const std::string step = game_->StepName();
        if (!haveStep_ || step != lastStep_) {
          trace_.Event("state " + step);
          lastStep_ = step;
          haveStep_ = true;
        }
        game_->Frame();
        NoteWorld();
        if (Closed()) break;
      }
      for (int t = 0; t < game_clock::kPanelTicksPerFrame; ++t) game_->PanelTick();
    }
  }

  void Type(const std::string& utf8) {
    for (char c : Utf8ToCp1250(utf8)) edit_.TypeChar(static_cast<unsigned char>(c));
  }

  // Backspace edits the line, and the game-over screen polls it too.
  void Key(int code) {
    edit_.EditWithKey(code);
    keys_.Press(code);
    keys_.Release(code);
  }

  void Hold(int code) {
    edit_.EditWithKey(code);
    keys_.Press(code);
  }

  // The player leaves without the game's keys, as the live window does on
  // its close button or a signal: the window closes, then the game is kept.
  void Leave(const std::string& how) {
    trace_.Event("leave " + how);
    app_.Close();
    const std::string failed = game_->KeepForLater();
    if (!failed.empty()) trace_.Event("error " + Quoted(failed));
  }

  void Release(int code) { keys_.Release(code); }

  void Dialog(const ReplayDirective& d) {
    if (d.flag) {
      dialogs_.answers.push_back(std::nullopt);
    } else {
      dialogs_.answers.push_back(d.text);
    }
  }

  void Focus(bool on) { focused_ = on; }

  void Dump(const std::string& path) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    const std::string world = game_->WorldBytes();
    f.write(world.data(), static_cast<std::streamsize>(world.size()));
    if (!f) throw std::runtime_error("cannot write " + path);
  }

  void Screenshot(const std::string& path) {
    if (screen_ == nullptr) throw std::runtime_error("screenshots need the rendering backend");
    trace_.Event("screenshot " + path + " " + HashHex(screen_->Screenshot(path, edit_)));
  }

 private:
  // Room and phase changes, noted after everything that may change them.
  void NoteWorld() {
    if (game_->Room() != lastRoom_) {
      lastRoom_ = game_->Room();
      trace_.Event("room " + std::to_string(lastRoom_));
    }
    if (game_->Phase() != lastExt_) {
      lastExt_ = game_->Phase();
      if (!lastExt_.empty()) trace_.Event("phase " + lastExt_);
    }
  }

  static Services& WithSpeech(Services& services, Speech& speech) {
    services.speech = &speech;
    return services;
  }

  long frame_ = 0;
  ReplayScreen* screen_;
  RecordingDisplay display_;
  HeadlessServices headless_;
  Trace& trace_;
  CommandLine& edit_;
  KeyPoll& keys_;
  ScriptedDialogs& dialogs_;
  RecordingApp& app_;
  RecordingSpeech speech_;
  std::unique_ptr<GameRunner> game_;

  bool focused_ = true;
  bool haveStep_ = false;
  std::string lastStep_;
  int lastRoom_ = 0;
  std::string lastExt_;
};

}  // namespace

ReplayResult RunReplay(const std::vector<ReplayDirective>& script, ReplayScreen* screen, std::ostream& out,
                       std::ostream& err, const ReplayOptions& options) {
  ReplayResult result;
  auto current = std::make_unique<ReplaySession>(screen, out, options);
  current->Start();
  for (const ReplayDirective& d : script) {
    ReplaySession& session = *current;
    try {
      bool closed = session.Closed();
      switch (d.kind) {
        case ReplayDirective::Wait: if (!closed) session.Wait(d.count); break;
        case ReplayDirective::Type: if (!closed) session.Type(d.text); break;
        case ReplayDirective::Key: if (!closed) session.Key(d.key); break;
        case ReplayDirective::Hold: if (!closed) session.Hold(d.key); break;
        case ReplayDirective::Release: if (!closed) session.Release(d.key); break;
        case ReplayDirective::Dialog: if (!closed) session.Dialog(d); break;
        case ReplayDirective::Focus: if (!closed) session.Focus(d.flag); break;
        case ReplayDirective::Screenshot: session.Screenshot(d.text); break;
        case ReplayDirective::Dump: session.Dump(d.text); break;
        case ReplayDirective::Leave: if (!closed) session.Leave(d.text); break;
        case ReplayDirective::Restart: {
          // The program started again in the same folders, on a blank
          // screen; the frames count on.
          const long frames = session.Frames();
          current.reset();
          if (screen != nullptr) BlankScreen(screen->display());
          Trace note(&out);
          note.SetFrame(frames);
          note.Event("restart");
          current = std::make_unique<ReplaySession>(screen, out, options, frames);
          current->Start();
          break;
        }
      }
    } catch (const std::exception& e) {
      err << "replay: line " << d.line << ": " << e.what() << "\n";
      result.exitCode = 1;
      break;
    }
  }
  result.frames = current->Frames();
  result.closed = current->Closed();
  out.flush();
  return result;
}

int RunReplayFile(const std::string& path, ReplayScreen* screen, std::ostream& out, std::ostream& err,
                  const ReplayOptions& options) {
  // A folder opens and reads as nothing, and a device never ends: neither
  // is a script.  A pipe is one (a script made on the fly).
  std::error_code ec;
  const auto type = std::filesystem::status(path, ec).type();
  if (type == std::filesystem::file_type::directory || type == std::filesystem::file_type::character ||
      type == std::filesystem::file_type::block || type == std::filesystem::file_type::socket) {
    err << "replay: " << path << " is not a script file\n";
    return 2;
  }
  std::ifstream in(path);
  if (!in) {
    err << "replay: cannot open script " << path << "\n";
    return 2;
  }
  std::vector<ReplayDirective> script;
  try {
    script = ParseReplayScript(in);
  } catch (const ReplayScriptError& e) {
    err << "replay: " << path << ": " << e.what() << "\n";
    return 2;
  }
  return RunReplay(script, screen, out, err, options).exitCode;
}

}  // namespace raketa
