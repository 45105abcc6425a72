// The path of the shadow after the standard Besselian method (Explanatory
// Supplement; Meeus, Elements of Solar Eclipses): the central line where
// the axis meets the ellipsoid; a limit where the shadow's circle at the
// place's height, moving over the ground, only grazes the place, that is
// where the place lies beside the axis at the cone's radius, square to the
// shadow's motion relative to the place.
#include "schattenpfad.h"

#include "grenzzeit.h"
#include "ortsumstaende.h"

#include <cmath>

namespace {

const double km_je_radius = erdellipsoid::aequatorradius_m / 1000.0;
// Of the sphere that distances over the ground are measured on.
const double mittlerer_erdradius_km = 6371.0088;

// A point of the surface with what the path needs of it.
struct Flaechenpunkt {
    Ort ort;
    Geozentrisch g;
    Ortslage lage;
};

bool flaechenpunkt(const Elementwerte &e, double xi, double eta, Flaechenpunkt *p)
{
    if (!erdpunkt(e, xi, eta, &p->ort)) return false;
    p->g = geozentrisch(p->ort);
    p->lage = ortslage(e, p->g);
    return true;
}

// 1 - x² - y1² of the axis, with y stretched to the unit sphere as erdpunkt
// does: not below 0 exactly while the axis meets the ellipsoid.
double achse_innen(const Elementwerte &e)
{
    const double cd = std::cos(e.d);
    const double rho1 = std::sqrt(1 - erdellipsoid::e2 * cd * cd);
    const double y1 = e.y / rho1;
    return 1 - e.x * e.x - y1 * y1;
}

double achsenabstand(const Elementwerte &e)
{
    return std::sqrt(std::fmax(0.0, 1 - achse_innen(e)));
}

// Where a limit's iteration starts: the shadow's motion over the ground
// (a, b) and the height zeta of the place found last.
struct Grenzstand {
    double a = 0, b = 0, zeta = 0;
    bool gueltig = false;
};

// The surface point at (xi, eta) of the fundamental plane, as far as a
// limit's iteration needs it: its height zeta above the plane (the root of
// the ellipsoid's equation on the side facing the Moon) and the rates of
// xi and eta, without latitude and longitude. A point beyond the limb is
// taken at the limb (zeta of the tangent line), and false is returned.
bool hoehe_und_raten(const Elementwerte &e, double sd, double cd, double xi, double eta, double *zeta, double *dxi,
                     double *deta)
{
    const double k = 1 / (erdellipsoid::achsenverhaeltnis * erdellipsoid::achsenverhaeltnis);
    const double A = cd * cd + k * sd * sd;
    const double B = 2 * eta * sd * cd * (k - 1);
    const double C = eta * eta * (sd * sd + k * cd * cd) + xi * xi - 1;
    const double diskriminante = B * B - 4 * A * C;
    *zeta = (std::sqrt(std::fmax(0.0, diskriminante)) - B) / (2 * A);
    *dxi = e.dmu * (*zeta * cd - eta * sd);
    *deta = e.dmu * xi * sd - *zeta * e.dd;
    return diskriminante >= 0;
}

// The place beside the axis at the cone's radius (at its own height),
// square to the shadow's motion over it: a fixed point of (a, b, zeta).
// Near the horizon zeta changes fast across the ground and the plain
// iteration overshoots, often beyond the limb; an iterate there is taken at
// the limb, and later steps are damped, so that it settles.
bool grenzpunkt(const Elementwerte &e, double l, double tanf, int seite, Grenzstand *s, Ort *ort)
{
    double a = s->gueltig ? s->a : e.dx, b = s->gueltig ? s->b : e.dy;
    double zeta = s->gueltig ? s->zeta : std::sqrt(std::fmax(0.0, achse_innen(e)));
    const double sd = std::sin(e.d), cd = std::cos(e.d);
    double anteil = 1;  // of each step taken
    int draussen = 0;   // iterates beyond the limb in a row
    for (int i = 0; i < 80; ++i) {
        if (i == 20 || i == 40) anteil /= 2;
        const double n = std::hypot(a, b);
        if (!(n > 0)) break;
        const double r = std::fabs(l - zeta * tanf) * seite / n;
        const double xi = e.x - r * b, eta = e.y + r * a;
        double z2, dxi, deta;
        const bool auf_erde = hoehe_und_raten(e, sd, cd, xi, eta, &z2, &dxi, &deta);
        if (!std::isfinite(z2)) break;
        draussen = auf_erde ? 0 : draussen + 1;
        if (draussen > 2) break;  // the cone reaches past the Earth here: no limit
        const double a2 = e.dx - dxi, b2 = e.dy - deta;
        const bool fertig = std::fabs(z2 - zeta) < 1e-12 && std::fabs(a2 - a) < 1e-12 && std::fabs(b2 - b) < 1e-12;
        a += anteil * (a2 - a);
        b += anteil * (b2 - b);
        zeta += anteil * (z2 - zeta);
        if (fertig) {
            if (!auf_erde || !erdpunkt(e, xi, eta, ort)) break;
            *s = {a, b, zeta, true};
            return true;
        }
    }
    s->gueltig = false;
    return false;
}

Pfadort grenze(const Elementwerte &e, double l, double tanf, int seite, Grenzstand *s)
{
    Pfadort p;
    p.gibt_es = grenzpunkt(e, l, tanf, seite, s, &p.ort);
    return p;
}

// Totality or annularity seen from the place, by the local circumstances.
double dauer(const Elemente &b, const Ort &ort)
{
    return ortsumstaende(b, ort).dauer;
}

double zentraldauer(const Elemente &b, double t, Ort *ort)
{
    const Elementwerte e = elemente_bei(b, t);
    if (!erdpunkt(e, e.x, e.y, ort)) return 0;
    return dauer(b, *ort);
}

// From the central point c to the umbral limit on side seite, across the
// track: where the limit line crosses the plane through c square to the
// track (unit normal q, in the fundamental plane of e). The limit of the
// same moment (grenze, with the state s it left) lies along the track from
// there, far at a low Sun, so the crossing is sought on the limit's other
// moments by the secant method, first step by the ground speed v (radii per
// hour). Earth radii, or a negative value where the line ends before it.
double quer_zur_grenze(const Elemente &b, const Elementwerte &e, const double c[3], const double q[3], double v,
                       int seite, const Ort &grenze, Grenzstand s)
{
    double abstand = -1;
    const auto laengs = [&](const Ort &ort) {
        const Ortslage o = ortslage(e, geozentrisch(ort));
        const double d[3] = {o.xi - c[0], o.eta - c[1], o.zeta - c[2]};
        const double f = d[0] * q[0] + d[1] * q[1] + d[2] * q[2];
        abstand = std::sqrt(std::fmax(0.0, d[0] * d[0] + d[1] * d[1] + d[2] * d[2] - f * f));
        return f;
    };
    double t0 = e.t, f0 = laengs(grenze);
    double t1 = t0 - f0 / v;
    for (int i = 0; i < 12; ++i) {
        const Elementwerte et = elemente_bei(b, t1);
        Ort ort;
        if (!(std::fabs(t1 - e.t) < 1) || !grenzpunkt(et, et.l2, et.tanf2, seite, &s, &ort)) return -1;
        const double f1 = laengs(ort);
        if (std::fabs(f1) < 1e-4) return abstand;  // 640 m along the track: metres across
        if (!(f1 != f0)) return -1;
        const double t2 = t1 - f1 * (t1 - t0) / (f1 - f0);
        t0 = t1;
        f0 = f1;
        t1 = t2;
    }
    return -1;
}

bool zentralpunkt(const Elemente &b, double t, Grenzstand *nord, Grenzstand *sued, Zentralpunkt *z)
{
    const Elementwerte e = elemente_bei(b, t);
    Flaechenpunkt p;
    z->t = t;
    if (!flaechenpunkt(e, e.x, e.y, &p)) return false;
    z->zentral = {true, p.ort};
    z->sonnenhoehe = sonnenstand(e, p.g).hoehe;
    const double l = e.l2 - p.lage.zeta * e.tanf2;
    z->total = l < 0;

    z->dauer = dauer(b, p.ort);
    z->nord = grenze(e, e.l2, e.tanf2, 1, nord);
    z->sued = grenze(e, e.l2, e.tanf2, -1, sued);

    // The width on the ground between the limit lines, across the track.
    // The track is the axis' motion over the ground (a, b2) lifted from the
    // fundamental plane onto the ground's tangent plane (normal n,
    // geodetic): (a, b2, -(n.(a, b2)) / nz), taken here times nz.
    const double a = e.dx - p.lage.dxi, b2 = e.dy - p.lage.deta;
    const double H = p.lage.stundenwinkel, phi = p.g.breite;
    const double sd = std::sin(e.d), cd = std::cos(e.d);
    const double nx = std::cos(phi) * std::sin(H);
    const double ny = std::sin(phi) * cd - std::cos(phi) * sd * std::cos(H);
    const double nz = std::sin(phi) * sd + std::cos(phi) * cd * std::cos(H);
    const double nm = nx * a + ny * b2;
    const double laenge = std::sqrt(nz * nz * (a * a + b2 * b2) + nm * nm);
    z->breite_km = 0;
    if (nz > 0 && laenge > 0 && z->nord.gibt_es && z->sued.gibt_es) {
        const double spur[3] = {nz * a / laenge, nz * b2 / laenge, -nm / laenge};
        const double c[3] = {p.lage.xi, p.lage.eta, p.lage.zeta};
        const double v = laenge / nz;
        const double n1 = quer_zur_grenze(b, e, c, spur, v, 1, z->nord.ort, *nord);
        const double s1 = n1 < 0 ? -1 : quer_zur_grenze(b, e, c, spur, v, -1, z->sued.ort, *sued);
        if (s1 >= 0) z->breite_km = (n1 + s1) * km_je_radius;
    }
    return true;
}

}  // namespace

