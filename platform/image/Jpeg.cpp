// JPEG through libjpeg-turbo, with its errors turned into DecodeError and
// its memory manager held to the decode's budget.
#include <algorithm>
#include <cstdint>
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
// otherwise give a picture filled with gray: they are errors here. Warnings
// about the header that leave the pixels whole are accepted: an unknown
// JFIF revision, an unknown Adobe transform code (taken as YCbCr for three
// components, YCCK for four), stray bytes between markers.
bool Harmless(int Code) {
  return Code == JWRN_EXTRANEOUS_DATA || Code == JWRN_JFIF_MAJOR || Code == JWRN_ADOBE_XFORM;
}

void OnMessage(j_common_ptr Info, int Level) {
  if (Level >= 0 || Harmless(Info->err->msg_code)) return;
  OnErrorExit(Info);
}

// libjpeg's memory manager with every request counted against the decode's
// budget before it is passed on; reached through client_data.
struct BudgetedMemory {
  MemoryBudget* Budget = nullptr;
  jpeg_memory_mgr Original{};
};

BudgetedMemory& Memory(j_common_ptr Info) { return *static_cast<BudgetedMemory*>(Info->client_data); }

std::size_t Times(std::size_t A, std::size_t B) {
  return B != 0 && A > SIZE_MAX / B ? SIZE_MAX : A * B;
}

void Charge(j_common_ptr Info, std::size_t Bytes) {
  if (Memory(Info).Budget->Take(Bytes)) return;
  auto* err = reinterpret_cast<ErrorManager*>(Info->err);
  std::snprintf(err->Message, sizeof err->Message, "%s", kOverBudget);
  std::longjmp(err->Jump, 1);
}

void* AllocSmall(j_common_ptr Info, int Pool, std::size_t Size) {
  Charge(Info, Size);
  return Memory(Info).Original.alloc_small(Info, Pool, Size);
}

void* AllocLarge(j_common_ptr Info, int Pool, std::size_t Size) {
  Charge(Info, Size);
  return Memory(Info).Original.alloc_large(Info, Pool, Size);
}

JSAMPARRAY AllocSarray(j_common_ptr Info, int Pool, JDIMENSION PerRow, JDIMENSION Rows) {
  Charge(Info, Times(Rows, PerRow * sizeof(JSAMPLE) + sizeof(JSAMPROW)));
  return Memory(Info).Original.alloc_sarray(Info, Pool, PerRow, Rows);
}

JBLOCKARRAY AllocBarray(j_common_ptr Info, int Pool, JDIMENSION PerRow, JDIMENSION Rows) {
  Charge(Info, Times(Rows, Times(PerRow, sizeof(JBLOCK)) + sizeof(JBLOCKROW)));
  return Memory(Info).Original.alloc_barray(Info, Pool, PerRow, Rows);
}

// Whole-image arrays are requested first and allocated all at once later
// (there is no backing store): they are counted when requested.
jvirt_sarray_ptr RequestSarray(j_common_ptr Info, int Pool, boolean PreZero, JDIMENSION PerRow,
                               JDIMENSION Rows, JDIMENSION MaxAccess) {
  Charge(Info, Times(Rows, PerRow * sizeof(JSAMPLE) + sizeof(JSAMPROW)));
  return Memory(Info).Original.request_virt_sarray(Info, Pool, PreZero, PerRow, Rows, MaxAccess);
}

jvirt_barray_ptr RequestBarray(j_common_ptr Info, int Pool, boolean PreZero, JDIMENSION PerRow,
                               JDIMENSION Rows, JDIMENSION MaxAccess) {
  Charge(Info, Times(Rows, Times(PerRow, sizeof(JBLOCK)) + sizeof(JBLOCKROW)));
  return Memory(Info).Original.request_virt_barray(Info, Pool, PreZero, PerRow, Rows, MaxAccess);
}

