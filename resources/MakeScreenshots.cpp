// Draws the README's and the software centre's screenshots with the program's
// own windows, offscreen:
//   QT_QPA_PLATFORM=offscreen ostrane-make-screenshots DIR
// writes DIR/main.png (the main window with a listing and its marks),
// DIR/chart.png (the chart of the birth place) and DIR/timeline.png.  The
// chart is made up: a birth in Amsterdam on 14 March 1987 at 08:30, released
// from the Lot of Spirit; the marks and the timeline's line stand at the
// moment the pictures are made.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "chart/BuiltInPlaces.h"
#include "ui/main/Level3F.h"
#include "ui/main/ZodiacF.h"
#include "ui/timeline/TimelineF.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/SpinEdit.h"

namespace {

using namespace ostrane;

template <class T>
T* Widget(const QObject* root, const char* name) {
  T* found = root->findChild<T*>(QString::fromLatin1(name));
  if (!found) {
    std::fprintf(stderr, "ostrane-make-screenshots: no %s in the window\n", name);
    std::exit(1);
  }
  return found;
}

bool Save(QWidget* window, const QString& file) {
  QApplication::processEvents();
  const bool saved = window->grab().toImage().save(file, "PNG");
  if (!saved) std::fprintf(stderr, "ostrane-make-screenshots: cannot write %s\n", qPrintable(file));
  return saved;
}

void EnterChart(TFormZodiac& form) {
  Widget<QLineEdit>(&form, "EditName")->setText("Example chart");
  Widget<QComboBox>(&form, "ComboBoxMonth")->setCurrentIndex(2);
  Widget<TSpinEdit>(&form, "SpinEditDay")->SetValue(14);
  Widget<TSpinEdit>(&form, "SpinEditYear")->SetValue(1987);
  Widget<QLineEdit>(&form, "EditTime")->setText("08:30:00");
  Widget<TRadioGroup>(&form, "RGOstraneType")->SetItemIndex(0);
  Widget<TSpinEdit>(&form, "SpinEditNumMajPeriods")->SetValue(4);
  Widget<TRadioGroup>(&form, "RGLooseBondType")->SetItemIndex(1);
  Widget<TRadioGroup>(&form, "RGDateStyle")->SetItemIndex(2);
  TBirthPlace place;
  if (const TPlace* amsterdam = BuiltInPlaces().BestMatch("Amsterdam, NL"))
    SetBirthPlace(place, *amsterdam);
  form.SetPlace(place);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: ostrane-make-screenshots DIR\n");
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(dir)) {
    std::fprintf(stderr, "ostrane-make-screenshots: cannot make the folder %s\n", argv[1]);
    return 1;
  }

  // In an empty folder, so that no default settings are restored at start,
  // and without the window sizes the user's runs left.
  const QString folder = QDir(dir).absolutePath();
  QTemporaryDir empty;
  if (!empty.isValid() || !QDir::setCurrent(empty.path())) {
    std::fprintf(stderr, "ostrane-make-screenshots: cannot make a temporary folder\n");
    return 1;
  }
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, empty.path());
  TFormZodiac form;
  TFormLevel3 level3;
  form.SetLevel3Window(&level3);
  form.resize(1100, 720);
  form.show();
  EnterChart(form);

  Widget<QAction>(&form, "Chart1")->trigger();
  QWidget* chart = Widget<QWidget>(&form, "ChartPanel");
  Widget<QPushButton>(chart, "BtnReleaseSpirit")->click();
  // The window lists its settings when it opens; the chart is listed anew.
  Widget<QPushButton>(&form, "BtnClearList")->click();
  Widget<QPushButton>(&form, "BtnCalculateOstrane")->click();

  Widget<QAction>(&form, "Timeline1")->trigger();
  QWidget* timeline = Widget<TFormTimeline>(&form, "FormTimeline");
  timeline->resize(1200, 430);

  const bool saved = Save(&form, folder + "/main.png") && Save(chart, folder + "/chart.png") &&
                     Save(timeline, folder + "/timeline.png");
  return saved ? 0 : 1;
}
