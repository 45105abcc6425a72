// xmalwerk1 plotting core: graphics session, screen sizing, coordinates,
// drawing, colours, picture buffers, text and plot files.
// This is the public interface of the core; applications include it
// (or the umbrella header xmalwerk1/xmalwerk1.h) and link libxmalwerk1.a
// together with -lX11 -lpng.
#ifndef XMALWERK1_CORE_MALWERK_H
#define XMALWERK1_CORE_MALWERK_H

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// ---------------------------------------------------------------------------
// Public plotting state
// ---------------------------------------------------------------------------
extern Display *malwerk_dpy;
extern Screen *malwerk_screen;
extern Drawable malwerk_win;
extern GC malwerk_gc;
extern Pixmap dpuffer;            // back buffer, 0 when drawing goes to the window
extern Pixmap leerpuffer;         // saved empty frame
extern Pixmap malwerk_rambild;    // copy of the finished picture for repaints
extern int malwerk_rambildflag, malwerk_refreshflag;
extern XEvent malwerk_event;
extern int malwerk_breite, malwerk_hoehe, malwerk_tiefe;
extern int menubalkenhoehe;
extern int malwerk_initalflag;
extern double malwerk_xmin, malwerk_ymin, malwerk_xmax, malwerk_ymax;
extern double malwerk_xs, malwerk_ys, malwerk_dx, malwerk_dy;
extern unsigned long malwerk_vordergrundfarbe, malwerk_hintergrundfarbe;
extern int malwerk_xborder, malwerk_yborder, malwerk_borderflag;
extern const char *malwerk_fenstername;
extern const char *malwerk_version;
extern const char *MALWERK_SCREENDATEN;
extern int mal_farbe;
extern FILE *malwerk_fpbild;
extern int malwerk_iffflag, malwerk_postflag, malwerk_svgflag;
extern const char *malwerk_bildname;
extern const char *malwerk_bildname_default;

// ---------------------------------------------------------------------------
// Graphics session
// ---------------------------------------------------------------------------
void setsize(int width, int height, int depth);
void getsize(int *width, int *height, int *depth, int *visualclass);
void fullscreen_modus(int on);
// on: the next window is made at the size setsize asked for, whatever room
// the screen has, and never mapped; the pictures, drawn into the back
// buffer, are for files only.
void unsichtbar_modus(int on);
void qinital(int modus, double xmin, double ymin, double xmax, double ymax);
void inital(float *xmin, float *ymin, float *xmax, float *ymax);
int inital_new(double xmin, double ymin, double xmax, double ymax);
// 0, or -1 when the plot file being written could not be completed.
int term_exit();
void term();
[[noreturn]] void err_exit(const char *text);
int set_maltitel(char *title);
double get_malwerk_version();
void mal_setdebug(int level);
void setxsync(int level);
Display *meinXOpenDisplay(const char *name);

// ---------------------------------------------------------------------------
// Screen configuration
// ---------------------------------------------------------------------------
void getmaxsize(int *width, int *height, int *depth, int *visualclass);
FILE *screenmode_file_open();

// ---------------------------------------------------------------------------
// Coordinates
// ---------------------------------------------------------------------------
void koordpix2user(int px, int py, double *x, double *y);
void koorduser2pix(double x, double y, int *px, int *py);
void qkoorduser2pix(double x, double y, int *px, int *py);
void deltakoorduser2pix(double dx, double dy, int *pdx, int *pdy);
void deltakoordpix2user(int pdx, int pdy, double *dx, double *dy);
double psxkor(double x);
double psykor(double y);
void setaspect(double a);
double getaspect();
double getraspect();
int idfix(double v);
double rundezahl(double a, double b);

// ---------------------------------------------------------------------------
// Drawing primitives and pens
// ---------------------------------------------------------------------------
void q2plot(double x, double y, int ipen);
void plot(float *x, float *y, short *ipen);
void iplot(int ix, int iy, int ipen);
void moveto(int ix, int iy);
void lineto(int ix, int iy);
void line(short *n, float *x, float *y);
void mal_line(int n, double *x, double *y);
void iline(int n, int *x, int *y);
void iplotline(int x1, int y1, int x2, int y2, int farbe);
void qpunkt(float *x, float *y);
void mal_punkt(double x, double y, int farbe);
void ipunkt(int x, int y, int farbe);
void ipunkte(const XPoint *punkte, int n, int farbe);
void ipunkte(XPoint *punkte, int n, int farbe);
void color(int farbe);
void rgbcolor(int r, int g, int b);
void bpencolor(int farbe);
void rgbbpencolor(int r, int g, int b);
void setpattern(int muster);
void mal_pen(const char *name);
void pen(const char *name);
void drawmode(int mode);
void mal_flush();
void PLOT_FLUSH();

// Dash descriptions of pen styles 1 to 7 (entry i-1 for style i): byte 0 the
// number of dash elements, byte 1 set for a dashed style, then up to six
// on/off lengths in pixels. An application may change them; setpattern
// reads them at every change of style.
extern unsigned char *gestrichelt[7];

// ---------------------------------------------------------------------------
// Colour table
// ---------------------------------------------------------------------------
void farbtabelle_erstellen();
int setcolor(int index, int r, int g, int b);
int setzergbtabelle(int n, const char *rgb);
void getcolor(int index, int *r, int *g, int *b);
void setmaxfarben(int n);
short mul257(int c);
int div257(int v);
void setzehintergrundweiss();

