// Window creation, the choice of drawing path, and showing changed rows.
#include "presentation/live/window_output.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace raketa {

namespace {

// A direct rendering device node is the sign of a graphics processor; without
// one every renderer SDL could make draws on the processor, at a high price.
bool HasGraphicsDevice() {
  for (int n = 128; n < 136; ++n) {
    const std::string node = "/dev/dri/renderD" + std::to_string(n);
    if (::access(node.c_str(), F_OK) == 0) return true;
  }
  return false;
}

// The OpenGL implementation's own name, when the renderer uses OpenGL.
std::string GlRendererName() {
  using GetString = const unsigned char* (*)(unsigned int);
  auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  if (!getString) return {};
  const unsigned char* name = getString(0x1F01);  // GL_RENDERER
  return name ? reinterpret_cast<const char*>(name) : std::string();
}

bool IsSoftwareGl(const std::string& name) {
  for (const char* s : {"llvmpipe", "softpipe", "Software", "software", "swrast", "SVGA3D"}) {
    if (name.find(s) != std::string::npos) return true;
  }
  return false;
}

// A weighted mean of two 0x00RRGGBB pixels; `weight` (0..256) is b's share.
inline std::uint32_t Blend(std::uint32_t a, std::uint32_t b, std::uint32_t weight) {
  if (weight == 0) return a;
  const std::uint32_t keep = 256 - weight;
  const std::uint32_t redBlue = (((a & 0xFF00FF) * keep + (b & 0xFF00FF) * weight) >> 8) & 0xFF00FF;
  const std::uint32_t green = (((a & 0x00FF00) * keep + (b & 0x00FF00) * weight) >> 8) & 0x00FF00;
  return redBlue | green;
}

SDL_Window* MakeWindow(bool windowed) {
  if (windowed) {
    return SDL_CreateWindow("Raketa", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, WindowOutput::kWidth,
                            WindowOutput::kHeight, SDL_WINDOW_RESIZABLE);
  }
  // Full screen is made at the desktop's own size and place: without a
  // window manager nobody enlarges a smaller window, and SDL would draw for
  // the whole screen into a window that shows only part of it.
  SDL_Rect desk{0, 0, WindowOutput::kWidth, WindowOutput::kHeight};
  SDL_GetDisplayBounds(0, &desk);
  return SDL_CreateWindow("Raketa", desk.x, desk.y, desk.w, desk.h,
                          SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS);
}

}  // namespace

// Pixel centres of the window mapped onto the picture, for a smooth scale.
std::vector<WindowOutput::Tap> WindowOutput::Taps(int out, int in) {
  std::vector<Tap> taps(out);
  for (int i = 0; i < out; ++i) {
    const double at = std::clamp((i + 0.5) * in / out - 0.5, 0.0, in - 1.0);
    const int first = static_cast<int>(at);
    const int second = std::min(first + 1, in - 1);
    taps[i] = Tap{first, second, static_cast<std::uint32_t>((at - first) * 256 + 0.5)};
    if (taps[i].weight >= 256) taps[i] = Tap{second, second, 0};
  }
  return taps;
}

std::unique_ptr<WindowOutput> WindowOutput::Open(bool windowed) {
  std::unique_ptr<WindowOutput> out(new WindowOutput);
  out->windowed_ = windowed;
  // RAKETA_RENDERER=surface or =renderer overrides the choice.
  const char* env = std::getenv("RAKETA_RENDERER");
  const std::string choice = env ? env : "";
  const bool forced = choice == "renderer";
  const bool tryRenderer = forced || (choice != "surface" && HasGraphicsDevice());

  out->window_ = MakeWindow(windowed);
  if (!out->window_) throw std::runtime_error(std::string("cannot open the game window: ") + SDL_GetError());
  if (tryRenderer) {
    if (out->TryRenderer(forced)) return out;
    // The failed attempt may have bound the window to OpenGL: start afresh.
    SDL_DestroyWindow(out->window_);
    out->window_ = MakeWindow(windowed);
    if (!out->window_) throw std::runtime_error(std::string("cannot open the game window: ") + SDL_GetError());
  }
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  out->path_ = "window surface";
  if (!out->Layout()) throw std::runtime_error(std::string("cannot draw in the game window: ") + SDL_GetError());
  return out;
}

