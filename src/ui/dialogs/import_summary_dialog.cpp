#include "ui/dialogs/import_summary_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStyle>
#include <QVBoxLayout>

namespace vq {

ImportSummaryDialog::ImportSummaryDialog(const QString& title, const QString& heading, bool warning,
                                         const QStringList& lines, QWidget* parent)
    : QDialog(parent), heading_(new QLabel(heading)), text_(new QPlainTextEdit) {
  setWindowTitle(title);
  setObjectName(QStringLiteral("Import summary"));

  heading_->setTextFormat(Qt::PlainText);  // it names the file
  heading_->setWordWrap(true);
  heading_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  heading_->setAccessibleName(tr("Result"));
  auto* top = new QHBoxLayout;
  if (warning) {
    auto* icon = new QLabel;
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(size, size));
    icon->setAccessibleName(tr("Warning"));
    top->addWidget(icon, 0, Qt::AlignTop);
  }
  top->addWidget(heading_, 1);

  text_->setReadOnly(true);
  text_->setPlainText(lines.join('\n'));
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setAccessibleName(tr("Summary"));
  text_->setAccessibleDescription(heading);
  // Read-only text still moves its cursor with the keyboard, line by line.
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(text_, 1);
  layout->addWidget(buttons);
  resize(640, 400);
  text_->setFocus();
}

QString ImportSummaryDialog::Heading() const { return heading_->text(); }

QString ImportSummaryDialog::Text() const { return text_->toPlainText(); }

}  // namespace vq
