// The print and "Save as PDF" commands: the dialog's options, cancelling,
// no printer, a job that cannot start, and the lines reaching the document;
// the report printed within margins of its own.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QFileDialog>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <csignal>

#include <gtest/gtest.h>

#include "chart/LocaleText.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/GuiEnvironment.h"
#include "tests/support/PrintTestSupport.h"
#include "ui/printing/ReportPrinting.h"

namespace ostrane::testing {
namespace {

// Installs hooks that record what the commands ask of the desktop.
class PrintCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(FDir.isValid());
    TPrintHooks hooks;
    hooks.PrinterInstalled = [this] { return FPrinterInstalled; };
    hooks.RunPrintDialog = [this](QPrintDialog& dialog) {
      ++FDialogRuns;
      FOptions = dialog.options();
      dialog.printer()->setOutputFileName(FPrintTo);
      return FConfirm;
    };
    hooks.AskPdfFileName = [this](QWidget*) { return FSaveTo; };
    hooks.ShowError = [this](QWidget*, const QString& message) { FErrors << message; };
    SetPrintHooks(hooks);
  }
  void TearDown() override { SetPrintHooks(DefaultPrintHooks()); }

  static QStringList Lines(int count) {
    QStringList lines = {"Time Lords", "", ""};
    for (int i = 3; i < count; ++i) lines << QString("%1/1/2000   Capricorn").arg(i);
    return lines;
  }

  QTemporaryDir FDir;
  QString FPrintTo = FDir.filePath("printed.pdf");
  QString FSaveTo = FDir.filePath("saved.pdf");
  bool FPrinterInstalled = true;
  bool FConfirm = true;
  int FDialogRuns = 0;
  QAbstractPrintDialog::PrintDialogOptions FOptions;
  QStringList FErrors;
};

TEST_F(PrintCommandTest, NoPrinterShowsTheErrorAndStartsNoJob) {
  FPrinterInstalled = false;
  auto list = MakeList(Lines(10));
  QPrintDialog dialog;
  PrintListBox(nullptr, &dialog, list.get());
  EXPECT_EQ(FErrors, QStringList{"There is no printer installed."});
  EXPECT_EQ(FDialogRuns, 0);
  EXPECT_FALSE(QFile::exists(FPrintTo));
}

TEST_F(PrintCommandTest, DialogOffersNoPageRangeSelectionOrFile) {
  auto list = MakeList(Lines(10));
  QPrintDialog dialog;
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintSelection |
                    QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintCurrentPage);
  FConfirm = false;
  PrintListBox(nullptr, &dialog, list.get());
  ASSERT_EQ(FDialogRuns, 1);
  EXPECT_FALSE(FOptions.testFlag(QAbstractPrintDialog::PrintToFile));
  EXPECT_FALSE(FOptions.testFlag(QAbstractPrintDialog::PrintSelection));
  EXPECT_FALSE(FOptions.testFlag(QAbstractPrintDialog::PrintPageRange));
  EXPECT_FALSE(FOptions.testFlag(QAbstractPrintDialog::PrintCurrentPage));
}

TEST_F(PrintCommandTest, CancelPrintsNothing) {
  FConfirm = false;
  auto list = MakeList(Lines(10));
  QPrintDialog dialog;
  PrintListBox(nullptr, &dialog, list.get());
  EXPECT_EQ(FDialogRuns, 1);
  EXPECT_FALSE(QFile::exists(FPrintTo));
  EXPECT_TRUE(FErrors.isEmpty());
}

TEST_F(PrintCommandTest, ConfirmedDialogPrintsEveryLineOnTheChosenPrinter) {
  auto list = MakeList(Lines(200));
  QPrintDialog dialog;
  PrintListBox(nullptr, &dialog, list.get());
  EXPECT_TRUE(FErrors.isEmpty()) << FErrors.join("; ").toStdString();
  ASSERT_TRUE(QFile::exists(FPrintTo));

  // Lines per page from the printer's page and font: a page holds the lines
  // whose end stays within the page height less two line heights.
  QPrinter& printer = *dialog.printer();
  const int step = LineStep(PrinterFont(*list), &printer);
  const int perPage = (printer.height() - 2 * step) / step + 1;
  const int pages = (200 + perPage - 1) / perPage;
  EXPECT_GT(pages, 1);
  EXPECT_EQ(PdfPageCount(FPrintTo), pages);
}

TEST_F(PrintCommandTest, ReportPrintsWithinItsMarginsAndGivesThePrinterItsOwnBack) {
  QPrintDialog dialog;
  QPrinter& printer = *dialog.printer();
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  TReportInput input;  // no place: the birth data with the periods, then the moment's page
  input.Settings.Year = 2000;
  input.Settings.GeneralPeriods = 2;
  input.Locale = TimeLocaleOf(QLocale::c());
  input.Made = input.Moment = 2451545.0;
  PrintReport(nullptr, &dialog, input);
  EXPECT_TRUE(FErrors.isEmpty()) << FErrors.join("; ").toStdString();
  EXPECT_EQ(PdfPageCount(FPrintTo), 2);
  EXPECT_EQ(printer.pageLayout().margins(QPageLayout::Millimeter), QMarginsF(0, 0, 0, 0));
}

