#include "tests/support/UiTestSupport.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <clocale>

#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/SpinEdit.h"

namespace ostrane::uitest {
namespace {

class GuiEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "C");
    QStandardPaths::setTestModeEnabled(true);
    FApplication = std::make_unique<QApplication>(FArgc, FArgv);
    QApplication::setApplicationName(kApplicationTitle);
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale::c());
  }
  void TearDown() override { FApplication.reset(); }

 private:
  int FArgc = 1;
  char FName[16] = "ui-window-tests";
  char* FArgv[2] = {FName, nullptr};
  std::unique_ptr<QApplication> FApplication;
};

::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

}  // namespace

LocaleScope::LocaleScope(const char* name) : FPrevious(QLocale()) {
  QLocale::setDefault(QLocale(QString::fromUtf8(name)));
}

LocaleScope::~LocaleScope() {
  QLocale::setDefault(FPrevious);
}

DialogInterceptor::DialogInterceptor(std::function<int(QDialog&)> answer) {
  FPrevious = SetModalRunner([this, answer](QDialog& dialog) {
    DialogRecord record;
    record.ClassName = QString::fromUtf8(dialog.metaObject()->className());
    record.Title = dialog.windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
      record.Text = box->text();
      record.Details = box->detailedText();
      record.Icon = box->icon();
      record.Buttons = box->standardButtons();
    }
    Dialogs.push_back(record);
    if (answer) return answer(dialog);
    dialog.reject();
    return dialog.result();
  });
}

DialogInterceptor::~DialogInterceptor() {
  SetModalRunner(FPrevious);
}

std::vector<std::string> Lines(const QAbstractItemView* list) {
  std::vector<std::string> lines;
  for (int i = 0; i < RowCount(list); ++i) lines.push_back(RowText(list, i).toStdString());
  return lines;
}

int RowCount(const QAbstractItemView* list) {
  return list->model() ? list->model()->rowCount() : 0;
}

QString RowText(const QAbstractItemView* list, int row) {
  return RowData(list, row, Qt::DisplayRole).toString();
}

QVariant RowData(const QAbstractItemView* list, int row, int role) {
  return list->model()->index(row, 0).data(role);
}

QRect RowRect(const QAbstractItemView* list, int row) {
  return list->visualRect(list->model()->index(row, 0));
}

void WindowTest::SetUp() {
  Locale = std::make_unique<LocaleScope>("C");
  Unexpected = std::make_unique<DialogInterceptor>([](QDialog& dialog) {
    ADD_FAILURE() << "unexpected dialog " << dialog.metaObject()->className() << " \""
                  << dialog.windowTitle().toStdString() << "\"";
    dialog.reject();
    return dialog.result();
  });
  PreviousDirectory = QDir::currentPath();
  Directory = std::make_unique<QTemporaryDir>();
  ASSERT_TRUE(Directory->isValid());
  QDir::setCurrent(Directory->path());
  // The remembered window sizes: none from an earlier test.
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Directory->path());
}

void WindowTest::TearDown() {
  Form.reset();
  Level3.reset();
  QDir::setCurrent(PreviousDirectory);
  Directory.reset();
  Unexpected.reset();
  Locale.reset();
}

void WindowTest::CreateWindows() {
  Form = std::make_unique<TFormZodiac>();
  Level3 = std::make_unique<TFormLevel3>();
  Form->SetLevel3Window(Level3.get());
}

void WindowTest::ShowMainWindow() {
  Form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
  Form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
}

void WindowTest::EnterWorkedExample() {
  W<QLineEdit>("EditName")->setText("Time Lords");
  W<QComboBox>("ComboBoxMonth")->setCurrentIndex(0);
  W<TSpinEdit>("SpinEditDay")->SetValue(1);
  W<TSpinEdit>("SpinEditYear")->SetValue(2000);
  W<QLineEdit>("EditTime")->setText("12:00:00");
  W<QComboBox>("ComboBoxStartSign")->setCurrentIndex(0);
  W<TRadioGroup>("RGOstraneType")->SetItemIndex(2);
  W<TSpinEdit>("SpinEditNumMajPeriods")->SetValue(2);
  W<TRadioGroup>("RGLooseBondType")->SetItemIndex(1);
}

}  // namespace ostrane::uitest
