// Reading the Besselian elements of one eclipse and drawing the Moon's
// shadow on the turned globe.
#include "bessel.h"

#include "besselsatz.h"
#include "erdkarte.h"
#include "ortmenu.h"
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

Satzende bessel_satz_lesen(FILE *f, Bessel &b)
{
    Satzende ende = besselsatz_lesen(f, b);
    if (ende != Satzende::ganz) return ende;
    b.mu[2] = b.mu[3] = 0;
    b.l1[3] = b.l2[3] = 0;
    b.mjd = b.jd - 2400000.5;
    return Satzende::ganz;
}

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
    FILE *f = fopen2(const_cast<char *>(besseldatei), const_cast<char *>("r"));
    if (!f) {
        printf("Datei mit Besselelementen nicht gefunden.\n");
        fflush(stdout);
        lesestand = fehlgeschlagen;
        return;
    }
    Bessel satz, letzter_satz;
    int anzahl = 0;
    bool treffer = false;
    Satzende ende = Satzende::ganz;
    while ((ende = bessel_satz_lesen(f, satz)) == Satzende::ganz) {
        letzter_satz = satz;
        ++anzahl;
        if (!(satz.fjahr < jahr || (satz.fjahr == jahr && satz.fmonat < monat))) {
            treffer = true;
            break;
        }
    }
    fclose(f);
    if (!treffer && ende == Satzende::kaputt)
        printf("Fehlerhafte Daten in %s nach %d vollstaendigen Finsternissen.\n", besseldatei, anzahl);
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
    *this = letzter_satz;
    lesestand = treffer ? gefunden : letzter;
    elemente = true;
    printf("%d.%d.%d Besselelemente eingelesen.\n", ftag, fmonat, fjahr);
    fflush(stdout);
    vorher = 0;
}

void Bessel::beschriftung(double t, char *text, int groesse) const
{
    static const char *const monatname[13] = {"",    "Jan", "Feb", "Mar", "Apr", "Mai", "Jun",
                                              "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
    Tageszeit z = beschriftungszeit(mjd, ftag, t);
    const char *name = fmonat >= 0 && fmonat <= 12 ? monatname[fmonat] : "???";
    snprintf(text, static_cast<size_t>(groesse), "%2lld.%s.%04d  %02d:%02d", z.tag, name, fjahr, z.stunden,
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

    Kernschatten k = kernschatten(t);
    color(1);
    drawcircle(k.x, k.y, k.l1, k.l1);
    if (k.farbe != 1) color(k.farbe);
    drawcircle(k.x, k.y, k.r, k.r);
}
