// PNG chunks around a zlib stream of filter-0 rows.
#include "presentation/render/png_writer.h"

#include <zlib.h>

#include <cstdio>
#include <cstring>
#include <memory>

namespace raketa {

namespace {

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void Chunk(std::vector<std::uint8_t>& out, const char type[4], const std::uint8_t* data, std::size_t size) {
  Put32(out, static_cast<std::uint32_t>(size));
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  if (size) out.insert(out.end(), data, data + size);
  uLong crc = crc32(0L, Z_NULL, 0);
  crc = crc32(crc, out.data() + start, static_cast<uInt>(out.size() - start));
  Put32(out, static_cast<std::uint32_t>(crc));
}

}  // namespace

std::vector<std::uint8_t> EncodePng(int width, int height, const std::uint8_t* rgb) {
  const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
  std::vector<std::uint8_t> raw((rowBytes + 1) * height);
  for (int y = 0; y < height; ++y) {
    raw[y * (rowBytes + 1)] = 0;  // filter: none
    std::memcpy(&raw[y * (rowBytes + 1) + 1], rgb + y * rowBytes, rowBytes);
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::vector<std::uint8_t> packed(packedSize);
  if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 6) != Z_OK) return {};
  packed.resize(packedSize);

  std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<std::uint8_t> header;
  Put32(header, static_cast<std::uint32_t>(width));
  Put32(header, static_cast<std::uint32_t>(height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, filter 0, no interlace
  Chunk(out, "IHDR", header.data(), header.size());
  Chunk(out, "IDAT", packed.data(), packed.size());
  Chunk(out, "IEND", nullptr, 0);
  return out;
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
