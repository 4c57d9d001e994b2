#include "ui/dialogs/ComingChanges.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/dialogs/ComingChangesModel.h"
#include "ui/widgets/WindowFonts.h"

namespace ostrane {

TFormComingChanges::TFormComingChanges(QWidget* parent)
    : QWidget(parent, Qt::Window), FModel(new TComingChangesModel(this)) {
  setObjectName("ComingChangesF");
  setWindowTitle("Coming Changes");
  setFont(DialogFont());

  LabelComingFrom = new QLabel(this);
  LabelComingFrom->setObjectName("LabelComingFrom");
  LabelComingFrom->setWordWrap(true);
  TableComingChanges = new QTableView(this);
  TableComingChanges->setObjectName("TableComingChanges");
  TableComingChanges->setModel(FModel);
  TableComingChanges->setFont(ListFont());
  TableComingChanges->setSelectionBehavior(QAbstractItemView::SelectRows);
  TableComingChanges->setSelectionMode(QAbstractItemView::SingleSelection);
  TableComingChanges->setEditTriggers(QAbstractItemView::NoEditTriggers);
  TableComingChanges->verticalHeader()->hide();
  TableComingChanges->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  TableComingChanges->horizontalHeader()->setStretchLastSection(true);
  TableComingChanges->setToolTip("Double-click a sub period to select its line in the main list.");
  LabelComingEnd = new QLabel("The listing ends here: list more general periods for more.", this);
  LabelComingEnd->setObjectName("LabelComingEnd");
  LabelComingEnd->hide();
  BtnComingMore = new QPushButton("&More", this);
  BtnComingMore->setObjectName("BtnComingMore");
  BtnComingMore->setToolTip("Lists more of the changes to come.");

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(LabelComingEnd, 1);
  buttons->addStretch();
  buttons->addWidget(BtnComingMore);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LabelComingFrom);
  layout->addWidget(TableComingChanges, 1);
  layout->addLayout(buttons);

  connect(BtnComingMore, &QPushButton::clicked, this, &TFormComingChanges::MoreAsked);
  connect(TableComingChanges, &QTableView::doubleClicked, this,
          [this](const QModelIndex& index) { emit ChangeChosen(index.row()); });
  connect(FModel, &QAbstractItemModel::modelReset, this, &TFormComingChanges::ShowEnd);
  resize(560, 560);
}

void TFormComingChanges::SetFrom(const QString& text) {
  LabelComingFrom->setText(text);
}

void TFormComingChanges::ShowEnd() {
  const bool ended = FModel->rowCount() > 0 && FModel->Changes().ListingEnded;
  LabelComingEnd->setVisible(ended);
  BtnComingMore->setEnabled(FModel->rowCount() > 0 && !ended);
}

void TFormComingChanges::OpenBeside(const QWidget* main) {
  if (!FPlaced && main != nullptr) {
    // Right of the main window when the screen has room there, else left
    // of it, else at the screen's edge on the side with more room.
    FPlaced = true;
    const QRect form = main->frameGeometry();
    QRect area(form.topRight(), size());
    if (const QScreen* screen = main->screen()) area = screen->availableGeometry();
    const int width = frameGeometry().width(), gap = 8;
    const int right = form.right() + gap, left = form.left() - gap - width;
    int x = right;
    if (right + width > area.right() + 1)
      x = left >= area.left()                                        ? left
          : area.right() - form.right() >= form.left() - area.left() ? area.right() + 1 - width
                                                                     : area.left();
    move(x, form.top());
  }
  show();
  raise();
  activateWindow();
}

}  // namespace ostrane
