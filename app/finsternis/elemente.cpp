// The one place that knows what the eclipse file's extra numbers mean.
#include "elemente.h"

#include "kalender.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

// zusatz5 is the catalogue's date as YYYYMMDD, signed with the year for
// years before 1 (-5840528 is -584 May 28, 5280 is year 0 May 28); a
// record without it keeps its own date.
Kalenderdatum katalogdatum(const Besselsatz &s)
{
    const long k = std::labs(static_cast<long>(s.zusatz5));
    const int monat = static_cast<int>(k / 100 % 100), tag = static_cast<int>(k % 100);
    const int jahr = static_cast<int>(s.zusatz5 < 0 ? -(k / 10000) : k / 10000);
    // The catalogue's date lies within a day of the record's.
    if (k != 0 && tag >= 1 && tag <= 31 && monat >= 1 && monat <= 12 && std::abs(jahr - s.fjahr) <= 1)
        return {jahr, monat, tag};
    return {s.fjahr, s.fmonat, s.ftag};
}

}  // namespace

Elemente elemente_aus_satz(const Besselsatz &s)
{
    Elemente e;
    e.datum = {s.fjahr, s.fmonat, s.ftag};
    e.katalogdatum = katalogdatum(s);
    e.jd = s.jd;
    e.mjd = s.jd - 2400000.5;
    e.delta_t = s.zusatz1;
    // zusatz3 and zusatz4 bound the polynomials' validity; a record
    // without a range gets four hours on each side of T0.
    if (s.zusatz3 < s.zusatz4) {
        e.gueltig_von = s.zusatz3;
        e.gueltig_bis = s.zusatz4;
    }
    // zusatz2: greatest eclipse, hours from T0; T0 where it is missing or
    // outside the range searched.
    const double g = s.zusatz2;
    e.groesste = std::isfinite(g) && g >= e.gueltig_von - 1 && g <= e.gueltig_bis + 1 ? g : 0;
    std::memcpy(e.x, s.x, sizeof e.x);
    std::memcpy(e.y, s.y, sizeof e.y);
    std::memcpy(e.d, s.d, sizeof e.d);
    std::memcpy(e.mu, s.mu, sizeof e.mu);
    std::memcpy(e.l1, s.l1, sizeof e.l1);
    std::memcpy(e.l2, s.l2, sizeof e.l2);
    e.tanf1 = s.tanf1;
    e.tanf2 = s.tanf2;
    return e;
}

void delta_t_ersetzen(Besselsatz &s, double delta_t)
{
    const double mehr = delta_t - s.zusatz1;
    s.zusatz1 = delta_t;
    s.jd -= mehr / 86400;
    s.mu[0] -= grad_je_sekunde * mehr;
    ecad::kalenderdatum(s.jd, s.fjahr, s.fmonat, s.ftag);
}

double mu0_ephemeridisch(const Elemente &e)
{
    return e.mu[0] + grad_je_sekunde * e.delta_t;
}

std::vector<Elemente> elemente_aus_saetzen(const std::vector<Besselsatz> &saetze)
{
    std::vector<Elemente> alle;
    alle.reserve(saetze.size());
    for (const Besselsatz &s : saetze) alle.push_back(elemente_aus_satz(s));
    return alle;
}

double xvont(const double *c, double t)
{
    return c[0] + t * (c[1] + t * (c[2] + t * c[3]));
}

double lvont(const double *c, double t)
{
    return c[0] + t * (c[1] + t * c[2]);
}

double dvont(const double *c, double t)
{
    return lvont(c, t);
}

double muvont(const double *c, double t)
{
    return c[0] + c[1] * t;
}

int fastgleich(double a, double b, double eps)
{
    return std::fabs(a - b) < std::fabs(eps) ? 1 : 0;
}

double ut_mjd(const Elemente &e, double t)
{
    return e.mjd + t / 24.0;
}
