// State of the plot-file recorder, shared by its formats.
#ifndef XMALWERK1_CORE_PLOTDATEI_INTERN_H
#define XMALWERK1_CORE_PLOTDATEI_INTERN_H

#include <X11/Xlib.h>

#include <cstdio>

// What bildplot keeps between calls; reset whenever a file opens, so one
// file never continues the path of the one before.
struct Bildplotzustand {
    // IFF: the record being collected.
    unsigned short ufeld[512] = {};  // x, y pairs in file units
    int npu2 = 0;                    // words used in ufeld
    unsigned char npu = 0;           // points in the record
    unsigned short ux = 0, uy = 0;   // the last point in file units
    unsigned char farbe = 1;         // the record's colour
    // PostScript.
    int lzugi = 1;            // line counter of the current path, its move included
    int pen2count = 0;        // draws since the last path restart
    bool ps_punkt = false;    // a point was recorded in this file
    bool ps_pfad = false;     // the file's current point is that last point
    double psx = 0, psy = 0;  // the last point on the page
    // SVG.
    bool svg_linie = false;  // a polyline element is open
    bool svg_punkt = false;  // a point was recorded in this file
    int svgx = 0, svgy = 0;  // the last point, in pixels of the window
    // PostScript and TELL-A-GRAF: items on the current output line.
    int ncount = 0;
    // TELL-A-GRAF: a curve has been begun in this file.
    bool kurve_offen = false;
};
extern Bildplotzustand bildplot_zustand;

// IFF.
extern int laenge1, laenge2, laenge3;
extern unsigned short uxmax, uymax;
extern double xminsav, yminsav, xssav, yssav;
void iff_kopf(FILE *f);
void iff_plot(FILE *f, double x, double y, int ipen);
// False when the lengths could not be patched (the file cannot seek).
bool iff_schluss(FILE *f);
// File units of one coordinate: 0 for values of 0 or less, rounded, and
// at most 65535 so that it fits its 16-bit field.
unsigned short iff_einheit(double u, double min, double faktor);

// Colour 0, on which a cleared picture begins: the table's entry, or the
// default before the table exists.
void farbe_null(int *r, int *g, int *b);

// The shapes of a format that records them, as kasten_aufzeichnen and the
// others hand them over.
struct Formschreiber {
    void (*kasten)(FILE *f, int x, int y, unsigned b, unsigned h, bool fuellen);
    void (*ellipse)(FILE *f, int x, int y, unsigned rx, unsigned ry, bool fuellen);
    void (*polygon)(FILE *f, const XPoint *p, int n);
};

// PostScript.
void ps_kopf(FILE *f);
void ps_plot(FILE *f, double x, double y, int ipen);
void ps_schluss(FILE *f);
extern const Formschreiber ps_formen;

// SVG.
void svg_kopf(FILE *f);
void svg_plot(FILE *f, double x, double y, int ipen);
void svg_schluss(FILE *f);
extern const Formschreiber svg_formen;

// TELL-A-GRAF.
extern int ncurv;
void tella_kopf(FILE *f);
void tella_plot(FILE *f, double x, double y, int ipen);
void tella_schluss(FILE *f);

#endif
