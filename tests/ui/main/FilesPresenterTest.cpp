// The files presenter on its own, with a birth-data panel and no main
// window: what a restored options file tells the window by its signals, in
// their order, and that a refused file or a bad line tells it nothing.
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>
#include <string>
#include <vector>

#include "tests/support/FileTestSupport.h"
#include "tests/support/UiTestSupport.h"
#include "ui/main/BirthDataPanel.h"
#include "ui/main/FilesPresenter.h"
#include "ui/widgets/SpinEdit.h"

namespace ostrane::uitest {
namespace {

using FilesPresenter = WindowTest;

const std::vector<std::string> kFixed = {"Chart", "2", "14", "1990", "13:45:10", "2447966.07303",
                                         "7",     "0", "3",  "2",    "1",        "1"};

std::vector<std::string> With(std::vector<std::string> lines, std::size_t at, std::string text) {
  lines[at] = std::move(text);
  return lines;
}

std::vector<std::string> Plus(std::vector<std::string> lines, std::vector<std::string> more) {
  lines.insert(lines.end(), more.begin(), more.end());
  return lines;
}

TEST_F(FilesPresenter, TellsTheAngleChoiceThePlaceAndTheEndOfARestoreInOrder) {
  struct Case {
    const char* name;
    std::vector<std::string> file;
    std::vector<std::string> told;  // the signals in order
    const char* error;              // the error box's text, or none
    const char* nameShown;          // the name field afterwards
    int fortune;                    // the Fortune sign afterwards
  };
  const Case cases[] = {
      {"the fixed lines only",
       kFixed,
       {"angles fortune", "place ''", "restored"},
       nullptr,
       "Chart",
       -1},
      {"the key=value lines",
       Plus(kFixed, {"fortune=5", "angles-from=start", "place=Delphi"}),
       {"angles start", "place 'Delphi'", "restored"},
       nullptr,
       "Chart",
       5},
      {"a bad number line stops after the earlier lines",
       With(kFixed, 2, "x"),
       {},
       "'x' is not a valid integer value.",
       "Chart",
       3},
      {"a bad key=value line refuses the whole file",
       Plus(kFixed, {"angles-from=sideways"}),
       {},
       nullptr,
       "Before",
       3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QWidget window;
    auto* panel = new TBirthDataPanel(&window);
    TFilesPresenter files(&window, panel, [panel] { return panel->ReadSettings(); });
    std::vector<std::string> told;
    QObject::connect(&files, &TFilesPresenter::AnglesFromRead, [&told](TAnglesFrom from) {
      told.push_back(from == TAnglesFrom::StartSign ? "angles start" : "angles fortune");
    });
    QObject::connect(&files, &TFilesPresenter::PlaceRead, [&told](const TBirthPlace& place) {
      told.push_back("place '" + place.Name + "'");
    });
    QObject::connect(&files, &TFilesPresenter::Restored, [&told] { told.push_back("restored"); });
    panel->EditName()->setText("Before");
    panel->SpinEditDay()->SetValue(20);
    panel->SetFortuneSign(3);
    WriteBytes("OptionsFile.txt", CrLf(c.file));

    DialogInterceptor boxes;
    files.RestoreOptions();

    EXPECT_EQ(told, c.told);
    EXPECT_EQ(panel->EditName()->text().toStdString(), c.nameShown);
    EXPECT_EQ(panel->FortuneSign(), c.fortune);
    if (c.told.empty()) {
      ASSERT_EQ(boxes.Dialogs.size(), 1u);
      if (c.error) {
        EXPECT_EQ(boxes.Dialogs[0].Text.toStdString(), c.error);
      }
      EXPECT_EQ(panel->SpinEditDay()->Value(), 20) << "the bad line and later ones keep theirs";
    } else {
      EXPECT_TRUE(boxes.Dialogs.empty());
      EXPECT_EQ(panel->SpinEditDay()->Value(), 14);
    }
  }
}

}  // namespace
}  // namespace ostrane::uitest
