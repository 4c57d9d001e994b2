// The About window: title and version, the zodiac wheel and the program
// icon, the web site and support links, and notes on the program.  A
// fixed-size dialog that lives for the whole run and is only shown and
// hidden.
#pragma once

#include <QDialog>
#include <QPointer>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace ostrane {

class TZelURLLabel;

// The links of the About window, as the build configured them.
QString HomepageURL();
QString SupportEmail();
// The text of the About window's notes.
QString AboutNotes();

class TFormAbout : public QDialog {
  Q_OBJECT
 public:
  // `parent` is the main window, shown again by BtnOKClick.
  explicit TFormAbout(QWidget* parent = nullptr);

  // The window BtnOKClick shows when it is not the parent.
  void SetMainWindow(QWidget* mainWindow) { FMainWindow = mainWindow; }

 public slots:
  // Hides the About window, then shows the main window.
  void BtnOKClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* Image2;
  QLabel* ImgOstrane;
  QLabel* Label1;
  TZelURLLabel* ZelURLLabel1;
  QLabel* Label4;
  TZelURLLabel* ZelURLLabel2;
  QPlainTextEdit* Memo1;
  QPushButton* BtnOK;
  QPointer<QWidget> FMainWindow;
  bool FCentred = false;
};

}  // namespace ostrane
