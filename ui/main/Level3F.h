// The level 3/4 window: the level 3 and 4 periods of one line of the main
// listing.  Created hidden at start-up and kept until the program ends; a
// listing fills and shows it, closing it empties and hides it.  A label
// above the list names the period it subdivides; when the main listing
// changes and no longer has that period, a second label says that the list
// belongs to an earlier listing, and its in-force marks are cleared.
#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QListView;
class QPrintDialog;

namespace ostrane {

class TListingModel;

class TFormLevel3 : public QMainWindow {
  Q_OBJECT
 public:
  explicit TFormLevel3(QWidget* parent = nullptr);

  // Shows the window, modeless; a visible window comes to the front.
  void ShowListing();
  // Makes the window `pixels` wider than as created, room for a margin its
  // list draws in front of the lines.  Before the window is first shown.
  void WidenBy(int pixels);
  // The level 3/4 listing the list shows.
  TListingModel& Model() const { return *FModel; }
  // The period the list subdivides, in words (Level34PeriodCaption); empty
  // text hides the label.  Also takes back MarkStale.
  void SetPeriodCaption(const QString& caption);
  // Says that the list belongs to an earlier listing and clears its
  // in-force marks.
  void MarkStale();
  bool Stale() const { return FStale; }

  // The rows of the level 3/4 listing shown (Model()).
  QListView* ListBoxLevel3;
  // Above the list: the period it subdivides; under it, while the main
  // listing no longer has that period, that it belongs to an earlier one.
  QLabel* LabelLevel3Period;
  QLabel* LabelLevel3Stale;
  QAction* Print1;
  QAction* Exit1;
  QPrintDialog* PrintDialog1;

 public slots:
  void Print1Click();
  // Closes the window, so that FormClose runs.
  void Exit1Click();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Empties the list; the window is then hidden, not destroyed.
  void FormClose();

  TListingModel* FModel;
  bool FPlaced = false;
  bool FStale = false;
  int FExtraWidth = 0;
};

}  // namespace ostrane
