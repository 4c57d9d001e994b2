// What the timeline draws: the general periods (level 1) and sub periods
// (level 2) of a listing, read from PeriodSpans, in tracks.  One track from
// the listing's start sign; or, when the signs of both the Lot of Spirit and
// the Lot of Fortune are known, two tracks, "from Spirit" above "from
// Fortune", each the listing of the same birth moment and settings started
// from that sign.  Also the texts the timeline shows for a period.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "astro/Lots.h"
#include "core/ReleaseSettings.h"
#include "listing/PeriodSpans.h"

namespace ostrane {

// The listing a timeline is drawn from: the settings it was made with and
// its birth moment (a Julian Day in local clock time, as ListingStart gives).
struct TTimelineSource {
  ReleaseSettings Settings;
  double Start = 0.0;
};

struct TTimelineTrack {
  // "from Spirit (Leo)", "from Fortune (Cancer)", "from Aries"; of two
  // tracks the main list's ends in ", as listed".
  std::string Title;
  std::int32_t StartSign = 0;  // SignIndex 0 .. 11 of its first general period
  // True for the track whose periods are the lines of the main list: their
  // Entry + kHeaderLines is the list index.  At most one track is.
  bool IsListing = false;
  std::vector<TPeriodSpan> Spans;  // levels 1 and 2, in listing order
};

struct TTimelineModel {
  ReleaseSettings Settings;  // of the listing: date style, sign names, places
  std::vector<TTimelineTrack> Tracks;
  // The Julian Days the tracks cover: the earliest start and the latest end;
  // both 0 when there are no tracks.
  double First = 0.0, Last = 0.0;
  // The birth chart the periods' rulers are read in, when known.
  std::optional<TChart> Chart;

  bool Empty() const { return Tracks.empty(); }
};

// The tracks of the listing `source`.  `spiritSign` is the sign of the Lot
// of Spirit (SignIndex 0 .. 11), or -1 when unknown: with it and the
// settings' FortuneSign both known there are two tracks, else one from the
// settings' start sign (none selected is taken as Aries).  The places of
// every track are counted as the settings choose (AngleReference).
TTimelineModel BuildTimelineModel(const TTimelineSource& source, std::int32_t spiritSign = -1);

// The sign of the Lot of Spirit of the source's birth, when the settings'
// birth place gives a chart (ComputeBirthChart at the source's Start) whose
// Fortune is the settings' FortuneSign; -1 otherwise: no place, no chart (a
// clock time that waits for its daylight-saving choice), another Fortune.
std::int32_t ChartSpiritSign(const TTimelineSource& source);
// The chart of the source's birth at the settings' birth place
// (ComputeBirthChart at the source's Start), whatever its Fortune; nothing
// without a place or a chart.
std::optional<TChart> SourceChart(const TTimelineSource& source);

// The sign of a sign counter (reduced modulo 12) in the settings' style of
// names, the long names when no style is selected.
std::string SignName(std::int32_t counter, TSignNameStyle signNameStyle);
// The astrological glyph of the sign (UTF-8, U+2648 .. U+2653).
std::string SignGlyph(std::int32_t counter);

// A moment as a date in the chosen date style (FormatDateStyle), the
// scientific style when none is selected.
std::string TimelineDateText(double julianDay, TDateStyle dateStyle);

// The place of a period in words: "10th from Fortune: the peak", "5th
// from Fortune", or "place from Fortune unknown (no Lot of Fortune)".
std::string PlaceText(int place, const ReleaseSettings& settings);

// The tooltip of a period of a track, one fact a line: the sign and level,
// "from <start> to <end>" in the settings' date style, the place, with the
// model's chart the ruler read in it ("Ruler: Saturn, in Leo (8th house),
// the sect malefic"), and the loosing of the bond when the period begins one.
std::string PeriodToolTip(const TTimelineModel& model, const TTimelineTrack& track,
                          const TPeriodSpan& span);

}  // namespace ostrane
