// The marks of the listed periods in both lists: the period kept in each
// data line's roles, the places counted from Fortune or the start sign at
// the time of asking, the tooltips in words, the loosing of the bond, the
// badges drawn in the margin; and on paper, the short mark texts in the
// twelve-space margin of a printed line, in the font colour chosen.
#include <QAction>
#include <QColorDialog>
#include <QComboBox>
#include <QDateTime>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolTip>
#include <algorithm>
#include <map>
#include <string>

#include "core/Planets.h"
#include "tests/support/UiTestSupport.h"
#include "ui/dialogs/HelpF.h"
#include "ui/main/BirthDataPanel.h"
#include "ui/printing/ListPrinting.h"
#include "ui/printing/PrinterTextChannel.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/ListMarks.h"
#include "ui/widgets/ListingModel.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/SpinEdit.h"

namespace ostrane::uitest {
namespace {

constexpr int kCancer = 3, kTaurus = 1;

class Marks : public WindowTest {
 public:
  // Lists the worked example with Fortune's sign, by the window's clock set
  // to `now` when it is given.
  void ListWorkedExample(std::int32_t fortune, const QDateTime& now = {}) {
    CreateWindows();
    if (now.isValid()) Form->SetClock([now] { return now; });
    EnterWorkedExample();
    SetFortuneSign(*W<QComboBox>("ComboBoxFortune"), fortune);
    W<QPushButton>("BtnCalculateOstrane")->click();
    List = W<TListBox>("ListBoxOstrane");
    Level3List = Find<QListView>(Level3.get(), "ListBoxLevel3");
  }

  static TMarkDelegate* Delegate(QListView* list) {
    auto* delegate = qobject_cast<TMarkDelegate*>(list->itemDelegate());
    EXPECT_NE(delegate, nullptr) << list->objectName().toStdString() << " draws no marks";
    return delegate;
  }

  // The tooltip the list shows over `row`, as the view asks its delegate.
  static std::string ToolTipOver(QListView* list, int row) {
    QToolTip::hideText();
    const QPoint at = RowRect(list, row).center();
    QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &help);
    // A hidden tip fades out, still visible for a while: only a tip the
    // event showed counts.
    const std::string shown =
        help.isAccepted() && QToolTip::isVisible() ? QToolTip::text().toStdString() : "";
    EXPECT_EQ(shown, Delegate(list)->ToolTip(list->model()->index(row, 0)).toStdString())
        << "row " << row << ": the tip shown is the delegate's";
    QToolTip::hideText();
    return shown;
  }
  // The marks' part of a period line's tooltip: its last two lines tell
  // the period's span and read the ruler.
  static std::string MarksOf(const std::string& tip) {
    if (tip.starts_with("From ")) return "";
    const std::size_t span = tip.find("\nFrom ");
    return span == std::string::npos ? "" : tip.substr(0, span);
  }

  TListBox* List = nullptr;
  QListView* Level3List = nullptr;
};

TEST_F(Marks, PeriodsKeptInTheMainListsLines) {
  ListWorkedExample(kCancer);
  const struct {
    int row, level, counter;
    double start;
  } cases[] = {
      {3, 1, 0, 2451545.0},    // Aries major and sub begin 1/1/2000
      {4, 2, 1, 2451995.0},    // Taurus sub begins 3/26/2001
      {13, 2, 10, 2456615.0},  // Aquarius sub begins 11/18/2013
      {14, 1, 1, 2456945.0},   // Taurus major and sub begin 10/14/2014
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RowData(List, c.row, kPeriodLevelRole).toInt(), c.level) << "row " << c.row;
    EXPECT_EQ(RowData(List, c.row, kPeriodCounterRole).toInt(), c.counter) << "row " << c.row;
    EXPECT_EQ(RowData(List, c.row, kPeriodStartRole).toDouble(), c.start) << "row " << c.row;
    EXPECT_FALSE(RowData(List, c.row, kPeriodLoosingRole).toBool()) << "row " << c.row;
  }
  for (int row = 0; row < 3; ++row)
    EXPECT_FALSE(RowData(List, row, kPeriodLevelRole).isValid()) << "header row " << row;
  EXPECT_EQ(RowText(List, 3).toStdString(), "Aries major and sub begin 1/1/2000")
      << "the text stays as it was";
}

