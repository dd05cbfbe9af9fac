#pragma once
/// @file
/// File > "Compare with file...": the differences with another settings
/// file, reviewed, and the chosen ones taken over as one undo step.

#include <QObject>
#include <QPointer>
#include <QString>
#include <optional>
#include <vector>

#include "compare/database_comparison.h"

class QWidget;

namespace vq {

class CVQChannelEditorView;

/// What the comparison asks and tells the user: the window shows dialogs,
/// tests answer.
class CompareDialogs {
 public:
  virtual ~CompareDialogs() = default;
  /// The settings file to compare with; empty when the user cancels.
  virtual QString ChooseFile() = 0;
  /// Shows the differences; the chosen ones (indexes) when the user takes
  /// them over, nothing when the user cancels.
  virtual std::optional<std::vector<size_t>> Review(const DatabaseComparison& comparison,
                                                    const QString& otherName) = 0;
  virtual void Tell(const QString& text) = 0;
};

/// CompareDialogs as a file dialog, the review dialog and message boxes.
class WindowCompareDialogs : public CompareDialogs {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }
  QString ChooseFile() override;
  std::optional<std::vector<size_t>> Review(const DatabaseComparison& comparison,
                                            const QString& otherName) override;
  void Tell(const QString& text) override;

 private:
  QPointer<QWidget> parent_;
};

class CompareCommand : public QObject {
  Q_OBJECT

 public:
  CompareCommand(CVQChannelEditorView& view, CompareDialogs& dialogs, QObject* parent = nullptr);

  /// Asks for a settings file and compares with it. True when anything was
  /// taken over.
  bool CompareWithFile();
  /// Compares with `other` (named `name` in the dialog) and takes over what
  /// the user chooses; equal lists are told so.
  bool CompareWith(const SettingsDatabase& other, const QString& name);

 private:
  CVQChannelEditorView& view_;
  CompareDialogs& dialogs_;
};

}  // namespace vq
