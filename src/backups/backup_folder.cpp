#include "backups/backup_folder.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "database/channel_types.h"
#include "database/settings_database.h"
#include "document/file_replace.h"
#include "image/image_layout.h"

namespace vq {
namespace {

constexpr const char* kIndexName = "index.tsv";
constexpr size_t kMaxIndexLine = 8192;
constexpr size_t kMaxSourceInName = 40;

// Tabs, line breaks and backslashes in a source path are escaped so each
// entry stays one line of tab-separated cells.
std::string EscapeCell(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '\\')
      out += "\\\\";
    else if (c == '\t')
      out += "\\t";
    else if (c == '\n')
      out += "\\n";
    else if (c == '\r')
      out += "\\r";
    else
      out += c;
  }
  return out;
}

std::string UnescapeCell(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    const char c = text[++i];
    out += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
  }
  return out;
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> cells;
  size_t start = 0;
  for (;;) {
    const size_t tab = line.find('\t', start);
    cells.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) return cells;
    start = tab + 1;
  }
}

bool ParseInt(std::string_view text, int& value) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

// A file name the folder may hold: no path, no hidden file, ends in ".bin".
bool IsBackupFileName(std::string_view name) {
  return !name.empty() && name.size() <= 255 && name.front() != '.' &&
         name.find('/') == std::string_view::npos && name.ends_with(".bin");
}

std::optional<BackupReason> ReasonOfWord(std::string_view word) {
  for (const BackupReason r : {BackupReason::kBeforeSave, BackupReason::kBeforeReceiverWrite,
                               BackupReason::kReadFromReceiver})
    if (BackupReasonWord(r) == word) return r;
  return std::nullopt;
}

// The source's last path part, reduced to letters, digits, '-' and '_'.
std::string NamePart(const std::string& source) {
  const size_t slash = source.find_last_of('/');
  std::string base = slash == std::string::npos ? source : source.substr(slash + 1);
  if (base.ends_with(".bin")) base.resize(base.size() - 4);
  std::string part;
  for (const char c : base) {
    if (part.size() >= kMaxSourceInName) break;
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '_';
    part += plain ? c : '_';
  }
  return part.empty() ? "settings" : part;
}

void CountChannels(std::span<const uint8_t> image, BackupEntry& entry) {
  const ReceiverModel model = ModelForImageSize(image.size());
  entry.model = model == kModelNone ? -1 : model;
  if (model == kModelNone) return;
  SettingsDatabase db;
  db.ResetToDefaults(model, true);
  if (!db.LoadImage(image)) return;
  entry.tv = db.CountChannels(kTv);
  entry.radio = db.CountChannels(kRadio);
  entry.data = db.CountChannels(kData);
}

std::string SystemError(int error) { return std::strerror(error); }

}  // namespace

std::string DefaultBackupFolder(const char* xdgStateHome, const char* home) {
  // The XDG rule: a relative XDG_STATE_HOME is invalid and ignored.
  if (xdgStateHome && xdgStateHome[0] == '/')
    return std::string(xdgStateHome) + "/VQChannelEditor/backups";
  if (home && home[0] == '/') return std::string(home) + "/.local/state/VQChannelEditor/backups";
  return {};
}

std::string_view BackupReasonWord(BackupReason reason) {
  switch (reason) {
    case BackupReason::kBeforeSave:
      return "save";
    case BackupReason::kBeforeReceiverWrite:
      return "before-write";
    case BackupReason::kReadFromReceiver:
      return "read";
  }
  return "";
}

BackupFolder::BackupFolder(std::string path, FileSystem& files)
    : path_(std::move(path)), files_(files) {}

std::vector<BackupEntry> BackupFolder::ReadIndex() const {
  std::vector<BackupEntry> entries;
  std::error_code ec;
  const auto size = std::filesystem::file_size(FilePath(kIndexName), ec);
  if (ec || size > kMaxIndexBytes) return entries;
  std::ifstream in(FilePath(kIndexName), std::ios::binary);
  std::string line;
  while (std::getline(in, line) && entries.size() < static_cast<size_t>(kMaxKept)) {
    if (line.size() > kMaxIndexLine) continue;
    const std::vector<std::string_view> cells = SplitTabs(line);
    if (cells.size() != 8) continue;
    BackupEntry e;
    e.file = std::string(cells[0]);
    e.time = std::string(cells[1]);
    const std::optional<BackupReason> reason = ReasonOfWord(cells[2]);
    if (!IsBackupFileName(e.file) || !reason || !ParseInt(cells[3], e.model) ||
        !ParseInt(cells[4], e.tv) || !ParseInt(cells[5], e.radio) || !ParseInt(cells[6], e.data))
      continue;
    e.reason = *reason;
    e.source = UnescapeCell(cells[7]);
    entries.push_back(std::move(e));
  }
  return entries;
}

