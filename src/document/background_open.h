#pragma once
// Opens, reads and decodes a settings file on a thread of its own, so that
// the editor decodes the file named on its command line while it builds its
// window. Only an open that would succeed without a question is prepared;
// anything else is left to the document's own open, which then asks and
// tells as usual.

#include <memory>
#include <string>
#include <thread>

#include "database/settings_database.h"
#include "document/file_system.h"
#include "document/settings_file.h"

namespace vq {

class BackgroundOpen {
 public:
  /// Starts opening `path` (native encoding) for writing, locked, then reads
  /// and decodes it with `clock` for the defaults a load starts from. `files`
  /// must outlive this object and may be called from the worker thread.
  BackgroundOpen(std::string path, SettingsDatabase::Clock clock,
                 FileSystem& files = NativeFileSystem());
  /// Waits for the worker; a file it opened and nobody took is closed.
  ~BackgroundOpen();
  BackgroundOpen(const BackgroundOpen&) = delete;
  BackgroundOpen& operator=(const BackgroundOpen&) = delete;

  const std::string& Path() const { return path_; }

  /// Waits for the worker. When it opened, read and decoded the file, hands
  /// over the locked file and the decoded content (`into` gets it through
  /// SwapContent) and returns true; once only. Otherwise leaves both alone.
  bool Take(SettingsFile& file, SettingsDatabase& into);

 private:
  void Run(SettingsDatabase::Clock clock);

  const std::string path_;
  SettingsFile file_;
  // Made on the worker too: a database starts with a table fill and an index.
  std::unique_ptr<SettingsDatabase> decoded_;
  bool ready_ = false;
  std::thread worker_;
};

}  // namespace vq
