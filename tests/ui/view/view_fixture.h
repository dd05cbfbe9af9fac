#pragma once
// A document and a main view over settings files written to a temporary
// folder; the prompter fails the test if the document asks anything.

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "document/qt/vq_channel_editor_doc.h"
#include "support/database_builder.h"
#include "support/settings_files.h"
#include "ui/app/config/editor_config.h"
#include "ui/view/vq_channel_editor_view.h"

namespace vq::test {

class SilentPrompter : public DocumentPrompter {
 public:
  void Tell(const QString& text, Icon) override { ADD_FAILURE() << text.toStdString(); }
  bool AskYesNo(const QString& text) override {
    ADD_FAILURE() << text.toStdString();
    return false;
  }
  Answer AskYesNoCancel(const QString&) override { return Answer::kNo; }
  QString AskSavePath(const QString&) override { return {}; }
};

/// A PVR database: satellite 0 "Astra" with 40 TV and 3 radio channels on
/// two transponders, satellite 1 "Empty" without channels, two members in
/// favourite group 0.
inline std::unique_ptr<SettingsDatabase> MakeSmallDatabase() {
  auto db = MakeDatabase(kModelPvr);
  db->GetSatelliteNode(0)->SetName("Astra");
  db->GetSatelliteNode(1)->SetName("Empty");
  auto tps = AddTransponders(*db, 0, 2);
  auto tv = AddChannels(*db, tps[0], kTv, 40);
  AddChannels(*db, tps[1], kRadio, 3);
  db->AddToFavoriteGroup(tv[0], 0);
  db->AddToFavoriteGroup(tv[7], 0);
  return db;
}

class ViewFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    path = dir.filePath("small.bin");
    auto db = MakeSmallDatabase();
    ASSERT_TRUE(WriteSettings(*db, path));
    view.resize(1200, 700);
    QObject::connect(&document, &CVQChannelEditorDoc::documentReplaced, &view,
                     &CVQChannelEditorView::InitialUpdate);
  }

  QTemporaryDir dir;
  QString path;
  SilentPrompter prompter;
  EditorConfig config;
  CVQChannelEditorDoc document{prompter, [] { return 0; }, FixedClock};
  CVQChannelEditorView view{document, config};
};

}  // namespace vq::test
