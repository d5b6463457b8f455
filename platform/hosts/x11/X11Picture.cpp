// Putting back-buffer pixels on windows and reading them back.
#include "platform/hosts/x11/X11Host.h"

#include <sys/ipc.h>
#include <sys/shm.h>

#include <bit>
#include <cstdlib>
#include <cstring>

#include "platform/hosts/x11/X11ErrorTrap.h"

namespace vcl::x11 {

namespace {

int BitsPerPixel(Display* Dpy, int Depth) {
  int count = 0;
  XPixmapFormatValues* formats = XListPixmapFormats(Dpy, &count);
  int bits = 0;
  for (int i = 0; i < count; ++i) {
    if (formats[i].depth == Depth) bits = formats[i].bits_per_pixel;
  }
  if (formats != nullptr) XFree(formats);
  return bits;
}

// Our pixels are native 32-bit words: tell Xlib their byte order, so that
// it swaps them for a server of the other order.
constexpr int kNativeOrder = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;

// The part of Area that lies in the buffer.
TRect Clip(const TBitmap& Buffer, const TRect& Area) {
  return Area.Intersect(Rect(0, 0, Buffer.Width(), Buffer.Height()));
}

int ShiftOf(unsigned long Mask) { return Mask == 0 ? 0 : std::countr_zero(Mask); }

int WidthOf(unsigned long Mask) { return std::popcount(Mask); }

// An 8-bit channel scaled into a mask of any width.
unsigned long Scale(unsigned Channel, unsigned long Mask) {
  int bits = WidthOf(Mask);
  if (bits == 0) return 0;
  unsigned long max = (1UL << bits) - 1;
  return ((Channel * max + 127) / 255) << ShiftOf(Mask);
}

unsigned Unscale(unsigned long Pixel, unsigned long Mask) {
  int bits = WidthOf(Mask);
  if (bits == 0) return 0;
  unsigned long max = (1UL << bits) - 1;
  return static_cast<unsigned>((((Pixel & Mask) >> ShiftOf(Mask)) * 255 + max / 2) / max);
}

}  // namespace

TPictureSink::TPictureSink(Display* Dpy, bool TryShm) : FDisplay(Dpy) {
  int screen = DefaultScreen(Dpy);
  FVisual = DefaultVisual(Dpy, screen);
  FDepth = DefaultDepth(Dpy, screen);
  FGc = XCreateGC(Dpy, RootWindow(Dpy, screen), 0, nullptr);
  FDirect = FVisual->c_class == TrueColor && FVisual->red_mask == 0xFF0000 &&
            FVisual->green_mask == 0xFF00 && FVisual->blue_mask == 0xFF &&
            BitsPerPixel(Dpy, FDepth) == 32;
  FShmAllowed = TryShm && FDirect && XShmQueryExtension(Dpy);
  // Tried at once, so that whether pictures go through it is known.
  if (FShmAllowed) EnsureShm(256, 256);
}

TPictureSink::~TPictureSink() {
  ReleaseShm();
  XFreeGC(FDisplay, FGc);
}

void TPictureSink::Put(::Window W, const TBitmap& Buffer, const TRect& Area) {
  TRect r = Clip(Buffer, Area);
  if (r.IsEmpty()) return;
  if (FShmAllowed && EnsureShm(r.Width(), r.Height())) {
    PutShared(W, Buffer, r);
  } else if (FDirect) {
    PutDirect(W, Buffer, r);
  } else {
    PutConverted(W, Buffer, r);
  }
}

// ---------------------------------------------------------------- shared memory

// One shared image, grown to the largest area put so far. The server reads
// it after the request arrives, so it is written again only once the
// previous put is done (the XSync at the next put).
bool TPictureSink::EnsureShm(int Width, int Height) {
  if (FShmImage != nullptr && FShmImage->width >= Width && FShmImage->height >= Height) return true;
  int w = std::max(Width, FShmImage != nullptr ? FShmImage->width : 0);
  int h = std::max(Height, FShmImage != nullptr ? FShmImage->height : 0);
  ReleaseShm();
  FShmImage = XShmCreateImage(FDisplay, FVisual, static_cast<unsigned>(FDepth), ZPixmap, nullptr,
                              &FShm, static_cast<unsigned>(w), static_cast<unsigned>(h));
  if (FShmImage == nullptr) {
    FShmAllowed = false;
    return false;
  }
  FShm.shmid = shmget(IPC_PRIVATE, static_cast<std::size_t>(FShmImage->bytes_per_line) * h, IPC_CREAT | 0600);
  void* memory = FShm.shmid >= 0 ? shmat(FShm.shmid, nullptr, 0) : reinterpret_cast<void*>(-1);
  bool attached = false;
  if (memory != reinterpret_cast<void*>(-1)) {
    FShm.shmaddr = FShmImage->data = static_cast<char*>(memory);
    FShm.readOnly = False;
    TErrorTrap trap(FDisplay);
    attached = XShmAttach(FDisplay, &FShm) && !trap.Failed();
  }
  // Marked for removal now: the segment goes when both sides detach, even
  // if the program ends abruptly.
  if (FShm.shmid >= 0) shmctl(FShm.shmid, IPC_RMID, nullptr);
  if (!attached) {
    if (memory != reinterpret_cast<void*>(-1)) shmdt(memory);
    FShmImage->data = nullptr;
    XDestroyImage(FShmImage);
    FShmImage = nullptr;
    FShmAllowed = false;  // a remote display: the plain path from now on
    return false;
  }
  FShmReady = true;
  return true;
}

void TPictureSink::ReleaseShm() {
  if (FShmImage == nullptr) return;
  XShmDetach(FDisplay, &FShm);
  XSync(FDisplay, False);
  shmdt(FShm.shmaddr);
  FShmImage->data = nullptr;
  XDestroyImage(FShmImage);
  FShmImage = nullptr;
  FShmReady = false;
}

void TPictureSink::PutShared(::Window W, const TBitmap& Buffer, const TRect& Area) {
  XSync(FDisplay, False);  // the previous put has been read
  const int w = Area.Width();
  for (int y = Area.Top; y < Area.Bottom; ++y) {
    char* row = FShmImage->data + static_cast<std::ptrdiff_t>(y - Area.Top) * FShmImage->bytes_per_line;
    std::memcpy(row, Buffer.ScanLine(y) + Area.Left, static_cast<std::size_t>(w) * 4);
  }
  XShmPutImage(FDisplay, W, FGc, FShmImage, 0, 0, Area.Left, Area.Top, static_cast<unsigned>(w),
               static_cast<unsigned>(Area.Height()), False);
}

// ---------------------------------------------------------------- through the wire

void TPictureSink::PutDirect(::Window W, const TBitmap& Buffer, const TRect& Area) {
  // The image borrows the buffer's pixels; Xlib only reads them.
  auto* pixels = const_cast<std::uint32_t*>(Buffer.ScanLine(0));
  XImage* image = XCreateImage(FDisplay, FVisual, static_cast<unsigned>(FDepth), ZPixmap, 0,
                               reinterpret_cast<char*>(pixels), static_cast<unsigned>(Buffer.Width()),
                               static_cast<unsigned>(Buffer.Height()), 32, Buffer.Width() * 4);
  if (image == nullptr) return;
  image->byte_order = kNativeOrder;
  XPutImage(FDisplay, W, FGc, image, Area.Left, Area.Top, Area.Left, Area.Top,
            static_cast<unsigned>(Area.Width()), static_cast<unsigned>(Area.Height()));
  image->data = nullptr;
  XDestroyImage(image);
}

unsigned long TPictureSink::PixelOf(std::uint32_t Rgb) const {
  unsigned r = (Rgb >> 16) & 0xFF, g = (Rgb >> 8) & 0xFF, b = Rgb & 0xFF;
  if (FVisual->c_class == TrueColor || FVisual->c_class == DirectColor) {
    return Scale(r, FVisual->red_mask) | Scale(g, FVisual->green_mask) | Scale(b, FVisual->blue_mask);
  }
  // A palette display: black or white by brightness is all that is certain.
  int screen = DefaultScreen(FDisplay);
  return (r * 30 + g * 59 + b * 11) / 100 >= 128 ? WhitePixel(FDisplay, screen) : BlackPixel(FDisplay, screen);
}

void TPictureSink::PutConverted(::Window W, const TBitmap& Buffer, const TRect& Area) {
  const unsigned w = static_cast<unsigned>(Area.Width()), h = static_cast<unsigned>(Area.Height());
  XImage* image = XCreateImage(FDisplay, FVisual, static_cast<unsigned>(FDepth), ZPixmap, 0, nullptr, w, h, 32, 0);
  if (image == nullptr) return;
  image->data = static_cast<char*>(std::malloc(static_cast<std::size_t>(image->bytes_per_line) * h));
  if (image->data == nullptr) {
    XDestroyImage(image);
    return;
  }
  for (int y = 0; y < static_cast<int>(h); ++y) {
    const std::uint32_t* src = Buffer.ScanLine(Area.Top + y) + Area.Left;
    for (int x = 0; x < static_cast<int>(w); ++x) XPutPixel(image, x, y, PixelOf(src[x]));
  }
  XPutImage(FDisplay, W, FGc, image, 0, 0, Area.Left, Area.Top, w, h);
  XDestroyImage(image);  // frees the pixels too
}

std::unique_ptr<TBitmap> TPictureSink::Read(::Window W, int Width, int Height) const {
  if (Width <= 0 || Height <= 0) return nullptr;
  XImage* image = nullptr;
  {
    TErrorTrap trap(FDisplay);  // an unmapped window cannot be read
    image = XGetImage(FDisplay, W, 0, 0, static_cast<unsigned>(Width), static_cast<unsigned>(Height),
                      AllPlanes, ZPixmap);
    if (trap.Failed() && image != nullptr) {
      XDestroyImage(image);
      image = nullptr;
    }
  }
  if (image == nullptr) return nullptr;
  auto out = std::make_unique<TBitmap>(Width, Height);
  for (int y = 0; y < Height; ++y) {
    std::uint32_t* row = out->ScanLine(y);
    for (int x = 0; x < Width; ++x) {
      unsigned long p = XGetPixel(image, x, y);
      row[x] = (Unscale(p, image->red_mask) << 16) | (Unscale(p, image->green_mask) << 8) |
               Unscale(p, image->blue_mask);
    }
  }
  XDestroyImage(image);
  return out;
}

}  // namespace vcl::x11
