// Screenshots as PNG through stb_image_write, whose own deflate gives the same
// bytes on every platform the game is built for (no zlib needed).
#include "presentation/render/png_writer.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace raketa {

std::vector<std::uint8_t> EncodePng(int width, int height, const std::uint8_t* rgb) {
  // Unfiltered rows: plain to check, and the pictures are small enough.
  stbi_write_force_png_filter = 0;
  int size = 0;
  std::unique_ptr<unsigned char, void (*)(void*)> png(
      stbi_write_png_to_mem(rgb, width * 3, width, height, 3, &size), &std::free);
  if (!png || size <= 0) return {};
  return std::vector<std::uint8_t>(png.get(), png.get() + size);
}

bool WritePng(const std::string& path, int width, int height, const std::uint8_t* rgb) {
  const std::vector<std::uint8_t> bytes = EncodePng(width, height, rgb);
  if (bytes.empty()) return false;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "wb"), &std::fclose);
  if (!f) return false;
  if (std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size()) return false;
  return std::fclose(f.release()) == 0;
}

}  // namespace raketa
