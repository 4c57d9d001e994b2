// "Coming Changes": a window beside the main one listing the periods that
// begin next at every level, from now or from the moment Go to Date chose,
// in time order (TComingChangesModel).  The main window fills it whenever
// it lists again or a moment is chosen; the window only shows the rows and
// tells what is asked of it.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTableView;

namespace ostrane {

class TComingChangesModel;

class TFormComingChanges : public QWidget {
  Q_OBJECT
 public:
  // A window of its own, hidden until OpenBeside.
  explicit TFormComingChanges(QWidget* parent);

  TComingChangesModel& Model() const { return *FModel; }
  // The line above the table: where the changes are counted from.
  void SetFrom(const QString& text);
  // Shows and raises the window; the first time beside `main` when the
  // screen has room there.
  void OpenBeside(const QWidget* main);

  // Each named as its objectName.
  QLabel* LabelComingFrom;
  QTableView* TableComingChanges;
  // Under the table: shown when the listings end before the rows asked for.
  QLabel* LabelComingEnd;
  QPushButton* BtnComingMore;

 signals:
  // "More" clicked: more rows are wanted.
  void MoreAsked();
  // A row double-clicked: its row.
  void ChangeChosen(int row);

 private:
  void ShowEnd();

  TComingChangesModel* FModel;
  bool FPlaced = false;
};

}  // namespace ostrane
