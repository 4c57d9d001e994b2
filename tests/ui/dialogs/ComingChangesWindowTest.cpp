// View > Coming Changes and the other lot's release: the window follows the
// main listing and Go to Date, "More" fetches more rows, a double-clicked
// sub period selects its line in the main list; with a place both lots are
// read, and the other lot is released in one action.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "core/Chronocrators.h"
#include "tests/support/UiTestSupport.h"
#include "ui/dialogs/ComingChanges.h"
#include "ui/dialogs/ComingChangesModel.h"
#include "ui/dialogs/GoToDate.h"
#include "ui/main/BirthDataPanel.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/SpinEdit.h"

namespace ostrane::uitest {
namespace {

class ComingChangesWindow : public WindowTest {
 public:
  void List(const QDateTime& now) {
    CreateWindows();
    Form->SetClock([now] { return now; });
    EnterWorkedExample();
    W<QPushButton>("BtnCalculateOstrane")->click();
  }
  TFormComingChanges* Open() {
    W<QAction>("ActionComingChanges")->trigger();
    TFormComingChanges* coming = Form->ComingChangesWindow();
    EXPECT_TRUE(coming && coming->isVisible());
    return coming;
  }
};

TEST_F(ComingChangesWindow, FollowsTheListingAndSelectsASubPeriod) {
  List(QDateTime(QDate(2001, 6, 1), QTime(12, 0)));
  TFormComingChanges* coming = Open();
  ASSERT_TRUE(coming);
  EXPECT_EQ(coming->objectName().toStdString(), "ComingChangesF");
  TComingChangesModel& model = coming->Model();
  auto* table = Find<QTableView>(coming, "TableComingChanges");
  EXPECT_EQ(model.rowCount(), kComingRows);
  EXPECT_EQ(model.columnCount(), TComingChangesModel::kLotColumn) << "no place, no lot column";
  // The first change comes when the level 4 period in force ends.
  EXPECT_EQ(model.Change(0).Period.Start, Form->InForce().Periods[3].End);

  Find<QPushButton>(coming, "BtnComingMore")->click();
  EXPECT_EQ(model.rowCount(), 2 * kComingRows);

  // Go to Date moves the rows to the moment chosen.
  DialogInterceptor dialogs([](QDialog& dialog) {
    auto* go = dynamic_cast<TGoToDateDialog*>(&dialog);
    if (go == nullptr) return dialog.result();
    go->SpinEditGoYear->SetValue(2010);
    go->accept();
    return go->result();
  });
  W<QAction>("GoToDate1")->trigger();
  EXPECT_EQ(model.rowCount(), 2 * kComingRows);
  EXPECT_EQ(model.Change(0).Period.Start, Form->InForce().Periods[3].End) << "June 2010";
  EXPECT_GT(model.Change(0).Period.Start, 2451545.0 + 365.25 * 10.0);
  EXPECT_NE(Find<QLabel>(coming, "LabelComingFrom")->text().indexOf("Go to Date"), -1);

  // A double-clicked sub period selects its line in the main list.
  int sub = -1;
  for (int row = 0; row < model.rowCount() && sub < 0; ++row)
    if (model.Change(row).Period.Level == 2) sub = row;
  ASSERT_GE(sub, 0);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(coming));
  table->scrollTo(model.index(sub, 0));
  // As the window system sends a double click: a press, the double click
  // and a release.
  const QPoint at = table->visualRect(model.index(sub, 0)).center();
  QTest::mousePress(table->viewport(), Qt::LeftButton, {}, at);
  QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(at),
                    table->viewport()->mapToGlobal(QPointF(at)), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(table->viewport(), &twice);
  QTest::mouseRelease(table->viewport(), Qt::LeftButton, {}, at);
  EXPECT_EQ(W<TListBox>("ListBoxOstrane")->ItemIndex(),
            model.Change(sub).Period.Entry + kHeaderLines);

  W<QPushButton>("BtnClearList")->click();
  EXPECT_EQ(model.rowCount(), 0) << "nothing listed";
}

// With a place the line under the list and the window read both lots, the
// shown one first; one action releases from the other lot and lists.
TEST_F(ComingChangesWindow, WithAPlaceBothLotsAndTheOtherReleasedInOneAction) {
  List(QDateTime(QDate(2030, 1, 1), QTime(12, 0)));
  Form->BirthData()->SpinEditNumMajPeriods()->SetValue(6);  // for the lists below
  TBirthPlace amsterdam;
  amsterdam.Name = "Amsterdam, North Holland, NL";
  amsterdam.Latitude = 52.37403;
  amsterdam.Longitude = 4.88969;
  amsterdam.TimeZone = "Europe/Amsterdam";
  Form->SetPlace(amsterdam);
  ASSERT_NE(Form->Chart(), nullptr);
  const int fortune = Form->Chart()->FortuneSign, spirit = Form->Chart()->SpiritSign;
  ASSERT_NE(fortune, spirit);
  // A listing from neither lot's sign is read alone.
  int neither = 0;
  while (neither == fortune || neither == spirit) ++neither;
  Form->BirthData()->ComboBoxStartSign()->setCurrentIndex(neither);
  Form->BtnCalculateOstraneClick();
  EXPECT_EQ(Form->LotListingsShown().size(), 1u);
  auto* release = W<QAction>("ActionReleaseOtherLot");
  EXPECT_TRUE(release->isEnabled());
  EXPECT_EQ(release->text().toStdString(), "Release from &Fortune") << "the list shows neither";
  release->trigger();
  EXPECT_EQ(SignRow(Form->MainListing().Lines.front().Period.Counter), fortune) << "listed at once";
  EXPECT_EQ(release->text().toStdString(), "Release from &Spirit");
  ASSERT_EQ(Form->LotListingsShown().size(), 2u);
  const std::string line = W<QLabel>("LabelInForce")->text().toStdString();
  const auto fromFortune = line.find(": from Fortune, "), fromSpirit = line.find("; from Spirit, ");
  EXPECT_NE(fromFortune, std::string::npos) << line;
  EXPECT_GT(fromSpirit, fromFortune) << line;

  TComingChangesModel& model = Open()->Model();
  EXPECT_EQ(model.columnCount(), TComingChangesModel::kLotColumn + 1);
  bool both[2] = {false, false};
  for (int row = 0; row < model.rowCount(); ++row) both[model.Change(row).LotIndex] = true;
  EXPECT_TRUE(both[0] && both[1]) << "changes of both lots";

  release->trigger();
  EXPECT_EQ(SignRow(Form->MainListing().Lines.front().Period.Counter), spirit);
  EXPECT_EQ(release->text().toStdString(), "Release from &Fortune");
  ASSERT_GT(model.rowCount(), 0);
  for (int row = 0; row < model.rowCount(); ++row)
    EXPECT_EQ(model.LotOf(row), model.Change(row).LotIndex == 0 ? "Spirit" : "Fortune")
        << "the window followed, row " << row;
}

}  // namespace
}  // namespace ostrane::uitest
