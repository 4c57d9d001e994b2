// The chart wheel: its labels spread apart, its angles, and its files.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/TimelineTestSupport.h"
#include "timeline/ChartWheel.h"

namespace ostrane::timelinetest {
namespace {

double Reduced(double deg) {
  return std::fmod(std::fmod(deg, 360.0) + 360.0, 360.0);
}

// No two spread labels nearer than the gap, the order around the circle
// that of the angles (walking the angles in order steps forward around the
// circle exactly once), and each label near its angle; the cases with a
// known answer give it.
TEST(ChartWheel, SpreadAnglesKeepsTheGapTheOrderAndStaysNear) {
  struct TCase {
    std::string what;
    std::vector<double> angles;
    double gap;
    std::vector<double> expected;  // empty: only the properties
  };
  std::vector<TCase> cases = {
      {"apart already", {10, 100, 200, 350}, 8, {10, 100, 200, 350}},
      {"two close", {100, 102}, 8, {97, 105}},
      {"three equal, in the input's order", {50, 50, 50}, 10, {40, 50, 60}},
      {"across 0", {1, 359}, 8, {4, 356}},
      {"negative and over 360", {-1, 361}, 8, {356, 4}},
      {"a run of three", {0, 1, 2, 20}, 8, {353, 1, 9, 20}},
      {"a run reaching its neighbour", {0, 1, 2, 14}, 8, {352.25, 0.25, 8.25, 16.25}},
      {"more than the gap allows: 360 / n", std::vector<double>(10, 90.0), 40, {}},
      {"one", {725}, 8, {5}},
      {"none", {}, 8, {}},
  };
  // Charts with every body inside a few signs, from a fixed generator.
  std::uint32_t seed = 12345;
  for (int round = 0; round < 40; ++round) {
    TCase c{"crowded " + std::to_string(round), {}, round % 2 ? 8.5 : 12.0, {}};
    for (int i = 0; i < 7 + round % 8; ++i) {
      seed = seed * 1664525u + 1013904223u;
      c.angles.push_back(300.0 + (seed >> 8) % 12000 / 100.0);
    }
    cases.push_back(c);
  }
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<double> spread = SpreadAngles(c.angles, c.gap);
    ASSERT_EQ(spread.size(), c.angles.size());
    for (std::size_t i = 0; i < c.expected.size(); ++i)
      EXPECT_NEAR(spread[i], c.expected[i], 1e-9) << i;
    const std::size_t n = c.angles.size();
    if (n < 2) continue;
    const double gap = std::min(c.gap, 360.0 / n);
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
      return Reduced(c.angles[a]) < Reduced(c.angles[b]);
    });
    double around = 0.0;
    for (std::size_t k = 0; k < n; ++k) {
      const std::size_t from = order[k], to = order[(k + 1) % n];
      const double step = Reduced(spread[to] - spread[from]);
      EXPECT_GE(step, gap - 1e-9) << from << " to " << to;
      around += step;
      EXPECT_GE(spread[from], 0.0);
      EXPECT_LT(spread[from], 360.0);
      EXPECT_LE(std::fabs(std::remainder(spread[from] - c.angles[from], 360.0)), (n - 1) * gap)
          << from;
    }
    EXPECT_NEAR(around, 360.0, 1e-6) << "the order around the circle";
  }
}

// The start of the Ascendant's sign at the left, the signs counter-clockwise.
TEST(ChartWheel, TheAscendantsSignStartsAtTheLeftAndTheSignsRunCounterClockwise) {
  const struct {
    double longitude;
    int ascendantSign;
    double angle;
  } cases[] = {
      {0, 0, 180},       {15, 0, 195},  {90, 0, 270},      {270, 0, 90},
      {359.5, 0, 179.5}, {150, 5, 180}, {153.2, 5, 183.2}, {149.9, 5, 179.9},
      {330, 5, 0},       {-30, 5, 0},   {240, 11, 90},     {330, 11, 180},
  };
  for (const auto& c : cases)
    EXPECT_NEAR(WheelAngleDeg(c.longitude, c.ascendantSign), c.angle, 1e-9)
        << c.longitude << " with the Ascendant in sign " << c.ascendantSign;
}

