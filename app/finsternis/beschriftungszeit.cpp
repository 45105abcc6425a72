// The caption's date and time of day, shared by the viewer and the data tools.
#include "kalender.h"

#include <cmath>

namespace {

// Dates far outside the eclipse file's centuries (garbage from a broken
// file) are left alone: the calendar arithmetic holds from 4800 BC on and
// its year must fit an int again.
bool kalenderdatum(int jahr, int monat, int tag)
{
    return jahr > -4700 && jahr < 1000000 && monat >= 1 && monat <= 12 && tag >= 1 && tag <= 31;
}

}  // namespace

Tageszeit beschriftungszeit(double mjd, int jahr, int monat, int tag, double t)
{
    // The day's fraction: below the integer part for the negative mjd of
    // eclipses before 1858 November 17.
    double h = (mjd - std::floor(mjd)) * 24 + t;
    Tageszeit z{tag, monat, jahr, 0, 0};
    int schritt = 0;
    if (h < 0) {
        schritt = -1;
        h += 24;
    } else if (h >= 24) {
        schritt = 1;
        h -= 24;
    }
    if (schritt != 0 && kalenderdatum(jahr, monat, tag)) {
        int j, m, d;
        ecad::datum_aus_tagesnummer(ecad::tagesnummer(jahr, monat, tag) + schritt, j, m, d);
        z = {d, m, j, 0, 0};
    } else {
        z.tag += schritt;
    }
    if (h > -1e6 && h < 1e6) {
        z.stunden = static_cast<int>(h);
        z.minuten = static_cast<int>((h - z.stunden) * 60);
    }
    return z;
}
