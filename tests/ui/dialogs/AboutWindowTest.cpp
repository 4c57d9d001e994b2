// The About window: its components with their names, texts, places and
// sizes, its links, the OK button, and the pictures drawn for it.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <vector>

#include <gtest/gtest.h>

#include "Version.h"
#include "tests/support/GuiEnvironment.h"
#include "ui/dialogs/AboutF.h"
#include "ui/widgets/Pictures.h"
#include "ui/widgets/ZelURLlabel.h"

namespace ostrane::testing {
namespace {

template <typename T>
T* Component(const QWidget& window, const char* name) {
  T* child = window.findChild<T*>(name);
  EXPECT_NE(child, nullptr) << "component " << name;
  return child;
}

TEST(AboutWindow, FixedSizeDialogWithItsCaptionAndFont) {
  TFormAbout about;
  EXPECT_EQ(about.windowTitle(), QString("About Ostrane ") + kVersion);
  EXPECT_EQ(about.size(), QSize(499, 362));
  EXPECT_EQ(about.minimumSize(), about.maximumSize()) << "fixed size";
  EXPECT_EQ(about.font().family(), "MS Sans Serif") << "as requested; the desktop substitutes";
  EXPECT_EQ(about.font().pointSize(), 8);
  EXPECT_FALSE(about.windowIcon().isNull());
}

TEST(AboutWindow, TitleAndCloseButtonOnly) {
  TFormAbout about;
  const Qt::WindowFlags flags = about.windowFlags();
  EXPECT_EQ(about.windowType(), Qt::Dialog);
  // Without CustomizeWindowHint the window manager decides, and a dialog
  // without a parent gets minimize and maximize buttons.
  EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::MSWindowsFixedSizeDialogHint));
}

TEST(AboutWindow, ComponentsAtTheirPlaces) {
  TFormAbout about;
  struct Expected {
    const char* Name;
    QPoint TopLeft;
  };
  const std::vector<Expected> places = {{"Image2", {8, 8}},          {"Label1", {344, 8}},
                                        {"ZelURLLabel1", {344, 48}}, {"ImgOstrane", {440, 104}},
                                        {"Label4", {344, 136}},      {"ZelURLLabel2", {344, 152}},
                                        {"BtnOK", {376, 192}},       {"Memo1", {0, 227}}};
  for (const auto& place : places) {
    auto* widget = Component<QWidget>(about, place.Name);
    if (widget != nullptr) {
      EXPECT_EQ(widget->pos(), place.TopLeft) << place.Name;
    }
  }
  auto* ok = Component<QPushButton>(about, "BtnOK");
  auto* memo = Component<QPlainTextEdit>(about, "Memo1");
  ASSERT_TRUE(ok && memo);
  EXPECT_EQ(ok->size(), QSize(73, 22));
  EXPECT_EQ(memo->geometry(), QRect(0, 362 - 135, 499, 135)) << "fills the bottom 135 pixels";
}

TEST(AboutWindow, TextsPicturesAndLinks) {
  TFormAbout about;
  auto* label1 = Component<QLabel>(about, "Label1");
  auto* label4 = Component<QLabel>(about, "Label4");
  auto* ok = Component<QPushButton>(about, "BtnOK");
  auto* image = Component<QLabel>(about, "Image2");
  auto* icon = Component<QLabel>(about, "ImgOstrane");
  auto* site = Component<TZelURLLabel>(about, "ZelURLLabel1");
  auto* mail = Component<TZelURLLabel>(about, "ZelURLLabel2");
  ASSERT_TRUE(label1 && label4 && ok && image && icon && site && mail);
  EXPECT_EQ(label1->text(), QString("Ostrane ") + kVersion);
  EXPECT_EQ(label4->text(), "Tech Support:");
  EXPECT_EQ(ok->text(), "&OK");
  EXPECT_EQ(image->size(), QSize(325, 212));
  EXPECT_EQ(image->pixmap().deviceIndependentSize().toSize(), QSize(325, 212));
  EXPECT_EQ(icon->size(), QSize(32, 32));
  EXPECT_EQ(site->URL(), HomepageURL());
  EXPECT_TRUE(site->URL().startsWith("https://")) << site->URL().toStdString();
  EXPECT_EQ(mail->text(), "Email Tech Support");
  EXPECT_EQ(mail->URL(), "mailto:" + SupportEmail());
  EXPECT_TRUE(SupportEmail().contains('@'));
}

