// The grids' published properties for form files. The counts come before
// the fixed counts, so that a file's fixed counts fit when they are read.
#include "platform/Grids.h"
#include "platform/Streaming.h"

namespace vcl {

namespace {

bool RegisterGrids() {
  RegisterEnum<TGridOption>({u"goFixedVertLine", u"goFixedHorzLine", u"goVertLine", u"goHorzLine",
                             u"goRangeSelect", u"goDrawFocusSelected", u"goRowSizing",
                             u"goColSizing", u"goRowMoving", u"goColMoving", u"goEditing",
                             u"goTabs", u"goRowSelect", u"goAlwaysShowEditor", u"goThumbTracking",
                             u"goFixedColClick", u"goFixedRowClick", u"goFixedHotTrack"});
  RegisterEnum<TScrollStyle>({u"ssNone", u"ssHorizontal", u"ssVertical", u"ssBoth"});
  RegisterEnum<TGridDrawingStyle>({u"gdsClassic", u"gdsThemed", u"gdsGradient"});
  const TGridOptions options{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine,
                             goRangeSelect};
  // What every grid publishes; the rest is published by each kind of grid.
  RegisterClass<TCustomGrid, TCustomControl>(u"TCustomGrid")
      .Color(u"Color", &TControl::Color, &TControl::SetColor, clWindow)
      .Stored([](const TCustomGrid& g) { return !g.ParentColor(); })
      .Property(u"ParentColor", &TControl::ParentColor, &TControl::SetParentColor, false)
      .Property(u"TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, true);
  RegisterClass<TCustomDrawGrid, TCustomGrid>(u"TCustomDrawGrid");
  RegisterClass<TDrawGrid, TCustomDrawGrid>(u"TDrawGrid")
      .Property(u"ColCount", &TCustomGrid::ColCount, &TCustomGrid::SetColCount, 5)
      .Property(u"RowCount", &TCustomGrid::RowCount, &TCustomGrid::SetRowCount, 5)
      .Property(u"FixedCols", &TCustomGrid::FixedCols, &TCustomGrid::SetFixedCols, 1)
      .Property(u"FixedRows", &TCustomGrid::FixedRows, &TCustomGrid::SetFixedRows, 1)
      .Property(u"DefaultColWidth", &TCustomGrid::DefaultColWidth,
                &TCustomGrid::SetDefaultColWidth, 64)
      .Property(u"DefaultRowHeight", &TCustomGrid::DefaultRowHeight,
                &TCustomGrid::SetDefaultRowHeight, 24)
      .Property(u"DefaultDrawing", &TCustomGrid::DefaultDrawing, &TCustomGrid::SetDefaultDrawing,
                true)
      .Property(u"DrawingStyle", &TCustomGrid::DrawingStyle, &TCustomGrid::SetDrawingStyle,
                gdsThemed)
      .Color(u"GradientStartColor", &TCustomGrid::GradientStartColor,
             &TCustomGrid::SetGradientStartColor, clWhite)
      .Color(u"GradientEndColor", &TCustomGrid::GradientEndColor,
             &TCustomGrid::SetGradientEndColor, clBtnFace)
      .Color(u"FixedColor", &TCustomGrid::FixedColor, &TCustomGrid::SetFixedColor, clBtnFace)
      .Property(u"GridLineWidth", &TCustomGrid::GridLineWidth, &TCustomGrid::SetGridLineWidth, 1)
      .Property(u"Options", &TCustomGrid::Options, &TCustomGrid::SetOptions, options)
      .Property(u"ScrollBars", &TCustomGrid::ScrollBars, &TCustomGrid::SetScrollBars, ssBoth)
      .Property(u"BorderStyle", &TCustomGrid::BorderStyle, &TCustomGrid::SetBorderStyle, bsNone)
      .Event(u"OnDrawCell", &TCustomDrawGrid::OnDrawCell, &TCustomDrawGrid::SetOnDrawCell)
      .Event(u"OnSelectCell", &TCustomDrawGrid::OnSelectCell, &TCustomDrawGrid::SetOnSelectCell)
      .Event(u"OnGetEditText", &TCustomDrawGrid::OnGetEditText, &TCustomDrawGrid::SetOnGetEditText)
      .Event(u"OnGetEditMask", &TCustomDrawGrid::OnGetEditMask, &TCustomDrawGrid::SetOnGetEditMask)
      .Event(u"OnSetEditText", &TCustomDrawGrid::OnSetEditText, &TCustomDrawGrid::SetOnSetEditText)
      .Event(u"OnTopLeftChanged", &TCustomDrawGrid::OnTopLeftChanged, &TCustomDrawGrid::SetOnTopLeftChanged)
      .Event(u"OnColumnMoved", &TCustomDrawGrid::OnColumnMoved, &TCustomDrawGrid::SetOnColumnMoved)
      .Event(u"OnRowMoved", &TCustomDrawGrid::OnRowMoved, &TCustomDrawGrid::SetOnRowMoved);
  // The cells are the application's data, filled at run time: not stored.
  RegisterClass<TStringGrid, TDrawGrid>(u"TStringGrid");
  return true;
}

const bool registered = RegisterGrids();

}  // namespace

}  // namespace vcl
