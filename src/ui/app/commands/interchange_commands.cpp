#include "ui/app/commands/interchange_commands.h"

#include <QFile>
#include <QFileInfo>
#include <new>
#include <span>
#include <vector>

#include "common/qt/core_text.h"
#include "database/settings_database.h"
#include "document/file_replace.h"
#include "document/qt/shown_message.h"
#include "document/qt/vq_channel_editor_doc.h"
#include "editing/commands/command_frame.h"
#include "interchange/channel_csv_writer.h"
#include "interchange/database_channel_list.h"
#include "interchange/import_texts.h"
#include "interchange/list_import_command.h"
#include "interchange/reference_list.h"
#include "interchange/satellite_placement.h"
#include "interchange/scan_table_names.h"
#include "interchange/scan_table_reader.h"
#include "interchange/vdr_channels_reader.h"
#include "interchange/vdr_channels_writer.h"
#include "ui/view/vq_channel_editor_view.h"

namespace vq {
namespace {

// Appended to a message when a command left the file alone.
QString NothingChanged() { return InterchangeCommands::tr("\n\nNothing was changed."); }

// A title of the commands' dialogs (marked where defined) in the user's language.
QString Title(const char* title) { return InterchangeCommands::tr(title); }
constexpr int kGroupNamesShown = 8;

QString FileName(const QString& path) { return QFileInfo(path).fileName(); }

QString Latin1(const std::string& text) { return QString::fromLatin1(text); }

// The summary lines without the closing message, which the heading shows.
QStringList BodyLines(const std::vector<std::string>& lines, const std::string& message) {
  QStringList body;
  for (const std::string& line : lines) body.append(Latin1(line));
  if (!message.empty() && !body.isEmpty() && body.back() == CoreText(message)) body.removeLast();
  return body;
}

QString ImportHeading(const ImportSummary& s, const QString& file) {
  if (s.status == ImportStatus::kStopped)
    return CoreText(s.message) +
           InterchangeCommands::tr("\n\nWhat was imported from %1 up to there stays.").arg(file);
  if (s.status == ImportStatus::kNoModel) return CoreText(s.message) + NothingChanged();
  if (!s.Used())
    return InterchangeCommands::tr("Nothing of %1 could be used; nothing was changed.").arg(file);
  if (!s.Changed())
    return InterchangeCommands::tr("Everything in %1 is already there; nothing was changed.")
        .arg(file);
  return InterchangeCommands::tr("Imported from %1.").arg(file);
}

void ShowImportSummary(InterchangeDialogs& dialogs, const char* title, const ImportSummary& s,
                       const QString& file) {
  dialogs.ShowSummary(Title(title), ImportHeading(s, file),
                      s.status != ImportStatus::kDone || !s.Used(),
                      BodyLines(SummaryLines(s), s.message));
}

// The question whether the list's groups become favourite groups.
QString GroupsQuestion(const ChannelList& list, const QString& file) {
  QStringList names;
  for (size_t i = 0; i < list.groups.size() && names.size() < kGroupNamesShown; ++i)
    names.append(Latin1(list.groups[i]));
  if (list.groups.size() > static_cast<size_t>(kGroupNamesShown)) names.append("...");
  const QString question =
      list.groups.size() == 1
          ? InterchangeCommands::tr(
                "%1 sorts its channels into %2 group: %3.\n\nMake them favourite groups? A group "
                "joins the favourite group of the same name, else takes the next favourite group "
                "without channels.")
          : InterchangeCommands::tr(
                "%1 sorts its channels into %2 groups: %3.\n\nMake them favourite groups? A group "
                "joins the favourite group of the same name, else takes the next favourite group "
                "without channels.");
  return question.arg(file, QString::number(list.groups.size()), names.join(", "));
}

QString CannotRead(const QString& path, const QFile& file) {
  return InterchangeCommands::tr("Cannot read %1: %2").arg(FileName(path), file.errorString()) +
         NothingChanged();
}

// The satellite a scan table most likely belongs to: the one at the
// position its name ends in, else the free slot that would take that
// position, else the satellite the transponder list shows.
const SatelliteNode* SuggestedSatellite(const SettingsDatabase& db, std::optional<int16_t> position,
                                        int listSatellite) {
  if (position) {
    if (const SatelliteNode* at = SatelliteAtPosition(db, *position)) return at;
    if (const SatelliteNode* slot = FreeSatelliteSlot(db)) return slot;
  }
  return db.FindSatelliteNodeByNumber(listSatellite > 0 ? listSatellite - 1 : 0);
}

}  // namespace

InterchangeCommands::InterchangeCommands(CVQChannelEditorView& view, CVQChannelEditorDoc& document,
                                         InterchangeDialogs& dialogs, QObject* parent)
    : QObject(parent), view_(view), document_(document), dialogs_(dialogs) {}

QString InterchangeCommands::Directory() const {
  return document_.PathName().isEmpty() ? QString() : QFileInfo(document_.PathName()).path();
}

bool InterchangeCommands::AskAndRead(ListFileKind kind, const char* title, QString& path,
                                     std::string& bytes) {
  CommitPendingEdits(view_.Editing());
  path = dialogs_.AskOpenPath(kind, Directory());
  if (path.isEmpty()) return false;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    dialogs_.Tell(Title(title), CannotRead(path, file));
    return false;
  }
  // A device or pipe tells no size: at most one byte past the limit is read,
  // in pieces, straight into the text the readers take (no second copy).
  const auto limit = static_cast<qint64>(kListFileLimit);
  bool tooLarge = file.size() > limit;
  try {
    bytes.clear();
    if (!tooLarge) bytes.reserve(static_cast<size_t>(file.size()));
    std::vector<char> piece(size_t{1} << 16);
    while (!tooLarge) {
      const qint64 got = file.read(piece.data(), static_cast<qint64>(piece.size()));
      if (got <= 0) break;
      bytes.append(piece.data(), static_cast<size_t>(got));
      tooLarge = static_cast<qint64>(bytes.size()) > limit;
    }
  } catch (const std::bad_alloc&) {
    bytes = {};
    dialogs_.Tell(Title(title), CoreText(import_texts::kNoMemory) + NothingChanged());
    return false;
  }
  if (file.error() != QFileDevice::NoError) {
    dialogs_.Tell(Title(title), CannotRead(path, file));
    return false;
  }
  if (tooLarge) {
    bytes = {};
    dialogs_.Tell(Title(title),
                  tr("%1 is larger than %2 MB, too large for a channel list.")
                          .arg(FileName(path), QString::number(kListFileLimit >> 20)) +
                      NothingChanged());
    return false;
  }
  return true;
}

