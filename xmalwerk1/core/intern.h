// Library-internal plotting state shared by the core, the menus and the
// requesters. Applications use the public copies in malwerk.h instead.
#ifndef XMALWERK1_CORE_INTERN_H
#define XMALWERK1_CORE_INTERN_H

#include "malwerk.h"

#include <string>

extern Display *dpy;
extern Screen *screen;
extern Window win10;
extern GC gc;
extern char displayname[80];
extern Atom WM_PROTOCOLS, WM_DELETE_WINDOW;
extern XSetWindowAttributes xswa;
extern int border;
extern int dept;
extern int mydept;
extern int breite, hoehe;
extern int winbreite, winhoehe;
extern int hintergrundflag;
extern int hintergrundistschwarz;
extern int fullscreenmodus;
extern int unsichtbarmodus;
extern int scxrand, scyrand;
extern char fenstername2[52];
extern int modus;
extern double malwerk_aspect;
extern int qsave1flag, qsaveflag;
// bildclose, telling whether the plot file was written completely (a
// failure has been reported, naming the file).
bool bild_schliessen();
extern int debug;
extern int xsync_modus;

// Session steps, called in this order by qinital on first use.
void opengrafik();
void doCreateWindow();
void inital2();
void setfullscreen(Display *display, Window window);
void show_defaultvisual();

// Window and drawing-area sizes. fenstergroesse_festlegen turns what
// setsize left (0: as large as the screen allows, negative: ten-thousandths
// of the other side) into the window's size within maxbreite × maxhoehe.
struct Fenstermasse {
    int winbreite, winhoehe, breite, hoehe;
};
void fenstergroesse_festlegen(Fenstermasse &m, int maxbreite, int maxhoehe, int menuhoehe);

// Starting over. sitzung_vergessen (run by term_exit) forgets what belonged
// to the closed connection and gives back the sizes that setsize asked for,
// so a new session starts as the first did. malwerk_grundzustand ends an
// open session and gives every global of the library its value at program
// start. The *_grundzustand functions do that for the state of one file.
void sitzung_vergessen();
void malwerk_grundzustand();
void zustand_grundzustand();
void sitzung_grundzustand();
void farbe_grundzustand();
void pruefungen_grundzustand();
void plotter_grundzustand();
void puffer_grundzustand();

// Window-manager conventions. fenstertitel_setzen gives the library's
// window a new title (WM_NAME as it is, _NET_WM_NAME in UTF-8); every
// title change goes through it. fensternamen_setzen does the same for any
// window; fensterkennung_setzen sets WM_CLASS (program name, capitalised
// class), WM_CLIENT_MACHINE and _NET_WM_PID; vollbild_anfordern asks for
// the whole screen through _NET_WM_STATE (before the window is mapped).
void fenstertitel_setzen(const char *titel);
void fensternamen_setzen(Display *d, Window w, const char *titel);
void fensterkennung_setzen(Display *d, Window w);
void vollbild_anfordern(Display *d, Window w);
// A title in UTF-8: kept when it is well-formed UTF-8, else read as ISO 8859-1.
std::string titel_als_utf8(const char *titel);
// The program's name (as started, without directories) and its class
// (the same, first letter in capitals).
void programmklasse(std::string *name, std::string *klasse);

// Installs the library's X error handlers (once; Xlib keeps them per
// process): a protocol error prints one line and the program goes on, a
// lost connection ends it with a message and status 1.
void fehlerbehandlung_setzen();
// Forgets the errors counted so far.
void xfehler_grundzustand();

// Whether a word can be read from standard input without waiting forever
// (a terminal, or a pipe or file that already holds data or its end).
bool eingabe_lesbar();
// One line of standard input, read byte by byte so that nothing of the
// next answer is swallowed; without a terminal only what is already there
// is read. False when nothing could be read.
bool zeile_lesen(char *ziel, size_t groesse);

