// JPEG through libjpeg-turbo, with its errors turned into DecodeError.
#include <algorithm>
#include <cstdio>
#include <csetjmp>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <jpeglib.h>
#include <jerror.h>

#include "platform/image/Codecs.h"

namespace vcl::image {

namespace {

// The error manager: libjpeg leaves a failed call through error_exit,
// which jumps back with the message kept.
struct ErrorManager {
  jpeg_error_mgr Pub;
  std::jmp_buf Jump;
  char Message[JMSG_LENGTH_MAX] = "corrupt data";
};

[[noreturn]] void OnErrorExit(j_common_ptr Info) {
  auto* err = reinterpret_cast<ErrorManager*>(Info->err);
  (*Info->err->format_message)(Info, err->Message);
  std::longjmp(err->Jump, 1);
}

// Warnings about damaged data (a premature end, a bad Huffman code) would
// otherwise give a picture filled with gray: they are errors here.
void OnMessage(j_common_ptr Info, int Level) {
  if (Level >= 0) return;
  const int code = Info->err->msg_code;
  if (code == JWRN_EXTRANEOUS_DATA) return;
  OnErrorExit(Info);
}

struct DecompressGuard {
  jpeg_decompress_struct Info{};
  bool Created = false;
  ~DecompressGuard() { if (Created) jpeg_destroy_decompress(&Info); }
};

struct CompressGuard {
  jpeg_compress_struct Info{};
  bool Created = false;
  unsigned char* Buffer = nullptr;
  ~CompressGuard() {
    if (Created) jpeg_destroy_compress(&Info);
    std::free(Buffer);
  }
};

// Progressive pictures are held whole in memory while decoding, so their
// size must be plausible for the data before decoding starts.
void CheckPlausible(std::int64_t Pixels, std::size_t DataSize) {
  const std::int64_t bound = std::max<std::int64_t>(std::int64_t{4} << 20,
                                                    static_cast<std::int64_t>(DataSize) * 1024);
  if (Pixels > bound) throw DecodeError("image dimensions larger than the data");
}

void CmykRow(const std::uint8_t* Src, std::uint32_t* Out, int Width, bool Inverted) {
  for (int x = 0; x < Width; ++x, Src += 4) {
    int c = Src[0], m = Src[1], y = Src[2], k = Src[3];
    if (!Inverted) { c = 255 - c; m = 255 - m; y = 255 - y; k = 255 - k; }
    const auto ch = [k](int v) { return static_cast<std::uint32_t>((v * k + 127) / 255); };
    Out[x] = (ch(c) << 16) | (ch(m) << 8) | ch(y);
  }
}

}  // namespace

bool IsJpeg(std::span<const std::uint8_t> Data) {
  return Data.size() >= 3 && Data[0] == 0xFF && Data[1] == 0xD8 && Data[2] == 0xFF;
}

// Everything a decode changes lives on the heap behind a pointer set before
// setjmp, so nothing local is left indeterminate when libjpeg jumps back.
struct JpegRead {
  ErrorManager Err;
  DecompressGuard G;
  std::vector<std::uint8_t> Cmyk;
  Image Img;
};

struct JpegWrite {
  ErrorManager Err;
  CompressGuard G;
  unsigned long Size = 0;
};

Image DecodeJpeg(std::span<const std::uint8_t> Data) {
  const auto r = std::make_unique<JpegRead>();
  jpeg_decompress_struct& info = r->G.Info;
  info.err = jpeg_std_error(&r->Err.Pub);
  r->Err.Pub.error_exit = OnErrorExit;
  r->Err.Pub.emit_message = OnMessage;
  if (setjmp(r->Err.Jump)) throw DecodeError(r->Err.Message);
  jpeg_create_decompress(&info);
  r->G.Created = true;
  jpeg_mem_src(&info, Data.data(), static_cast<unsigned long>(Data.size()));
  jpeg_read_header(&info, TRUE);
  const std::int64_t w = info.image_width, h = info.image_height;
  CheckSize(w, h);
  if (jpeg_has_multiple_scans(&info)) CheckPlausible(w * h, Data.size());
  const bool isCmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = isCmyk ? JCS_CMYK : JCS_EXT_BGRX;
  jpeg_start_decompress(&info);
  if (info.output_components != 4) throw DecodeError("unsupported color layout");
  Image& img = r->Img;
  img.Width = static_cast<int>(w);
  img.Height = static_cast<int>(h);
  // Rows are appended as they are decoded, so a short file fails before
  // its promised size is ever allocated.
  if (isCmyk) r->Cmyk.resize(static_cast<std::size_t>(w) * 4);
  while (info.output_scanline < info.output_height) {
    const std::size_t at = img.Pixels.size();
    img.Pixels.resize(at + static_cast<std::size_t>(w));
    JSAMPROW row = isCmyk ? r->Cmyk.data() : reinterpret_cast<JSAMPROW>(&img.Pixels[at]);
    if (jpeg_read_scanlines(&info, &row, 1) != 1) throw DecodeError("truncated data");
    if (isCmyk) CmykRow(r->Cmyk.data(), &img.Pixels[at], img.Width, info.saw_Adobe_marker);
  }
  jpeg_finish_decompress(&info);
  for (std::uint32_t& p : img.Pixels) p &= 0x00FFFFFF;
  img.Format = pf24bit;
  return std::move(r->Img);
}

std::vector<std::uint8_t> EncodeJpeg(const View& V, int Quality) {
  const auto r = std::make_unique<JpegWrite>();
  jpeg_compress_struct& info = r->G.Info;
  info.err = jpeg_std_error(&r->Err.Pub);
  r->Err.Pub.error_exit = OnErrorExit;
  if (setjmp(r->Err.Jump)) throw DecodeError(r->Err.Message);
  jpeg_create_compress(&info);
  r->G.Created = true;
  jpeg_mem_dest(&info, &r->G.Buffer, &r->Size);
  info.image_width = static_cast<JDIMENSION>(V.Width);
  info.image_height = static_cast<JDIMENSION>(V.Height);
  info.input_components = 4;
  info.in_color_space = JCS_EXT_BGRX;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, Quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    // libjpeg takes rows as non-const pointers but only reads them.
    auto row = reinterpret_cast<JSAMPROW>(
        const_cast<std::uint32_t*>(V.Row(static_cast<int>(info.next_scanline))));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  return std::vector<std::uint8_t>(r->G.Buffer, r->G.Buffer + r->Size);
}

}  // namespace vcl::image
