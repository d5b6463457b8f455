// Unit VYR_replist: the report data store TRLData and its exchange
// formats, and the report list view built on it.
#pragma once

#include "VYR_replist/VYR_rldata.h"
#include "VYR_replist/VYR_rldatetext.h"
#include "VYR_replist/VYR_rlfilter.h"
#include "VYR_replist/VYR_rlview.h"
