// TReportListView: column widths, sorting and the exchange operations,
// which the view hands to its store before it follows the store's size.
#include <algorithm>

#include "VYR_replist/VYR_rlview.h"
#include "platform/Guards.h"

namespace vyr {

// ---------------------------------------------------------------- column widths

int TReportListView::ColWidths(int Index) const {
  if (!ValidCol(Index)) return 0;
  int gridCol = FColOrder[static_cast<std::size_t>(Index - 1)];
  return gridCol < ColCount() ? vcl::TCustomDrawGrid::ColWidths(gridCol) : 0;
}

void TReportListView::SetColWidths(int Index, int Value) {
  if (ValidCol(Index)) {
    int gridCol = FColOrder[static_cast<std::size_t>(Index - 1)];
    if (gridCol < ColCount()) vcl::TCustomDrawGrid::SetColWidths(gridCol, Value);
    RepaintNow();
  }
  ChangedSetup();
}

int TReportListView::DetermineMaxColWidth(int ColNr, bool IncludeHeader) {
  if (!ValidCol(ColNr)) return 10;
  vcl::TCanvas& c = *Canvas();
  c.Font()->Assign(Font());
  const bool italic = Font()->Style().Contains(vcl::fsItalic);
  int widest = 0;
  const TStringArray& table = *FRLData->Strings;
  for (int r = 1; r <= NrOfRows(); ++r) {
    std::u16string_view text = table.StringView(ColNr, r);
    if (!text.empty()) widest = std::max(widest, c.TextWidth(vcl::String(text)));
  }
  if (ColumnCheckMode(ColNr) == cmBox) widest += 16;
  if (italic) widest += 2;
  if (IncludeHeader) {
    int head = c.TextWidth(Header(ColNr));
    if (ColNr == LastSortColumn()) head += 13;
    if (italic) head += 2;
    widest = std::max(widest, head);
  }
  return widest + 10;
}

void TReportListView::AutoColWidth(int ColNr, bool IncludeHeader, int Addon) {
  SetColWidths(ColNr, std::max(4, DetermineMaxColWidth(ColNr, IncludeHeader) + Addon));
}

void TReportListView::AutoColWidth(int ColNr, bool IncludeHeader, int Addon, int MaxWidth) {
  SetColWidths(ColNr,
               std::min(MaxWidth, std::max(4, DetermineMaxColWidth(ColNr, IncludeHeader) + Addon)));
}

void TReportListView::ExpandColWidth(int ColIx, int RightMargin) {
  if (ValidCol(ColIx)) {
    int others = 0;
    for (int k = 1; k <= NrOfColumns(); ++k) {
      if (k != ColIx) others += ColWidths(k);
    }
    int width = ClientWidth() - RightMargin - others;
    int gridCol = FColOrder[static_cast<std::size_t>(ColIx - 1)];
    if (gridCol < ColCount()) vcl::TCustomDrawGrid::SetColWidths(gridCol, width <= 15 ? 16 : width);
    RepaintNow();
  }
  ChangedSetup();
}

void TReportListView::FitAllColWidths(int ExpandColumn, bool IncludeHeader, int Addon,
                                      int MaxWidth, int RightMargin) {
  vcl::TPaintSuppressGuard quiet(*this);
  for (int k = 1; k <= NrOfColumns(); ++k) {
    if (k != ExpandColumn) AutoColWidth(k, IncludeHeader, Addon, MaxWidth);
  }
  ExpandColWidth(ExpandColumn, RightMargin);
}

// ---------------------------------------------------------------- sorting

void TReportListView::Sort(int Col, int ColSec, bool Ascending) {
  FRLData->Sort(Col, ColSec, Ascending);
  RepaintNow();
}

void TReportListView::UnSort() {
  FRLData->UnSort();
  RepaintNow();
}

// ---------------------------------------------------------------- exchange

// Runs an operation of the store, then lets the grid follow the store's
// size and repaints, also when the operation fails half-way.
template <class F>
auto TReportListView::ExchangeAndSync(F&& Operation) {
  vcl::TScopeGuard follow([this] {
    SyncWithStore();
    RepaintNow();
  });
  return Operation();
}

void TReportListView::CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow,
                                      bool AddHeader, bool UseTabs) {
  FRLData->CopyToClipBoard(LeftCol, TopRow, RightCol, BottomRow, AddHeader, UseTabs);
}

void TReportListView::CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow,
                                      bool AddHeader, const vcl::String& Separator) {
  FRLData->CopyToClipBoard(LeftCol, TopRow, RightCol, BottomRow, AddHeader, Separator);
}

void TReportListView::WriteToXMLStream(vcl::TStream* OutStream, bool CreateHeader,
                                       const vcl::String& DataID) {
  FRLData->WriteToXMLStream(OutStream, CreateHeader, DataID);
}

void TReportListView::WriteToOpenXMLFile(std::FILE* OutFile, bool CreateHeader,
                                         const vcl::String& DataID) {
  FRLData->WriteToOpenXMLFile(OutFile, CreateHeader, DataID);
}

void TReportListView::SaveAsXMLFile(const vcl::String& FName, const vcl::String& DataID) {
  FRLData->SaveAsXMLFile(FName, DataID);
}

bool TReportListView::ReadFromXMLStream(vcl::TStream* InStream, const vcl::String& DataID) {
  return ExchangeAndSync([&] { return FRLData->ReadFromXMLStream(InStream, DataID); });
}

bool TReportListView::ReadFromXMLString(const vcl::String& InString, const vcl::String& DataID) {
  return ExchangeAndSync([&] { return FRLData->ReadFromXMLString(InString, DataID); });
}

bool TReportListView::ReadFromOpenXMLFile(std::FILE* InFile, const vcl::String& DataID) {
  return ExchangeAndSync([&] { return FRLData->ReadFromOpenXMLFile(InFile, DataID); });
}

bool TReportListView::LoadFromXMLFile(const vcl::String& FName, const vcl::String& DataID) {
  return ExchangeAndSync([&] { return FRLData->LoadFromXMLFile(FName, DataID); });
}

void TReportListView::ExportHTMLTable(const vcl::String& FName, int LoC, int LoR, int HiC, int HiR,
                                      const std::vector<int>& ColumnSelection, int Border,
                                      int CellSpacing, int CellPadding, bool IncludeHeader,
                                      const vcl::String& HeadClass, const vcl::String& CellClass,
                                      const vcl::String& TableClass) {
  FRLData->ExportHTMLTable(FName, LoC, LoR, HiC, HiR, ColumnSelection, Border, CellSpacing,
                           CellPadding, IncludeHeader, HeadClass, CellClass, TableClass);
}

int TReportListView::ExportCSV(const vcl::String& FName, TCSVDelimiters Delimiter,
                               bool IncludeColHeaders, bool IncludeCommonHeader, int FirstCol,
                               int FirstRow, int LastCol, int LastRow) {
  return FRLData->ExportCSV(FName, Delimiter, IncludeColHeaders, IncludeCommonHeader, FirstCol,
                            FirstRow, LastCol, LastRow);
}

int TReportListView::ImportCSV(const vcl::String& FName, TCSVDelimiters Delimiter,
                               bool IncludeColHeaders) {
  return ExchangeAndSync([&] { return FRLData->ImportCSV(FName, Delimiter, IncludeColHeaders); });
}

int TReportListView::LoadLinesFromFile(int Column, int FirstRow, const vcl::String& FName) {
  return ExchangeAndSync([&] { return FRLData->LoadLinesFromFile(Column, FirstRow, FName); });
}

}  // namespace vyr