bool InterchangeCommands::ImportVdrChannels() {
  QString path;
  std::string bytes;
  if (!AskAndRead(ListFileKind::kVdrChannels, kImportVdrTitle, path, bytes)) return false;
  const ChannelListRead read = ReadVdrChannels(bytes);
  if (!read.recognised) {
    dialogs_.Tell(Title(kImportVdrTitle), CoreText(read.message) + NothingChanged());
    return false;
  }
  ImportOptions options;
  if (!read.list.groups.empty())
    options.groupsAsFavorites =
        dialogs_.AskYesNo(Title(kImportVdrTitle), GroupsQuestion(read.list, FileName(path)));
  ImportSummary summary;
  view_.Recorded(tr("Import VDR channel list"),
                 [&] { summary = ImportChannels(view_.Editing(), read.list, options); });
  ShowImportSummary(dialogs_, kImportVdrTitle, summary, FileName(path));
  return summary.Changed();
}

bool InterchangeCommands::ImportScanTable() {
  QString path;
  std::string bytes;
  if (!AskAndRead(ListFileKind::kScanTable, kImportScanTableTitle, path, bytes)) return false;
  const ChannelListRead read = ReadScanTable(bytes);
  if (!read.recognised) {
    dialogs_.Tell(Title(kImportScanTableTitle), CoreText(read.message) + NothingChanged());
    return false;
  }
  SettingsDatabase& db = view_.Database();
  const std::optional<int16_t> position = PositionOfTableName(FileName(path).toStdString());
  const std::optional<int> number = dialogs_.ChooseSatellite(
      db, SuggestedSatellite(db, position, view_.State().transponderListSatellite));
  SatelliteNode* satellite = number ? db.FindSatelliteNodeByNumber(*number) : nullptr;
  if (!satellite) return false;
  ImportSummary summary;
  view_.Recorded(tr("Import DVB scan table"), [&] {
    summary = ImportTranspondersTo(view_.Editing(), read.list, *satellite, position);
  });
  ShowImportSummary(dialogs_, kImportScanTableTitle, summary, FileName(path));
  return summary.Changed();
}

