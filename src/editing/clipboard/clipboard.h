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
  /// The first of the editor's formats (clip_formats.h) on the clipboard, in
  /// the order the clipboard lists them; empty when none is there.
  virtual std::string FirstFormat() const = 0;
  /// Whether a block is present under `format`.
  virtual bool Has(std::string_view format) const = 0;
  /// The block under `format`; empty when there is none.
  virtual std::vector<uint8_t> Get(std::string_view format) const = 0;
};

/// A clipboard in memory, for tests, fuzzing and benchmarks. Besides Put,
/// Offer adds a further format the way another program may list several.
class MemoryClipboard : public Clipboard {
 public:
  bool Put(std::string_view format, std::span<const uint8_t> bytes) override;
  std::string FirstFormat() const override;
  bool Has(std::string_view format) const override;
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
