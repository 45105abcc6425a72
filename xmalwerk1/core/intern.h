// Library-internal plotting state shared by the core, the menus and the
// requesters. Applications use the public copies in malwerk.h instead.
#ifndef XMALWERK1_CORE_INTERN_H
#define XMALWERK1_CORE_INTERN_H

#include "malwerk.h"

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
extern int scxrand, scyrand;
extern char fenstername2[52];
extern int modus;
extern double malwerk_aspect;
extern int qsave1flag, qsaveflag;
extern int debug;
extern int xsync_modus;

// Session steps, called in this order by qinital on first use.
void opengrafik();
void doCreateWindow();
void inital2();
void setfullscreen(Display *display, Window window);
void show_defaultvisual();

// Whether a word can be read from standard input without waiting forever
// (a terminal, or a pipe or file that already holds data or its end).
bool eingabe_lesbar();

// The drawable that every primitive draws into: the back buffer when it
// exists, else the window.
inline Drawable aktuelles_ziel() { return dpuffer ? dpuffer : win10; }

#endif
