// The report written as a PDF document: pages of the locale's size with the
// fonts embedded, made in memory and written to its file whole or not at
// all.
#pragma once

#include <QByteArray>
#include <QString>

#include "report/ReportPages.h"

namespace ostrane {

// The file name proposed for the report of `name`: "NAME report.pdf", the
// characters a file name cannot hold ("/", "\", ":" and the like) made
// "_"; "report.pdf" for a name that is empty or only spaces.
QString ReportFileName(const QString& name);

// The report as a PDF document of ReportPageSize(QLocale()) pages, 15 mm
// margins, with its title and the program as its creator; `pages` gets the
// number of pages.  Needs a QGuiApplication.  Throws EReportError.
QByteArray RenderReportPdf(const TReportContent& content, int* pages = nullptr);

// Renders the report and writes it to the file, replacing the file only
// when all of it was written.  Throws EReportError "Cannot save '<file>':
// <reason>".
void WriteReportPdf(const QString& fileName, const TReportContent& content);

}  // namespace ostrane
