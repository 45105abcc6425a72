// New moons by Meeus's lunation number k (0: 2000 January 6), the mean
// phase and argument of latitude as a first sieve, the true conjunction
// from the ephemerides, then the elements decide.
#include "finsternissuche.h"

#include "deltat.h"
#include "elementberechnung.h"
#include "ephemeride.h"
#include "fundamentalebene.h"
#include "kalender.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

constexpr double pi = 3.14159265358979323846;

// The mean new moon of lunation k (Julian date, TD) and the Moon's mean
// argument of latitude then (degrees); Meeus, Astronomical Algorithms 49.
void mittlerer_neumond(long k, double *jd, double *f)
{
    const double T = k / 1236.85;
    *jd = 2451550.09766 + 29.530588861 * k + T * T * (0.00015437 + T * (-0.000000150 + T * 0.00000000073));
    *f = 160.7108 + 390.67050284 * k + T * T * (-0.0016118 + T * (-0.00000227 + T * 0.000000011));
}

// The conjunction in ecliptic longitude near jd, and the Moon's latitude
// there, counted from the Sun's (both in the ecliptic of J2000, which leans
// by up to half a degree against the one of date over these millennia).
double konjunktion(double jd, double *breite)
{
    // The Moon gains some 12.19 degrees a day on the Sun; its true rate
    // differs by a sixth at most, so each step shrinks the error sixfold.
    const double rate = 12.19 * pi / 180;
    for (int i = 0; i < 5; ++i) {
        const Ekliptikal m = mond_ekliptikal(jd), s = sonne_ekliptikal(jd);
        const double abstand = std::remainder(m.laenge - s.laenge, 2 * pi);
        *breite = m.breite - s.breite;
        jd -= abstand / rate;
        if (std::fabs(abstand) < 1e-5) break;
    }
    return jd;
}

// Distance of the point (x, y) of the fundamental plane from the Earth's
// outline there, an ellipse of semi-axes 1 and b (negative inside). The
// nearest point of the outline is found by Newton's method on its
// eccentric anomaly.
double randabstand(double x, double y, double b)
{
    x = std::fabs(x);
    y = std::fabs(y);
    double t = std::atan2(y, b * x);
    for (int i = 0; i < 20; ++i) {
        const double s = std::sin(t), c = std::cos(t);
        const double g = (1 - b * b) * s * c - x * s + y * b * c;
        const double dg = (1 - b * b) * (c * c - s * s) - x * c - y * b * s;
        const double schritt = g / dg;
        t -= schritt;
        if (std::fabs(schritt) < 1e-12) break;
    }
    const double d = std::hypot(x - std::cos(t), y - b * std::sin(t));
    return x * x + y * y / (b * b) < 1 ? -d : d;
}

// Whether the penumbra touches the Earth: at greatest eclipse the axis
// passes within the penumbral radius of the Earth's outline.
bool beruehrt(const Elemente &e)
{
    const Elementwerte w = elemente_bei(e, e.groesste);
    const double cd = std::cos(w.d);
    return randabstand(w.x, w.y, std::sqrt(1 - erdellipsoid::e2 * cd * cd)) < w.l1;
}

}  // namespace

std::vector<Elemente> finsternisse_suchen(int von, int bis, const std::function<void(const Elemente &)> &unterwegs)
{
    std::vector<Elemente> gefunden;
    // Lunations from a little before von to a little after bis.
    const long k_von = static_cast<long>(std::floor((von - 2000) * 12.3685)) - 2;
    const long k_bis = static_cast<long>(std::ceil((bis + 1 - 2000) * 12.3685)) + 2;
    for (long k = k_von; k <= k_bis; ++k) {
        double jd, f;
        mittlerer_neumond(k, &jd, &f);
        // Far from a node the Moon passes the Sun too far north or south.
        if (std::fabs(std::sin(f * pi / 180)) > 0.40) continue;
        double breite;
        jd = konjunktion(jd, &breite);
        // No eclipse with the Moon more than some 1.6 degrees off the
        // ecliptic at conjunction.
        if (std::fabs(breite) > 1.8 * pi / 180) continue;
        int jahr, monat, tag;
        ecad::kalenderdatum(jd, jahr, monat, tag);
        // Delta T to a tenth of a second, as the record holds it, so that
        // jd + Delta T is T0's whole hour exactly as read back.
        const double dt = std::round(delta_t(dezimaljahr(jahr, monat)) * 10) / 10;
        const Elemente e = finsternis_berechnen(jd, dt);
        if (!beruehrt(e) || e.katalogdatum.jahr < von || e.katalogdatum.jahr > bis) continue;
        gefunden.push_back(e);
        if (unterwegs) unterwegs(e);
    }
    return gefunden;
}

namespace {

std::string zahlen(const double *werte, int anzahl, const char *format)
{
    std::string zeile;
    char puffer[64];
    for (int i = 0; i < anzahl; ++i) {
        std::snprintf(puffer, sizeof puffer, format, werte[i]);
        if (i > 0) zeile += ' ';
        zeile += puffer;
    }
    return zeile + '\n';
}

}  // namespace

std::string besselsatz_text(const Besselsatz &s)
{
    // jd as the shortest text that reads back as the same double; the
    // coefficients to 1e-7 (Earth radii: under a metre), mu to 1e-6 degrees.
    char jd[64];
    const auto ende = std::to_chars(jd, jd + sizeof jd, s.jd);
    char puffer[256];
    std::snprintf(puffer, sizeof puffer, "%d %d %d\n%d %.1f %.6f\n%s %d %d %d\n", s.fjahr, s.fmonat, s.ftag, s.zusatz0,
                  s.zusatz1, s.zusatz2, std::string(jd, ende.ptr).c_str(), s.zusatz3, s.zusatz4, s.zusatz5);
    std::string text = puffer;
    text += zahlen(s.x, 4, "%.7f");
    text += zahlen(s.y, 4, "%.7f");
    text += zahlen(s.d, 3, "%.7f");
    text += zahlen(s.mu, 2, "%.6f");
    text += zahlen(s.l1, 3, "%.7f");
    text += zahlen(s.l2, 3, "%.7f");
    const double tanf[2] = {s.tanf1, s.tanf2};
    text += zahlen(tanf, 2, "%.7f");
    return text;
}