// ---------------------------------------------------------------------------
// Picture buffers, clearing, refresh and frame pacing
// ---------------------------------------------------------------------------
int changebuffer(int a, int b);
int screenclear(int farbe);
// 0, or -1 when the picture's plot file could not be completed.
int term_refresh();
int waitTOF();
int waitBOF();
int Delay(int n);

// ---------------------------------------------------------------------------
// Text
// ---------------------------------------------------------------------------
class _mal_text {
public:
    int zeichenhoehe = 12;
    int zeichenbreite = 8;
    int hintergrundfarbe = -1;
    XFontStruct *font = nullptr;
};
extern _mal_text mal_text;

int itextsize(int zbreite, int zhoehe, const char *fontmuster, int stil);
double textsize(double zbreite, double zhoehe, const char *fontmuster, int stil);
void ischrift(int x, int y, const char *text, double winkel);
void schrift(double x, double y, const char *text, double winkel);
int fonthoehe(const char *fontname);

// ---------------------------------------------------------------------------
// Plot files
// ---------------------------------------------------------------------------
// The header record of an IFF bitmap (20 bytes), written into the BMHD
// chunk of a vector file with the drawing area's size.
struct BitMapHeader {
    unsigned short w, h;              // width, height
    short x, y;                       // position
    unsigned char nPlanes;            // planes
    unsigned char masking;
    unsigned char compression;
    unsigned char pad1;
    unsigned short transparentColor;
    unsigned char xAspect, yAspect;
    short pageWidth, pageHeight;
};
extern BitMapHeader bmhd;

// art: "IFF...", "POST...", "SVG..." or another text (TELL-A-GRAF) switches
// recording on, "AU..." or "OF..." off; a plain text or a string descriptor.
// SVG files also record boxes, circles, polygons and text.
void plotsave(const char *art);
void bildopen(const char *name);
// Pen codes: 2 draw to, 3 move to, 4 end of path. 0, or -1 once writing
// the plot file has failed (reported once, naming the file).
int bildplot(double x, double y, int ipen);
void bildclose();
void bmhd_speichern();
// Writes anzahl items of groesse bytes, each in big-endian byte order; the
// buffer is left as it was.
void ffwrite(char *daten, int groesse, int anzahl, FILE *ausgabe);
void textfile_creat(const char *name);
// Records one picture, drawn by zeichnen, into the plot file name in the
// format art (as for plotsave); recording is afterwards as it was. False
// (and a message) when the file cannot be opened or written, or another
// plot file is being written.
bool bild_aufzeichnen(const char *art, const char *name, const std::function<void()> &zeichnen);

// ---------------------------------------------------------------------------
// Replacing a file whole
// ---------------------------------------------------------------------------
// The file that a path names in the end: the path itself, or the target of
// the chain of links that it is (a relative target counts from its link's
// directory), also when the last target does not exist yet. Empty for a
// chain that does not end (a cycle), as the system counts it.
std::string linkziel(const std::string &pfad);
// Whether a file renamed over ziel (a path at the end of its links) would
// only replace a file: false for a device, a FIFO, a socket or a directory
// there, which must be kept. A ziel that is not there (or cannot be looked
// at) is left to the making of the scratch file to report.
bool ersetzbar(const std::string &ziel);
// A scratch file beside ziel, open in *fd, with the mode of the file ziel
// (or the one a new file gets): written and renamed over ziel, a reader
// sees the old file or the new, never a part. Its name; empty (errno set)
// when none can be made there.
std::string hilfsdatei_anlegen(const std::string &ziel, int *fd);

// ---------------------------------------------------------------------------
// The picture as an image file
// ---------------------------------------------------------------------------
// Writes the drawing area as it is now drawn (back buffer or window) as a
// PNG file in 8-bit RGB: malwerk_breite x malwerk_hoehe pixels below the
// menu bar, those that user coordinates reach. 1 on success; 0 and a
// message when the picture cannot be read or the file cannot be written.
int png_speichern(const char *name);
// The same pixels as 8-bit RGB rows into rgb, *b x *h of them. False and a
// message when the picture cannot be read.
bool bild_lesen(std::vector<unsigned char> *rgb, int *b, int *h);

// ---------------------------------------------------------------------------
// Boxes, circles and polygons
// ---------------------------------------------------------------------------
void idrawbox(int x1, int y1, int x2, int y2);
void ifillbox(int x1, int y1, int x2, int y2);
void iviereck(int x1, int y1, int x2, int y2, int farbe);
void drawbox(double x1, double y1, double x2, double y2);
void fillbox(double x1, double y1, double x2, double y2);
void idrawcircle(int x, int y, int rx, int ry);
void ifillcircle(int x, int y, int rx, int ry);
void drawcircle(double x, double y, double rx, double ry);
void fillcircle(double x, double y, double rx, double ry);
void ifillpolygon(int n, int *x, int *y);
void fillpolygon(int n, double *x, double *y);
// Two frames, the outer one 3 pixels larger on every side, on the given
// display, drawable and GC (the requesters frame their buttons with it).
void doppelbox(int ohnefarbe, int frei, int farbe, Display *d, Drawable w, GC g, int x, int y, int b, int h);

#endif
