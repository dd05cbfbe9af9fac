#pragma once
/// @file
/// The desktop clipboard, shared with every other program.

#include <QObject>

#include "editing/clipboard/clipboard.h"

// Qt's class, flagged for its private destructor, which is Qt's design.
// NOLINTNEXTLINE(cppcoreguidelines-virtual-class-destructor)
class QClipboard;

namespace vq {

/// The editing commands' Clipboard over QClipboard: each block is put as
/// QMimeData under the format name used as the MIME type, so two running
/// editors exchange records. Needs a QGuiApplication.
class QtClipboard : public QObject, public Clipboard {
  Q_OBJECT

 public:
  explicit QtClipboard(QObject* parent = nullptr);

  bool Put(std::string_view format, std::span<const uint8_t> bytes) override;
  std::vector<std::string> Formats() const override;
  std::vector<uint8_t> Get(std::string_view format) const override;

 signals:
  /// The clipboard's content changed, by this program or another one.
  void changed();

 private:
  QClipboard* clipboard_;
  bool listsEveryFormat_;  ///< X11: any question about a clip lists all its formats
};

}  // namespace vq
