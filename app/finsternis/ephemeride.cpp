// ELP 2000-82B as Chapront-Touze and Chapront give it (with the constants
// fitted to DE200/LE200), and VSOP87B for the Earth (heliocentric, ecliptic
// and equinox of J2000); the series themselves are in ephemeridenreihen.cpp.
#include "ephemeride.h"

#include "ephemeridenreihen.h"

#include <cmath>

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double bogensekunde = pi / 648000.0;
constexpr double grad = pi / 180.0;

// Change of the Moon's mean longitude's T^2 term (arcsec) from ELP's lunar
// secular acceleration to the canon's: half the difference.
constexpr double ndot_korrektur = (-25.858 - -23.8946) / 2.0 * bogensekunde;

// ELP's mean longitude of the Moon W1 (radians, powers of T).
constexpr double w1[5] = {(218.0 + 18.0 / 60.0 + 59.95571 / 3600.0) * grad, 1732559343.73604 * bogensekunde,
                          -5.8883 * bogensekunde + ndot_korrektur, 0.006604 * bogensekunde,
                          -0.00003169 * bogensekunde};

// Delaunay's arguments D, l', l, F (ELP's values); W1 enters D, l and F.
constexpr double delaunay[4][5] = {
    {5.198466741027443, 7771.377146811758394, -0.000028449351621 + ndot_korrektur, 0.000000031973462,
     -0.000000000154365},
    {-0.043125180208125, 628.301955168488007, -0.000002680534843, 0.000000000712676, 0.000000000000727},
    {2.355555898265799, 8328.691426955554562, 0.000157027757616 + ndot_korrektur, 0.000000250411114,
     -0.000000001186339},
    {1.627905233371468, 8433.466158130539043, -0.000059392100004 + ndot_korrektur, -0.000000004949948,
     0.000000000020217}};

// Laskar's P and Q of the ecliptic of date, powers T^1..T^5.
constexpr double laskar_p[5] = {0.10180391e-4, 0.47020439e-6, -0.5417367e-9, -0.2507948e-11, 0.463486e-14};
constexpr double laskar_q[5] = {-0.113469002e-3, 0.12372674e-6, 0.1265417e-8, -0.1371808e-11, -0.320334e-14};

// zeta = W1 + general precession, linear part, for the perturbations.
constexpr double zeta[2] = {w1[0], w1[1] + 5029.0966 * bogensekunde};

// Mean longitudes of Mercury..Neptune, linear.
constexpr double planeten[8][2] = {
    {(252 + 15 / 60.0 + 3.25986 / 3600.0) * grad, 538101628.68898 * bogensekunde},
    {(181 + 58 / 60.0 + 47.28305 / 3600.0) * grad, 210664136.43355 * bogensekunde},
    {(100 + 27 / 60.0 + 59.22059 / 3600.0) * grad, 129597742.2758 * bogensekunde},
    {(355 + 25 / 60.0 + 59.78866 / 3600.0) * grad, 68905077.59284 * bogensekunde},
    {(34 + 21 / 60.0 + 5.34212 / 3600.0) * grad, 10925660.42861 * bogensekunde},
    {(50 + 4 / 60.0 + 38.89694 / 3600.0) * grad, 4399609.65932 * bogensekunde},
    {(314 + 3 / 60.0 + 18.01841 / 3600.0) * grad, 1542481.19393 * bogensekunde},
    {(304 + 20 / 60.0 + 55.19575 / 3600.0) * grad, 786550.32074 * bogensekunde}};

// Corrections of the main problem's amplitudes for the constants fitted to
// DE200/LE200.
constexpr double am = 0.074801329518, alpha = 0.002571881335;
constexpr double dtasm = 2.0 * alpha / (3.0 * am);
constexpr double delnu = 0.55604 * bogensekunde / w1[1];
constexpr double dele = 0.01789 * bogensekunde;
constexpr double delg = -0.08066 * bogensekunde;
constexpr double delnp = -0.06424 * bogensekunde / w1[1];
constexpr double delep = -0.12879 * bogensekunde;
constexpr double a0_durch_ath = 384747.9806448954 / 384747.9806743165;

double winkel(const double *c, const double *t, int grad_bis)
{
    double w = 0;
    for (int k = 0; k <= grad_bis; ++k) w += c[k] * t[k];
    return std::remainder(w, 2 * pi);
}

}  // namespace

