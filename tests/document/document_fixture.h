#pragma once
// A document with a scripted prompter, over a scratch folder.

#include <gtest/gtest.h>

#include <QString>
#include <deque>

#include "document/document_test_files.h"
#include "document/faulty_file_system.h"
#include "document/qt/vq_channel_editor_doc.h"

namespace vq::test {

// Answers questions from scripted lists and records every text shown.
class ScriptedPrompter : public DocumentPrompter {
 public:
  void Tell(const QString& text, Icon) override { told.push_back(text); }
  bool AskYesNo(const QString& text) override {
    asked.push_back(text);
    return Next(yesNo, false);
  }
  Answer AskYesNoCancel(const QString& text) override {
    asked.push_back(text);
    return Next(yesNoCancel, Answer::kCancel);
  }
  QString AskSavePath(const QString&) override { return Next(savePaths, QString()); }

  std::deque<bool> yesNo;
  std::deque<Answer> yesNoCancel;
  std::deque<QString> savePaths;
  std::vector<QString> told;
  std::vector<QString> asked;

 private:
  template <class T>
  static T Next(std::deque<T>& list, T fallback) {
    if (list.empty()) return fallback;
    T value = list.front();
    list.pop_front();
    return value;
  }
};

class DocumentTest : public ::testing::Test {
 protected:
  QString Q(const std::string& path) const { return QString::fromStdString(path); }

  // Writes an image of `model` under `name` and returns its path.
  std::string Image(const std::string& name, int32_t model) {
    const std::string path = folder_.File(name);
    WriteFile(path, MakeImage(model));
    return path;
  }

  static bool Lockable(const std::string& path) {
    SettingsFile other;
    return other.OpenForWriting(path);
  }

  TempFolder folder_;
  ScriptedPrompter prompter_;
  int32_t networkDefault_ = 0;
  FaultyFileSystem files_;  // no faults until a test switches one on
  CVQChannelEditorDoc doc_{prompter_, [this] { return networkDefault_; }, FixedClock, files_};
};

}  // namespace vq::test
