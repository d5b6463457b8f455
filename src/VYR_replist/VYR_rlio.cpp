#include "VYR_replist/internal/VYR_rlio.h"

#include <algorithm>
#include <cstdint>
#include <new>

namespace vyr {

void TRLContent::Allocate(int Cols, int Rows, std::int64_t MaxCells, const vcl::String& Who) {
  const std::int64_t cells = (std::int64_t{Cols} + 1) * (std::int64_t{std::max(Rows, 1)} + 1);
  if (Cols < 0 || Rows < 0 || cells > MaxCells) {
    throw EVYRRLDataError(Who + u"a table of " + vcl::IntToStr(Cols) + u" columns and " +
                          vcl::IntToStr(Rows) + u" rows is larger than allowed (" +
                          vcl::IntToStr(MaxCells) + u" cells)");
  }
  try {
    auto table = std::make_unique<TStringArray>(Cols, std::max(Rows, 1));
    table->SetAllocRowsBy(10);
    const auto slots = static_cast<std::size_t>(std::max(Cols, 1));
    std::vector<TNameStrType> names(slots);
    for (std::size_t k = 0; k < names.size(); ++k)
      if (static_cast<int>(k) < Cols) names[k] = u"C-" + vcl::IntToStr(static_cast<int>(k) + 1);
    Formats.assign(slots, vcl::String());
    Modes.assign(slots, cmNone);
    Names.swap(names);
    Table = std::move(table);
  } catch (const EVYRDStructError& e) {
    throw EVYRRLDataError(Who + e.Message());
  } catch (const std::bad_alloc&) {
    throw EVYRRLDataError(Who + u"not enough memory for the table");
  }
  NrCols = Cols;
  NrRows = Rows;
}

namespace rlio {

// ---------------------------------------------------------------- progress

TProgress::TProgress(vcl::TObject* Sender, TOnPercentDoneEvent Handler, std::int64_t Total)
    : FSender(Sender), FHandler(std::move(Handler)), FTotal(std::max<std::int64_t>(Total, 1)) {
  FStep = FTotal / 100 + 1;
  // Without a handler the countdown never runs out in practice.
  FCountdown = FHandler ? FStep : INT64_MAX;
}

void TProgress::Step() {
  FDone += FStep;
  FCountdown = FStep;
  int percent = static_cast<int>(std::min<std::int64_t>(99, FDone * 100 / FTotal));
  if (percent == FLastPercent) return;
  FLastPercent = percent;
  FHandler(FSender, percent);
}

void TProgress::Done() {
  if (!FHandler || FLastPercent == 100) return;
  FLastPercent = 100;
  FHandler(FSender, 100);
}

// ---------------------------------------------------------------- messages

vcl::String ComponentPrefix(const vcl::TComponent& Component) {
  return u"Component \"" + Component.Name() + u"\": ";
}

vcl::String Quoted(const vcl::String& Name) { return u"\"" + Name + u"\""; }

}  // namespace rlio
}  // namespace vyr
