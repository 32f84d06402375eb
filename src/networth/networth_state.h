#pragma once
#include "networth/net_worth.h"

namespace fiscalia {

// The net worth statement in memory, from the window's load to its exit.
struct NetWorthState {
    NetStatement Statement;   // AssetList, LiabilityList, AssetCount, LiabilityCount
    NetTotals Totals;         // of the last Calculate
    int NetChanged = 0;       // 1 while the statement holds changes not saved
};

} // namespace fiscalia
