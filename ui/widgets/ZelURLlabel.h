// A hyperlink label: a text label that opens its URL with the desktop's
// default handler when clicked.  Shown blue and underlined, with a hand
// cursor.  A label without a caption of its own shows its URL.
#pragma once

#include <QLabel>
#include <QString>
#include <QUrl>
#include <functional>

namespace ostrane {

class TZelURLLabel : public QLabel {
  Q_OBJECT
  Q_PROPERTY(QString URL READ URL WRITE SetURL)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

 public:
  // Hands a URL to the desktop.  The default is QDesktopServices::openUrl.
  using Opener = std::function<void(const QUrl&)>;

  explicit TZelURLLabel(QWidget* parent = nullptr);

  QString URL() const { return FURL; }
  // A caption that was empty or showed the old URL follows the new one; a
  // caption of its own stays.  Setting the same URL again changes nothing.
  void SetURL(const QString& url);

  QString Caption() const { return text(); }
  // Sets the caption; an empty caption shows the URL instead.  setText hides
  // QLabel's so that the rule holds however the caption is changed.
  void SetCaption(const QString& caption);
  void setText(const QString& caption) { SetCaption(caption); }

  // Opens the URL, then emits Clicked.
  void Click();

  // Replaces the opener of all hyperlink labels; returns the previous one.
  static Opener SetOpener(Opener opener);

 signals:
  void Clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QString FURL;
  bool FPressed = false;
};

}  // namespace ostrane
