// Every element of the look module in every state, each with its label,
// laid out in rows: drawn by tools/look_gallery.cpp into docs/look.png and
// shown on the showcase window's "Look" page.
#pragma once

#include <algorithm>
#include <functional>
#include <string>

#include "platform/Graphics.h"
#include "platform/Look.h"
#include "platform/StdCtrls.h"

namespace showcase::gallery {

using namespace vcl;
using namespace vcl::look;

constexpr int kMargin = 12, kTitleWidth = 120, kLabelHeight = 16, kGap = 6;

using TDraw = std::function<void(TCanvas&, const TRect&)>;

// Lays the cells out in rows, one row per section, a label under each cell.
class TGallery {
 public:
  explicit TGallery(TCanvas& C) : FCanvas(C) {}

  void Section(const char* Title, int RowHeight) {
    FY += FRowHeight == 0 ? kMargin : FRowHeight + kLabelHeight + kGap;
    FX = kMargin + kTitleWidth;
    FRowHeight = RowHeight;
    FCanvas.Brush()->SetStyle(bsClear);
    FCanvas.Font()->SetStyle({fsBold});
    FCanvas.TextOut(kMargin, FY, FromUTF8(Title));
    FCanvas.Font()->SetStyle({});
  }
  void Cell(const std::string& Label, int Width, const TDraw& Draw) {
    const String label = FromUTF8(Label);
    const int room = std::max(Width, FCanvas.TextWidth(label));
    const TRect r = Bounds(FX + (room - Width) / 2, FY, Width, FRowHeight);
    Draw(FCanvas, r);
    FCanvas.Brush()->SetStyle(bsClear);
    FCanvas.Font()->SetColor(clBtnText);
    FCanvas.TextOut(FX + (room - FCanvas.TextWidth(label)) / 2, FY + FRowHeight + 2, label);
    FX += room + kGap;
  }

