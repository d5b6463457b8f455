#include "platform/stdctrls/Look.h"

#include <algorithm>

namespace vcl::look {

void DrawScrollBar(TCanvas& C, const TRect& R, bool Vertical, int Position, int Page,
                   int Total) {
  if (R.IsEmpty()) return;
  DrawScrollTrack(C, R);
  if (Total <= Page || Total <= 0) return;
  int length = Vertical ? R.Height() : R.Width();
  int size = std::max(8, static_cast<int>(static_cast<long long>(length) * Page / Total));
  int room = std::max(0, length - size);
  int maxPos = std::max(1, Total - Page);
  int offset =
      static_cast<int>(static_cast<long long>(room) * std::clamp(Position, 0, maxPos) / maxPos);
  TRect thumb = Vertical ? Rect(R.Left, R.Top + offset, R.Right, R.Top + offset + size)
                         : Rect(R.Left + offset, R.Top, R.Left + offset + size, R.Bottom);
  DrawScrollThumb(C, thumb);
}

}  // namespace vcl::look
