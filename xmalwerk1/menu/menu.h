// xmalwerk1 menus and input events: menu declarations, the menu bar and
// pull-downs, the polling event loop and mouse state, keyboard shortcuts,
// crosshair input and the settings store. Public interface.
#ifndef XMALWERK1_MENU_MENU_H
#define XMALWERK1_MENU_MENU_H

#include <X11/Xlib.h>

// ---------------------------------------------------------------------------
// Menu definitions
// ---------------------------------------------------------------------------
extern int menu_debug;

int setmenu(int anzahl, ...);
int setsubmenu(int anzahl, ...);
int menu_reset();
int menuvorhanden();
int get_menuleistenhoehe();
int menu_clear();
void getmenuids(long idnr, long *idfeld, int anzahl);
void changemenu(long idnr, const char *neuertext);
int menu_switch(long idnr, long *idfeld, int wahl, int anzahl, char **texte, int ab, int bis);

// ---------------------------------------------------------------------------
// Event loop and mouse state
// ---------------------------------------------------------------------------
extern int mal_mausx, mal_mausy;
extern int maustasten_zustand;
extern int maustasten_flag;
extern void (*funk_buttonpress)();
extern void (*funk_buttonrelease)();
extern void (*funk_expose)();
extern void (*funk_motion)();

int waitmenu(int warten);
int maustasten();
int mausposition(double *x, double *y);
int imausposition(int *x, int *y);
void imausklick(int modus, int *x, int *y);
void mausklick(int modus, double *x, double *y);
int keyget(int *anzahl, int *zeichen, int *keysym);
void set_funktions(void (*buttonpress)(), void (*buttonrelease)(), void (*expose)(), void (*motion)());
int automenu_loop();
void automenu_exit();
// 1 once the window manager has asked to close the window (its close button),
// seen by any call of waitmenu; it stays set. The application ends on it
// beside its own exit flag, also where it ignores waitmenu's result.
int schliessen_angefordert();

// ---------------------------------------------------------------------------
// Crosshair graphic input
// ---------------------------------------------------------------------------
void mal_grein(double *x, double *y);
void grein(float *x, float *y);

// ---------------------------------------------------------------------------
// Settings store: one file per key in $ENV, or, without it, in
// $XDG_CONFIG_HOME/<program name> (~/.config/<program name>), made when
// the first value is stored
// ---------------------------------------------------------------------------
char *Getenv(const char *name);
void Setenv(const char *name, const char *wert);

#endif
