// Catalogue values after the usual definitions of eclipse canons:
// greatest eclipse where the axis passes closest to the Earth's centre,
// magnitude the ratio of the apparent diameters of Moon and Sun there
// (beside the Earth: the fraction of the Sun's diameter covered at the
// limb's nearest point).
#include "kanonwerte.h"

#include "kalender.h"
#include "ortsumstaende.h"
#include "pfadzeilen.h"
#include "schattenpfad.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

const char *const kanonkopf = "Datum TD UT DeltaT Lunation Saros Typ Gamma Groesse Breite Laenge Sonnenhoehe Pfadbreite Dauer";

long lunation(double jd_td)
{
    // Mean new moons after Meeus; an eclipse lies within a day of one.
    return std::lround((jd_td - 2451550.09766) / 29.530588861);
}

int saros(long lunation)
{
    // One Saros (223 lunations) later stays in the series, one Inex (358
    // lunations) later is the next series: the series is 38 k + 112 modulo
    // 223, since 38 * 358 = 1 modulo 223, and 2024 April 8 (k = 300) is of
    // series 139. The series of five millennia lie between -20 and 202.
    const long r = ((38 * lunation + 112) % 223 + 223) % 223;
    return static_cast<int>(r > 202 ? r - 223 : r);
}

namespace {

// The umbra's radius at the ground on the central line: negative where total.
double kernschatten_am_boden(const Elementwerte &e, double zeta)
{
    return e.l2 - zeta * e.tanf2;
}

// Where the axis misses the Earth, the canon takes the point nearest to it
// on a spherical Earth, its latitude geocentric: at the unit circle
// towards the axis, with the Sun on the horizon (zeta = 0).
Ort randpunkt_der_kugel(const Elementwerte &e)
{
    const double m = std::hypot(e.x, e.y), xi = e.x / m, eta = e.y / m;
    Ort o;
    o.breite = std::asin(eta * std::cos(e.d)) / grad_in_rad;
    o.laenge = laenge_normieren((std::atan2(xi, -eta * std::sin(e.d)) - e.mu) / grad_in_rad);
    return o;
}

}  // namespace

Kanonwerte kanonwerte(const Elemente &b)
{
    Kanonwerte k;
    k.t = groesste_zeit(b);
    k.jd_ut = b.jd + k.t / 24;
    k.jd_td = k.jd_ut + b.delta_t / 86400;
    k.lunation = lunation(k.jd_td);
    k.saros = saros(k.lunation);
    const Elementwerte e = elemente_bei(b, k.t);
    k.gamma = std::copysign(std::hypot(e.x, e.y), e.y);

    Zentralpunkt z;
    k.zentral = zentralpunkt_bei(b, k.t, &z);
    if (!k.zentral) {
        k.ort = randpunkt_der_kugel(e);
        k.groesse = am_rand(b, k.t).groesse;
        // The umbra or antumbra grazing the Earth: a non-central total or annular eclipse.
        if (std::hypot(e.x, e.y) < 1 + std::fabs(e.l2)) k.typ = e.l2 < 0 ? 'T' : 'A';
        return k;
    }
    k.ort = z.zentral.ort;
    k.sonnenhoehe = z.sonnenhoehe;
    k.pfadbreite_km = z.breite_km;
    k.dauer = z.dauer;
    const double zeta = ortslage(e, geozentrisch(k.ort)).zeta;
    const double L1 = e.l1 - zeta * e.tanf1, L2 = kernschatten_am_boden(e, zeta);
    k.groesse = (L1 - L2) / (L1 + L2);
    k.typ = z.total ? 'T' : 'A';
    if (z.total) {
        // Total where the axis stands highest; annular where the path
        // begins or ends at the horizon: hybrid.
        double anfang, ende;
        zentrallinie_zeitraum(b, k.t, &anfang, &ende);
        if (elemente_bei(b, anfang).l2 > 0 || elemente_bei(b, ende).l2 > 0) k.typ = 'H';
    }
    return k;
}

std::string katalogdatum_text(int jahr, int monat, int tag)
{
    char text[40];
    std::snprintf(text, sizeof text, "%s%04d-%02d-%02d", jahr < 0 ? "-" : "", std::abs(jahr), monat, tag);
    return text;
}

long long tagessekunden(double jd, long *tagesnummer)
{
    const long long s = std::llround((jd + 0.5) * 86400);
    const long long tag = s >= 0 ? s / 86400 : -((-s + 86399) / 86400);
    *tagesnummer = static_cast<long>(tag);
    return s - tag * 86400;
}

namespace {

std::string uhrzeit(long long s)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
    return text;
}

}  // namespace

std::string kanonzeile(const Elemente &e, const Kanonwerte &k)
{
    long tag_td, tag_ut;
    const long long td = tagessekunden(k.jd_td, &tag_td), ut = tagessekunden(k.jd_ut, &tag_ut);
    int jahr, monat, tag;
    ecad::datum_aus_tagesnummer(tag_td, jahr, monat, tag);
    char breite[32] = "--";
    if (k.pfadbreite_km > 0) std::snprintf(breite, sizeof breite, "%.1f", k.pfadbreite_km);
    const std::string dauer = k.zentral && k.dauer > 0 ? dauer_text(k.dauer) : "--";
    char text[256];
    std::snprintf(text, sizeof text, "%s %s %s %.1f %ld %d %c %.4f %.4f %.2f %.2f %.1f %s %s",
                  katalogdatum_text(jahr, monat, tag).c_str(), uhrzeit(td).c_str(), uhrzeit(ut).c_str(), e.delta_t,
                  k.lunation, k.saros, k.typ, k.gamma, k.groesse, k.ort.breite, k.ort.laenge, k.sonnenhoehe, breite,
                  dauer.c_str());
    return text;
}
