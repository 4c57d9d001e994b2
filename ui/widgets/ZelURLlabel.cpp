#include "ui/widgets/ZelURLlabel.h"

#include <QDesktopServices>
#include <QMouseEvent>

namespace ostrane {

namespace {

TZelURLLabel::Opener& CurrentOpener() {
  static TZelURLLabel::Opener opener = [](const QUrl& url) { QDesktopServices::openUrl(url); };
  return opener;
}

}  // namespace

TZelURLLabel::TZelURLLabel(QWidget* parent) : QLabel(parent) {
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, Qt::blue);
  setPalette(colours);
  QFont underlined;  // only the underline differs from the parent's font
  underlined.setUnderline(true);
  setFont(underlined);
  setCursor(Qt::PointingHandCursor);
  setTextFormat(Qt::PlainText);
}

void TZelURLLabel::SetURL(const QString& url) {
  if (url == FURL) return;
  if (text().isEmpty() || text() == FURL) QLabel::setText(url);
  FURL = url;
}

void TZelURLLabel::SetCaption(const QString& caption) {
  QLabel::setText(caption.isEmpty() ? FURL : caption);
}

void TZelURLLabel::Click() {
  if (const Opener& open = CurrentOpener()) open(QUrl(FURL, QUrl::TolerantMode));
  emit Clicked();
}

TZelURLLabel::Opener TZelURLLabel::SetOpener(Opener opener) {
  Opener previous = std::move(CurrentOpener());
  CurrentOpener() = std::move(opener);
  return previous;
}

void TZelURLLabel::mousePressEvent(QMouseEvent* event) {
  FPressed = event->button() == Qt::LeftButton;
  QLabel::mousePressEvent(event);
}

void TZelURLLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      FPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  FPressed = false;
  QLabel::mouseReleaseEvent(event);
  if (click) Click();
}

}  // namespace ostrane
