#pragma once
// `vqtool backups`: the editor's backups, listed or one copied out.

#include <ostream>
#include <string>

namespace vq::tool {

struct BackupsOptions {
  std::string folder;  // the backup folder; empty: the editor's default
  bool json = false;
  int restore = 0;  // 1 the newest, 2 the one before, ...; 0 list
  std::string out;  // where --restore writes
};

int RunBackupsWith(const BackupsOptions& options, std::ostream& out, std::ostream& err);

}  // namespace vq::tool
