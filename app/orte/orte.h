// Places by name, from the gazetteer of the GeoNames cities (libgeonames):
// names, states and countries as the user's language has them, time zones,
// population. Links libgeonames; the eclipse library stays free of it.
#ifndef UMBRIX_ORTE_ORTE_H
#define UMBRIX_ORTE_ORTE_H

#include "finsternis/fundamentalebene.h"

#include <string>
#include <vector>

// A place of the gazetteer.
struct Ortsangabe {
    Ort ort;                    // latitude and longitude (height 0)
    std::string name;           // "Springfield"
    std::string staat;          // "Missouri"; may be empty
    std::string land;           // "United States of America"
    std::string zone;           // IANA time zone, "America/Chicago"
    unsigned long einwohner = 0;
    int weitere = 0;            // other places of the same name
};

// The places that the text names, most populous first: a name, compared
// without regard to case, accents and punctuation, in the user's language
// or in English, optionally followed by states or countries after commas
// ("Springfield, Illinois", "Madrid, Spain", "Paris, FR"). Empty with one
// line in *fehler when there is none (the text, and up to five names that
// begin like it) or the text is no name at all (empty, too long, control
// characters, a number).
std::vector<Ortsangabe> orte_suchen(const std::string &text, std::string *fehler);

// The place a name means: the most populous of orte_suchen, with weitere
// set; false with the line of orte_suchen in *fehler.
bool ort_finden(const std::string &text, Ortsangabe *ort, std::string *fehler);

// Whether the text, blanks before it skipped, begins as a number or a
// coordinate does (a digit, a sign, a point) rather than as a name.
bool zahlartig(const char *text);

// The gazetteer's place nearest to the coordinates, within 100 km; false
// when there is none so near.
bool naechster_ort(const Ort &ort, Ortsangabe *naechster);

// "Springfield, Missouri, United States of America (37.2153 -93.2982,
// America/Chicago); 8 weitere Orte dieses Namens": the place as the
// circumstances name it.
std::string ortsangabe_zeile(const Ortsangabe &o);

// The place as the settings store keeps it: the coordinates as ort_text
// has them, then, for a place known by name, zone, name, state, country
// and the number of others of the name, each after a tab; read back by
// ortsangabe_aus_text, which also takes the coordinates alone.
std::string ortsangabe_text(const Ortsangabe &o);
bool ortsangabe_aus_text(const char *text, Ortsangabe *o, std::string *fehler);

#endif
