// Encapsulated PostScript files: the user box fills 750 by 558 points of a
// landscape page; paths are stroked at every move and end of path and cut
// every 100 segments.
#include "intern.h"
#include "plotdatei_intern.h"

namespace {

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

}  // namespace

void ps_kopf(FILE *f)
{
    double xmin = malwerk_xmin, ymin = malwerk_ymin, xmax = malwerk_xmax, ymax = malwerk_ymax;
    fprintf(f, "%%!PS-Adobe-2.0 EPSF-1.2\n");
    fprintf(f, "%%%%Creator: xmalwerk1 %s\n", malwerk_version);
    psxcal = 750 / (xmax - xmin);
    psxmin = xmin;
    psycal = 558 / (ymax - ymin);
    psymin = ymin;
    fprintf(f, "%%%%BoundingBox: %d %d %d %d\n", -10, -19, 564, 788);
    fprintf(f, "save\n");
    fprintf(f, "/m /moveto load def\n");
    fprintf(f, "/d /lineto load def\n");
    fprintf(f, "/s /stroke load def\n");
    fprintf(f, "/dsm {2 copy lineto stroke moveto} bind def\n");
    fprintf(f, "/Helvetica findfont 15 scalefont setfont\n");
    fprintf(f, "0 %d translate  -90 rotate\n", 750);
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
