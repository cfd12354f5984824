// Decoding a JPEG picture to RGB565 with libjpeg. libjpeg's default error
// handler would exit() the program; ours jumps back and the failure becomes
// an AssetError that names the picture. Warnings about corrupt data count as
// failures too: an embedded picture has no excuse for them.
#include <csetjmp>
#include <cstdio>
#include <string>

#include <jpeglib.h>

#include "services/catalogue.h"

namespace raketa {

namespace {

// Pictures larger than this are refused before any memory is taken.
constexpr unsigned kMaxSide = 8192;

struct JpegErrors {
  jpeg_error_mgr base;
  std::jmp_buf back;
  char message[JMSG_LENGTH_MAX];
};

void Fail(j_common_ptr cinfo) {
  auto* errors = reinterpret_cast<JpegErrors*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, errors->message);
  std::longjmp(errors->back, 1);
}

void Message(j_common_ptr cinfo, int level) {
  if (level < 0) Fail(cinfo);  // a warning: the data is damaged
}

void Quiet(j_common_ptr) {}

// Everything libjpeg touches lives here, in the caller's frame, so nothing
// local to the function that calls setjmp changes after it.
struct Decoder {
  jpeg_decompress_struct cinfo;
  JpegErrors errors;
  std::vector<unsigned char> row;
};

bool Decode(const unsigned char* data, std::size_t size, Decoder& d, DecodedPicture& out) {
  if (setjmp(d.errors.back)) return false;
  jpeg_mem_src(&d.cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&d.cinfo, TRUE);
  d.cinfo.out_color_space = JCS_RGB;
  if (d.cinfo.image_width > kMaxSide || d.cinfo.image_height > kMaxSide) {
    std::snprintf(d.errors.message, sizeof d.errors.message, "%ux%u is too large", d.cinfo.image_width,
                  d.cinfo.image_height);
    return false;
  }
  jpeg_start_decompress(&d.cinfo);
  out.width = static_cast<int>(d.cinfo.output_width);
  out.height = static_cast<int>(d.cinfo.output_height);
  out.rgb565.resize(static_cast<std::size_t>(out.width) * out.height);
  d.row.resize(static_cast<std::size_t>(out.width) * 3);
  while (d.cinfo.output_scanline < d.cinfo.output_height) {
    std::uint16_t* dst = &out.rgb565[static_cast<std::size_t>(d.cinfo.output_scanline) * out.width];
    JSAMPROW rows[1] = {d.row.data()};
    jpeg_read_scanlines(&d.cinfo, rows, 1);
    for (int x = 0; x < out.width; ++x) {
      const unsigned char* p = &d.row[static_cast<std::size_t>(x) * 3];
      dst[x] = static_cast<std::uint16_t>(((p[0] >> 3) << 11) | ((p[1] >> 2) << 5) | (p[2] >> 3));
    }
  }
  jpeg_finish_decompress(&d.cinfo);
  return true;
}

}  // namespace

DecodedPicture DecodeJpeg(const unsigned char* data, std::size_t size, const char* name) {
  const std::string who = std::string("picture '") + (name ? name : "?") + "': ";
  if (!data || size == 0) throw AssetError(who + "no data");
  Decoder d;
  d.cinfo.err = jpeg_std_error(&d.errors.base);
  d.errors.base.error_exit = Fail;
  d.errors.base.emit_message = Message;
  d.errors.base.output_message = Quiet;
  d.errors.message[0] = '\0';
  jpeg_create_decompress(&d.cinfo);
  DecodedPicture out;
  bool ok = Decode(data, size, d, out);
  jpeg_destroy_decompress(&d.cinfo);
  if (!ok) throw AssetError(who + "cannot decode JPEG: " + d.errors.message);
  return out;
}

}  // namespace raketa
