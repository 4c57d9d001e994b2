#include "tests/support/FileTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "ui/main/BirthDataPanel.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/SpinEdit.h"

namespace ostrane::uitest {

QByteArray CrLf(const std::vector<std::string>& lines) {
  QByteArray bytes;
  for (const std::string& line : lines)
    bytes.append(line.data(), static_cast<qsizetype>(line.size())).append("\r\n");
  return bytes;
}

void WriteBytes(const QString& fileName, const QByteArray& bytes) {
  QFile file(fileName);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << fileName.toStdString();
  ASSERT_EQ(file.write(bytes), bytes.size()) << fileName.toStdString();
}

QByteArray ReadBytes(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    ADD_FAILURE() << "cannot read " << fileName.toStdString();
    return {};
  }
  return file.readAll();
}

std::vector<std::string> ControlValues(const TFormZodiac& form) {
  const auto text = [](const QString& s) { return s.toStdString(); };
  const auto index = [](int i) { return std::to_string(i); };
  return {"name " + text(form.BirthData()->EditName()->text()),
          "month " + index(form.BirthData()->ComboBoxMonth()->currentIndex()),
          "day " + text(form.BirthData()->SpinEditDay()->text()),
          "year " + text(form.BirthData()->SpinEditYear()->text()),
          "time " + text(form.BirthData()->EditTime()->text()),
          "julian " + text(form.BirthData()->EditJD()->text()),
          "sign " + index(form.BirthData()->ComboBoxStartSign()->currentIndex()),
          "type " + index(form.BirthData()->RGOstraneType()->ItemIndex()),
          "periods " + text(form.BirthData()->SpinEditNumMajPeriods()->text()),
          "dates " + index(form.BirthData()->RGDateStyle()->ItemIndex()),
          "names " + index(form.BirthData()->RGSignNames()->ItemIndex()),
          "bond " + index(form.BirthData()->RGLooseBondType()->ItemIndex())};
}

int ListingCount(const TFormZodiac& form) {
  const std::vector<std::string> lines = Lines(Find<TListBox>(&form, "ListBoxOstrane"));
  return static_cast<int>(
      std::count(lines.begin(), lines.end(), "General and Sub Period Releasings For:"));
}

std::vector<std::string> FreshListing(TFormZodiac& form) {
  form.BtnClearListClick();
  form.BtnCalculateOstraneClick();
  return Lines(Find<TListBox>(&form, "ListBoxOstrane"));
}

int ConfirmFileDialog(QDialog& dialog, const QString& name, QMessageBox::StandardButton overwrite,
                      QString* question) {
  auto* files = qobject_cast<QFileDialog*>(&dialog);
  if (!files) {  // a message box after the dialog: closed, as recorded
    dialog.reject();
    return dialog.result();
  }
  if (!name.isEmpty()) {
    auto* edit = files->findChild<QLineEdit*>("fileNameEdit");
    if (!edit) {
      ADD_FAILURE() << "the file dialog has no name field";
      files->reject();
      return files->result();
    }
    edit->setText(name);
  }
  // The overwrite question runs modally inside accept().
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    if (question) *question = box->text();
    if (QAbstractButton* button = box->button(overwrite))
      button->click();
    else
      box->reject();
  });
  answer.start(10);
  files->setResult(QDialog::Rejected);  // as exec() begins
  dialog.accept();                      // QFileDialog::accept, through the public QDialog one
  answer.stop();
  return files->result();
}

void UserHomeTest::SetUp() {
  WindowTest::SetUp();
  FPreviousHome = qgetenv("HOME");
  Home = std::make_unique<QTemporaryDir>();
  ASSERT_TRUE(Home->isValid());
  qputenv("HOME", Home->path().toLocal8Bit());
  Documents = QDir(Home->path()).filePath("Documents");
  ASSERT_TRUE(QDir().mkpath(Documents));
}

void UserHomeTest::TearDown() {
  WindowTest::TearDown();
  qputenv("HOME", FPreviousHome);
  Home.reset();
}

QString UserHomeTest::InDocuments(const QString& name) const {
  return QDir(Documents).filePath(name);
}

}  // namespace ostrane::uitest
