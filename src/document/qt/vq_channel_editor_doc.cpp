#include "document/qt/vq_channel_editor_doc.h"

#include <QFile>
#include <QFileInfo>
#include <memory>
#include <utility>

namespace vq {
namespace {

bool SameFile(const QString& a, const QString& b) {
  const QString canonical = QFileInfo(a).canonicalFilePath();
  return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

}  // namespace

CVQChannelEditorDoc::CVQChannelEditorDoc(DocumentPrompter& prompter, NetworkDefault networkDefault,
                                         SettingsDatabase::Clock clock, FileSystem& files,
                                         QObject* parent)
    : QObject(parent),
      prompter_(prompter),
      networkDefault_(std::move(networkDefault)),
      clock_(std::move(clock)),
      files_(files),
      database_(std::make_unique<SettingsDatabase>(clock_)),
      history_(*database_),
      file_(files) {
  history_.SetChangedHandler([this] {
    SetModifiedFlag(history_.IsModified());
    emit historyChanged();
  });
}

CVQChannelEditorDoc::~CVQChannelEditorDoc() = default;

void CVQChannelEditorDoc::CommitPendingEdits() {
  if (pendingEdits_) pendingEdits_();
}

bool CVQChannelEditorDoc::NewDocument() {
  if (!SaveModified()) return false;
  file_.Close();
  database_->ResetToDefaults(kModelFtaCi, true);
  database_->SetExtendedConfig(static_cast<uint32_t>(networkDefault_ ? networkDefault_() : 0));
  history_.Clear();
  SetPathAndTitle(QString(), false);
  emit documentReplaced();
  return true;
}

bool CVQChannelEditorDoc::IsShownWritable(const QString& path) const {
  return !readOnly_ && !path_.isEmpty() && SameFile(path, path_);
}

void CVQChannelEditorDoc::PrepareOpen(const QString& path) {
  prepared_.reset();  // an earlier preparation lets go of its lock first
  prepared_ = std::make_unique<BackgroundOpen>(QFile::encodeName(path).toStdString(), clock_, files_);
}

bool CVQChannelEditorDoc::OpenDocument(const QString& path) {
  std::unique_ptr<BackgroundOpen> prepared = std::move(prepared_);
  if (IsShownWritable(path)) return true;
  if (!SaveModified()) return false;
  if (IsShownWritable(path)) return true;  // a Save As to this file just gained write access

  SettingsFile file(files_);
  if (database_->GetModel() == kModelNone) {
    // Nothing is loaded yet (the first open): the file decodes straight into
    // the document, since a failed decode leaves it as empty as it was.
    if (!OpenInto(path, file, *database_, std::move(prepared))) return false;
  } else {
    // The file is read and decoded on the side first; the document changes
    // only once the new file has proved good.
    auto decoded = std::make_unique<SettingsDatabase>(clock_);
    if (!OpenInto(path, file, *decoded, std::move(prepared))) return false;
    // `decoded` then takes the previous records away before the view refills.
    database_->SwapContent(*decoded);
  }
  history_.Clear();
  file_ = std::move(file);
  SetPathAndTitle(path, file_.IsReadOnly());
  emit fileUsed(path);
  emit documentReplaced();
  return true;
}

bool CVQChannelEditorDoc::OpenUntitledImage(std::span<const uint8_t> image) {
  const ReceiverModel model = ModelForFileSize(image.size());
  SettingsDatabase scratch(clock_);
  if (model != kModelNone) scratch.ResetToDefaults(model, false);
  if (model == kModelNone || !scratch.LoadImage(image)) {
    prompter_.Tell(tr(kCorrupted), DocumentPrompter::Icon::kError);
    return false;
  }
  if (!SaveModified()) return false;
  file_.Close();
  database_->SwapContent(scratch);
  history_.Clear(false);
  SetPathAndTitle(QString(), false);
  SetModifiedFlag(true);
  emit documentReplaced();
  return true;
}

void CVQChannelEditorDoc::ContentReplaced(bool fromReceiver) {
  // An image from a receiver starts the history over; the modified mark
  // stays as it was. A preset import is a recorded change like any other.
  if (fromReceiver) history_.Clear(!modified_);
  loadingFromReceiver_ = fromReceiver;
  emit documentReplaced();
  loadingFromReceiver_ = false;
}

bool CVQChannelEditorDoc::OpenInto(const QString& path, SettingsFile& file,
                                   SettingsDatabase& decoded,
                                   std::unique_ptr<BackgroundOpen> prepared) {
  const std::string native = QFile::encodeName(path).toStdString();
  if (prepared && prepared->Path() == native && prepared->Take(file, decoded)) return true;
  // A preparation of another file lets go of it first: its lock would
  // refuse the open below when both name the same file.
  prepared.reset();
  const std::optional<uint64_t> size = QueryFileSize(native);
  if (!size) return false;
  if (ModelForFileSize(*size) == kModelNone) {
    prompter_.Tell(tr(kInvalidFile), DocumentPrompter::Icon::kError);
    return false;
  }
  if (!file.OpenForWriting(native)) {
    if (!prompter_.AskYesNo(tr(kAskReadOnly))) return false;
    if (!file.OpenReadOnly(native)) {
      prompter_.Tell(tr(kAccessLocked), DocumentPrompter::Icon::kError);
      return false;
    }
  }
  std::vector<uint8_t> image;
  switch (file.ReadImage(image)) {
    case SettingsFile::ReadStatus::kRead:
      break;
    case SettingsFile::ReadStatus::kInvalidSize:  // the file changed since its size was read
      prompter_.Tell(tr(kInvalidFile), DocumentPrompter::Icon::kError);
      return false;
    case SettingsFile::ReadStatus::kFailed:
      return false;
  }
  decoded.ResetToDefaults(ModelForFileSize(image.size()), false);
  if (!decoded.LoadImage(image)) {
    prompter_.Tell(tr(kCorrupted), DocumentPrompter::Icon::kError);
    return false;
  }
  return true;
}

void CVQChannelEditorDoc::CloseDocument() { file_.Close(); }

void CVQChannelEditorDoc::SetPathAndTitle(const QString& path, bool readOnly) {
  path_ = path;
  readOnly_ = readOnly;
  if (modified_) {
    modified_ = false;
    emit modifiedChanged(false);
  }
  emit titleChanged(Title());
}

QString CVQChannelEditorDoc::Title() const {
  QString title = path_.isEmpty() ? tr(kUntitled) : QFileInfo(path_).fileName();
  if (readOnly_) {
    const qsizetype dot = title.lastIndexOf(QLatin1Char('.'));
    title.insert(dot < 0 ? 0 : dot, tr(kReadOnlyMark));
  }
  if (modified_) title += QStringLiteral(" *");
  return title;
}

void CVQChannelEditorDoc::SetModifiedFlag(bool modified) {
  if (modified == modified_) return;
  modified_ = modified;
  emit modifiedChanged(modified);
  emit titleChanged(Title());
}

}  // namespace vq
