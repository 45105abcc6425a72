// The command-line forms of umbrix: each answers from the arguments and
// ends with an exit status. One table holds them all; a form is one file
// with its run function and one row of the table.
#ifndef UMBRIX_BEFEHLE_BEFEHLE_H
#define UMBRIX_BEFEHLE_BEFEHLE_H

#include "finsternis/finsternis.h"

#include <cstdio>
#include <string>
#include <vector>

struct Befehlsform {
    const char *name;       // the first argument, "--ort"
    const char *anwendung;  // its line of the usage text, after "umbrix "
    int (*ausfuehren)(int argc, char **argv);  // the exit status
};

// The form that the first argument names; else, for a form's name further
// on, one with a single dash ("-ort") or an argument that begins with "--"
// and names none of them (a mistyped form), the form that says so; for
// "--help" or "-h" the usage text; nullptr when the arguments are the
// viewer's.
const Befehlsform *befehlsform(int argc, char **argv);

// Runs the form; what it printed must have reached standard output (a full
// disc, a closed descriptor): else one line says so and a success becomes
// status 1.
int befehl_ausfuehren(const Befehlsform &form, int argc, char **argv);

// A fault of a form: one line "umbrix: text" on standard error. Gives
// status back.
int befehl_fehler(const std::string &text, int status);

// A whole number within von..bis.
bool ganze_zahl(const char *text, int von, int bis, int *wert);

// The version and the usage text, every form's line.
void anwendung_zeigen(std::FILE *aus);
// The usage text on standard output, with status 0 once it is written.
int anwendung_ausgeben();
// One form's line of it: "Anwendung: umbrix --pfad [Jahr [Monat [Tag]]]".
std::string anwendungszeile(const char *name);

// The eclipse file, found as the viewer finds it: every eclipse (and, when
// asked for, its record), or false with the line that says why: no file, no
// record, a broken record.
bool finsternisdatei_lesen(std::vector<Elemente> *alle, std::string *fehler,
                           std::vector<Besselsatz> *saetze = nullptr);

// Takes --deltat SEKUNDEN out of the arguments (not after "--") and has
// every eclipse read with that Delta T; false with the line that says what
// is wrong with it.
bool delta_t_abtrennen(int *argc, char **argv, std::string *fehler);
// The arguments without the first "--" after the form's name; their count.
int ohne_trenner(int argc, char **argv);

// The forms' run functions.
int ortbefehl(int argc, char **argv);    // --ort
int listenbefehl(int argc, char **argv); // --liste
int pfadbefehl(int argc, char **argv);   // --pfad
int bildbefehl(int argc, char **argv);   // --bild
int suchbefehl(int argc, char **argv);   // --suche
int kanonbefehl(int argc, char **argv);  // --kanon
int elementebefehl(int argc, char **argv);  // --elemente
int filmbefehl(int argc, char **argv);   // --film

#endif
