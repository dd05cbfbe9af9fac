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

std::string QtClipboard::FirstFormat() const {
  const QMimeData* data = clipboard_->mimeData();
  if (!data) return {};
  // Listing every format of another program's clip makes Qt load all its
  // image plug-ins, while most platforms answer for one type directly (X11
  // lists them either way). The listed order only decides between two or
  // more of the editor's formats.
  std::string_view only;
  int present = 0;
  for (const std::string_view format : kClipFormats)
    if (data->hasFormat(MimeType(format)) && ++present == 1) only = format;
  if (present <= 1) return std::string(only);
  for (const QString& format : data->formats()) {
    const QByteArray name = format.toLatin1();
    if (IsClipFormat(std::string_view(name.constData(), static_cast<size_t>(name.size()))))
      return name.toStdString();
  }
  return {};
}

bool QtClipboard::Has(std::string_view format) const {
  const QMimeData* data = clipboard_->mimeData();
  return data && data->hasFormat(MimeType(format));
}

std::vector<uint8_t> QtClipboard::Get(std::string_view format) const {
  const QMimeData* data = clipboard_->mimeData();
  if (!data) return {};
  const QByteArray bytes = data->data(MimeType(format));
  return {bytes.begin(), bytes.end()};
}

}  // namespace vq
