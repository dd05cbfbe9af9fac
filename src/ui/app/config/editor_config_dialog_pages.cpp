#include "ui/app/config/editor_config_dialog_pages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "interchange/scan_table_source.h"
#include "link/serial/line_settings.h"

namespace vq {
namespace {

QComboBox* AddList(QFormLayout* form, const QString& label, const QStringList& items) {
  auto* list = new QComboBox;
  list->addItems(items);
  list->setAccessibleName(label.trimmed().chopped(1));
  form->addRow(label, list);  // the row's label is the list's buddy
  return list;
}

QCheckBox* AddCheck(QFormLayout* form, const QString& label) {
  auto* check = new QCheckBox;
  check->setAccessibleName(label.trimmed().chopped(1));
  form->addRow(label, check);
  return check;
}

// A value with no item in the list leaves the list without a current entry.
void ShowIndex(QComboBox* list, int32_t value) {
  list->setCurrentIndex(value >= 0 && value < list->count() ? value : -1);
}

void TakeIndex(const QComboBox* list, int32_t& field) {
  if (list->currentIndex() >= 0) field = list->currentIndex();
}

}  // namespace

GeneralSettingsPage::GeneralSettingsPage(QWidget* parent) : QWidget(parent) {
  auto* form = new QFormLayout(this);
  postEditAction_ =
      AddList(form, tr("Post Edit Action:"),
              {tr("Ask every time"), tr("Save automatically"), tr("Save manually only")});
  autoSave_ = AddCheck(form, tr("Auto Save Changes: "));
  autoCollapse_ = AddCheck(form, tr("Auto Collapse:"));
  networkDefault_ = AddCheck(form, tr("Default Network Use:"));
  const QString ask = tr("Ask every time");
  const QString skip = tr("Skip");
  const QString satellite = tr("Select satellite");
  const QString transponder = tr("Select transponder");
  chanNoSat_ = AddList(form, tr("Channel pasting mode(sat not found):"),
                       {ask, skip, satellite, transponder});
  chanNoTp_ = AddList(form, tr("Channel pasting mode(tp not found):"),
                      {ask, skip, transponder, tr("Create transponder")});
  tpNoSat_ = AddList(form, tr("Transponder pasting mode(sat not found):"), {ask, skip, satellite});
  connect(autoSave_, &QCheckBox::clicked, this, &GeneralSettingsPage::UpdatePostEditState);
}

void GeneralSettingsPage::Fill(const EditorConfig& config) {
  ShowIndex(postEditAction_, config.PostEditAction);
  autoSave_->setChecked(config.AutoSave != 0);
  autoCollapse_->setChecked(config.ColapseAfterSelection != 0);
  networkDefault_->setChecked(config.DefaultNetworkEnabled != 0);
  ShowIndex(chanNoSat_, config.ChanPastingModeNoSat);
  ShowIndex(chanNoTp_, config.ChanPastingModeNoTp);
  ShowIndex(tpNoSat_, config.TPPastingModeNoSat);
  UpdatePostEditState();
}

void GeneralSettingsPage::TakeBack(EditorConfig& config) const {
  TakeIndex(postEditAction_, config.PostEditAction);
  config.AutoSave = autoSave_->isChecked();
  config.ColapseAfterSelection = autoCollapse_->isChecked();
  config.DefaultNetworkEnabled = networkDefault_->isChecked();
  TakeIndex(chanNoSat_, config.ChanPastingModeNoSat);
  TakeIndex(chanNoTp_, config.ChanPastingModeNoTp);
  TakeIndex(tpNoSat_, config.TPPastingModeNoSat);
}

void GeneralSettingsPage::UpdatePostEditState() {
  postEditAction_->setEnabled(!autoSave_->isChecked());
}

ComPortSettingsPage::ComPortSettingsPage(QWidget* parent) : QWidget(parent) {
  auto* form = new QFormLayout(this);
  QStringList ports;
  QStringList speeds;
  for (int i = 1; i <= 16; ++i) ports << tr("Port %1").arg(i);
  for (const uint32_t speed : serial::kLineSpeeds) speeds << tr("%1 bps").arg(speed);
  port_ = AddList(form, tr("Port:"), ports);
  bitrate_ = AddList(form, tr("Bits per second:"), speeds);
  dataBits_ = AddList(form, tr("Data bits:"), {"5", "6", "7", "8"});
  parity_ =
      AddList(form, tr("Parity:"), {tr("None"), tr("Odd"), tr("Even"), tr("Mark"), tr("Space")});
  stopBits_ = AddList(form, tr("Stop bits:"), {"1", "1.5", "2"});

  auto* flowRow = new QHBoxLayout;
  const char* const flowNames[] = {"DTR/DSR", "RTS/CTS", "XON/XOFF"};
  for (int bit = 0; bit < 3; ++bit) {
    flow_[bit] = new QCheckBox(QString::fromLatin1(flowNames[bit]));
    flowRow->addWidget(flow_[bit]);
  }
  auto* flowLabel = new QLabel(tr("Flow Control:"));
  flowLabel->setBuddy(flow_[0]);
  form->addRow(flowLabel, flowRow);

  auto* timeoutRow = new QHBoxLayout;
  timeout_ = new QSpinBox;
  timeout_->setRange(1, 60);
  timeout_->setAccessibleName(tr("Connection Timeout (seconds)"));
  timeoutRow->addWidget(timeout_);
  timeoutRow->addWidget(new QLabel(tr("seconds")));
  auto* timeoutLabel = new QLabel(tr("Connection Timeout:"));
  timeoutLabel->setBuddy(timeout_);
  form->addRow(timeoutLabel, timeoutRow);

  comCommands_ = AddCheck(form, tr("Enable COM commands:"));
  auto* note = new QLabel(QStringLiteral(
      "\"Open from COM...\" and \"Save to COM\" in the File menu and the toolbar, for a "
      "receiver on this serial line."));
  note->setWordWrap(true);
  comCommands_->setAccessibleDescription(note->text());
  form->addRow(QString(), note);
}

void ComPortSettingsPage::Fill(const EditorConfig& config) {
  ShowIndex(port_, config.Port);
  ShowIndex(bitrate_, config.Bitrate);
  ShowIndex(dataBits_, config.DataBits);
  ShowIndex(parity_, config.ParityBit);
  ShowIndex(stopBits_, config.StopBit);
  for (int bit = 0; bit < 3; ++bit) flow_[bit]->setChecked((config.FlowCtrl >> bit) & 1);
  timeout_->setValue(config.Timeout / 1000);
  comCommands_->setChecked(config.ComCommandsEnabled != 0);
}

void ComPortSettingsPage::TakeBack(EditorConfig& config) const {
  TakeIndex(port_, config.Port);
  TakeIndex(bitrate_, config.Bitrate);
  TakeIndex(dataBits_, config.DataBits);
  TakeIndex(parity_, config.ParityBit);
  TakeIndex(stopBits_, config.StopBit);
  config.FlowCtrl = 0;
  for (int bit = 0; bit < 3; ++bit)
    if (flow_[bit]->isChecked()) config.FlowCtrl |= 1 << bit;
  config.Timeout = timeout_->value() * 1000;
  config.ComCommandsEnabled = comCommands_->isChecked() ? 1 : 0;
}

ScanTableSettingsPage::ScanTableSettingsPage(QWidget* parent)
    : QWidget(parent), source_(new QLineEdit) {
  auto* form = new QFormLayout(this);

  source_->setAccessibleName(tr("Scan tables from"));
  form->addRow(tr("Scan tables from:"), source_);
  auto* buttons = new QHBoxLayout;
  auto* collection = new QPushButton(tr("Public collection"));
  collection->setAccessibleDescription(QString::fromUtf8(kPublicScanTables));
  auto* folder = new QPushButton(tr("Folder..."));
  folder->setAccessibleDescription(tr("Choose a folder of scan tables"));
  buttons->addWidget(collection);
  buttons->addWidget(folder);
  buttons->addStretch();
  form->addRow(QString(), buttons);
  auto* note =
      new QLabel(tr("A base URL (http:// or https://) or a folder of dvbv5 scan tables. When a "
                    "web source cannot be reached, the installed tables in %1 are used.")
                     .arg(QString::fromUtf8(kInstalledScanTables)));
  note->setWordWrap(true);
  form->addRow(note);
  connect(collection, &QPushButton::clicked, this,
          [this] { source_->setText(QString::fromUtf8(kPublicScanTables)); });
  connect(folder, &QPushButton::clicked, this, &ScanTableSettingsPage::ChooseFolder);
}

void ScanTableSettingsPage::Fill(const EditorConfig& config) {
  source_->setText(config.ScanTableSource.empty() ? QString::fromUtf8(kPublicScanTables)
                                                  : QString::fromStdString(config.ScanTableSource));
  source_->setCursorPosition(0);
}

void ScanTableSettingsPage::TakeBack(EditorConfig& config) const {
  const QString text = source_->text().trimmed();
  config.ScanTableSource =
      text == QString::fromUtf8(kPublicScanTables) ? std::string() : text.toStdString();
}

void ScanTableSettingsPage::ChooseFolder() {
  const QString start =
      QDir(source_->text()).exists() ? source_->text() : QString::fromUtf8(kInstalledScanTables);
  const QString folder =
      QFileDialog::getExistingDirectory(this, tr("Folder of scan tables"), start);
  if (!folder.isEmpty()) source_->setText(folder);
}

}  // namespace vq
