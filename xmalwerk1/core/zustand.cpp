// The plotting state of the library with its defaults at program start.
#include "intern.h"

#include <cstdio>

namespace {
const char FENSTERNAME[] = "  XMALWERK1   Version 2.89";
const char FENSTERNAME_GRAFIKEINGABE[] = " XMALWERK1   Version 2.89           Grafikeingabe !";
const char BILDNAME_VORGABE[] = "BILD.TMP";
}  // namespace

Display *dpy = nullptr;
Display *malwerk_dpy = nullptr;
Screen *screen = nullptr;
Screen *malwerk_screen = nullptr;
Window win10 = 0;
Drawable malwerk_win = 0;
GC gc = nullptr;
GC malwerk_gc = nullptr;
Pixmap dpuffer = 0;
Pixmap leerpuffer = 0;
Pixmap malwerk_rambild = 0;
int malwerk_rambildflag = 0, malwerk_refreshflag = 0;
XEvent malwerk_event;
char displayname[80] = "";
Atom WM_PROTOCOLS = 0, WM_DELETE_WINDOW = 0;
XSetWindowAttributes xswa;
int border = 0;
int dept = 1;
int mydept = 24;
int breite = 1000, hoehe = 700;
int malwerk_breite = 1000, malwerk_hoehe = 700, malwerk_tiefe = 24;
int winbreite = 1001, winhoehe = 701;
int menubalkenhoehe = 0;
int hintergrundflag = 0;
unsigned long malwerk_vordergrundfarbe = 0, malwerk_hintergrundfarbe = 0;
int hintergrundistschwarz = 1;
int fullscreenmodus = 0;
int unsichtbarmodus = 0;
int scxrand = 6, scyrand = 26;
int malwerk_xborder = 0, malwerk_yborder = 0, malwerk_borderflag = 0;
const char *malwerk_fenstername = FENSTERNAME;
char fenstername2[52] = " XMALWERK1   Version 2.89           Grafikeingabe !";
const char *malwerk_version = "Version 2.89";

int modus = 1;
int malwerk_initalflag = 0;
double malwerk_xmin = 0, malwerk_ymin = 0, malwerk_xmax = 0, malwerk_ymax = 0;
double malwerk_xs = 0, malwerk_ys = 0, malwerk_dx = 0, malwerk_dy = 0;
double malwerk_aspect = 1.0;
int mal_farbe = -1;

int qsave1flag = 0, qsaveflag = 0;
const char *malwerk_bildname = nullptr;
const char *malwerk_bildname_default = BILDNAME_VORGABE;
FILE *malwerk_fpbild = nullptr;
int malwerk_iffflag = 0, malwerk_postflag = 0, malwerk_svgflag = 0;

int debug = 0;
int xsync_modus = 0;

void zustand_grundzustand()
{
    // The connection, window and buffers are gone when this runs.
    dpy = malwerk_dpy = nullptr;
    screen = malwerk_screen = nullptr;
    win10 = 0;
    malwerk_win = 0;
    gc = malwerk_gc = nullptr;
    dpuffer = leerpuffer = malwerk_rambild = 0;
    malwerk_rambildflag = malwerk_refreshflag = 0;
    malwerk_event = XEvent{};
    displayname[0] = '\0';
    WM_PROTOCOLS = WM_DELETE_WINDOW = 0;
    xswa = XSetWindowAttributes{};
    border = 0;
    dept = 1;
    mydept = 24;
    breite = malwerk_breite = 1000;
    hoehe = malwerk_hoehe = 700;
    malwerk_tiefe = 24;
    winbreite = 1001;
    winhoehe = 701;
    menubalkenhoehe = 0;
    hintergrundflag = 0;
    malwerk_vordergrundfarbe = malwerk_hintergrundfarbe = 0;
    hintergrundistschwarz = 1;
    fullscreenmodus = 0;
    unsichtbarmodus = 0;
    scxrand = 6;
    scyrand = 26;
    malwerk_xborder = malwerk_yborder = malwerk_borderflag = 0;
    malwerk_fenstername = FENSTERNAME;
    snprintf(fenstername2, sizeof fenstername2, "%s", FENSTERNAME_GRAFIKEINGABE);
    modus = 1;
    malwerk_initalflag = 0;
    malwerk_xmin = malwerk_ymin = malwerk_xmax = malwerk_ymax = 0;
    malwerk_xs = malwerk_ys = malwerk_dx = malwerk_dy = 0;
    malwerk_aspect = 1.0;
    mal_farbe = -1;
    qsave1flag = qsaveflag = 0;
    malwerk_bildname = nullptr;
    malwerk_bildname_default = BILDNAME_VORGABE;
    malwerk_fpbild = nullptr;
    malwerk_iffflag = malwerk_postflag = 0;
    debug = 0;
    xsync_modus = 0;
}
