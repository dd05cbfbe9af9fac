#include "ui/app/frame/main_frame.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <algorithm>

#include "document/qt/vq_channel_editor_doc.h"
#include "ui/app/frame/banner_bar.h"
#include "ui/app/config/editor_config.h"
#include "ui/app/config/editor_config_dialog.h"
#include "ui/app/commands/message_prompter.h"
#include "ui/app/config/recent_files.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/dialog_prompter.h"
#include "ui/dialogs/usb_transfer_dialog.h"
#include "ui/view/vq_channel_editor_view.h"

namespace vq {

CMainFrame::CMainFrame(CVQChannelEditorDoc& document, EditorConfig& config, RecentFiles& recent,
                       QWidget* parent)
    : QMainWindow(parent),
      document_(document),
      config_(config),
      recent_(recent),
      actions_(CreateFrameActions(this)),
      view_(new CVQChannelEditorView(document, config, this)),
      message_(new QLabel(tr("Ready"), this)),
      prompter_(std::make_unique<DialogPrompter>(document.Database(), kProgramTitle)) {
  setObjectName("Main window");
  prompter_->SetParent(this);
  view_->SetPrompter(prompter_.get());
  setWindowIcon(ProgramIcon());
  setCentralWidget(view_);
  setAcceptDrops(true);
  message_->setObjectName("Status message");
  message_->setAccessibleName(tr("Status message"));
  message_->setContentsMargins(4, 0, 4, 0);
  statusBar()->addWidget(message_, 1);
  BuildMenus();
  BuildToolBar();
  ConnectCommands();
  ConnectClipboard();
  ConnectHistoryAndFind();
  ConnectBackups();
  RefreshRecentFiles();
  UpdateTitle();
  PlaceFirstStart();
}

CMainFrame::~CMainFrame() {
  document_.SetPendingEdits(nullptr);
  document_.SetBackupKeeper(nullptr);
}

void CMainFrame::ShowStatusMessage(const QString& text) {
  message_->setTextFormat(Qt::PlainText);  // status texts carry names from files
  message_->setText(text);
}

QString CMainFrame::StatusText() const { return message_->text(); }

void CMainFrame::ConnectCommands() {
  connect(view_, &CVQChannelEditorView::statusText, this, &CMainFrame::ShowStatusMessage);
  connect(view_, &CVQChannelEditorView::databaseChanged, this,
          [this] { document_.SetModifiedFlag(true); });
  // Every file command settles the pane's edit first, through the document.
  document_.SetPendingEdits([this] { view_->CommitPendingEdits(); });
  connect(view_, &CVQChannelEditorView::editStateChanged, this, &CMainFrame::UpdateTitle);
  connect(&document_, &CVQChannelEditorDoc::documentReplaced, view_,
          &CVQChannelEditorView::InitialUpdate);
  connect(&document_, &CVQChannelEditorDoc::titleChanged, this, &CMainFrame::UpdateTitle);
  connect(&document_, &CVQChannelEditorDoc::modifiedChanged, this, &CMainFrame::UpdateTitle);
  connect(&document_, &CVQChannelEditorDoc::fileUsed, this, [this](const QString& path) {
    recent_.Add(path);
    RefreshRecentFiles();
  });
  // A menu's status tip replaces the pane for a moment; afterwards the pane
  // shows the idle text again.
  connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString& text) {
    if (text.isEmpty()) message_->setText(tr("Ready"));
  });

  const FrameActions& a = actions_;
  connect(a.newFile, &QAction::triggered, this, [this] { document_.NewDocument(); });
  connect(a.open, &QAction::triggered, this, &CMainFrame::OpenWithDialog);
  connect(a.save, &QAction::triggered, this, [this] { document_.Save(); });
  connect(a.saveAs, &QAction::triggered, this, [this] { document_.SaveAs(); });
  connect(a.exit, &QAction::triggered, this, &QWidget::close);
  connect(a.statusBar, &QAction::toggled, statusBar(), &QWidget::setVisible);
  connect(a.configuration, &QAction::triggered, this, &CMainFrame::ShowConfiguration);
  connect(a.about, &QAction::triggered, this, &CMainFrame::ShowAbout);
  view_->AttachSpecialActions(a.deleteDataChannels, a.deleteEmptyTransponders);
}

void CMainFrame::UpdateTitle() {
  setWindowTitle(document_.Title() + " - " + kProgramTitle);
  // An edit the pane holds is a change too: Ctrl+S right after typing saves it.
  actions_.save->setEnabled(document_.CanSave() || (!document_.IsReadOnly() && view_->HoldsEdit()));
}

