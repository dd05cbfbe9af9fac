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
    : QObject(parent),
      clipboard_(QGuiApplication::clipboard()),
      listsEveryFormat_(QGuiApplication::platformName() == QLatin1String("xcb")) {
  connect(clipboard_, &QClipboard::dataChanged, this, &QtClipboard::changed);
}

bool QtClipboard::Put(std::string_view format, std::span<const uint8_t> bytes) {
  auto* data = new QMimeData;
  data->setData(MimeType(format), QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                             static_cast<qsizetype>(bytes.size())));
  clipboard_->setMimeData(data);  // takes ownership
  return true;
}

std::vector<std::string> QtClipboard::Formats() const {
  const QMimeData* data = clipboard_->mimeData();
  if (!data) return {};
  if (!listsEveryFormat_) {
    // Most platforms answer for one type directly, while listing every
    // format of another program's clip makes Qt load all its image
    // plug-ins. The list only orders two or more of the editor's formats.
    std::vector<std::string> present;
    for (const std::string_view format : kClipFormats)
      if (data->hasFormat(MimeType(format))) present.emplace_back(format);
    if (present.size() <= 1) return present;
  }
  // X11 lists every format whatever is asked, and asks the program that
  // owns the clip again for as long as it got no list: one that does not
  // answer holds the editor for Qt's limit of five seconds per question.
  // One list answers all ten.
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
