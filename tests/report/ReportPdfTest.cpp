// The report's pages read back from the PDF: how many there are, the page
// numbers on each, the birth data on the first, the page size of the
// locale, with and without a birth place; the same pages on a printer.
#include <QGuiApplication>
#include <QLocale>
#include <QPrinter>
#include <memory>

#include <gtest/gtest.h>

#include "chart/BuiltInPlaces.h"
#include "chart/LocaleText.h"
#include "report/ReportPdf.h"
#include "tests/report/PdfText.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TimelineTestSupport.h"  // the offscreen QGuiApplication

namespace ostrane {
namespace {

using testing::PdfPages;

struct ReportCase {
  const char* Name;
  const char* Place;  // a built-in place, or empty for none
  int GeneralPeriods;
  const char* Locale;
  const char* MediaBox;                   // the page size in points
  std::vector<std::string> FirstPage;     // texts on the first page
  std::vector<std::string> NotFirstPage;  // texts not on it
  std::vector<std::string> Somewhere;     // texts on some page
};

const ReportCase kCases[] = {
    {"amsterdam_1990",
     "Amsterdam",
     6,
     "nl_NL",
     "595.000000 842.000000",
     // The coordinates of the built-in place; Dutch summer time in July 1990.
     {"Anna Example", "7/14/1990, 08:30 local time", "Amsterdam", "52n22'27, 4e53'23",
      "Europe/Amsterdam", "+02:00 CEST", "The planets and the lots", "Lot of Fortune"},
     {"No chart was computed"},
     {"Periods released from", "Timeline of both lots", "In force at 12/10/2025 00:00, both lots",
      "The next twelve changes after 12/10/2025 00:00, both lots"}},
    {"no_place_letter",
     "",
     6,
     "en_US",
     "612.000000 792.000000",
     {"Anna Example", "7/14/1990, 08:30 local time", "No chart was computed: no birth place"},
     {"The planets and the lots", "Coordinates", "UTC offset"},
     {"Periods released from Sagittarius", "Timeline of the listed periods",
      "In force at 12/10/2025 00:00", "The next twelve changes after 12/10/2025 00:00"}},
    // The longest listing stays within five pages: the table is cut.
    {"two_hundred_periods",
     "Amsterdam",
     200,
     "de_DE",
     "595.000000 842.000000",
     {"+02:00 CEST"},
     {},
     {"more general periods are listed in the program"}},
};

void PrintTo(const ReportCase& c, std::ostream* os) {
  *os << c.Name;
}

class ReportPdfTest : public ::testing::TestWithParam<ReportCase> {};

TEST_P(ReportPdfTest, PagesReadBack) {
  const ReportCase& c = GetParam();
  QLocale::setDefault(QLocale(c.Locale));
  TReportInput input;
  ReleaseSettings& s = input.Settings;
  s.Name = "Anna Example";
  s.Year = 1990;
  s.MonthIndex = 6;
  s.Day = 14;
  s.TimeText = "08:30";
  s.StartSign = 8;  // Sagittarius, the Lot of Spirit's sign of this birth
  s.GeneralPeriods = c.GeneralPeriods;
  if (*c.Place) SetBirthPlace(s.Place, *BuiltInPlaces().BestMatch(c.Place));
  input.Locale = TimeLocaleOf(QLocale::c());
  input.Made = 2461019.5;  // 2025-12-10
  input.Moment = 2461019.5;
  int painted = 0;
  const QByteArray pdf = RenderReportPdf(BuildReport(input), &painted);
  QLocale::setDefault(QLocale::c());
  EXPECT_NE(pdf.indexOf(QByteArray("/MediaBox [0 0 ") + c.MediaBox + "]"), -1);

  testing::TempDir dir;
  const std::string path = dir.Path("report.pdf");
  testing::WriteBytes(path, pdf.toStdString());
  const std::vector<std::string> pages = PdfPages(path);
  ASSERT_GE(pages.size(), 2u);
  EXPECT_LE(pages.size(), 5u);
  EXPECT_EQ(painted, static_cast<int>(pages.size()));
  const std::string of = " of " + std::to_string(pages.size());
  std::string all;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    EXPECT_NE(pages[i].find("page " + std::to_string(i + 1) + of), std::string::npos)
        << "page " << i + 1;
    EXPECT_NE(pages[i].find("Ostrane "), std::string::npos) << "page " << i + 1;
    EXPECT_NE(pages[i].find("Report of 12/10/2025"), std::string::npos) << "page " << i + 1;
    all += pages[i];
  }
  for (const std::string& text : c.FirstPage)
    EXPECT_NE(pages[0].find(text), std::string::npos) << text;
  for (const std::string& text : c.NotFirstPage)
    EXPECT_EQ(pages[0].find(text), std::string::npos) << text;
  for (const std::string& text : c.Somewhere) EXPECT_NE(all.find(text), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(Charts, ReportPdfTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// A printer is painted as the PDF writer is: the same pages, each numbered.
TEST(ReportPrinterTest, PaintsThePagesOfThePdf) {
  TReportInput input;
  input.Settings.Year = 1990;
  input.Settings.TimeText = "08:30";
  SetBirthPlace(input.Settings.Place, *BuiltInPlaces().BestMatch("Amsterdam"));
  input.Locale = TimeLocaleOf(QLocale::c());
  input.Made = input.Moment = 2461019.5;
  const TReportContent content = BuildReport(input);
  int written = 0;
  RenderReportPdf(content, &written);

  testing::TempDir dir;
  const std::string path = dir.Path("printed.pdf");
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(path));
  printer.setPageLayout(QPageLayout(ReportPageSize(QLocale::c()), QPageLayout::Portrait,
                                    QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
  const int printed = PaintReport(printer, content);
  EXPECT_EQ(printed, written);
  const std::vector<std::string> pages = PdfPages(path);
  ASSERT_EQ(static_cast<int>(pages.size()), printed);
  for (std::size_t i = 0; i < pages.size(); ++i)
    EXPECT_NE(pages[i].find("page " + std::to_string(i + 1) + " of " + std::to_string(printed)),
              std::string::npos);
}

TEST(ReportFileNameTest, ProposesTheNameWithoutFolders) {
  EXPECT_EQ(ReportFileName("Anna Example").toStdString(), "Anna Example report.pdf");
  EXPECT_EQ(ReportFileName(" a/b:c ").toStdString(), "a_b_c report.pdf");
  EXPECT_EQ(ReportFileName("  ").toStdString(), "report.pdf");
}

}  // namespace
}  // namespace ostrane
