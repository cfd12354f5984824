// Start-up, the loop with the two timers (or the test's clock), and the end.
#include "presentation/web/web_backend.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

#include "presentation/boxes/box_application.h"
#include "presentation/boxes/file_dialogs.h"
#include "presentation/boxes/speech_setting.h"
#include "presentation/boxes/typed_text.h"
#include "presentation/web/key_delivery.h"
#include "presentation/render/font_set.h"
#include "presentation/render/kept_picture.h"
#include "presentation/render/screen_memory.h"
#include "presentation/render/software_surface.h"
#include "presentation/render/stopped_picture.h"
#include "presentation/web/canvas_output.h"
#include "presentation/web/field_edit.h"
#include "presentation/web/field_mirror.h"
#include "presentation/web/save_folder_watch.h"
#include "presentation/web/tick_schedule.h"
#include "services/game_clock.h"
#include "presentation/web/web_boxes.h"
#include "presentation/web/web_input.h"
#include "presentation/web/web_sound.h"
#include "presentation/web/web_speech.h"
#include "services/catalogue.h"
#include "services/host_files.h"
#include "services/save_names.h"
#include "services/command_line.h"
#include "services/game_folders.h"
#include "services/game_seat.h"
#include "services/key_poll.h"

// The page's hooks (page_hooks.js).
EM_JS(int, raketa_manual_clock, (), { return Module.raketaManual ? 1 : 0; });

EM_JS(int, raketa_take_periods, (), { return Module.raketaHooks.takePeriods(); });

EM_JS(void, raketa_periods_run, (), { Module.raketaHooks.periodsRun(); });

EM_JS(void, raketa_first_frame_shown, (), { Module.raketaHooks.firstFrameShown(); });

EM_JS(void, raketa_game_over, (), { Module.raketaHooks.gameOver(); });

// The page lists the saved games and keeps the running one by the game's
// own names (page.js, keep_game.js).
EM_JS(void, raketa_save_names, (const char* suffix, const char* kept), {
  Module.raketaSaveSuffix = UTF8ToString(suffix);
  Module.raketaKeptGame = UTF8ToString(kept);
});

// The page's buttons name what Esc does now (page_controls.js).
EM_JS(void, raketa_step_shown, (const char* step), { Module.raketaControls.step(UTF8ToString(step)); });

// Sleeps until `due` (the page's clock, ms) or the next key, typing or tap,
// whichever comes first, on the browser's own timer; a hidden tab's timers
// are slowed by the browser.  (The key itself waits in the input queue.)
// Not on animation frames: asked for 25 times a second, they keep
// Chromium's compositor producing frames, 4 % of a core here, for a canvas
// that changes about once in five seconds while the player reads.
// With `idle`, the browser's next idle time wakes the page too, once it has
// shown what the game put on the canvas: then it returns 1, else 0.
EM_ASYNC_JS(int, raketa_wait_until, (double due, int idle), {
  return await new Promise((wake) => {
    let woken = false;
    let timer = 0;
    let idleAsk = 0;
    // Keys, and the text field's typing and the game's buttons on a phone.
    const events = ["keydown", "input", "click"];
    const end = (why) => {
      if (woken) return;
      woken = true;
      for (const e of events) document.removeEventListener(e, onTime, true);
      clearTimeout(timer);
      if (idleAsk) cancelIdleCallback(idleAsk);
      wake(why);
    };
    const onTime = () => end(0);
    for (const e of events) document.addEventListener(e, onTime, true);
    // Whole milliseconds, rounded up: a timer cut short to the millisecond
    // below would wake the page before anything is due, a wasted wake-up.
    timer = setTimeout(onTime, Math.max(0, Math.ceil(due - performance.now())));
    if (!idle) return;
    if (typeof requestIdleCallback === "function") {
      idleAsk = requestIdleCallback(() => end(1));
    } else {
      // No idle callbacks (Safari): the task after the next frame.
      requestAnimationFrame(() => setTimeout(() => end(1), 0));
    }
  });
});

