// The birth place and the chart driven through the window: the Birth Place
// dialog with its completion, the chart panel and its releases, the
// daylight-saving question, the place in the files, and the window without
// a place.
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCompleter>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "tests/support/FileTestSupport.h"
#include "ui/dialogs/BirthPlaceDialog.h"
#include "ui/dialogs/ChartPanel.h"
#include "ui/main/BirthDataPanel.h"
#include "ui/widgets/ChartWheelView.h"
#include "ui/widgets/ListMarks.h"
#include "ui/widgets/SpinEdit.h"

namespace ostrane::uitest {
namespace {

// The lots as ostrane-list --year 1990 --month 5 --day 17 --time 14:30
// --place Amsterdam --lots gives them.
const char* const kAmsterdamFortune = "Gemini 10\u00B034\u2032";

TBirthPlace Amsterdam() {
  TBirthPlace place;
  place.Name = "Amsterdam, North Holland, NL";
  place.Latitude = 52.37403;
  place.Longitude = 4.88969;
  place.TimeZone = "Europe/Amsterdam";
  return place;
}

std::string Text(const QObject* root, const char* name) {
  if (auto* edit = root->findChild<QLineEdit*>(name)) return edit->text().toStdString();
  return Find<QLabel>(root, name)->text().toStdString();
}

class BirthPlace : public UserHomeTest {
 protected:
  void EnterBirth(int year, int month, int day, const char* time) {
    Form->BirthData()->ComboBoxMonth()->setCurrentIndex(month - 1);
    Form->BirthData()->SpinEditDay()->SetValue(day);
    Form->BirthData()->SpinEditYear()->SetValue(year);
    Form->BirthData()->EditTime()->setText(time);
  }

  // Opens the Birth Place dialog from the button and runs `fill` on it
  // while it is shown; the dialog's result.
  int InDialog(const std::function<void(TBirthPlaceDialog&)>& fill) {
    int result = -1;
    DialogInterceptor boxes([&](QDialog& dialog) {
      auto* place = qobject_cast<TBirthPlaceDialog*>(&dialog);
      EXPECT_NE(place, nullptr) << dialog.metaObject()->className();
      if (!place) return 0;
      dialog.show();
      EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
      fill(*place);
      if (dialog.isVisible()) dialog.reject();
      return result = dialog.result();
    });
    W<QPushButton>("BtnBirthPlace")->click();
    EXPECT_EQ(boxes.Dialogs.size(), 1u);
    return result;
  }

