// Delta T, the difference TT - UT1 between Terrestrial Time and Universal
// Time, for dates before the leap-second record.
//
// Source: F. Espenak, "Polynomial Expressions for Delta T", EclipseWise.com,
// 2014 revision (https://eclipsewise.com/help/deltatpoly2014.html), which takes
// the expressions of F. Espenak and J. Meeus, "Five Millennium Canon of Solar
// Eclipses: -1999 to +3000", NASA/TP-2006-214141 (also published as
// https://eclipse.gsfc.nasa.gov/SEhelp/deltatpoly2004.html) and replaces the
// pieces after 2005 by two new ones, 2005-2015 and 2015-3000.  The pieces and
// their coefficients are those of that page, unchanged; the correction for a
// lunar secular acceleration other than -26"/cy^2 is not applied.
//
// The pieces, y the decimal year below:
//   y < -500          -20 + 32 u^2,                    u = (y - 1820) / 100
//   -500 .. 500       6th-degree polynomial in         u = y / 100
//   500 .. 1600       6th-degree polynomial in         u = (y - 1000) / 100
//   1600 .. 1700, 1700 .. 1800, 1800 .. 1860, 1860 .. 1900, 1900 .. 1920,
//   1920 .. 1941, 1941 .. 1961, 1961 .. 1986, 1986 .. 2005
//                     polynomials in t = y minus the piece's epoch
//   2005 .. 2015      64.69 + 0.2930 t,                t = y - 2005
//   2015 .. 3000      67.62 + 0.3645 t + 0.0039755 t^2, t = y - 2015
// Each piece holds from its first year up to, not including, the next one.
// The page stops at 3000; later years take the long-term parabola of the
// years before -500 (about 150 s above the last piece at 3000).
#pragma once

namespace ostrane {

// The decimal year y = year + (month - 0.5) / 12 that the expressions take,
// for a Julian Day: the year (astronomical numbering, year 0 = 1 BC) and month
// (1..12) of the program's calendar, Julian before 1582 October 15 and
// Gregorian from then on.  Every instant of a month gives the same y, the
// middle of that month.
double DeltaTDecimalYear(double julianDay);

// Delta T = TT - UT1 in seconds for the decimal year y (any finite value).
double DeltaTSeconds(double decimalYear);

}  // namespace ostrane
