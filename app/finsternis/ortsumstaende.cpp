// Local circumstances by the standard Besselian method (Explanatory
// Supplement; Meeus, Elements of Solar Eclipses): the place's position
// (xi, eta) in the fundamental plane relative to the shadow axis, u = xi - x
// and v = eta - y with their rates a and b, and the cone radii at the
// place's height, L1' = l1 - zeta tan f1 and L2' = l2 - zeta tan f2. The
// maximum is the moment of least distance m = sqrt(u² + v²); a contact is a
// moment where m equals L1' (first and fourth) or |L2'| (second and third).
// Each is found by Newton steps on the linearised motion, repeated until
// the step is below a millisecond; a contact where those fail, next to a
// maximum that only just lies inside the cone, by halving.
#include "ortsumstaende.h"

#include "grenzzeit.h"

#include <cmath>

namespace {

const double genauigkeit = 1e-7;  // hours: 0.36 ms
const int hoechstschritte = 30;

// Everything that depends on the moment, for one place.
struct Lage {
    Elementwerte e;
    double u, v, a, b;  // place relative to the axis, and its rates per hour
    double L1, L2;      // cone radii at the place's height
    double n2;          // a² + b²
};

Lage lage_bei(const Elemente &b, const Geozentrisch &g, double t)
{
    Lage l;
    l.e = elemente_bei(b, t);
    const Ortslage o = ortslage(l.e, g);
    l.u = o.xi - l.e.x;
    l.v = o.eta - l.e.y;
    l.a = o.dxi - l.e.dx;
    l.b = o.deta - l.e.dy;
    l.L1 = l.e.l1 - o.zeta * l.e.tanf1;
    l.L2 = l.e.l2 - o.zeta * l.e.tanf2;
    l.n2 = l.a * l.a + l.b * l.b;
    return l;
}

// The moments are sought within the polynomials' validity and an hour on
// each side: beyond it they describe no eclipse on the Earth.
bool im_bereich(const Elemente &b, double t)
{
    return t >= b.gueltig_von - 1 && t <= b.gueltig_bis + 1;
}

// Newton's method for u·a + v·b = 0, the least distance from the axis.
bool maximum_suchen(const Elemente &b, const Geozentrisch &g, double *t)
{
    double s = b.groesste;  // greatest eclipse on the Earth: a good start
    for (int i = 0; i < hoechstschritte; ++i) {
        const Lage l = lage_bei(b, g, s);
        if (!(l.n2 > 0)) return false;
        const double schritt = (l.u * l.a + l.v * l.b) / l.n2;
        s -= schritt;
        if (!std::isfinite(s) || !im_bereich(b, s)) return false;
        if (std::fabs(schritt) < genauigkeit) {
            *t = s;
            return true;
        }
    }
    return false;
}

// The moment where m equals |L| of the cone (innen: the umbral cone),
// before the maximum for richtung -1, after it for +1: the root of
// (u + a τ)² + (v + b τ)² = L² on the side of richtung.
bool kontakt_newton(const Elemente &b, const Geozentrisch &g, double tmax, bool innen, int richtung, double *t)
{
    double s = tmax;
    for (int i = 0; i < hoechstschritte; ++i) {
        const Lage l = lage_bei(b, g, s);
        const double L = std::fabs(innen ? l.L2 : l.L1);
        if (!(l.n2 > 0) || !(L > 0)) return false;
        const double n = std::sqrt(l.n2);
        const double quer = (l.a * l.v - l.u * l.b) / (n * L);
        const double w = 1 - quer * quer;
        if (!(w >= 0)) return false;
        const double schritt = -(l.u * l.a + l.v * l.b) / l.n2 + richtung * std::sqrt(w) * L / n;
        s += schritt;
        if (!std::isfinite(s) || !im_bereich(b, s)) return false;
        if (std::fabs(schritt) < genauigkeit) {
            *t = s;
            return richtung * (s - tmax) > -genauigkeit;
        }
    }
    return false;
}

// The same where the place only just lies inside the cone at the maximum:
// the linearised root there is nearly a double one and Newton's steps leave
// the cone's edge. From the maximum outward in growing steps to the first
// moment outside, then halving.
bool kontakt_klammern(const Elemente &b, const Geozentrisch &g, double tmax, bool innen, int richtung, double *t)
{
    auto drinnen = [&](double s) {
        const Lage l = lage_bei(b, g, s);
        return std::hypot(l.u, l.v) < std::fabs(innen ? l.L2 : l.L1);
    };
    if (!drinnen(tmax)) return false;
    double innen_t = tmax;
    for (double schritt = 1e-5; im_bereich(b, tmax + richtung * schritt); schritt *= 2) {
        const double s = tmax + richtung * schritt;
        if (!drinnen(s)) {
            *t = grenzzeit(innen_t, s, drinnen);
            return true;
        }
        innen_t = s;
    }
    return false;
}

bool kontakt_suchen(const Elemente &b, const Geozentrisch &g, double tmax, bool innen, int richtung, double *t)
{
    return kontakt_newton(b, g, tmax, innen, richtung, t) || kontakt_klammern(b, g, tmax, innen, richtung, t);
}

Kontakt kontakt_bei(const Elemente &b, const Geozentrisch &g, double t)
{
    Kontakt k;
    k.gibt_es = true;
    k.t = t;
    k.ut = ut_mjd(b, t);
    k.sonne = sonnenstand(elemente_bei(b, t), g);
    k.unter_horizont = k.sonne.hoehe < 0;
    return k;
}

// The Sun is highest at a contact or the maximum, or where the hour angle
// passes through 0 (upper culmination) between the first and the last
// contact: the altitude changes monotonically between culminations.
double hoechste_sonne(const Elemente &b, const Geozentrisch &g, const Ortsumstaende &u)
{
    double h = -90;
    for (const Kontakt *k : {&u.c1, &u.maximum, &u.c4})
        if (k->gibt_es) h = std::fmax(h, k->sonne.hoehe);
    if (!u.c1.gibt_es || !u.c4.gibt_es || !(b.mu[1] > 0)) return h;
    const double H1 = muvont(b.mu, u.c1.t) * grad_in_rad + g.laenge;
    const double H4 = muvont(b.mu, u.c4.t) * grad_in_rad + g.laenge;
    const double kreis = 2 * M_PI;
    const double null_durchgang = std::ceil(H1 / kreis) * kreis;
    if (null_durchgang <= H4) {
        const double t = u.c1.t + (null_durchgang - H1) / (b.mu[1] * grad_in_rad);
        h = std::fmax(h, sonnenstand(elemente_bei(b, t), g).hoehe);
    }
    return h;
}

}  // namespace