 private:
  TCanvas& FCanvas;
  int FX = 0, FY = 0, FRowHeight = 0;
};

// A caption centred in the content rectangle of a face, engraved when
// the face is disabled.
inline void Caption(TCanvas& C, const TRect& Content, bool Enabled) {
  const unsigned format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (!Enabled) {
    DrawEngravedText(C, Content, u"OK", format);
    return;
  }
  TRect r = Content;
  C.Brush()->SetStyle(bsClear);
  C.Font()->SetColor(clBtnText);
  DrawText(&C, u"OK", -1, r, format);
}

inline void Edges(TGallery& G) {
  G.Section("Edges", 30);
  const char* names[] = {"raised outer", "raised inner", "sunken outer", "sunken inner",
                         "raised", "sunken", "etched", "bump"};
  for (int k = ekRaisedOuter; k <= ekBump; ++k) {
    G.Cell(names[k], 56, [k](TCanvas& C, const TRect& R) { DrawEdge(C, R, TEdgeKind(k)); });
  }
  G.Cell("flat border", 56, [](TCanvas& C, const TRect& R) { DrawFlatBorder(C, R); });
  G.Section("Bevels", 30);
  G.Cell("raised", 56, [](TCanvas& C, const TRect& R) { DrawBevel(C, R, bcRaised); });
  G.Cell("lowered", 56, [](TCanvas& C, const TRect& R) { DrawBevel(C, R, bcLowered); });
  G.Cell("raised, 3 wide", 56, [](TCanvas& C, const TRect& R) { DrawBevel(C, R, bcRaised, 3); });
  G.Cell("lowered in raised", 56,
         [](TCanvas& C, const TRect& R) { DrawDoubleBevel(C, R, bcRaised, bcLowered); });
  G.Cell("raised in lowered", 56,
         [](TCanvas& C, const TRect& R) { DrawDoubleBevel(C, R, bcLowered, bcRaised); });
  G.Cell("2 + 2 wide", 56,
         [](TCanvas& C, const TRect& R) { DrawDoubleBevel(C, R, bcLowered, bcRaised, 2); });
}

inline void Faces(TGallery& G) {
  G.Section("Button faces", 25);
  struct TFaceCell {
    const char* Name;
    TButtonFace Face;
    TFaceOptions Options;
  };
  const TFaceCell cells[] = {
      {"up", bfUp, {}},           {"down", bfDown, {}},
      {"flat", bfFlat, {}},       {"hot", bfHot, {}},
      {"disabled", bfDisabled, {}}, {"flat down", bfFlatDown, {}},
      {"pushed", bfPushed, {}},   {"default", bfUp, {foDefault}},
      {"default, focused", bfUp, {foDefault, foFocused}},
      {"pushed, default", bfPushed, {foDefault, foFocused}},
  };
  for (const TFaceCell& f : cells) {
    G.Cell(f.Name, 64, [f](TCanvas& C, const TRect& R) {
      Caption(C, DrawButtonFace(C, R, f.Face, f.Options), f.Face != bfDisabled);
    });
  }
}

inline void Arrows(TGallery& G) {
  G.Section("Arrows", 25);
  const char* names[] = {"up", "down", "left", "right"};
  for (int size : {13, 17, 25}) {
    for (int d = adUp; d <= adRight; ++d) {
      G.Cell(std::string(names[d]) + " " + std::to_string(size), 28,
             [d, size](TCanvas& C, const TRect& R) {
               DrawArrow(C, Bounds(R.Left, R.Top, size, size), TArrowDirection(d));
             });
    }
  }
  G.Section("Disabled arrows", 25);
  for (int d = adUp; d <= adRight; ++d) {
    G.Cell(names[d], 28, [d](TCanvas& C, const TRect& R) {
      DrawArrow(C, Bounds(R.Left, R.Top, 17, 17), TArrowDirection(d), false);
    });
  }
}

inline void ScrollParts(TGallery& G) {
  G.Section("Scroll bar parts", 17);
  const char* names[] = {"up", "down", "left", "right"};
  for (int d = adUp; d <= adRight; ++d) {
    G.Cell(names[d], 17, [d](TCanvas& C, const TRect& R) {
      DrawScrollButton(C, R, TArrowDirection(d), false, true);
    });
  }
  G.Cell("pressed", 40, [](TCanvas& C, const TRect& R) {
    DrawScrollButton(C, Bounds(R.Left, R.Top, 17, 17), adUp, true, true);
    DrawScrollButton(C, Bounds(R.Left + 21, R.Top, 17, 17), adRight, true, true);
  });
  G.Cell("disabled", 40, [](TCanvas& C, const TRect& R) {
    DrawScrollButton(C, Bounds(R.Left, R.Top, 17, 17), adDown, false, false);
    DrawScrollButton(C, Bounds(R.Left + 21, R.Top, 17, 17), adLeft, false, false);
  });
  G.Cell("thumb", 40, [](TCanvas& C, const TRect& R) { DrawScrollThumb(C, R); });
  G.Cell("track", 40, [](TCanvas& C, const TRect& R) { DrawScrollTrack(C, R); });
  G.Cell("pressed track", 40, [](TCanvas& C, const TRect& R) { DrawScrollTrack(C, R, true); });
  G.Cell("put together", 160, [](TCanvas& C, const TRect& R) {
    DrawScrollButton(C, Bounds(R.Left, R.Top, 17, 17), adLeft, false, true);
    DrawScrollTrack(C, Rect(R.Left + 17, R.Top, R.Left + 50, R.Bottom));
    DrawScrollTrack(C, Rect(R.Left + 50, R.Top, R.Left + 90, R.Bottom), true);
    DrawScrollThumb(C, Rect(R.Left + 90, R.Top, R.Left + 120, R.Bottom));
    DrawScrollTrack(C, Rect(R.Left + 120, R.Top, R.Right - 17, R.Bottom));
    DrawScrollButton(C, Rect(R.Right - 17, R.Top, R.Right, R.Bottom), adRight, false, true);
  });
}

inline void Glyphs(TGallery& G) {
  G.Section("Check boxes", 13);
  const char* states[] = {"unchecked", "checked", "grayed"};
  const char* variants[] = {"", ", disabled", ", pushed"};
  for (int variant = 0; variant < 3; ++variant) {
    for (int s = 0; s < 3; ++s) {
      G.Cell(std::string(states[s]) + variants[variant], 13,
             [s, variant](TCanvas& C, const TRect& R) {
               DrawCheckBox(C, R.Left, R.Top, s, variant != 1, variant == 2);
             });
    }
  }
  G.Section("Radio buttons", 13);
  for (int variant = 0; variant < 3; ++variant) {
    for (int s = 0; s < 2; ++s) {
      G.Cell(std::string(states[s]) + variants[variant], 13,
             [s, variant](TCanvas& C, const TRect& R) {
               DrawRadio(C, R.Left, R.Top, s == 1, variant != 1, variant == 2);
             });
    }
  }
  G.Cell("flat box", 13, [](TCanvas& C, const TRect& R) {
    DrawFlatCheckFrame(C, R.Left, R.Top, false, clBtnShadow);
    DrawCheckMark(C, R.Left, R.Top, clWindowText);
  });
  G.Cell("flat radio", 13, [](TCanvas& C, const TRect& R) {
    DrawFlatCheckFrame(C, R.Left, R.Top, true, clBtnShadow);
    DrawRadioDot(C, R.Left, R.Top, clWindowText);
  });
}

// The glyphs four times as large, to show their pixels.
inline void Zoomed(TGallery& G) {
  G.Section("Glyphs, 4 x", 52);
  auto zoom = [](const std::function<void(TCanvas&)>& Draw) {
    return [Draw](TCanvas& C, const TRect& R) {
      TBitmap glyph(13, 13);
      glyph.Canvas()->Brush()->SetColor(clBtnFace);
      glyph.Canvas()->FillRect(Rect(0, 0, 13, 13));
      Draw(*glyph.Canvas());
      C.StretchDraw(R, &glyph);
    };
  };
  G.Cell("checked", 52, zoom([](TCanvas& C) { DrawCheckBox(C, 0, 0, 1, true); }));
  G.Cell("grayed", 52, zoom([](TCanvas& C) { DrawCheckBox(C, 0, 0, 2, true); }));
  G.Cell("radio", 52, zoom([](TCanvas& C) { DrawRadio(C, 0, 0, true, true); }));
  G.Cell("disabled radio", 52, zoom([](TCanvas& C) { DrawRadio(C, 0, 0, false, false); }));
  G.Cell("disabled arrow", 52,
         zoom([](TCanvas& C) { DrawArrow(C, Rect(0, 0, 13, 13), adDown, false); }));
  G.Cell("size grip", 52, zoom([](TCanvas& C) { DrawSizeGrip(C, Rect(0, 0, 13, 13)); }));
}

inline void Marks(TGallery& G) {
  G.Section("Headers, focus", 20);
  const char* sorts[] = {"header", "ascending", "descending"};
  for (int s = hsNone; s <= hsDescending; ++s) {
    G.Cell(sorts[s], 90, [s](TCanvas& C, const TRect& R) {
      TRect text = DrawHeaderSection(C, R, THeaderSort(s));
      C.Brush()->SetStyle(bsClear);
      C.TextOut(text.Left + 2, text.Top, u"Name");
    });
  }
  G.Cell("pressed", 90, [](TCanvas& C, const TRect& R) {
    TRect text = DrawHeaderSection(C, R, hsAscending, true);
    C.Brush()->SetStyle(bsClear);
    C.TextOut(text.Left + 2, text.Top, u"Name");
  });
  G.Cell("focus rectangle", 90, [](TCanvas& C, const TRect& R) { DrawFocusRect(C, R); });
  G.Cell("size grip", 40, [](TCanvas& C, const TRect& R) {
    DrawEdge(C, R, ekSunkenOuter);
    DrawSizeGrip(C, Rect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1));
  });
  G.Cell("engraved text", 90, [](TCanvas& C, const TRect& R) {
    DrawEngravedText(C, R.Left + 4, R.Top + 3, u"Disabled");
  });
}


// The gallery's size with and without the glyphs drawn four times as large.
constexpr int GalleryWidth = 980;
inline int GalleryHeight(bool WithZoom) { return WithZoom ? 480 : 410; }

// The whole gallery from the top-left corner of C (C's font is used for the
// labels).
inline void DrawGallery(TCanvas& C, bool WithZoom) {
  TGallery g(C);
  Edges(g);
  Faces(g);
  Arrows(g);
  ScrollParts(g);
  Glyphs(g);
  if (WithZoom) Zoomed(g);
  Marks(g);
}

}  // namespace showcase::gallery