  TChartPanel* Panel() const { return W<TChartPanel>("ChartPanel"); }
  std::string Value(const char* name) const { return Text(Panel(), name); }
  QPushButton* Release(const char* name) const { return Find<QPushButton>(Panel(), name); }
};

TEST_F(BirthPlace, SearchCompletesAsYouTypeAndChoosingFillsTheFields) {
  const struct {
    const char* typed;
    const char* first;  // the first completion, which Down and Return choose
    const char *latitude, *longitude, *zone;
  } cases[] = {
      {"amst", "Amsterdam, North Holland, NL", "52.37403", "4.88969", "Europe/Amsterdam"},
      {"SAO PAU", "São Paulo, BR", "-23.5475", "-46.63611", "America/Sao_Paulo"},
      {"springfield, il", "Springfield, Illinois, US", "39.80172", "-89.64371", "America/Chicago"},
  };
  CreateWindows();
  ShowMainWindow();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    const int result = InDialog([&](TBirthPlaceDialog& dialog) {
      auto* search = Find<QLineEdit>(&dialog, "EditPlaceSearch");
      search->setFocus();
      QTest::keyClicks(search, c.typed);
      const QAbstractItemModel* offered = dialog.PlaceCompleter()->completionModel();
      ASSERT_GT(offered->rowCount(), 0);
      EXPECT_LE(offered->rowCount(), 20);
      EXPECT_EQ(offered->index(0, 0).data().toString().toStdString(), c.first);
      QAbstractItemView* popup = dialog.PlaceCompleter()->popup();
      ASSERT_TRUE(popup->isVisible()) << "the completion list is open";
      QTest::keyClick(popup, Qt::Key_Down);
      QTest::keyClick(popup, Qt::Key_Return);
      EXPECT_EQ(search->text().toStdString(), c.first);
      EXPECT_EQ(Text(&dialog, "EditLatitude"), c.latitude);
      EXPECT_EQ(Text(&dialog, "EditLongitude"), c.longitude);
      EXPECT_EQ(Text(&dialog, "EditTimeZone"), c.zone);
      EXPECT_NE(Text(&dialog, "LabelZoneOffset"), "");
      Find<QPushButton>(&dialog, "BtnPlaceOk")->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    const TBirthPlace place = Form->ReadSettings().Place;
    EXPECT_EQ(place.Name + " " + place.TimeZone, std::string(c.first) + " " + c.zone);
    ASSERT_TRUE(place.Known());
    EXPECT_EQ(*place.Latitude, std::stod(c.latitude));
    EXPECT_EQ(*place.Longitude, std::stod(c.longitude));
  }
}

// The fields whose texts the files keep take no line breaks or other
// controls: pasted, each becomes a space.
TEST_F(BirthPlace, PastedControlCharactersBecomeSpaces) {
  const QString pasted = QString::fromUtf8("A\r\nfortune=3\x1b[2J\t\xE2\x80\xAE");
  const std::string kept = "A  fortune=3 [2J  ";
  CreateWindows();
  for (const char* name : {"EditName", "EditTime", "EditJD"}) {
    auto* edit = W<QLineEdit>(name);
    edit->clear();
    edit->insert(pasted);
    EXPECT_EQ(edit->text().toStdString(), kept) << name;
  }
  InDialog([&](TBirthPlaceDialog& dialog) {
    for (const char* name : {"EditPlaceSearch", "EditTimeZone"}) {
      auto* edit = Find<QLineEdit>(&dialog, name);
      edit->clear();
      edit->insert(pasted);
      EXPECT_EQ(edit->text().toStdString(), kept) << name;
    }
  });
}

TEST_F(BirthPlace, TypedFieldsAreCheckedBeforeOkCloses) {
  const struct {
    const char *latitude, *longitude, *zone, *offset;
    const char* error;  // a part of the message shown; empty when OK closes
  } cases[] = {
      // the messages themselves: PlaceFieldsTest
      {"52n22", "4e54", "Europe/Amsterdam", "", ""},
      {"-33.87", "151.21", "", "+10:00", ""},
      {"95", "4", "Europe/Amsterdam", "", "'95'"},
      {"52", "", "Europe/Amsterdam", "", "Give the longitude too."},
  };
  CreateWindows();
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.latitude) + " " + c.longitude + " " + c.zone + " " + c.offset);
    Form->SetPlace(TBirthPlace());
    std::string shown;
    bool closed = false;
    InDialog([&](TBirthPlaceDialog& dialog) {
      const char* const names[] = {"EditPlaceSearch", "EditLatitude", "EditLongitude",
                                   "EditTimeZone", "EditUtcOffset"};
      const char* const texts[] = {"Here", c.latitude, c.longitude, c.zone, c.offset};
      for (int i = 0; i < 5; ++i) Find<QLineEdit>(&dialog, names[i])->setText(texts[i]);
      Find<QPushButton>(&dialog, "BtnPlaceOk")->click();
      closed = !dialog.isVisible();
      auto* errors = Find<QLabel>(&dialog, "LabelPlaceErrors");
      if (errors->isVisible()) shown = errors->text().toStdString();
    });
    EXPECT_EQ(closed, !*c.error);
    EXPECT_NE(shown.find(c.error), std::string::npos) << shown;
    EXPECT_EQ(Form->Place().Known(), !*c.error) << "the place only after a good OK";
  }
}

