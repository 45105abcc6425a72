// The shadow axis from the apparent places of the Sun and the Moon, hour by
// hour, and the polynomials fitted to it.
#include "elementberechnung.h"

#include "ephemeride.h"
#include "fundamentalebene.h"
#include "kalender.h"
#include "schattenpfad.h"

#include <erfa.h>

#include <cmath>
#include <map>

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double bogensekunde = pi / 648000.0;
constexpr double erdradius_km = erdellipsoid::aequatorradius_m / 1000.0;
constexpr double ae_km = 149597870.7;
constexpr double licht_km_je_tag = 299792.458 * 86400.0;
// The Sun's semidiameter at unit distance, 15' 59.63".
constexpr double sonnenradius = 959.63 * bogensekunde * ae_km / erdradius_km;
constexpr int stunden = 4;  // the polynomials hold from T0 - 4 h to T0 + 4 h

struct Vektor {
    double x, y, z;
};

// Obliquity of the ecliptic at J2000 (IAU 1976).
constexpr double schiefe_j2000 = 84381.448 * bogensekunde;

// From the ecliptic of J2000 to the true equator and equinox of date: the
// rotation by the obliquity, then precession and nutation (matrix pn).
Vektor aequatorial(double laenge, double breite, double r, const double pn[3][3])
{
    const double cb = std::cos(breite), sb = std::sin(breite);
    const double cl = std::cos(laenge), sl = std::sin(laenge);
    const double ce = std::cos(schiefe_j2000), se = std::sin(schiefe_j2000);
    const double v[3] = {r * cb * cl, r * (ce * cb * sl - se * sb), r * (se * cb * sl + ce * sb)};
    double w[3];
    for (int i = 0; i < 3; ++i) w[i] = pn[i][0] * v[0] + pn[i][1] * v[1] + pn[i][2] * v[2];
    return {w[0], w[1], w[2]};
}

// The geometric places at one hour.
struct Orte {
    Ekliptikal mond, sonne;
};

// The shadow axis and the cones at one moment; d and mu in degrees.
struct Achse {
    double x, y, d, mu, l1, l2, tanf1, tanf2;
};

// The axis at Julian date jd (TD) from the geometric places there, and the
// Moon's motion per day (for its light time).
Achse achse(double jd, const Orte &o, const Ekliptikal &mond_je_tag)
{
    // To the true equator and equinox of date with the models of the
    // Explanatory Supplement: precession IAU 1976, nutation IAU 1980.
    double rp[3][3], rn[3][3], pn[3][3];
    eraPmat76(jd, 0, rp);
    eraNutm80(jd, 0, rn);
    eraRxr(rn, rp, pn);

    // The Sun: aberration (20.4898" at 1 au).
    const double rs = o.sonne.abstand * ae_km / erdradius_km;
    const Vektor s = aequatorial(o.sonne.laenge - 20.4898 * bogensekunde / o.sonne.abstand, o.sonne.breite,
                                 rs, pn);
    // The Moon: where it was when the light left it.
    const double tau = o.mond.abstand / licht_km_je_tag;
    const double rm = (o.mond.abstand - tau * mond_je_tag.abstand) / erdradius_km;
    const Vektor m = aequatorial(o.mond.laenge - tau * mond_je_tag.laenge,
                                 o.mond.breite - tau * mond_je_tag.breite, rm, pn);

    // The axis points from the Moon to the Sun.
    const Vektor g = {s.x - m.x, s.y - m.y, s.z - m.z};
    const double glaenge = std::sqrt(g.x * g.x + g.y * g.y + g.z * g.z);
    const double a = std::atan2(g.y, g.x), d = std::asin(g.z / glaenge);
    const double ca = std::cos(a), sa = std::sin(a), cd = std::cos(d), sd = std::sin(d);

    Achse e;
    e.x = -m.x * sa + m.y * ca;
    e.y = -m.x * sd * ca - m.y * sd * sa + m.z * cd;
    const double z = m.x * cd * ca + m.y * cd * sa + m.z * sd;
    const double f1 = std::asin((sonnenradius + mondradius_halbschatten) / glaenge);
    const double f2 = std::asin((sonnenradius - mondradius_kernschatten) / glaenge);
    e.tanf1 = std::tan(f1);
    e.tanf2 = std::tan(f2);
    e.l1 = z * e.tanf1 + mondradius_halbschatten / std::cos(f1);
    e.l2 = z * e.tanf2 - mondradius_kernschatten / std::cos(f2);
    e.d = d / grad_in_rad;
    // Hour angle on the ephemeris meridian: apparent sidereal time (IAU 1982
    // and the equation of the equinoxes) with TD for UT.
    const double gast = eraGmst82(jd, 0) + eraEqeq94(jd, 0);
    e.mu = std::remainder(gast - a, 2 * pi) / grad_in_rad;
    return e;
}

