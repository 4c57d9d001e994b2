// The level 3/4 window: the level 3 and 4 periods of one line of the main
// listing.  Created hidden at start-up and kept until the program ends; a
// listing fills and shows it, closing it empties and hides it.
#pragma once

#include <QMainWindow>

class QAction;
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

  // The rows of the level 3/4 listing shown (Model()).
  QListView* ListBoxLevel3;
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
  int FExtraWidth = 0;
};

}  // namespace ostrane
