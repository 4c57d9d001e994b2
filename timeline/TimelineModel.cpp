#include "timeline/TimelineModel.h"

#include <algorithm>

#include "astro/Rulers.h"
#include "chart/BirthChart.h"
#include "core/Chronocrators.h"
#include "core/DateTime.h"
#include "listing/Marks.h"
#include "listing/Releasing.h"

namespace ostrane {
namespace {

TTimelineTrack Track(const TTimelineSource& source, std::int32_t startSign, std::string title) {
  ReleaseSettings settings = source.Settings;
  settings.StartSign = startSign;
  TChronocrator chronocrator;
  TTimelineTrack track;
  track.Title = std::move(title);
  track.StartSign = startSign;
  track.Spans = PeriodSpans(ListGeneralPeriods(chronocrator, settings, source.Start), settings, 2);
  return track;
}

}  // namespace

TTimelineModel BuildTimelineModel(const TTimelineSource& source, std::int32_t spiritSign) {
  TTimelineModel model;
  model.Settings = source.Settings;
  const std::int32_t listed = source.Settings.StartSign < 0 ? 0 : source.Settings.StartSign;
  const std::int32_t fortune = source.Settings.FortuneSign;
  const bool bothLots = spiritSign >= 0 && spiritSign <= 11 && fortune >= 0 && fortune <= 11;
  if (bothLots) {
    model.Tracks.push_back(Track(
        source, spiritSign, "from Spirit (" + SignName(spiritSign, TSignNameStyle::Long) + ")"));
    model.Tracks.push_back(
        Track(source, fortune, "from Fortune (" + SignName(fortune, TSignNameStyle::Long) + ")"));
  } else {
    model.Tracks.push_back(Track(source, listed, "from " + SignName(listed, TSignNameStyle::Long)));
  }
  for (auto& track : model.Tracks) {
    if (track.StartSign == listed) {
      track.IsListing = true;
      if (model.Tracks.size() > 1) track.Title += ", as listed";
      break;
    }
  }

  bool any = false;
  for (const auto& track : model.Tracks) {
    for (const auto& span : track.Spans) {
      model.First = any ? std::min(model.First, span.Start) : span.Start;
      model.Last = any ? std::max(model.Last, span.End) : span.End;
      any = true;
    }
  }
  return model;
}

std::int32_t ChartSpiritSign(const TTimelineSource& source) {
  const std::optional<TChart> chart = SourceChart(source);
  if (!chart || chart->FortuneSign != source.Settings.FortuneSign) return -1;
  return chart->SpiritSign;
}

std::optional<TChart> SourceChart(const TTimelineSource& source) {
  if (!source.Settings.Place.Known()) return std::nullopt;
  const TBirthChartResult chart = ComputeBirthChart(source.Settings.Place, source.Start);
  if (!chart.Value) return std::nullopt;
  return chart.Value->Chart;
}

std::string SignName(std::int32_t counter, TSignNameStyle signNameStyle) {
  const TChronocrator chronocrator;
  return FormatSignNames(
      chronocrator, counter,
      signNameStyle == TSignNameStyle::Short ? TSignNameStyle::Short : TSignNameStyle::Long);
}

std::string SignGlyph(std::int32_t counter) {
  const std::int32_t row = SignRow(counter);
  if (row < 0) return {};
  // U+2648 ARIES .. U+2653 PISCES: E2 99 88 .. E2 99 93.
  return std::string{'\xE2', '\x99', static_cast<char>(0x88 + row)};
}

std::string TimelineDateText(double julianDay, TDateStyle dateStyle) {
  TDate date;
  date.JulianToDate(julianDay);
  const bool known = dateStyle == TDateStyle::European || dateStyle == TDateStyle::American ||
                     dateStyle == TDateStyle::Scientific;
  return FormatDateStyle(date, known ? dateStyle : TDateStyle::Scientific);
}

std::string PlaceText(int place, const ReleaseSettings& settings) {
  const std::string reference = AngleReferenceName(settings);
  if (place < 1 || place > 12) return "place from " + reference + " unknown (no Lot of Fortune)";
  const std::string marks = MarksText(place, false, reference);
  return marks.empty() ? Ordinal(place) + " from " + reference : marks;
}

std::string PeriodToolTip(const TTimelineModel& model, const TTimelineTrack& track,
                          const TPeriodSpan& span) {
  const ReleaseSettings& s = model.Settings;
  std::string text = SignName(span.Counter, s.SignNameStyle) +
                     (span.Level == 1 ? ", general period (level 1)" : ", sub period (level 2)");
  if (model.Tracks.size() > 1) text += ", " + track.Title;
  text += "\nfrom " + TimelineDateText(span.Start, s.DateStyle) + " to " +
          TimelineDateText(span.End, s.DateStyle);
  text += '\n';
  text += PlaceText(span.Place, s);
  text += "\nRuler: " +
          RulerReadingText(ReadRuler(span.Counter, model.Chart ? &*model.Chart : nullptr));
  if (span.Loosing) text += std::string("\n") + kLoosingReading;
  return text;
}

}  // namespace ostrane
