#include "document/settings_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <random>

#include "document/document_test_files.h"
#include "document/faulty_file_system.h"

namespace vq {
namespace {

using test::MakeImage;
using test::ReadFile;
using test::WriteFile;

// True when a second holder could take the write lock on `path` now.
bool Lockable(const std::string& path) {
  SettingsFile other;
  return other.OpenForWriting(path);
}

ino_t Inode(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

size_t FolderEntries(const std::filesystem::path& folder) {
  return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

class SettingsFileTest : public ::testing::Test {
 protected:
  test::TempFolder folder_;
  test::FaultyFileSystem files_;
  std::string path_ = folder_.File("settings.bin");
  std::vector<uint8_t> image0_ = MakeImage(kModelFtaCi);
  std::vector<uint8_t> image1_ = MakeImage(kModelPvr);
};

TEST_F(SettingsFileTest, RecognisesOnlyTheTwoImageSizes) {
  EXPECT_EQ(ModelForFileSize(499712), kModelFtaCi);
  EXPECT_EQ(ModelForFileSize(827392), kModelPvr);
  for (uint64_t size : {uint64_t{0}, uint64_t{499711}, uint64_t{499713}, uint64_t{827391},
                        uint64_t{827393}})
    EXPECT_EQ(ModelForFileSize(size), kModelNone) << size;
  EXPECT_FALSE(QueryFileSize(folder_.File("missing.bin")));
  EXPECT_FALSE(QueryFileSize(folder_.Path().string())) << "a folder is not a settings file";
}

TEST_F(SettingsFileTest, ReadsWholeImagesAndRefusesOtherSizes) {
  for (const auto& image : {image0_, image1_}) {
    WriteFile(path_, image);
    SettingsFile file;
    ASSERT_TRUE(file.OpenForWriting(path_));
    std::vector<uint8_t> read;
    EXPECT_EQ(file.ReadImage(read), SettingsFile::ReadStatus::kRead);
    EXPECT_EQ(read, image);
  }
  for (size_t size : {size_t{0}, image0_.size() - 1, image0_.size() + 1}) {
    WriteFile(path_, std::vector<uint8_t>(size, 0xFF));
    SettingsFile file;
    ASSERT_TRUE(file.OpenReadOnly(path_));
    std::vector<uint8_t> read{1, 2, 3};
    EXPECT_EQ(file.ReadImage(read), SettingsFile::ReadStatus::kInvalidSize) << size;
  }
}

TEST_F(SettingsFileTest, WriteLockKeepsOutASecondHolderUntilClosed) {
  WriteFile(path_, image0_);
  SettingsFile first;
  ASSERT_TRUE(first.OpenForWriting(path_));
  EXPECT_FALSE(Lockable(path_));
  SettingsFile reader;
  EXPECT_TRUE(reader.OpenReadOnly(path_));
  EXPECT_TRUE(reader.IsReadOnly());
  first.Close();
  EXPECT_TRUE(Lockable(path_)) << "a read-only holder takes no lock";
}

TEST_F(SettingsFileTest, SaveOverTheHeldFileKeepsTheLock) {
  WriteFile(path_, image0_);
  SettingsFile file;
  ASSERT_TRUE(file.OpenForWriting(path_));
  std::vector<uint8_t> changed = image0_;
  changed[200] ^= 0x5A;
  std::string error;
  ASSERT_TRUE(file.Save(path_, changed, error)) << error;
  EXPECT_EQ(ReadFile(path_), changed);
  EXPECT_FALSE(Lockable(path_));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.Path()), {}), 1)
      << "no temporary file is left behind";
}

TEST_F(SettingsFileTest, SaveElsewhereMovesTheLockToTheNewFile) {
  WriteFile(path_, image0_);
  SettingsFile file;
  ASSERT_TRUE(file.OpenForWriting(path_));
  const std::string other = folder_.File("copy.bin");
  std::string error;
  ASSERT_TRUE(file.Save(other, image0_, error)) << error;
  EXPECT_EQ(file.Path(), other);
  EXPECT_TRUE(Lockable(path_));
  EXPECT_FALSE(Lockable(other));
}

TEST_F(SettingsFileTest, SaveOverAFileLockedByAnotherHolderIsDenied) {
  WriteFile(path_, image0_);
  SettingsFile holder;
  ASSERT_TRUE(holder.OpenForWriting(path_));
  SettingsFile file;
  std::string error;
  EXPECT_FALSE(file.Save(path_, image1_, error));
  EXPECT_EQ(error, SettingsFile::kAccessDenied);
  EXPECT_EQ(ReadFile(path_), image0_);
}

TEST_F(SettingsFileTest, FailedSavesKeepTheOldFileAndTheHeldLock) {
  WriteFile(path_, image0_);
  SettingsFile file;
  ASSERT_TRUE(file.OpenForWriting(path_));
  std::string error;

  // The target's folder has gone.
  EXPECT_FALSE(file.Save(folder_.File("gone/settings.bin"), image1_, error));
  EXPECT_EQ(error, SettingsFile::kAccessDenied);

  // The write itself fails part-way: the file size limit stops it.
  struct rlimit old {};
  ::getrlimit(RLIMIT_FSIZE, &old);
  ::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 4096;
  ::setrlimit(RLIMIT_FSIZE, &small);
  const bool saved = file.Save(path_, image1_, error);
  ::setrlimit(RLIMIT_FSIZE, &old);
  ::signal(SIGXFSZ, SIG_DFL);
  EXPECT_FALSE(saved);
  EXPECT_EQ(error, "File too large");

  EXPECT_EQ(ReadFile(path_), image0_);
  EXPECT_EQ(file.Path(), path_);
  EXPECT_FALSE(Lockable(path_));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.Path()), {}), 1);
}

