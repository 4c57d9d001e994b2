// The hyperlink label: its caption rules, and that a click hands
// the URL to the desktop (through the opener, never a real browser).
#include <QSignalSpy>
#include <QTest>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/GuiEnvironment.h"
#include "ui/widgets/ZelURLlabel.h"

namespace ostrane::testing {
namespace {

TEST(ZelURLLabelCaption, NeverSetCaptionShowsTheURL) {
  TZelURLLabel label;
  label.SetURL("https://ostrane.example.org/");
  EXPECT_EQ(label.text(), "https://ostrane.example.org/");
  label.SetURL("https://ostrane.example.org/help");
  EXPECT_EQ(label.text(), "https://ostrane.example.org/help")
      << "a caption that showed the URL follows it";
}

TEST(ZelURLLabelCaption, CustomCaptionSurvivesAChangeOfURL) {
  TZelURLLabel label;
  label.SetURL("https://ostrane.example.org/");
  label.SetCaption("Ostrane Home Page");
  label.SetURL("https://ostrane.example.org/new");
  EXPECT_EQ(label.text(), "Ostrane Home Page");
  EXPECT_EQ(label.URL(), "https://ostrane.example.org/new");

  TZelURLLabel captionFirst;  // caption given before any URL
  captionFirst.SetCaption("Email Tech Support");
  captionFirst.SetURL("mailto:support@ostrane.example.org");
  EXPECT_EQ(captionFirst.text(), "Email Tech Support");
}

TEST(ZelURLLabelCaption, ClearedCaptionShowsTheURLAgain) {
  TZelURLLabel label;
  label.SetURL("mailto:support@ostrane.example.org");
  label.SetCaption("Email Tech Support");
  label.SetCaption("");
  EXPECT_EQ(label.text(), "mailto:support@ostrane.example.org");
  label.setText("Support");
  label.setText(QString());  // through QLabel's name as well
  EXPECT_EQ(label.text(), "mailto:support@ostrane.example.org");
  label.setProperty("Caption", QString());
  EXPECT_EQ(label.property("URL").toString(), "mailto:support@ostrane.example.org");
  EXPECT_EQ(label.text(), "mailto:support@ostrane.example.org");
}

class ZelURLLabelClick : public ::testing::Test {
 protected:
  void SetUp() override {
    FPrevious = TZelURLLabel::SetOpener([this](const QUrl& url) { FOpened.push_back(url); });
  }
  void TearDown() override { TZelURLLabel::SetOpener(FPrevious); }
  TZelURLLabel::Opener FPrevious;
  std::vector<QUrl> FOpened;
};

TEST_F(ZelURLLabelClick, ClickHandsTheURLOverThenRunsTheClickEvent) {
  TZelURLLabel label;
  label.SetURL("mailto:support@ostrane.example.org");
  label.SetCaption("Email Tech Support");
  label.resize(120, 20);
  label.show();
  bool openedFirst = false;
  QObject::connect(&label, &TZelURLLabel::Clicked, [&] { openedFirst = FOpened.size() == 1; });
  QSignalSpy clicked(&label, &TZelURLLabel::Clicked);
  QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(10, 10));
  ASSERT_EQ(FOpened.size(), 1u);
  EXPECT_EQ(FOpened[0].scheme(), "mailto");
  EXPECT_EQ(FOpened[0].path(), "support@ostrane.example.org");
  EXPECT_EQ(clicked.count(), 1);
  EXPECT_TRUE(openedFirst) << "the URL is opened before the click event runs";
}

TEST_F(ZelURLLabelClick, PressDraggedOffOrRightButtonOpensNothing) {
  TZelURLLabel label;
  label.SetURL("https://ostrane.example.org/");
  label.resize(120, 20);
  label.show();
  QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(300, 10));
  QTest::mouseClick(&label, Qt::RightButton, {}, QPoint(10, 10));
  EXPECT_TRUE(FOpened.empty());
}

}  // namespace
}  // namespace ostrane::testing
