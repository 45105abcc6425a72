// The coastline map: storage, the GMT file reader and the drawing on the
// turned globe.
#include "erdkarte.h"

#include "datendatei.h"
#include "globusdrehung.h"

#include "finsternis/finsternis.h"
#include "xmalwerk1/xmalwerk1.h"

#include <cmath>
#include <cstring>

Erdedetails erdkarte;

Erdedetails::Erdedetails()
{
    nlinien = 0;
    npunkte = 0;
}

void Erdedetails::liniekopieren(double *laengen, double *breiten, int n)
{
    if (n < 0) return;
    if (nlinien > maxlinien - 1 || npunkte + n > maxpunkte - 1) {
        if (ohne_platz++ == 0) printf("zu wenig Platz in Erdedetails::liniekopieren\n");
        return;
    }
    for (int i = 0; i < n; ++i) {
        int k = npunkte + i;
        erdlaenge[k] = laengen[i] * grad_in_rad;
        erdbreite[k] = breiten[i] * grad_in_rad;
        Globusdrehung::punktfaktoren(erdlaenge[k], erdbreite[k], &sinlaenge_cosbreite[k], &coslaenge_cosbreite[k],
                                     &sinbreite[k]);
    }
    npunkte += n;
    linienende[nlinien] = npunkte;
    nlinien += 1;
}

void Erdedetails::zeichnen(double drehung, double neigung)
{
    color(1);
    globuslinien(Globusdrehung(drehung, neigung), sinlaenge_cosbreite, coslaenge_cosbreite, sinbreite, linienende,
                 nlinien);
}

int karte_laden(char *name)
{
    FILE *f = fopen2(name, const_cast<char *>("r"));
    if (!f) {
        printf("'%s' nicht gefunden\n", name);
        printf("Diese Datei kann mit GMT so erstellt werden:\n");
        printf("pscoast -Dc -R/-180/180/-90/90 -W -M >%s\n", name);
        return -1;
    }
    static double laengen[1000], breiten[1000];
    char zeile[200];
    int n = 0, segmente = 0;
    int fremde_koepfe = 0, ohne_punkt = 0;
    bool kueste = false;
    erdkarte.ohne_platz = 0;
    for (;;) {
        int weiter = getline(f, zeile, sizeof zeile);
        // A last line without a final line feed still counts.
        if (!weiter && zeile[0] == '\0') break;
        if (zeile[0] == ';' || zeile[0] == '#') {
            // comment
        } else if (zeile[0] == '>') {
            if (n > 0) {
                erdkarte.liniekopieren(laengen, breiten, n);
                ++segmente;
            }
            n = 0;
            kueste = strlen(zeile) >= 7 && strncmp(zeile + 2, "Shore", 5) == 0;
            if (!kueste && fremde_koepfe++ == 0) printf("unbekanntes Schluesselwort: %s\n", zeile);
        } else if (zeile[0] != '\0') {
            // Lines without two numbers are no points, nor are "nan" and
            // "inf", which would be drawn at the drawing area's edge. The
            // empty half of a CR LF line end is no fault.
            double laenge, breite;
            if (sscanf(zeile, "%lf %lf", &laenge, &breite) != 2 || !std::isfinite(laenge) || !std::isfinite(breite)) {
                ++ohne_punkt;
            } else if (kueste && n <= 999) {
                laengen[n] = laenge;
                breiten[n] = breite;
                ++n;
            }
        }
        if (!weiter) break;
    }
    if (n > 0) {
        erdkarte.liniekopieren(laengen, breiten, n);
        ++segmente;
    }
    fclose(f);
    if (segmente == 0) {
        printf("'%s' enthaelt keine Kuestenlinie\n", name);
    } else if (ohne_punkt > 0) {
        printf("Zeilen ohne zwei Zahlen in '%s': %d\n", name, ohne_punkt);
    }
    if (fremde_koepfe > 1) printf("weitere Kopfzeilen mit unbekanntem Schluesselwort: %d\n", fremde_koepfe - 1);
    if (erdkarte.ohne_platz > 1)
        printf("weitere Linien ohne Platz in Erdedetails::liniekopieren: %d\n", erdkarte.ohne_platz - 1);
    erdkarte.ohne_platz = 0;
    return segmente;
}
