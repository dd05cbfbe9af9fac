// One suite run against both clipboards: the in-memory one the core tests
// use and the desktop one the editor uses, so the fakes cannot drift from
// what the editor really sees.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QSignalSpy>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editing/clipboard/clip_formats.h"
#include "editing/clipboard/clipboard.h"
#include "editing/clipboard/qt/qt_clipboard.h"

namespace vq {
namespace {

using Blocks = std::vector<std::pair<std::string_view, std::vector<uint8_t>>>;

template <class Impl>
class ClipboardConformance : public ::testing::Test {
 protected:
  // Puts blocks the way another program writes them: several formats at
  // once, listed in the given order.
  void Offer(const Blocks& blocks);

  Impl clipboard;
};

template <>
void ClipboardConformance<MemoryClipboard>::Offer(const Blocks& blocks) {
  clipboard.Clear();
  for (const auto& [format, bytes] : blocks) clipboard.Offer(format, bytes);
}

template <>
void ClipboardConformance<QtClipboard>::Offer(const Blocks& blocks) {
  auto* data = new QMimeData;
  for (const auto& [format, bytes] : blocks)
    data->setData(QString::fromLatin1(format.data(), static_cast<qsizetype>(format.size())),
                  QByteArray(reinterpret_cast<const char*>(bytes.data()),
                             static_cast<qsizetype>(bytes.size())));
  QGuiApplication::clipboard()->setMimeData(data);
}

using Implementations = ::testing::Types<MemoryClipboard, QtClipboard>;
TYPED_TEST_SUITE(ClipboardConformance, Implementations);

TYPED_TEST(ClipboardConformance, APutBlockComesBackByteForByteAsTheOnlyFormat) {
  const std::vector<uint8_t> bytes = {0, 1, 0xFF, 0, 'V', 0x80};
  ASSERT_TRUE(this->clipboard.Put(kClipSatellite, std::vector<uint8_t>{9}));
  ASSERT_TRUE(this->clipboard.Put(kClipTvChannels, bytes));
  EXPECT_EQ(this->clipboard.Formats(), std::vector<std::string>{"VQ-TV-Channels"})
      << "each put empties the clipboard";
  EXPECT_EQ(this->clipboard.Get(kClipTvChannels), bytes);
  EXPECT_TRUE(this->clipboard.Get(kClipSatellite).empty());
}

TYPED_TEST(ClipboardConformance, OtherProgramsFormatsAreNotTheEditorsFirstFormat) {
  this->Offer({{"text/plain", {'h', 'i'}}, {kClipTransponder, {1, 2, 3}}});
  EXPECT_EQ(this->clipboard.Formats(), std::vector<std::string>{"VQ-Transponder"});
  EXPECT_EQ(this->clipboard.Get(kClipTransponder), (std::vector<uint8_t>{1, 2, 3}));
}

TYPED_TEST(ClipboardConformance, OfTwoEditorFormatsTheOneListedFirstComesFirst) {
  this->Offer({{"text/plain", {'h'}}, {kClipSettings, {1}}, {kClipTvChannel, {2}}});
  EXPECT_EQ(this->clipboard.Formats(), (std::vector<std::string>{"VQ-Settings", "VQ-TV-Channel"}));
  EXPECT_EQ(this->clipboard.FirstFormat(), "VQ-Settings");
  this->Offer({{kClipTvChannel, {2}}, {"text/plain", {'h'}}, {kClipSettings, {1}}});
  EXPECT_EQ(this->clipboard.FirstFormat(), "VQ-TV-Channel");
}

TEST(QtClipboardTest, ReportsChangesMadeOutsideTheEditor) {
  QtClipboard clipboard;
  QSignalSpy changed(&clipboard, &QtClipboard::changed);
  QGuiApplication::clipboard()->setText("from another program");
  EXPECT_GE(changed.count(), 1);
  EXPECT_EQ(clipboard.FirstFormat(), "");
}

}  // namespace
}  // namespace vq

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
