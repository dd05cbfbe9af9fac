// vqtool serial-download and serial-upload against the emulated receiver.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "link/serial/fake_host.h"
#include "serial_emulator/serial_emulator.h"
#include "vqtool/tool.h"
#include "support/temp_path.h"

namespace vq::serial {
namespace {

using Bytes = std::vector<uint8_t>;
namespace fs = std::filesystem;

Bytes ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

class SerialToolTest : public ::testing::Test {
 protected:
  int Tool(std::vector<std::string> args) {
    out.str("");
    err.str("");
    return tool::RunTool(args, out, err);
  }
  // A transfer with the longest time-out: a loaded machine may leave the
  // line quiet for a while, and the time-out is not under test here.
  int Transfer(const std::string& command, const std::string& port, std::string path,
               std::vector<std::string> options = {}) {
    std::vector<std::string> args = {command, "--port", port, "--timeout", "60"};
    args.insert(args.end(), options.begin(), options.end());
    args.push_back(std::move(path));
    return Tool(args);
  }
  std::string demo = vq::test::UniqueTempPath("serial_tool_demo.bin");
  std::string target = vq::test::UniqueTempPath("serial_tool_out.bin");
  std::ostringstream out, err;
};

TEST_F(SerialToolTest, DownloadWritesOnlyAnImageThatLoads) {
  ASSERT_EQ(Tool({"demo", demo}), 0);
  emulator::ReceiverOptions options;
  options.image = ReadAll(demo);
  emulator::SerialEmulator receiver(options);
  ASSERT_TRUE(receiver.Start());
  fs::remove(target);
  ASSERT_EQ(Transfer("serial-download", receiver.DevicePath(), target), 0) << err.str();
  EXPECT_EQ(ReadAll(target), options.image);
  EXPECT_NE(err.str().find("Connecting ...\n"), std::string::npos);
  EXPECT_NE(err.str().find("Loading ... (100%)\n"), std::string::npos);

  emulator::ReceiverOptions garbage;
  garbage.image = testing::PatternImage(499712);
  emulator::SerialEmulator broken(garbage);
  ASSERT_TRUE(broken.Start());
  fs::remove(target);
  EXPECT_EQ(Transfer("serial-download", broken.DevicePath(), target), 1);
  EXPECT_FALSE(fs::exists(target));
}

TEST_F(SerialToolTest, DownloadReplacesTheTargetInOneStepAndShowsNoRawControls) {
  ASSERT_TRUE(Tool({"demo", demo}) == 0);
  emulator::ReceiverOptions options;
  options.image = ReadAll(demo);
  options.product = "\x1B]0;owned\x07VQ";  // would retitle the terminal
  emulator::SerialEmulator receiver(options);
  ASSERT_TRUE(receiver.Start());
  // A private file: the new one takes its place (a new inode) and its mode.
  std::ofstream(target) << "old";
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
  struct stat before {};
  ASSERT_EQ(::stat(target.c_str(), &before), 0);
  ASSERT_EQ(Transfer("serial-download", receiver.DevicePath(), target), 0) << err.str();
  struct stat after {};
  ASSERT_EQ(::stat(target.c_str(), &after), 0);
  EXPECT_NE(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_mode & 07777, 0600u);
  EXPECT_EQ(ReadAll(target), options.image);
  EXPECT_EQ(err.str().find('\x1B'), std::string::npos);
  EXPECT_NE(err.str().find("\\x1B]0;owned\\x07VQ"), std::string::npos) << err.str();
  fs::remove(target);
}

TEST_F(SerialToolTest, UploadSendsAValidImageAndRefusesOthers) {
  ASSERT_EQ(Tool({"demo", demo}), 0);
  emulator::ReceiverOptions options;
  options.image = {0};
  emulator::SerialEmulator receiver(options);
  ASSERT_TRUE(receiver.Start());
  ASSERT_EQ(Transfer("serial-upload", receiver.DevicePath(), demo, {"--speed", "921600"}), 0)
      << err.str();
  EXPECT_EQ(receiver.ReceivedImage(), ReadAll(demo));
  std::ofstream(target, std::ios::binary) << "short";
  EXPECT_EQ(Transfer("serial-upload", receiver.DevicePath(), target), 1);
  EXPECT_EQ(receiver.CompletedUploads(), 1);
}

TEST_F(SerialToolTest, BadOptionsAreUsageErrors) {
  EXPECT_EQ(Tool({"serial-download", target}), 2);
  EXPECT_EQ(Tool({"serial-download", "--port", "/dev/null", "--parity", "weird", target}), 2);
  EXPECT_EQ(Tool({"serial-upload", "--port", "/dev/null", "--timeout", "61", target}), 2);
  EXPECT_EQ(Tool({"serial-upload", "--port", "/dev/null", "--data-bits", "9", target}), 2);
}

}  // namespace
}  // namespace vq::serial
