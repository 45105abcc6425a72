// Integer calendar arithmetic after Fliegel and Van Flandern: no floating
// point, so dates near midnight do not depend on rounding. Julian calendar
// before 1582 October 15, Gregorian from then on, as the eclipse canons
// count; astronomical years (0 is 1 BC).
#include "kalender.h"

#include <cmath>

namespace ecad {

namespace {

// The first day of the Gregorian calendar, 1582 October 15 (the day after
// Julian October 4): days before it are counted in the Julian calendar.
constexpr long erster_gregorianischer_tag = 2299161;

bool gregorianisch(int jahr, int monat, int tag)
{
    return jahr > 1582 || (jahr == 1582 && (monat > 10 || (monat == 10 && tag >= 15)));
}

}  // namespace

long tagesnummer(int jahr, int monat, int tag)
{
    const long a = (14 - monat) / 12;  // 1 for January and February
    const long y = jahr + 4800L - a;    // years counted from March 4801 BC
    const long m = monat + 12 * a - 3;  // March = 0
    const long tage = tag + (153 * m + 2) / 5 + 365 * y + y / 4;
    if (!gregorianisch(jahr, monat, tag)) return tage - 32083;
    return tage - y / 100 + y / 400 - 32045;
}

void datum_aus_tagesnummer(long nummer, int &jahr, int &monat, int &tag)
{
    // c: days from March 4801 BC in the calendar of the day, d: its years.
    long c, jahrhunderte = 0;
    if (nummer >= erster_gregorianischer_tag) {
        const long a = nummer + 32044;
        jahrhunderte = (4 * a + 3) / 146097;
        c = a - 146097 * jahrhunderte / 4;
    } else {
        c = nummer + 32082;
    }
    const long d = (4 * c + 3) / 1461;
    const long e = c - 1461 * d / 4;
    const long m = (5 * e + 2) / 153;
    tag = static_cast<int>(e - (153 * m + 2) / 5 + 1);
    monat = static_cast<int>(m + 3 - 12 * (m / 10));
    jahr = static_cast<int>(100 * jahrhunderte + d - 4800 + m / 10);
}

void kalenderdatum(double jd, int &jahr, int &monat, int &tag)
{
    // A civil day runs from JD n - 0.5 to n + 0.5.
    datum_aus_tagesnummer(static_cast<long>(std::floor(jd + 0.5)), jahr, monat, tag);
}

}  // namespace ecad
