#pragma once
// Channel lists from and for elsewhere: VDR channels.conf, dvbv5 scan tables,
// CSV and ordering by a reference. Same contract as the other commands (see
// commands.h); summaries go to `err`, and a file of which nothing could be
// used exits with 1 without writing the output.

#include "vqtool/commands.h"

namespace vq::tool {

/// import-vdr [--favourites] CHANNELS IN OUT
int RunImportVdr(const Args& args, std::ostream& out, std::ostream& err);
/// import-scan-table (--satellite N | --position POS) TABLE IN OUT
int RunImportScanTable(const Args& args, std::ostream& out, std::ostream& err);
/// export-vdr IN CHANNELS
int RunExportVdr(const Args& args, std::ostream& out, std::ostream& err);
/// export-csv IN CSV
int RunExportCsv(const Args& args, std::ostream& out, std::ostream& err);
/// order-like [--favourites] REFERENCE IN OUT
int RunOrderLike(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace vq::tool