namespace raketa {

namespace {

// The game the page's going keeps (keep_game.js).
GameRunner* running = nullptr;
void KeepForLater();

// The page's three pictures (the back surface, the presented picture, the
// picture with the command line) in static memory, black before the
// program starts (ScreenMemory); the page runs one game.
std::uint16_t backPicture[ScreenMemory::kPixels];
std::uint16_t presentedPicture[ScreenMemory::kPixels];
std::uint16_t shownPicture[ScreenMemory::kPixels];

constexpr const char* kCanvas = "#hra-platno";
constexpr const char* kField = "#prikaz";  // the command line's text field for touch screens
constexpr int kIdleMs = 10;  // the test's clock: how often the loop looks for work

class WebGame {
 public:
  WebGame(FontSet& fonts, const Catalogue& catalogue, const WebOptions& opts)
      : catalogue_(catalogue),
        surface_(catalogue, fonts, ScreenMemory(backPicture), ScreenMemory(presentedPicture)),
        screen_(canvas_, surface_, edit_, fonts, ScreenMemory(shownPicture)),
        input_(kCanvas, kField),
        sound_(catalogue),
        boxes_(screen_, input_, [this](const PageEvent& e) { Handle(e); }),
        app_(boxes_),
        files_(opts.folders),
        dialogs_(boxes_, app_, files_),
        services_{surface_, edit_, keys_, sound_, dialogs_, app_, files_, &speech_},
        game_(MakeSeatedGame(services_, opts.game, ReadSpeechSetting(SettingsFile(opts.folders)).value_or(false))),
        saves_(opts.folders.saves) {
    surface_.OnPresent = [this] { screen_.NotePresent(); };
    speech_.settings = SettingsFile(opts.folders);
    speech_.OnSettingWritten = [this] { saves_.Look(); };
    boxes_.OnClosed = [this] {
      saves_.Look();
      field_.Forget();
    };
    ConnectPageText();
    // What lies outside the save folder is gone after a reload.
    dialogs_.KeepInside(opts.folders.saves);
    raketa_save_names(std::string(kSaveSuffix).c_str(), SaveHostPath(kKeptGameName, opts.folders.saves).c_str());
    running = game_.get();
  }
  ~WebGame() { running = nullptr; }

  void Run() {
    focused_ = WebInput::GameHasFocus();
    visible_ = WebInput::PageVisible();
    surface_.SetCanDraw(visible_);
    // The canvas starts black, as the picture does (canvas_output.cpp):
    // only what differs goes on it.
    screen_.Refresh();
    game_->Start();
    if (raketa_manual_clock()) {
      RunOnTestClock();
    } else {
      RunOnPageClock();
    }
    KeepForLater();
    game_->Finish();
    saves_.Look();
  }

 private:
  bool Framing() const { return focused_ && visible_ && game_->FramesRun(); }

  // Woken when the frame is due (tick_schedule.h) or a key came, the loop
  // runs every panel tick and frame that fell due since the last wake-up; a
  // frame that changed nothing on the screen puts nothing on the canvas.
  // While the game is quiet (nothing changed on the screen and nothing came
  // from the player since the last wake-up) it sleeps for four frames.
  void RunOnPageClock() {
    TickSchedule clock(emscripten_get_now());
    bool shown = false;
    while (!app_.Closing()) {
      screen_.Refresh();
      const bool quiet = !canvas_.TakeChanged() && !stirred_ && shown;
      stirred_ = false;
      ShowPageText();
      // The first frame, due at once, runs without first giving the browser
      // its turn, which would put the page's own start-up work before it.
      const double wake = clock.WakeAt(Framing(), quiet);
      if (shown) {
        SleepUntil(wake);
      } else if (wake > emscripten_get_now()) {
        raketa_wait_until(wake, 0);
      }
      TakeEvents();
      const double now = emscripten_get_now();
      for (TickSchedule::Due due; !app_.Closing() && (due = clock.Take(now, Framing())) != TickSchedule::Due::Nothing;) {
        if (due == TickSchedule::Due::Panel) {
          game_->PanelTick();
          continue;
        }
        Frame();
        if (!shown) {
          screen_.Refresh();
          raketa_first_frame_shown();
          shown = true;
        }
      }
    }
  }

  // No timer runs by itself: the page asks for whole frame periods, run
  // as a replay's "wait" runs them, so a test sees the same pictures.
  void RunOnTestClock() {
    screen_.Refresh();
    raketa_first_frame_shown();
    while (!app_.Closing()) {
      TakeEvents();
      const int periods = raketa_take_periods();
      for (int i = 0; i < periods && !app_.Closing(); ++i) {
        if (focused_) Frame();
        if (app_.Closing()) break;
        for (int t = 0; t < game_clock::kPanelTicksPerFrame; ++t) game_->PanelTick();
      }
      screen_.Refresh();
      ShowPageText();
      if (periods > 0) raketa_periods_run();
      DecodeAhead();
      emscripten_sleep(kIdleMs);
    }
  }

  // The intro draws no picture: the pictures are decoded while it shows, one
  // per wake-up, and not before the first frame.
  void DecodeAhead() {
    if (decodingAhead_) decodingAhead_ = catalogue_.DecodeAhead();
  }

