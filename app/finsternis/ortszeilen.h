// The local circumstances as text: the lines of `umbrix --ort` and of
// `umbrix --liste`.
#ifndef UMBRIX_FINSTERNIS_ORTSZEILEN_H
#define UMBRIX_FINSTERNIS_ORTSZEILEN_H

#include "ortsumstaende.h"

#include <functional>
#include <string>
#include <vector>

// The place's clock at one instant: its offset from UT and the zone's
// abbreviation ("CDT").
struct Uhrzone {
    long versatz = 0;  // seconds, east of Greenwich positive
    std::string kuerzel;
};

// Gives the clock at an instant, whole seconds of UT from 1.1.1970 0h;
// false where it is not known (UT alone is printed there). The lines know
// no time zones: whoever knows the place's zone hands one in; an empty
// function prints UT alone.
using Ortsuhr = std::function<bool(long long ut_sekunden, Uhrzone *zone)>;

// The lines that `umbrix --ort` prints (without line ends): "Ort: ...",
// "Finsternis: ...", the contacts (in UT, and beside it in the place's
// clock: "18:40:37 UT (13:40:37 CDT)", with the date where it is not the
// eclipse's or the UT date), "Groesse: ..." and so on, and last a line in
// plain words (see antwortzeile); where nothing of the eclipse is seen there
// (see sichtbar), "Ort: ...", "Finsternis:" with the date alone and "Keine
// Finsternis an diesem Ort.". A place known by name is named by ortsname
// after "Ort: "; else by its coordinates.
std::vector<std::string> ortszeilen(const Elemente &e, const Ort &ort, const Ortsumstaende &u,
                                    const Ortsuhr &uhr = Ortsuhr(), const std::string &ortsname = "");

// The answer without astronomy: "Totale Finsternis: 3m49.6s Totalitaet um
// 13:40:37 CDT, Sonne 65 Grad hoch im Sueden." (the start of totality, the
// Sun at the maximum), "Ringfoermige Finsternis: ..." the same way,
// "Partielle Finsternis, 99.9 % der Sonne bedeckt." followed by "Die
// Totalitaet ist 25 km entfernt (Richtung Nord)." where the band lies
// within 1000 km, and "Die Sonne geht waehrend der Finsternis unter." (or
// "auf") where the horizon cuts the eclipse.
std::string antwortzeile(const Elemente &e, const Ort &ort, const Ortsumstaende &u, const Ortsuhr &uhr = Ortsuhr());

// The line of one visible eclipse in `umbrix --liste`: UT date and time of
// the maximum, with a clock its local date, time and zone ("-" each where
// not known), kind, magnitude, obscuration in per cent, the Sun's altitude
// at maximum and the duration ("-" where not central), separated by blanks.
std::string listenzeile(const Ortsumstaende &u, const Ortsuhr &uhr = Ortsuhr());
// The line above them that names their columns.
std::string listenkopf(bool mit_ortszeit);

// One eclipse of the file seen from a place, as `umbrix --liste` lists it.
struct Listeneintrag {
    int jahr, monat, tag;  // the record's date, as `umbrix JAHR MONAT` selects it
    int satz;              // the eclipse's index in the file (0: its first)
    std::string zeile;     // the printed line
};

// Every eclipse of the file from year von to bis (inclusive) seen from the
// place, in file order.
std::vector<Listeneintrag> finsternisliste(const std::vector<Elemente> &alle, const Ort &ort, int von, int bis,
                                           const Ortsuhr &uhr = Ortsuhr());

#endif
