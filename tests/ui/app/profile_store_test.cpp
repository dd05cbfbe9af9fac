#include "ui/app/config/profile_store.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "ui/app/config/recent_files.h"

namespace vq {
namespace {

class ProfileStoreTest : public ::testing::Test {
 protected:
  QString Ini(const QByteArray& text) {
    QFile file(path_);
    file.open(QIODevice::WriteOnly);
    file.write(text);
    return path_;
  }

  QTemporaryDir dir_;
  QString path_ = dir_.filePath(QStringLiteral("VQChannelEditor.ini"));
};

TEST_F(ProfileStoreTest, MissingFileGivesDefaultsAndNoPlacement) {
  ProfileStore store(path_);
  EXPECT_EQ(store.LoadConfig(), EditorConfig{});
  EXPECT_FALSE(store.LoadPlacement().IsComplete());
  EXPECT_TRUE(store.LoadRecentFiles().isEmpty());
}

TEST_F(ProfileStoreTest, ReadsTheIniKeysWithRepairAndIgnoresGarbage) {
  ProfileStore store(Ini("[SettingsCOMPort]\nTimeout=999\nBitrate=7\nPort=abc\nStopBit=2x\n"
                         "[SettingsLayout]\nCurrentSettingsItem=9\nCurrentTab=2\n"
                         "[SettingsGeneral]\nPostEditAction=-1\nAutoSave=99999999999\n"
                         "[Frame]\nStatus=1\nTop=5\nLeft=6\nBottom=7\n"));
  const EditorConfig config = store.LoadConfig();
  EXPECT_EQ(config.Timeout, 3000);
  EXPECT_EQ(config.Bitrate, 7);
  EXPECT_EQ(config.Port, 0);
  EXPECT_EQ(config.StopBit, 0);
  EXPECT_EQ(config.CurrentSettingsItem, 0);
  EXPECT_EQ(config.CurrentTab, 2);
  EXPECT_EQ(config.PostEditAction, 0);
  EXPECT_EQ(config.AutoSave, 0) << "a number beyond 32 bits is not an integer here";
  const FramePlacement placement = store.LoadPlacement();
  EXPECT_EQ(placement.Top, 5);
  EXPECT_EQ(placement.Right, -1);
  EXPECT_FALSE(placement.IsComplete());
}

TEST_F(ProfileStoreTest, SavedValuesReadBackTheSame) {
  EditorConfig config;
  config.PostEditAction = 2;
  config.FlowCtrl = 5;
  config.Timeout = 45000;
  config.ExpandChanAudioTrack6 = 1;
  config.CurrentSettingsItem = 8;
  config.ScanTableSource = "http://mirror.example/dvb-s/?a=1;b=2";
  config.ComCommandsEnabled = 1;
  const FramePlacement placement{FramePlacement::kMaximized, 1, 2, 3, 4, 420};
  const QStringList recent{"/a.bin", "/b.bin"};
  {
    ProfileStore store(path_);
    store.SaveConfig(config);
    store.SavePlacement(placement);
    store.SaveRecentFiles(recent);
    ASSERT_TRUE(store.Sync());
  }
  ProfileStore store(path_);
  EXPECT_EQ(store.LoadConfig(), config);
  EXPECT_EQ(store.LoadPlacement(), placement);
  EXPECT_EQ(store.LoadRecentFiles(), recent);

  QFile file(path_);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray text = file.readAll();
  EXPECT_TRUE(text.contains("[SettingsCOMPort]")) << text.constData();
  EXPECT_TRUE(text.contains("Timeout=45000"));
  EXPECT_TRUE(text.contains("ExpandChanAudioTrack6=1"));
  EXPECT_TRUE(text.contains("[SettingsUpdate]"));
  EXPECT_TRUE(text.contains("ComCommandsEnabled=1"));
}

TEST_F(ProfileStoreTest, TheComCommandsAreOffUnlessTheProfileSaysOn) {
  EXPECT_EQ(ProfileStore(path_).LoadConfig().ComCommandsEnabled, 0);
  EXPECT_EQ(ProfileStore(Ini("[SettingsCOMPort]\nComCommandsEnabled=yes\n"))
                .LoadConfig()
                .ComCommandsEnabled,
            0);
  EXPECT_EQ(ProfileStore(Ini("[SettingsCOMPort]\nComCommandsEnabled=7\n"))
                .LoadConfig()
                .ComCommandsEnabled,
            1);
}

TEST_F(ProfileStoreTest, RecentFilesKeepNineMostRecentFirst) {
  RecentFiles recent;
  for (int i = 0; i < 11; ++i) recent.Add(QStringLiteral("/f%1.bin").arg(i));
  recent.Add(QStringLiteral("/f5.bin"));
  ASSERT_EQ(recent.Files().size(), 9);
  EXPECT_EQ(recent.Files().front(), "/f5.bin");
  EXPECT_EQ(recent.Files().count("/f5.bin"), 1);
  EXPECT_EQ(recent.Files().back(), "/f2.bin");

  ProfileStore store(path_);
  store.SaveRecentFiles(recent.Files() + QStringList{"/overflow.bin"});
  recent.Assign(store.LoadRecentFiles());
  EXPECT_EQ(recent.Files().size(), 9);
  recent.Remove(QStringLiteral("/f5.bin"));
  EXPECT_EQ(recent.Files().front(), "/f10.bin");
}

}  // namespace
}  // namespace vq
