// Start-up, the event loop with the two timers, and shut-down.
#include "presentation/live/live_backend.h"

#include <SDL.h>

#include <signal.h>
#include <unistd.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <chrono>
#include <csignal>
#include <cstdio>
#include <future>
#include <memory>
#include <stdexcept>
#include <string>

#include "presentation/boxes/box_application.h"
#include "presentation/boxes/file_dialogs.h"
#include "presentation/boxes/speech_setting.h"
#include "presentation/boxes/typed_text.h"
#include "services/catalogue.h"
#include "services/command_line.h"
#include "services/game_clock.h"
#include "services/game_seat.h"
#include "services/host_files.h"
#include "services/key_poll.h"
#include "presentation/live/display_check.h"
#include "presentation/live/key_input.h"
#include "presentation/live/live_boxes.h"
#include "presentation/live/live_screen.h"
#include "presentation/live/live_speech.h"
#include "presentation/live/mixer_sound.h"
#include "presentation/live/window_keys.h"
#include "presentation/live/window_output.h"
#include "presentation/render/font_set.h"
#include "presentation/render/software_surface.h"
#include "presentation/render/stopped_picture.h"

namespace raketa {

namespace {

constexpr Uint64 kFrameMs = game_clock::kFrameMs;  // the frame procedure, at most this often
constexpr Uint64 kPanelMs = game_clock::kPanelMs;  // the panel procedure

// SDL for as long as the game runs.
struct SdlSession {
  bool ok;
  SdlSession() : ok(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) == 0) {}
  // Sound is welcome but not needed: without a device the game is silent.
  void StartSound() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) std::fprintf(stderr, "raketa: no sound (%s)\n", SDL_GetError());
  }
  ~SdlSession() {
    if (ok) SDL_Quit();
  }
};

// SDL turns SIGINT and SIGTERM into a request to quit, as the window's close
// button is; a hang-up (the terminal closed) is made the same.
void OnHangUp(int) { kill(getpid(), SIGTERM); }

// The game with its services, running in the window.
class LiveGame {
 public:
  LiveGame(WindowOutput& output, FontSet& fonts, const Catalogue& catalogue, const LiveOptions& opts)
      : surface_(catalogue, fonts),
        screen_(output, surface_, edit_, fonts),
        sound_(catalogue),
        speech_(SettingsFile(opts.folders)),
        boxes_(screen_, keys_),
        app_(boxes_),
        files_(opts.folders),
        dialogs_(boxes_, app_, files_),
        services_{surface_, edit_, keys_, sound_, dialogs_, app_, files_, &speech_},
        // --speak, or the choice the player made last time with F8.
        game_(MakeSeatedGame(services_, opts.game,
                             opts.speak || ReadSpeechSetting(SettingsFile(opts.folders)).value_or(false))),
        window_(output.Window()) {
    surface_.OnPresent = [this] { screen_.NotePresent(); };
    dialogs_.SpeakThrough(speech_, [this] { return game_->SpeechOn(); });
  }

  // With `started`, the time from then to the first frame on the screen is
  // reported on stderr.
  void Run(const std::chrono::steady_clock::time_point* started) {
    screen_.Redraw();
    game_->Start();
    const Uint32 flags = SDL_GetWindowFlags(window_);
    focused_ = (flags & SDL_WINDOW_INPUT_FOCUS) != 0;
    surface_.SetCanDraw((flags & (SDL_WINDOW_MINIMIZED | SDL_WINDOW_HIDDEN)) == 0);
    SDL_StartTextInput();
    Uint64 lastFrame = SDL_GetTicks64() - kFrameMs;
    Uint64 nextPanel = SDL_GetTicks64() + kPanelMs;
    while (!app_.Closing()) {
      screen_.Refresh();
      // Sleep until the next tick is due or an event arrives.
      Uint64 now = SDL_GetTicks64();
      Uint64 due = nextPanel;
      const bool framesRun = focused_ && game_->FramesRun();
      if (framesRun && lastFrame + kFrameMs < due) due = lastFrame + kFrameMs;
      SDL_Event e;
      const bool got = due > now ? SDL_WaitEventTimeout(&e, static_cast<int>(due - now)) : SDL_PollEvent(&e);
      if (got) {
        Handle(e);
        while (!app_.Closing() && SDL_PollEvent(&e)) Handle(e);
      }
      if (app_.Closing()) break;
      now = SDL_GetTicks64();
      if (now >= nextPanel) {
        game_->PanelTick();
        nextPanel += kPanelMs;
        if (nextPanel <= now) nextPanel = now + kPanelMs;  // no bursts after a stall
      }
      if (focused_ && game_->FramesRun() && now - lastFrame >= kFrameMs) {
        lastFrame = now;
        game_->Frame();
        if (started) {
          screen_.Refresh();
          const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - *started);
          std::fprintf(stderr, "raketa: first frame shown %lld ms after start-up began\n", static_cast<long long>(ms.count()));
          started = nullptr;
        }
      }
    }
    SDL_StopTextInput();
    // The close button or a signal: the running game is kept for the next
    // start (the game's own ways out keep it themselves).
    const std::string failed = game_->KeepForLater();
    if (!failed.empty()) std::fprintf(stderr, "raketa: the game could not be kept: %s\n", failed.c_str());
    game_->Finish();
  }

 private:
  void Handle(const SDL_Event& e) {
    switch (e.type) {
      case SDL_QUIT: app_.Close(); break;
      case SDL_KEYDOWN: Key(e.key); break;
      case SDL_KEYUP: KeyUp(e.key, keys_); break;
      case SDL_TEXTINPUT: TextInput(e.text.text, edit_); break;
      case SDL_WINDOWEVENT: Window(e); break;
      default: break;
    }
  }

  void Key(const SDL_KeyboardEvent& k) {
    switch (WindowKeyOf(k)) {
      case WindowKey::ToggleFullScreen:
        if (!k.repeat) screen_.ToggleFullScreen();
        return;
      case WindowKey::Paste:
        if (char* clip = SDL_GetClipboardText()) {
          for (char c : PastedCp1250(clip)) edit_.TypeChar(static_cast<unsigned char>(c));
          SDL_free(clip);
        }
        return;
      case WindowKey::None: KeyDown(k, edit_, keys_); return;
    }
  }

  void Window(const SDL_Event& e) {
    switch (e.window.event) {
      case SDL_WINDOWEVENT_FOCUS_GAINED:
        focused_ = true;
        ShowStopped(false);
        break;
      case SDL_WINDOWEVENT_FOCUS_LOST:
        focused_ = false;
        keys_.ReleaseAll();
        ShowStopped(true);
        break;
      case SDL_WINDOWEVENT_MINIMIZED:
      case SDL_WINDOWEVENT_HIDDEN: surface_.SetCanDraw(false); break;
      case SDL_WINDOWEVENT_RESTORED:
      case SDL_WINDOWEVENT_SHOWN:
      case SDL_WINDOWEVENT_MAXIMIZED: surface_.SetCanDraw(true); break;
      default: break;
    }
    screen_.HandleWindowEvent(e);
  }

  // Without the keyboard no frame runs; the player sees why.
  void ShowStopped(bool on) { stopped_.Show(screen_, on, game_->FramesRun()); }

  SoftwareSurface surface_;
  CommandLine edit_;
  KeyPoll keys_;
  LiveScreen screen_;
  MixerSound sound_;
  LiveSpeech speech_;  // after the sound: it plays through the mixer
  LiveBoxes boxes_;
  BoxApplication app_;
  HostFiles files_;
  BoxFileDialogs dialogs_;
  Services services_;
  std::unique_ptr<GameRunner> game_;
  SDL_Window* window_;
  bool focused_ = false;
  StoppedNotice stopped_;
};