TEST(AboutWindow, MemoIsAReadOnlyWhiteNoteWithoutTabStop) {
  TFormAbout about;
  auto* memo = Component<QPlainTextEdit>(about, "Memo1");
  ASSERT_NE(memo, nullptr);
  EXPECT_TRUE(memo->isReadOnly());
  EXPECT_EQ(memo->palette().color(QPalette::Base), QColor(Qt::white));
  EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_FALSE(memo->focusPolicy() & Qt::TabFocus);
  const QString notes = memo->toPlainText();
  for (const char* word : {"Modern", "Egyptian", "Valens", "Help"})
    EXPECT_TRUE(notes.contains(word)) << "the notes speak of " << word;
}

TEST(AboutWindow, NotesNameTheLicencesOnLinesOfTheirOwn) {
  TFormAbout about;
  auto* memo = Component<QPlainTextEdit>(about, "Memo1");
  ASSERT_NE(memo, nullptr);
  const QStringList lines = memo->toPlainText().split('\n');
  for (const char* line : {"Licence: GNU General Public License, version 3 or later",
                           "Place data: GeoNames (https://www.geonames.org/), CC BY 4.0",
                           "Astronomy: ERFA (BSD-3-Clause), from the IAU SOFA models"})
    EXPECT_TRUE(lines.contains(QString(line))) << "a line of the notes: " << line;
  EXPECT_FALSE(memo->toPlainText().contains("MIT")) << "the licence is the GPL";
}

TEST(AboutWindow, OKHidesTheAboutWindowAndShowsTheMainWindow) {
  QWidget main;
  main.setObjectName("FormZodiac");
  TFormAbout about(&main);
  about.show();
  main.hide();
  auto* ok = Component<QPushButton>(about, "BtnOK");
  ASSERT_NE(ok, nullptr);
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_FALSE(about.isVisible());
  EXPECT_TRUE(main.isVisible());

  QWidget other;  // a main window given apart from the parent
  TFormAbout free;
  free.SetMainWindow(&other);
  free.show();
  free.BtnOKClick();
  EXPECT_FALSE(free.isVisible());
  EXPECT_TRUE(other.isVisible());
}

TEST(AboutWindow, MailLinkClickHandsTheAddressToTheDesktop) {
  std::vector<QUrl> opened;
  const auto previous = TZelURLLabel::SetOpener([&](const QUrl& url) { opened.push_back(url); });
  TFormAbout about;
  about.show();
  auto* mail = Component<TZelURLLabel>(about, "ZelURLLabel2");
  ASSERT_NE(mail, nullptr);
  QTest::mouseClick(mail, Qt::LeftButton, {}, QPoint(5, 5));
  TZelURLLabel::SetOpener(previous);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], QUrl("mailto:" + SupportEmail()));
}

TEST(Pictures, IconIsARoundWheelOnTransparency) {
  for (int size : {16, 32, 256}) {
    SCOPED_TRACE("size " + std::to_string(size));
    const QImage icon = DrawProgramIcon(size);
    ASSERT_EQ(icon.size(), QSize(size, size));
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << "corner";
    EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0) << "corner";
    EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << "centre";
  }
  const QIcon icon = OstraneIcon();
  EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
  EXPECT_TRUE(icon.availableSizes().contains(QSize(256, 256)));
}

}  // namespace
}  // namespace ostrane::testing
