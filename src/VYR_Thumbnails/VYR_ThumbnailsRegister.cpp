// The thumbnail strip in form files. The inherited control settings (Align,
// Anchors, Font, PopupMenu, ...) come from every control's registration;
// FocusedSlide is state of the mouse and is not stored.
#include "VYR_Thumbnails/VYR_Thumbnails.h"
#include "platform/Streaming.h"

namespace vyr {

namespace {

bool RegisterThumbnails() {
  vcl::RegisterEnum<TFrameStyle>(
      {u"fsNoFrame", u"fsSimple", u"fsLowered", u"fsRaised", u"fsEtched", u"fsBump"});
  vcl::RegisterEnum<TColorScheme>({u"csBWG", u"csSystem"});
  using T = TThumbnails;
  vcl::RegisterClass<T, vcl::TGraphicControl>(u"TThumbnails")
      .Property(u"Min", &T::Min, &T::SetMin, 1)
      .Property(u"Max", &T::Max, &T::SetMax, 100)
      .Property(u"SlideSize", &T::SlideSize, &T::SetSlideSize, 120)
      .Property(u"SlideDistance", &T::SlideDistance, &T::SetSlideDistance, 2)
      .Property(u"SlideMargin", &T::SlideMargin, &T::SetSlideMargin, 7)
      .Enum(u"SlideSelectMode", &T::SlideSelectMode, &T::SetSlideSelectMode, ssmSingle,
            {u"ssmDisabled", u"ssmSingle", u"ssmMultiple"})
      .Property(u"AntiAlias", &T::AntiAlias, &T::SetAntiAlias, false)
      .Property(u"FocusLinewidth", &T::FocusLinewidth, &T::SetFocusLinewidth, 1)
      .Color(u"ColorBackGnd", &T::ColorBackGnd, &T::SetColorBackGnd, vcl::clBtnFace)
      .Color(u"ColorCover", &T::ColorCover, &T::SetColorCover, T::DefaultColorCover)
      .Color(u"ColorSelected", &T::ColorSelected, &T::SetColorSelected, T::DefaultColorSelected)
      .Color(u"ColorFocus", &T::ColorFocus, &T::SetColorFocus, T::DefaultColorFocus)
      .Color(u"ColorMark", &T::ColorMark, &T::SetColorMark, vcl::clBlack)
      .Property(u"FrameStyle", &T::FrameStyle, &T::SetFrameStyle, fsLowered)
      .Property(u"OuterFrameStyle", &T::OuterFrameStyle, &T::SetOuterFrameStyle, fsRaised)
      .Property(u"InnerFrameStyle", &T::InnerFrameStyle, &T::SetInnerFrameStyle, fsLowered)
      .Property(u"ColorScheme", &T::ColorScheme, &T::SetColorScheme, csBWG)
      .Event(u"OnImageRequest")
      .Event(u"OnSlideRendered")
      .Event(u"OnImageClick")
      .Event(u"OnImageDblClick")
      .Event(u"OnFocusChange")
      .Event(u"OnFirstImageRequest")
      .Event(u"OnLastImageRequest");
  return true;
}

const bool registered = RegisterThumbnails();

}  // namespace

}  // namespace vyr
