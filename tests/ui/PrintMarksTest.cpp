// The marks on paper: the short mark texts in the twelve-space margin of a
// printed line, the line's own text and place unchanged, and the font colour
// chosen in the Edit menu reaching the printed text.
#include <QAction>
#include <QColorDialog>
#include <QComboBox>
#include <QDateTime>
#include <QImage>
#include <QListWidget>
#include <QPushButton>

#include <map>

#include "ListBox.h"
#include "ListPrinting.h"
#include "PrinterTextChannel.h"
#include "UiTestSupport.h"

namespace ostrane::uitest {
namespace {

using Draws = std::vector<TPrinterTextChannel::DrawnText>;

// Prints the list on an A4-sized image page at 150 dots per inch.
Draws PrintOnImage(const QListWidget& list, QImage* page = nullptr) {
  QImage image(1240, 1754, QImage::Format_ARGB32);
  image.setDotsPerMeterX(5906);
  image.setDotsPerMeterY(5906);
  image.fill(Qt::white);
  Draws draws;
  {
    TPrinterTextChannel channel(image, [] { return true; });
    channel.SetDrawObserver([&draws](const auto& drawn) { draws.push_back(drawn); });
    if (!channel.Open()) return draws;
    WriteListLines(channel, list);
  }
  if (page) *page = image;
  return draws;
}

const QString kPrefix = QString::fromLatin1(kLinePrefix);

using PrintMarks = WindowTest;

TEST_F(PrintMarks, MarksGoIntoTheMarginOfTheirLines) {
  CreateWindows();
  Form->SetClock([] { return QDateTime(QDate(2001, 6, 1), QTime(12, 0)); });
  EnterWorkedExample();
  SetFortuneSign(*W<QComboBox>("ComboBoxFortune"), 3);  // Cancer
  W<QPushButton>("BtnCalculateOstrane")->click();
  const auto* list = W<TListBox>("ListBoxOstrane");
  const Draws draws = PrintOnImage(*list);

  // The lines as before, one draw each at the left edge; a marked line's
  // marks drawn first, at the same place.
  std::map<int, QString> marks;
  int line = 0;
  int lastLineTop = -1, markTop = -1;
  for (const auto& drawn : draws) {
    ASSERT_EQ(drawn.Position.x(), 0) << drawn.Text.toStdString();
    if (!drawn.Text.startsWith(kPrefix)) {
      marks[line] = drawn.Text;
      markTop = drawn.Position.y();
      continue;
    }
    ASSERT_LT(line, list->count());
    EXPECT_EQ(drawn.Text, kPrefix + list->item(line)->text()) << "row " << line;
    EXPECT_GT(drawn.Position.y(), lastLineTop) << "row " << line << " on a line of its own";
    if (marks.count(line)) {
      EXPECT_EQ(drawn.Position.y(), markTop) << "row " << line << ": its marks on its line";
    }
    lastLineTop = drawn.Position.y();
    ++line;
  }
  EXPECT_EQ(line, list->count());
  const std::map<int, QString> expected = {{3, QString::fromUtf8("\u25B6 10")},
                                           {4, QString::fromUtf8("\u25B6")},
                                           {6, "1"},
                                           {9, "4"},
                                           {12, "7"},
                                           {16, "1"},  // Cancer sub of Taurus
                                           {19, "4"}};
  EXPECT_EQ(marks, expected);
}

TEST_F(PrintMarks, FontColourGoesToBothListsAndToPrint) {
  CreateWindows();
  const QColor red(200, 0, 0);
  DialogInterceptor dialogs([&](QDialog& dialog) {
    auto& colours = dynamic_cast<QColorDialog&>(dialog);
    colours.setCurrentColor(red);
    colours.accept();
    return dialog.result();
  });
  W<QAction>("FontColour1")->trigger();
  ASSERT_EQ(dialogs.Dialogs.size(), 1u);
  auto* level3 = Find<QListWidget>(Level3.get(), "ListBoxLevel3");
  EXPECT_EQ(W<TListBox>("ListBoxOstrane")->palette().color(QPalette::Text), red);
  EXPECT_EQ(level3->palette().color(QPalette::Text), red);

  EnterWorkedExample();
  W<QPushButton>("BtnCalculateOstrane")->click();
  QImage page;
  PrintOnImage(*W<TListBox>("ListBoxOstrane"), &page);
  int reddish = 0, dark = 0;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < page.width(); ++x) {
      const QColor c(page.pixel(x, y));
      if (c.red() > 150 && c.green() < 80 && c.blue() < 80) ++reddish;
      if (c.red() < 80 && c.green() < 80 && c.blue() < 80) ++dark;
    }
  EXPECT_GT(reddish, 100) << "the text is printed in the chosen colour";
  EXPECT_EQ(dark, 0) << "and not in black";

  DialogInterceptor cancel;  // rejects
  W<QAction>("FontColour1")->trigger();
  EXPECT_EQ(level3->palette().color(QPalette::Text), red) << "cancelled: unchanged";
}

}  // namespace
}  // namespace ostrane::uitest
