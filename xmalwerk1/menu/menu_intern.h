// Library-internal parts of the menu subsystem: the declaration tables, the
// laid-out menu, drawing and highlighting, the keyboard opener and the queue
// helpers of the event loop.
#ifndef XMALWERK1_MENU_MENU_INTERN_H
#define XMALWERK1_MENU_MENU_INTERN_H

#include "menu.h"
#include "tastatur.h"

#include <string>
#include <vector>

// ---------------------------------------------------------------------------
// Declaration tables (filled by setmenu and setsubmenu)
// ---------------------------------------------------------------------------
constexpr int MENU_SLOTS = 500;

extern const char *menu_textfeld[MENU_SLOTS];
extern int menu_istsub[MENU_SLOTS];
extern menufunktion menu_funkfeld[MENU_SLOTS];
extern menufunktion menu_sub_funkfeld[MENU_SLOTS];
extern int menu_sub_ifu[MENU_SLOTS];
extern int menu_anzahl, menu_i, menu_isub, menu_k;

// ---------------------------------------------------------------------------
// The laid-out menu
// ---------------------------------------------------------------------------
struct _xsubmenu {
    Window fenster = 0;
    int breite_sub = 0;
    int x = 0, y = 0;                // position in the application window
    std::vector<char *> feldtext;    // owned copies with a blank before and after
    int ntext = 0;
    std::vector<int> feld_x, feld_y;  // text position inside the submenu window
    std::vector<menufunktion> funk;
};

struct _xmenu {
    GC gc = nullptr;
    Window leistenfenster = 0;
    std::vector<Window> klappfenster;
    long leistenmaske = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask;
    long klappmaske = ExposureMask;
    int nspalten = 0;
    int nreihen = 0;
    int nfelder = 0;
    std::vector<int> titel_x;  // nspalten + 1 entries
    int reihenabstand = 0;
    std::vector<int> klappbreite;
    char *titelzeile = nullptr;  // null while no menu is laid out
    std::vector<char *> feldtext;
    std::vector<int> reihenzahl;
    std::vector<_xsubmenu *> feldsub;
    std::vector<int> feld_x, feld_y;
    int offene_spalte = -1;
    int offenes_sub = -1;
    XFontStruct *menufont = nullptr;

    // Frees the owned texts and submenu records and empties the arrays.
    void freigeben();
    ~_xmenu() { freigeben(); }
};

extern _xmenu menu;

// Font metrics of the menu.
extern int pixprobuchst_x, pixprobuchst_y, zeilenabstand;
extern unsigned long higrund, fogrund;
extern int menu0_breite, menu0_hoehe;
extern const char *menu_fontliste[4];

// ---------------------------------------------------------------------------
// Starting over
// ---------------------------------------------------------------------------
// menu_sitzung_vergessen (at the end of a session) forgets the shortcuts,
// the open menu and the input state; menu_grundzustand gives every global
// of the menu subsystem its value at program start. The others do that for
// the state of one file each.
void menu_sitzung_vergessen();
void menu_grundzustand();
void menuaufklapper_grundzustand();
void menuleiste_grundzustand();
void ereignisschleife_vergessen();
void ereignisschleife_grundzustand();
void maus_vergessen();
void menufont_grundzustand();
void menufenster_grundzustand();
void fadenkreuz_grundzustand();

// ---------------------------------------------------------------------------
// Definitions and layout
// ---------------------------------------------------------------------------
void menu_font_anfordern();
void menu_setzen();
// The window-free part of menu_setzen: texts, submenus, sizes and positions.
// Without a loaded font, text widths are estimated from pixprobuchst_x.
void menu_raster_setzen();
// Frees the laid-out record's memory and forgets its window ids and gc
// without any X request (the font stays).
void menu_speicher_freigeben();
int pixtextlaenge(const char *text);
char *dublikat(const char *text);
void straddblank(char *puffer, const char *text);
int reihe_ermitteln(int spalte, int x, int y);
int subreihe_ermitteln(int zelle, int x, int y);

