#pragma once
// Reading and writing whole files for the tool: settings images are
// recognised by their size alone and read only when the size fits; every
// file is written completely under a temporary name first and then renamed
// over its target, so a failure never leaves a half-written file.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "database/settings_database.h"

namespace vq::tool {

// Reads at most `limit` bytes into a std::vector<uint8_t> or a std::string;
// a larger file is refused without reading it. On failure `error` says why,
// as a phrase to follow "vqtool: PATH: ".
template <class Bytes>
bool ReadWholeFile(const std::string& path, size_t limit, Bytes& bytes, std::string& error);

// Writes `bytes` to a new file beside `path`, then renames it over `path`,
// under the editor's rules: a read-only or locked file, a target that is not
// a regular file and a foreign link in a shared folder are refused; the new
// file keeps the old one's group, mode and ACL (a new one: 0666 less umask).
bool WriteFileReplacing(const std::string& path, const std::vector<uint8_t>& bytes,
                        std::string& error);

// Resets `db` to the model the file's size names and decodes the image.
bool LoadSettingsFile(const std::string& path, SettingsDatabase& db, std::string& error);

// Builds the image of `db` and writes it to `path`.
bool SaveSettingsFile(const std::string& path, SettingsDatabase& db, std::string& error);

}  // namespace vq::tool