double bedeckter_anteil(double mondradius, double abstand)
{
    const double r = mondradius, s = abstand;
    if (!(r > 0) || !(s < 1 + r)) return 0;
    if (s <= std::fabs(1 - r)) return r < 1 ? r * r : 1;
    // The lens of two circles, Sun of radius 1 and Moon of radius r at
    // distance s, over the Sun's area pi.
    const double c1 = std::fmax(-1.0, std::fmin(1.0, (s * s + 1 - r * r) / (2 * s)));
    const double c2 = std::fmax(-1.0, std::fmin(1.0, (s * s + r * r - 1) / (2 * s * r)));
    const double k = (-s + 1 + r) * (s + 1 - r) * (s - 1 + r) * (s + 1 + r);
    const double flaeche = std::acos(c1) + r * r * std::acos(c2) - 0.5 * std::sqrt(std::fmax(0.0, k));
    return std::fmin(1.0, std::fmax(0.0, flaeche / M_PI));
}

double bedeckung_im_abstand(double abstand, double L1, double L2)
{
    // Sun of radius 1; the Moon's radius and the distance of the centres
    // in the same measure.
    const double summe = L1 + L2;
    if (!(summe > 0)) return 0;
    return bedeckter_anteil((L1 - L2) / summe, 2 * abstand / summe);
}

Ortsumstaende ortsumstaende(const Elemente &b, const Ort &ort)
{
    Ortsumstaende u;
    const Geozentrisch g = geozentrisch(ort);
    double tm = 0;
    if (!maximum_suchen(b, g, &tm)) return u;
    const Lage l = lage_bei(b, g, tm);
    const double m = std::sqrt(l.u * l.u + l.v * l.v);
    if (!(m < l.L1) || !(l.L1 + l.L2 > 0)) return u;

    u.maximum = kontakt_bei(b, g, tm);
    u.groesse = (l.L1 - m) / (l.L1 + l.L2);
    u.durchmesserverhaeltnis = (l.L1 - l.L2) / (l.L1 + l.L2);
    u.art = Sichtart::partiell;
    double t = 0;
    if (kontakt_suchen(b, g, tm, false, -1, &t)) u.c1 = kontakt_bei(b, g, t);
    if (kontakt_suchen(b, g, tm, false, +1, &t)) u.c4 = kontakt_bei(b, g, t);
    if (m < std::fabs(l.L2)) {
        u.art = l.L2 < 0 ? Sichtart::total : Sichtart::ringfoermig;
        if (kontakt_suchen(b, g, tm, true, -1, &t)) u.c2 = kontakt_bei(b, g, t);
        if (kontakt_suchen(b, g, tm, true, +1, &t)) u.c3 = kontakt_bei(b, g, t);
        if (u.c2.gibt_es && u.c3.gibt_es) u.dauer = (u.c3.t - u.c2.t) * 3600;
    }
    u.bedeckung = bedeckung_im_abstand(m, l.L1, l.L2);
    u.hoechste_sonne = hoechste_sonne(b, g, u);
    return u;
}

bool sichtbar(const Ortsumstaende &u)
{
    if (u.art == Sichtart::keine || !(u.groesse > 0)) return false;
    return u.hoechste_sonne >= 0;
}

double bedeckung_prozent(const Ortsumstaende &u)
{
    if (!(u.bedeckung > 0)) return 0;
    if (u.bedeckung >= 1) return 100;
    // A hair above the cut so that a product such as 0.123 * 1000 =
    // 122.99999999999999 keeps its last digit.
    return std::fmin(99.9, std::floor(u.bedeckung * 1000 + 1e-6) / 10);
}

const char *himmelsrichtung(double azimut)
{
    static const char *const namen[16] = {"Nord",        "Nordnordost", "Nordost",     "Ostnordost",
                                          "Ost",         "Ostsuedost",  "Suedost",     "Suedsuedost",
                                          "Sued",        "Suedsuedwest", "Suedwest",   "Westsuedwest",
                                          "West",        "Westnordwest", "Nordwest",    "Nordnordwest"};
    if (!std::isfinite(azimut)) return namen[0];
    const double a = std::fmod(std::fmod(azimut, 360) + 360, 360);
    return namen[static_cast<int>(std::floor(a / 22.5 + 0.5)) % 16];
}
