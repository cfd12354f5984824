// bare_loop [--window] [--seconds N] [--rows N]
//
// Shows the same 1024 x 768 RGB565 picture 25 times a second, through the
// window's own surface as the live game does without a graphics processor:
// each present converts the picture (or its first N rows) to 32-bit pixels
// and hands those rows to the window, and the loop sleeps in between.  It
// does nothing else, so its processor use and memory are what drawing alone
// costs; compare them with the game's.
#include <SDL.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "services/game_clock.h"
#include "services/screen_layout.h"

namespace {

constexpr int kWidth = raketa::screen::kWidth;
constexpr int kHeight = raketa::screen::kHeight;
constexpr Uint64 kFrameMs = raketa::game_clock::kFrameMs;

std::uint32_t ToXrgb(std::uint16_t c) {
  const std::uint32_t r = (c >> 11) & 0x1F, g = (c >> 5) & 0x3F, b = c & 0x1F;
  return (((r << 3) | (r >> 2)) << 16) | (((g << 2) | (g >> 4)) << 8) | ((b << 3) | (b >> 2));
}

}  // namespace

int main(int argc, char** argv) {
  const auto started = std::chrono::steady_clock::now();
  bool windowed = false;
  int seconds = 20;
  int rows = kHeight;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--window")) windowed = true;
    else if (!std::strcmp(argv[i], "--seconds") && i + 1 < argc) seconds = std::atoi(argv[++i]);
    else if (!std::strcmp(argv[i], "--rows") && i + 1 < argc) rows = std::atoi(argv[++i]);
    else {
      std::fprintf(stderr, "usage: bare_loop [--window] [--seconds N] [--rows N]\n");
      return 2;
    }
  }
  if (rows < 1 || rows > kHeight) rows = kHeight;

  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
    std::fprintf(stderr, "bare_loop: %s\n", SDL_GetError());
    return 1;
  }
  SDL_Window* window = SDL_CreateWindow("bare_loop", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kWidth, kHeight,
                                        windowed ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
  SDL_Surface* surface = window ? SDL_GetWindowSurface(window) : nullptr;
  if (!surface || surface->format->BytesPerPixel != 4) {
    std::fprintf(stderr, "bare_loop: no 32-bit window surface (%s)\n", SDL_GetError());
    return 1;
  }
  SDL_ShowCursor(SDL_DISABLE);

  std::vector<std::uint16_t> picture(static_cast<std::size_t>(kWidth) * kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) picture[y * kWidth + x] = static_cast<std::uint16_t>((x * 32 / kWidth) << 11 | (y * 64 / kHeight) << 5 | ((x ^ y) & 31));
  std::vector<std::uint32_t> xrgb(picture.size());

  const Uint64 end = SDL_GetTicks64() + static_cast<Uint64>(seconds) * 1000;
  Uint64 lastFrame = 0;
  long frames = 0;
  bool running = true;
  while (running && SDL_GetTicks64() < end) {
    const Uint64 now = SDL_GetTicks64();
    if (now - lastFrame >= kFrameMs) {
      lastFrame = now;
      surface = SDL_GetWindowSurface(window);
      for (std::size_t i = 0; i < static_cast<std::size_t>(rows) * kWidth; ++i) xrgb[i] = ToXrgb(picture[i]);
      const int offX = (surface->w - kWidth) / 2 > 0 ? (surface->w - kWidth) / 2 : 0;
      const int offY = (surface->h - kHeight) / 2 > 0 ? (surface->h - kHeight) / 2 : 0;
      const int copyW = surface->w < kWidth ? surface->w : kWidth;
      const int copyH = surface->h < rows ? surface->h : rows;
      for (int y = 0; y < copyH; ++y) {
        std::memcpy(static_cast<std::uint8_t*>(surface->pixels) + (offY + y) * surface->pitch + offX * 4,
                    &xrgb[static_cast<std::size_t>(y) * kWidth], static_cast<std::size_t>(copyW) * 4);
      }
      const SDL_Rect rect{offX, offY, copyW, copyH};
      SDL_UpdateWindowSurfaceRects(window, &rect, 1);
      if (frames == 0) {
        // Measured the way the game measures its own first frame.
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
        std::fprintf(stderr, "bare_loop: first frame shown %lld ms after start-up began\n", static_cast<long long>(ms.count()));
      }
      ++frames;
    }
    SDL_Event e;
    const Uint64 due = lastFrame + kFrameMs;
    const Uint64 t = SDL_GetTicks64();
    if (due > t ? SDL_WaitEventTimeout(&e, static_cast<int>(due - t)) : SDL_PollEvent(&e)) {
      do {
        if (e.type == SDL_QUIT || (e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_ESCAPE)) running = false;
      } while (SDL_PollEvent(&e));
    }
  }
  std::printf("bare_loop: %ld frames in %d s\n", frames, seconds);
  SDL_DestroyWindow(window);
  SDL_Quit();
  return 0;
}