WindowOutput::~WindowOutput() {
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (staging_) SDL_FreeSurface(staging_);
  if (window_) SDL_DestroyWindow(window_);
}

void WindowOutput::ToggleFullScreen() {
  windowed_ = !windowed_;
  if (windowed_) {
    SDL_SetWindowFullscreen(window_, 0);
    SDL_SetWindowBordered(window_, SDL_TRUE);
    SDL_SetWindowResizable(window_, SDL_TRUE);
    SDL_SetWindowSize(window_, kWidth, kHeight);
    SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  } else {
    SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
  }
}

bool WindowOutput::TryRenderer(bool forced) {
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
  if (!renderer_) return false;
  SDL_RendererInfo info{};
  SDL_GetRendererInfo(renderer_, &info);
  std::string name = info.name ? info.name : "";
  bool software = (info.flags & SDL_RENDERER_SOFTWARE) || name == "software";
  if (!software && name.rfind("opengl", 0) == 0) {
    const std::string gl = GlRendererName();
    if (IsSoftwareGl(gl)) software = true;
    if (!gl.empty()) name += " (" + gl + ")";
  }
  if (software && !forced) {
    SDL_DestroyRenderer(renderer_);
    renderer_ = nullptr;
    return false;
  }
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, kWidth, kHeight);
  if (!texture_) {
    SDL_DestroyRenderer(renderer_);
    renderer_ = nullptr;
    return false;
  }
  SDL_RenderSetLogicalSize(renderer_, kWidth, kHeight);
  path_ = "renderer " + name;
  return true;
}

bool WindowOutput::Layout() {
  surface_ = SDL_GetWindowSurface(window_);
  if (!surface_) return false;
  const SDL_PixelFormat* f = surface_->format;
  const bool xrgb = f->BytesPerPixel == 4 && f->Rmask == 0xFF0000 && f->Gmask == 0xFF00 && f->Bmask == 0xFF;
  if (staging_ && (xrgb || staging_->w != surface_->w || staging_->h != surface_->h)) {
    SDL_FreeSurface(staging_);
    staging_ = nullptr;
  }
  if (!xrgb && !staging_) {
    staging_ = SDL_CreateRGBSurfaceWithFormat(0, surface_->w, surface_->h, 32, SDL_PIXELFORMAT_RGB888);
    if (!staging_) return false;
  }
  // The largest size of the picture's shape that fits, centred.
  const int w = surface_->w, h = surface_->h;
  if (static_cast<long>(w) * kHeight <= static_cast<long>(h) * kWidth) {
    outW_ = w;
    outH_ = static_cast<int>(static_cast<long>(w) * kHeight / kWidth);
  } else {
    outH_ = h;
    outW_ = static_cast<int>(static_cast<long>(h) * kWidth / kHeight);
  }
  offX_ = (w - outW_) / 2;
  offY_ = (h - outH_) / 2;
  srcX_ = Taps(outW_, kWidth);
  srcY_ = Taps(outH_, kHeight);
  return true;
}

void WindowOutput::Show(const std::uint16_t* rgb565, RowRange rows) {
  rows = RowRange{std::max(rows.first, 0), std::min(rows.last, kHeight)};
  if (rows.Empty()) return;
  if (renderer_) {
    ShowWithRenderer(rgb565, rows);
  } else {
    ShowOnSurface(rgb565, rows, false);
  }
}