// Least squares: the polynomial of degree grad through (t[i], v[i]).
void anpassen(const double *t, const double *v, int n, int grad, double *c)
{
    double a[4][5] = {};
    for (int i = 0; i < n; ++i) {
        double p[4] = {1, t[i], t[i] * t[i], t[i] * t[i] * t[i]};
        for (int j = 0; j <= grad; ++j) {
            for (int k = 0; k <= grad; ++k) a[j][k] += p[j] * p[k];
            a[j][grad + 1] += p[j] * v[i];
        }
    }
    // Gauss-Jordan; the normal equations of a few whole hours are well
    // conditioned.
    for (int j = 0; j <= grad; ++j) {
        for (int k = 0; k <= grad; ++k) {
            if (k == j) continue;
            const double f = a[k][j] / a[j][j];
            for (int m = j; m <= grad + 1; ++m) a[k][m] -= f * a[j][m];
        }
    }
    for (int j = 0; j <= grad; ++j) c[j] = a[j][grad + 1] / a[j][j];
}

// The geometric places by whole hours of TD, each computed once.
class Stundenorte {
public:
    explicit Stundenorte(double jd_stunde0) : jd0(jd_stunde0) {}
    double jd(int h) const { return jd0 + h / 24.0; }
    const Orte &bei(int h)
    {
        auto it = orte.find(h);
        if (it == orte.end()) it = orte.emplace(h, Orte{mond_ekliptikal(jd(h)), sonne_ekliptikal(jd(h))}).first;
        return it->second;
    }
    // The axis at hour h, the Moon's rate from the neighbouring hours.
    Achse achse_bei(int h)
    {
        const Ekliptikal &vor = bei(h - 1).mond, &nach = bei(h + 1).mond;
        const Ekliptikal rate = {std::remainder(nach.laenge - vor.laenge, 2 * pi) * 12, (nach.breite - vor.breite) * 12,
                                 (nach.abstand - vor.abstand) * 12};
        return achse(jd(h), bei(h), rate);
    }

private:
    double jd0;
    std::map<int, Orte> orte;
};

// The hour (from the one of jd0) nearest to the axis's closest approach,
// from the axis at three hours around a first guess.
int naechste_stunde(Stundenorte &orte)
{
    int h = 0;
    for (int schritt = 0; schritt < 6; ++schritt) {
        const Achse a = orte.achse_bei(h - 1), b = orte.achse_bei(h), c = orte.achse_bei(h + 1);
        // x and y as lines through the hours around h: the minimum of x² + y².
        const double dx = (c.x - a.x) / 2, dy = (c.y - a.y) / 2;
        const double t = -(b.x * dx + b.y * dy) / (dx * dx + dy * dy);
        const int weiter = static_cast<int>(std::lround(std::fmax(-3.0, std::fmin(3.0, t))));
        if (weiter == 0) break;
        h += weiter;
    }
    return h;
}

}  // namespace

