#pragma once
/// @file
/// The About box.

#include <QDialog>

namespace vq {

class CHyperLink;

/// The program's icon, name, version and a line about what it edits, with
/// a link to the program's web page and an OK button.
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  AboutDialog(const QIcon& icon, QWidget* parent = nullptr);
  CHyperLink* Link() const { return link_; }

 private:
  CHyperLink* link_;
};

/// The program's web page, opened by the About box and the banner.
inline constexpr const char* kProgramAddress = "https://vqchanneleditor.example.org/";

}  // namespace vq
