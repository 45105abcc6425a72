// Library-internal parts of the requester subsystem: the gadget records,
// the shared text buffers, the scroll bar, the requester font and cell,
// the drawing and editing routines and the engine.
#ifndef XMALWERK1_REQUESTER_REQUESTER_INTERN_H
#define XMALWERK1_REQUESTER_REQUESTER_INTERN_H

#include "requester.h"
#include "../core/malwerk.h"  // doppelbox

#include <X11/Xlib.h>

struct Gadget2;

// One gadget of a requester window.
struct NewGadget {
    short x;
    short y;
    short breite;
    short hoehe;
    const char *text;      // label, button caption, or the whole list (one entry a line)
    unsigned short strnr;  // index of the gadget's buffer in gadgetstr
    int typ;               // 1, 4, 15: text fields; 16: button; 17: list
    void *ziel;            // the caller's variable or text buffer; null for buttons
    Gadget2 *liste;        // record made by machgadget
};

// List record of a gadget, made by machgadget and kept for the whole run.
struct Gadget2 {
    Gadget2 *next;
    short x;
    short y;
    short breite;  // for a list: without the scroll bar
    short hoehe;
    short typ;
    const char *text;
    short strnr;
    char **eintraege;
    short anzahl;
    short erster;
    short sichtbar;
    short zeilenhoehe;
};

// The text buffer of one gadget.
class gadgetstring {
public:
    char text[400];
    char *anzeige;  // first shown character: text + anfang
    int anfang;     // horizontal scroll
    int maxlaenge;  // display and copy limit
    gadgetstring();
    gadgetstring(const gadgetstring &) = delete;  // anzeige points into text
    gadgetstring &operator=(const gadgetstring &) = delete;
    int inc(int d);
    void set(const char *s);
};

// The scroll bar shared by every list.
class Schiebebalken {
public:
    Gadget2 *liste;
    int bahn;
    int bahnhalbe;
    int griff;
    int bezug;
    int fang;
    double anteil;
    double proeintrag;
    int zustand;  // 0 idle, -5 thumb being dragged
    int unten;
    int oben;
    Schiebebalken();
    // Measures list L; returns the thumb length and stores the thumb's
    // offset from the top of the track in *versatz (when given).
    int calc(Gadget2 *L, int *versatz = nullptr);
    // The list's first entry for a drag at height y (the first call grabs).
    int ineu(int y);
    void reset();
};

// The file requester in progress.
class Requester {
public:
    int typ = 0;  // 16 or 17 while one runs
    int pfadnr = 0;
    int dateinr = 0;
};

constexpr int ANZAHL_GADGETS = 22;
constexpr int ANZAHL_PUFFER = 20;
constexpr int EINGABE_MAX = 80;  // typed text is limited to this many characters

extern NewGadget newgadgets[ANZAHL_GADGETS];
extern gadgetstring gadgetstr[ANZAHL_PUFFER];
extern Schiebebalken schiebebalken;
extern Requester aktiver_requester;
extern Gadget2 *mal_gadgetliste;
// The entry that a list gadget took last (the row of its bar plus its
// first shown entry); -1 for none.
extern int listenwahl;

// Requester font and character cell.
extern Display *requester_dpy;
extern XFontStruct *requ_fontstruct;
extern int requester_font_flag;
extern int reqpixprobuchst_x, reqpixprobuchst_y;
extern const char *requ_fontliste[4];
extern char defaultfontname[20];
extern unsigned long reqhigrund, reqfogrund;
extern int DELL, DELR;

// The buffer of a gadget; gadgets beyond the 20 buffers (the buttons of a
// form with 20 fields) share a spare one.
gadgetstring &puffer_von(const NewGadget *g);