// Greatest eclipse: x x' + y y' = 0, by Newton's method from T0.
double achse_am_naechsten(const Elemente &b)
{
    double t = 0;
    for (int i = 0; i < 20; ++i) {
        const Elementwerte e = elemente_bei(b, t);
        const double ddx = 2 * b.x[2] + 6 * b.x[3] * t, ddy = 2 * b.y[2] + 6 * b.y[3] * t;
        const double f = e.x * e.dx + e.y * e.dy;
        const double df = e.dx * e.dx + e.dy * e.dy + e.x * ddx + e.y * ddy;
        if (!(df > 0)) break;
        const double schritt = f / df;
        t -= schritt;
        if (!(std::fabs(t) <= 24)) return 0;  // elements without motion (or nonsense): no minimum
        if (std::fabs(schritt) < 1e-9) break;
    }
    return t;
}

namespace {

// First and last moment around tg for which drinnen holds, found in steps
// of a minute (at most half a day each way).
template <class Drinnen>
void zeitraum(double tg, Drinnen drinnen, double *anfang, double *ende)
{
    const double schritt = 1.0 / 60;
    double t = tg;
    while (t - tg > -12 && drinnen(t - schritt)) t -= schritt;
    *anfang = grenzzeit(t, t - schritt, drinnen);
    t = tg;
    while (t - tg < 12 && drinnen(t + schritt)) t += schritt;
    *ende = grenzzeit(t, t + schritt, drinnen);
}

// Whole minutes of UT within [anfang, ende], as moments t.
std::vector<double> minuten(const Elemente &b, double anfang, double ende)
{
    const double m0 = (b.mjd - std::floor(b.mjd)) * 1440;
    std::vector<double> t;
    for (double m = std::ceil(m0 + anfang * 60); m <= m0 + ende * 60; m += 1) t.push_back((m - m0) / 60);
    return t;
}

// The vertex of the parabola through (t - h, a), (t, m), (t + h, c).
double scheitel(double t, double h, double a, double m, double c)
{
    const double nenner = a - 2 * m + c;
    if (!(nenner < 0)) return t;
    return t + h * (a - c) / (2 * nenner);
}

Hoehepunkt laengste_dauer(const Elemente &b, const std::vector<Zentralpunkt> &punkte)
{
    Hoehepunkt h;
    size_t beste = 0;
    for (size_t i = 0; i < punkte.size(); ++i)
        if (punkte[i].dauer > punkte[beste].dauer) beste = i;
    h.t = punkte[beste].t;
    h.ort = punkte[beste].zentral.ort;
    h.dauer = punkte[beste].dauer;
    // Refine on parabolas through the neighbours, a minute and 10 s apart.
    for (double schritt : {1.0 / 60, 1.0 / 360}) {
        Ort o;
        const double a = zentraldauer(b, h.t - schritt, &o), c = zentraldauer(b, h.t + schritt, &o);
        const double t = scheitel(h.t, schritt, a, h.dauer, c);
        const double d = zentraldauer(b, t, &o);
        if (d > h.dauer) {
            h.t = t;
            h.dauer = d;
            h.ort = o;
        }
    }
    return h;
}

// Where the axis misses the Earth: the point of the limb nearest to it,
// and the magnitude there.
Hoehepunkt randpunkt(const Elementwerte &e)
{
    Hoehepunkt h;
    h.t = e.t;
    const double cd = std::cos(e.d);
    const double rho1 = std::sqrt(1 - erdellipsoid::e2 * cd * cd);
    const double y1 = e.y / rho1, m = std::hypot(e.x, y1);
    const double k = (1 - 1e-12) / m;
    erdpunkt(e, e.x * k, y1 * k * rho1, &h.ort);
    const double abstand = std::hypot(e.x - e.x * k, e.y - y1 * k * rho1);
    h.groesse = (e.l1 - abstand) / (e.l1 + e.l2);
    return h;
}

// On the sphere of mean radius: the distance from a to b and the azimuth
// of b seen from a.
double grosskreis_km(const Ort &a, const Ort &b)
{
    const double p1 = a.breite * grad_in_rad, p2 = b.breite * grad_in_rad;
    const double dl = (b.laenge - a.laenge) * grad_in_rad;
    const double h = std::pow(std::sin((p2 - p1) / 2), 2) + std::cos(p1) * std::cos(p2) * std::pow(std::sin(dl / 2), 2);
    return 2 * mittlerer_erdradius_km * std::asin(std::sqrt(std::fmin(1.0, h)));
}

double richtung_grad(const Ort &a, const Ort &b)
{
    const double p1 = a.breite * grad_in_rad, p2 = b.breite * grad_in_rad;
    const double dl = (b.laenge - a.laenge) * grad_in_rad;
    const double az = std::atan2(std::sin(dl) * std::cos(p2),
                                 std::cos(p1) * std::sin(p2) - std::sin(p1) * std::cos(p2) * std::cos(dl));
    return std::fmod(az / grad_in_rad + 360, 360);
}

}  // namespace

