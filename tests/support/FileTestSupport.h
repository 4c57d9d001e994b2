// What the tests of the options file and the chart files share: files
// written and read byte for byte, the values of the twelve controls in file
// order, the listing count, and answers to the file dialogs as a user gives
// them.
#pragma once

#include <QByteArray>
#include <QMessageBox>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/UiTestSupport.h"

class QDialog;
class QFileDialog;

namespace ostrane::uitest {

// The lines, each ended by CR LF.
QByteArray CrLf(const std::vector<std::string>& lines);

void WriteBytes(const QString& fileName, const QByteArray& bytes);
// The whole file; a file that cannot be read fails the test.
QByteArray ReadBytes(const QString& fileName);

// The values of the controls the options file holds, in its line order,
// each as the control shows it: texts, spin field texts, and item indexes.
std::vector<std::string> ControlValues(const TFormZodiac& form);

// How many listings the main list holds (header lines counted).
int ListingCount(const TFormZodiac& form);

// The main list as a new listing of the values now in the controls makes
// it (Clear List, then List Periods); the list is left so.
std::vector<std::string> FreshListing(TFormZodiac& form);

// Answers a file dialog as a user does: types `name` into its file name
// field (leaves the proposed name when `name` is empty) and confirms.  When
// the dialog asks of its own whether to replace an existing file, the
// question is answered with `overwrite` and its text kept in `*question`.
// The result is the dialog's, so a name it refuses reads as cancelled.
// Any other dialog (the error box after a failed save) is closed.
int ConfirmFileDialog(QDialog& dialog, const QString& name = {},
                      QMessageBox::StandardButton overwrite = QMessageBox::No,
                      QString* question = nullptr);

// A window test whose user has a home folder of its own with a documents
// folder in it, where the file dialogs open.
class UserHomeTest : public WindowTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  QString InDocuments(const QString& name) const;

  std::unique_ptr<QTemporaryDir> Home;
  QString Documents;

 private:
  QByteArray FPreviousHome;
};

}  // namespace ostrane::uitest
