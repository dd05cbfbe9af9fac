// The backup folder: what is kept reads back byte for byte, newest first,
// never more than the limit; a damaged index or a folder that cannot be
// written costs the backup, nothing else.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "backups/backup_folder.h"
#include "faulty_file_system.h"
#include "support/random_database.h"

namespace vq::test {
namespace {

namespace fs = std::filesystem;

class BackupFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "vq-backups-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(root_ / "backups", fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(root_, ec);
  }
  std::string Folder() const { return (root_ / "backups").string(); }
  size_t ImagesOnDisk() const {
    size_t n = 0;
    for (const auto& e : fs::directory_iterator(Folder())) n += e.path().extension() == ".bin";
    return n;
  }
  fs::path root_;
};

std::vector<uint8_t> ImageOf(int32_t model, unsigned seed) {
  auto db = MakeRandomDatabase(model, seed, {.transponders = 20, .channels = 60});
  std::vector<uint8_t> image;
  db->GetSettings(image);
  return image;
}

TEST_F(BackupFolderTest, KeepsTheNewestWithinTheLimitByteForByte) {
  std::mt19937 rng(29);
  const std::vector<uint8_t> images[] = {ImageOf(kModelFtaCi, 1), ImageOf(kModelPvr, 2), {1, 2, 3}};
  for (int round = 0; round < 4; ++round) {
    fs::remove_all(Folder());
    BackupFolder folder(Folder());
    const int limit = 1 + static_cast<int>(rng() % 6);
    const int kept = static_cast<int>(rng() % 10);
    std::vector<size_t> which;
    std::time_t now = 1765000000;
    for (int i = 0; i < kept; ++i) {
      which.push_back(rng() % 3);
      std::string error;
      // Several in the same second get names of their own.
      now += static_cast<std::time_t>(rng() % 2);
      ASSERT_TRUE(folder.Keep(images[which.back()], BackupReason::kBeforeSave,
                              "/home/u/my list\t" + std::to_string(i) + ".bin", limit, now, error))
          << error;
    }
    const std::vector<BackupEntry> list = folder.List();
    ASSERT_EQ(list.size(), static_cast<size_t>(std::min(kept, limit)));
    if (kept > 0) EXPECT_EQ(ImagesOnDisk(), list.size());
    for (size_t k = 0; k < list.size(); ++k) {
      const size_t i = static_cast<size_t>(kept) - 1 - k;  // newest first
      EXPECT_EQ(list[k].source, "/home/u/my list\t" + std::to_string(i) + ".bin");
      std::vector<uint8_t> read;
      std::string error;
      if (which[i] == 2) {
        EXPECT_EQ(list[k].model, -1);
        EXPECT_FALSE(folder.Read(list[k], read, error));
        continue;
      }
      ASSERT_TRUE(folder.Read(list[k], read, error)) << error;
      EXPECT_EQ(read, images[which[i]]);
      EXPECT_EQ(list[k].model, static_cast<int>(which[i]));
      EXPECT_GE(list[k].tv, 0);
    }
  }
}

TEST_F(BackupFolderTest, ALimitOfZeroKeepsNothing) {
  BackupFolder folder(Folder());
  std::string error;
  EXPECT_TRUE(folder.Keep(ImageOf(kModelPvr, 3), BackupReason::kReadFromReceiver, "USB receiver", 0,
                          1765000000, error));
  EXPECT_FALSE(fs::exists(Folder()));
}

TEST_F(BackupFolderTest, ADamagedIndexLosesOnlyItsBadLines) {
  BackupFolder folder(Folder());
  std::string error;
  const std::vector<uint8_t> image = ImageOf(kModelPvr, 4);
  ASSERT_TRUE(
      folder.Keep(image, BackupReason::kBeforeReceiverWrite, "USB receiver", 5, 1765000000, error));
  {
    std::ofstream index(Folder() + "/index.tsv", std::ios::app | std::ios::binary);
    index << "../../etc/passwd\t2026\tsave\t1\t1\t1\t1\tx\n"
          << "short line\n"
          << std::string(20000, 'x') << "\n"
          << "gone.bin\t2026\tsave\t1\t1\t1\t1\tx\n"
          << "a.bin\t2026\tnonsense\t1\t1\t1\t1\tx\n";
  }
  const std::vector<BackupEntry> list = folder.List();
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].reason, BackupReason::kBeforeReceiverWrite);
  ASSERT_TRUE(folder.Keep(image, BackupReason::kBeforeSave, "/x.bin", 5, 1765000001, error));
  EXPECT_EQ(folder.List().size(), 2u);
}

TEST_F(BackupFolderTest, AFolderThatCannotBeWrittenFailsWithAReason) {
  std::string error;
  if (geteuid() != 0) {
    fs::create_directories(Folder());
    fs::permissions(Folder(), fs::perms::owner_read | fs::perms::owner_exec);
    BackupFolder folder(Folder());
    EXPECT_FALSE(folder.Keep(ImageOf(kModelPvr, 5), BackupReason::kBeforeSave, "/a.bin", 50,
                             1765000000, error));
    EXPECT_FALSE(error.empty());
    fs::permissions(Folder(), fs::perms::owner_all);
  }
  // A full disk: every write fails part-way, and nothing is left behind.
  FaultyFileSystem full;
  full.writeBudget = 1000;
  full.writesStayBroken = true;
  BackupFolder folder(Folder(), full);
  error.clear();
  EXPECT_FALSE(folder.Keep(ImageOf(kModelPvr, 6), BackupReason::kBeforeSave, "/a.bin", 50,
                           1765000000, error));
  EXPECT_FALSE(error.empty());
  EXPECT_TRUE(folder.List().empty());
  EXPECT_EQ(ImagesOnDisk(), 0u);
}

TEST(BackupFolderPath, FollowsTheXdgStateHomeRule) {
  EXPECT_EQ(DefaultBackupFolder("/s", "/h"), "/s/VQChannelEditor/backups");
  EXPECT_EQ(DefaultBackupFolder("relative", "/h"), "/h/.local/state/VQChannelEditor/backups");
  EXPECT_EQ(DefaultBackupFolder(nullptr, "/h"), "/h/.local/state/VQChannelEditor/backups");
  EXPECT_EQ(DefaultBackupFolder(nullptr, nullptr), "");
}

}  // namespace
}  // namespace vq::test
