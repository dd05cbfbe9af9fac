#pragma once
// A compiled catalogue installed into the application for a scope, as the
// program installs the one of the user's language.

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

namespace vq::test {

class InstalledCatalogue {
 public:
  explicit InstalledCatalogue(const QString& file) {
    installed_ = catalogue_.load(file) && QCoreApplication::installTranslator(&catalogue_);
  }
  ~InstalledCatalogue() {
    if (installed_) QCoreApplication::removeTranslator(&catalogue_);
  }
  InstalledCatalogue(const InstalledCatalogue&) = delete;
  InstalledCatalogue& operator=(const InstalledCatalogue&) = delete;

  bool Installed() const { return installed_; }

 private:
  QTranslator catalogue_;
  bool installed_ = false;
};

}  // namespace vq::test
