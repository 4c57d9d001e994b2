// The report laid out on pages and painted on a paged device, a PDF writer
// or a printer alike: the birth data beside the chart wheel with the table
// of the planets and lots on the first page, then the periods' table (going
// on over the pages it needs, its captions repeated), the legend, the
// timeline and the periods in force.  Every page has a header with the name
// and a footer with "page n of m", the program's name and version and the
// report's date.
#pragma once

#include <QLocale>
#include <QPageSize>
#include <stdexcept>

#include "report/ReportContent.h"

class QPagedPaintDevice;

namespace ostrane {

// A report that could not be painted or written: the message says why.
class EReportError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Letter where the locale measures in US units, else A4.
QPageSize ReportPageSize(const QLocale& locale);

// The pages the report takes on the device with its page layout, without
// painting (the device need not be painted on yet).
int ReportPageCount(const QPagedPaintDevice& device, const TReportContent& content);

// Paints the report on the device, which no painter may be active on, from
// its first page; returns the number of pages.  Throws EReportError when the
// device cannot be painted on or a page cannot be added.
int PaintReport(QPagedPaintDevice& device, const TReportContent& content);

}  // namespace ostrane