  // Until `wake` or a key.  A picture to decode ahead waits for the
  // browser's idle time on the way: decoded before the page slept (30 to
  // 70 ms here), it held back the frame the game had just put on the
  // canvas, the first frame too.
  void SleepUntil(double wake) {
    if (!decodingAhead_) {
      raketa_wait_until(wake, 0);
    } else if (raketa_wait_until(wake, 1) == 1) {
      DecodeAhead();
      raketa_wait_until(wake, 0);
    }
  }

  void Frame() {
    game_->Frame();
    // Saves happen on keys (F3, F6, F8): after those, see whether the save
    // folder changed.
    if (keyed_) {
      keyed_ = false;
      saves_.Look();
    }
  }

  void TakeEvents() {
    while (!app_.Closing()) {
      std::optional<PageEvent> e = input_.Next();
      if (!e) break;
      Handle(*e);
    }
  }

  void Handle(const PageEvent& e) {
    stirred_ = true;
    switch (e.kind) {
      case PageEvent::Kind::KeyDown:
        keyed_ = true;
        DeliverToGame(e.key, edit_, keys_);
        break;
      case PageEvent::Kind::KeyUp: keys_.Release(e.vk); break;
      case PageEvent::Kind::Paste:
        for (char c : PastedCp1250(e.text)) edit_.TypeChar(static_cast<unsigned char>(c));
        break;
      case PageEvent::Kind::Field:
        keyed_ = true;
        EditLine(edit_, e.edit);
        field_.Forget();  // the field shows the line as the game took it
        break;
      case PageEvent::Kind::Focus:
        focused_ = e.on;
        if (!focused_) keys_.ReleaseAll();
        ShowStopped(!focused_);
        break;
      case PageEvent::Kind::SavesChanged: break;  // the next dialog lists the folder anew
      case PageEvent::Kind::Visible:
        visible_ = e.on;
        if (!visible_) keys_.ReleaseAll();
        surface_.SetCanDraw(visible_);
        if (visible_) screen_.Redraw();
        break;
    }
  }

  // --- the page's text beside the canvas: the text field, the buttons ---

  // Dialogs tell screen readers what they show whether speech is on or not;
  // the text field is empty for the dialog's typing while one is open.
  void ConnectPageText() {
    // As the desktop's dialogs speak (BoxFileDialogs::SpeakThrough), and
    // to the page's live region with speech off too.
    dialogs_.SpeakThrough(speech_, [this] { return game_->SpeechOn(); });
    dialogs_.speak = [this, voice = dialogs_.speak](const std::string& utf8, bool cutOff) {
      speech_.Announce(utf8);
      voice(utf8, cutOff);
    };
    boxes_.OnOpened = [this] { field_.ShowEmpty(); };
  }

  // The text field follows the command line; the buttons follow the step.
  void ShowPageText() {
    field_.Show(edit_);
    const std::string step = game_->StepName();
    if (step != step_) {
      step_ = step;
      raketa_step_shown(step_.c_str());
    }
  }

  // Without the keyboard no frame runs; the player sees why.
  void ShowStopped(bool on) { stopped_.Show(screen_, on, game_->FramesRun()); }

  const Catalogue& catalogue_;
  bool decodingAhead_ = true;  // pictures are left to decode (DecodeAhead)
  SoftwareSurface surface_;
  CommandLine edit_;
  KeyPoll keys_;
  CanvasOutput canvas_;
  KeptPicture screen_;
  WebInput input_;
  WebSound sound_;
  WebSpeech speech_;
  WebBoxes boxes_;
  BoxApplication app_;
  HostFiles files_;
  BoxFileDialogs dialogs_;
  Services services_;
  std::unique_ptr<GameRunner> game_;
  SaveFolderWatch saves_;
  FieldMirror field_;
  std::string step_;
  bool focused_ = false;
  bool visible_ = true;
  bool keyed_ = false;
  bool stirred_ = false;  // an event came since the page last slept
  StoppedNotice stopped_;
};

// The page is going (closed, reloaded, hidden): the running game is kept in
// the save folder; the page then writes the folder to IndexedDB.
void KeepForLater() {
  if (running == nullptr) return;
  const std::string failed = running->KeepForLater();
  if (!failed.empty()) std::fprintf(stderr, "raketa: the game could not be kept: %s\n", failed.c_str());
}

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void raketa_web_keep() { KeepForLater(); }

int RunWeb(const WebOptions& opts) {
  std::unique_ptr<FontSet> fonts;
  std::unique_ptr<Catalogue> catalogue;
  try {
    fonts = FontSet::Open();
    catalogue = std::make_unique<Catalogue>(Catalogue::Check());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "raketa: %s\n", e.what());
    return 1;
  }
  {
    WebGame game(*fonts, *catalogue, opts);
    game.Run();
  }
  raketa_game_over();
  return 0;
}

}  // namespace raketa