bool CMainFrame::OpenFile(const QString& path) {
  if (document_.OpenDocument(path)) return true;
  if (!QFileInfo::exists(path)) {
    recent_.Remove(path);
    RefreshRecentFiles();
  }
  return false;
}

void CMainFrame::OpenWithDialog() {
  const QString path =
      QFileDialog::getOpenFileName(this, QCoreApplication::translate("FileDialogs", "Open"),
                                   QFileInfo(document_.PathName()).path(),
                                   QCoreApplication::translate("FileDialogs", kSettingsFilter));
  if (!path.isEmpty()) OpenFile(path);
}

void CMainFrame::ShowConfiguration() {
  view_->CommitPendingEdits();
  EditorConfigDialog dialog(config_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  config_ = dialog.Config();
  view_->ShowPaneForCurrentTab();
  UpdateSerialCommands();
}

void CMainFrame::ShowAbout() {
  AboutDialog dialog(ProgramIcon(), this);
  dialog.exec();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!document_.SaveModified()) {
    event->ignore();
    return;
  }
  emit closing();
  document_.CloseDocument();
  event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  const QMimeData* data = event->mimeData();
  if (data->hasUrls() && !data->urls().isEmpty() && data->urls().front().isLocalFile())
    event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.isEmpty() || !urls.front().isLocalFile()) return;
  event->acceptProposedAction();
  activateWindow();
  OpenFile(urls.front().toLocalFile());
}

namespace {

/// The available area of `screen` less the frame the desktop puts around
/// the window (none until the window is shown and framed).
PlacementRect ClientArea(const QWidget& window, const QScreen& screen) {
  const QRect frame = window.frameGeometry();
  const QRect client = window.geometry();
  const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                         frame.right() - client.right(), frame.bottom() - client.bottom());
  const QRect area = screen.availableGeometry().marginsRemoved(margins);
  return {area.x(), area.y(), area.width(), area.height()};
}

}  // namespace

void CMainFrame::PlaceFirstStart() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return resize(kFirstWidth, kFirstHeight);
  SetGeometryInside(FirstPlacement({0, 0, kFirstWidth, kFirstHeight}, ClientArea(*this, *screen)),
                    *screen);
}

void CMainFrame::SetGeometryInside(PlacementRect rect, const QScreen& screen) {
  // Qt would widen a window below its layout's minimum past the screen's edge.
  const QSize least = minimumSizeHint().expandedTo(minimumSize());
  rect.width = std::max(rect.width, least.width());
  rect.height = std::max(rect.height, least.height());
  const PlacementRect inside = KeepInside(rect, ClientArea(*this, screen));
  setGeometry(inside.x, inside.y, inside.width, inside.height);
}

bool CMainFrame::ApplyPlacement(const FramePlacement& placement) {
  const QScreen* primary = QGuiApplication::primaryScreen();
  if (!primary) return false;
  const QRect work = primary->availableGeometry();
  const QRect full = primary->geometry();
  const int icon = style()->pixelMetric(QStyle::PM_LargeIconSize);
  const std::optional<PlacementRect> rect =
      PlaceOnScreen(placement, work.left(), work.top(), full.width(), full.height(), icon, icon);
  view_->SetPaneWidth(placement.PaneWidth);
  if (!rect) return false;
  // Kept inside the screen it lands on, size included; a screen that is
  // gone leaves it to the primary one.
  const QScreen* screen = QGuiApplication::screenAt(QPoint(rect->x, rect->y));
  SetGeometryInside(*rect, screen ? *screen : *primary);
  placedState_ = placement.Status;
  return true;
}

FramePlacement CMainFrame::CurrentPlacement() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QPoint origin = screen ? screen->availableGeometry().topLeft() : QPoint();
  const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
  FramePlacement placement;
  placement.Status = isMinimized()   ? FramePlacement::kMinimized
                     : isMaximized() ? FramePlacement::kMaximized
                                     : FramePlacement::kNormal;
  placement.Left = normal.left() - origin.x();
  placement.Top = normal.top() - origin.y();
  placement.Right = placement.Left + normal.width();
  placement.Bottom = placement.Top + normal.height();
  placement.PaneWidth = view_->PaneWidth();
  return placement;
}

void CMainFrame::ShowPlaced() {
  if (placedState_ == FramePlacement::kMaximized)
    showMaximized();
  else if (placedState_ == FramePlacement::kMinimized)
    showMinimized();
  else
    show();
  // Shown, the window knows the frame the desktop put around it; the
  // frame, too, stays on the screen.
  if (isVisible() && !isMaximized() && !isMinimized() && screen()) {
    const QRect client = geometry();
    SetGeometryInside({client.x(), client.y(), client.width(), client.height()}, *screen());
  }
}

}  // namespace vq
