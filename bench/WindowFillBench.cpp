// How long the main window takes to show a listing: the 200-period Valens
// listing from Capricorn (2514 lines) written into the real window, shown
// offscreen, until the pending events (the layout and the paint) are done.
//   ./ostrane_window_bench --benchmark_repetitions=9
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

#include <benchmark/benchmark.h>

#include "ui/main/BirthDataPanel.h"
#include "ui/main/Level3F.h"
#include "ui/main/ZodiacF.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/SpinEdit.h"

namespace {

using namespace ostrane;

// The main window and its level 3/4 window as the program makes them, with
// the listing's settings entered and a clock inside the listing (so that
// lines are marked in force), shown offscreen.
class TWindows {
 public:
  TWindows() {
    QDir::setCurrent(FDirectory.path());  // no options file is read
    FForm = std::make_unique<TFormZodiac>();
    FLevel3 = std::make_unique<TFormLevel3>();
    FForm->SetLevel3Window(FLevel3.get());
    FForm->SetClock([] { return QDateTime(QDate(2026, 12, 9), QTime(12, 0)); });
    FForm->BirthData()->EditName()->setText("Benchmark");
    FForm->BirthData()->ComboBoxMonth()->setCurrentIndex(0);
    FForm->BirthData()->SpinEditDay()->SetValue(1);
    FForm->BirthData()->SpinEditYear()->SetValue(2000);
    FForm->BirthData()->EditTime()->setText("12:00:00");
    FForm->BirthData()->ComboBoxStartSign()->setCurrentIndex(9);  // Capricorn
    FForm->BirthData()->RGOstraneType()->SetItemIndex(ToItemIndex(TReleasingType::Valens));
    FForm->BirthData()->SpinEditNumMajPeriods()->SetValue(200);
    FForm->show();
    QApplication::processEvents();
  }

  TFormZodiac& Form() { return *FForm; }
  int Lines() const { return FForm->findChild<TListBox*>("ListBoxOstrane")->count(); }

 private:
  QTemporaryDir FDirectory;
  std::unique_ptr<TFormZodiac> FForm;
  std::unique_ptr<TFormLevel3> FLevel3;
};

// Made at the first benchmark, gone before the application.
std::unique_ptr<TWindows> gWindows;

TWindows& Windows() {
  if (!gWindows) gWindows = std::make_unique<TWindows>();
  return *gWindows;
}

// "List Periods" into a cleared window.
void WindowFill200Periods(benchmark::State& state) {
  TFormZodiac& form = Windows().Form();
  for (auto _ : state) {
    state.PauseTiming();
    form.BtnClearListClick();
    QApplication::processEvents();
    state.ResumeTiming();
    form.BtnCalculateOstraneClick();
    QApplication::processEvents();
  }
  state.counters["lines"] = Windows().Lines();
}
BENCHMARK(WindowFill200Periods)->Unit(benchmark::kMillisecond);

// "Clear List", then "List Periods" again, over a window that shows the
// listing.
void WindowClearAndRelist200Periods(benchmark::State& state) {
  TFormZodiac& form = Windows().Form();
  form.BtnCalculateOstraneClick();
  QApplication::processEvents();
  for (auto _ : state) {
    form.BtnClearListClick();
    QApplication::processEvents();
    form.BtnCalculateOstraneClick();
    QApplication::processEvents();
  }
  state.counters["lines"] = Windows().Lines();
}
BENCHMARK(WindowClearAndRelist200Periods)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QStandardPaths::setTestModeEnabled(true);
  QApplication application(argc, argv);
  ::benchmark::Initialize(&argc, argv);
  if (::benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  ::benchmark::RunSpecifiedBenchmarks();
  ::benchmark::Shutdown();
  gWindows.reset();
  return 0;
}