TEST_F(BirthPlace, ClearRemovesThePlaceAndCancelKeepsIt) {
  CreateWindows();
  Form->SetPlace(Amsterdam());
  InDialog([](TBirthPlaceDialog& dialog) {
    Find<QLineEdit>(&dialog, "EditLatitude")->setText("10");
    Find<QPushButton>(&dialog, "BtnPlaceCancel")->click();
  });
  EXPECT_EQ(Form->Place().Latitude, Amsterdam().Latitude) << "cancelled";
  InDialog([](TBirthPlaceDialog& dialog) {
    EXPECT_EQ(Text(&dialog, "EditTimeZone"), "Europe/Amsterdam") << "the dialog shows the place";
    Find<QPushButton>(&dialog, "BtnPlaceClear")->click();
  });
  EXPECT_FALSE(Form->ReadSettings().Place.Known());
  EXPECT_TRUE(Form->ReadSettings().Place.Name.empty());
}

TEST_F(BirthPlace, ChartPanelShowsTheLotsAndReleasesFromThem) {
  CreateWindows();
  EnterBirth(1990, 5, 17, "14:30");
  Form->SetPlace(Amsterdam());
  EXPECT_EQ(Form->BirthData()->ComboBoxFortune()->currentIndex(), 3)
      << "Gemini, without opening the chart";
  W<QAction>("Chart1")->trigger();
  ASSERT_TRUE(Panel()->isVisible());
  EXPECT_EQ(Value("ChartFortune"), kAmsterdamFortune);
  EXPECT_EQ(Value("ChartSpirit"), "Sagittarius 17\u00B051\u2032");
  EXPECT_EQ(Value("ChartPlace"), "Amsterdam, North Holland, NL");
  EXPECT_EQ(Value("ChartCoordinates"), "52n22'27, 4e53'23");
  EXPECT_EQ(Value("ChartZone"), "Europe/Amsterdam, +02:00 CEST");
  EXPECT_EQ(Value("ChartSect").substr(0, 5), "Day (");
  EXPECT_FALSE(Find<QLabel>(Panel(), "LabelChartStatus")->isVisible());
  for (const auto& [button, startSign] :
       {std::pair{"BtnReleaseSpirit", 8}, {"BtnReleaseFortune", 2}}) {
    Form->BirthData()->ComboBoxStartSign()->setCurrentIndex(0);
    Form->BirthData()->ComboBoxFortune()->setCurrentIndex(0);
    Release(button)->click();
    EXPECT_EQ(Form->BirthData()->ComboBoxStartSign()->currentIndex(), startSign) << button;
    EXPECT_EQ(Form->BirthData()->ComboBoxFortune()->currentText().toStdString(), "Gemini")
        << button;
  }
  // A new time computes the chart again: two hours later the Ascendant has
  // moved on, and with it Fortune.
  EnterBirth(1990, 5, 17, "16:30");
  EXPECT_NE(Value("ChartFortune"), kAmsterdamFortune);
  EnterBirth(1990, 5, 17, "14:3x");
  EXPECT_TRUE(Find<QLabel>(Panel(), "LabelChartStatus")->isVisible()) << "a time that is none";
  EXPECT_EQ(Form->BirthData()->ComboBoxFortune()->currentIndex(), 0) << "no chart, Fortune unknown";
  EXPECT_FALSE(Release("BtnReleaseSpirit")->isEnabled());
}

