// The coastline map: storage, the GMT file reader and the drawing on the
// turned globe.
#include "erdkarte.h"

#include "umbrix.h"
#include "xmalwerk1/xmalwerk1.h"

#include <cmath>
#include <cstring>
#include <string>

namespace {

const double grad = 0.017453292519943295;  // radians per degree

}  // namespace

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
        printf("zu wenig Platz in Erdedetails::liniekopieren\n");
        return;
    }
    for (int i = 0; i < n; ++i) {
        int k = npunkte + i;
        erdlaenge[k] = laengen[i] * grad;
        erdbreite[k] = breiten[i] * grad;
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

int globusfarbe(int direkt, int tabelle)
{
    return malwerk_tiefe > 23 ? direkt : tabelle;
}

void globuslinien(const Globusdrehung &g, const double *slcb, const double *clcb, const double *sb, const int *ende,
                  int nlinien)
{
    int anfang = 0;
    for (int j = 0; j < nlinien; ++j) {
        int stift = 3;
        for (int i = anfang; i < ende[j]; ++i) {
            double x, y;
            if (!g.drehen(slcb[i], clcb[i], sb[i], &x, &y)) {
                stift = 3;
                continue;
            }
            q2plot(x, y, stift);
            stift = 2;
        }
        anfang = ende[j];
    }
}

void drehen(double &u, double &v, double w)
{
    double c = cos(w), s = sin(w);
    double u2 = c * u - s * v;
    v = s * u + c * v;
    u = u2;
}

void erdkoordinatendrehen(double geolaenge, double geobreite, double drehung, double neigung, double *x,
                          double *y, double *z)
{
    double h = geolaenge + drehung;
    *x = sin(h) * cos(geobreite);
    double a = cos(h) * cos(geobreite);
    double b = sin(geobreite);
    drehen(a, b, -neigung);
    *y = b;
    if (z) *z = a;
}

FILE *fopen2(char *name, char *mode)
{
    FILE *f = aktuellerpfad ? fopen((std::string(aktuellerpfad) + "/" + name).c_str(), mode) : fopen(name, mode);
    // Not there: an installed program reads the files it brought along.
    if (!f && mode[0] == 'r' && name[0] != '/') {
        std::string verzeichnis = installiertes_datenverzeichnis();
        if (!verzeichnis.empty()) f = fopen((verzeichnis + "/" + name).c_str(), mode);
    }
    return f;
}

int getline(FILE *f, char *buffer, int size)
{
    if (size < 1) return 0;  // not even room for the terminator
    int ergebnis = 1;
    char *p = buffer;
    for (;;) {
        if (--size == 0) break;
        int c = getc(f);
        if (c == EOF) {
            ergebnis = 0;
            break;
        }
        if (c == '\n' || c == '\r') break;
        *p++ = static_cast<char>(c);
    }
    *p = '\0';
    return ergebnis;
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
    bool kueste = false;
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
            if (!kueste) printf("unbekanntes Schluesselwort: %s\n", zeile);
        } else if (kueste && n <= 999) {
            // Lines without two numbers (the empty half of a CR LF line
            // end, for one) are no points; nor are "nan" and "inf", which
            // would be drawn at the drawing area's edge.
            if (sscanf(zeile, "%lf %lf", &laengen[n], &breiten[n]) == 2 && std::isfinite(laengen[n]) &&
                std::isfinite(breiten[n]))
                ++n;
        }
        if (!weiter) break;
    }
    if (n > 0) {
        erdkarte.liniekopieren(laengen, breiten, n);
        ++segmente;
    }
    fclose(f);
    return segmente;
}