void requester_font_anfordern(int modus);
// Frees the requester font and closes the connection that the requesters
// opened themselves; the next requester loads its font anew. Before the
// main connection closes, since the font may live on it.
void requester_verbindung_schliessen();
// Every global of the requesters back to its value at program start; the
// others do that for the state of one file each.
void requester_grundzustand();
void requesterfont_grundzustand();
void dateinavigation_grundzustand();
// 1 when a requester can be shown (display and font present).
int requester_bereit();
struct Rechteck;
// Gadget i of newgadgets over r, with its own buffer (i) holding puffertext.
void gadget_setzen(int i, const Rechteck &r, const char *text, int typ, void *ziel, const char *puffertext);
Gadget2 *machgadget(NewGadget *g, int sichtbar);
void gadgets_anschreiben(Window w, GC g, int anzahl, int hoch, int ab, int markiert);
void ngxdrawstr(Window w, GC g, NewGadget *ng, const char *s, int dy, int modus, int mark);
void ngxdrawauswahlbox(Window w, GC g, NewGadget *ng);
int ngnextmark(Window w, GC g, NewGadget *ng, int d);
int eingabekursor(Window w, GC g, NewGadget *ng, int mx, int my, int pos);
void eingabekursor_off(int *aktiv);
int zeicheninsert(int zeichen, int pos, char *text, int max);
int istinnerhalb(int v, int a, int b);
int istinnerhalb(int x, int y, int x1, int y1, int x2, int y2);
int get_ngtyp(int typ);
int IS_REQTYP_AUSWAHL(int reqtyp);
// A requester's window on requester_dpy (border 5, black on white, the
// requester font, WM_NAME titel), mapped raised; it goes with its graphics
// context when the object ends, on every return path, and the server is
// synchronised so that it is gone when the requester returns.
struct Requesterfenster {
    Display *d;
    Window w = 0;
    GC g = nullptr;
    Requesterfenster(int x, int y, int breite, int hoehe, long maske, const char *titel);
    ~Requesterfenster();
    Requesterfenster(const Requesterfenster &) = delete;
    Requesterfenster &operator=(const Requesterfenster &) = delete;
};

// aktiv: the gadget active when the window opens, with its cursor at pos (a
// list: the bar on that row, its entry taken); -1: none.
int xrequester_start(int anzahl, NewGadget *gadgets, int hoch, int, int breite, int hoehe, const char *titel,
                     int reqtyp, int aktiv = -1, int pos = 0);

// Keyboard helpers (with the keyboard shortcuts of the menus).
int schlechte_tastatur(unsigned long keysym);
int strncmpgross(const char *text, const char *name, int n);

// ---------------------------------------------------------------------------
// File requester
// ---------------------------------------------------------------------------
// Display width of the name part of a listing line in the list (set by
// every listing).
extern int darstellungsbreite;
// The line above the list of a list requester while one runs, else null.
extern const char *listenueberschrift;
// The filter in effect for re-listings: the filter field's buffer while a
// requester with a filter field runs, else null.
extern char *g_filter;
// The device list shown by the devices button, and the path field's text
// while it is shown.
extern const char *const GERAETELISTE;
extern const char *const GERAETEPFAD;
// A list's entry count is a short.
constexpr int MAX_LISTENEINTRAEGE = 32767;

int requester_datei(char *pfad, char *datei, int, int, int zeilen, int flags, const char *titel, char *filter,
                    const char *ok, const char *abbruch, const char *knopf1, const char *knopf2);
// Sorted listing of the directory pfad (new text, the caller deletes it).
char *getfileliste(const char *pfad, const char *filter, int breite);
// The name of a list entry (a listing line, a device line, "..") within n
// bytes, blanks inside it kept; and what the entry is.
enum class Eintragsart { datei, verzeichnis, verweis, geraet, anderes };
Eintragsart eintrag_zerlegen(const char *eintrag, char *name, int n);
int namenvergleich(const char *a, const char *b);
char *sortieren(char *text);  // sorted copy; deletes text
int filtervergleich(const char *name, const char *muster);
int filtervergleich1(const char *name, const char *muster);
void textkuerzen(const char *eintrag, char *ziel, int breite, int groesse);
void fileliste_ins_gadget_kopieren(const char *text, Gadget2 *liste);
void fileliste_aktualisieren(Gadget2 *liste, char *pfad);
void ngnewpath(NewGadget *gadgets);
int ngnewdir(Window w, GC g, NewGadget *gadgets, int index, char art);
int ngnextdir(Window w, GC g, NewGadget *liste, int zeile, int zurueck);
int neuerdateitext(Window w, GC g, int hoch, NewGadget *liste, int zeile, int anzahl, int mx, int my);

// File names: a-1 and b-1 characters at most (b = 0: as a); max = 0: room
// for both, a null ziel is allocated (the caller deletes it).
void splitpfad(const char *name, char *pfad, char *datei, int a, int b);
char *joinpfad(const char *pfad, const char *datei, char *ziel, int max);
// The directory above pfad ("/" above "/usr", "" above "usr"), within n bytes.
void elternpfad(const char *pfad, char *ziel, int n);
// The directory of a device entry (ROOT, HOME, PWD, CDROM), within n bytes.
void geraetepfad(const char *geraet, char *ziel, int n);

#endif
