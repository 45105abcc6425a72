// Calendar dates and Julian day numbers: the Julian calendar before 1582
// October 15, the Gregorian from then on; astronomical year numbering
// (year 0 is 1 BC, -584 is 585 BC), valid from 4712 BC on.
#ifndef UMBRIX_FINSTERNIS_KALENDER_H
#define UMBRIX_FINSTERNIS_KALENDER_H

namespace ecad {

// Julian day number of a date: the Julian date of its noon.
long tagesnummer(int jahr, int monat, int tag);

// The date whose noon has Julian date tagesnummer.
void datum_aus_tagesnummer(long tagesnummer, int &jahr, int &monat, int &tag);

// The date of the civil day (midnight to midnight) that contains the
// instant jd.
void kalenderdatum(double jd, int &jahr, int &monat, int &tag);

}  // namespace ecad

// The caption's date and time of day at t hours from T0 of an eclipse of
// date jahr/monat/tag and modified Julian date mjd: frac(mjd) * 24 + t
// hours, a day back or on when that leaves the day, and the date then rolled
// over as a calendar does (day 0 is the last of the month before, the day
// after the 31st of December the 1st of January). A date that is no
// calendar date keeps its month and year and only the day moves. Hours and
// minutes by truncation, 0 for nonsense far out of range, which must not
// reach the conversion to int.
struct Tageszeit {
    long long tag;  // the day before the smallest int is no overflow
    int monat, jahr;
    int stunden, minuten;
};

Tageszeit beschriftungszeit(double mjd, int jahr, int monat, int tag, double t);

#endif
