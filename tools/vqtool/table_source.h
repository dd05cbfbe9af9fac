#pragma once
// The scan tables update-transponders compares with: read from a folder, or
// downloaded from a base URL (waiting on a local event loop), with the
// installed tables standing in when the URL cannot be reached.

#include <cstdint>
#include <string>
#include <vector>

#include "interchange/scan_table_source.h"

namespace vq::tool {

// False with `error` set when no tables could be had at all.
bool GatherScanTables(const std::string& source, const std::vector<int16_t>& positions,
                      ScanTableSet& tables, std::string& error);

}  // namespace vq::tool
