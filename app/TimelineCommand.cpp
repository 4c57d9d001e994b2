#include "app/TimelineCommand.h"

#include <ostream>

#include "app/ListArguments.h"
#include "core/PrintableText.h"

#ifdef OSTRANE_TIMELINE
#include <QDateTime>
#include <QGuiApplication>
#include <QLocale>
#include <memory>

#include "app/ChartCommand.h"
#include "chart/LocaleText.h"
#include "chart/TimeZones.h"
#include "core/Errors.h"
#include "core/IsoDateText.h"
#include "listing/Releasing.h"
#include "storage/SettingsFiles.h"
#include "timeline/TimelineExport.h"
#include "timeline/TimelineGeometry.h"
#include "timeline/TimelineModel.h"
#endif

namespace ostrane {
namespace {

int UsageError(std::ostream& err, const std::string& message) {
  err << "ostrane-list: " << PrintableText(message) << "\n"
      << "Try 'ostrane-list --help' for more information.\n";
  return 2;
}

#ifdef OSTRANE_TIMELINE

constexpr int kMinWidth = 200, kMaxWidth = 20000;

bool IsTimelineFlag(const std::string& flag) {
  return flag == "--timeline" || flag == "--from-year" || flag == "--to-year" || flag == "--width";
}

// Reads the value of one of the timeline's options.  Throws TUsageError.
void ReadTimelineValue(TTimelineOptions& r, const std::string& flag, const std::string& value) {
  if (flag == "--timeline") {
    try {
      TimelineFormatOf(QString::fromStdString(value));
    } catch (const ETimelineExportError&) {
      throw TUsageError{"--timeline takes a file name ending in .png, .svg or .pdf, not '" + value +
                        "'"};
    }
    r.File = value;
  } else if (flag == "--width") {
    r.Width = IntegerValue(flag, value, kMinWidth, kMaxWidth);
  } else {
    (flag == "--from-year" ? r.FromYear : r.ToYear) =
        IntegerValue(flag, value, kMinIsoYear, kMaxIsoYear - 1);
  }
}

// Takes the timeline's options out of the arguments.  Throws TUsageError.
std::vector<std::string> SplitArguments(const std::vector<std::string>& args, TTimelineOptions& r) {
  std::vector<std::string> others;
  for (std::size_t i = 0; i < args.size(); ++i) {
    auto [flag, value] = SplitFlag(args[i]);
    if (!IsTimelineFlag(flag)) {
      others.push_back(args[i]);
      continue;
    }
    if (!value) {
      if (i + 1 >= args.size()) throw TUsageError{flag + " needs a value"};
      value = args[++i];
    }
    try {
      ReadTimelineValue(r, flag, *value);
    } catch (TUsageError& e) {
      // A message echoes at most the beginning of a long value.
      e.Message = WithEchoedText(std::move(e.Message), *value);
      throw;
    }
  }
  if (r.FromYear && r.ToYear && *r.FromYear > *r.ToYear)
    throw TUsageError{"--from-year " + std::to_string(*r.FromYear) + " is after --to-year " +
                      std::to_string(*r.ToYear)};
  return others;
}

double FirstDayOfYear(std::int32_t year) {
  return CivilJulianDay(TCivilMoment{year, 1, 1, 0});
}

int WriteTimeline(const TTimelineOptions& r, const TListRequest& list, std::ostream& err) {
  TDate date;
  // The time as the listing reads it: the system's locale, or the "C" forms.
  const double start =
      ListingStart(date, list.Settings, TimeLocaleReading(list.Settings.TimeText, QLocale()));
  const TTimelineSource source{list.Settings, start};
  const TTimelineModel model = BuildTimelineModel(source, ChartSpiritSign(source));
  std::optional<double> from, to;
  if (r.FromYear) from = FirstDayOfYear(*r.FromYear);
  if (r.ToYear) to = FirstDayOfYear(*r.ToYear + 1);
  // A range too wide for the least zoom would be drawn as another range.
  if (!FitsAcross(from.value_or(model.First), to.value_or(model.Last), r.Width)) {
    const std::string years =
        r.FromYear || r.ToYear ? "the years from --from-year to --to-year" : "the listing's years";
    return UsageError(err, years + " do not fit across --width " + std::to_string(r.Width) +
                               ": at most " + std::to_string(MaxYearsAcross(r.Width)) +
                               " years fit at that width");
  }
  TTimelineScene scene = FittedScene(model, r.Width, from, to);
  scene.Moment = LocalClockJulianDay(QDateTime::currentDateTime());
  scene.MomentLabel = "now " + TimelineDateText(*scene.Moment, list.Settings.DateStyle);
  try {
    ExportTimeline(QString::fromStdString(*r.File), model, scene);
  } catch (const ETimelineExportError& e) {
    err << "ostrane-list: " << PrintableText(e.what()) << "\n";
    return 1;
  }
  return 0;
}

QtMessageHandler gDefaultHandler = nullptr;

// Qt's messages but the note that XDG_RUNTIME_DIR is not set, which the
// drawing does not need.
void MessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith("QStandardPaths: XDG_RUNTIME_DIR")) return;
  if (gDefaultHandler) gDefaultHandler(type, context, message);
}

#endif

}  // namespace

#ifdef OSTRANE_TIMELINE
std::unique_ptr<QGuiApplication> DrawingApplication() {
  if (QCoreApplication::instance() != nullptr) return nullptr;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  gDefaultHandler = qInstallMessageHandler(MessageHandler);
  static int argc = 1;
  static char name[] = "ostrane-list";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}
#endif

bool HasTimelineFlag(const std::vector<std::string>& args) {
  for (const auto& a : args)
    if (a == "--timeline" || a.rfind("--timeline=", 0) == 0) return true;
  return false;
}

std::vector<std::string> TakeTimelineOptions(const std::vector<std::string>& args,
                                             TTimelineOptions& options) {
#ifndef OSTRANE_TIMELINE
  (void)args;
  (void)options;
  throw TUsageError{"--timeline is not available: ostrane-list was built without the drawing"};
#else
  return SplitArguments(args, options);
#endif
}

void CheckTimelineOptions(const TListRequest& list) {
  if (!list.Timeline.File) return;
  if (list.Csv || list.Level34Line || list.At || list.Lots || list.Batch || list.FindPlace ||
      list.Calendar.File)
    throw TUsageError{
        "--timeline draws the listing; it does not combine with --csv, --level34, --at, "
        "--lots, --batch, --find-place or --ics"};
}

int RunTimelineCommand(const TListRequest& list, std::ostream& err) {
#ifndef OSTRANE_TIMELINE
  (void)list;
  return UsageError(err, "--timeline is not available: ostrane-list was built without the drawing");
#else
  const auto application = DrawingApplication();
  try {
    return WriteTimeline(list.Timeline, list, err);
  } catch (const EConvertError& e) {  // a time text that is not a time of day
    err << PrintableText(ErrorBoxText(e.what())) << "\n";
    return 1;
  }
#endif
}

}  // namespace ostrane
