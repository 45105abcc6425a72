// The eclipse viewer's own state and helpers.
#ifndef UMBRIX_UMBRIX_H
#define UMBRIX_UMBRIX_H

#include <string>

extern int jahr;
extern int monat;
extern int alle;
extern int exitflag;
extern int nextflag;
// What a command with nextflag chose: the record satzwahl of the eclipse
// file (0: its first) when that is not -1; else by satzschritt: 0 the first
// eclipse at or after jahr and monat, 1 the record after the one shown, -1
// the one before.
extern int satzschritt;
extern int satzwahl;
extern unsigned char argflag[128];
extern char *aktuellerpfad;

extern const char *const hilfetext;

// Marks every character of an option argument in argflag.
void setargflags(char *text);

// Reads the command line into jahr, monat, alle and aktuellerpfad (and sets
// PWD for a start by absolute path). Returns 1 when the usage text is due.
int kommandozeile_auswerten(int argc, char **argv);

// The first argument that begins with "--" and names none of the
// command-line forms, or nullptr. Unlike "-x", which sets option letters,
// such an argument is a mistyped form.
const char *unbekannte_option(int argc, char **argv);

// The largest 5:4 rectangle within the usable screen and 1280 x 1024;
// the depth is limited to 8.
void fenstergroesse_berechnen(int *breite, int *hoehe, int *tiefe);

// Opens the window (the menus, if any, declared by menus_anlegen before it
// opens) with the user box centred on the globe, loads the coastlines, the
// path setting and the stored place; returns the box's right edge (its top
// is 1.5).
double globusfenster_oeffnen(void (*menus_anlegen)());

// The data directory of the installation (share/umbrix beside the
// program's bin directory); fopen2 reads from it what it finds nowhere else.
std::string installiertes_datenverzeichnis();

// Menu commands.
void m_next(long);
void m_vorige(long);
void m_set(long);
void m_hilfe(long);
void menu_exit(long);

#endif
