// The report list view's published properties for form files. The size of
// the table comes first and the header rows before their heights, so that
// every later value finds what it applies to.
#include "VYR_replist/VYR_rlview.h"
#include "platform/Streaming.h"

namespace vyr {

namespace {

using V = TReportListView;

bool RegisterView() {
  vcl::RegisterEnum<vcl::TAlignment>({u"taLeftJustify", u"taRightJustify", u"taCenter"});
  const vcl::TGridOptions options{vcl::goFixedVertLine, vcl::goFixedHorzLine, vcl::goColSizing,
                                  vcl::goRowSelect, vcl::goThumbTracking};
  vcl::RegisterClass<V, vcl::TCustomDrawGrid>(u"TReportListView")
      .Property(u"NrOfColumns", &V::NrOfColumns, &V::SetNrOfColumns, 5)
      .Property(u"NrOfRows", &V::NrOfRows, &V::SetNrOfRows, 4)
      .Property(u"CommonHeaderVisible", &V::CommonHeaderVisible, &V::SetCommonHeaderVisible, false)
      .Property(u"ColumnHeadersVisible", &V::ColumnHeadersVisible, &V::SetColumnHeadersVisible, true)
      .Property(u"DefaultColWidth", &V::DefaultColWidth, &V::SetDefaultColWidth, 64)
      .Property(u"DefaultRowHeight", &V::DefaultRowHeight, &V::SetDefaultRowHeight, 24)
      .Property(u"CommonHeaderHeight", &V::CommonHeaderHeight, &V::SetCommonHeaderHeight, 20)
      .Property(u"ColumnHeadersHeight", &V::ColumnHeadersHeight, &V::SetColumnHeadersHeight, 20)
      .Property(u"CommonHeader", &V::CommonHeader, &V::SetCommonHeader, vcl::String(u"VYR Report Listview"))
      .Property(u"CommonHeaderAlignment", &V::CommonHeaderAlignment, &V::SetCommonHeaderAlignment,
                vcl::taCenter)
      .Property(u"AutoAdvance", &V::AutoAdvance, &V::SetAutoAdvance, false)
      .Color(u"ColorHigh", &V::ColorHigh, &V::SetColorHigh, 0x00CC9966)
      .Color(u"ColorText", &V::ColorText, &V::SetColorText, 0x00002000)
      .Color(u"ColorBkgdNormal", &V::ColorBkgdNormal, &V::SetColorBkgdNormal, 0x00FFFFFF)
      .Color(u"ColorBkgdShaded", &V::ColorBkgdShaded, &V::SetColorBkgdShaded, 0x00F0EFE8)
      .Color(u"ColorColumnHd", &V::ColorColumnHd, &V::SetColorColumnHd, vcl::clBtnFace)
      .Color(u"ColorColumnHdText", &V::ColorColumnHdText, &V::SetColorColumnHdText, 0)
      .Color(u"ColorCommonHd", &V::ColorCommonHd, &V::SetColorCommonHd, vcl::clBtnFace)
      .Color(u"ColorCommonHdText", &V::ColorCommonHdText, &V::SetColorCommonHdText, 0)
      .Color(u"ColorDisabledBkgd", &V::ColorDisabledBkgd, &V::SetColorDisabledBkgd, 0x00F0F0F0)
      .Color(u"ColorDisabledText", &V::ColorDisabledText, &V::SetColorDisabledText, 0x00C0C0C0)
      .Color(u"ColorEmptyMsg", &V::ColorEmptyMsg, &V::SetColorEmptyMsg, 0)
      .Color(u"ColorHighText", &V::ColorHighText, &V::SetColorHighText, 0x00FFFFFF)
      .Color(u"ColorSelectedRow", &V::ColorSelectedRow, &V::SetColorSelectedRow, 0x0094BAED)
      .Color(u"ColorSelectedRowText", &V::ColorSelectedRowText, &V::SetColorSelectedRowText,
             0x00800000)
      .Color(u"ColorSelectedCol", &V::ColorSelectedCol, &V::SetColorSelectedCol, 0)
      .Color(u"ColorSelectedColText", &V::ColorSelectedColText, &V::SetColorSelectedColText, 0)
      .Color(u"ColorSelectedBoth", &V::ColorSelectedBoth, &V::SetColorSelectedBoth, 0)
      .Color(u"ColorSelectedBothText", &V::ColorSelectedBothText, &V::SetColorSelectedBothText, 0)
      .Property(u"DoubleBuffered", &vcl::TWinControl::DoubleBuffered,
                &vcl::TWinControl::SetDoubleBuffered, true)
      .Stored([](const V& v) { return !v.ParentDoubleBuffered(); })
      .Property(u"ParentDoubleBuffered", &vcl::TWinControl::ParentDoubleBuffered,
                &vcl::TWinControl::SetParentDoubleBuffered, false)
      .Property(u"DefaultDrawing", &vcl::TCustomGrid::DefaultDrawing,
                &vcl::TCustomGrid::SetDefaultDrawing, false)
      .Property(u"EmptyMessage", &V::EmptyMessage, &V::SetEmptyMessage)
      .Property(u"HighLightBold", &V::HighLightBold, &V::SetHighLightBold, false)
      .Property(u"HighLightRow", &V::HighLightRow, &V::SetHighLightRow, 0)
      .Property(u"HighLightColumn", &V::HighLightColumn, &V::SetHighLightColumn, 0)
      .Color(u"InterRowIndicatorColor", &V::InterRowIndicatorColor, &V::SetInterRowIndicatorColor,
             0x000000FF)
      .Property(u"InterRowIndicatorWidth", &V::InterRowIndicatorWidth,
                &V::SetInterRowIndicatorWidth, 3)
      .Property(u"RowSelectMode", &V::RowSelectMode, &V::SetRowSelectMode, 1)
      .Property(u"RowColPattern", &V::RowColPattern, &V::SetRowColPattern, 1)
      .Property(u"ShowEmptyCheckBoxes", &V::ShowEmptyCheckBoxes, &V::SetShowEmptyCheckBoxes, true)
      .Property(u"FixedFirstColumn", &V::FixedFirstColumn, &V::SetFixedFirstColumn, false)
      .Property(u"SortEnabled", &V::SortEnabled, &V::SetSortEnabled, true)
      .Property(u"UseCtrlForMultiSel", &V::UseCtrlForMultiSel, &V::SetUseCtrlForMultiSel, true)
      .Property(u"Options", &vcl::TCustomGrid::Options, &vcl::TCustomGrid::SetOptions, options)
      .Property(u"ScrollBars", &vcl::TCustomGrid::ScrollBars, &vcl::TCustomGrid::SetScrollBars,
                vcl::ssBoth)
      .Property(u"BorderStyle", &vcl::TCustomGrid::BorderStyle, &vcl::TCustomGrid::SetBorderStyle,
                vcl::bsNone)
      .Property(u"LeftCol", &V::LeftCol, &V::SetLeftCol, 1)
      .Property(u"TopRow", &V::TopRow, &V::SetTopRow, 1)
      .Event(u"OnBeforeRenderCell").Event(u"OnReadCell").Event(u"OnCheckedChange")
      .Event(u"OnBeforeCheckedChange").Event(u"OnRequestEditFormat").Event(u"OnBeforeFilter")
      .Event(u"OnCursorKeyAction").Event(u"OnSelectedChange").Event(u"OnChange")
      .Event(u"OnChangeSetup").Event(u"OnBeforeSortExchange").Event(u"OnBeforeHTMLExport")
      .Event(u"OnPercentDone").Event(u"OnGetEditText").Event(u"OnSetEditText");
  return true;
}

const bool registered = RegisterView();

}  // namespace

}  // namespace vyr