bool BackupFolder::WriteIndex(const std::vector<BackupEntry>& entries, std::string& error) const {
  std::string text;
  for (const BackupEntry& e : entries)
    text += e.file + "\t" + e.time + "\t" + std::string(BackupReasonWord(e.reason)) + "\t" +
            std::to_string(e.model) + "\t" + std::to_string(e.tv) + "\t" + std::to_string(e.radio) +
            "\t" + std::to_string(e.data) + "\t" + EscapeCell(e.source) + "\n";
  const ReplaceResult result =
      ReplaceFile(FilePath(kIndexName),
                  std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()), files_);
  if (!result.done) error = TranslatedText(result.reason.c_str());
  return result.done;
}

std::vector<BackupEntry> BackupFolder::List() const {
  std::vector<BackupEntry> entries = ReadIndex();
  std::erase_if(entries, [&](const BackupEntry& e) {
    std::error_code ec;
    return !std::filesystem::is_regular_file(FilePath(e.file), ec);
  });
  std::reverse(entries.begin(), entries.end());
  return entries;
}

bool BackupFolder::Keep(std::span<const uint8_t> image, BackupReason reason,
                        const std::string& source, int limit, std::time_t now, std::string& error) {
  if (limit <= 0) return true;
  if (path_.empty()) {
    error = TranslatedText(kNoFolder);
    return false;
  }
  std::error_code ec;
  std::filesystem::create_directories(path_, ec);
  if (ec) {
    error = path_ + ": " + ec.message();
    return false;
  }
  // Backups hold lock codes: the folder is the user's alone.
  chmod(path_.c_str(), S_IRWXU);

  std::tm local{};
  localtime_r(&now, &local);
  char stamp[32];
  char shown[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  std::strftime(shown, sizeof shown, "%Y-%m-%d %H:%M:%S", &local);
  BackupEntry entry;
  entry.time = shown;
  entry.reason = reason;
  entry.source = source;
  const std::string stem =
      std::string(stamp) + "-" + std::string(BackupReasonWord(reason)) + "-" + NamePart(source);
  entry.file = stem + ".bin";
  for (int n = 2; std::filesystem::exists(FilePath(entry.file), ec); ++n)
    entry.file = stem + "-" + std::to_string(n) + ".bin";
  CountChannels(image, entry);

  const ReplaceResult written = ReplaceFile(FilePath(entry.file), image, files_);
  if (!written.done) {
    error = FilePath(entry.file) + ": " + TranslatedText(written.reason.c_str());
    return false;
  }
  std::vector<BackupEntry> entries = ReadIndex();
  entries.push_back(entry);
  const auto keep = static_cast<size_t>(std::min(limit, kMaxKept));
  std::vector<BackupEntry> dropped;
  if (entries.size() > keep) {
    dropped.assign(entries.begin(), entries.end() - static_cast<std::ptrdiff_t>(keep));
    entries.erase(entries.begin(), entries.end() - static_cast<std::ptrdiff_t>(keep));
  }
  if (!WriteIndex(entries, error)) {
    std::filesystem::remove(FilePath(entry.file), ec);
    error = FilePath(kIndexName) + ": " + error;
    return false;
  }
  for (const BackupEntry& e : dropped) std::filesystem::remove(FilePath(e.file), ec);
  return true;
}

bool BackupFolder::Read(const BackupEntry& entry, std::vector<uint8_t>& image,
                        std::string& error) const {
  const std::string path = FilePath(entry.file);
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  if (!IsBackupFileName(entry.file) || ec || ModelForImageSize(size) == kModelNone) {
    error = path + ": " + TranslatedText(kNotAnImage);
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  image.assign(static_cast<size_t>(size), 0);
  if (!in.read(reinterpret_cast<char*>(image.data()), static_cast<std::streamsize>(size))) {
    error = path + ": " + SystemError(errno);
    return false;
  }
  return true;
}

}  // namespace vq
