// Encapsulated PostScript files: the user box fills 750 by 558 points of a
// landscape page; paths are stroked at every move and end of path and cut
// every 100 segments. A picture recorded as the screen shows it keeps the
// window's proportions within that box, and also gets the screen's
// background and its boxes, ellipses and polygons.
#include "intern.h"
#include "plotdatei_intern.h"

#include <algorithm>
#include <cmath>

namespace {

// The turn that lays the drawing's x axis along the page's height, the
// page box the user box fills, and the bounding box on the portrait page.
const int seitenhoehe = 750, seitenbreite = 558;
struct Seitenrand {
    int links, unten, rechts, oben;
};
const Seitenrand plotrand = {-10, -19, 564, 788};
Seitenrand seitenrand = plotrand;

// Four items to a line.
void posten_gezaehlt(FILE *f)
{
    int &n = bildplot_zustand.ncount;
    if (++n > 3) {
        n = 0;
        putc('\n', f);
    }
}

void bewegen(FILE *f, double px, double py)
{
    fprintf(f, " %.2lf %.2lf m ", px, py);
    Bildplotzustand &z = bildplot_zustand;
    z.psx = px;
    z.psy = py;
    z.ps_punkt = z.ps_pfad = true;
}

// End of the recorder's path before a shape, which stands on lines of its own.
void form_beginnen(FILE *f)
{
    ps_plot(f, 0, 0, 4);
    fputs(" newpath", f);
}

void form_beenden(FILE *f, const char *malen)
{
    fprintf(f, " closepath %s\n", malen);
    bildplot_zustand.ncount = 0;
}

void seitenpunkt(FILE *f, double px, double py, const char *befehl)
{
    double sx, sy;
    pix2seite(px, py, &sx, &sy);
    fprintf(f, " %.2lf %.2lf %s", sx, sy, befehl);
}

// X fills a shape over the pixels inside its outline, whose edges lie half
// a pixel before their centres, where its outlines run.
double kante(bool fuellen)
{
    return fuellen ? 0.5 : 0;
}

// The screen's picture begins on its background, colour 0, over the
// whole bounding box (no white edge), and draws in the colour and pen
// of now.
void bildschirm_beginnen(FILE *f)
{
    int r, g, b;
    farbe_null(&r, &g, &b);
    // The drawing's x runs down the page from its top, its y along the page.
    const Seitenrand &rand = seitenrand;
    double x0 = seitenhoehe - rand.oben, x1 = seitenhoehe - rand.unten;
    fprintf(f, "%.4lf %.4lf %.4lf setrgbcolor\n", r / 255.0, g / 255.0, b / 255.0);
    fprintf(f, "newpath %.0lf %d m %.0lf %d d %.0lf %d d %.0lf %d d closepath fill\n", x0, rand.links, x1, rand.links,
            x1, rand.rechts, x0, rand.rechts);
    double dr, dg, db;
    zeichenfarbe(mal_farbe, &dr, &dg, &db);
    postscript_farbe(dr, dg, db);
    postscript_muster(0x40, pattern);
}

// The screen's picture keeps the window's proportions: one scale for both
// axes, the largest that fits the window into the page box, and a
// bounding box around the window's pixels, whose outer halves lie beyond
// the centres of its edge pixels.
void bildschirmmassstab()
{
    double k = std::min(double(seitenhoehe) / (breite - 1), double(seitenbreite) / (hoehe - 1));
    psxcal = k * malwerk_xs;
    psycal = k * malwerk_ys;
    seitenrand.links = int(std::floor(-k / 2));
    seitenrand.rechts = int(std::ceil(k * (hoehe - 0.5)));
    seitenrand.unten = int(std::floor(seitenhoehe - k * (breite - 0.5)));
    seitenrand.oben = int(std::ceil(seitenhoehe + k / 2));
}

}  // namespace

