// Command files of the TELL-A-GRAF plotting package: a page and axis
// layout, then every polyline as a numbered curve of coordinate pairs.
#include "intern.h"
#include "plotdatei_intern.h"

#include <cstdio>

int ncurv = 1;

void textfile_creat(const char * /*name*/)
{
    if (FILE *f = fopen("tella.fdl", "w")) fclose(f);
    // The package wants the file created with particular record attributes,
    // which the host commands "creat/fdl=tella.fdl <name>" and
    // "del tella.fdl;" of the VMS command language give it. A POSIX command
    // processor does not know them: run here they would only print errors,
    // and a file name with shell characters in it would run commands. So
    // they are not run; the empty "tella.fdl" is all that is left, as
    // there.
}

void tella_kopf(FILE *f)
{
    double xmin = malwerk_xmin, ymin = malwerk_ymin, xmax = malwerk_xmax, ymax = malwerk_ymax;
    if (FILE *ini = fopen("TELLA.INI", "r")) {
        printf("TELLA.INI ");
        char zeile[160];
        while (fgets(zeile, sizeof zeile, ini)) fputs(zeile, f);
        fclose(ini);
        printf("eingelesen\n");
    } else {
        fprintf(f, "PAGE LAYOUT IS HRH.\n");
        fprintf(f, "GEN PLOT.\n");
        fprintf(f, "NO PAGE BORDER.\n");
        fprintf(f, "EVERY CURVE SOLID SYMBOL COUNT 0, THICKNESS 0.01.\n");
        fprintf(f, "NO LEGEND.\n");
        fprintf(f, "Y DETACH 90.\n");
        fprintf(f, "X LABEL TEXT 'x-Achse'.\n");
        fprintf(f, "Y LABEL TEXT 'y-Achse'.\n");
        fprintf(f, "TITLE STYLE SERIF, TEXT 'Titel', HEIGHT 0.347.\n");
        fprintf(f, "TITLE BOX 20 100 100 130.\n");
        fprintf(f, "MESSAGE HEIGHT 0.217, FRAME OFF,\n");
        fprintf(f, " UNITS COORDINATE, TEXT 'Message'.\n");
        fprintf(f, "MESSAGE X %lg, MESSAGE Y %lg.\n", (xmin + xmax) / 2, ymin + (ymax - ymin) * 0.94);
        fprintf(f, "GRACE 10.\n");
        fprintf(f, "X ORIGIN 0.87, Y ORIGIN 0.65.\n");
    }

    // Axes from round numbers just inside the box; lengths in centimetres,
    // 15 to 22 across and 12 to 18 down.
    double a = (xmax - xmin) * 0.01;
    double xlow = rundezahl(xmin, xmin + a);
    double xhigh = rundezahl(xmax, xmax - a);
    double dx = xhigh - xlow;
    double laenge = rundezahl(15 / dx, 22 / dx) * dx;
    double b = (ymax - ymin) * 0.01;
    double ylow = (ymax > 0 && ymin < 0) ? 0 : rundezahl(ymin, ymin + b);
    double yhigh = rundezahl(ymax, ymax - b);
    double dy = yhigh - ylow;
    double hoch = rundezahl(12 / dy, 18 / dy) * dy;
    printf("X MINIMUM %lg MAXIMUM %lg.\n", xlow, xhigh);
    printf("Y MINIMUM %lg MAXIMUM %lg.\n", ylow, yhigh);
    printf("laenge=%lfcm  hoehe=%lfcm\n", laenge, hoch);
    fprintf(f, "X AXIS LENGTH %.4lf.\n", laenge / 2.288);
    fprintf(f, "Y AXIS LENGTH %.4lf.\n", hoch / 2.305);
    fprintf(f, "X MINIMUM %lg MAXIMUM %lg.\n", xlow, xhigh);
    fprintf(f, "Y MINIMUM %lg MAXIMUM %lg.\n", ylow, yhigh);
    fprintf(f, "INPUT DATA.\n");
    ncurv = 1;
}

void tella_plot(FILE *f, double x, double y, int ipen)
{
    Bildplotzustand &z = bildplot_zustand;
    // A draw before any move of this file begins the first curve.
    if (ipen == 2 && !z.kurve_offen) ipen = 3;
    if (ipen == 3) {
        fprintf(f, "\n\"%d\"\n", ncurv);
        ++ncurv;
        z.ncount = 0;
        z.kurve_offen = true;
    }
    if (ipen == 2 || ipen == 3) {
        if (z.ncount == 0) putc('\n', f);
        fprintf(f, "%lg %lg ", x, y);
        if (++z.ncount > 4) z.ncount = 0;
    }
}

void tella_schluss(FILE *f)
{
    fprintf(f, "\nEOD.\n");
    fprintf(f, "GO.\n");
}
