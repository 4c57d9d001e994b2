// "Save as PDF ..." in both windows: enabled exactly when "Print ..." is,
// and each window writes its own list.  "Report ..." and "Print Report ...":
// the report written under the name proposed, or the missing printer told.
#include <QAction>
#include <QFile>
#include <QListView>
#include <QPushButton>
#include <QStatusBar>

#include "tests/support/UiTestSupport.h"
#include "ui/printing/ListPrinting.h"
#include "ui/widgets/ListBox.h"

namespace ostrane::uitest {
namespace {

// Pages in a PDF file as Qt writes it: one page object each.
int PdfPages(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  return static_cast<int>(file.readAll().count("/Type /Page\n"));
}

class PdfItems : public WindowTest {
 public:
  void SetUp() override {
    WindowTest::SetUp();
    FSaved = PrintHooks();
    TPrintHooks hooks;
    hooks.AskPdfFileName = [this](QWidget*) { return Directory->filePath(NextName); };
    hooks.AskSaveFileName = [this](QWidget*, const QString& proposed) {
      Proposed = proposed;
      return Directory->filePath(NextName);
    };
    hooks.PrinterInstalled = [] { return false; };
    hooks.ShowError = [this](QWidget*, const QString& message) { Errors << message; };
    SetPrintHooks(hooks);
  }
  void TearDown() override {
    SetPrintHooks(FSaved);
    WindowTest::TearDown();
  }

  QString NextName, Proposed;
  QStringList Errors;

 private:
  TPrintHooks FSaved;
};

TEST_F(PdfItems, FollowTheEnablingOfPrint) {
  CreateWindows();
  auto* print = W<QAction>("Print1");
  auto* pdf = W<QAction>("SaveAsPdf1");
  EXPECT_EQ(pdf->text().toStdString(), "Save as P&DF ...");
  EXPECT_FALSE(pdf->isEnabled()) << "no listing yet";
  EnterWorkedExample();
  W<QPushButton>("BtnCalculateOstrane")->click();
  EXPECT_TRUE(print->isEnabled());
  EXPECT_TRUE(pdf->isEnabled()) << "after a listing";
  W<QPushButton>("BtnClearList")->click();
  EXPECT_FALSE(print->isEnabled());
  EXPECT_FALSE(pdf->isEnabled()) << "after Clear List";
  EXPECT_TRUE(Find<QAction>(Level3.get(), "SaveAsPdf1")->isEnabled())
      << "the level 3/4 window's item is always enabled, as its Print is";
}

TEST_F(PdfItems, EachWindowWritesItsOwnList) {
  CreateWindows();
  EnterWorkedExample();
  W<QPushButton>("BtnCalculateOstrane")->click();
  auto* main = W<TListBox>("ListBoxOstrane");
  main->SetItemIndex(3);
  Form->ListBoxOstraneDblClick();
  const auto* level3 = Find<QListView>(Level3.get(), "ListBoxLevel3");
  ASSERT_GT(RowCount(level3), 150) << "the worked example's Aries sub period";
  ASSERT_LT(RowCount(main), 30);

  NextName = "main.pdf";
  W<QAction>("SaveAsPdf1")->trigger();
  NextName = "level3.pdf";
  Find<QAction>(Level3.get(), "SaveAsPdf1")->trigger();
  // About 70 lines fit on a page: the short main list takes one, the
  // level 3/4 list several.
  EXPECT_EQ(PdfPages(Directory->filePath("main.pdf")), 1);
  EXPECT_GE(PdfPages(Directory->filePath("level3.pdf")), 3);
}

TEST_F(PdfItems, ReportIsWrittenUnderTheProposedNameWithoutAListing) {
  CreateWindows();
  EnterWorkedExample();
  NextName = "client.pdf";
  W<QAction>("ActionReport")->trigger();
  EXPECT_EQ(Proposed.toStdString(), "Time Lords report.pdf");
  EXPECT_EQ(PdfPages(Directory->filePath("client.pdf")), 2)
      << "without a place: the birth data with the periods, then the timeline and the periods "
         "in force";
  EXPECT_TRUE(W<QStatusBar>("StatusBar1")->currentMessage().endsWith("client.pdf"))
      << W<QStatusBar>("StatusBar1")->currentMessage().toStdString();
  EXPECT_TRUE(Errors.isEmpty()) << Errors.join("; ").toStdString();

  W<QAction>("ActionPrintReport")->trigger();
  EXPECT_EQ(Errors, QStringList{kNoPrinterMessage});
}

}  // namespace
}  // namespace ostrane::uitest