// The lines of `list` in a view made as `list` is (its delegate, font and
// uniform sizes) and in a plain view that measures every line, both
// narrower than the widest line: each line has the same place and size in
// both, and the lists scroll as far sideways.
void ExpectLaidOutAsLineByLine(const QListView* list, const std::string& what) {
  QListView same, plain;
  same.setUniformItemSizes(list->uniformItemSizes());
  for (QListView* view : {&same, &plain}) {
    view->setFont(list->font());
    view->setItemDelegate(list->itemDelegate());
    view->setModel(list->model());
    view->resize(120, 200);
    view->show();
  }
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&same));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&plain));
  ASSERT_GT(RowCount(list), 0) << what;
  int differing = 0;
  for (int row = 0; row < RowCount(list); ++row)
    if (RowRect(&same, row) != RowRect(&plain, row) && differing++ == 0)
      ADD_FAILURE() << what << ": row " << row << " is laid out otherwise";
  EXPECT_EQ(differing, 0) << what;
  EXPECT_GT(plain.horizontalScrollBar()->maximum(), 0) << what << ": wider than the view";
  EXPECT_EQ(same.horizontalScrollBar()->maximum(), plain.horizontalScrollBar()->maximum()) << what;
}

TEST_F(Marks, BothListsLayOutAsIfEveryLineWereMeasured) {
  CreateWindows();
  const struct {
    const char* name;
    int startSign;
    TReleasingType type;
    int periods;
    TDateStyle dateStyle;
    TSignNameStyle signNames;
    const char* time;
    bool refused;
  } cases[] = {
      {"Valens from Capricorn, 200 general periods", 9, TReleasingType::Valens, 200,
       TDateStyle::American, TSignNameStyle::Long, "12:00:00", false},
      {"Modern from Leo, short names, scientific dates", 4, TReleasingType::Modern, 40,
       TDateStyle::Scientific, TSignNameStyle::Short, "00:00:01", false},
      {"Egyptian from Pisces, European dates", 11, TReleasingType::Egyptian, 3,
       TDateStyle::European, TSignNameStyle::Long, "23:59:59", false},
      {"a refused time: the header lines only", 0, TReleasingType::Valens, 2, TDateStyle::American,
       TSignNameStyle::Long, "25:99", true},
  };
  for (const auto& c : cases) {
    EnterWorkedExample();
    W<QComboBox>("ComboBoxStartSign")->setCurrentIndex(c.startSign);
    W<TRadioGroup>("RGOstraneType")->SetItemIndex(ToItemIndex(c.type));
    W<TSpinEdit>("SpinEditNumMajPeriods")->SetValue(c.periods);
    W<TRadioGroup>("RGDateStyle")->SetItemIndex(ToItemIndex(c.dateStyle));
    W<TRadioGroup>("RGSignNames")->SetItemIndex(ToItemIndex(c.signNames));
    W<QLineEdit>("EditTime")->setText(c.time);
    {
      DialogInterceptor errors;
      Form->BtnCalculateOstraneClick();
      EXPECT_EQ(errors.Dialogs.size(), c.refused ? 1u : 0u) << c.name;
    }
    auto* list = W<TListBox>("ListBoxOstrane");
    ExpectLaidOutAsLineByLine(list, std::string(c.name) + ", main list");
    if (c.refused) continue;
    list->SetItemIndex(4);
    Form->ListBoxOstraneDblClick();
    ExpectLaidOutAsLineByLine(Find<QListView>(Level3.get(), "ListBoxLevel3"),
                              std::string(c.name) + ", level 3/4 list");
  }
}

