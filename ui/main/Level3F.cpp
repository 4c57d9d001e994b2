#include "ui/main/Level3F.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QPrintDialog>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/printing/ListPrinting.h"
#include "ui/widgets/ListingModel.h"
#include "ui/widgets/Placement.h"
#include "ui/widgets/WindowFonts.h"

namespace ostrane {
namespace {

constexpr QSize kOuterSize(310, 479);

}  // namespace

TFormLevel3::TFormLevel3(QWidget* parent) : QMainWindow(parent), FModel(new TListingModel(this)) {
  setObjectName("FormLevel3");
  setWindowTitle("View Level 3 and 4 Sub Periods:");
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setFont(DialogFont());

  ListBoxLevel3 = new QListView(this);
  ListBoxLevel3->setObjectName("ListBoxLevel3");
  ListBoxLevel3->setModel(FModel);
  ListBoxLevel3->setFont(ListFont());
  LabelLevel3Period = new QLabel(this);
  LabelLevel3Period->setObjectName("LabelLevel3Period");
  LabelLevel3Period->setWordWrap(true);
  LabelLevel3Period->hide();
  LabelLevel3Stale = new QLabel(
      "From an earlier listing: the main list no longer has this period. Double-click a line of "
      "the main list to list its level 3 and 4 periods.",
      this);
  LabelLevel3Stale->setObjectName("LabelLevel3Stale");
  LabelLevel3Stale->setWordWrap(true);
  LabelLevel3Stale->setStyleSheet("color: #b3261e; font-weight: bold;");
  LabelLevel3Stale->hide();
  for (QLabel* label : {LabelLevel3Period, LabelLevel3Stale}) label->setContentsMargins(4, 2, 4, 2);
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(LabelLevel3Period);
  layout->addWidget(LabelLevel3Stale);
  layout->addWidget(ListBoxLevel3, 1);
  setCentralWidget(central);

  QMenu* file = menuBar()->addMenu("&File");
  file->setObjectName("File1");
  Print1 = file->addAction("&Print ...", this, &TFormLevel3::Print1Click);
  Print1->setObjectName("Print1");
  QAction* saveAsPdf =
      file->addAction("Save as P&DF ...", this, [this] { SaveListBoxAsPdf(this, ListBoxLevel3); });
  saveAsPdf->setObjectName("SaveAsPdf1");
  file->addSeparator();
  Exit1 = file->addAction("E&xit", this, &TFormLevel3::Exit1Click);
  Exit1->setObjectName("Exit1");

  PrintDialog1 = new QPrintDialog(this);
  PrintDialog1->setObjectName("PrintDialog1");

  resize(kOuterSize);
}

void TFormLevel3::ShowListing() {
  show();
  raise();
  activateWindow();
}

void TFormLevel3::WidenBy(int pixels) {
  FExtraWidth = pixels;
  resize(kOuterSize + QSize(FExtraWidth, 0));
}

void TFormLevel3::SetPeriodCaption(const QString& caption) {
  FStale = false;
  LabelLevel3Stale->hide();
  LabelLevel3Period->setText(caption);
  LabelLevel3Period->setVisible(!caption.isEmpty());
}

void TFormLevel3::MarkStale() {
  FStale = true;
  FModel->ClearInForce();
  LabelLevel3Stale->show();
  ListBoxLevel3->viewport()->update();
}

void TFormLevel3::Print1Click() {
  PrintListBox(this, PrintDialog1, ListBoxLevel3);
}

void TFormLevel3::Exit1Click() {
  close();
}

void TFormLevel3::FormClose() {
  FModel->Clear();
  SetPeriodCaption(QString());
}

void TFormLevel3::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

void TFormLevel3::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (FPlaced) return;
  FPlaced = true;
  CentreOnScreen(this);
  // The frame is known once the window system has decorated the window.
  QTimer::singleShot(0, this, [this] {
    FitOuterSize(this, kOuterSize + QSize(FExtraWidth, 0));
    CentreOnScreen(this);
  });
}

}  // namespace ostrane
