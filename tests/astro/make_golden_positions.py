#!/usr/bin/python3
# Prints the rows of golden::kPositions (GoldenPositions.h) from an independent
# ephemeris: PyEphem (Debian python3-ephem 4.1.4, built on libastro).  Not part
# of the build; run by hand when the table is to be renewed:
#   /usr/bin/python3 tests/astro/make_golden_positions.py
#
# PyEphem takes Universal Time and adds its own Delta T; each row gives both the
# UT1 and the TT Julian Day of that instant, so the program is checked at the
# same two instants and the Delta T models play no part.
#
# Apparent geocentric right ascension and declination of date (g_ra, g_dec:
# precession, nutation and aberration applied) are turned into ecliptic
# longitude of date with the true obliquity: PyEphem's mean obliquity plus the
# nutation in obliquity from the leading terms of the IAU 1980 series (Meeus,
# Astronomical Algorithms, table 22.A; the terms left out are below 0.01").
# The Ascendant is found by searching the ecliptic for the point on the eastern
# horizon at PyEphem's local apparent sidereal time, not by a closed formula.
import math

import ephem
from ephem import _libastro

D2R = math.pi / 180.0

ROWS = [
    # name, PyEphem date (UT; Julian calendar before 1582 Oct 15), latitude, east longitude
    ("-500 Mar 21 06:00, Babylon", "-500/3/21 06:00", 32.54, 44.42),
    ("-100 Oct 2 15:40, Alexandria", "-100/10/2 15:40", 31.20, 29.92),
    ("500 Jul 10 14:30, Rome", "500/7/10 14:30", 41.90, 12.50),
    ("1000 Nov 3 03:15, Constantinople", "1000/11/3 03:15", 41.01, 28.98),
    ("1500 Mar 1 12:00 (Julian), Florence", "1500/3/1 12:00", 43.77, 11.25),
    ("1650 Aug 8 22:10, Uppsala", "1650/8/8 22:10", 59.86, 17.64),
    ("1800 May 20 20:45, Philadelphia", "1800/5/20 20:45", 39.95, -75.17),
    ("1900 Sep 12 09:10, Tromso", "1900/9/12 09:10", 69.65, 18.96),
    ("1955 Feb 14 04:00, Cape Town", "1955/2/14 04:00", -33.92, 18.42),
    ("2000 Jan 1 12:00, Greenwich", "2000/1/1 12:00", 51.48, 0.0),
    ("2024 Jun 20 21:00, Sydney", "2024/6/20 21:00", -33.87, 151.21),
    ("2024 Dec 15 11:00, McMurdo", "2024/12/15 11:00", -77.85, 166.67),
    ("2100 Dec 31 23:00, Reykjavik", "2100/12/31 23:00", 64.15, -21.94),
]


def nutation_in_obliquity(jd_tt):
    """Delta epsilon in degrees, IAU 1980, the terms above 0.01"."""
    t = (jd_tt - 2451545.0) / 36525.0
    d = (297.85036 + 445267.111480 * t - 0.0019142 * t * t + t**3 / 189474.0) * D2R
    m = (357.52772 + 35999.050340 * t - 0.0001603 * t * t - t**3 / 300000.0) * D2R
    mp = (134.96298 + 477198.867398 * t + 0.0086972 * t * t + t**3 / 56250.0) * D2R
    f = (93.27191 + 483202.017538 * t - 0.0036825 * t * t + t**3 / 327270.0) * D2R
    om = (125.04452 - 1934.136261 * t + 0.0020708 * t * t + t**3 / 450000.0) * D2R
    # (D, M, M', F, Omega, cosine coefficient and its rate, 0.0001")
    terms = [
        (0, 0, 0, 0, 1, 92025, 8.9), (-2, 0, 0, 2, 2, 5736, -3.1),
        (0, 0, 0, 2, 2, 977, -0.5), (0, 0, 0, 0, 2, -895, 0.5),
        (0, 1, 0, 0, 0, 54, -0.1), (0, 0, 1, 0, 0, -7, 0.0),
        (-2, 1, 0, 2, 2, 224, -0.6), (0, 0, 0, 2, 1, 200, 0.0),
        (0, 0, 1, 2, 2, 129, -0.1), (-2, -1, 0, 2, 2, -95, 0.3),
        (-2, 0, 0, 2, 1, -70, 0.0), (0, 0, -1, 2, 2, -53, 0.0),
        (0, 0, 1, 0, 1, -33, 0.0), (2, 0, -1, 2, 2, 26, 0.0),
        (0, 0, -1, 0, 1, 32, 0.0), (0, 0, 1, 2, 1, 27, 0.0),
        (0, 0, -2, 2, 1, -24, 0.0), (2, 0, 0, 2, 2, 16, 0.0),
        (0, 0, 2, 2, 2, 13, 0.0), (-2, 0, 1, 2, 2, -12, 0.0),
        (0, 0, -1, 2, 1, -10, 0.0),
    ]
    s = 0.0
    for cd, cm, cmp, cf, com, c, ct in terms:
        s += (c + ct * t) * math.cos(cd * d + cm * m + cmp * mp + cf * f + com * om)
    return s * 1e-4 / 3600.0