TEST_F(Marks, PlacesAndTooltipsFollowTheReferenceOfTheMoment) {
  ListWorkedExample(kCancer);
  const auto fromStart = [](Marks& t) { t.W<QAction>("AnglesFromStartSign1")->trigger(); };
  const auto fromFortune = [](Marks& t) { t.W<QAction>("AnglesFromFortune1")->trigger(); };
  const auto fortune = [](std::int32_t sign) {
    return [sign](Marks& t) { SetFortuneSign(*t.W<QComboBox>("ComboBoxFortune"), sign); };
  };
  const struct {
    const char* name;
    std::function<void(Marks&)> change;
    int row, place;
    const char* tip;
  } cases[] = {
      {"Aries general from Cancer", [](Marks&) {}, 3, 10, "10th from Fortune: the peak"},
      {"Taurus sub from Cancer", [](Marks&) {}, 4, 11, ""},
      {"Cancer sub from Cancer", [](Marks&) {}, 6, 1, "1st from Fortune: angular"},
      {"Libra sub from Cancer", [](Marks&) {}, 9, 4, "4th from Fortune: angular"},
      {"Capricorn sub from Cancer", [](Marks&) {}, 12, 7, "7th from Fortune: angular"},
      {"a header line", [](Marks&) {}, 1, 0, ""},
      {"Aries from the start sign", fromStart, 3, 1, "1st from the start sign: angular"},
      {"Capricorn from the start sign", fromStart, 12, 10, "10th from the start sign: the peak"},
      {"the start sign is that of the listing", fortune(kTaurus), 9, 7,
       "7th from the start sign: angular"},
      {"Fortune in Taurus", fromFortune, 3, 12, ""},
      {"Aquarius from Taurus", fromFortune, 13, 10, "10th from Fortune: the peak"},
      {"Fortune unknown", fortune(-1), 3, 0, ""},
  };
  W<QComboBox>("ComboBoxStartSign")->setCurrentIndex(5);  // not listed: the listing's sign counts
  auto* delegate = Delegate(List);
  for (const auto& c : cases) {
    c.change(*this);
    EXPECT_EQ(delegate->Marks(List->model()->index(c.row, 0)).Place, c.place) << c.name;
    EXPECT_EQ(MarksOf(ToolTipOver(List, c.row)), c.tip) << c.name;
  }
}

TEST_F(Marks, LoosingOfTheBondInBothLists) {
  // Egyptian from Aquarius: after the twelfth sub period the chain jumps to
  // Leo, opposite Aquarius; Fortune in Taurus makes Leo the 4th.
  CreateWindows();
  EnterWorkedExample();
  W<QComboBox>("ComboBoxStartSign")->setCurrentIndex(10);
  W<TRadioGroup>("RGOstraneType")->SetItemIndex(1);
  W<TSpinEdit>("SpinEditNumMajPeriods")->SetValue(1);
  W<QPushButton>("BtnCalculateOstrane")->click();
  List = W<TListBox>("ListBoxOstrane");
  std::vector<int> loosing;
  for (int row = 0; row < List->count(); ++row)
    if (RowData(List, row, kPeriodLoosingRole).toBool()) loosing.push_back(row);
  ASSERT_EQ(loosing, std::vector<int>{15});
  EXPECT_EQ(RowText(List, 15).toStdString().substr(0, 17), "        Leo sub b");
  EXPECT_EQ(ToolTipOver(List, 15),
            "the loosing of the bond (LB): a turning point\nFrom 7/30/2017 to 2/20/2019 (1 year, 6 "
            "months, 21 days), aged 17 "
            "to 19\nLeo sub: Sun")
      << "Fortune unknown";
  SetFortuneSign(*W<QComboBox>("ComboBoxFortune"), kTaurus);
  EXPECT_EQ(MarksOf(ToolTipOver(List, 15)),
            "4th from Fortune: angular; the loosing of the bond (LB): a turning point");

  // Valens from Aries: the Gemini level 3 period's 13th level 4 period is
  // Sagittarius, the first loosing in the Aries sub period's listing.
  ListWorkedExample(kCancer);
  QTest::mouseDClick(List->viewport(), Qt::LeftButton, {}, RowRect(List, 3).center());
  ASSERT_TRUE(Level3->isVisible());
  int first = -1;
  for (int row = 0; row < RowCount(Level3List) && first < 0; ++row)
    if (RowData(Level3List, row, kPeriodLoosingRole).toBool()) first = row;
  ASSERT_GE(first, 3);
  EXPECT_EQ(RowText(Level3List, first).left(22).toStdString(), "     Sagittarius L4 be");
  EXPECT_EQ(RowData(Level3List, first, kPeriodLevelRole).toInt(), 4);
  EXPECT_EQ(MarksOf(ToolTipOver(Level3List, first)),
            "the loosing of the bond (LB): a turning point")
      << "Sagittarius is the 6th from Cancer";
  EXPECT_EQ(ToolTipOver(Level3List, 3),
            "10th from Fortune: the peak\nFrom 1/1/2000 to 2/8/2000 (1 month, 7 days), aged 0 to "
            "0\nAries L3: Mars")
      << "Aries L3";
  EXPECT_EQ(RowData(Level3List, 3, kPeriodStartRole).toDouble(), 2451545.0);
}

