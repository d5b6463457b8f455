// TNTabEd block commands: Clear, Copy (clipboard text and data copy),
// Paste (from the data copy) and Extract from Clipboard (numbers of any
// text), and the size of the clipboard's number matrix.
//
// Copy's text, row by row of the selection, cell by cell:
//   " " before a row's first cell, TAB before every further cell,
//   the cell text (VYR_ntabedtext.h, WriteClipCell), CR LF after each row.
// Extract reads what it finds (VYR_ntabedtext.h, TClipWalker) into a list
// first and writes the table only when the whole text is read, so a text
// that cannot be read leaves the table as it was.
#include <algorithm>

#include "VYR_ntabed/VYR_ntabedinternal.h"
#include "VYR_ntabed/VYR_ntabedtext.h"
#include "platform/Clipbrd.h"

namespace vyr {

// The grid selection becomes data cells L..R x T..B, cut to the table.
void TNTabEd::SelectDataBlock(int L, int T, int R, int B) {
  L = std::clamp(L, 1, NrOfColumns());
  R = std::clamp(R, L, NrOfColumns());
  T = std::clamp(T, 1, NrOfRows());
  B = std::clamp(B, T, NrOfRows());
  SetSelection({L + FColOffset, T + FRowOffset, R + FColOffset, B + FRowOffset});
}

void TNTabEd::PopupMenuClickClear(vcl::TObject* Sender) {
  {
    vcl::TValueGuard quiet(FInternSuppPaint, true);
    TDataChangedDetached detached(*this);
    if (FOnClear) {
      vcl::TNotifyEvent handler = FOnClear;
      handler(Sender);
    } else {
      const TBlock b = SelectedBlock();
      for (int r = b.T; r <= b.B; ++r) {
        for (int c = b.L; c <= b.R; ++c) {
          Data->SetElem(c, r, 0.0);
          Data->SetCellState(c, r, 0);
        }
      }
    }
  }
  Redraw();
  ChangedData();
  ChangedCellStates();
}

// Everything that can fail (the text, the new copy) is made before the
// clipboard and the data copy are replaced.
void TNTabEd::PopupMenuClickCopy(vcl::TObject*) {
  const TBlock b = SelectedBlock();
  if (b.R < b.L || b.B < b.T) return;
  std::u16string text;
  std::unique_ptr<TDataTable> copy;
  try {
    text.reserve(static_cast<std::size_t>(b.R - b.L + 1) * static_cast<std::size_t>(b.B - b.T + 1) *
                 (FClipboardUseFullPrec ? 23 : 10));
    copy = std::make_unique<TDataTable>(nullptr, b.R - b.L + 1, b.B - b.T + 1);
    for (int r = b.T; r <= b.B; ++r) {
      for (int c = b.L; c <= b.R; ++c) {
        text.push_back(c == b.L ? u' ' : u'\t');
        const double x = Data->GetElem(c, r);
        ntabed::AppendClipCell(text, x, Data->GetIsNumber(c, r), FClipboardUseFullPrec, Precision(c));
        copy->Matrix().Set(c - b.L + 1, r - b.T + 1, x);
        copy->SetCellState(c - b.L + 1, r - b.T + 1, Data->GetCellState(c, r));
      }
      text += u"\r\n";
    }
    vcl::Clipboard().SetAsText(text);
  } catch (const std::bad_alloc&) {
    RaiseNoMemory();
  } catch (const EVYRError&) {
    RaiseNoMemory();
  }
  FDataCopy = std::move(copy);
  FDataCopyAvail = true;
}

void TNTabEd::PopupMenuClickPaste(vcl::TObject*) {
  if (!FDataCopyAvail) return;
  const TBlock b = SelectedBlock();
  const int cols = FDataCopy->NrOfColumns(), rows = FDataCopy->NrOfRows();
  {
    vcl::TValueGuard quiet(FInternSuppPaint, true);
    TDataChangedDetached detached(*this);
    for (int j = 1; j <= rows; ++j) {
      for (int i = 1; i <= cols; ++i) {
        const int c = b.L + i - 1, r = b.T + j - 1;
        if (!ValidCol(c) || !ValidRow(r)) continue;
        Data->SetElem(c, r, FDataCopy->GetElem(i, j));
        Data->SetCellState(c, r, FDataCopy->GetCellState(i, j));
      }
    }
  }
  Redraw();
  ChangedData();
  ChangedCellStates();
  if (FOnPaste) {
    vcl::TNotifyEvent handler = FOnPaste;
    handler(this);
  }
  SelectDataBlock(b.L, b.T, b.L + cols - 1, b.T + rows - 1);
  CheckSelectionChanged();
}

namespace {

struct TFoundNumber {
  int Col, Row;
  double Value;
};

}  // namespace

// Numbers that would land outside the table are dropped; the selection
// takes in every position a number was read for (cut to the table).
void TNTabEd::PopupMenuClickExtClip(vcl::TObject*) {
  vcl::TClipboard& clipboard = vcl::Clipboard();
  if (!clipboard.HasFormat(vcl::CF_TEXT)) return;
  const TBlock b = SelectedBlock();
  std::vector<TFoundNumber> found;
  int maxI = 0, maxK = 0;
  try {
    const std::u16string text = ntabed::PrepareClipText(clipboard.AsText(), true);
    const int cols = NrOfColumns(), rows = NrOfRows();
    const auto room = static_cast<std::size_t>(cols - b.L + 1) * static_cast<std::size_t>(rows - b.T + 1);
    found.reserve(std::min(room, text.size() / 2 + 1));
    ntabed::TClipWalker(text).Run([&](int I, int K, double Value) {
      maxI = std::max(maxI, I);
      maxK = std::max(maxK, K);
      const long long c = static_cast<long long>(b.L) + I, r = static_cast<long long>(b.T) + K;
      if (c <= cols && r <= rows) found.push_back({static_cast<int>(c), static_cast<int>(r), Value});
    });
  } catch (const std::bad_alloc&) {
    RaiseNoMemory();
  }
  {
    vcl::TValueGuard quiet(FInternSuppPaint, true);
    TDataChangedDetached detached(*this);
    for (const TFoundNumber& n : found) Data->SetElem(n.Col, n.Row, n.Value);
  }
  Redraw();
  ChangedData();
  if (FOnPaste) {
    vcl::TNotifyEvent handler = FOnPaste;
    handler(this);
  }
  SelectDataBlock(b.L, b.T, b.L + std::min(maxI, NrOfColumns()), b.T + std::min(maxK, NrOfRows()));
  CheckSelectionChanged();
}

bool TNTabEd::GetClipMatrixSize(int& NCols, int& NRows) {
  NCols = 1;
  NRows = 1;
  vcl::TClipboard& clipboard = vcl::Clipboard();
  if (!clipboard.HasFormat(vcl::CF_TEXT)) return false;
  return ntabed::ClipMatrixSize(clipboard.AsText(), NCols, NRows);
}

}  // namespace vyr