double groesste_zeit(const Elemente &e)
{
    return achse_am_naechsten(e);
}

bool zentralpunkt_bei(const Elemente &e, double t, Zentralpunkt *z)
{
    Grenzstand nord, sued;
    *z = Zentralpunkt();
    return zentralpunkt(e, t, &nord, &sued, z);
}

void zentrallinie_zeitraum(const Elemente &b, double tg, double *anfang, double *ende)
{
    zeitraum(tg, [&](double t) { return achse_innen(elemente_bei(b, t)) >= 0; }, anfang, ende);
}

Hoehepunkt am_rand(const Elemente &e, double t)
{
    return randpunkt(elemente_bei(e, t));
}

Schattenpfad schattenpfad(const Elemente &b)
{
    Schattenpfad p;
    const double tg = groesste_zeit(b);
    const Elementwerte eg = elemente_bei(b, tg);
    p.zentral = achse_innen(eg) > 0;
    p.kernschatten = achsenabstand(eg) < 1 + std::fabs(eg.l2);

    if (p.zentral) {
        double anfang, ende;
        zentrallinie_zeitraum(b, tg, &anfang, &ende);
        Grenzstand nord, sued;
        Zentralpunkt z;
        std::vector<double> zeiten = minuten(b, anfang, ende);
        zeiten.insert(zeiten.begin(), anfang);
        zeiten.push_back(ende);
        for (size_t i = 0; i < zeiten.size(); ++i) {
            z = Zentralpunkt();
            z.minute = i > 0 && i + 1 < zeiten.size();
            if (zentralpunkt(b, zeiten[i], &nord, &sued, &z)) p.punkte.push_back(z);
        }
        p.groesste.t = tg;
        if (erdpunkt(eg, eg.x, eg.y, &p.groesste.ort)) {
            const Ortsumstaende u = ortsumstaende(b, p.groesste.ort);
            p.groesste.dauer = u.dauer;
            p.groesste.groesse = u.groesse;
        }
        if (!p.punkte.empty()) p.laengste = laengste_dauer(b, p.punkte);
    } else {
        p.groesste = randpunkt(eg);
    }

    double anfang, ende;
    zeitraum(
        tg,
        [&](double t) {
            const Elementwerte e = elemente_bei(b, t);
            return achsenabstand(e) < 1 + e.l1 + 0.01;
        },
        &anfang, &ende);
    Grenzstand nord, sued;
    for (double t : minuten(b, anfang, ende)) {
        const Elementwerte e = elemente_bei(b, t);
        Halbschattenpunkt h;
        h.t = t;
        h.nord = grenze(e, e.l1, e.tanf1, 1, &nord);
        h.sued = grenze(e, e.l1, e.tanf1, -1, &sued);
        p.halbschatten.push_back(h);
    }
    return p;
}