TEST_F(Marks, RulersAreReadInTheChartWhileThePlaceIsKnown) {
  ListWorkedExample(kCancer, QDateTime(QDate(2001, 6, 1), QTime(12, 0)));
  auto* label = W<QLabel>("LabelInForce");
  const std::string line = label->text().toStdString();
  const std::string tip = ToolTipOver(List, 3);
  ASSERT_EQ(tip,
            "10th from Fortune: the peak; In force\nFrom 1/1/2000 to 10/14/2014 (14 years, 9 "
            "months, 13 days), aged 0 to 14\nAries general: Mars")
      << "no place, no chart";
  EXPECT_EQ(label->toolTip().toStdString(),
            "Aries general: Mars\nTaurus sub: Venus\nGemini L3: Mercury\nCapricorn L4: Saturn");
  QTest::mouseDClick(List->viewport(), Qt::LeftButton, {}, RowRect(List, 3).center());
  ASSERT_GT(RowCount(Level3List), 3);
  const std::string level3Tip = ToolTipOver(Level3List, 3);
  EXPECT_EQ(level3Tip,
            "10th from Fortune: the peak\nFrom 1/1/2000 to 2/8/2000 (1 month, 7 days), aged 0 to "
            "0\nAries L3: Mars");
  const auto startsWith = [](const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
  };

  TBirthPlace amsterdam;
  amsterdam.Latitude = 52.37403;
  amsterdam.Longitude = 4.88969;
  amsterdam.TimeZone = "Europe/Amsterdam";
  Form->SetPlace(amsterdam);
  ASSERT_NE(Form->Chart(), nullptr);
  SetFortuneSign(*W<QComboBox>("ComboBoxFortune"), kCancer);  // as before, whatever the chart's
  const std::string read = ToolTipOver(List, 3), level3 = ToolTipOver(Level3List, 3);
  EXPECT_TRUE(startsWith(read, tip + ", in ")) << read;
  EXPECT_TRUE(startsWith(level3, level3Tip + ", in ")) << level3;
  EXPECT_EQ(Delegate(List)->PrintedMarks(List->model()->index(3, 0)).toStdString(),
            "\u25B6 10 " + std::string(PlanetGlyph(TPlanet::Mars)));
  EXPECT_EQ(line, label->text().toStdString()) << "the rulers are named with and without a chart";
  EXPECT_TRUE(line.ends_with(
      " \u2014 ruled by Mars, Venus, Mercury and Saturn, next: Cancer L3 on 6/4/2001, at 1"))
      << line;
  EXPECT_EQ(label->toolTip().count('\n'), 3);
  EXPECT_NE(label->toolTip().toStdString().find("\nCapricorn L4: Saturn, in "), std::string::npos);

  Form->SetPlace(TBirthPlace());  // the chart lost
  EXPECT_EQ(Form->Chart(), nullptr);
  EXPECT_EQ(ToolTipOver(List, 3), tip);
  EXPECT_EQ(ToolTipOver(Level3List, 3), level3Tip);
  EXPECT_EQ(label->text().toStdString(), line);
}

