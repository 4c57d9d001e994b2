// The print and "Save as PDF" commands: the dialog's options, cancelling,
// no printer, a job that cannot start, and the lines reaching the document.
#include <QApplication>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include "GuiEnvironment.h"
#include "PrintTestSupport.h"

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
