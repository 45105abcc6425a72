// Reading the Besselian elements of one eclipse and drawing the Moon's
// shadow on the turned globe.
#include "bessel.h"

#include "erdkarte.h"
#include "xmalwerk1/xmalwerk1.h"

#include <cmath>
#include <cstdio>

const char *const besseldatei = "Ecad22.prn";

namespace {

const double grad = 0.017453292519943295;  // radians per degree

// The fixed place marker: 8.5 degrees east, 47.5 degrees north.
const double ortlaenge = 0.14835298641951802;
const double ortbreite = 0.8290313946973066;

enum Satzende { ganz, dateiende, kaputt };

// One record of 31 numbers. dateiende only when the file ends before the
// record's first number; a record cut short or holding text is kaputt.
Satzende satz_lesen(FILE *f, Bessel &b)
{
    int n = fscanf(f, "%d %d %d", &b.fjahr, &b.fmonat, &b.ftag);
    if (n == EOF) return dateiende;
    if (n != 3) return kaputt;
    if (fscanf(f, "%d %lf %lf", &b.zusatz0, &b.zusatz1, &b.zusatz2) != 3) return kaputt;
    if (fscanf(f, "%lf %d %d %d", &b.jd, &b.zusatz3, &b.zusatz4, &b.zusatz5) != 4) return kaputt;
    if (fscanf(f, "%lf %lf %lf %lf", &b.x[0], &b.x[1], &b.x[2], &b.x[3]) != 4) return kaputt;
    if (fscanf(f, "%lf %lf %lf %lf", &b.y[0], &b.y[1], &b.y[2], &b.y[3]) != 4) return kaputt;
    if (fscanf(f, "%lf %lf %lf", &b.d[0], &b.d[1], &b.d[2]) != 3) return kaputt;
    if (fscanf(f, "%lf %lf", &b.mu[0], &b.mu[1]) != 2) return kaputt;
    if (fscanf(f, "%lf %lf %lf", &b.l1[0], &b.l1[1], &b.l1[2]) != 3) return kaputt;
    if (fscanf(f, "%lf %lf %lf", &b.l2[0], &b.l2[1], &b.l2[2]) != 3) return kaputt;
    if (fscanf(f, "%lf %lf", &b.tanf1, &b.tanf2) != 2) return kaputt;
    b.mu[2] = b.mu[3] = 0;
    b.l1[3] = b.l2[3] = 0;
    b.mjd = b.jd - 2400000.5;
    return ganz;
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
    Satzende ende = ganz;
    while ((ende = satz_lesen(f, satz)) == ganz) {
        letzter_satz = satz;
        ++anzahl;
        if (!(satz.fjahr < jahr || (satz.fjahr == jahr && satz.fmonat < monat))) {
            treffer = true;
            break;
        }
    }
    fclose(f);
    if (!treffer && ende == kaputt)
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
    double h = (mjd - trunc(mjd)) * 24 + t;
    long long tag = ftag;  // the day before the smallest int is no overflow
    if (h < 0) {
        tag -= 1;
        h += 24;
    } else if (h >= 24) {
        tag += 1;
        h -= 24;
    }
    // Nonsense in the file (not a number, or far out) must not reach the
    // conversion to int.
    int stunden = 0, minuten = 0;
    if (h > -1e6 && h < 1e6) {
        stunden = static_cast<int>(h);
        minuten = static_cast<int>((h - stunden) * 60);
    }
    const char *name = fmonat >= 0 && fmonat <= 12 ? monatname[fmonat] : "???";
    snprintf(text, static_cast<size_t>(groesse), "%2lld.%s.%04d  %02d:%02d", tag, name, fjahr, stunden, minuten);
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
