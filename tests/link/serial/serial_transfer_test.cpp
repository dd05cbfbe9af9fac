// The protocol engine driven with hand-made bursts.
#include "link/serial/serial_transfer.h"

#include <gtest/gtest.h>

#include <random>

#include "link/serial/fake_host.h"
#include "link/serial/progress_watch.h"

namespace vq::serial {
namespace {

using testing::Block;
using testing::FakeHost;
using testing::MemoryFile;
using testing::PatternImage;
using Bytes = std::vector<uint8_t>;

Bytes Identification(const std::string& text) {
  Bytes frame(std::begin(kIdentificationPrefix), std::end(kIdentificationPrefix));
  frame.insert(frame.end(), text.begin(), text.end());
  frame.push_back(kAck);
  return frame;
}

class TransferTest : public ::testing::Test {
 protected:
  void Make(Direction direction) {
    transfer = std::make_unique<SerialTransfer>(host, file, direction);
    transfer->Reset();
    transfer->BeginConnect();
  }
  void Feed(const Bytes& burst) { transfer->OnBurst(burst.data(), burst.size()); }
  // Identification, command, and the answer that starts the block transfer.
  void StartDownload() {
    Make(Direction::kDownload);
    Feed(Identification("VQ-1000^1.07"));
    Feed(Bytes(std::begin(kReadCommandEcho), std::end(kReadCommandEcho)));
    host.TakeSent();
  }
  void StartUpload(const Bytes& image, bool firstUpload = false) {
    UploadMachine::SetFirstUploadPending(firstUpload);
    file.bytes = image;
    Make(Direction::kUpload);
    Feed(Identification("VQ-1000^1.07"));
    Feed(Bytes(std::begin(kUploadStartRequest), std::end(kUploadStartRequest)));
    host.TakeSent();
    Feed({kAck});
  }

