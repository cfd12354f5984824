// The game's window and the way its 1024 x 768 picture reaches it.  Without a
// graphics processor (the usual case for this game's machines) the picture
// is written straight into the window's own surface, which costs little; an
// accelerated renderer is used only where a real one exists.  A window larger
// than the picture shows it scaled to fit, centred between black bars.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "presentation/render/kept_picture.h"
#include "presentation/render/raster565.h"
#include "services/screen_layout.h"

namespace raketa {

class WindowOutput : public PictureSink {
 public:
  static constexpr int kWidth = screen::kWidth;
  static constexpr int kHeight = screen::kHeight;

  // Full screen on the desktop's own mode, or a resizable 1024 x 768 window.  Throws
  // std::runtime_error when no window can be made.
  static std::unique_ptr<WindowOutput> Open(bool windowed);
  ~WindowOutput() override;
  WindowOutput(const WindowOutput&) = delete;
  WindowOutput& operator=(const WindowOutput&) = delete;

  SDL_Window* Window() const { return window_; }
  // "window surface" or the renderer's name.
  const std::string& Path() const { return path_; }

  // Between full screen and a resizable 1024 x 768 window; the picture
  // follows with the next ShowAll.
  void ToggleFullScreen();
  bool FullScreen() const { return !windowed_; }

  // Shows the given rows of a 1024 x 768 RGB565 picture.
  void Show(const std::uint16_t* rgb565, RowRange rows) override;
  // The window lost its contents or changed its size: everything again.
  void ShowAll(const std::uint16_t* rgb565) override;

 private:
  WindowOutput() = default;
  bool TryRenderer(bool forced);
  bool Layout();
  void ShowOnSurface(const std::uint16_t* rgb565, RowRange rows, bool all);
  void ShowWithRenderer(const std::uint16_t* rgb565, RowRange rows);

  SDL_Window* window_ = nullptr;
  bool windowed_ = false;
  std::string path_;

  // Renderer path.
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;

  // Window surface path: where the picture lies in the window and, when it
  // is scaled, the two picture columns (rows) each window pixel blends and
  // the weight of the second, out of 256.
  struct Tap {
    int first;
    int second;
    std::uint32_t weight;
  };
  SDL_Surface* surface_ = nullptr;
  SDL_Surface* staging_ = nullptr;  // when the window's pixels are not 32-bit XRGB
  int outW_ = 0, outH_ = 0, offX_ = 0, offY_ = 0;
  std::vector<Tap> srcX_, srcY_;
  static std::vector<Tap> Taps(int out, int in);
};

}  // namespace raketa
