// Gregorian calendar dates and Julian day numbers (astronomical year
// numbering, valid from about 4800 BC on).
#ifndef UMBRIX_KALENDER_H
#define UMBRIX_KALENDER_H

namespace ecad {

// Julian day number of a date: the Julian date of its noon.
long tagesnummer(int jahr, int monat, int tag);

// The date whose noon has Julian date tagesnummer.
void datum_aus_tagesnummer(long tagesnummer, int &jahr, int &monat, int &tag);

// The date of the civil day (midnight to midnight) that contains the
// instant jd.
void kalenderdatum(double jd, int &jahr, int &monat, int &tag);

}  // namespace ecad

#endif