TEST_F(SettingsFileTest, FileTheUserMayNotWriteIsNeverReplaced) {
  WriteFile(path_, image0_);
  files_.unwritable = {path_, std::filesystem::canonical(path_).string()};
  const ino_t inode = Inode(path_);
  SettingsFile file(files_);
  EXPECT_FALSE(file.OpenForWriting(path_));
  ASSERT_TRUE(file.OpenReadOnly(path_));

  std::string error;
  EXPECT_FALSE(file.Save(path_, image1_, error));
  EXPECT_EQ(error, SettingsFile::kAccessDenied);
  SettingsFile untitled(files_);
  EXPECT_FALSE(untitled.Save(path_, image1_, error)) << "nor by one that holds nothing";
  EXPECT_EQ(ReadFile(path_), image0_);
  EXPECT_EQ(Inode(path_), inode);
  EXPECT_EQ(files_.tempsCreated, 0);
  EXPECT_TRUE(file.IsReadOnly());
  EXPECT_EQ(file.Path(), path_);
}

TEST_F(SettingsFileTest, WithoutRoomForATemporaryFileTheTargetIsRewrittenInPlace) {
  WriteFile(path_, image0_);
  const ino_t inode = Inode(path_);
  files_.tempError = EACCES;  // a folder the user may not create files in
  SettingsFile file(files_);
  ASSERT_TRUE(file.OpenForWriting(path_));
  std::string error;
  ASSERT_TRUE(file.Save(path_, image1_, error)) << error;  // grows
  EXPECT_EQ(ReadFile(path_), image1_);
  ASSERT_TRUE(file.Save(path_, image0_, error)) << error;  // shrinks
  EXPECT_EQ(ReadFile(path_), image0_);
  EXPECT_EQ(Inode(path_), inode);
  EXPECT_FALSE(Lockable(path_));

  // Another existing file is rewritten the same way and takes the lock over.
  const std::string other = folder_.File("other.bin");
  WriteFile(other, image1_);
  ASSERT_TRUE(file.Save(other, image0_, error)) << error;
  EXPECT_EQ(ReadFile(other), image0_);
  EXPECT_EQ(file.Path(), other);
  EXPECT_FALSE(Lockable(other));
  EXPECT_TRUE(Lockable(path_));

  // A new file cannot be made there either.
  EXPECT_FALSE(file.Save(folder_.File("new.bin"), image0_, error));
  EXPECT_EQ(error, SettingsFile::kAccessDenied);
  EXPECT_EQ(FolderEntries(folder_.Path()), 2u);
}

TEST_F(SettingsFileTest, FailedInPlaceWritePutsTheOldBytesBackAndSaysSo) {
  WriteFile(path_, image0_);
  files_.tempError = ENOSPC;
  SettingsFile file(files_);
  ASSERT_TRUE(file.OpenForWriting(path_));
  std::string error;

  files_.writeBudget = 4096;  // the disk fills after the first 4 KB
  EXPECT_FALSE(file.Save(path_, image1_, error));
  EXPECT_EQ(error, std::string(std::strerror(ENOSPC)) + SettingsFile::kOldBytesRestored);
  EXPECT_EQ(ReadFile(path_), image0_);
  EXPECT_EQ(file.Path(), path_);
  EXPECT_FALSE(Lockable(path_)) << "the lock is kept";

  files_.writeBudget = 4096;
  files_.writesStayBroken = true;
  EXPECT_FALSE(file.Save(path_, image1_, error));
  EXPECT_EQ(error, std::string(std::strerror(ENOSPC)) + SettingsFile::kOldBytesLost);
}

