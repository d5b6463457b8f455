// Internal to VYR_replist: what the exchange operations of TRLData share
// besides the framework's file services (platform/Files.h) — the staging
// table a reader fills before it replaces the store's content, progress
// reports, bulk changes and the store's error messages.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "VYR_replist/VYR_rldata.h"
#include "platform/Files.h"
#include "platform/Guards.h"

namespace vyr {

// A table being read. A reader fills it completely and only then hands it
// to the store, so a failed read leaves the store as it was.
struct TRLContent {
  std::unique_ptr<TStringArray> Table;
  int NrCols = 1;
  int NrRows = 0;
  std::vector<TNameStrType> Names;   // one per column, at least one slot
  std::vector<TColFmtString> Formats;
  std::vector<TCheckMode> Modes;
  std::optional<vcl::String> CommonHeader;  // replaced only when set
  std::optional<vcl::String> Comment;

  // Allocates an empty table of that size with default names. Raises
  // EVYRRLDataError (message prefixed by Who) when it is too large.
  void Allocate(int Cols, int Rows, std::int64_t MaxCells, const vcl::String& Who);
};

namespace rlio {

// ---------------------------------------------------------------- progress

// Reports the progress of Total units of work through an OnPercentDone
// handler: at most once per percent, and 100 at the end.
class TProgress {
 public:
  TProgress(vcl::TObject* Sender, TOnPercentDoneEvent Handler, std::int64_t Total);
  void Tick() {
    if (--FCountdown == 0) Step();
  }
  void Done();

 private:
  void Step();

  vcl::TObject* FSender;
  TOnPercentDoneEvent FHandler;
  std::int64_t FTotal;
  std::int64_t FStep;
  std::int64_t FDone = 0;
  std::int64_t FCountdown;
  int FLastPercent = -1;
};

// ---------------------------------------------------------------- bulk changes

// Detaches a table's change hook while a bulk operation runs, so that a
// view repaints once at the end (when NotifyAtEnd) instead of once per cell.
// The hook comes back also when the operation fails; the final
// notification (which runs user code) follows the state guards' rule of
// platform/Guards.h: its exception reaches the caller unless another one
// is already on its way.
class TBulkChange : vcl::TGuardBase {
 public:
  TBulkChange(TStringArray& Table, bool NotifyAtEnd)
      : FTable(Table), FHandler(Table.OnChange()), FNotify(NotifyAtEnd) {
    FTable.SetOnChange(nullptr);
  }
  ~TBulkChange() noexcept(false) {
    FTable.SetOnChange(FHandler);
    if (FNotify && FHandler) Finish([this] { FHandler(&FTable); });
  }
  TBulkChange(const TBulkChange&) = delete;
  TBulkChange& operator=(const TBulkChange&) = delete;

 private:
  TStringArray& FTable;
  vcl::TNotifyEvent FHandler;
  bool FNotify;
};

// ---------------------------------------------------------------- files

// Runs Call (the framework's file services, platform/Files.h); a file or
// stream error it raises becomes EVYRRLDataError with Who in front, as the
// store reports every failed exchange.
template <class F>
decltype(auto) StoreIO(const vcl::String& Who, F&& Call) {
  try {
    return Call();
  } catch (const vcl::EStreamError& e) {
    throw EVYRRLDataError(Who + e.Message());
  } catch (const vcl::EOutOfMemory& e) {
    throw EVYRRLDataError(Who + e.Message());
  }
}

// "Component \"Name\": ", the start of the store's messages.
vcl::String ComponentPrefix(const vcl::TComponent& Component);
// "\"name\"" as used in messages.
vcl::String Quoted(const vcl::String& Name);

}  // namespace rlio
}  // namespace vyr
