// What the window tests share: one offscreen QApplication for the program,
// a temporary current directory per test, a pinned locale, objectName
// look-ups that fail the test when a widget is missing, and the interception
// of modal dialogs so that no test blocks on one.
#pragma once

#include <QLocale>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ui/main/Level3F.h"
#include "ui/main/ZodiacF.h"
#include "ui/widgets/ErrorBox.h"

class QAbstractItemView;
class QRect;
class QVariant;

namespace ostrane::uitest {

struct MissingWidget : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The child of `root` named `name`; a missing child fails the test.
template <class T>
T* Find(const QObject* root, const char* name) {
  T* child = root->findChild<T*>(QString::fromUtf8(name));
  if (!child) {
    ADD_FAILURE() << "no " << T::staticMetaObject.className() << " named " << name << " in "
                  << root->objectName().toStdString();
    throw MissingWidget(name);
  }
  return child;
}

// Sets the default locale (QLocale and LC_ALL) for its lifetime.
class LocaleScope {
 public:
  explicit LocaleScope(const char* name);
  ~LocaleScope();

 private:
  QLocale FPrevious;
};

// One modal dialog as it was run.
struct DialogRecord {
  QString ClassName;
  QString Title;
  QString Text;              // message boxes only
  QString Details;           // message boxes only: the text under "Show Details..."
  QMessageBox::Icon Icon{};  // message boxes only
  QMessageBox::StandardButtons Buttons{};
};

// Replaces the modal runner for its lifetime: every dialog is recorded and
// answered by `answer` (rejected when none is given).
class DialogInterceptor {
 public:
  explicit DialogInterceptor(std::function<int(QDialog&)> answer = {});
  ~DialogInterceptor();
  std::vector<DialogRecord> Dialogs;

 private:
  TModalRunner FPrevious;
};

// The lines of a list widget.
std::vector<std::string> Lines(const QAbstractItemView* list);
// The rows of a list view: their number, and a row's text, data of `role`
// and rectangle in the viewport.
int RowCount(const QAbstractItemView* list);
QString RowText(const QAbstractItemView* list, int row);
QVariant RowData(const QAbstractItemView* list, int row, int role);
QRect RowRect(const QAbstractItemView* list, int row);

// A main window and a level 3/4 window as the program creates them, in a
// fresh temporary current directory, with the "C" locale.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

 public:
  // Creates the windows; a test that needs the options file first writes it.
  void CreateWindows();
  // Shows the main window and waits until it is exposed and active.
  void ShowMainWindow();

  // Enters the birth data of the worked examples: "Time Lords",
  // 1 January 2000, 12:00:00, Aries, Valens, two general periods,
  // American dates, long names, loose bond always.
  void EnterWorkedExample();

  template <class T>
  T* W(const char* name) const {
    return Find<T>(Form.get(), name);
  }

  std::unique_ptr<QTemporaryDir> Directory;
  QString PreviousDirectory;
  std::unique_ptr<LocaleScope> Locale;
  // Fails the test on a dialog that no interceptor of the test expects.
  std::unique_ptr<DialogInterceptor> Unexpected;
  std::unique_ptr<TFormZodiac> Form;
  std::unique_ptr<TFormLevel3> Level3;
};

}  // namespace ostrane::uitest
