// ThreeActionDialog and the link control.

#include <gtest/gtest.h>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "modal_answer.h"
#include "ui/dialogs/hyper_link.h"
#include "ui/dialogs/three_action_dialog.h"

namespace vq::test {
namespace {

TEST(ThreeActionDialogTest, ButtonsAnswerOneToThreeAndEscapeZero) {
  ThreeActionDialog escaped("Paste where?", "Paste", "Here", "There", "Nowhere");
  AnswerNextModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
  EXPECT_EQ(escaped.exec(), QDialog::Rejected);
  EXPECT_EQ(escaped.Result(), 0);

  ThreeActionDialog middle("Paste where?", "Paste", "Here", "There", "Nowhere");
  EXPECT_EQ(middle.Button(2)->text(), "There");
  AnswerNextModal([&middle](QWidget*) { middle.Button(2)->click(); });
  middle.exec();
  EXPECT_EQ(middle.Result(), 2);
  EXPECT_EQ(middle.windowTitle(), "Paste");
}

TEST(HyperLinkTest, AFailedStartIsReportedWithEachKindsText) {
  CHyperLink plain("site", QUrl("https://example.org/"));
  plain.SetOpener([](const QUrl&) { return false; });
  QSignalSpy failed(&plain, &CHyperLink::failed);
  QString shown;
  AnswerNextMessage(&shown);
  EXPECT_FALSE(plain.Follow());
  EXPECT_EQ(shown, "Unable to follow link");
  EXPECT_FALSE(plain.IsVisited());

  CHyperLink banner("", QUrl("https://example.org/"), CHyperLink::Failure::kBanner);
  banner.SetOpener([](const QUrl&) { return false; });
  AnswerNextMessage(&shown);
  banner.Follow();
  EXPECT_EQ(shown, "Can't open link:\n\nThe operating system is out\nof memory or resources.");
  EXPECT_EQ(failed.count(), 1);
}

TEST(HyperLinkTest, AClickOpensTheAddressAndMarksTheLinkVisited) {
  CHyperLink link("site", QUrl("https://example.org/a"));
  QUrl opened;
  link.SetOpener([&opened](const QUrl& url) {
    opened = url;
    return true;
  });
  link.resize(80, 20);
  link.show();
  QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(opened, QUrl("https://example.org/a"));
  EXPECT_TRUE(link.IsVisited());
  EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
}

}  // namespace
}  // namespace vq::test
