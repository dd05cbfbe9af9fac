#include "ui/dialogs/about_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

#include "common/version.h"
#include "ui/dialogs/hyper_link.h"

namespace vq {

AboutDialog::AboutDialog(const QIcon& icon, QWidget* parent)
    : QDialog(parent),
      link_(new CHyperLink(kProgramAddress, QUrl(kProgramAddress), CHyperLink::Failure::kPlain,
                           this)) {
  setWindowTitle(tr("About VQChannelEditor"));
  auto* picture = new QLabel(this);
  picture->setPixmap(icon.pixmap(48, 48));
  auto* text = new QLabel(
      tr("<p><b>VQChannelEditor</b> v0.65 beta</p>"
         "<p>Editor for the channel lists and configuration of satellite receivers.</p>"),
      this);
  auto* licence = new QLabel(
      tr("Free software under the GNU General Public License, version 3 or later "
         "(%1), without any warranty.")
          .arg(QString::fromLatin1(kLicense)),
      this);
  licence->setTextFormat(Qt::PlainText);
  licence->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* column = new QVBoxLayout;
  column->addWidget(text);
  column->addWidget(licence);
  column->addWidget(link_);
  auto* row = new QHBoxLayout;
  row->addWidget(picture, 0, Qt::AlignTop);
  row->addLayout(column, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);
}

}  // namespace vq
