#pragma once
// The real editor window (frame and view) over a settings file, offscreen,
// with a random user: the random numbers, the answers to every question and
// the helpers the actions share.

#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "document/qt/document_prompter.h"
#include "document/qt/vq_channel_editor_doc.h"
#include "random_compare_dialogs.h"
#include "random_list_dialogs.h"
#include "random_prompter.h"
#include "random_tidy_dialogs.h"
#include "ui/app/config/editor_config.h"
#include "ui/app/config/recent_files.h"
#include "ui/dialogs/dialog_prompter.h"

class QAbstractItemView;
class QPushButton;

namespace vq {
class CMainFrame;
class CVQChannelEditorView;
class RecordTableView;
}  // namespace vq

namespace vq::test {

/// The document's questions: "Save changes?" is answered No, anything else
/// is recorded as unexpected.
class SessionDocumentPrompter : public DocumentPrompter {
 public:
  void Tell(const QString& text, Icon) override { unexpected.push_back(text.toStdString()); }
  bool AskYesNo(const QString& text) override {
    unexpected.push_back(text.toStdString());
    return false;
  }
  Answer AskYesNoCancel(const QString&) override { return Answer::kNo; }
  QString AskSavePath(const QString&) override { return {}; }

  std::vector<std::string> unexpected;
};

class WindowSession {
 public:
  /// Opens `path` in a new window shown offscreen.
  WindowSession(const QString& path, unsigned seed);
  ~WindowSession();
  WindowSession(const WindowSession&) = delete;
  WindowSession& operator=(const WindowSession&) = delete;

  bool Opened() const { return opened_; }
  CMainFrame& Frame() { return *frame_; }
  CVQChannelEditorView& View();
  CVQChannelEditorDoc& Document() { return document_; }
  SettingsDatabase& Database() { return document_.Database(); }
  const QString& Path() const { return path_; }
  SessionDocumentPrompter& DocumentQuestions() { return documentPrompter_; }
  RandomPrompter& Answers() { return *answers_; }
  /// The editor configuration the window reads (AutoSave and the like).
  EditorConfig& Config() { return config_; }

  /// A random number in 0..n-1 (0 for n <= 0).
  int Pick(int n);
  bool Chance(int oneIn) { return Pick(oneIn) == 0; }
  /// Random rows of a list of `count` rows: one, a range, scattered rows or
  /// none.
  std::vector<int> RandomRows(int count);
  /// The list of the current tab.
  RecordTableView* CurrentList();
  /// A row whose centre is visible in the list's viewport, or -1.
  int VisibleRow(QAbstractItemView* list, int row);
  /// Lets queued events and timers run.
  void Settle();

 private:
  void AnswerNextSelectionDialog();

  QString path_;
  std::mt19937 rng_;
  SessionDocumentPrompter documentPrompter_;
  EditorConfig config_;
  RecentFiles recent_;
  CVQChannelEditorDoc document_;
  std::unique_ptr<CMainFrame> frame_;
  std::unique_ptr<DialogPrompter> dialogs_;
  std::unique_ptr<RandomPrompter> answers_;
  QTemporaryDir listDir_;
  std::unique_ptr<RandomListDialogs> listAnswers_;
  std::unique_ptr<RandomCompareDialogs> compareAnswers_;
  std::unique_ptr<RandomTidyDialogs> tidyAnswers_;
  bool opened_ = false;
};

}  // namespace vq::test
