// Helpers of the printing tests: a list box with given lines, a run of the
// text channel on an image page that records every piece of text drawn, and
// the page count of a PDF file.
#pragma once

#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QListWidget>
#include <QRegularExpression>
#include <QStringList>
#include <memory>
#include <vector>

#include "ui/printing/ListPrinting.h"
#include "ui/printing/PrinterTextChannel.h"

namespace ostrane::testing {

inline std::unique_ptr<QListWidget> MakeList(const QStringList& lines,
                                             const QFont& font = QFont("DejaVu Sans Mono", 10)) {
  auto list = std::make_unique<QListWidget>();
  list->setFont(font);
  list->addItems(lines);
  return list;
}

// A white page of the given size in pixels at `dpi` dots per inch.
inline QImage MakePage(int width, int height, int dpi = 96) {
  QImage page(width, height, QImage::Format_ARGB32);
  page.setDotsPerMeterX(qRound(dpi / 0.0254));
  page.setDotsPerMeterY(qRound(dpi / 0.0254));
  page.fill(Qt::white);
  return page;
}

struct ChannelRun {
  std::vector<TPrinterTextChannel::DrawnText> Draws;
  int PageBreaks = 0;
  int LastPage = 0;
};

// Prints the list's lines on `page` as the print command does.
inline ChannelRun PrintOnPage(QImage& page, const QListWidget& list) {
  ChannelRun run;
  TPrinterTextChannel channel(page, [&run] {
    ++run.PageBreaks;
    return true;
  });
  channel.SetDrawObserver(
      [&run](const TPrinterTextChannel::DrawnText& drawn) { run.Draws.push_back(drawn); });
  if (!channel.Open()) return run;
  WriteListLines(channel, list);
  run.LastPage = channel.PageNumber();
  channel.Close();
  return run;
}

// The height in device units of one printed line of `font` on `device`.
inline int LineStep(const QFont& font, QPaintDevice* device) {
  return QFontMetrics(font, device).height() + 2;
}

// The number of page objects in a PDF file written by Qt.
inline int PdfPageCount(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QString content = QString::fromLatin1(file.readAll());
  static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
  int count = 0;
  for (auto it = page.globalMatch(content); it.hasNext(); it.next()) ++count;
  return count;
}

inline const QString kPrefix = QString(12, QLatin1Char(' '));

}  // namespace ostrane::testing
