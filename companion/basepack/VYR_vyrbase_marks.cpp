// The 52 marker symbols, built at compile time from shape rules: squares,
// discs, diamonds and triangles in outline and filled forms and three
// sizes, crosses and stars, bars, combined and half-filled forms, arrows.
#include "companion/basepack/internal/VYR_vyrbase_marks.h"

#include <cstdlib>

namespace vyr::marks {

namespace {

constexpr int kR = 5;  // the grid runs from -kR to kR

template <class F>
constexpr Mask Make(F Inside) {
  Mask m{};
  for (int dy = -kR; dy <= kR; ++dy)
    for (int dx = -kR; dx <= kR; ++dx)
      if (Inside(dx, dy)) m[dy + kR] = static_cast<std::uint16_t>(m[dy + kR] | (1u << (dx + kR)));
  return m;
}

constexpr bool Has(const Mask& M, int Dx, int Dy) {
  if (Dx < -kR || Dx > kR || Dy < -kR || Dy > kR) return false;
  return (M[Dy + kR] >> (Dx + kR)) & 1u;
}

constexpr int Abs(int V) { return V < 0 ? -V : V; }

// The pixels of M that touch a pixel outside M (left, right, up or down).
constexpr Mask Outline(const Mask& M) {
  return Make([&M](int x, int y) {
    return Has(M, x, y) && (!Has(M, x - 1, y) || !Has(M, x + 1, y) || !Has(M, x, y - 1) || !Has(M, x, y + 1));
  });
}

constexpr Mask operator|(const Mask& A, const Mask& B) {
  Mask m{};
  for (int k = 0; k < 2 * kR + 1; ++k) m[k] = static_cast<std::uint16_t>(A[k] | B[k]);
  return m;
}

constexpr Mask Square(int r) { return Make([r](int x, int y) { return Abs(x) <= r && Abs(y) <= r; }); }
constexpr Mask Disc(int r) { return Make([r](int x, int y) { return x * x + y * y <= r * r + r; }); }
constexpr Mask Diamond(int r) { return Make([r](int x, int y) { return Abs(x) + Abs(y) <= r; }); }
constexpr Mask TriUp(int r) { return Make([r](int x, int y) { return Abs(y) <= r && 2 * Abs(x) <= y + r; }); }
constexpr Mask TriDown(int r) { return Make([r](int x, int y) { return Abs(y) <= r && 2 * Abs(x) <= r - y; }); }
constexpr Mask TriLeft(int r) { return Make([r](int x, int y) { return Abs(x) <= r && 2 * Abs(y) <= x + r; }); }
constexpr Mask TriRight(int r) { return Make([r](int x, int y) { return Abs(x) <= r && 2 * Abs(y) <= r - x; }); }
constexpr Mask Plus(int r) {
  return Make([r](int x, int y) { return (x == 0 && Abs(y) <= r) || (y == 0 && Abs(x) <= r); });
}
constexpr Mask Cross(int r) { return Make([r](int x, int y) { return Abs(x) == Abs(y) && Abs(x) <= r; }); }
constexpr Mask HBar(int r) { return Make([r](int x, int y) { return y == 0 && Abs(x) <= r; }); }
constexpr Mask VBar(int r) { return Make([r](int x, int y) { return x == 0 && Abs(y) <= r; }); }
constexpr Mask Hourglass(int r) { return Make([r](int x, int y) { return Abs(y) <= r && Abs(x) <= Abs(y); }); }
constexpr Mask Bowtie(int r) { return Make([r](int x, int y) { return Abs(x) <= r && Abs(y) <= Abs(x); }); }
constexpr Mask LeftHalf(const Mask& M) { return Make([&M](int x, int y) { return x <= 0 && Has(M, x, y); }); }
constexpr Mask UpperHalf(const Mask& M) { return Make([&M](int x, int y) { return y <= 0 && Has(M, x, y); }); }
// A vertical shaft with a head of two steps at the top (Up) or bottom.
constexpr Mask Arrow(bool Up) {
  return VBar(4) | Make([Up](int x, int y) {
           int t = Up ? y + 4 : 4 - y;  // distance from the tip
           return t >= 1 && t <= 2 && Abs(x) == t;
         });
}

constexpr std::array<Mask, 52> kShapes = {
    Plus(1),                                  // 0 dot
    Outline(Square(3)), Square(3),            // 1, 2
    Outline(Disc(3)), Disc(3),                // 3, 4
    Outline(TriUp(4)), TriUp(4),              // 5, 6
    Outline(TriDown(4)), TriDown(4),          // 7, 8
    Outline(Diamond(4)), Diamond(4),          // 9, 10
    Plus(4), Cross(3), Plus(4) | Cross(3),    // 11 plus, 12 x, 13 star
    Outline(TriLeft(4)), TriLeft(4),          // 14, 15
    Outline(TriRight(4)), TriRight(4),        // 16, 17
    HBar(4), VBar(4),                         // 18, 19
    Outline(Square(3)) | Square(0),           // 20 square with a dot
    Outline(Disc(3)) | Square(0),             // 21 circle with a dot
    Outline(Square(4)) | Plus(4),             // 22 square with plus
    Outline(Square(4)) | Cross(4),            // 23 square with x
    Outline(Disc(4)) | Plus(4),               // 24 circle with plus
    Outline(Disc(4)) | Cross(3),              // 25 circle with x
    Outline(Diamond(5)) | Plus(5),            // 26 diamond with plus
    Outline(Square(2)), Square(2),            // 27, 28 small
    Outline(Disc(2)), Disc(2),                // 29, 30 small
    Outline(Square(5)), Square(5),            // 31, 32 large
    Outline(Disc(5)), Disc(5),                // 33, 34 large
    Outline(TriUp(5)), TriUp(5),              // 35, 36 large
    Outline(TriDown(5)), TriDown(5),          // 37, 38 large
    Outline(Diamond(5)), Diamond(5),          // 39, 40 large
    Plus(5), Cross(5), Plus(5) | Cross(4),    // 41, 42, 43 large
    Hourglass(4), Bowtie(4),                  // 44, 45
    Outline(Square(4)) | Outline(Square(2)),  // 46 double square
    Outline(Disc(5)) | Outline(Disc(2)),      // 47 double circle
    Outline(Square(4)) | LeftHalf(Square(4)),  // 48 half-filled square
    Outline(Disc(4)) | UpperHalf(Disc(4)),    // 49 half-filled circle
    Arrow(true), Arrow(false),                // 50, 51
};

}  // namespace

const Mask& Shape(int Mark) { return kShapes[static_cast<std::size_t>(Mark)]; }

}  // namespace vyr::marks