void WindowOutput::ShowAll(const std::uint16_t* rgb565) {
  if (renderer_) {
    ShowWithRenderer(rgb565, RowRange{0, kHeight});
    return;
  }
  if (!Layout()) return;
  ShowOnSurface(rgb565, RowRange{0, kHeight}, true);
}

void WindowOutput::ShowOnSurface(const std::uint16_t* rgb565, RowRange rows, bool all) {
  SDL_Surface* target = staging_ ? staging_ : surface_;
  if (SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0) return;
  auto rowOf = [target](int y) {
    return reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(target->pixels) + y * target->pitch);
  };
  if (all) {
    for (int y = 0; y < target->h; ++y) std::fill(rowOf(y), rowOf(y) + target->w, 0u);
  }
  int first, last;  // window rows
  if (outW_ == kWidth && outH_ == kHeight) {
    first = rows.first;
    last = rows.last;
    for (int y = first; y < last; ++y) {
      const std::uint16_t* src = rgb565 + static_cast<std::size_t>(y) * kWidth;
      std::uint32_t* dst = rowOf(offY_ + y) + offX_;
      for (int x = 0; x < kWidth; ++x) dst[x] = Rgb565ToXrgb(src[x]);
    }
  } else {
    // Every window row that blends one of the changed picture rows.
    first = static_cast<int>(std::partition_point(srcY_.begin(), srcY_.end(),
                                                  [&](const Tap& t) { return t.second < rows.first; }) -
                             srcY_.begin());
    last = static_cast<int>(std::partition_point(srcY_.begin(), srcY_.end(),
                                                 [&](const Tap& t) { return t.first < rows.last; }) -
                            srcY_.begin());
    for (int y = first; y < last; ++y) {
      const Tap& ty = srcY_[y];
      const std::uint16_t* upper = rgb565 + static_cast<std::size_t>(ty.first) * kWidth;
      const std::uint16_t* lower = rgb565 + static_cast<std::size_t>(ty.second) * kWidth;
      std::uint32_t* dst = rowOf(offY_ + y) + offX_;
      for (int x = 0; x < outW_; ++x) {
        const Tap& tx = srcX_[x];
        const std::uint32_t top = Blend(Rgb565ToXrgb(upper[tx.first]), Rgb565ToXrgb(upper[tx.second]), tx.weight);
        dst[x] = ty.weight ? Blend(top,
                                   Blend(Rgb565ToXrgb(lower[tx.first]), Rgb565ToXrgb(lower[tx.second]), tx.weight),
                                   ty.weight)
                           : top;
      }
    }
  }
  if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
  SDL_Rect rect = all ? SDL_Rect{0, 0, target->w, target->h} : SDL_Rect{offX_, offY_ + first, outW_, last - first};
  if (rect.h <= 0) return;
  if (staging_) SDL_BlitSurface(staging_, &rect, surface_, &rect);
  if (SDL_UpdateWindowSurfaceRects(window_, &rect, 1) != 0 && !all) {
    // The window surface went stale (a size change not yet seen): redraw.
    if (Layout()) ShowOnSurface(rgb565, RowRange{0, kHeight}, true);
  }
}

void WindowOutput::ShowWithRenderer(const std::uint16_t* rgb565, RowRange rows) {
  const SDL_Rect rect{0, rows.first, kWidth, rows.last - rows.first};
  // The rows are widened straight into the texture's own memory.
  void* pixels = nullptr;
  int pitch = 0;
  if (SDL_LockTexture(texture_, &rect, &pixels, &pitch) != 0) return;
  for (int y = rows.first; y < rows.last; ++y) {
    const std::uint16_t* src = rgb565 + static_cast<std::size_t>(y) * kWidth;
    auto* dst = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(pixels) + (y - rows.first) * pitch);
    for (int x = 0; x < kWidth; ++x) dst[x] = Rgb565ToXrgb(src[x]);
  }
  SDL_UnlockTexture(texture_);
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
  SDL_RenderPresent(renderer_);
}

}  // namespace raketa
