// The help window: the pages of "Ostrane.hlp", which ship inside the
// program as resources, in a browser with contents, back and close
// buttons.
#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace ostrane {

inline constexpr const char* kHelpFileName = "Ostrane.hlp";

// The page of a help context: 1 the contents, 2 the releasing technique,
// 3 the commands; any other context opens the contents.
QUrl HelpTopicUrl(int context);

class THelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit THelpWindow(QWidget* parent = nullptr);

  // Shows the window at the page of `context`.
  void ShowContext(int context);

  QTextBrowser* HelpBrowser;
};

}  // namespace ostrane