Ekliptikal mond_ekliptikal(double jd_td)
{
    using namespace reihen;
    const double T = (jd_td - 2451545.0) / 36525.0;
    const double t[5] = {1, T, T * T, T * T * T, T * T * T * T};
    double arg[4], arg1[4], pl[8];
    for (int i = 0; i < 4; ++i) {
        arg[i] = winkel(delaunay[i], t, 4);
        arg1[i] = winkel(delaunay[i], t, 1);  // the perturbations take the linear part only
    }
    for (int i = 0; i < 8; ++i) pl[i] = winkel(planeten[i], t, 1);
    const double zw = winkel(zeta, t, 1);

    double summe[3] = {0, 0, 0};  // longitude, latitude ("), distance (km)
    for (int r = 0; r < elp_haupt_anzahl; ++r) {
        const Elpreihe<Hauptterm> &reihe = elp_haupt[r];
        const double phase = reihe.nummer == 3 ? pi / 2 : 0;  // the distance is a cosine series
        double s = 0;
        for (int j = 0; j < reihe.anzahl; ++j) {
            const Hauptterm &h = reihe.terme[j];
            const double tgv = h.b[0] + dtasm * h.b[4];
            const double a = h.a + tgv * (delnp - am * delnu) + h.b[1] * delg + h.b[2] * dele + h.b[3] * delep;
            double y = phase;
            for (int i = 0; i < 4; ++i) y += h.ilu[i] * arg[i];
            s += a * std::sin(y);
        }
        summe[(reihe.nummer - 1) % 3] += s;
    }
    for (int r = 0; r < elp_stoer_anzahl; ++r) {
        const Elpreihe<Stoerterm> &reihe = elp_stoer[r];
        // 7-9 and 25-27 are multiplied by T, 34-36 by T^2.
        const int n = reihe.nummer;
        const double faktor = (n >= 7 && n <= 9) || (n >= 25 && n <= 27) ? T : n >= 34 ? T * T : 1;
        double s = 0;
        for (int j = 0; j < reihe.anzahl; ++j) {
            const Stoerterm &h = reihe.terme[j];
            double y = h.o * grad + h.iz * zw;
            for (int i = 0; i < 4; ++i) y += h.ilu[i] * arg1[i];
            s += h.a * std::sin(y);
        }
        summe[(n - 1) % 3] += s * faktor;
    }
    for (int r = 0; r < elp_planeten_anzahl; ++r) {
        const Elpreihe<Planetenterm> &reihe = elp_planeten[r];
        // 10-15 multiply all eight planets and D, l, F; 16-21 seven planets
        // and D, l', l, F. 13-15 and 19-21 are multiplied by T.
        const int n = reihe.nummer;
        const double faktor = (n >= 13 && n <= 15) || n >= 19 ? T : 1;
        double s = 0;
        for (int j = 0; j < reihe.anzahl; ++j) {
            const Planetenterm &h = reihe.terme[j];
            double y = h.theta * grad;
            if (n <= 15) {
                for (int i = 0; i < 8; ++i) y += h.ipla[i] * pl[i];
                y += h.ipla[8] * arg1[0] + h.ipla[9] * arg1[2] + h.ipla[10] * arg1[3];
            } else {
                for (int i = 0; i < 7; ++i) y += h.ipla[i] * pl[i];
                for (int i = 0; i < 4; ++i) y += h.ipla[7 + i] * arg1[i];
            }
            s += h.o * std::sin(y);
        }
        summe[(n - 1) % 3] += s * faktor;
    }

    double l = 0;
    for (int k = 4; k >= 0; --k) l = l * T + w1[k];
    const double laenge = summe[0] * bogensekunde + l, breite = summe[1] * bogensekunde;
    const double r = summe[2] * a0_durch_ath;
    const double x = r * std::cos(breite) * std::cos(laenge), y = r * std::cos(breite) * std::sin(laenge),
                 z = r * std::sin(breite);

    // From the ecliptic of date to the fixed ecliptic of J2000 by Laskar's
    // P and Q, as ELP's authors give it.
    double pw = 0, qw = 0;
    for (int k = 4; k >= 0; --k) {
        pw = (pw + laskar_p[k]) * T;
        qw = (qw + laskar_q[k]) * T;
    }
    const double ra = 2.0 * std::sqrt(1 - pw * pw - qw * qw);
    const double pwqw = 2.0 * pw * qw, pw2 = 1.0 - 2.0 * pw * pw, qw2 = 1.0 - 2.0 * qw * qw;
    const double xj = pw2 * x + pwqw * y + pw * ra * z;
    const double yj = pwqw * x + qw2 * y - qw * ra * z;
    const double zj = -pw * ra * x + qw * ra * y + (pw2 + qw2 - 1) * z;

    Ekliptikal m;
    m.laenge = std::atan2(yj, xj);
    m.breite = std::atan2(zj, std::hypot(xj, yj));
    m.abstand = r;
    return m;
}

Ekliptikal sonne_ekliptikal(double jd_td)
{
    const double tau = (jd_td - 2451545.0) / 365250.0;
    double lbr[3];
    for (int k = 0; k < 3; ++k) {
        double wert = 0;
        for (int p = 5; p >= 0; --p) {
            const reihen::Vsopreihe &reihe = reihen::vsop_erde[k][p];
            double s = 0;
            for (int j = 0; j < reihe.anzahl; ++j)
                s += reihe.terme[j].a * std::cos(reihe.terme[j].b + reihe.terme[j].c * tau);
            wert = wert * tau + s;
        }
        lbr[k] = wert;
    }
    // Geocentric: the opposite direction.
    Ekliptikal s;
    s.laenge = std::remainder(lbr[0] + pi, 2 * pi);
    s.breite = -lbr[1];
    s.abstand = lbr[2];
    return s;
}
