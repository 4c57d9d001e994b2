#include "ui/dialogs/AboutF.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "Version.h"
#include "ui/widgets/Pictures.h"
#include "ui/widgets/ZelURLlabel.h"

#if !defined(OSTRANE_HOMEPAGE_URL) || !defined(OSTRANE_SUPPORT_EMAIL)
#error "The build sets OSTRANE_HOMEPAGE_URL and OSTRANE_SUPPORT_EMAIL (CMake cache variables)."
#endif

namespace ostrane {

namespace {

constexpr int kClientWidth = 499;
constexpr int kClientHeight = 362;
constexpr int kMemoHeight = 135;

QLabel* Picture(QWidget* parent, const char* name, const QImage& image, int left, int top) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setPixmap(QPixmap::fromImage(image));
  label->move(left, top);
  label->resize(image.size() / image.devicePixelRatio());  // auto-sized
  return label;
}

QLabel* Text(QWidget* parent, const char* name, const QString& caption, int left, int top) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  label->move(left, top);
  label->adjustSize();
  return label;
}

TZelURLLabel* Link(QWidget* parent, const char* name, const QString& caption, const QString& url,
                   int left, int top) {
  auto* label = new TZelURLLabel(parent);
  label->setObjectName(name);
  label->SetURL(url);
  label->SetCaption(caption);
  label->move(left, top);
  label->adjustSize();
  return label;
}

}  // namespace

QString HomepageURL() {
  return QStringLiteral(OSTRANE_HOMEPAGE_URL);
}
QString SupportEmail() {
  return QStringLiteral(OSTRANE_SUPPORT_EMAIL);
}

QString AboutNotes() {
  return QStringLiteral(
      "Ostrane computes the time-lord periods of Hellenistic releasing. From a birth date, "
      "a birth time and a starting sign it lists the general periods (level 1) with their "
      "sub periods (level 2). A double click on a listed period lists its level 3 and "
      "level 4 periods in a window of their own.\n"
      "\n"
      "Three releasing types are offered: Modern, with a year of 365.25 days; Egyptian, with "
      "a 360-day year; and Valens, with a 360-day year and 27 instead of 30 years for "
      "Capricorn. After the twelfth period at a level the chain jumps to the sign opposite "
      "its start (the loosing of the bond); the same jump can be applied to the general "
      "periods.\n"
      "\n"
      "Help: \"Contents ...\" in the Help menu. Listings can be printed or saved as PDF "
      "from the File menu, and the input values saved as defaults or as chart files.\n"
      "\n"
      "Ostrane is free software: you may redistribute and modify it under the terms of the "
      "GNU General Public License as published by the Free Software Foundation, either "
      "version 3 of the License or any later version. It comes with no warranty of any "
      "kind.\n"
      "\n"
      "Licence: GNU General Public License, version 3 or later\n"
      "Place data: GeoNames (https://www.geonames.org/), CC BY 4.0\n"
      "Astronomy: ERFA (BSD-3-Clause), from the IAU SOFA models");
}

TFormAbout::TFormAbout(QWidget* parent) : QDialog(parent), FMainWindow(parent) {
  setObjectName("FormAbout");
  setWindowTitle(QString("About ") + kNameVersion);
  setWindowIcon(OstraneIcon());
  setFont(QFont("MS Sans Serif", 8));
  setFixedSize(kClientWidth, kClientHeight);
  setSizeGripEnabled(false);
  // A fixed dialog: a title and a close button, nothing to minimize or
  // maximize.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

  const qreal ratio = devicePixelRatioF();
  Image2 = Picture(this, "Image2", DrawZodiacWheel(ratio), 8, 8);
  Label1 = Text(this, "Label1", kNameVersion, 344, 8);
  QFont title;  // only size and weight differ from the window's font
  title.setPointSize(14);
  title.setBold(true);
  Label1->setFont(title);
  Label1->adjustSize();
  ZelURLLabel1 = Link(this, "ZelURLLabel1", "Ostrane Home Page", HomepageURL(), 344, 48);
  ImgOstrane = Picture(this, "ImgOstrane", DrawProgramIcon(32), 440, 104);
  Label4 = Text(this, "Label4", "Tech Support:", 344, 136);
  ZelURLLabel2 =
      Link(this, "ZelURLLabel2", "Email Tech Support", "mailto:" + SupportEmail(), 344, 152);

  BtnOK = new QPushButton("&OK", this);
  BtnOK->setObjectName("BtnOK");
  BtnOK->setGeometry(376, 192, 73, 22);
  BtnOK->setDefault(true);
  connect(BtnOK, &QPushButton::clicked, this, &TFormAbout::BtnOKClick);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setGeometry(0, kClientHeight - kMemoHeight, kClientWidth, kMemoHeight);
  Memo1->setReadOnly(true);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
  QPalette white = Memo1->palette();
  white.setColor(QPalette::Base, Qt::white);
  white.setColor(QPalette::Text, Qt::black);
  Memo1->setPalette(white);
  Memo1->setPlainText(AboutNotes());
}

void TFormAbout::BtnOKClick() {
  hide();
  if (FMainWindow) {
    FMainWindow->show();
    FMainWindow->raise();
    FMainWindow->activateWindow();
  }
}

void TFormAbout::showEvent(QShowEvent* event) {
  // Centred on the screen the first time it is shown; after that it keeps
  // the place the user moved it to.
  if (!FCentred) {
    FCentred = true;
    const QScreen* where = screen() ? screen() : QGuiApplication::primaryScreen();
    if (where != nullptr) {
      QRect frame = frameGeometry();
      frame.moveCenter(where->availableGeometry().center());
      move(frame.topLeft());
    }
  }
  QDialog::showEvent(event);
}

}  // namespace ostrane