Elemente finsternis_berechnen(double jd_neumond_td, double delta_t_sekunden)
{
    Stundenorte orte(std::floor(jd_neumond_td * 24 + 0.5) / 24);
    int h0 = naechste_stunde(orte);
    Elemente e;
    for (int versuch = 0; versuch < 3; ++versuch) {
        double t[2 * stunden + 1], x[2 * stunden + 1], y[2 * stunden + 1], d[2 * stunden + 1], mu[2 * stunden + 1],
            l1[2 * stunden + 1], l2[2 * stunden + 1];
        Achse mitte{};
        for (int i = 0; i <= 2 * stunden; ++i) {
            const Achse a = orte.achse_bei(h0 - stunden + i);
            if (i == stunden) mitte = a;
            t[i] = i - stunden;
            x[i] = a.x;
            y[i] = a.y;
            d[i] = a.d;
            l1[i] = a.l1;
            l2[i] = a.l2;
            // The hour angle grows by some 15 degrees an hour: counted on
            // from the first, without the turn at 360.
            mu[i] = i == 0 ? a.mu : mu[i - 1] + std::remainder(a.mu - mu[i - 1], 360.0);
        }
        e = Elemente();
        anpassen(t, x, 2 * stunden + 1, 3, e.x);
        anpassen(t, y, 2 * stunden + 1, 3, e.y);
        anpassen(t, d, 2 * stunden + 1, 2, e.d);
        anpassen(t, mu, 2 * stunden + 1, 1, e.mu);
        anpassen(t, l1, 2 * stunden + 1, 2, e.l1);
        anpassen(t, l2, 2 * stunden + 1, 2, e.l2);
        e.tanf1 = mitte.tanf1;
        e.tanf2 = mitte.tanf2;
        e.groesste = groesste_zeit(e);
        const int weiter = static_cast<int>(std::lround(e.groesste));
        if (weiter == 0) break;
        h0 += weiter;
    }
    e.mu[0] = std::fmod(e.mu[0] + 360.0, 360.0);

    // T0 and mu on UT and Greenwich: Delta T earlier, and the Earth turned
    // back by as much.
    const double t0_td = orte.jd(h0);
    e.delta_t = delta_t_sekunden;
    e.jd = t0_td - delta_t_sekunden / 86400.0;
    e.mjd = e.jd - 2400000.5;
    e.mu[0] -= 1.002738 * 15.0 * delta_t_sekunden / 3600.0;
    e.gueltig_von = -stunden;
    e.gueltig_bis = stunden;
    ecad::kalenderdatum(e.jd, e.datum.jahr, e.datum.monat, e.datum.tag);
    ecad::kalenderdatum(t0_td + e.groesste / 24.0, e.katalogdatum.jahr, e.katalogdatum.monat, e.katalogdatum.tag);
    return e;
}

Besselsatz besselsatz_aus_elementen(const Elemente &e)
{
    Besselsatz s;
    s.fjahr = e.datum.jahr;
    s.fmonat = e.datum.monat;
    s.ftag = e.datum.tag;
    const double t0_td = e.jd + e.delta_t / 86400.0;
    s.zusatz0 = static_cast<int>(std::lround((t0_td + 0.5 - std::floor(t0_td + 0.5)) * 24)) % 24;
    s.zusatz1 = e.delta_t;
    s.zusatz2 = e.groesste;
    s.jd = e.jd;
    s.zusatz3 = static_cast<int>(e.gueltig_von);
    s.zusatz4 = static_cast<int>(e.gueltig_bis);
    const Kalenderdatum &k = e.katalogdatum;
    const int betrag = std::abs(k.jahr) * 10000 + k.monat * 100 + k.tag;
    s.zusatz5 = k.jahr < 0 ? -betrag : betrag;
    for (int i = 0; i < 4; ++i) s.x[i] = e.x[i], s.y[i] = e.y[i];
    for (int i = 0; i < 3; ++i) s.d[i] = e.d[i], s.l1[i] = e.l1[i], s.l2[i] = e.l2[i];
    s.mu[0] = e.mu[0];
    s.mu[1] = e.mu[1];
    s.tanf1 = e.tanf1;
    s.tanf2 = e.tanf2;
    return s;
}
