// The local circumstances as text: the lines of `umbrix --ort` and of
// `umbrix --liste`.
#ifndef UMBRIX_FINSTERNIS_ORTSZEILEN_H
#define UMBRIX_FINSTERNIS_ORTSZEILEN_H

#include "ortsumstaende.h"

#include <string>
#include <vector>

// The lines that `umbrix --ort` prints (without line ends): "Ort: ...",
// "Finsternis: ...", the contacts, "Groesse: ..." and so on; where nothing
// of the eclipse is seen there (see sichtbar), "Ort: ...", "Finsternis:"
// with the date alone and "Keine Finsternis an diesem Ort.". A place known
// by name is named by ortsname after "Ort: "; else by its coordinates.
std::vector<std::string> ortszeilen(const Elemente &e, const Ort &ort, const Ortsumstaende &u,
                                    const std::string &ortsname = "");

// The line of one visible eclipse in `umbrix --liste`: UT date and time of
// the maximum, kind, magnitude, obscuration in per cent, the Sun's altitude
// at maximum and the duration ("-" where not central), separated by blanks.
std::string listenzeile(const Ortsumstaende &u);

// One eclipse of the file seen from a place, as `umbrix --liste` lists it.
struct Listeneintrag {
    int jahr, monat, tag;  // the record's date, as `umbrix JAHR MONAT` selects it
    int satz;              // the eclipse's index in the file (0: its first)
    std::string zeile;     // the printed line
};

// Every eclipse of the file from year von to bis (inclusive) seen from the
// place, in file order.
std::vector<Listeneintrag> finsternisliste(const std::vector<Elemente> &alle, const Ort &ort, int von, int bis);

#endif