// The variants' switches set the place's and compute the chart again (the
// Lahiri Fortune is the tropical one, Gemini 10°34′, less the ayanamsa,
// 23°43′ in 1990), a place read back shows its own, and any lot releases.
TEST_F(BirthPlace, TheChartWindowSwitchesVariantsAndReleasesFromEveryLot) {
  CreateWindows();
  EnterBirth(1990, 5, 17, "14:30");
  Form->SetPlace(Amsterdam());
  W<QAction>("Chart1")->trigger();
  auto* zodiac = Find<QComboBox>(Panel(), "ComboZodiac");
  EXPECT_EQ(zodiac->currentText().toStdString(), "Tropical");
  EXPECT_EQ(Value("ChartZodiac"), "Tropical");
  for (const char* row : {"ChartMercury", "ChartSaturn", "ChartEros", "ChartNemesis"})
    EXPECT_NE(Value(row).find("\u00B0"), std::string::npos) << row;
  EXPECT_TRUE(Find<TChartWheelView>(Panel(), "ChartWheel")->Chart().has_value());

  zodiac->setCurrentIndex(2);
  EXPECT_EQ(Form->Place().Variants.Zodiac, TZodiac::Lahiri);
  EXPECT_EQ(Value("ChartFortune"), "Taurus 16\u00B050\u2032");
  EXPECT_EQ(Form->BirthData()->ComboBoxFortune()->currentText().toStdString(), "Taurus");
  EXPECT_EQ(Value("ChartZodiac").substr(0, 31), "Sidereal, Lahiri (ayanamsa 23\u00B0")
      << Value("ChartZodiac");
  Find<QComboBox>(Panel(), "ComboLotFormula")->setCurrentIndex(1);
  EXPECT_EQ(Form->Place().Variants,
            (TChartVariants{TZodiac::Lahiri, TLotFormula::Day, TSectHorizon::Geometric}));

  TBirthPlace restored = Amsterdam();
  restored.Variants = {TZodiac::FaganBradley, TLotFormula::Sect, TSectHorizon::Visible};
  Form->SetPlace(restored);
  EXPECT_EQ(zodiac->currentText().toStdString(), "Fagan\u2013Bradley");
  EXPECT_EQ(Find<QComboBox>(Panel(), "ComboLotFormula")->currentIndex(), 0);
  EXPECT_EQ(Find<QComboBox>(Panel(), "ComboSectHorizon")->currentText().toStdString(),
            "Visible horizon (\u22120.833\u00B0)");
  EXPECT_EQ(Form->Place().Variants, restored.Variants) << "showing them sets nothing";
  EXPECT_EQ(Value("ChartVariants"),
            "Lots reversed by night; sect by the visible horizon (\u22120.833\u00B0)");

  // Each lot of the list releases from its sign, the one its item names.
  const TBirthChartResult chart = ComputeBirthChart(restored, *Form->BirthLocalJulianDay());
  ASSERT_TRUE(chart.Value);
  auto* from = Find<QComboBox>(Panel(), "ComboReleaseFrom");
  ASSERT_EQ(from->count(), kLotCount);
  QSignalSpy chosen(Panel(), &TChartPanel::StartSignChosen);
  for (TLot lot : kLots) {
    const int sign = chart.Value->Chart.LotSign(lot);
    const std::string name(LotName(lot));
    EXPECT_EQ(from->itemText(Index(lot)).toStdString(), name + " (" + LongSignNameOf(sign) + ")");
    Form->BirthData()->ComboBoxStartSign()->setCurrentIndex((sign + 5) % 12);
    emit from->activated(Index(lot));
    ASSERT_EQ(chosen.count(), Index(lot) + 1) << name;
    EXPECT_EQ(chosen.last().at(0).toInt(), sign) << name;
    EXPECT_EQ(Form->BirthData()->ComboBoxStartSign()->currentIndex(), sign) << name;
    // and lists from it at once.
    const QAbstractItemModel* list = Find<QListView>(Form.get(), "ListBoxOstrane")->model();
    ASSERT_GT(list->rowCount(), kHeaderLines) << name;
    EXPECT_EQ(list->index(kHeaderLines, 0).data(kPeriodCounterRole).toInt(), sign) << name;
  }

  // The wheel's export, and its failure in the error box.
  EXPECT_TRUE(Panel()->ExportWheelTo(InDocuments("wheel.svg")));
  EXPECT_GT(QFileInfo(InDocuments("wheel.svg")).size(), 1000);
  DialogInterceptor boxes;
  EXPECT_FALSE(Panel()->ExportWheelTo(InDocuments("wheel.txt")));
  ASSERT_EQ(boxes.Dialogs.size(), 1u);
  EXPECT_TRUE(boxes.Dialogs[0].Text.startsWith("Cannot save '"))
      << boxes.Dialogs[0].Text.toStdString();
}

