// PNG through libpng, with its errors turned into DecodeError and its
// allocations taken from the decode's memory budget.
#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/image/Codecs.h"

namespace vcl::image {

namespace {

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// State reached from libpng's callbacks; plain data only, since libpng
// leaves through longjmp.
struct IoState {
  const std::uint8_t* Data = nullptr;
  std::size_t Size = 0;
  std::size_t Pos = 0;
  std::vector<std::uint8_t>* Out = nullptr;
  bool PastUserLimit = false;  // a side beyond kMaxSide, told by a warning
  char Message[160] = "corrupt data";
};

[[noreturn]] void OnError(png_structp Png, png_const_charp Message) {
  auto* st = static_cast<IoState*>(png_get_error_ptr(Png));
  std::snprintf(st->Message, sizeof st->Message, "%s", Message);
  png_longjmp(Png, 1);
}

void OnWarning(png_structp Png, png_const_charp Message) {
  auto* st = static_cast<IoState*>(png_get_error_ptr(Png));
  if (std::strstr(Message, "exceeds user limit") != nullptr) st->PastUserLimit = true;
}

void ReadBytes(png_structp Png, png_bytep Out, png_size_t Count) {
  auto* st = static_cast<IoState*>(png_get_io_ptr(Png));
  if (Count > st->Size - st->Pos) png_error(Png, "truncated data");
  std::memcpy(Out, st->Data + st->Pos, Count);
  st->Pos += Count;
}

void WriteBytes(png_structp Png, png_bytep In, png_size_t Count) {
  auto* st = static_cast<IoState*>(png_get_io_ptr(Png));
  st->Out->insert(st->Out->end(), In, In + Count);
}

void Flush(png_structp) {}

// libpng's allocations, taken from the decode's budget. Each block starts
// with its size, so freeing gives back what was taken.
constexpr std::size_t kBlockHead = alignof(std::max_align_t);

png_voidp BudgetMalloc(png_structp Png, png_alloc_size_t Size) {
  auto* budget = static_cast<MemoryBudget*>(png_get_mem_ptr(Png));
  if (Size > SIZE_MAX - kBlockHead || !budget->Take(Size + kBlockHead)) return nullptr;
  auto* block = static_cast<unsigned char*>(std::malloc(Size + kBlockHead));
  if (block == nullptr) {
    budget->Give(Size + kBlockHead);
    return nullptr;
  }
  const std::size_t size = Size;
  std::memcpy(block, &size, sizeof size);
  return block + kBlockHead;
}

void BudgetFree(png_structp Png, png_voidp Ptr) {
  if (Ptr == nullptr) return;
  auto* block = static_cast<unsigned char*>(Ptr) - kBlockHead;
  std::size_t size = 0;
  std::memcpy(&size, block, sizeof size);
  static_cast<MemoryBudget*>(png_get_mem_ptr(Png))->Give(size + kBlockHead);
  std::free(block);
}

struct ReadGuard {
  png_structp Png = nullptr;
  png_infop Info = nullptr;
  ~ReadGuard() { png_destroy_read_struct(&Png, &Info, nullptr); }
};

struct WriteGuard {
  png_structp Png = nullptr;
  png_infop Info = nullptr;
  ~WriteGuard() { png_destroy_write_struct(&Png, &Info); }
};

// Deflate packs at most about 1032 bytes into one, and a pixel takes at
// least one bit.
constexpr std::int64_t kPngPixelsPerByte = 8300;

// The ancillary chunks the reader has no use for: skipped unread, so
// whatever length they declare costs no memory. Only tRNS is kept; gamma
// and color profiles (gAMA, cHRM, sRGB, iCCP) are not applied, pixels are
// taken as stored.
constexpr png_byte kIgnoredChunks[] =
    "bKGD\0cHRM\0eXIf\0gAMA\0hIST\0iCCP\0iTXt\0oFFs\0pCAL\0pHYs\0sBIT\0sCAL\0"
    "sPLT\0sRGB\0sTER\0tEXt\0tIME\0zTXt\0";

// Limits that keep libpng's own memory small whatever the chunks declare.
void Limit(png_structp Png) {
  png_set_keep_unknown_chunks(Png, PNG_HANDLE_CHUNK_NEVER, nullptr, 0);
  png_set_keep_unknown_chunks(Png, PNG_HANDLE_CHUNK_NEVER, kIgnoredChunks,
                              static_cast<int>(sizeof kIgnoredChunks / 5));
  png_set_user_limits(Png, kMaxSide, kMaxSide);
  png_set_chunk_cache_max(Png, 16);
  png_set_chunk_malloc_max(Png, kWorkAllowance / 4);
}

// Sets up the transformations to 8-bit B, G, R, A/filler and reports
// whether the picture has transparency. 16-bit channels are rounded to the
// nearest 8-bit value, V × 255 / 65535.
bool Normalize(png_structp Png, png_infop Info) {
  const int type = png_get_color_type(Png, Info);
  const bool alpha = (type & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(Png, Info, PNG_INFO_tRNS);
  png_set_expand(Png);
  png_set_scale_16(Png);
  if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(Png);
  png_set_bgr(Png);
  if (!alpha) png_set_filler(Png, 0, PNG_FILLER_AFTER);
  png_set_interlace_handling(Png);
  png_read_update_info(Png, Info);
  return alpha;
}

}  // namespace

bool IsPng(std::span<const std::uint8_t> Data) {
  return Data.size() >= 8 && std::memcmp(Data.data(), kSignature, 8) == 0;
}

// Everything a decode changes lives on the heap behind a pointer set before
// setjmp, so nothing local is left indeterminate when libpng jumps back.
struct PngRead {
  IoState St;
  ReadGuard G;
  std::vector<png_bytep> Rows;
  Image Img;
};

struct PngWrite {
  IoState St;
  WriteGuard G;
  std::vector<std::uint8_t> Row;
  std::vector<std::uint8_t> Out;
};

namespace {

// The message of a failed decode: the size limit's or the budget's when
// they caused it, libpng's otherwise.
std::string Failure(const IoState& St, const MemoryBudget& Budget) {
  if (St.PastUserLimit) {
    return "image too large (more than " + std::to_string(kMaxSide) + " pixels a side)";
  }
  return Budget.Refused() ? kOverBudget : St.Message;
}

}  // namespace

Image DecodePng(std::span<const std::uint8_t> Data, MemoryBudget& Budget) {
  const auto r = std::make_unique<PngRead>();
  r->St.Data = Data.data();
  r->St.Size = Data.size();
  r->G.Png = png_create_read_struct_2(PNG_LIBPNG_VER_STRING, &r->St, OnError, OnWarning, &Budget,
                                      BudgetMalloc, BudgetFree);
  if (r->G.Png == nullptr) throw DecodeError(kOverBudget);
  r->G.Info = png_create_info_struct(r->G.Png);
  if (r->G.Info == nullptr) throw DecodeError(kOverBudget);
  if (setjmp(png_jmpbuf(r->G.Png))) throw DecodeError(Failure(r->St, Budget));
  png_structp png = r->G.Png;
  png_infop info = r->G.Info;
  png_set_read_fn(png, &r->St, ReadBytes);
  Limit(png);
  png_read_info(png, info);
  const std::int64_t w = png_get_image_width(png, info), h = png_get_image_height(png, info);
  CheckSize(w, h);
  CheckPlausible(w * h, Data.size(), kPngPixelsPerByte);
  const bool alpha = Normalize(png, info);
  if (png_get_rowbytes(png, info) != static_cast<png_size_t>(w) * 4) {
    throw DecodeError("unsupported pixel layout");
  }
  Budget.TakePixels(w * h);
  Image& img = r->Img;
  img.Width = static_cast<int>(w);
  img.Height = static_cast<int>(h);
  img.Format = alpha ? pf32bit : pf24bit;
  img.Pixels.resize(static_cast<std::size_t>(w * h));
  if (!Budget.Take(static_cast<std::size_t>(h) * sizeof(png_bytep))) throw DecodeError(kOverBudget);
  r->Rows.resize(static_cast<std::size_t>(h));
  for (std::int64_t y = 0; y < h; ++y) {
    r->Rows[static_cast<std::size_t>(y)] =
        reinterpret_cast<png_bytep>(&img.Pixels[static_cast<std::size_t>(y * w)]);
  }
  png_read_image(png, r->Rows.data());
  png_read_end(png, nullptr);
  return std::move(r->Img);
}

std::vector<std::uint8_t> EncodePng(const View& V, bool WithAlpha) {
  const auto r = std::make_unique<PngWrite>();
  r->St.Out = &r->Out;
  const int channels = WithAlpha ? 4 : 3;
  r->Row.resize(static_cast<std::size_t>(V.Width) * channels);
  r->G.Png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &r->St, OnError, OnWarning);
  if (r->G.Png == nullptr) throw DecodeError("out of memory");
  r->G.Info = png_create_info_struct(r->G.Png);
  if (r->G.Info == nullptr) throw DecodeError("out of memory");
  if (setjmp(png_jmpbuf(r->G.Png))) throw DecodeError(r->St.Message);
  png_structp png = r->G.Png;
  png_set_write_fn(png, &r->St, WriteBytes, Flush);
  png_set_IHDR(png, r->G.Info, static_cast<png_uint_32>(V.Width),
               static_cast<png_uint_32>(V.Height), 8,
               WithAlpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, r->G.Info);
  for (int y = 0; y < V.Height; ++y) {
    const std::uint32_t* src = V.Row(y);
    std::uint8_t* d = r->Row.data();
    for (int x = 0; x < V.Width; ++x, d += channels) {
      d[0] = static_cast<std::uint8_t>(src[x] >> 16);
      d[1] = static_cast<std::uint8_t>(src[x] >> 8);
      d[2] = static_cast<std::uint8_t>(src[x]);
      if (WithAlpha) d[3] = static_cast<std::uint8_t>(src[x] >> 24);
    }
    png_write_row(png, r->Row.data());
  }
  png_write_end(png, nullptr);
  return std::move(r->Out);
}

}  // namespace vcl::image
