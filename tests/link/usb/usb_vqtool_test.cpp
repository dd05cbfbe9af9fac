#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>

#include "link/usb/usb_test_images.h"
#include "vqtool/tool.h"
#include "vqtool/usb_options.h"

namespace vq::tool {
namespace {

int RunVqtool(const std::vector<std::string>& args, std::string* errText = nullptr) {
  std::ostringstream out, err;
  const int rc = RunTool(args, out, err);
  if (errText) *errText = err.str();
  return rc;
}

TEST(UsbToolTest, DownloadAndUploadThroughTheEmulatedReceiver) {
  test::ScratchFile receiver, out, in;
  const std::vector<uint8_t> held = test::MakeImage(1);
  test::WriteFileBytes(receiver.Path(), held);
  std::string err;
  ASSERT_EQ(RunVqtool({"usb-download", "--emulate", receiver.Path(), out.Path()}, &err), 0) << err;
  EXPECT_EQ(test::ReadFileBytes(out.Path()), held);
  EXPECT_NE(err.find("Loading ... (100%)"), std::string::npos);

  test::WriteFileBytes(in.Path(), test::MakeImage(0));
  ASSERT_EQ(RunVqtool({"usb-upload", "--emulate", receiver.Path(), in.Path()}, &err), 0) << err;
  EXPECT_EQ(test::ReadFileBytes(receiver.Path()).size(), 827392u);
  EXPECT_NE(err.find("Saving ... (100%)"), std::string::npos);
  // The device is named before anything is written to it.
  EXPECT_LT(err.find("Receiver: USB bus 0, address 1: Emulated receiver\n"),
            err.find("Saving ..."));
}

TEST(UsbToolTest, TheDeviceFilterComesFromTheOptionsOrTheEditorsProfile) {
  std::mt19937 random(10);
  test::ScratchFile profile;
  const auto text = [&](uint16_t id) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, random() % 2 ? "0x%04X" : "%u", id);
    return std::string(buffer);
  };
  for (int round = 0; round < 50; ++round) {
    const auto vendor = static_cast<uint16_t>(random());
    const auto product = static_cast<uint16_t>(random());
    std::ofstream(profile.Path()) << "[General]\nVendorId=1\n\n[SettingsUSB]\nVendorId = "
                                  << text(vendor) << "\r\nProductId=" << text(product) << "\n";
    UsbOptions options;
    options.profile = profile.Path();
    usb::DeviceFilter filter;
    std::string error;
    ASSERT_TRUE(ReadDeviceFilter(options, filter, error)) << error;
    EXPECT_EQ(filter.vendorId, vendor);
    EXPECT_EQ(filter.productId, product);
    // An option wins over the profile.
    const auto other = static_cast<uint16_t>(random());
    options.product = other;
    ASSERT_TRUE(ReadDeviceFilter(options, filter, error)) << error;
    EXPECT_EQ(filter.vendorId, vendor);
    EXPECT_EQ(filter.productId, other);
  }
  std::string err;
  for (const char* bad : {"0x10000", "65536", "-1", "12ab", ""})
    EXPECT_EQ(RunVqtool({"usb-download", "--vendor", bad, "out.bin"}, &err), 2) << bad;
  EXPECT_NE(err.find("--vendor takes an id"), std::string::npos) << err;
  EXPECT_EQ(RunVqtool({"usb-upload", "--profile", "/nonexistent.ini", "in.bin"}), 2);
}

TEST(UsbToolTest, FailuresExitNonZero) {
  test::ScratchFile receiver, out;
  std::vector<uint8_t> broken = test::MakeImage(1);
  std::fill(broken.begin(), broken.begin() + 300000, 0);
  test::WriteFileBytes(receiver.Path(), broken);
  std::string err;
  EXPECT_EQ(RunVqtool({"usb-download", "--emulate", receiver.Path(), out.Path()}, &err), 1);
  EXPECT_NE(err.find("Open failed!\nFile corrupted!"), std::string::npos);
  EXPECT_EQ(test::ReadFileBytes(out.Path()).size(), 0u);  // the output is not touched
  EXPECT_EQ(RunVqtool({"usb-download", "--emulate", "/nonexistent.bin", out.Path()}), 1);
  EXPECT_EQ(RunVqtool({"usb-upload", "--emulate", receiver.Path(), "/nonexistent.bin"}), 1);
  EXPECT_EQ(RunVqtool({"usb-upload"}), 2);
  // A file that never ends is refused by its size, not read without end.
  EXPECT_EQ(RunVqtool({"usb-download", "--emulate", "/dev/zero", out.Path()}, &err), 1);
  EXPECT_NE(err.find("is not a settings file"), std::string::npos) << err;
}

}  // namespace
}  // namespace vq::tool
