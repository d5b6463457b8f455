// Push-button and speed-button faces: fill, default ring, frame of the
// state, focus rectangle, and where the content goes.
#include "platform/look/LookCanvas.h"

namespace vcl::look {

using detail::Fill;
using detail::Inset;

namespace {

void DrawFaceFrame(TCanvas& C, const TRect& R, TButtonFace Face) {
  switch (Face) {
    case bfUp:
    case bfDisabled: DrawButtonFrame(C, R, false); break;
    case bfDown: DrawButtonFrame(C, R, true); break;
    case bfHot: DrawEdge(C, R, clBtnHighlight, clBtnShadow); break;
    case bfFlatDown: DrawEdge(C, R, clBtnShadow, clBtnHighlight); break;
    case bfPushed: DrawFlatBorder(C, R, clBtnShadow); break;
    case bfFlat: break;
  }
}

}  // namespace

bool FaceIsDown(TButtonFace Face) {
  return Face == bfDown || Face == bfFlatDown || Face == bfPushed;
}

TRect ButtonInnerRect(const TRect& R, TFaceOptions Options) {
  return Inset(R, Options.Contains(foDefault) ? 3 : 2);
}

TRect ButtonContentRect(const TRect& R, TButtonFace Face, TFaceOptions Options) {
  TRect r = ButtonInnerRect(R, Options);
  if (FaceIsDown(Face)) r.Offset(1, 1);
  return r;
}

void DrawButtonFrame(TCanvas& C, const TRect& R, bool Down) {
  if (Down) {
    DrawEdge(C, DrawEdge(C, R, cl3DDkShadow, clBtnHighlight), clBtnShadow, cl3DLight);
  } else {
    DrawEdge(C, DrawEdge(C, R, clBtnHighlight, cl3DDkShadow), cl3DLight, clBtnShadow);
  }
}

TRect DrawButtonFace(TCanvas& C, const TRect& R, TButtonFace Face, TFaceOptions Options,
                     TColor Fill) {
  if (!R.IsEmpty()) {
    detail::TKeepCanvas keep(C);
    if (Fill != clNone) detail::Fill(C, R, Fill);
    TRect frame = Options.Contains(foDefault) ? DrawFlatBorder(C, R, clWindowFrame) : R;
    DrawFaceFrame(C, frame, Face);
    if (Options.Contains(foFocused)) DrawFocusRect(C, Inset(R, 4));
  }
  return ButtonContentRect(R, Face, Options);
}

void DrawFocusRect(TCanvas& C, const TRect& R) { C.DrawFocusRect(R); }

}  // namespace vcl::look