void UseBudget(jpeg_decompress_struct& Info, BudgetedMemory& Mem, MemoryBudget& Budget) {
  Mem.Budget = &Budget;
  Mem.Original = *Info.mem;
  Info.client_data = &Mem;
  Info.mem->alloc_small = AllocSmall;
  Info.mem->alloc_large = AllocLarge;
  Info.mem->alloc_sarray = AllocSarray;
  Info.mem->alloc_barray = AllocBarray;
  Info.mem->request_virt_sarray = RequestSarray;
  Info.mem->request_virt_barray = RequestBarray;
}

// A picture in several scans is kept whole as coefficients until its last
// scan: 64 coefficients of 2 bytes for each 8 × 8 block of each component,
// rows and columns of blocks rounded up to the component's sampling factors.
std::size_t CoefficientStore(jpeg_decompress_struct& Info) {
  if (!jpeg_has_multiple_scans(&Info)) return 0;
  std::size_t bytes = 0;
  for (int i = 0; i < Info.num_components; ++i) {
    const jpeg_component_info& c = Info.comp_info[i];
    const auto up = [](std::size_t n, int m) { return (n + m - 1) / m * m; };
    const std::size_t blocks = Times(up(c.width_in_blocks, c.h_samp_factor),
                                     up(c.height_in_blocks, c.v_samp_factor));
    bytes = std::min<std::size_t>(SIZE_MAX / 2, bytes + Times(blocks, sizeof(JBLOCK)));
  }
  return bytes;
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

// Huffman coding needs at least two bits for each 8 × 8 block of a
// component, 256 pixels a byte; the bound leaves room for arithmetic coding
// and progressive end-of-band runs, which can pack more.
constexpr std::int64_t kJpegPixelsPerByte = 1024;

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
  BudgetedMemory Mem;
  DecompressGuard G;
  std::vector<std::uint8_t> Cmyk;
  Image Img;
};

struct JpegWrite {
  ErrorManager Err;
  CompressGuard G;
  unsigned long Size = 0;
};

Image DecodeJpeg(std::span<const std::uint8_t> Data, MemoryBudget& Budget) {
  const auto r = std::make_unique<JpegRead>();
  jpeg_decompress_struct& info = r->G.Info;
  info.err = jpeg_std_error(&r->Err.Pub);
  r->Err.Pub.error_exit = OnErrorExit;
  r->Err.Pub.emit_message = OnMessage;
  if (setjmp(r->Err.Jump)) throw DecodeError(r->Err.Message);
  jpeg_create_decompress(&info);
  r->G.Created = true;
  UseBudget(info, r->Mem, Budget);
  // Markers other than JFIF and Adobe are skipped unread (none is saved).
  jpeg_mem_src(&info, Data.data(), static_cast<unsigned long>(Data.size()));
  jpeg_read_header(&info, TRUE);
  const std::int64_t w = info.image_width, h = info.image_height;
  CheckSize(w, h);
  CheckPlausible(w * h, Data.size(), kJpegPixelsPerByte);
  Budget.Allow(CoefficientStore(info));
  const bool isCmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = isCmyk ? JCS_CMYK : JCS_EXT_BGRX;
  jpeg_start_decompress(&info);
  if (info.output_components != 4) throw DecodeError("unsupported color layout");
  Budget.TakePixels(w * h);
  Image& img = r->Img;
  img.Width = static_cast<int>(w);
  img.Height = static_cast<int>(h);
  img.Pixels.resize(static_cast<std::size_t>(w * h));
  if (isCmyk) {
    if (!Budget.Take(static_cast<std::size_t>(w) * 4)) throw DecodeError(kOverBudget);
    r->Cmyk.resize(static_cast<std::size_t>(w) * 4);
  }
  while (info.output_scanline < info.output_height) {
    std::uint32_t* out = &img.Pixels[static_cast<std::size_t>(info.output_scanline) * img.Width];
    JSAMPROW row = isCmyk ? r->Cmyk.data() : reinterpret_cast<JSAMPROW>(out);
    if (jpeg_read_scanlines(&info, &row, 1) != 1) throw DecodeError("truncated data");
    if (isCmyk) CmykRow(r->Cmyk.data(), out, img.Width, info.saw_Adobe_marker);
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