// 2021-03-28 02:30 did not exist in Amsterdam; 2021-10-31 02:30 occurred
// twice.  Releasing or opening the chart asks which offset, once.
TEST_F(BirthPlace, AClockTimeInAGapOrOverlapIsAskedAbout) {
  const struct {
    const char* what;
    int day, month;
    const char* button;  // the answer; nullptr cancels
    TDstChoice dst;
    bool openChart;  // asked by opening the chart, not by a release
  } cases[] = {
      {"gap, later", 28, 3, "BtnDstLater", TDstChoice::Later, false},
      {"gap, earlier", 28, 3, "BtnDstEarlier", TDstChoice::Earlier, false},
      {"overlap, earlier", 31, 10, "BtnDstEarlier", TDstChoice::Earlier, false},
      {"gap, cancelled", 28, 3, nullptr, TDstChoice::Ask, false},
      {"gap, earlier, opening the chart", 28, 3, "BtnDstEarlier", TDstChoice::Earlier, true},
  };
  CreateWindows();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EnterBirth(2021, c.month, c.day, "02:30");
    Form->SetPlace(Amsterdam());
    EXPECT_TRUE(Panel()->Result().NeedsDstChoice);
    EXPECT_EQ(Form->BirthData()->ComboBoxFortune()->currentIndex(), 0)
        << "no chart yet, Fortune unknown";
    Form->BirthData()->ComboBoxStartSign()->setCurrentIndex(0);
    DialogInterceptor boxes([&](QDialog& dialog) {
      EXPECT_EQ(dialog.objectName().toStdString(), "DstChoiceBox");
      if (c.button)
        Find<QPushButton>(&dialog, c.button)->click();
      else
        dialog.reject();
      return dialog.result();
    });
    if (c.openChart) {
      W<QAction>("Chart1")->trigger();
      ASSERT_EQ(boxes.Dialogs.size(), 1u);
      EXPECT_EQ(Form->Place().Dst, c.dst);
      EXPECT_EQ(Value("ChartZone"), "Europe/Amsterdam, +01:00 CET");
      continue;
    }
    ASSERT_TRUE(Release("BtnReleaseSpirit")->isEnabled());
    Release("BtnReleaseSpirit")->click();
    ASSERT_EQ(boxes.Dialogs.size(), 1u);
    EXPECT_EQ(Form->ReadSettings().Place.Dst, c.dst) << "the answer is kept in the place";
    if (!c.button) {
      EXPECT_EQ(Form->BirthData()->ComboBoxStartSign()->currentIndex(), 0) << "nothing released";
      continue;
    }
    ASSERT_TRUE(Panel()->Result().Value.has_value());
    const TChart& chart = Panel()->Result().Value->Chart;
    EXPECT_EQ(Form->BirthData()->ComboBoxStartSign()->currentIndex(), chart.SpiritSign);
    EXPECT_EQ(Form->BirthData()->ComboBoxFortune()->currentIndex(), chart.FortuneSign + 1);
    const std::string warnings = Value("LabelChartWarnings");
    EXPECT_NE(warnings.find(c.dst == TDstChoice::Later ? "the later offset" : "the earlier offset"),
              std::string::npos)
        << warnings;
    Release("BtnReleaseFortune")->click();
    EXPECT_EQ(boxes.Dialogs.size(), 1u) << "answered once: the next release asks no more";
  }
}

