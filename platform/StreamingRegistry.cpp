// The published properties of the platform's own classes: components,
// fonts, controls and forms.
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/Menus.h"
#include "platform/Streaming.h"
#include "platform/streaming/Registry.h"

namespace vcl::streaming {

namespace {

std::int16_t DesignLeft(const TComponent& C) { return static_cast<std::int16_t>(C.DesignInfo() & 0xFFFF); }
std::int16_t DesignTop(const TComponent& C) { return static_cast<std::int16_t>(static_cast<std::uint32_t>(C.DesignInfo()) >> 16); }
void SetDesignLeft(TComponent& C, std::int16_t Value) {
  C.SetDesignInfo(static_cast<std::int32_t>((static_cast<std::uint32_t>(C.DesignInfo()) & 0xFFFF0000u) |
                                            static_cast<std::uint16_t>(Value)));
}
void SetDesignTop(TComponent& C, std::int16_t Value) {
  C.SetDesignInfo(static_cast<std::int32_t>((static_cast<std::uint32_t>(C.DesignInfo()) & 0xFFFFu) |
                                            static_cast<std::uint32_t>(static_cast<std::uint16_t>(Value)) << 16));
}

void RegisterComponentClasses() {
  RegisterClass<TPersistent, void>(u"TPersistent");
  // The name is written in the object line, so as a property it is only read.
  RegisterClass<TComponent, TPersistent>(u"TComponent")
      .Property(u"Name", &TComponent::Name, &TComponent::SetName).Stored(false)
      .Property(u"Tag", &TComponent::Tag, &TComponent::SetTag, 0)
      // The designer's place of a component that is not a control, after
      // its other values (controls register their own Left and Top).
      .Property(u"Left", &DesignLeft, &SetDesignLeft, std::int16_t{0})
      .Trailing()
      .Property(u"Top", &DesignTop, &SetDesignTop, std::int16_t{0})
      .Trailing();
  // Collections lend their items' classes to form files (see Collections.h).
  RegisterClass<TCollection, TPersistent>(u"TCollection");
  RegisterClass<TCollectionItem, TPersistent>(u"TCollectionItem");
}

formvalue::TIdentNames CharsetNames() {
  return {{0, u"ANSI_CHARSET"},       {1, u"DEFAULT_CHARSET"},    {2, u"SYMBOL_CHARSET"},
          {77, u"MAC_CHARSET"},       {128, u"SHIFTJIS_CHARSET"}, {129, u"HANGEUL_CHARSET"},
          {130, u"JOHAB_CHARSET"},    {134, u"GB2312_CHARSET"},   {136, u"CHINESEBIG5_CHARSET"},
          {161, u"GREEK_CHARSET"},    {162, u"TURKISH_CHARSET"},  {163, u"VIETNAMESE_CHARSET"},
          {177, u"HEBREW_CHARSET"},   {178, u"ARABIC_CHARSET"},   {186, u"BALTIC_CHARSET"},
          {204, u"RUSSIAN_CHARSET"},  {222, u"THAI_CHARSET"},     {238, u"EASTEUROPE_CHARSET"},
          {255, u"OEM_CHARSET"}};
}

formvalue::TIdentNames CursorNameList() {
  return {{crDefault, u"crDefault"},     {crNone, u"crNone"},       {crArrow, u"crArrow"},
          {crCross, u"crCross"},         {crIBeam, u"crIBeam"},     {crSizeNESW, u"crSizeNESW"},
          {crSizeNS, u"crSizeNS"},       {crSizeNWSE, u"crSizeNWSE"}, {crSizeWE, u"crSizeWE"},
          {crUpArrow, u"crUpArrow"},     {crHourGlass, u"crHourGlass"}, {crDrag, u"crDrag"},
          {crNoDrop, u"crNoDrop"},       {crHSplit, u"crHSplit"},   {crVSplit, u"crVSplit"},
          {crMultiDrag, u"crMultiDrag"}, {crSQLWait, u"crSQLWait"}, {crNo, u"crNo"},
          {crAppStart, u"crAppStart"},   {crHelp, u"crHelp"},       {crHandPoint, u"crHandPoint"},
          {crSizeAll, u"crSizeAll"}};
}

// A font is written whole whenever its owner stores it (its owner may start
// from another font than TFont's own), so only the rarely changed attributes
// have defaults; Size is read but written as Height.
void RegisterFont() {
  RegisterEnum<TFontStyle>({u"fsBold", u"fsItalic", u"fsUnderline", u"fsStrikeOut"});
  RegisterEnum<TFontPitch>({u"fpDefault", u"fpVariable", u"fpFixed"});
  RegisterEnum<TFontQuality>({u"fqDefault", u"fqDraft", u"fqProof", u"fqNonAntialiased",
                              u"fqAntialiased", u"fqClearType", u"fqClearTypeNatural"});
  RegisterEnum<TPenStyle>({u"psSolid", u"psDash", u"psDot", u"psDashDot", u"psDashDotDot", u"psClear",
                           u"psInsideFrame", u"psUserStyle", u"psAlternate"});
  RegisterEnum<TPenMode>({u"pmBlack", u"pmWhite", u"pmNop", u"pmNot", u"pmCopy", u"pmNotCopy",
                          u"pmMergePenNot", u"pmMaskPenNot", u"pmMergeNotPen", u"pmMaskNotPen",
                          u"pmMerge", u"pmNotMerge", u"pmMask", u"pmNotMask", u"pmXor", u"pmNotXor"});
  RegisterEnum<TBrushStyle>({u"bsSolid", u"bsClear", u"bsHorizontal", u"bsVertical", u"bsFDiagonal",
                             u"bsBDiagonal", u"bsCross", u"bsDiagCross"});
  RegisterClass<TPen, TPersistent>(u"TPen")
      .Color(u"Color", &TPen::Color, &TPen::SetColor, clBlack)
      .Property(u"Mode", &TPen::Mode, &TPen::SetMode, pmCopy)
      .Property(u"Style", &TPen::Style, &TPen::SetStyle, psSolid)
      .Property(u"Width", &TPen::Width, &TPen::SetWidth, 1);
  RegisterClass<TBrush, TPersistent>(u"TBrush")
      .Color(u"Color", &TBrush::Color, &TBrush::SetColor, clWhite)
      .Property(u"Style", &TBrush::Style, &TBrush::SetStyle, bsSolid);
  RegisterClass<TFont, TPersistent>(u"TFont")
      .Named(u"Charset", &TFont::Charset, &TFont::SetCharset, DEFAULT_CHARSET, CharsetNames())
      .Color(u"Color", &TFont::Color, &TFont::SetColor)
      .Property(u"Height", &TFont::Height, &TFont::SetHeight)
      .Property(u"Name", &TFont::Name, &TFont::SetName).NoDefault()
      .Property(u"Orientation", &TFont::Orientation, &TFont::SetOrientation, 0)
      .Property(u"Pitch", &TFont::Pitch, &TFont::SetPitch, fpDefault)
      .Property(u"Quality", &TFont::Quality, &TFont::SetQuality, fqDefault)
      .Property(u"Size", &TFont::Size, &TFont::SetSize).Stored(false)
      .Property(u"Style", &TFont::Style, &TFont::SetStyle);
}

// Settings of every control that form files carry although this platform
// does not act on them: touch, margins and padding.
void RegisterKeptSettings() {
  RegisterEnum<TInteractiveGesture>({u"igZoom", u"igPan", u"igRotate", u"igTwoFingerTap",
                                     u"igPressAndTap"});
  RegisterEnum<TInteractiveGestureOption>({u"igoPanSingleFingerHorizontal",
                                           u"igoPanSingleFingerVertical", u"igoPanInertia",
                                           u"igoPanGutter", u"igoParentPassthrough"});
  RegisterEnum<TTabletOption>({u"toPressAndHold", u"toPenTapFeedback", u"toPenBarrelFeedback",
                               u"toTouchUIForceOn", u"toTouchUIForceOff", u"toTouchSwitch",
                               u"toFlicks", u"toSmoothScrolling", u"toFlickFallbackKeys"});
  using T = TTouchManager;
  RegisterClass<T, TPersistent>(u"TTouchManager")
      .Property(u"InteractiveGestures", &T::InteractiveGestures, &T::SetInteractiveGestures,
                {igPan, igPressAndTap})
      .Property(u"InteractiveGestureOptions", &T::InteractiveGestureOptions,
                &T::SetInteractiveGestureOptions,
                {igoPanSingleFingerHorizontal, igoPanSingleFingerVertical, igoPanInertia,
                 igoPanGutter, igoParentPassthrough})
      .Property(u"ParentTabletOptions", &T::ParentTabletOptions, &T::SetParentTabletOptions, true)
      .Property(u"TabletOptions", &T::TabletOptions, &T::SetTabletOptions)
      .Stored([](const T& t) { return !t.ParentTabletOptions(); });
  RegisterClass<TMargins, TPersistent>(u"TMargins")
      .Property(u"Left", &TMargins::Left, &TMargins::SetLeft, 3)
      .Property(u"Top", &TMargins::Top, &TMargins::SetTop, 3)
      .Property(u"Right", &TMargins::Right, &TMargins::SetRight, 3)
      .Property(u"Bottom", &TMargins::Bottom, &TMargins::SetBottom, 3);
  RegisterClass<TPadding, TMargins>(u"TPadding")
      .Property(u"Left", &TMargins::Left, &TMargins::SetLeft, 0)
      .Property(u"Top", &TMargins::Top, &TMargins::SetTop, 0)
      .Property(u"Right", &TMargins::Right, &TMargins::SetRight, 0)
      .Property(u"Bottom", &TMargins::Bottom, &TMargins::SetBottom, 0);
}

void RegisterConstraints() {
  RegisterClass<TSizeConstraints, TPersistent>(u"TSizeConstraints")
      .Property(u"MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight, 0)
      .Property(u"MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth, 0)
      .Property(u"MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight, 0)
      .Property(u"MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth, 0);
}

// Color, Font, ShowHint and BiDiMode are stored only when they do not follow
// the parent, as a control takes them from its parent otherwise. Every
// control accepts (and writes back) what form files carry on every control,
// whether or not this platform acts on it.
void RegisterControl() {
  RegisterEnum<TAlign>({u"alNone", u"alTop", u"alBottom", u"alLeft", u"alRight", u"alClient",
                        u"alCustom"});
  RegisterEnum<TAnchorKind>({u"akLeft", u"akTop", u"akRight", u"akBottom"});
  RegisterEnum<TBiDiMode>({u"bdLeftToRight", u"bdRightToLeft", u"bdRightToLeftNoAlign",
                           u"bdRightToLeftReadingOnly"});
  RegisterEnum<TDragKind>({u"dkDrag", u"dkDock"});
  RegisterEnum<TDragMode>({u"dmManual", u"dmAutomatic"});
  RegisterEnum<THelpType>({u"htKeyword", u"htContext"});
  RegisterEnum<TStyleElement>({u"seFont", u"seClient", u"seBorder"});
  RegisterClass<TControl, TComponent>(u"TControl")
      .Property(u"Left", &TControl::Left, &TControl::SetLeft)
      .Property(u"Top", &TControl::Top, &TControl::SetTop)
      .Property(u"Width", &TControl::Width, &TControl::SetWidth)
      .Property(u"Height", &TControl::Height, &TControl::SetHeight)
      .Property(u"Align", &TControl::Align, &TControl::SetAlign, alNone)
      .Property(u"Anchors", &TControl::Anchors, &TControl::SetAnchors, {akLeft, akTop})
      .Color(u"Color", &TControl::Color, &TControl::SetColor)
      .Stored([](const TControl& c) { return !c.ParentColor(); })
      .Nested(u"Constraints", [](TControl& c) { return c.Constraints(); })
      .Named(u"Cursor", &TControl::Cursor, &TControl::SetCursor, crDefault, formvalue::CursorNames())
      .Property(u"Enabled", &TControl::Enabled, &TControl::SetEnabled, true)
      .Nested(u"Font", [](TControl& c) { return c.Font(); })
      .Stored([](const TControl& c) { return !c.ParentFont(); })
      .Property(u"Hint", &TControl::Hint, &TControl::SetHint)
      .Property(u"ParentColor", &TControl::ParentColor, &TControl::SetParentColor, true)
      .Property(u"ParentFont", &TControl::ParentFont, &TControl::SetParentFont, true)
      .Property(u"ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint, true)
      .Reference(u"PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)
      .Property(u"ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
      .Stored([](const TControl& c) { return !c.ParentShowHint(); })
      .Property(u"Visible", &TControl::Visible, &TControl::SetVisible, true)
      .Property(u"AlignWithMargins", &TControl::AlignWithMargins, &TControl::SetAlignWithMargins,
                false)
      .Property(u"BiDiMode", &TControl::BiDiMode, &TControl::SetBiDiMode)
      .Stored([](const TControl& c) { return !c.ParentBiDiMode(); })
      .Property(u"ParentBiDiMode", &TControl::ParentBiDiMode, &TControl::SetParentBiDiMode, true)
      .Named(u"DragCursor", &TControl::DragCursor, &TControl::SetDragCursor, crDrag, formvalue::CursorNames())
      .Property(u"DragKind", &TControl::DragKind, &TControl::SetDragKind, dkDrag)
      .Property(u"DragMode", &TControl::DragMode, &TControl::SetDragMode, dmManual)
      .Property(u"HelpContext", &TControl::HelpContext, &TControl::SetHelpContext, 0)
      .Property(u"HelpKeyword", &TControl::HelpKeyword, &TControl::SetHelpKeyword)
      .Property(u"HelpType", &TControl::HelpType, &TControl::SetHelpType, htContext)
      .Nested(u"Margins", [](TControl& c) { return c.Margins(); })
      .Property(u"StyleElements", &TControl::StyleElements, &TControl::SetStyleElements,
                {seFont, seClient, seBorder})
      .Nested(u"Touch", [](TControl& c) { return c.Touch(); })
      .Property(u"ExplicitLeft", &TControl::ExplicitLeft, &TControl::SetExplicitLeft, 0)
      .Property(u"ExplicitTop", &TControl::ExplicitTop, &TControl::SetExplicitTop, 0)
      .Property(u"ExplicitWidth", &TControl::ExplicitWidth, &TControl::SetExplicitWidth, 0)
      .Property(u"ExplicitHeight", &TControl::ExplicitHeight, &TControl::SetExplicitHeight, 0)
      .Property(u"DesignSize", &TControl::DesignSize, &TControl::SetDesignSize, TPoint())
      .Event(u"OnClick", &TControl::OnClick, &TControl::SetOnClick)
      .Event(u"OnDblClick", &TControl::OnDblClick, &TControl::SetOnDblClick)
      .Event(u"OnContextPopup", &TControl::OnContextPopup, &TControl::SetOnContextPopup)
      .Event(u"OnMouseDown", &TControl::OnMouseDown, &TControl::SetOnMouseDown)
      .Event(u"OnMouseMove", &TControl::OnMouseMove, &TControl::SetOnMouseMove)
      .Event(u"OnMouseUp", &TControl::OnMouseUp, &TControl::SetOnMouseUp)
      .Event(u"OnMouseEnter", &TControl::OnMouseEnter, &TControl::SetOnMouseEnter)
      .Event(u"OnMouseLeave", &TControl::OnMouseLeave, &TControl::SetOnMouseLeave)
      .Event(u"OnMouseWheel", &TControl::OnMouseWheel, &TControl::SetOnMouseWheel)
      .Event(u"OnMouseWheelDown", &TControl::OnMouseWheelDown, &TControl::SetOnMouseWheelDown)
      .Event(u"OnMouseWheelUp", &TControl::OnMouseWheelUp, &TControl::SetOnMouseWheelUp)
      .Event(u"OnResize", &TControl::OnResize, &TControl::SetOnResize)
      .Event(u"OnDragDrop", &TControl::OnDragDrop, &TControl::SetOnDragDrop)
      .Event(u"OnDragOver", &TControl::OnDragOver, &TControl::SetOnDragOver)
      .Event(u"OnEndDrag", &TControl::OnEndDrag, &TControl::SetOnEndDrag)
      .Event(u"OnStartDrag", &TControl::OnStartDrag, &TControl::SetOnStartDrag)
      .Event(u"OnEndDock", &TControl::OnEndDock, &TControl::SetOnEndDock)
      .Event(u"OnStartDock", &TControl::OnStartDock, &TControl::SetOnStartDock);
  RegisterClass<TGraphicControl, TControl>(u"TGraphicControl");
  RegisterEnum<TImeMode>({u"imDisable", u"imClose", u"imOpen", u"imDontCare", u"imSAlpha",
                          u"imAlpha", u"imHira", u"imSKata", u"imKata", u"imChinese",
                          u"imSHanguel", u"imHanguel"});
  RegisterClass<TWinControl, TControl>(u"TWinControl")
      .Property(u"TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
      .Stored([](const TWinControl& c) { return c.Parent() != nullptr; })
      .OrderIndex()
      .Property(u"TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, false)
      .Property(u"Ctl3D", &TWinControl::Ctl3D, &TWinControl::SetCtl3D)
      .Stored([](const TWinControl& c) { return !c.ParentCtl3D(); })
      .Property(u"ParentCtl3D", &TWinControl::ParentCtl3D, &TWinControl::SetParentCtl3D, true)
      .Property(u"DoubleBuffered", &TWinControl::DoubleBuffered, &TWinControl::SetDoubleBuffered)
      .Stored([](const TWinControl& c) { return !c.ParentDoubleBuffered(); })
      .Property(u"ParentDoubleBuffered", &TWinControl::ParentDoubleBuffered,
                &TWinControl::SetParentDoubleBuffered, true)
      .Property(u"ImeMode", &TWinControl::ImeMode, &TWinControl::SetImeMode, imDontCare)
      .Property(u"ImeName", &TWinControl::ImeName, &TWinControl::SetImeName)
      .Nested(u"Padding", [](TWinControl& c) { return c.Padding(); })
      .Event(u"OnEnter", &TWinControl::OnEnter, &TWinControl::SetOnEnter)
      .Event(u"OnExit", &TWinControl::OnExit, &TWinControl::SetOnExit)
      .Event(u"OnKeyDown", &TWinControl::OnKeyDown, &TWinControl::SetOnKeyDown)
      .Event(u"OnKeyPress", &TWinControl::OnKeyPress, &TWinControl::SetOnKeyPress)
      .Event(u"OnKeyUp", &TWinControl::OnKeyUp, &TWinControl::SetOnKeyUp);
  RegisterClass<TCustomControl, TWinControl>(u"TCustomControl");
}

// A form starts hidden with its own color and font; its Width and Height are
// its client area, stored as ClientWidth and ClientHeight. The bookkeeping
// values saved forms carry are kept and written back: PixelsPerInch and
// OldCreateOrder once a file (or the application) set them, the others
// when they differ from a new form's.
void RegisterForms() {
  RegisterEnum<TFormBorderStyle>({u"bsNone", u"bsSingle", u"bsSizeable", u"bsDialog",
                                  u"bsToolWindow", u"bsSizeToolWin"});
  RegisterEnum<TPosition>({u"poDesigned", u"poDefault", u"poDefaultPosOnly",
                           u"poDefaultSizeOnly", u"poScreenCenter", u"poDesktopCenter",
                           u"poMainFormCenter", u"poOwnerFormCenter"});
  RegisterEnumAliases<TPosition>({{u"poWorkAreaCenter", poScreenCenter}});
  RegisterEnum<TFormStyle>({u"fsNormal", u"fsMDIChild", u"fsMDIForm", u"fsStayOnTop"});
  RegisterEnumAliases<TFormStyle>({{u"fsSystemStayOnTop", fsStayOnTop}, {u"fsSplash", fsNormal}});
  RegisterEnum<TWindowState>({u"wsNormal", u"wsMinimized", u"wsMaximized"});
  RegisterEnumAliases<TWindowState>({{u"wsFullScreen", wsMaximized}});
  RegisterEnum<TBorderIcon>({u"biSystemMenu", u"biMinimize", u"biMaximize", u"biHelp"});
  using F = TCustomForm;
  RegisterClass<F, TWinControl>(u"TCustomForm")
      .Property(u"Width", &TControl::Width, &TControl::SetWidth).Stored(false)
      .Property(u"Height", &TControl::Height, &TControl::SetHeight).Stored(false)
      .Property(u"ParentColor", &TControl::ParentColor, &TControl::SetParentColor, false)
      .Property(u"ParentFont", &TControl::ParentFont, &TControl::SetParentFont, false)
      .Property(u"Visible", &TControl::Visible, &TControl::SetVisible, false)
      .Property(u"BorderIcons", &F::BorderIcons, &F::SetBorderIcons,
                {biSystemMenu, biMinimize, biMaximize})
      .Property(u"BorderStyle", &F::BorderStyle, &F::SetBorderStyle, bsSizeable)
      .Property(u"Caption", &TControl::Caption, &TControl::SetCaption)
      .Property(u"ClientHeight", &TControl::ClientHeight, &TControl::SetClientHeight)
      .Property(u"ClientWidth", &TControl::ClientWidth, &TControl::SetClientWidth)
      .Property(u"FormStyle", &F::FormStyle, &F::SetFormStyle, fsNormal)
      .Property(u"KeyPreview", &F::KeyPreview, &F::SetKeyPreview, false)
      .Reference(u"Menu", &F::Menu, &F::SetMenu)
      .Property(u"Position", &F::Position, &F::SetPosition, poDesigned)
      .Property(u"WindowState", &F::WindowState, &F::SetWindowState, wsNormal)
      .Property(u"AutoScroll", &F::AutoScroll, &F::SetAutoScroll, true)
      .Property(u"Scaled", &F::Scaled, &F::SetScaled, true)
      .Property(u"OldCreateOrder", &F::OldCreateOrder, &F::SetOldCreateOrder, false)
      .Stored(&F::OldCreateOrderStored).NoDefault()
      .Property(u"LCLVersion", &F::LCLVersion, &F::SetLCLVersion)
      .Reference(u"ActiveControl", &F::ActiveControl, &F::SetActiveControl)
      .Event(u"OnActivate", &F::OnActivate, &F::SetOnActivate)
      .Event(u"OnClose", &F::OnClose, &F::SetOnClose)
      .Event(u"OnCloseQuery", &F::OnCloseQuery, &F::SetOnCloseQuery)
      .Event(u"OnCreate", &F::OnCreate, &F::SetOnCreate)
      .Event(u"OnDeactivate", &F::OnDeactivate, &F::SetOnDeactivate)
      .Event(u"OnDestroy", &F::OnDestroy, &F::SetOnDestroy)
      .Event(u"OnHide", &F::OnHide, &F::SetOnHide)
      .Event(u"OnPaint", &F::OnPaint, &F::SetOnPaint)
      .Event(u"OnShow", &F::OnShow, &F::SetOnShow)
      .Property(u"PixelsPerInch", &F::PixelsPerInch, &F::SetPixelsPerInch, 96)
      .Stored(&F::PixelsPerInchStored).NoDefault()
      .Property(u"TextHeight", &F::TextHeight, &F::SetTextHeight, 0);
  RegisterClass<TForm, TCustomForm>(u"TForm");
}

}  // namespace

void RegisterPlatformClasses() {
  RegisterComponentClasses();
  RegisterFont();
  RegisterGraphicClasses();
  RegisterConstraints();
  RegisterKeptSettings();
  RegisterControl();
  RegisterForms();
}

}  // namespace vcl::streaming

namespace vcl::formvalue {

const TIdentNames& CursorNames() {
  static const TIdentNames names = streaming::CursorNameList();
  return names;
}

}  // namespace vcl::formvalue
