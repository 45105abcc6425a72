// The place's clock: UT instants in the local time of a time zone of the
// system's time zone database (tzdata), named as IANA names it
// ("America/Chicago"), with summer time as it was or will be then; and the
// lines of --ort and --liste with it. The eclipse library knows no zones:
// this room hands it the clock.
#ifndef UMBRIX_ORTSZEIT_ORTSZEIT_H
#define UMBRIX_ORTSZEIT_ORTSZEIT_H

#include "finsternis/finsternis.h"

#include <string>
#include <vector>

// True when zone names a zone of the database.
bool zeitzone_gibt_es(const std::string &zone);

// The clock of zone at an instant (whole seconds of UT from 1.1.1970 0h):
// false for an empty or unknown name and before the zone's first rule,
// while it kept local mean time ("LMT").
bool zonenzeit(const std::string &zone, long long ut_sekunden, Uhrzone *z);

// The clock of zone for the line functions; an empty function (UT alone)
// for an empty or unknown name.
Ortsuhr ortsuhr(const std::string &zone);

// The lines of --ort and --liste with the times also in zone (empty: UT
// alone); a place known by name named by ortsname.
std::vector<std::string> ortszeilen(const Elemente &e, const Ort &ort, const Ortsumstaende &u,
                                    const std::string &zone, const std::string &ortsname = "");
std::vector<Listeneintrag> finsternisliste(const std::vector<Elemente> &alle, const Ort &ort, int von, int bis,
                                           const std::string &zone);

#endif