  FakeHost host;
  MemoryFile file;
  std::unique_ptr<SerialTransfer> transfer;
};

TEST_F(TransferTest, ConnectAndIdentificationSplitOverBursts) {
  Make(Direction::kDownload);
  EXPECT_EQ(host.TakeSent(), Bytes({0x0A, 0xAA, 0x55, 0xEE, 0xFF}));
  const Bytes frame = Identification("VQ-1000 PVR^2.13b");
  Feed(Bytes(frame.begin(), frame.begin() + 3));
  Feed(Bytes(frame.begin() + 3, frame.begin() + 12));
  EXPECT_TRUE(host.sent.empty());
  Feed(Bytes(frame.begin() + 12, frame.end()));
  EXPECT_EQ(host.info, "Product Name:      VQ-1000 PVR\nSoftware Version:  2.13b");
  EXPECT_EQ(host.waits, std::vector<int>({1000}));
  EXPECT_EQ(host.TakeSent(), Bytes({0xAA, 0x55, 0x11, 0x24}));
  EXPECT_EQ(transfer->Identifications(), 1);
}

TEST_F(TransferTest, IdentificationIsRefusedWhenPrefixBreaksOrBufferOverflows) {
  Make(Direction::kUpload);
  host.TakeSent();
  Feed({0x0D, 0x0A});                 // could be an identification ...
  Feed({0x41, 0x42, 0x0D});           // ... but is console text
  EXPECT_EQ(transfer->Console().Current()[0], 0x41);
  Bytes longFrame = Identification(std::string(120, 'x') + "^1");
  Feed(longFrame);
  EXPECT_TRUE(host.sent.empty());
  EXPECT_EQ(transfer->Identifications(), 0);
  Feed(Identification("A^B"));  // the next good frame is still heard
  EXPECT_EQ(host.TakeSent(), Bytes({0xAA, 0x55, 0x22, 0x21}));
}

TEST_F(TransferTest, SixthIdentificationEndsTheTransfer) {
  Make(Direction::kDownload);
  for (int i = 0; i < 5; ++i) Feed(Identification("P^V"));
  EXPECT_FALSE(host.ended);
  Feed(Identification("P^V"));
  EXPECT_TRUE(host.ended);
  EXPECT_EQ(host.status, "Connect failed! Please restart your receiver!");
}

TEST_F(TransferTest, DownloadOfModel0ImageIn488BlocksWithARetry) {
  StartDownload();
  const Bytes image = PatternImage(499712);
  Bytes length(4);
  WriteU32BE(length.data(), static_cast<uint32_t>(image.size()));
  Feed(length);
  EXPECT_EQ(host.blockTotal, 488u);
  for (size_t block = 0; block < 488; ++block) {
    const uint8_t* data = image.data() + block * 1024;
    if (block == 100) {
      Feed(Block(data, 1024, true));
      EXPECT_EQ(host.TakeSent(), Bytes({0xFC, 0xFA}));
    }
    // Cut each block into uneven bursts, as a line delivers it.
    const Bytes whole = Block(data, 1024);
    Feed(Bytes(whole.begin(), whole.begin() + 333));
    Feed(Bytes(whole.begin() + 333, whole.end()));
    ASSERT_EQ(host.TakeSent(), Bytes({0xFA, 0xFA})) << block;
  }
  EXPECT_EQ(file.bytes, image);
  ASSERT_GE(host.progress.size(), 2u);
  EXPECT_EQ(host.progress[host.progress.size() - 2], 488);
  EXPECT_EQ(host.progress.back(), kProgressCompleted);
  EXPECT_EQ(transfer->Current(), SerialTransfer::kIdle);
}

TEST_F(TransferTest, DownloadRefusesEmptyOrOversizedLengthAndFailedWrites) {
  StartDownload();
  Feed({0, 0, 0, 0});
  EXPECT_EQ(host.progress, std::vector<int>({kProgressError}));
  StartDownload();
  Feed({0x7F, 0xFF, 0xFF, 0xFF});
  EXPECT_EQ(host.progress.back(), kProgressError);
  StartDownload();
  file.failWrites = true;
  const Bytes data(10, 0x55);
  Feed({0, 0, 0, 10});
  Feed(Block(data.data(), 10));
  EXPECT_EQ(host.progress.back(), kProgressError);
  EXPECT_TRUE(host.sent.empty());
}

TEST_F(TransferTest, UploadSendsBlocksAndRetriesTheSameBlock) {
  const Bytes image = PatternImage(3 * 1024 + 100);
  StartUpload(image);
  EXPECT_EQ(host.waits.back(), 200);
  Bytes expected = {0, 0, 0x0C, 0x64};
  const Bytes first = Block(image.data(), 1024);
  expected.insert(expected.end(), first.begin(), first.end());
  EXPECT_EQ(host.TakeSent(), expected);
  EXPECT_EQ(host.blockTotal, 4u);
  Feed({kAck, kAck});
  EXPECT_EQ(host.TakeSent(), Block(image.data() + 1024, 1024));
  Feed({kRetry, kAck});  // block 2 arrived bad: the same block again
  EXPECT_EQ(host.TakeSent(), Block(image.data() + 1024, 1024));
  Feed({kAck, kAck});
  host.TakeSent();
  Feed({kAck, kAck});
  EXPECT_EQ(host.TakeSent(), Block(image.data() + 3072, 100));
  Feed({kRetry, kRetry});  // the short last block is resent from its own start
  EXPECT_EQ(host.TakeSent(), Block(image.data() + 3072, 100));
  Feed({kAck, kAck});
  EXPECT_EQ(host.progress.back(), kProgressCompleted);
  EXPECT_EQ(host.progress, std::vector<int>({1, 2, 1, 2, 3, 4, 3, 4, kProgressCompleted}));
}

TEST_F(TransferTest, BadChecksumsOfOneBlockAreRetriedOnlySoOftenInARow) {
  // Download: a good block between bad ones starts the count again.
  StartDownload();
  const Bytes data = PatternImage(2048);
  Feed({0, 0, 0x08, 0x00});
  for (int i = 0; i < kMaxBlockRetries; ++i) Feed(Block(data.data(), 1024, true));
  Feed(Block(data.data(), 1024));
  EXPECT_EQ(host.progress.back(), 1);
  for (int i = 0; i < kMaxBlockRetries; ++i) Feed(Block(data.data() + 1024, 1024, true));
  EXPECT_NE(host.progress.back(), kProgressError);
  Feed(Block(data.data() + 1024, 1024, true));
  EXPECT_EQ(host.progress.back(), kProgressError);

  // Upload: the receiver asking for the same block again and again.
  host.progress.clear();
  StartUpload(PatternImage(3000));
  for (int i = 0; i < kMaxBlockRetries; ++i) Feed({kRetry, kAck});
  EXPECT_NE(host.progress.back(), kProgressError);
  Feed({kRetry, kAck});
  EXPECT_EQ(host.progress.back(), kProgressError);
}

TEST(ProgressWatchTest, OnlyNewBlocksOrAnIdentificationKeepATransferAlive) {
  // Fast lines: the minimum of periods; slow ones: four blocks and the pauses.
  EXPECT_EQ(ProgressWatch(3000, 115200).PeriodsAllowed(), ProgressWatch::kMinimumPeriods);
  EXPECT_EQ(ProgressWatch(1000, 1200).PeriodsAllowed(), 44);  // 4 x 10.28 s + 2 s
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    ProgressWatch watch(1000, 115200);
    int best = -1;
    int idle = 0;
    for (int step = 0; step < 50; ++step) {
      const int choice = static_cast<int>(random() % 4);
      if (choice == 0) {
        const int blocks = static_cast<int>(random() % 10);
        watch.Reported(blocks);
        if (blocks > best) best = blocks, idle = 0;
      } else if (choice == 1) {
        watch.Identified();
        idle = 0;
      } else {
        const bool expired = watch.Tick();
        EXPECT_EQ(expired, ++idle >= ProgressWatch::kMinimumPeriods);
        if (expired) break;
      }
    }
  }
}

TEST_F(TransferTest, UploadVerdictsAndSplitAcknowledgements) {
  const Bytes image = PatternImage(4096);
  StartUpload(image, true);  // the process's first upload pauses before its length
  EXPECT_EQ(host.waits, std::vector<int>({1000, 500, 200, 1000}));
  EXPECT_FALSE(UploadMachine::FirstUploadPending());
  host.waits.clear();
  host.TakeSent();
  Feed({kAck});  // a verdict alone waits 200 ms, as does the request after it
  Feed({kAck});
  EXPECT_EQ(host.waits, std::vector<int>({200, 200}));
  EXPECT_EQ(host.TakeSent(), Block(image.data() + 1024, 1024));
  Feed({kEndOfData});
  EXPECT_EQ(host.progress.back(), kProgressCompleted);

  StartUpload(image);
  Feed({kError});
  EXPECT_EQ(host.progress.back(), kProgressError);
  StartUpload(image);
  Feed({kAck, kEndOfData});
  EXPECT_EQ(host.progress.back(), kProgressError);
  StartUpload(image);
  host.progress.clear();
  transfer->BeginConnect();
  Feed(Identification("P^V"));
  Feed(Bytes(std::begin(kUploadStartRequest), std::end(kUploadStartRequest)));
  Feed({0x41, 0x42});  // a wrong go byte drops the upload silently
  EXPECT_TRUE(host.progress.empty());
  EXPECT_EQ(transfer->Current(), SerialTransfer::kIdle);
}

TEST_F(TransferTest, UploadPromptOnlyForQuoteToPercent) {
  Make(Direction::kUpload);
  host.TakeSent();
  Feed({'H', 'E', 'H', '&', '\r', '\n'});
  EXPECT_TRUE(host.sent.empty());
  Feed({'H', 'E', 'H', '%'});
  EXPECT_EQ(host.TakeSent(), Bytes({0xFA, 0xAA}));
  EXPECT_EQ(transfer->Current(), SerialTransfer::kUploadWaitAck1);
  const auto& line = transfer->Console().Current();
  EXPECT_EQ(Bytes(line.begin(), line.begin() + 4), Bytes(4, ' '));
}

TEST_F(TransferTest, PromptsStartOnlyTheEnginesOwnDirection) {
  Make(Direction::kDownload);
  host.TakeSent();
  Feed({'H', 'E', 'H', '$'});
  EXPECT_TRUE(host.sent.empty());
  Make(Direction::kUpload);
  host.TakeSent();
  Feed({0x0D, 0xAA, 0x55, 0x01});
  EXPECT_TRUE(host.sent.empty());
  EXPECT_EQ(transfer->Current(), SerialTransfer::kIdle);
}

}  // namespace
}  // namespace vq::serial
