#pragma once
/// @file
/// The clipboard part of the editing layer: the payloads of the clipboard
/// formats, their capture, encoding and parsing, and the copy, paste, apply
/// and attribute-copy commands built on them. It builds on the commands and
/// settings parts; the desktop clipboard lives in qt/.
///
/// The clipboard as the copy, paste and apply commands use it.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

/// A clipboard that holds blocks of bytes under format names. The desktop
/// implementation shares it with other programs, so whatever Get returns is
/// outside input: the caller checks every length before use.
class Clipboard {
 public:
  virtual ~Clipboard() = default;

  /// Empties the clipboard and puts `bytes` under `format`, the only format
  /// then present. False when the clipboard could not be written.
  virtual bool Put(std::string_view format, std::span<const uint8_t> bytes) = 0;
  /// The editor's formats (clip_formats.h) on the clipboard, in the order
  /// the clipboard lists them. The desktop clipboard asks the program that
  /// owns it, which may answer late or not at all (each question then waits
  /// out the platform's limit), so a caller asks once and keeps the list.
  virtual std::vector<std::string> Formats() const = 0;
  /// The first of Formats(); empty when none of them is there.
  std::string FirstFormat() const;
  /// The block under `format`; empty when there is none.
  virtual std::vector<uint8_t> Get(std::string_view format) const = 0;
};

/// A clipboard in memory, for tests, fuzzing and benchmarks. Besides Put,
/// Offer adds a further format the way another program may list several.
class MemoryClipboard : public Clipboard {
 public:
  bool Put(std::string_view format, std::span<const uint8_t> bytes) override;
  std::vector<std::string> Formats() const override;
  std::vector<uint8_t> Get(std::string_view format) const override;

  /// Appends a format without emptying the clipboard.
  void Offer(std::string_view format, std::span<const uint8_t> bytes);
  void Clear() { entries_.clear(); }
  /// When set, Put fails and leaves the clipboard as it is.
  bool failPuts = false;

 private:
  struct Entry {
    std::string format;
    std::vector<uint8_t> bytes;
  };
  std::vector<Entry> entries_;
};

}  // namespace vq
