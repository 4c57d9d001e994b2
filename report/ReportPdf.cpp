#include "report/ReportPdf.h"

#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPdfWriter>

#include "Version.h"
#include "timeline/TimelineExport.h"

namespace ostrane {

QString ReportFileName(const QString& name) {
  QString base = name.trimmed();
  for (QChar& c : base)
    if (c.unicode() < 0x20 || QString("/\\:*?\"<>|").contains(c)) c = u'_';
  return base.isEmpty() ? QString("report.pdf") : base + " report.pdf";
}

QByteArray RenderReportPdf(const TReportContent& content, int* pages) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  int count = 0;
  {
    QPdfWriter writer(&buffer);
    writer.setPageLayout(QPageLayout(ReportPageSize(QLocale()), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    writer.setResolution(1200);
    writer.setCreator(kNameVersion);
    writer.setTitle(content.Name + " report");
    count = PaintReport(writer, content);
  }
  if (pages) *pages = count;
  return bytes;
}

void WriteReportPdf(const QString& fileName, const TReportContent& content) {
  const QByteArray bytes = RenderReportPdf(content);
  try {
    WriteDrawing(fileName, bytes);
  } catch (const ETimelineExportError& e) {
    throw EReportError(e.what());
  }
}

}  // namespace ostrane
