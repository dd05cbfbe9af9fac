#include "document/receiver_image_steps.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "document/document_test_files.h"

namespace vq::test {
namespace {

std::vector<uint8_t> Settings(SettingsDatabase& db) {
  std::vector<uint8_t> image;
  db.GetSettings(image);
  return image;
}

std::unique_ptr<SettingsDatabase> WithChannels(int32_t model) {
  auto db = MakeDatabase(model);
  AddChannels(*db, AddTransponders(*db, 1, 1).front(), 0, 3);
  return db;
}

class ReceiverImageStepsTest : public ::testing::Test {
 protected:
  TempFolder folder_;
};

TEST_F(ReceiverImageStepsTest, TheTemporaryFileLivesOnlyWithItsObject) {
  std::string path;
  {
    ReceiverTempFile temp(folder_.Path().string());
    ASSERT_TRUE(temp.IsCreated());
    path = temp.Path();
    EXPECT_EQ(std::filesystem::path(path).filename().string().rfind("tmp", 0), 0u);
    EXPECT_TRUE(std::filesystem::exists(path));
  }
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_FALSE(ReceiverTempFile(folder_.File("missing")).IsCreated());
}

TEST_F(ReceiverImageStepsTest, AGoodImageReplacesTheTarget) {
  auto source = WithChannels(1);
  const std::string path = folder_.File("received");
  WriteFile(path, Settings(*source));
  auto target = MakeDatabase(0);
  EXPECT_EQ(LoadReceivedImage(path, *target, FixedClock), ReceivedImageResult::kLoaded);
  EXPECT_EQ(target->GetModel(), kModelPvr);
  EXPECT_EQ(Settings(*target), Settings(*source));
}

TEST_F(ReceiverImageStepsTest, AnyFailureLeavesTheTargetAsItWas) {
  auto target = WithChannels(0);
  const std::vector<uint8_t> before = Settings(*target);
  const std::string path = folder_.File("received");

  WriteFile(path, std::vector<uint8_t>(1000, 0xFF));
  EXPECT_EQ(LoadReceivedImage(path, *target, FixedClock), ReceivedImageResult::kDropped);
  EXPECT_EQ(ReceivedImageMessage(ReceivedImageResult::kDropped), nullptr);
  EXPECT_EQ(LoadReceivedImage(folder_.File("none"), *target, FixedClock),
            ReceivedImageResult::kDropped);

  WriteFile(path, std::vector<uint8_t>(kImageSizeModel1, 0x00));
  EXPECT_EQ(LoadReceivedImage(path, *target, FixedClock), ReceivedImageResult::kCorrupted);
  EXPECT_STREQ(ReceivedImageMessage(ReceivedImageResult::kCorrupted),
               "Open failed!\nFile corrupted!");
  EXPECT_EQ(target->GetModel(), kModelFtaCi);
  EXPECT_EQ(Settings(*target), before);
}

TEST_F(ReceiverImageStepsTest, AModel0DatabaseIsSentAsAPvrImageAndStaysModel0) {
  auto db = WithChannels(0);
  const std::vector<uint8_t> before = Settings(*db);
  std::vector<uint8_t> image;
  ASSERT_TRUE(EncodeReceiverImage(*db, image));
  EXPECT_EQ(image.size(), kImageSizeModel1);
  EXPECT_EQ(db->GetModel(), kModelFtaCi);
  EXPECT_EQ(Settings(*db), before);

  auto empty = std::make_unique<SettingsDatabase>(FixedClock);
  EXPECT_FALSE(EncodeReceiverImage(*empty, image));
}

TEST_F(ReceiverImageStepsTest, WritingTheImageReportsWhatWentWrong) {
  const std::vector<uint8_t> image(4096, 0x42);
  const std::string path = folder_.File("out");
  EXPECT_EQ(WriteReceiverImage(path, image), "");
  EXPECT_EQ(ReadFile(path), image);
  EXPECT_EQ(WriteReceiverImage(folder_.File("no/such/dir"), image),
            "Failed to create temporary file!");
  if (std::filesystem::exists("/dev/full")) {
    EXPECT_EQ(WriteReceiverImage("/dev/full", image), "No space left on device");
  }
}

}  // namespace
}  // namespace vq::test
