#include "app/ReportCommand.h"

#include <ostream>

#include "app/ListArguments.h"
#include "core/Errors.h"
#include "core/PrintableText.h"

#ifdef OSTRANE_TIMELINE
#include <QDateTime>
#include <QGuiApplication>
#include <QLocale>

#include "chart/LocaleText.h"
#include "chart/TimeZones.h"
#include "report/ReportPdf.h"
#endif

namespace ostrane {

void CheckReportOptions(const TListRequest& r) {
  if (!r.ReportFile) return;
  if (r.Csv || r.Level34Line || r.Lots || r.Batch || r.FindPlace || r.Calendar.File ||
      r.Timeline.File || r.Next)
    throw TUsageError{
        "--report writes the report; it does not combine with --csv, --level34, --lots, "
        "--batch, --find-place, --ics, --timeline or --next"};
}

int RunReportCommand(const TListRequest& r, std::ostream& err) {
#ifndef OSTRANE_TIMELINE
  (void)r;
  err << "ostrane-list: --report is not available: ostrane-list was built without the drawing\n";
  return 2;
#else
  const auto application = DrawingApplication();
  TReportInput input;
  input.Settings = r.Settings;
  input.Locale = TimeLocaleReading(r.Settings.TimeText, QLocale());
  input.ReleasedFrom = r.ReleaseFrom;
  input.Made = LocalClockJulianDay(QDateTime::currentDateTime());
  input.Moment = r.At ? CivilJulianDay(*r.At) : input.Made;
  input.MomentLabel = QString::fromStdString((r.At ? "" : "now ") +
                                             TimelineDateText(input.Moment, r.Settings.DateStyle));
  try {
    WriteReportPdf(QString::fromStdString(*r.ReportFile), BuildReport(input));
  } catch (const EConvertError& e) {  // a time text that is not a time of day
    err << PrintableText(ErrorBoxText(e.what())) << "\n";
    return 1;
  } catch (const EReportError& e) {
    err << "ostrane-list: " << PrintableText(e.what()) << "\n";
    return 1;
  }
  return 0;
#endif
}

}  // namespace ostrane