TEST_F(PrintCommandTest, JobThatCannotStartShowsTheError) {
  FPrintTo = FDir.filePath("no-such-folder/printed.pdf");
  auto list = MakeList(Lines(10));
  QPrintDialog dialog;
  PrintListBox(nullptr, &dialog, list.get());
  ASSERT_EQ(FErrors.size(), 1);
  EXPECT_TRUE(FErrors[0].startsWith("The print job could not be started"))
      << FErrors[0].toStdString();
  EXPECT_FALSE(QFile::exists(FPrintTo));
}

TEST_F(PrintCommandTest, SaveAsPdfWritesTheChosenFile) {
  auto list = MakeList(Lines(20));
  SaveListBoxAsPdf(nullptr, list.get());
  EXPECT_TRUE(FErrors.isEmpty());
  EXPECT_EQ(PdfPageCount(FSaveTo), 1);
}

TEST_F(PrintCommandTest, SaveAsPdfCancelledOrUnwritable) {
  auto list = MakeList(Lines(20));
  FSaveTo.clear();  // the file dialog was cancelled
  SaveListBoxAsPdf(nullptr, list.get());
  EXPECT_TRUE(FErrors.isEmpty());
  EXPECT_TRUE(QDir(FDir.path()).isEmpty());

  FSaveTo = FDir.filePath("no-such-folder/saved.pdf");
  SaveListBoxAsPdf(nullptr, list.get());
  ASSERT_EQ(FErrors.size(), 1);
  EXPECT_TRUE(FErrors[0].contains("no-such-folder/saved.pdf")) << FErrors[0].toStdString();
}

QStringList Entries(const QTemporaryDir& dir) {
  return QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
}

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A full disk, as a file size limit: the old PDF stays byte for byte, no
// temporary file is left, and the error box names the file and the reason.
TEST_F(PrintCommandTest, SaveAsPdfOnAFullDiskKeepsTheOldFile) {
  const struct {
    const char* what;
    int oldLines;  // 0: no file before
    int newLines;
  } cases[] = {
      {"a one-page PDF over a one-page PDF", 20, 20},
      {"a long PDF over a one-page PDF", 20, 600},
      {"a long PDF over a long PDF", 600, 600},
      {"a one-page PDF where there was none", 0, 20},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    QFile::remove(FSaveTo);
    FErrors.clear();
    if (c.oldLines > 0) {
      SaveListBoxAsPdf(nullptr, MakeList(Lines(c.oldLines)).get());
      ASSERT_TRUE(FErrors.isEmpty());
    }
    const QByteArray old = Bytes(FSaveTo);
    const QStringList before = Entries(FDir);
    {
      const FileSizeLimit limit(2048);
      ASSERT_TRUE(limit.Active());
      SaveListBoxAsPdf(nullptr, MakeList(Lines(c.newLines)).get());
    }
    EXPECT_EQ(FErrors.join('\n').toStdString(),
              "The file \"" + FSaveTo.toStdString() + "\" could not be written: File too large");
    EXPECT_TRUE(Bytes(FSaveTo) == old) << "the old file was changed";
    EXPECT_EQ(QFile::exists(FSaveTo), c.oldLines > 0);
    EXPECT_EQ(Entries(FDir).join(", ").toStdString(), before.join(", ").toStdString())
        << "a temporary file was left";
  }
}

// A save killed halfway (here by SIGXFSZ, which ends the process at the
// file size limit) leaves the old PDF in place.
TEST_F(PrintCommandTest, SaveAsPdfKilledHalfwayLeavesTheOldFile) {
  SaveListBoxAsPdf(nullptr, MakeList(Lines(20)).get());
  ASSERT_TRUE(FErrors.isEmpty());
  const QByteArray old = Bytes(FSaveTo);
  ASSERT_GT(old.size(), 0);
  auto list = MakeList(Lines(2000));
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    std::signal(SIGXFSZ, SIG_DFL);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = static_cast<rlim_t>(old.size()) / 2;
    setrlimit(RLIMIT_FSIZE, &limit);
    try {
      WriteListBoxPdf(FSaveTo, *list);
    } catch (...) {
    }
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << "the save was not killed";
  EXPECT_TRUE(Bytes(FSaveTo) == old) << "the old file was changed";
}

TEST(SaveAsPdfDialog, NameWithoutSuffixGetsPdf) {
  QTemporaryDir dir;
  auto list = MakeList({"Time Lords"});
  QTimer::singleShot(5000, [] {  // never hang on a dialog nobody answers
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  });
  QTimer::singleShot(0, [&dir] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr) << "a file dialog is open";
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    dialog->selectFile(dir.filePath("listing"));
    static_cast<QDialog*>(dialog)->accept();  // as the Save button does
  });
  SaveListBoxAsPdf(nullptr, list.get());
  EXPECT_EQ(PdfPageCount(dir.filePath("listing.pdf")), 1);
}

}  // namespace
}  // namespace ostrane::testing
