// The drawing colour: table and direct colours, text background colour,
// and normal or complement drawing.
#include "intern.h"

#include <cstdio>

namespace {

// Pixel value used while complement drawing is on; 0 when it is off.
unsigned long pixelwert = 0;
bool farbe_gemeldet = false;

bool farbe_melden(int farbe)
{
    if (!farbe_gemeldet) {
        farbe_gemeldet = true;
        if (tabellenmodus(farbe))
            printf("ERROR in color(): Farbe %d nicht in der Farbtabelle (0..%d)\n", farbe,
                   farbtabelle_anzahl - 1);
        else
            printf("ERROR in color(): Farbwert %d ungueltig\n", farbe);
    }
    return false;
}

}  // namespace

void postscript_farbe(double r, double g, double b)
{
    // White lines on a black screen are black lines on white paper; a
    // picture recorded as the screen shows it keeps the screen's black.
    if (hintergrundistschwarz && !bildschirmtreu && r == g && g == b) r = g = b = 1 - r;
    fprintf(malwerk_fpbild, "%lf %lf %lf setrgbcolor\n", r, g, b);
}

void zeichenfarbe(int farbe, double *r, double *g, double *b)
{
    if (farbe < 0 || (tabellenmodus(farbe) && (!colortabelle || farbe >= farbtabelle_anzahl))) {
        unsigned long p = malwerk_vordergrundfarbe;
        farbkomponenten(static_cast<int>(p & 0xFFFFFF), false, r, g, b);
    } else {
        farbkomponenten(farbe, tabellenmodus(farbe), r, g, b);
    }
}

void farbkomponenten(int farbe, bool tabelle, double *r, double *g, double *b)
{
    if (tabelle) {
        const XColor &c = colortabelle[farbe];
        *r = c.red / 65535.0;
        *g = c.green / 65535.0;
        *b = c.blue / 65535.0;
    } else {
        *r = ((farbe >> 16) & 255) / 255.0;
        *g = ((farbe >> 8) & 255) / 255.0;
        *b = (farbe & 255) / 255.0;
    }
}

bool tabellenmodus(int farbe)
{
    return malwerk_tiefe <= 23 || (colortabelle && farbe < maximaleanzahlfarben);
}

bool farbpixel(int farbe, unsigned long *pixel)
{
    if (tabellenmodus(farbe)) {
        if (!colortabelle || farbe < 0 || farbe >= farbtabelle_anzahl) return farbe_melden(farbe);
        *pixel = colortabelle[farbe].pixel;
    } else {
        if (farbe < 0) return farbe_melden(farbe);
        *pixel = static_cast<unsigned long>(farbe);
    }
    return true;
}

void color(int farbe)
{
    if (!anzeige_offen("color")) return;
    bool tabelle = tabellenmodus(farbe);
    if (tabelle && !colortabelle) farbtabelle_erstellen();
    unsigned long pixel;
    if (!farbpixel(farbe, &pixel)) return;
    PLOT_FLUSH();
    XSetForeground(dpy, gc, pixel);
    if (qsaveflag && malwerk_postflag) {
        bildplot(0, 0, 4);
        if (malwerk_fpbild) {
            double r, g, b;
            farbkomponenten(farbe, tabelle, &r, &g, &b);
            postscript_farbe(r, g, b);
        }
    }
    mal_farbe = farbe;
    // An SVG polyline carries its colour: the next draw begins a new one.
    if (qsaveflag && malwerk_svgflag) bildplot(0, 0, 4);
}

void rgbcolor(int r, int g, int b)
{
    color((r << 16) + (g << 8) + b);
}

void bpencolor(int farbe)
{
    mal_text.hintergrundfarbe = farbe;
}

void rgbbpencolor(int r, int g, int b)
{
    bpencolor((r << 16) + (g << 8) + b);
}

void drawmode(int mode)
{
    if (!anzeige_offen("drawmode")) return;
    if (mode == 3) {
        if (colortabelle) {
            pixelwert = colortabelle[0].pixel;
            if (pixelwert == 0 && farbtabelle_anzahl > 1) pixelwert = colortabelle[1].pixel;
            XSetForeground(dpy, gc, pixelwert);
            XSetFunction(dpy, gc, pixelwert ? GXxor : GXequiv);
        } else {
            pixelwert = 0xFFFFFF;
            XSetForeground(dpy, gc, pixelwert);
            XSetFunction(dpy, gc, GXxor);
        }
        return;
    }
    if (pixelwert) {
        // Back to the current colour; before any colour was set, to the
        // foreground the window was opened with.
        unsigned long pixel = malwerk_vordergrundfarbe;
        if (mal_farbe >= 0) farbpixel(mal_farbe, &pixel);
        XSetForeground(dpy, gc, pixel);
        pixelwert = 0;
    }
    if (mode == 1 || mode == 2)
        XSetFunction(dpy, gc, GXcopy);
    else if (!colortabelle)
        printf("Error in drawmode(): wrong mode=%d\n", mode);
}

void farbe_grundzustand()
{
    pixelwert = 0;
    farbe_gemeldet = false;
}
