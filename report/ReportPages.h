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

// The most pages of a report.
inline constexpr int kMaxReportPages = 5;

// The report as it fits the device's pages: the periods' table cut after
// whole general periods (counted in PeriodsLeft) while the report takes
// more than kMaxReportPages pages, the first general period always kept.
// `pages` gets the number of pages it takes; nothing is painted.
TReportContent FittedReport(const QPagedPaintDevice& device, const TReportContent& content,
                            int* pages = nullptr);

// Paints the report as it fits (FittedReport) on the device, which no
// painter may be active on, from its first page; returns the number of
// pages.  Throws EReportError when the
// device cannot be painted on or a page cannot be added.
int PaintReport(QPagedPaintDevice& device, const TReportContent& content);

}  // namespace ostrane