Pfadnaehe pfadnaehe(const Elemente &b, const Ort &ort, double tm)
{
    Pfadnaehe n;
    const Ortsumstaende u = ortsumstaende(b, ort);
    if (u.art == Sichtart::total || u.art == Sichtart::ringfoermig) return n;
    // Each limit line is swept by the moments of its places' maxima; the
    // nearest point lies near the place's own, but at a low Sun far along
    // the line, so moments up to 40 minutes away are searched a minute
    // apart, and the best of them refined.
    const double schritt = 1.0 / 60, weite = 40.0 / 60;
    for (int seite : {1, -1}) {
        Grenzstand stand;
        const auto messen = [&](double t, Pfadnaehe *m) {
            const Elementwerte e = elemente_bei(b, t);
            Ort grenzort;
            if (!grenzpunkt(e, e.l2, e.tanf2, seite, &stand, &grenzort)) return false;
            m->km = grosskreis_km(ort, grenzort);
            m->richtung = richtung_grad(ort, grenzort);
            m->total = e.l2 - stand.zeta * e.tanf2 < 0;
            return std::isfinite(m->km) && std::isfinite(m->richtung);
        };
        double beste_t = 0;
        Pfadnaehe beste;
        for (double t = tm - weite; t <= tm + weite; t += schritt) {
            Pfadnaehe m;
            if (messen(t, &m) && (!beste.gibt_es || m.km < beste.km)) {
                beste = m;
                beste.gibt_es = true;
                beste_t = t;
            }
        }
        if (!beste.gibt_es) continue;
        // Golden section between the neighbours of the best moment.
        const double g = (std::sqrt(5.0) - 1) / 2;
        double links = beste_t - schritt, rechts = beste_t + schritt;
        for (int i = 0; i < 30; ++i) {
            const double t1 = rechts - g * (rechts - links), t2 = links + g * (rechts - links);
            Pfadnaehe m1, m2;
            const bool g1 = messen(t1, &m1), g2 = messen(t2, &m2);
            if (!g1 || !g2) break;
            if (m1.km < m2.km)
                rechts = t2;
            else
                links = t1;
            if (m1.km < beste.km) beste = {true, m1.km, m1.richtung, m1.total};
            if (m2.km < beste.km) beste = {true, m2.km, m2.richtung, m2.total};
        }
        if (!n.gibt_es || beste.km < n.km) n = beste;
    }
    return n;
}
