// The elements at a moment and the ellipsoid in the fundamental plane, after
// the standard Besselian method (Explanatory Supplement; Meeus, Elements of
// Solar Eclipses): the ellipsoid becomes the unit sphere when its polar axis
// is stretched by 1/(1-f), which turns the declination d into d1 and scales
// eta by 1/rho1.
#include "fundamentalebene.h"

#include <cmath>

Elementwerte elemente_bei(const Elemente &b, double t)
{
    Elementwerte e;
    e.t = t;
    e.x = xvont(b.x, t);
    e.y = xvont(b.y, t);
    e.dx = b.x[1] + t * (2 * b.x[2] + t * 3 * b.x[3]);
    e.dy = b.y[1] + t * (2 * b.y[2] + t * 3 * b.y[3]);
    e.d = dvont(b.d, t) * grad_in_rad;
    e.dd = (b.d[1] + 2 * t * b.d[2]) * grad_in_rad;
    e.mu = muvont(b.mu, t) * grad_in_rad;
    e.dmu = b.mu[1] * grad_in_rad;
    e.l1 = lvont(b.l1, t);
    e.l2 = lvont(b.l2, t);
    e.dl1 = b.l1[1] + 2 * t * b.l1[2];
    e.dl2 = b.l2[1] + 2 * t * b.l2[2];
    e.tanf1 = b.tanf1;
    e.tanf2 = b.tanf2;
    return e;
}

Geozentrisch geozentrisch(const Ort &ort)
{
    using namespace erdellipsoid;
    const double phi = ort.breite * grad_in_rad;
    const double u = std::atan(achsenverhaeltnis * std::tan(phi));
    const double h = ort.hoehe / aequatorradius_m;
    Geozentrisch g;
    g.rhosin = achsenverhaeltnis * std::sin(u) + h * std::sin(phi);
    g.rhocos = std::cos(u) + h * std::cos(phi);
    g.laenge = ort.laenge * grad_in_rad;
    g.breite = phi;
    return g;
}

Ortslage ortslage(const Elementwerte &e, const Geozentrisch &g)
{
    Ortslage o;
    const double H = e.mu + g.laenge;
    const double sd = std::sin(e.d), cd = std::cos(e.d);
    const double sH = std::sin(H), cH = std::cos(H);
    o.stundenwinkel = H;
    o.xi = g.rhocos * sH;
    o.eta = g.rhosin * cd - g.rhocos * sd * cH;
    o.zeta = g.rhosin * sd + g.rhocos * cd * cH;
    o.dxi = e.dmu * g.rhocos * cH;
    o.deta = e.dmu * o.xi * sd - o.zeta * e.dd;
    return o;
}

Sonnenstand sonnenstand(const Elementwerte &e, const Geozentrisch &g)
{
    const double H = e.mu + g.laenge;
    const double sd = std::sin(e.d), cd = std::cos(e.d);
    const double sp = std::sin(g.breite), cp = std::cos(g.breite);
    Sonnenstand s;
    s.hoehe = std::asin(std::fmax(-1.0, std::fmin(1.0, sp * sd + cp * cd * std::cos(H)))) / grad_in_rad;
    double a = std::atan2(-cd * std::sin(H), sd * cp - cd * sp * std::cos(H)) / grad_in_rad;
    s.azimut = a < 0 ? a + 360 : a;
    return s;
}

bool erdpunkt(const Elementwerte &e, double xi, double eta, Ort *ort)
{
    using namespace erdellipsoid;
    const double sd = std::sin(e.d), cd = std::cos(e.d);
    const double rho1 = std::sqrt(1 - e2 * cd * cd);
    const double sd1 = sd / rho1, cd1 = achsenverhaeltnis * cd / rho1;
    const double eta1 = eta / rho1;
    const double q = 1 - xi * xi - eta1 * eta1;
    if (!(q >= 0)) return false;
    const double zeta1 = std::sqrt(q);
    // On the unit sphere: reduced latitude and hour angle of the point.
    const double sinu = eta1 * cd1 + zeta1 * sd1;
    const double cosu_cosH = zeta1 * cd1 - eta1 * sd1;
    const double H = std::atan2(xi, cosu_cosH);
    const double cosu = std::sqrt(xi * xi + cosu_cosH * cosu_cosH);
    ort->breite = std::atan2(sinu, achsenverhaeltnis * cosu) / grad_in_rad;
    ort->laenge = laenge_normieren((H - e.mu) / grad_in_rad);
    ort->hoehe = 0;
    return true;
}

double laenge_normieren(double winkel)
{
    winkel = std::fmod(winkel, 360.0);
    if (winkel > 180) winkel -= 360;
    if (winkel <= -180) winkel += 360;
    return winkel;
}
