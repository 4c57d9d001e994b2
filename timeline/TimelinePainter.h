// Draws a timeline onto any QPainter: a widget, an image, an SVG or a PDF
// page.  The places from Fortune that are angles are told apart by a colour,
// a hatch and a marker text ("10th"), so that a black and white print keeps
// them apart too.
#pragma once

#include <QColor>
#include <optional>
#include <string>

#include "timeline/TimelineGeometry.h"
#include "timeline/TimelineModel.h"

class QPainter;

namespace ostrane {

enum class THatch { None, Cross, Rising, Falling, Horizontal };

// How the periods of a place are filled.
struct TPlaceStyle {
  QColor Fill;  // the period's background
  QColor Ink;   // its hatch lines
  THatch Hatch = THatch::None;
  std::string Marker;  // "10th", "1st", "7th", "4th" for the angles; empty otherwise
};

// The style of the place 1 .. 12 (0 unknown): the 10th vermilion cross
// hatched, the 1st orange rising, the 7th blue falling, the 4th green
// horizontal hatch; other and unknown places plain grey.
TPlaceStyle PlaceStyle(int place);

// What is drawn besides the model.
struct TTimelineScene {
  TTimelineLayout Layout;
  TTimelineScale Scale;
  std::optional<double> Moment;  // Julian Day (local clock time) of the vertical line
  std::string MomentLabel;       // its label, such as "now 5/1/2025"
};

// Draws the scene onto the painter from (0, 0) to (Layout.Width,
// Layout.Height()): a white background, the axis, the tracks with the name
// (or glyph, where narrow) of every period wide enough for one, the marks of
// the loosing of the bond, the moment line when it falls in the plot, and
// the legend.  Every item of TimelineItems is drawn as one rectangle
// (QPainter::drawRect) and nothing else is, so an SVG of it holds exactly
// one <rect> element per period shown.
// `text` without the characters XML 1.0 cannot hold (the C0 controls but
// tab, line feed and carriage return; U+FFFE, U+FFFF; a surrogate that is
// not part of a pair), so that the text of an SVG drawing parses.
QString XmlCharacters(const QString& text);

void DrawTimeline(QPainter& painter, const TTimelineModel& model, const TTimelineScene& scene);

}  // namespace ostrane
