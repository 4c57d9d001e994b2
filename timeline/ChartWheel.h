// The whole-sign chart wheel: the twelve signs as the twelve houses, the
// Ascendant's sign the first house at the left and the others following
// counter-clockwise, the Ascendant's degree marked, the seven planets on a
// ring inside the signs and the seven Hermetic lots on a ring inside them,
// each label at its longitude or, where labels would crowd, spread apart with
// a line back to a tick at the true longitude.  Its drawing and its export as
// a PNG, SVG or PDF file; no widgets.
#pragma once

#include <QByteArray>
#include <QRectF>
#include <QString>
#include <string>
#include <vector>

#include "astro/Lots.h"
#include "timeline/TimelineExport.h"

class QPainter;

namespace ostrane {

// The angle at which a longitude (any real degrees) is drawn: degrees
// counter-clockwise from the wheel's right (3 o'clock), [0, 360).  The start
// of `ascendantSign` (0 .. 11) lies at the left, 180, and the longitudes
// grow counter-clockwise from there.
double WheelAngleDeg(double longitudeDeg, int ascendantSign);

// Angles (any real degrees) moved apart so that no two lie closer than
// `minGapDeg` around the circle (360 / n when n such gaps do not fit), each
// moved as little as crowding allows: a crowded run is spaced by the gap and
// centred on its angles' mean.  The result, in [0, 360), is in the input's
// order and keeps the angles' order around the circle (equal angles in the
// input's order).
std::vector<double> SpreadAngles(const std::vector<double>& anglesDeg, double minGapDeg);

// The lot's label on the wheel, UTF-8: "⊗" for Fortune, else the name's
// first three letters, "Spi", "Ero", "Nec", "Cou", "Vic", "Nem".
std::string LotWheelLabel(TLot lot);

// Draws the wheel of `chart` as large as fits centred in `rect` (at least
// a few pixels wide), with the painter's font family.
void PaintChartWheel(QPainter& painter, const QRectF& rect, const TChart& chart);

// The wheel `size` by `size` pixels (at least 100) in the format.  Needs a
// QGuiApplication.
QByteArray RenderChartWheel(const TChart& chart, int size, TTimelineFormat format);

// Writes the wheel to the file in the format of its extension (.png, .svg,
// .pdf).  Throws ETimelineExportError "Cannot save '<file>': <reason>".
void ExportChartWheel(const QString& fileName, const TChart& chart, int size = 800);

}  // namespace ostrane