// ---------------------------------------------------------------------------
// Item texts: leading '%' codes
// ---------------------------------------------------------------------------
struct MenuMarkup {
    std::string symbole;     // code letters that take a symbol box, in order
    const char *label = "";  // the rest of the text, drawn as it is
    char taste = 0;          // shortcut key as written after "%A", or 0
};
// Splits a stored item text (leading blanks allowed) into its symbols,
// label and shortcut key.
MenuMarkup markup_zerlegen(const char *text);

// ---------------------------------------------------------------------------
// Bar and pull-downs
// ---------------------------------------------------------------------------
void menuleiste_anschreiben();
void anschreibenwin(unsigned long fenster, int x, int y, const char *text, int titelbreite, int breite, int reihe,
                    int letzte);
void menu_klappen(int x, int y);
void menu_markieren(int x, int y);
void submenu_markieren(int reihe);
void submenu_klappen(unsigned long fenster, int zelle);
// Redraw of an exposed pull-down or submenu (items, frame and highlight).
void klappfenster_zeichnen(int spalte);
void subfenster_zeichnen(int zelle);
// Draws again the highlight frame that lives in an exposed window.
void markierung_nachzeichnen(unsigned long fenster);
// Chooses the item under (x, y) of the open pull-down or submenu: closes the
// menu and calls the item's function. Shared by a release on the bar and
// the keyboard opener.
void menu_waehlen(int x, int y);
// Counts selections (menu items and shortcuts), so that a waiting event
// loop knows that one happened.
extern unsigned long menu_auswahlzaehler;

// The keyboard menu opener: the menu held open without a button, steered
// by arrow keys or by the pointer over the application window.
class Menuaufklapper {
public:
    int offen;
    int x, y;  // virtual pointer position in bar coordinates

    Menuaufklapper();
    void setoffen(int wert);
    int istoffen();
    void einaus();
    void setxy(int neu_x, int neu_y);
    int key(unsigned long keysym);
    void auswahl();
};

extern Menuaufklapper klappr;

// ---------------------------------------------------------------------------
// Event queue
// ---------------------------------------------------------------------------
int myXCheckEvent(Display *display, int typ, XEvent *ereignis);
Bool predicate(Display *display, XEvent *ereignis, XPointer fenster);
Bool predicate2(Display *display, XEvent *ereignis, XPointer fenster);
// Windows of the program besides the application window and the menu's
// own: a requester registers its window while it is open, so that the
// event loop never throws its events away.
void fenster_anmelden(Window fenster);
void fenster_abmelden(Window fenster);
// Whether an event belongs to the program (its window is one of ours, or a
// keyboard mapping change): such an event is never dropped from the queue.
bool eigenes_ereignis(const XEvent &ereignis);
// Blocks until an event that gewollt accepts arrives and takes it (true).
// The window manager's close request ends the wait instead: it is
// remembered for schliessen_angefordert and the result is false. Other
// events of the program stay queued; strangers' events are dropped.
bool ereignis_abwarten(Display *d, XEvent *ereignis, Bool (*gewollt)(Display *, XEvent *, XPointer), XPointer arg);
// For a polling wait: takes a queued close request and remembers it (true).
bool schliessanfrage_nehmen(Display *d);
// Whether a client message is the window manager's close request, and
// remembering one that a loop other than waitmenu took.
bool ist_schliessanfrage(const XClientMessageEvent &e);
void schliessen_merken();

// ---------------------------------------------------------------------------
// Crosshair input
// ---------------------------------------------------------------------------
// Moves the crosshair to window pixel (x, y); (-1, -1) removes it.
int grein_fadenkreuz(int x, int y);
// Draws the two lines once (a second time removes them).
void grein_faden_zeichnen(GC g, int x, int y);
// The crosshair's graphics context belongs to the display connection: it is
// freed before the connection closes, and made anew on the next one.
void fadenkreuz_vergessen();

#endif
