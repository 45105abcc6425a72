// Saving the picture shown as PNG, SVG or EPS: from the File menu and
// from the command line.
#ifndef UMBRIX_BETRACHTER_BILDSPEICHERN_H
#define UMBRIX_BETRACHTER_BILDSPEICHERN_H

#include "finsternis/finsternis.h"

#include <string>

class Bessel;

// How the main loop draws a frame into the back buffer, and the frame on
// the screen: saving draws that frame again the same way.
using Bildzeichner = void (*)(Bessel &, double);
struct GezeigtesBild {
    Bessel *bessel = nullptr;
    double t = 0;
    Bildzeichner zeichnen = nullptr;
};
extern GezeigtesBild gezeigtes_bild;
void bild_gezeigt(Bessel &bessel, double t, Bildzeichner zeichnen);

enum class Bildformat { png, svg, eps, unbekannt };
// By the name's ending, in capitals or not.
Bildformat bildformat(const std::string &name);
extern const char *const bildendungen_meldung;

// "umbrix-JJJJ-MM-TT-HHMM.png" for the moment t of the caption (UT).
std::string bildname_vorschlag(const Elemente &e, double t);

// Saves the frame shown under name, in the format of its ending, through a
// scratch file in the same directory: nothing half-written is left under
// the name. A link stays one, the file at its end is replaced and keeps its
// mode; a write-protected file is kept. fragen, when given, is asked
// before an existing file is replaced; on no, nothing is saved and fehler
// stays empty. Prints "Bild gespeichert: NAME" on success; on failure
// fehler says why.
using Ueberschreibfrage = bool (*)(const std::string &name);
bool bild_speichern(const std::string &name, std::string *fehler, Ueberschreibfrage fragen = nullptr);

// File -> "Bild speichern...": the file requester proposes a name in the
// working directory; an existing file is replaced only when the user says
// yes; a failure is shown in a message box and printed.
void m_bild(long);

#endif
