// The store's published properties, for form files.
#include "VYR_replist/VYR_rldata.h"
#include "platform/Streaming.h"

namespace vyr {

namespace {

const bool registered =
    vcl::RegisterClass<TRLData, vcl::TComponent>(u"TRLData")
        .Property(u"NrOfColumns", &TRLData::NrOfColumns, &TRLData::SetNrCols, 1)
        .Property(u"NrOfRows", &TRLData::NrOfRows, &TRLData::SetNrRows, 0)
        .Property(u"CommonHeader", &TRLData::CommonHeader, &TRLData::SetCommonHeader,
                  vcl::String(u"VYR Report Listview"))
        .Event(u"OnBeforeSortExchange")
        .Event(u"OnBeforeHTMLExport")
        .Event(u"OnPercentDone");

}  // namespace

}  // namespace vyr