bool InterchangeCommands::OrderLikeAnotherList() {
  QString path;
  std::string bytes;
  if (!AskAndRead(ListFileKind::kReference, kOrderLikeTitle, path, bytes)) return false;
  const ReferenceFile reference = ReadReferenceFile(bytes);
  if (!reference.read.recognised) {
    dialogs_.Tell(Title(kOrderLikeTitle), CoreText(reference.read.message) + NothingChanged());
    return false;
  }
  OrderOptions options;
  if (reference.fromSettings)
    options.takeFavorites = dialogs_.AskYesNo(
        Title(kOrderLikeTitle), tr("Take the favourite groups of %1 as well? Their names and "
                                   "members replace the eight favourite groups of this file.")
                                    .arg(FileName(path)));
  OrderSummary summary;
  view_.Recorded(tr("Order channels like another list"), [&] {
    summary = OrderChannelsLike(view_.Editing(), reference.read.list, options);
  });
  QString heading;
  if (summary.Matched() == 0)
    heading = CoreText(summary.message);
  else if (summary.changed)
    heading = tr("Ordered like %1.").arg(FileName(path));
  else
    heading = tr("The channels already follow %1; nothing was changed.").arg(FileName(path));
  dialogs_.ShowSummary(Title(kOrderLikeTitle), heading, summary.Matched() == 0,
                       BodyLines(OrderSummaryLines(summary), summary.message));
  return summary.changed;
}

bool InterchangeCommands::ExportVdrChannels() {
  return Export(ListFileKind::kVdrChannels, kExportVdrTitle);
}

bool InterchangeCommands::ExportCsv() { return Export(ListFileKind::kCsv, kExportCsvTitle); }

bool InterchangeCommands::Export(ListFileKind kind, const char* title) {
  // The file gets what the window shows, a pane's pending edit included.
  CommitPendingEdits(view_.Editing());
  const QString path = dialogs_.AskSavePath(kind, Directory());
  if (path.isEmpty()) return false;
  const ChannelList list = CollectChannelList(view_.Database());
  const std::string text =
      kind == ListFileKind::kCsv ? WriteChannelCsv(list) : WriteVdrChannels(list);
  // Under Save's rules: a file an editor holds, one the user may not write
  // or one that is not a regular file is never replaced.
  const ReplaceResult written =
      ReplaceFile(QFile::encodeName(path).toStdString(),
                  std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
  if (!written.done) {
    dialogs_.Tell(Title(title),
                  tr("Cannot write %1: %2").arg(FileName(path), CoreOrSystemText(written.reason)));
    return false;
  }
  const size_t count = list.channels.size();
  view_.ShowStatus(
      (count == 1 ? tr("Exported %1 channel to %2!") : tr("Exported %1 channels to %2!"))
          .arg(QString::number(count), FileName(path)));
  return true;
}

}  // namespace vq