TEST_F(SettingsFileTest, SaveThroughASymbolicLinkReplacesItsTarget) {
  WriteFile(path_, image0_);
  const std::string link = folder_.File("link.bin");
  std::filesystem::create_symlink(path_, link);
  SettingsFile file;
  std::string error;
  ASSERT_TRUE(file.Save(link, image1_, error)) << error;
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadFile(path_), image1_);
}

TEST_F(SettingsFileTest, ALinkAnotherUserPutInASharedFolderIsNotFollowed) {
  // A folder such as /tmp: sticky, open to everyone, owned by this user.
  const std::string shared = folder_.File("shared");
  ASSERT_EQ(::mkdir(shared.c_str(), 0700), 0);
  ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
  WriteFile(path_, image0_);
  const std::string link = shared + "/list.bin";
  std::filesystem::create_symlink(path_, link);
  if (::lchown(link.c_str(), 65534, 65534) != 0)
    GTEST_SKIP() << "only root can give the link another owner";

  SettingsFile file;
  std::string error;
  EXPECT_FALSE(file.Save(link, image1_, error));
  EXPECT_EQ(error, SettingsFile::kForeignLink);
  EXPECT_EQ(ReadFile(path_), image0_);
  EXPECT_TRUE(std::filesystem::is_symlink(link));

  // The same for an ordinary user, whom nothing else would stop: the target
  // and its folder are open to everyone.
  ASSERT_EQ(::chmod(folder_.Path().c_str(), 0777), 0);
  ASSERT_EQ(::chmod(path_.c_str(), 0666), 0);
  ASSERT_EQ(::lchown(link.c_str(), 65533, 65533), 0);
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setresgid(65534, 65534, 65534) != 0 || ::setresuid(65534, 65534, 65534) != 0) ::_exit(2);
    SettingsFile mine;
    std::string refusal;
    ::_exit(!mine.Save(link, image1_, refusal) && refusal == SettingsFile::kForeignLink ? 0 : 1);
  }
  int status = -1;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_EQ(ReadFile(path_), image0_);

  // The user's own link there is followed, and stays a link.
  ASSERT_EQ(::lchown(link.c_str(), ::geteuid(), ::getegid()), 0);
  ASSERT_TRUE(file.Save(link, image1_, error)) << error;
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadFile(path_), image1_);
}

TEST_F(SettingsFileTest, ANewFileTakesTheUmaskAndAReplacedOneKeepsItsModeAndGroup) {
  const auto modeOf = [](const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
  };
  std::mt19937 random(4);
  SettingsFile file;
  std::string error;
  for (int round = 0; round < 8; ++round) {
    const mode_t mask = static_cast<mode_t>(random() & 0077);
    const mode_t old = ::umask(mask);
    const std::string fresh = folder_.File("new" + std::to_string(round) + ".bin");
    const bool saved = file.Save(fresh, image0_, error);
    ::umask(old);
    ASSERT_TRUE(saved) << error;
    EXPECT_EQ(modeOf(fresh), 0666 & ~mask) << std::oct << mask;

    // Owner read and write, anything else at random.
    const mode_t mode = 0600 | static_cast<mode_t>(random() & 0077);
    ASSERT_EQ(::chmod(fresh.c_str(), mode), 0);
    file.Close();
    ASSERT_TRUE(file.Save(fresh, image1_, error)) << error;
    EXPECT_EQ(modeOf(fresh), mode) << std::oct << mode;
  }
  // The group stays where the user may set it (root: any group).
  WriteFile(path_, image0_);
  if (::chown(path_.c_str(), static_cast<uid_t>(-1), 65534) != 0)
    GTEST_SKIP() << "only root can hand the file to another group";
  file.Close();
  ASSERT_TRUE(file.Save(path_, image1_, error)) << error;
  struct stat info {};
  ASSERT_EQ(::stat(path_.c_str(), &info), 0);
  EXPECT_EQ(info.st_gid, 65534u);
}

TEST_F(SettingsFileTest, ATargetThatIsNotARegularFileIsRefused) {
  const std::string fifo = folder_.File("fifo.bin");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string link = folder_.File("to-fifo.bin");
  std::filesystem::create_symlink(fifo, link);
  files_.tempError = EROFS;  // would rewrite it in place
  for (const std::string& target : {fifo, link, folder_.Path().string()}) {
    SettingsFile file(files_);
    std::string error;
    EXPECT_FALSE(file.Save(target, image0_, error)) << target;
    EXPECT_EQ(error, SettingsFile::kNotRegularFile) << target;
  }
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

}  // namespace
}  // namespace vq
