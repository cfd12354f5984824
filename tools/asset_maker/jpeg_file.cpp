#include "jpeg_file.h"

#include <cstdio>
#include <stdexcept>

#include <jpeglib.h>

namespace assets {

void WriteJpeg(const Canvas& c, const std::string& path, int quality) {
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) throw std::runtime_error("cannot write " + path);
  jpeg_compress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, out);
  cinfo.image_width = c.width();
  cinfo.image_height = c.height();
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);  // sequential (baseline) Huffman coding
  jpeg_set_quality(&cinfo, quality, TRUE);
  // Full colour resolution: red and aqua lettering stays crisp.
  for (int i = 0; i < 3; ++i) cinfo.comp_info[i].h_samp_factor = cinfo.comp_info[i].v_samp_factor = 1;
  cinfo.optimize_coding = TRUE;
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<std::uint8_t> rgb = c.ToRgb8();
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = &rgb[static_cast<std::size_t>(cinfo.next_scanline) * c.width() * 3];
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::fclose(out);
}

}  // namespace assets
