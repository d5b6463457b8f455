// Band geometry and colors of the gradient fill, shared by painting and
// tests: every boundary and every color step is a MulDiv, so bands tile the
// area exactly and colors do not drift with the band count.
#include "VYR_gradfl/VYR_gradfl.h"
#include "platform/WinapiGdi.h"

namespace vyr {

namespace {

bool IsHorizontal(TGradType T) { return T == gtHoriz || T == gtMidBandHoriz; }
bool IsMidBand(TGradType T) { return T == gtMidBandHoriz || T == gtMidBandVert; }

// One byte of a band color: the first byte plus the step share, in byte
// arithmetic.
std::uint8_t Channel(std::uint8_t First, std::uint8_t Last, int Step, int Steps) {
  const int delta = static_cast<int>(Last) - static_cast<int>(First);
  return static_cast<std::uint8_t>((First + vcl::MulDiv(Step, delta, Steps)) & 0xFF);
}

}  // namespace

vcl::TRect GradBandRect(TGradType FillType, int Index, int N, int W, int H) {
  if (N < 1) N = 1;
  if (IsHorizontal(FillType)) {
    return {0, vcl::MulDiv(Index, H, N), W, vcl::MulDiv(Index + 1, H, N)};
  }
  return {vcl::MulDiv(Index, W, N), 0, vcl::MulDiv(Index + 1, W, N), H};
}

vcl::TColor GradBandColor(TGradType FillType, int Index, int N, vcl::TColor First,
                          vcl::TColor Last) {
  const vcl::TColor first = vcl::ColorToRGB(First);
  const vcl::TColor last = vcl::ColorToRGB(Last);
  if (N <= 1) return first;
  int step = Index;
  int steps = N;
  if (IsMidBand(FillType)) {
    // Both edges start at the first color; the band at N div 2 has the last.
    steps = N / 2;
    step = Index <= steps ? Index : N - Index - 1;
  }
  return vcl::RGB(Channel(vcl::GetRValue(first), vcl::GetRValue(last), step, steps),
                  Channel(vcl::GetGValue(first), vcl::GetGValue(last), step, steps),
                  Channel(vcl::GetBValue(first), vcl::GetBValue(last), step, steps));
}

std::vector<int> GradGridLines(int Extent, int N) {
  std::vector<int> lines;
  for (int i = 1; i < N; ++i) lines.push_back(vcl::MulDiv(i, Extent, N));
  return lines;
}

}  // namespace vyr
