// The table editor's published properties for form files. The size of the
// table and the attribute column and row come first, so that the widths,
// decimals and scroll positions read later find their columns.
#include "VYR_ntabed/VYR_ntabed.h"
#include "platform/Streaming.h"

namespace vyr {

namespace {

using E = TNTabEd;

// The grid's editing option follows DataReadOnly; while the editor works it
// is switched on and off by cell, which is no setting of the form.
vcl::TGridOptions StoredOptions(const E& Ed) {
  vcl::TGridOptions o = Ed.Options();
  if (Ed.DataReadOnly()) {
    o >> vcl::goEditing;
  } else {
    o << vcl::goEditing;
  }
  return o;
}

bool RegisterTableEditor() {
  vcl::RegisterEnum<TOrientation>({u"orVertical", u"orHorizontal"});
  vcl::RegisterEnum<vcl::TStyleElement>({u"seFont", u"seClient", u"seBorder"});
  const vcl::TGridOptions options{vcl::goFixedVertLine, vcl::goFixedHorzLine, vcl::goVertLine,
                                  vcl::goHorzLine, vcl::goRangeSelect, vcl::goEditing};
  vcl::RegisterClass<E, vcl::TCustomGrid>(u"TNTabEd")
      .Property(u"NrOfColumns", &E::NrOfColumns, &E::SetNrOfColumns, 3)
      .Property(u"NrOfRows", &E::NrOfRows, &E::SetNrOfRows, 4)
      .Property(u"AttribRowVisible", &E::AttribRowVisible, &E::SetAttribRowVisible, true)
      .Property(u"AttribColVisible", &E::AttribColVisible, &E::SetAttribColVisible, false)
      .Property(u"DefaultColWidth", &E::DefaultColWidth, &E::SetDefaultColWidth, 64)
      .Property(u"DefaultRowHeight", &vcl::TCustomGrid::DefaultRowHeight,
                &vcl::TCustomGrid::SetDefaultRowHeight, 24)
      .Property(u"DrawingStyle", &vcl::TCustomGrid::DrawingStyle,
                &vcl::TCustomGrid::SetDrawingStyle, vcl::gdsThemed)
      .Color(u"GradientStartColor", &vcl::TCustomGrid::GradientStartColor,
             &vcl::TCustomGrid::SetGradientStartColor, vcl::clWhite)
      .Color(u"GradientEndColor", &vcl::TCustomGrid::GradientEndColor,
             &vcl::TCustomGrid::SetGradientEndColor, vcl::clBtnFace)
      .Property(u"AutoAdvance", &E::AutoAdvance, &E::SetAutoAdvance, true)
      .Property(u"AutoAdvanceDir", &E::AutoAdvanceDir, &E::SetAutoAdvanceDir, orVertical)
      .Property(u"BlockInternalPopup", &E::BlockInternalPopup, &E::SetBlockInternalPopup, false)
      .Property(u"CommentEditingAllowed", &E::CommentEditingAllowed, &E::SetCommentEditingAllowed,
                true)
      .Property(u"Comment", &E::Comment, &E::SetComment)
      // Color is ColorBackground under the grid's name: stored once.
      .Color(u"Color", &vcl::TControl::Color, &vcl::TControl::SetColor, vcl::clWindow)
      .Stored([](const E&) { return false; })
      .Color(u"ColorBackground", &E::ColorBackground, &E::SetColorBackground, vcl::clWindow)
      .Color(u"ColorFixed", &E::ColorFixed, &E::SetColorFixed, vcl::clBtnFace)
      .Color(u"ColorNormal", &E::ColorNormal, &E::SetColorNormal, 0x002000)
      .Color(u"ColorSelected", &E::ColorSelected, &E::SetColorSelected, 0x404040)
      .Color(u"ColorMarkedA", &E::ColorMarkedA, &E::SetColorMarkedA, 0x0000FF)
      .Color(u"ColorMarkedB", &E::ColorMarkedB, &E::SetColorMarkedB, 0xFF0000)
      .Color(u"ColorMarkedBoth", &E::ColorMarkedBoth, &E::SetColorMarkedBoth, 0xCC00BB)
      .Color(u"ColorRangeSelFG", &E::ColorRangeSelFG, &E::SetColorRangeSelFG, 0x80552C)
      .Color(u"ColorRangeSelBG", &E::ColorRangeSelBG, &E::SetColorRangeSelBG, 0xF8E8E0)
      .Property(u"BoldMarks", &E::BoldMarks, &E::SetBoldMarks, true)
      .Property(u"BoldSelHeads", &E::BoldSelHeads, &E::SetBoldSelHeads, true)
      .Property(u"ClipboardUseFullPrec", &E::ClipboardUseFullPrec, &E::SetClipboardUseFullPrec,
                true)
      .Property(u"NomEditDropDownCount", &E::NomEditDropDownCount, &E::SetNomEditDropDownCount, 8)
      .Property(u"NumWidth", &E::NumWidth, &E::SetNumWidth, 1)
      .Property(u"DataReadOnly", &E::DataReadOnly, &E::SetDataReadOnly, false)
      .Property(u"OptimizeRowHeight", &E::OptimizeRowHeight, &E::SetOptimizeRowHeight, false)
      .Property(u"ShowCellCursor", &E::ShowCellCursor, &E::SetShowCellCursor, true)
      .Property(u"Options", StoredOptions, &vcl::TCustomGrid::SetOptions, options)
      .Property(u"StyleElements", &E::StyleElements, &E::SetStyleElements,
                vcl::TStyleElements{vcl::seFont, vcl::seClient, vcl::seBorder})
      .Property(u"LeftCol", &E::LeftCol, &E::SetLeftCol, 1)
      .Property(u"TopRow", &E::TopRow, &E::SetTopRow, 1)
      .Event(u"OnChange").Event(u"OnChangeSetup").Event(u"OnHeadingChanged")
      .Event(u"OnAttributeChanged").Event(u"OnCellStateChanged").Event(u"OnLayoutChanged")
      .Event(u"OnSelectionChanged").Event(u"OnTopLeftChanged").Event(u"OnClear")
      .Event(u"OnPaste").Event(u"OnPercentDone").Event(u"OnBeforePopup")
      .Event(u"OnBeforeRenderCell").Event(u"OnGetEditText").Event(u"OnSetEditText");
  return true;
}

const bool registered = RegisterTableEditor();

}  // namespace

}  // namespace vyr
