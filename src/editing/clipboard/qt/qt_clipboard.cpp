#include "editing/clipboard/qt/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "editing/clipboard/clip_formats.h"

namespace vq {
namespace {

QString MimeType(std::string_view format) {
  return QString::fromLatin1(format.data(), static_cast<qsizetype>(format.size()));
}

}  // namespace

QtClipboard::QtClipboard(QObject* parent)
    : QObject(parent), clipboard_(QGuiApplication::clipboard()) {
  connect(clipboard_, &QClipboard::dataChanged, this, &QtClipboard::changed);
}

bool QtClipboard::Put(std::string_view format, std::span<const uint8_t> bytes) {
  auto* data = new QMimeData;
  data->setData(MimeType(format), QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                             static_cast<qsizetype>(bytes.size())));
  clipboard_->setMimeData(data);  // takes ownership
  return true;
}

// One list for all ten formats: on X11 every question about another
// program's clip is a round trip to that program, and one that does not
// answer holds the editor for Qt's clipboard limit per question.
std::vector<std::string> QtClipboard::Formats() const {
  const QMimeData* data = clipboard_->mimeData();
  if (!data) return {};
  std::vector<std::string> formats;
  for (const QString& format : data->formats()) {
    const QByteArray name = format.toLatin1();
    if (IsClipFormat(std::string_view(name.constData(), static_cast<size_t>(name.size()))))
      formats.push_back(name.toStdString());
  }
  return formats;
}

std::vector<uint8_t> QtClipboard::Get(std::string_view format) const {
  const QMimeData* data = clipboard_->mimeData();
  if (!data) return {};
  const QByteArray bytes = data->data(MimeType(format));
  return {bytes.begin(), bytes.end()};
}

}  // namespace vq