// Whether the row's margin shows a pixel of the colour.
bool MarginHasColour(QListView* list, int row, QColor colour) {
  const QImage shot = list->viewport()->grab().toImage();
  const QRect rect = RowRect(list, row);
  const int margin = TMarkDelegate::MarginWidth(list->font());
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x < rect.left() + margin; ++x)
      if (QColor(shot.pixel(QPoint(x, y) * shot.devicePixelRatio())) == colour) return true;
  return false;
}

TEST_F(Marks, TheBadgeOfTheTenthIsDrawnWhileItIsTheTenth) {
  ListWorkedExample(kCancer);
  ShowMainWindow();
  const QColor tenth(179, 38, 30);
  EXPECT_TRUE(MarginHasColour(List, 3, tenth)) << "Aries, the 10th from Cancer";
  EXPECT_FALSE(MarginHasColour(List, 4, tenth)) << "Taurus, the 11th";
  SetFortuneSign(*W<QComboBox>("ComboBoxFortune"), kTaurus);
  EXPECT_FALSE(MarginHasColour(List, 3, tenth)) << "Aries, the 12th from Taurus";
  EXPECT_TRUE(MarginHasColour(List, 13, tenth)) << "Aquarius, the 10th from Taurus";
  EXPECT_GE(RowRect(List, 3).width(),
            TMarkDelegate::MarginWidth(List->font()) +
                QFontMetrics(List->font()).horizontalAdvance(RowText(List, 3)))
      << "the line is as wide as its margin and its text";
}

// The end and the age are painted right of the line's text, never over it:
// the viewport painted with them invisible differs from the one painted with
// them only past the text, and the list scrolls far enough for them.
TEST_F(Marks, TheEndsArePaintedRightOfTheText) {
  ListWorkedExample(kCancer);
  ShowMainWindow();
  ASSERT_TRUE(List->Model().LineDates());
  const int row = 4;
  const QString ends = RowData(List, row, kPeriodEndsTextRole).toString();
  ASSERT_TRUE(ends.startsWith("ends ")) << ends.toStdString();
  // Scrolled as far right as the list goes: the ends come into view.
  List->horizontalScrollBar()->setValue(List->horizontalScrollBar()->maximum());
  ASSERT_GT(List->horizontalScrollBar()->value(), 0) << "the window is narrower than the lines";
  const QImage with = List->viewport()->grab().toImage();
  // The same with the ends painted in the colour of the ground: the lines
  // keep their size and the list its place.
  const QPalette palette = List->palette();
  QPalette hidden = palette;
  hidden.setColor(QPalette::PlaceholderText, palette.color(QPalette::Base));
  List->setPalette(hidden);
  const QImage without = List->viewport()->grab().toImage();
  List->setPalette(palette);
  ASSERT_EQ(with.size(), without.size());
  ASSERT_EQ(List->horizontalScrollBar()->value(), List->horizontalScrollBar()->maximum());

  const QRect rect = RowRect(List, row);
  const QFontMetrics metrics(List->font());
  const int textEnd = rect.left() + TMarkDelegate::MarginWidth(List->font()) +
                      metrics.horizontalAdvance(RowText(List, row));
  const qreal ratio = with.devicePixelRatio();
  int leftmost = -1, rightmost = -1;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = 0; x < with.width(); ++x) {
      const QPoint at(x, static_cast<int>(y * ratio));
      if (with.pixel(at) == without.pixel(at)) continue;
      if (leftmost < 0 || x < leftmost) leftmost = x;
      rightmost = std::max(rightmost, x);
    }
  ASSERT_GE(leftmost, 0) << "the ends are painted in view";
  EXPECT_GT(leftmost / ratio, textEnd + metrics.horizontalAdvance('M'))
      << "after the text and a gap, not over it";
  EXPECT_GT(rightmost - leftmost, metrics.horizontalAdvance(ends) / 2) << "the whole text";
  EXPECT_GE(RowRect(List, row).width(), textEnd + metrics.horizontalAdvance(ends))
      << "the line (and so the scrolled list) reaches past the ends";
}

