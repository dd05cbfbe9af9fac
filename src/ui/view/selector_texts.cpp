#include "ui/view/selector_texts.h"

#include <QCoreApplication>

namespace vq {
namespace {

QString Translate(const char* text) {
  return QCoreApplication::translate("vq::SelectorTexts", text);
}

QString Latin1(std::string_view name) {
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QString Empty(std::string_view name) {
  return Translate(QT_TRANSLATE_NOOP("vq::SelectorTexts", "%1 (----------EMPTY----------)"))
      .arg(Latin1(name));
}

}  // namespace

// The multi-argument arg() fills all places at once, so a "%" in a name
// stays as it is.
QString SatelliteChannelsEntry(std::string_view name, int tv, int radio, int data) {
  if (tv + radio + data == 0) return Empty(name);
  return Translate(QT_TRANSLATE_NOOP("vq::SelectorTexts", "%1 (TV: %2, Radio: %3, Data: %4)"))
      .arg(Latin1(name), QString::number(tv), QString::number(radio), QString::number(data));
}

QString FavoriteGroupEntry(std::string_view name, int tv, int radio) {
  if (tv + radio == 0) return Empty(name);
  return Translate(QT_TRANSLATE_NOOP("vq::SelectorTexts", "%1 (TV: %2, Radio: %3)"))
      .arg(Latin1(name), QString::number(tv), QString::number(radio));
}

QString SatelliteTranspondersEntry(std::string_view name, int transponders) {
  if (transponders == 0)
    return Translate(QT_TRANSLATE_NOOP("vq::SelectorTexts", "%1 ( EMPTY )")).arg(Latin1(name));
  return Translate(QT_TRANSLATE_NOOP("vq::SelectorTexts", "%1 ( %2 )"))
      .arg(Latin1(name), QString::number(transponders));
}

QString SelectionCounterText(int selected, const QString& selectedNumber, int rows) {
  if (selected <= 0) return {};
  if (selected > 1)
    return Translate(QT_TRANSLATE_NOOP("vq::SelectorTexts", "%1 channels")).arg(selected);
  return Translate(QT_TRANSLATE_NOOP("vq::SelectorTexts", "%1 of %2"))
      .arg(selectedNumber, QString::number(rows));
}

QString CountOfText(int count, int capacity) {
  return Translate(QT_TRANSLATE_NOOP("vq::SelectorTexts", "%1 of %2"))
      .arg(QString::number(count), QString::number(capacity));
}

}  // namespace vq
