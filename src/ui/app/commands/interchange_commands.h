#pragma once
/// @file
/// File > "Import" and "Export" of channel lists from and for elsewhere: VDR
/// channels.conf, dvbv5 scan tables, ordering like another list, CSV.

#include <QObject>
#include <QString>
#include <string>

#include "ui/app/commands/interchange_dialogs.h"

namespace vq {

class CVQChannelEditorDoc;
class CVQChannelEditorView;

/// Runs each import as one editing command over the main view: the pane's
/// pending edit is committed first, the whole file is read and checked
/// before anything changes (a file that is not of its kind changes
/// nothing), the lists follow, and a summary says what was added and what
/// was skipped and why. Exports write the whole file under a temporary name
/// and rename it over the target.
class InterchangeCommands : public QObject {
  Q_OBJECT

 public:
  InterchangeCommands(CVQChannelEditorView& view, CVQChannelEditorDoc& document,
                      InterchangeDialogs& dialogs, QObject* parent = nullptr);

  /// Each returns true when the database changed (imports) or the file was
  /// written (exports).
  bool ImportVdrChannels();
  bool ImportScanTable();
  bool OrderLikeAnotherList();
  bool ExportVdrChannels();
  bool ExportCsv();

 private:
  QString Directory() const;
  /// Commits the pane's edit, asks for a file of `kind` and reads it whole;
  /// false (after a message) when cancelled or unreadable.
  bool AskAndRead(ListFileKind kind, const char* title, QString& path, std::string& bytes);
  bool Export(ListFileKind kind, const char* title);

  CVQChannelEditorView& view_;
  CVQChannelEditorDoc& document_;
  InterchangeDialogs& dialogs_;
};

}  // namespace vq