TEST_F(Marks, TheHelpPageOfTheMarksIsLinked) {
  CreateWindows();
  W<QAction>("Contents1")->trigger();
  auto* browser = Find<QTextBrowser>(Form->HelpWindow(), "HelpBrowser");
  ASSERT_TRUE(browser->toHtml().contains("marks.html")) << "the contents link to the page";
  browser->setSource(QUrl("marks.html"));
  EXPECT_EQ(browser->documentTitle().toStdString(), "Ostrane Help: Marks and the periods in force");
  browser->setSource(QUrl("commands.html"));
  EXPECT_TRUE(browser->toHtml().contains("marks.html")) << "using the program links to it";
}

using Draws = std::vector<TPrinterTextChannel::DrawnText>;

// Prints the list on an A4-sized image page at 150 dots per inch.
Draws PrintOnImage(const QListView& list, QImage* page = nullptr) {
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

TEST_F(Marks, PrintedMarksGoIntoTheMarginOfTheirLines) {
  ListWorkedExample(kCancer, QDateTime(QDate(2001, 6, 1), QTime(12, 0)));
  // The lines as before, one draw each at the left edge; a marked line's
  // marks drawn first, at the same place.
  const QString prefix = QString::fromLatin1(kLinePrefix);
  std::string marks;  // "row:marks|" for every marked line
  int line = 0, lastLineTop = -1, markTop = -1;
  for (const auto& drawn : PrintOnImage(*List)) {
    ASSERT_EQ(drawn.Position.x(), 0) << drawn.Text.toStdString();
    if (!drawn.Text.startsWith(prefix)) {
      marks += std::to_string(line) + ":" + drawn.Text.toStdString() + "|";
      markTop = drawn.Position.y();
      continue;
    }
    ASSERT_LT(line, List->count());
    EXPECT_EQ(drawn.Text, prefix + RowText(List, line)) << "row " << line;
    EXPECT_GT(drawn.Position.y(), lastLineTop) << "row " << line << " on a line of its own";
    if (markTop >= 0) {
      EXPECT_EQ(drawn.Position.y(), markTop) << "row " << line << "'s marks";
    }
    lastLineTop = drawn.Position.y();
    markTop = -1;
    ++line;
  }
  EXPECT_EQ(line, List->count());
  // Row 16 is the Cancer sub period of Taurus.  Every period line ends with
  // its ruler's glyph.
  const std::map<int, std::string> shown{{3, "\u25B6 10"}, {4, "\u25B6"}, {6, "1"}, {9, "4"},
                                         {12, "7"},        {16, "1"},     {19, "4"}};
  std::string expected;
  for (int row = 0; row < List->count(); ++row) {
    if (!RowData(List, row, kPeriodLevelRole).isValid()) continue;
    const auto it = shown.find(row);
    const std::string before = it == shown.end() ? "" : it->second + " ";
    expected +=
        std::to_string(row) + ":" + before +
        std::string(PlanetGlyph(DomicileRuler(RowData(List, row, kPeriodCounterRole).toInt()))) +
        "|";
  }
  EXPECT_EQ(marks, expected);
}

TEST_F(Marks, FontColourGoesToBothListsAndToPrint) {
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
  Level3List = Find<QListView>(Level3.get(), "ListBoxLevel3");
  EXPECT_EQ(W<TListBox>("ListBoxOstrane")->palette().color(QPalette::Text), red);
  EXPECT_EQ(Level3List->palette().color(QPalette::Text), red);

  EnterWorkedExample();
  W<QPushButton>("BtnCalculateOstrane")->click();
  QImage page;
  PrintOnImage(*W<TListBox>("ListBoxOstrane"), &page);
  int reddish = 0, dark = 0;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < page.width(); ++x) {
      const QColor c(page.pixel(x, y));
      reddish += c.red() > 150 && c.green() < 80 && c.blue() < 80;
      dark += c.red() < 80 && c.green() < 80 && c.blue() < 80;
    }
  EXPECT_GT(reddish, 100) << "the text is printed in the chosen colour";
  EXPECT_EQ(dark, 0) << "and not in black";

  DialogInterceptor cancel;  // rejects
  W<QAction>("FontColour1")->trigger();
  EXPECT_EQ(Level3List->palette().color(QPalette::Text), red) << "cancelled: unchanged";
}

}  // namespace
}  // namespace ostrane::uitest