// Colour table. rgbtabelle holds the defaults of colours 0 to 31; the
// table itself exists from the first colour in table mode on, with
// farbtabelle_anzahl entries (0 while it does not exist).
extern unsigned char rgbtabelle[32][3];
extern XColor *colortabelle;
extern int farbtabelle_anzahl;
extern int maximaleanzahlfarben;
// Frees the table (its pixels belong to one connection); the next colour
// builds it again.
void farbtabelle_vergessen();
void farben_grundzustand();

// PostScript page mapping of the user box (see psxkor, psykor).
extern double psxmin, psymin, psxcal, psycal;
// A window pixel position (in fractions of pixels) on the PostScript page.
void pix2seite(double px, double py, double *sx, double *sy);

// Pen state: the stored pattern and the pending polyline's point count.
extern short pattern;
extern int plo_i;

// Dash descriptions: count, dashed flag, up to six on/off lengths.
extern unsigned char normaleLinie[8];
extern const char patt_tabelle[];

// Pure pieces of pen, font and text handling, kept free of X.
int stift_code(const char *name, int muster);
int font_waehlen(char *const *namen, int anzahl, int zhoehe);
void ps_fontskala(int zbreite, int ascent, int flaechenbreite, int flaechenhoehe, int *sx, int *sy);
void ps_text_schreiben(FILE *f, const char *text);
// One step of a fallback font pattern: one character shorter, still ending
// in a star; false (and the pattern unchanged) when it has one character
// or none.
bool fontmuster_kuerzen(char *muster);

// Guards for calls that need an open display or a sane count. Each kind of
// misuse is reported once, so an animation loop does not flood the output.
bool anzeige_offen(const char *funktion);
bool anzahl_gueltig(const char *funktion, int n);
// The pixel of colour farbe as color() would set it; false (and a message)
// when farbe is no colour in the current mode.
bool farbpixel(int farbe, unsigned long *pixel);
// Whether color() takes farbe as an index into the colour table.
bool tabellenmodus(int farbe);
// Red, green and blue (0..1) of a colour as color() sets it: the table's
// entry, or the direct 0xRRGGBB value.
void farbkomponenten(int farbe, bool tabelle, double *r, double *g, double *b);
// The dash elements of pen pattern muster (in *elemente); 0 for a solid line.
int strichelemente(int muster, const unsigned char **elemente);
// The colour that drawing in farbe gives: for no colour (none set yet),
// the foreground the window was opened with.
void zeichenfarbe(int farbe, double *r, double *g, double *b);
// PostScript commands of the open plot file: a colour (0..1), and the
// change of line width and dashes from pen pattern alt to neu.
void postscript_farbe(double r, double g, double b);
void postscript_muster(int alt, int neu);

// Shapes and text go to the plot file in pixels of the window: SVG files
// always record them, PostScript files only a picture recorded as the
// screen shows it (bildschirmtreu, set by bild_aufzeichnen), which also
// gets the screen's background and keeps its greys.
extern bool bildschirmtreu;
inline bool svg_offen() { return qsaveflag && malwerk_svgflag && malwerk_fpbild; }
// A box at pixel (x, y) of b x h pixels (filled: the pixels it covers;
// outlined: through the centres of its corner pixels), an ellipse around
// the pixel (x, y), a polygon filled by the even-odd rule.
void kasten_aufzeichnen(int x, int y, unsigned b, unsigned h, bool fuellen);
void ellipse_aufzeichnen(int x, int y, unsigned rx, unsigned ry, bool fuellen);
void polygon_aufzeichnen(const XPoint *p, int n);
void svg_text(int x, int y, const char *text, double winkel);
// Whether PostScript commands go to the plot file now.
inline bool postscript_offen() { return qsaveflag && malwerk_postflag && malwerk_fpbild; }

// A pixel coordinate pinned into the 16 bits of an X request.
inline short pixel16(int v)
{
    return static_cast<short>(v < -32768 ? -32768 : (v > 32767 ? 32767 : v));
}

// The drawable that every primitive draws into: the back buffer when it
// exists, else the window.
inline Drawable aktuelles_ziel() { return dpuffer ? dpuffer : win10; }
// One plain copy of the whole window area between two drawables, whatever
// drawing mode the graphics context is in.
void ganz_kopieren(Drawable von, Drawable nach);

#endif
