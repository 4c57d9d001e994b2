// The printer text channel on image pages: line order and prefix, line
// heights, wrapping, page breaks, fonts and the overwide character.
#include <QFontMetrics>
#include <QPaintEngine>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <stdexcept>

#include <gtest/gtest.h>

#include "tests/support/GuiEnvironment.h"
#include "tests/support/PrintTestSupport.h"

namespace ostrane::testing {
namespace {

const QFont kMono("DejaVu Sans Mono", 10);

TEST(TextChannelLines, ListLinesPrintInOrderEachAfterTwelveSpaces) {
  const QStringList lines = {"Time Lords", "", "1/1/2000   Capricorn", "  7/3/2027 Aquarius",
                             "9/3/2051   Aquarius"};
  auto list = MakeList(lines, kMono);
  QImage page = MakePage(800, 1000);
  const ChannelRun run = PrintOnPage(page, *list);
  const int step = LineStep(kMono, &page);

  ASSERT_EQ(run.Draws.size(), static_cast<std::size_t>(lines.size()));
  for (std::size_t i = 0; i < run.Draws.size(); ++i) {
    SCOPED_TRACE("line " + std::to_string(i));
    EXPECT_EQ(run.Draws[i].Text, kPrefix + lines[static_cast<int>(i)]);
    EXPECT_EQ(run.Draws[i].Position, QPoint(0, static_cast<int>(i) * step));
    EXPECT_EQ(run.Draws[i].Page, 1);
  }
  EXPECT_EQ(run.PageBreaks, 0);
}

TEST(TextChannelLines, SingleSpaceLineIsBlankButTakesItsHeight) {
  auto list = MakeList({"Aries", " ", "Taurus"}, kMono);
  QImage page = MakePage(800, 1000);
  const ChannelRun run = PrintOnPage(page, *list);
  const int step = LineStep(kMono, &page);

  ASSERT_EQ(run.Draws.size(), 3u);
  EXPECT_EQ(run.Draws[1].Text, QString(13, QLatin1Char(' ')));
  EXPECT_EQ(run.Draws[1].Position.y() - run.Draws[0].Position.y(), step);
  EXPECT_EQ(run.Draws[2].Position.y() - run.Draws[1].Position.y(), step);
}

TEST(TextChannelLines, EmptyListDrawsNothingOnOnePage) {
  auto list = MakeList({}, kMono);
  QImage page = MakePage(400, 400);
  const ChannelRun run = PrintOnPage(page, *list);
  EXPECT_TRUE(run.Draws.empty());
  EXPECT_EQ(run.PageBreaks, 0);
  EXPECT_EQ(run.LastPage, 1);

  QTemporaryDir dir;
  const QString path = dir.filePath("empty.pdf");
  WriteListBoxPdf(path, *list);
  EXPECT_EQ(PdfPageCount(path), 1) << "an empty listing is one empty page";
}

TEST(TextChannelWrapping, TooWideLineContinuesAtTheLeftEdge) {
  const QString line = "1/1/2000 " + QString(70, QLatin1Char('W'));
  auto list = MakeList({line, "next"}, kMono);
  QImage page = MakePage(300, 2000);
  const ChannelRun run = PrintOnPage(page, *list);
  const QFontMetrics metrics(kMono, &page);
  const int step = LineStep(kMono, &page);

  ASSERT_GE(run.Draws.size(), 3u);
  QString joined;
  for (std::size_t i = 0; i + 1 < run.Draws.size(); ++i) {
    const auto& part = run.Draws[i];
    SCOPED_TRACE("part " + std::to_string(i) + ": " + part.Text.toStdString());
    joined += part.Text;
    EXPECT_EQ(part.Position, QPoint(0, static_cast<int>(i) * step));
    EXPECT_LE(metrics.horizontalAdvance(part.Text), page.width());
    if (i + 2 < run.Draws.size()) {  // every part but the line's last is as long as fits
      const QString longer = part.Text + line.at(joined.size() - kPrefix.size());
      EXPECT_GT(metrics.horizontalAdvance(longer), page.width());
    }
  }
  EXPECT_EQ(joined, kPrefix + line) << "the parts together are the whole line, prefix once";
  EXPECT_EQ(run.Draws.back().Text, kPrefix + "next");
  EXPECT_EQ(run.Draws.back().Position.x(), 0);
}

TEST(TextChannelWrapping, TextThatStartsWhereNothingFitsMovesWholeToTheNextLine) {
  QImage page = MakePage(400, 400);
  const QFontMetrics metrics(kMono, &page);
  const int cell = metrics.horizontalAdvance(QLatin1Char('x'));
  QImage narrow = MakePage(10 * cell + cell / 2, 400);
  std::vector<TPrinterTextChannel::DrawnText> draws;
  TPrinterTextChannel channel(narrow, [] { return true; });
  channel.SetDrawObserver([&](const auto& drawn) { draws.push_back(drawn); });
  ASSERT_TRUE(channel.Open());
  channel.SetFont(kMono);
  channel.Write(QString(10, QLatin1Char('x')));
  channel.Write("ab");
  channel.Close();

  ASSERT_EQ(draws.size(), 2u) << "no empty part is drawn at the end of the full line";
  EXPECT_EQ(draws[1].Text, "ab");
  EXPECT_EQ(draws[1].Position, QPoint(0, LineStep(kMono, &narrow)));
}

TEST(TextChannelWrapping, CharacterWiderThanThePageStillEnds) {
  const QFont huge("DejaVu Sans Mono", 60);
  QImage page = MakePage(12, 4000);
  std::vector<TPrinterTextChannel::DrawnText> draws;
  // A channel that never draws the character moves down for ever: stop it
  // at the tenth page so that the test fails instead of hanging.
  int pages = 1;
  TPrinterTextChannel channel(page, [&pages] {
    if (++pages > 10) throw std::runtime_error("runaway");
    return true;
  });
  channel.SetDrawObserver([&](const auto& drawn) { draws.push_back(drawn); });
  ASSERT_TRUE(channel.Open());
  channel.SetFont(huge);
  ASSERT_NO_THROW({
    channel.WriteLine("WWW");
    channel.Write("x");
    channel.Write("y");  // after an overwide character on the same line
  });
  channel.Close();

  const int step = LineStep(huge, &page);
  const QStringList expected = {"W", "W", "W", "x", "y"};
  ASSERT_EQ(draws.size(), 5u);
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE("character " + std::to_string(i));
    EXPECT_EQ(draws[static_cast<std::size_t>(i)].Text, expected[i]);
    EXPECT_EQ(draws[static_cast<std::size_t>(i)].Position, QPoint(0, i * step));
  }
}

// Lines per page follow from the rule: a new page when the next line's top
// lies lower than the page height less twice the line height.
class TextChannelPages : public ::testing::Test {
 protected:
  static ChannelRun PrintLines(int count, int pageHeight) {
    QStringList lines;
    for (int i = 0; i < count; ++i) lines << QString("line %1").arg(i);
    auto list = MakeList(lines, kMono);
    QImage page = MakePage(600, pageHeight);
    return PrintOnPage(page, *list);
  }
  static int Step() {
    QImage page = MakePage(10, 10);
    return LineStep(kMono, &page);
  }
};

TEST_F(TextChannelPages, LineAtTheThresholdStaysOnThePage) {
  const int step = Step();
  // Height (5 + 2) steps: the sixth line ends at y = 6 steps, and the
  // threshold is 7 - 2 = 5 steps, so lines 0..5 share a page.
  const ChannelRun run = PrintLines(14, 7 * step);
  ASSERT_EQ(run.Draws.size(), 14u);
  for (std::size_t i = 0; i < run.Draws.size(); ++i) {
    SCOPED_TRACE("line " + std::to_string(i));
    EXPECT_EQ(run.Draws[i].Page, static_cast<int>(i / 6) + 1);
    EXPECT_EQ(run.Draws[i].Position.y(), static_cast<int>(i % 6) * step);
  }
  EXPECT_EQ(run.PageBreaks, 2);
}

TEST_F(TextChannelPages, OneUnitLessMovesTheLastLineToTheNextPage) {
  const int step = Step();
  const ChannelRun run = PrintLines(14, 7 * step - 1);
  ASSERT_EQ(run.Draws.size(), 14u);
  for (std::size_t i = 0; i < run.Draws.size(); ++i) {
    SCOPED_TRACE("line " + std::to_string(i));
    EXPECT_EQ(run.Draws[i].Page, static_cast<int>(i / 5) + 1);
  }
}

TEST_F(TextChannelPages, FullLastPageLeavesNoEmptySheet) {
  const int step = Step();
  const ChannelRun run = PrintLines(12, 7 * step);  // exactly two pages of six
  EXPECT_EQ(run.PageBreaks, 1);
  EXPECT_EQ(run.LastPage, 2);
}

TEST(TextChannelFonts, LargerFontGivesTallerLines) {
  QImage page = MakePage(2000, 3000);
  const QFont large("DejaVu Sans Mono", 20);
  const ChannelRun small = PrintOnPage(page, *MakeList({"a", "b"}, kMono));
  const ChannelRun big = PrintOnPage(page, *MakeList({"a", "b"}, large));
  ASSERT_EQ(small.Draws.size(), 2u);
  ASSERT_EQ(big.Draws.size(), 2u);
  const int smallStep = small.Draws[1].Position.y();
  const int bigStep = big.Draws[1].Position.y();
  EXPECT_GT(bigStep, smallStep * 17 / 10);
  EXPECT_LT(bigStep, smallStep * 23 / 10);
}

TEST(TextChannelFonts, PointSizeHoldsAtThePrinterResolution) {
  // The same 10-point list on a 96 and a 600 dots-per-inch page: the
  // printed line is as tall in inches on both.
  auto list = MakeList({"a", "b"}, kMono);
  QImage screen = MakePage(1000, 1000, 96);
  QImage printer = MakePage(6000, 6000, 600);
  const ChannelRun low = PrintOnPage(screen, *list);
  const ChannelRun high = PrintOnPage(printer, *list);
  ASSERT_EQ(low.Draws.size(), 2u);
  ASSERT_EQ(high.Draws.size(), 2u);
  const double lowInches = (low.Draws[1].Position.y() - 2) / 96.0;
  const double highInches = (high.Draws[1].Position.y() - 2) / 600.0;
  EXPECT_NEAR(highInches, lowInches, lowInches * 0.12);
  EXPECT_NEAR(highInches, 10.0 / 72.0 * 1.17, 0.03) << "about 1.17 times the point size";
}

TEST(TextChannelFonts, TextIsBlackUnlessTheListHasAColourOfItsOwn) {
  auto darkestAndReddest = [](const QImage& image) {
    int darkest = 255 * 3, reddest = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, y);
        darkest = std::min(darkest, c.red() + c.green() + c.blue());
        reddest = std::max(reddest, c.red() - std::max(c.green(), c.blue()));
      }
    return std::pair{darkest, reddest};
  };
  const QPalette before = QApplication::palette();
  QPalette whiteText = before;
  whiteText.setColor(QPalette::Text, Qt::white);  // a dark desktop theme
  QApplication::setPalette(whiteText);
  auto plain = MakeList({"WWWWWWWW"}, QFont("DejaVu Sans Mono", 20));
  QImage plainPage = MakePage(400, 100);
  PrintOnPage(plainPage, *plain);
  EXPECT_LT(darkestAndReddest(plainPage).first, 100) << "theme text colour is not printed";

  auto red = MakeList({"WWWWWWWW"}, QFont("DejaVu Sans Mono", 20));
  QPalette redText = red->palette();
  redText.setColor(QPalette::Text, Qt::red);
  red->setPalette(redText);
  QImage redPage = MakePage(400, 100);
  PrintOnPage(redPage, *red);
  EXPECT_GT(darkestAndReddest(redPage).second, 200) << "the list's own colour is printed";
  QApplication::setPalette(before);
}

