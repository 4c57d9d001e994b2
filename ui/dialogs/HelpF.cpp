#include "ui/dialogs/HelpF.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/widgets/Placement.h"
#include "ui/widgets/WindowFonts.h"

// The help pages are compiled into this library; pull them in wherever the
// help window is used.
static void InitHelpResources() {
  Q_INIT_RESOURCE(help);
}

namespace ostrane {

QUrl HelpTopicUrl(int context) {
  switch (context) {
    case 2: return QUrl("qrc:/help/technique.html");
    case 3: return QUrl("qrc:/help/commands.html");
    default: return QUrl(QStringLiteral("qrc:/help/") + kHelpFileName);
  }
}

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  InitHelpResources();
  setObjectName("HelpWindow");
  setWindowTitle("Ostrane Help");
  setAttribute(Qt::WA_QuitOnClose, false);
  setFont(DialogFont());

  HelpBrowser = new QTextBrowser(this);
  HelpBrowser->setObjectName("HelpBrowser");
  HelpBrowser->setOpenExternalLinks(true);
  HelpBrowser->setFont(ListFont());

  auto* contents = new QPushButton("&Contents", this);
  contents->setObjectName("BtnContents");
  auto* back = new QPushButton("&Back", this);
  back->setObjectName("BtnBack");
  back->setEnabled(false);
  auto* close = new QPushButton("&Close", this);
  close->setObjectName("BtnClose");
  connect(contents, &QPushButton::clicked, this,
          [this] { HelpBrowser->setSource(HelpTopicUrl(1)); });
  connect(back, &QPushButton::clicked, HelpBrowser, &QTextBrowser::backward);
  connect(HelpBrowser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(close, &QPushButton::clicked, this, &QWidget::close);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contents);
  buttons->addWidget(back);
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addLayout(buttons);
  layout->addWidget(HelpBrowser, 1);
  resize(600, 520);
}

void THelpWindow::ShowContext(int context) {
  HelpBrowser->setSource(HelpTopicUrl(context), QTextDocument::HtmlResource);
  if (!isVisible()) {
    show();
    CentreOnScreen(this);
  }
  raise();
  activateWindow();
}

}  // namespace ostrane