void ps_kopf(FILE *f)
{
    double xmin = malwerk_xmin, ymin = malwerk_ymin, xmax = malwerk_xmax, ymax = malwerk_ymax;
    fprintf(f, "%%!PS-Adobe-2.0 EPSF-1.2\n");
    fprintf(f, "%%%%Creator: xmalwerk1 %s\n", malwerk_version);
    psxcal = seitenhoehe / (xmax - xmin);
    psxmin = xmin;
    psycal = seitenbreite / (ymax - ymin);
    psymin = ymin;
    seitenrand = plotrand;
    if (bildschirmtreu && breite > 1 && hoehe > 1) bildschirmmassstab();
    const Seitenrand &r = seitenrand;
    fprintf(f, "%%%%BoundingBox: %d %d %d %d\n", r.links, r.unten, r.rechts, r.oben);
    fprintf(f, "save\n");
    fprintf(f, "/m /moveto load def\n");
    fprintf(f, "/d /lineto load def\n");
    fprintf(f, "/s /stroke load def\n");
    fprintf(f, "/dsm {2 copy lineto stroke moveto} bind def\n");
    fprintf(f, "/Helvetica findfont 15 scalefont setfont\n");
    fprintf(f, "0 %d translate  -90 rotate\n", seitenhoehe);
    if (bildschirmtreu) bildschirm_beginnen(f);
}

void ps_plot(FILE *f, double x, double y, int ipen)
{
    Bildplotzustand &z = bildplot_zustand;
    double px = psxkor(x), py = psykor(y);
    if (ipen == 2 && !z.ps_pfad) {
        // A stroke, a colour or a text since the last point left the page
        // without (or with another) current point: the draw goes on from
        // the last recorded point, and is a move when there is none.
        if (!z.ps_punkt) {
            ipen = 3;
        } else {
            bewegen(f, z.psx, z.psy);
            posten_gezaehlt(f);
        }
    }
    if (ipen == 2) {
        fprintf(f, " %.2lf %.2lf d", px, py);
        if (++z.pen2count > 99) {
            // "dsm": draw, stroke and go on at the same point, so no path
            // grows beyond the path limits of printers.
            z.pen2count = 0;
            fprintf(f, "sm");
        }
        ++z.lzugi;
        z.psx = px;
        z.psy = py;
    } else {
        if (z.lzugi > 1) {
            fprintf(f, " s\n");
            z.lzugi = 1;
            z.ncount = -1;
        }
        if (ipen == 3)
            bewegen(f, px, py);
        else
            z.ps_pfad = false;
        z.pen2count = 0;
    }
    posten_gezaehlt(f);
}

void ps_schluss(FILE *f)
{
    ps_plot(f, 0, 0, 4);
    fprintf(f, " showpage\nrestore\n");
}

namespace {

void ps_kasten(FILE *f, int x, int y, unsigned b, unsigned h, bool fuellen)
{
    double x0 = x - kante(fuellen), y0 = y - kante(fuellen), x1 = x0 + b, y1 = y0 + h;
    form_beginnen(f);
    seitenpunkt(f, x0, y0, "m");
    seitenpunkt(f, x1, y0, "d");
    seitenpunkt(f, x1, y1, "d");
    seitenpunkt(f, x0, y1, "d");
    form_beenden(f, fuellen ? "fill" : "stroke");
}

void ps_ellipse(FILE *f, int x, int y, unsigned rx, unsigned ry, bool fuellen)
{
    double mx, my, ex, ey;
    pix2seite(x - kante(fuellen), y - kante(fuellen), &mx, &my);
    pix2seite(x - kante(fuellen) + rx, y - kante(fuellen) - ry, &ex, &ey);
    // The unit circle scaled to the radii; the line is stroked after the
    // scale is undone, so its width stays as the pen's. A radius of 0 (a
    // flat ellipse) would leave no matrix to undo.
    form_beginnen(f);
    fprintf(f, " matrix currentmatrix %.2lf %.2lf translate %.4lf %.4lf scale 0 0 1 0 360 arc setmatrix", mx, my,
            std::max(ex - mx, 1e-4), std::max(ey - my, 1e-4));
    form_beenden(f, fuellen ? "fill" : "stroke");
}

void ps_polygon(FILE *f, const XPoint *p, int n)
{
    form_beginnen(f);
    for (int i = 0; i < n; ++i) {
        seitenpunkt(f, p[i].x, p[i].y, i ? "d" : "m");
        if (i % 4 == 3) putc('\n', f);
    }
    form_beenden(f, "eofill");
}

}  // namespace

const Formschreiber ps_formen = {ps_kasten, ps_ellipse, ps_polygon};
