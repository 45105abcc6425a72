// The plotting state of the library with its defaults at program start.
#include "intern.h"

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
int scxrand = 6, scyrand = 26;
int malwerk_xborder = 0, malwerk_yborder = 0, malwerk_borderflag = 0;
const char *malwerk_fenstername = "  XMALWERK1   Version 2.89";
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
const char *malwerk_bildname_default = "BILD.TMP";
FILE *malwerk_fpbild = nullptr;
int malwerk_iffflag = 0, malwerk_postflag = 0, malwerk_svgflag = 0;

int debug = 0;
int xsync_modus = 0;