TEST_F(BirthPlace, TheFilesKeepThePlace) {
  CreateWindows();
  const QString chart = InDocuments("Born in Amsterdam.txt");
  const QByteArray lines =
      CrLf({"Born in Amsterdam", "4", "17", "1990", "14:30", "", "0", "fortune=2",
            "place=Amsterdam, North Holland, NL", "latitude=52.37403", "longitude=4.88969",
            "time-zone=Europe/Amsterdam", "utc-offset=", "dst-choice=", "sect=", "zodiac=tropical",
            "lot-formula=sect", "sect-horizon=geometric"});
  WriteBytes(chart, QByteArray(lines).replace("fortune=2", "fortune=-1"));
  {
    DialogInterceptor boxes([&chart](QDialog& dialog) { return ConfirmFileDialog(dialog, chart); });
    W<QAction>("Open")->trigger();
    ASSERT_EQ(boxes.Dialogs.size(), 1u);
  }
  EXPECT_EQ(Form->Place().Name, "Amsterdam, North Holland, NL");
  EXPECT_EQ(Value("ChartFortune"), kAmsterdamFortune);
  EXPECT_EQ(Form->BirthData()->ComboBoxFortune()->currentIndex(), 3) << "Gemini";
  {
    DialogInterceptor save([&chart](QDialog& dialog) { return ConfirmFileDialog(dialog, chart); });
    ASSERT_TRUE(Form->SaveUserData());
  }
  EXPECT_EQ(ReadBytes(chart), lines) << "saved again, the place lines come back as they were";

  // The options file keeps the whole place, the answers included.
  TBirthPlace place = Amsterdam();
  place.Dst = TDstChoice::Later;
  place.Sect = TSect::Night;
  place.UtcOffsetSeconds = 3600;
  Form->SetPlace(place);
  DialogInterceptor boxes;  // "Default Settings Saved."
  W<QPushButton>("BtnSaveSettings")->click();
  Form->SetPlace(TBirthPlace());
  Form->MarkBirthDataSaved();  // no question before Restore Defaults
  W<QPushButton>("BtnRestoreDefaults")->click();
  const TBirthPlace restored = Form->ReadSettings().Place;
  EXPECT_EQ(restored.Name, place.Name);
  EXPECT_EQ(restored.Latitude, place.Latitude);
  EXPECT_EQ(restored.UtcOffsetSeconds, place.UtcOffsetSeconds);
  EXPECT_EQ(restored.Dst, TDstChoice::Later);
  EXPECT_EQ(restored.Sect, TSect::Night);
}

TEST_F(BirthPlace, WithoutAPlaceTheWindowWorksAsBefore) {
  CreateWindows();
  EnterWorkedExample();
  Form->BirthData()->ComboBoxFortune()->setCurrentIndex(5);
  W<QAction>("Chart1")->trigger();
  EXPECT_EQ(Value("LabelChartStatus"), "No birth place: enter one to compute the chart.");
  EXPECT_FALSE(Release("BtnReleaseFortune")->isEnabled());
  EXPECT_FALSE(Release("BtnReleaseSpirit")->isEnabled());
  EXPECT_FALSE(Find<QLabel>(Panel(), "ChartFortune")->isVisible());
  EnterBirth(1990, 5, 17, "14:30");
  EXPECT_EQ(Form->BirthData()->ComboBoxFortune()->currentIndex(), 5)
      << "no chart, Fortune left alone";
  EXPECT_FALSE(Form->ReadSettings().Place.Known());

  const QString chart = InDocuments("No place.txt");
  DialogInterceptor boxes([&chart](QDialog& dialog) { return ConfirmFileDialog(dialog, chart); });
  ASSERT_TRUE(Form->SaveUserDataAs());
  EXPECT_EQ(
      ReadBytes(chart).toStdString(),
      "Time Lords\r\n4\r\n17\r\n1990\r\n14:30\r\n" +
          Form->BirthData()->EditJD()->text().toStdString() +
          "\r\n0\r\nfortune=4\r\nzodiac=tropical\r\nlot-formula=sect\r\nsect-horizon=geometric\r\n")
      << "no place lines";
}

}  // namespace
}  // namespace ostrane::uitest