def mean_obliquity(date_tt):
    # The ecliptic pole has declination 90 degrees minus the obliquity.
    _, dec = _libastro.ecl_eq(date_tt, 0.0, math.pi / 2)
    return 90.0 - dec / D2R


def ecliptic_longitude(ra, dec, eps):
    e = eps * D2R
    lam = math.atan2(math.sin(ra) * math.cos(e) + math.tan(dec) * math.sin(e), math.cos(ra))
    return (lam / D2R) % 360.0


def point_altitude_azimuth(lam, eps, lst, lat):
    """Altitude and azimuth (degrees, azimuth from north through east) of the
    ecliptic point at longitude lam, by vectors."""
    e, l, th, ph = eps * D2R, lam * D2R, lst * D2R, lat * D2R
    x, y, z = math.cos(l), math.sin(l) * math.cos(e), math.sin(l) * math.sin(e)
    zen = (math.cos(ph) * math.cos(th), math.cos(ph) * math.sin(th), math.sin(ph))
    east = (-math.sin(th), math.cos(th), 0.0)
    north = (-math.sin(ph) * math.cos(th), -math.sin(ph) * math.sin(th), math.cos(ph))
    dot = lambda a: a[0] * x + a[1] * y + a[2] * z
    return math.asin(dot(zen)) / D2R, math.atan2(dot(east), dot(north)) / D2R % 360.0


def ascendant(lst, eps, lat):
    # Sample the ecliptic, bracket the two horizon crossings, keep the eastern one.
    n = 3600
    alts = [point_altitude_azimuth(i * 360.0 / n, eps, lst, lat)[0] for i in range(n + 1)]
    found = []
    for i in range(n):
        if alts[i] == 0.0 or alts[i] * alts[i + 1] < 0.0:
            a, b = i * 360.0 / n, (i + 1) * 360.0 / n
            fa = alts[i]
            for _ in range(80):
                c = 0.5 * (a + b)
                fc = point_altitude_azimuth(c, eps, lst, lat)[0]
                if fa * fc <= 0.0:
                    b = c
                else:
                    a, fa = c, fc
            lam = 0.5 * (a + b)
            az = point_altitude_azimuth(lam, eps, lst, lat)[1]
            if 0.0 < az < 180.0:
                found.append(lam)
    assert len(found) == 1, found
    return found[0] % 360.0


def main():
    print("// Generated by make_golden_positions.py with PyEphem %s." % ephem.__version__)
    for name, when, lat, lon in ROWS:
        d = ephem.Date(when)
        dt = ephem.delta_t(d)
        jd_ut = ephem.julian_date(d)
        jd_tt = jd_ut + dt / 86400.0
        date_tt = ephem.Date(d + dt / 86400.0)
        eps = mean_obliquity(date_tt) + nutation_in_obliquity(jd_tt)
        sun, moon = ephem.Sun(d), ephem.Moon(d)
        obs = ephem.Observer()
        obs.date, obs.lat, obs.lon, obs.elevation, obs.pressure = d, lat * D2R, lon * D2R, 0.0, 0.0
        lst = obs.sidereal_time() / D2R
        topo = ephem.Sun(obs)
        print('    {"%s", %.9f, %.9f, %.2f, %.2f, %.6f, %.6f, %.6f, %.6f, %.6f, %.6f},'
              % (name, jd_ut, jd_tt, lat, lon,
                 ecliptic_longitude(sun.g_ra, sun.g_dec, eps),
                 ecliptic_longitude(moon.g_ra, moon.g_dec, eps),
                 eps, lst, ascendant(lst, eps, lat), topo.alt / D2R))


if __name__ == "__main__":
    main()