// Every large block (a screen buffer, a picture, a decoder's working
// memory, a converted cue) gets pages of its own, which go back to the
// system when it is freed.  glibc would otherwise raise that threshold to
// the size of the first large block freed, after which the decoders' freed
// working memory stays in the process for good.
void LargeBlocksReturnWhenFreed() {
#if defined(__GLIBC__)
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}

}  // namespace

int RunLive(const LiveOptions& opts) {
  const auto started = std::chrono::steady_clock::now();
  LargeBlocksReturnWhenFreed();
  // RAKETA_VERBOSE=1 tells how the picture is drawn and how long start-up took.
  const bool verbose = SDL_getenv("RAKETA_VERBOSE") != nullptr;
  const char* requested = SDL_getenv("SDL_VIDEODRIVER");
  std::string noDisplay = MissingDisplay(SDL_getenv("DISPLAY"), SDL_getenv("WAYLAND_DISPLAY"),
                                         SDL_getenv("WAYLAND_SOCKET"), requested);
  if (!noDisplay.empty()) {
    std::fprintf(stderr, "raketa: %s\n", noDisplay.c_str());
    return 1;
  }
  // Decoding the pictures takes a good part of start-up; it needs nothing
  // from SDL, so it runs while SDL starts and the window opens.
  std::future<Catalogue> loading = std::async(std::launch::async, &Catalogue::Load);
  SdlSession sdl;
  if (!sdl.ok) {
    std::fprintf(stderr, "raketa: cannot open a display: %s\n", SDL_GetError());
    return 1;
  }
  noDisplay = InvisibleDriver(SDL_GetCurrentVideoDriver(), requested);
  if (!noDisplay.empty()) {
    std::fprintf(stderr, "raketa: %s\n", noDisplay.c_str());
    return 1;
  }
  sdl.StartSound();
  std::signal(SIGHUP, OnHangUp);
  std::unique_ptr<FontSet> fonts;
  try {
    fonts = FontSet::Open();
  } catch (const std::runtime_error& e) {
    std::fprintf(stderr, "raketa: %s\n", e.what());
    return 1;
  }
  std::unique_ptr<WindowOutput> output;
  try {
    output = WindowOutput::Open(opts.windowed);
  } catch (const std::runtime_error& e) {
    std::fprintf(stderr, "raketa: %s\n", e.what());
    return 1;
  }
  std::unique_ptr<Catalogue> catalogue;
  try {
    catalogue = std::make_unique<Catalogue>(loading.get());
  } catch (const AssetError& e) {
    std::fprintf(stderr, "raketa: a built-in picture or sound is damaged: %s\n", e.what());
    return 1;
  }
  SDL_ShowCursor(SDL_DISABLE);
  if (verbose) std::fprintf(stderr, "raketa: drawing through the %s\n", output->Path().c_str());
  {
    LiveGame game(*output, *fonts, *catalogue, opts);
    game.Run(verbose ? &started : nullptr);
  }
  output.reset();
  fonts.reset();
  return 0;
}

}  // namespace raketa
