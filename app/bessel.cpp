// Reading the Besselian elements of one eclipse and drawing the Moon's
// shadow on the turned globe.
#include "bessel.h"

#include "besselsatz.h"
#include "erdkarte.h"
#include "finsterniswahl.h"
#include "ortmenu.h"
#include "pfadbild.h"
#include "xmalwerk1/xmalwerk1.h"

#include <cmath>
#include <cstdio>

const char *const besseldatei = "Ecad22.prn";

namespace {

const double grad = 0.017453292519943295;  // radians per degree

// The fixed place marker: 8.5 degrees east, 47.5 degrees north.
const double ortlaenge = 0.14835298641951802;
const double ortbreite = 0.8290313946973066;

}  // namespace

std::string fehlerhafte_daten(int anzahl)
{
    return std::string("Fehlerhafte Daten in ") + besseldatei + " nach " + std::to_string(anzahl) +
           " vollstaendigen Finsternissen.";
}

Satzende bessel_satz_lesen(FILE *f, Bessel &b)
{
    Satzende ende = besselsatz_lesen(f, b);
    if (ende != Satzende::ganz) return ende;
    b.mu[2] = b.mu[3] = 0;
    b.l1[3] = b.l2[3] = 0;
    b.mjd = b.jd - 2400000.5;
    return Satzende::ganz;
}

namespace {

FILE *datei_oeffnen()
{
    FILE *f = fopen2(const_cast<char *>(besseldatei), const_cast<char *>("r"));
    if (!f) {
        printf("Datei mit Besselelementen nicht gefunden.\n");
        fflush(stdout);
    }
    return f;
}

// Reads whole records until passt(record, index) holds. satz then holds
// that record, else the last whole one; anzahl counts the whole records
// read. Returns ganz when one fitted, else how the reading ended; the
// file's broken end is reported.
template <class Passt>
Satzende suchen(FILE *f, Passt passt, Bessel &satz, int &anzahl)
{
    Bessel s;
    Satzende ende;
    while ((ende = bessel_satz_lesen(f, s)) == Satzende::ganz) {
        satz = s;
        if (passt(s, anzahl++)) return Satzende::ganz;
    }
    if (ende == Satzende::kaputt) printf("%s\n", fehlerhafte_daten(anzahl).c_str());
    return ende;
}

}  // namespace

double xvont(double *c, double t)
{
    return c[0] + t * (c[1] + t * (c[2] + t * c[3]));
}

double lvont(double *c, double t)
{
    return c[0] + t * (c[1] + t * c[2]);
}

double dvont(double *c, double t)
{
    return lvont(c, t);
}

double muvont(double *c, double t)
{
    return c[0] + c[1] * t;
}

int fastgleich(double a, double b, double eps)
{
    return fabs(a - b) < fabs(eps) ? 1 : 0;
}

Bessel::Bessel()
{
    vorher = 0;
}

void Bessel::dateneinlesen(int jahr, int monat)
{
    FILE *f = datei_oeffnen();
    if (!f) {
        lesestand = fehlgeschlagen;
        return;
    }
    Bessel satz;
    int anzahl = 0;
    auto passt = [&](const Bessel &s, int) { return ab_monat(s, jahr, monat); };
    bool treffer = suchen(f, passt, satz, anzahl) == Satzende::ganz;
    fclose(f);
    gesucht(satz, anzahl, treffer, jahr, monat);
}

void Bessel::auswaehlen(const std::vector<Bessel> &alle, int jahr, int monat)
{
    const Bessel *treffer = finsternis_waehlen(alle, jahr, monat);
    if (treffer)
        gesucht(*treffer, static_cast<int>(treffer - alle.data()) + 1, true, jahr, monat);
    else
        gesucht(alle.empty() ? *this : alle.back(), static_cast<int>(alle.size()), false, jahr, monat);
}

void Bessel::gesucht(const Bessel &satz, int anzahl, bool treffer, int jahr, int monat)
{
    if (anzahl == 0) {
        printf("Keine Besselelemente in %s.\n", besseldatei);
        fflush(stdout);
        lesestand = fehlgeschlagen;
        return;
    }
    if (!treffer && monat > 0)
        printf("Keine Finsternis ab %d.%d in %s, es folgt die letzte der Datei.\n", monat, jahr, besseldatei);
    else if (!treffer)
        printf("Keine Finsternis ab %d in %s, es folgt die letzte der Datei.\n", jahr, besseldatei);
    uebernehmen(satz, anzahl - 1);
    lesestand = treffer ? gefunden : letzter;
}