TEST(TextChannelMargin, MarginTextStaysOnItsLineAndFitsItsWidth) {
  // Text in the margin is drawn at the line's left edge and leaves the
  // position alone; text wider than the margin is drawn smaller until it
  // fits: no ink right of the margin.
  const QFont sans("DejaVu Sans", 12);
  struct Case {
    const char* name;
    QString margin;
    int width;  // in spaces of the font
  };
  const Case cases[] = {
      {"short marks", "10", 10},
      {"marks wider than the margin", QString::fromUtf8("\u25B6 10 LB"), 6},
      {"a long text in a narrow margin", "LB LB LB LB LB LB", 4},
  };
  for (const Case& c : cases) {
    QImage page = MakePage(800, 400);
    TPrinterTextChannel channel(page, [] { return true; });
    std::vector<TPrinterTextChannel::DrawnText> draws;
    channel.SetDrawObserver([&draws](const auto& drawn) { draws.push_back(drawn); });
    ASSERT_TRUE(channel.Open());
    channel.SetFont(sans);
    channel.WriteLine("first");
    const int width = channel.TextWidth(QString(c.width, QLatin1Char(' ')));
    const QPoint before = channel.Position();
    channel.WriteInMargin(c.margin, width);
    EXPECT_EQ(channel.Position(), before) << c.name << ": the position stays";
    // The line's own text, as a listing line, after spaces that leave the
    // margin and two spaces more free.
    const QString spaces(c.width + 2, QLatin1Char(' '));
    const int textLeft = channel.TextWidth(spaces);
    channel.WriteLine(spaces + "second");
    channel.Close();
    ASSERT_EQ(draws.size(), 3u) << c.name;
    EXPECT_EQ(draws[1].Text, c.margin) << c.name;
    EXPECT_EQ(draws[1].Position, draws[2].Position) << c.name << ": on the line of the next text";
    EXPECT_EQ(draws[2].Position.y() - draws[0].Position.y(), LineStep(sans, &page)) << c.name;
    int inkLeft = page.width(), inkRight = -1;
    for (int y = draws[1].Position.y(); y < draws[1].Position.y() + draws[1].Height; ++y)
      for (int x = 0; x < textLeft; ++x)
        if (QColor(page.pixel(x, y)) != QColor(Qt::white)) {
          inkLeft = std::min(inkLeft, x);
          inkRight = std::max(inkRight, x);
        }
    EXPECT_LT(inkLeft, width / 4) << c.name << ": drawn from the left edge";
    EXPECT_LT(inkRight, width) << c.name << ": within the margin";
  }
}

