// Saving the picture shown as PNG, SVG or EPS: from the File menu and
// from the command line.
#ifndef UMBRIX_BETRACHTER_BILDSPEICHERN_H
#define UMBRIX_BETRACHTER_BILDSPEICHERN_H

#include "finsternis/finsternis.h"

#include <functional>
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

// Whether name ends in endung (given in small letters), in capitals or
// not, with a name before it.
bool endet_mit(const std::string &name, const char *endung);

using Ueberschreibfrage = bool (*)(const std::string &name);
// Writes the file name whole: schreiben fills a scratch file in the same
// directory (given its name), which then takes the name; nothing
// half-written is left under the name. A link stays one, the file at its
// end is replaced and keeps its mode; a write-protected file is kept.
// fragen, when given, is asked before an existing file is replaced; on no,
// nothing is written and fehler stays empty. was ("Bild", "Film") begins
// the lines: "Bild gespeichert: NAME" printed on success, "Bild nicht
// gespeichert: ..." in fehler on failure.
using Dateischreiber = std::function<bool(const std::string &hilfsdatei)>;
bool datei_ersetzen(const std::string &name, const char *was, const Dateischreiber &schreiben, std::string *fehler,
                    Ueberschreibfrage fragen = nullptr);
// "Datei NAME gibt es schon. Ueberschreiben?", yes or no.
bool ueberschreiben_fragen(const std::string &name);
// The file requester titled titel (beginning "Speichern"), proposing
// vorschlag in the working directory; false on cancel, else the name in
// *gewaehlt.
bool speichername_erfragen(const char *titel, const std::string &vorschlag, std::string *gewaehlt);
// What a save from a menu failed on: printed and shown in a message box
// (nothing when fehler is empty: the user said no).
void speicherfehler_zeigen(const std::string &fehler);

// Saves the frame shown under name, in the format of its ending, through a
// scratch file in the same directory: nothing half-written is left under
// the name (datei_ersetzen).
bool bild_speichern(const std::string &name, std::string *fehler, Ueberschreibfrage fragen = nullptr);

// File -> "Bild speichern...": the file requester proposes a name in the
// working directory; an existing file is replaced only when the user says
// yes; a failure is shown in a message box and printed.
void m_bild(long);

#endif
