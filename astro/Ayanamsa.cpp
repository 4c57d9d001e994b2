#include "astro/Ayanamsa.h"

#include <erfa.h>
#include <erfam.h>

#include "astro/Positions.h"

namespace ostrane {
namespace {

// The general precession in longitude p_A of IAU 2006 at jdTt, degrees.
double GeneralPrecessionDeg(double jdTt) {
  double eps0, psia, oma, bpa, bqa, pia, bpia, epsa, chia, za, zetaa, thetaa, pa, gam, phi, psi;
  eraP06e(ERFA_DJ00, jdTt - ERFA_DJ00, &eps0, &psia, &oma, &bpa, &bqa, &pia, &bpia, &epsa, &chia,
          &za, &zetaa, &thetaa, &pa, &gam, &phi, &psi);
  return pa * ERFA_DR2D;
}

}  // namespace

double AyanamsaDeg(TZodiac zodiac, double jdTt) {
  double epochJdTt = 0.0;
  double epochValueDeg = 0.0;
  switch (zodiac) {
    case TZodiac::FaganBradley:
      epochJdTt = 2433282.42346;
      epochValueDeg = 24.042044444;
      break;
    case TZodiac::Lahiri:
      epochJdTt = 2435553.5;
      epochValueDeg = 23.0 + 15.0 / 60.0 + 0.658 / 3600.0;
      break;
    default: return 0.0;
  }
  // The published values hold the nutation of their epoch: the mean
  // ayanamsa there, carried by the precession, plus the nutation of date.
  const double meanAtEpochDeg = epochValueDeg - ComputeNutation(epochJdTt).LongitudeDeg;
  return meanAtEpochDeg + GeneralPrecessionDeg(jdTt) - GeneralPrecessionDeg(epochJdTt) +
         ComputeNutation(jdTt).LongitudeDeg;
}

}  // namespace ostrane