TEST(TextChannelFailure, PrinterErrorMidJobStillEndsTheDocument) {
  QTemporaryDir dir;
  const QString path = dir.filePath("broken.pdf");
  QStringList lines;
  for (int i = 0; i < 300; ++i) lines << QString::number(i);
  auto list = MakeList(lines, kMono);
  bool thrown = false;
  {
    QPdfWriter writer(path);
    TPrinterTextChannel channel(writer, [] { return false; });
    ASSERT_TRUE(channel.Open());
    try {
      WriteListLines(channel, *list);
    } catch (const EPrinterError& error) {
      thrown = true;
      EXPECT_STREQ(error.what(), "The printer could not start a new page.");
    }
  }  // the channel closes as it goes out of scope
  EXPECT_TRUE(thrown);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().trimmed().endsWith("%%EOF")) << "the document was ended";
  EXPECT_EQ(PdfPageCount(path), 1);
}

// A page whose paint engine ends its document as told: a print job that
// could or could not be handed over.
class EndingPage : public QImage {
 public:
  explicit EndingPage(bool endSucceeds) : QImage(MakePage(800, 1000)), FEngine(endSucceeds) {}
  QPaintEngine* paintEngine() const override { return &FEngine; }

 private:
  class Engine : public QPaintEngine {
   public:
    explicit Engine(bool endSucceeds) : FEndSucceeds(endSucceeds) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return FEndSucceeds; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF&, const QTextItem&) override {}
    Type type() const override { return User; }

   private:
    bool FEndSucceeds;
  };
  mutable Engine FEngine;
};

TEST(TextChannelFailure, CloseTellsWhetherTheDocumentCouldBeEnded) {
  auto list = MakeList({"Time Lords", "1/1/2000   Aries"}, kMono);
  for (const bool endSucceeds : {true, false}) {
    SCOPED_TRACE(endSucceeds ? "the device ends the document" : "the device fails to end it");
    EndingPage page(endSucceeds);
    TPrinterTextChannel channel(page, [] { return true; });
    ASSERT_TRUE(channel.Open());
    WriteListLines(channel, *list);
    EXPECT_EQ(channel.Close(), endSucceeds);
    EXPECT_FALSE(channel.IsOpen());
    EXPECT_TRUE(channel.Close()) << "closing a closed channel does nothing";
  }
}

}  // namespace
}  // namespace ostrane::testing