bool Bessel::satzeinlesen(int nummer)
{
    if (nummer < 0) {
        printf("Keine fruehere Finsternis in %s.\n", besseldatei);
        fflush(stdout);
        return false;
    }
    FILE *f = datei_oeffnen();
    if (!f) return false;
    Bessel satz;
    int anzahl = 0;
    auto an_der_stelle = [nummer](const Bessel &, int i) { return i == nummer; };
    Satzende ende = suchen(f, an_der_stelle, satz, anzahl);
    fclose(f);
    if (ende != Satzende::ganz) {
        if (ende == Satzende::dateiende && anzahl == 0)
            printf("Keine Besselelemente in %s.\n", besseldatei);
        else if (ende == Satzende::dateiende)
            printf("Keine spaetere Finsternis in %s.\n", besseldatei);
        fflush(stdout);
        return false;
    }
    uebernehmen(satz, nummer);
    lesestand = gefunden;
    return true;
}

void Bessel::uebernehmen(const Bessel &satz, int nummer)
{
    *this = satz;
    satznummer = nummer;
    elemente = true;
    printf("%d.%d.%d Besselelemente eingelesen.\n", ftag, fmonat, fjahr);
    fflush(stdout);
    vorher = 0;
}

void Bessel::beschriftung(double t, char *text, int groesse) const
{
    static const char *const monatname[13] = {"",    "Jan", "Feb", "Mar", "Apr", "Mai", "Jun",
                                              "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
    Tageszeit z = beschriftungszeit(mjd, fjahr, fmonat, ftag, t);
    const char *name = z.monat >= 0 && z.monat <= 12 ? monatname[z.monat] : "???";
    snprintf(text, static_cast<size_t>(groesse), "%2lld.%s.%04d  %02d:%02d", z.tag, name, z.jahr, z.stunden,
             z.minuten);
}

Kernschatten Bessel::kernschatten(double t)
{
    Kernschatten k;
    k.x = xvont(x, t);
    k.y = xvont(y, t);
    k.l1 = lvont(l1, t);
    double r = -lvont(l2, t);
    double abstand2 = k.x * k.x + k.y * k.y;
    if (abstand2 < 1) {
        // The umbral cone's radius at the height of the axis's surface point.
        double z = sqrt(1 - abstand2);
        r = r + z * tanf2;
    }
    if (r < 0 && vorher >= 0) {
        printf("Ringfoermige Finsternis\n");
        fflush(stdout);
    } else if (r > 0 && vorher <= 0) {
        printf("Totale Finsternis\n");
        fflush(stdout);
    }
    vorher = r;
    k.farbe = 1;
    if (r < 0.005) {
        k.farbe = r < 0 ? 3 : 2;
        r = 0.005;
    }
    k.r = r;
    return k;
}

void Bessel::zeichnen(double t)
{
    if (elemente) {
        char text[80];
        beschriftung(t, text, sizeof text);
        color(1);
        schrift(1.0, 1.0, text, 0);
    }
    color(4);
    fillcircle(0, 0, 1, 1);

    color(1);
    double m = muvont(mu, t) * grad;
    double n = dvont(d, t) * grad;
    double ox, oy;
    erdkoordinatendrehen(ortlaenge, ortbreite, m, n, &ox, &oy, nullptr);
    drawcircle(ox, oy, 0.004, 0.004);

    erdkarte.zeichnen(m, n);
    ortsmarke_zeichnen(m, n);
    if (!elemente) {
        // The coastlines' last polyline must not wait for the next frame.
        PLOT_FLUSH();
        return;
    }
    // Under the shadow's outlines.
    pfadbild.zeichnen(m, n);

    Kernschatten k = kernschatten(t);
    color(1);
    drawcircle(k.x, k.y, k.l1, k.l1);
    if (k.farbe != 1) color(k.farbe);
    drawcircle(k.x, k.y, k.r, k.r);
}