// Virgo rising, planets crowded in Taurus, one retrograde, Lahiri.
TChart SampleChart() {
  TChart chart;
  chart.Variants.Zodiac = TZodiac::Lahiri;
  chart.AyanamsaDeg = 23.72;
  chart.AscendantDeg = 153.2;
  const double planets[] = {56.08, 190.98, 50.5, 58.0, 57.1, 100.0, 291.3};
  for (std::size_t i = 0; i < chart.Planets.size(); ++i) chart.Planets[i] = {planets[i], i == 6};
  const double lots[] = {70.57, 257.85, 300.0, 302.0, 60.0, 115.0, 75.0};
  std::copy(std::begin(lots), std::end(lots), chart.LotsDeg.begin());
  return chart;
}

// The drawing's sign ring: at the left just below 9 o'clock the
// Ascendant's sign (Virgo, earth), above it the sign before (Leo, fire),
// below the sign after (Libra, air), at the right the seventh (Pisces,
// water), in the element colours of the ring.
TEST(ChartWheel, TheDrawingPutsTheAscendantsSignAtTheLeft) {
  const int side = 600;
  QImage image;
  ASSERT_TRUE(image.loadFromData(RenderChartWheel(SampleChart(), side, TTimelineFormat::Png)));
  const double radius = side / 2.0 / 1.16;  // the outer circle's, as the wheel leaves a margin
  const auto at = [&](double angleDeg) {
    const double a = angleDeg * std::numbers::pi / 180.0, r = 0.86 * radius;
    return image.pixelColor(static_cast<int>(side / 2.0 + r * std::cos(a)),
                            static_cast<int>(side / 2.0 - r * std::sin(a)));
  };
  const QColor fire(0xfb, 0xe4, 0xdc), earth(0xec, 0xf1, 0xd9), air(0xfb, 0xf5, 0xd6),
      water(0xdf, 0xea, 0xf6);
  EXPECT_EQ(at(205), earth) << "Virgo below the left";
  EXPECT_EQ(at(175), fire) << "Leo above the left";
  EXPECT_EQ(at(235), air) << "Libra counter-clockwise from Virgo";
  EXPECT_EQ(at(25), water) << "Pisces at the right";
}

// Each format a file of its own kind, with the glyphs in the SVG as text;
// an unknown extension and an unwritable file fail with the file's name.
TEST(ChartWheel, ExportWritesEachFormat) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const TChart chart = SampleChart();
  for (const char* name : {"wheel.png", "wheel.svg", "wheel.pdf"}) {
    const QString path = dir.filePath(name);
    ExportChartWheel(path, chart, 500);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    const QByteArray bytes = file.readAll();
    ASSERT_GT(bytes.size(), 1000) << name;
    if (path.endsWith(".png")) {
      EXPECT_TRUE(bytes.startsWith("\x89PNG\r\n\x1a\n"));
      EXPECT_EQ(QImage::fromData(bytes).size(), QSize(500, 500));
    } else if (path.endsWith(".svg")) {
      QXmlStreamReader xml(bytes);
      ASSERT_TRUE(xml.readNextStartElement());
      EXPECT_EQ(xml.name(), QLatin1String("svg"));
      EXPECT_EQ(xml.attributes().value("viewBox"), QLatin1String("0 0 500 500"));
      const QString text = QString::fromUtf8(bytes);
      for (const char* glyph : {"\u264D", "\u2653", "\u2644", "\u2297", "Nem", "Asc", "\u211E"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(glyph))) << glyph;
    } else {
      EXPECT_TRUE(bytes.startsWith("%PDF-"));
      EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
    }
  }
  for (const QString& bad : {dir.filePath("wheel.gif"), dir.filePath("missing/wheel.png")}) {
    try {
      ExportChartWheel(bad, chart);
      ADD_FAILURE() << bad.toStdString() << " written";
    } catch (const ETimelineExportError& error) {
      EXPECT_EQ(std::string(error.what()).rfind("Cannot save '" + bad.toStdString() + "': ", 0), 0u)
          << error.what();
    }
  }
}

}  // namespace
}  // namespace ostrane::timelinetest
