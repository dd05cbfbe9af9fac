// One suite run against both clipboards: the in-memory one the core tests
// use and the desktop one the editor uses, so the fakes cannot drift from
// what the editor really sees.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QSignalSpy>

#include "editing/clipboard/clip_formats.h"
#include "editing/clipboard/clipboard.h"
#include "editing/clipboard/qt/qt_clipboard.h"

namespace vq {
namespace {

template <class Impl>
class ClipboardConformance : public ::testing::Test {
 protected:
  // Puts a block that another program wrote: a text first, then `format`.
  void OfferForeignThen(std::string_view format, const std::vector<uint8_t>& bytes);

  Impl clipboard;
};

template <>
void ClipboardConformance<MemoryClipboard>::OfferForeignThen(std::string_view format,
                                                             const std::vector<uint8_t>& bytes) {
  clipboard.Put("text/plain", std::vector<uint8_t>{'h', 'i'});
  clipboard.Offer(format, bytes);
}

template <>
void ClipboardConformance<QtClipboard>::OfferForeignThen(std::string_view format,
                                                         const std::vector<uint8_t>& bytes) {
  auto* data = new QMimeData;
  data->setText("hi");
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
  EXPECT_EQ(this->clipboard.FirstFormat(), "VQ-TV-Channels");
  EXPECT_TRUE(this->clipboard.Has(kClipTvChannels));
  EXPECT_FALSE(this->clipboard.Has(kClipSatellite)) << "each put empties the clipboard";
  EXPECT_EQ(this->clipboard.Get(kClipTvChannels), bytes);
  EXPECT_TRUE(this->clipboard.Get(kClipSatellite).empty());
}

TYPED_TEST(ClipboardConformance, OtherProgramsFormatsAreNotTheEditorsFirstFormat) {
  this->OfferForeignThen(kClipTransponder, {1, 2, 3});
  EXPECT_EQ(this->clipboard.FirstFormat(), "VQ-Transponder");
  EXPECT_EQ(this->clipboard.Get(kClipTransponder), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_FALSE(this->clipboard.Has(kClipTransponders));
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
