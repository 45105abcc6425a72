// Calendar arithmetic of the data converter: Julian day numbers of known
// dates, leap years, and which day an instant near midnight belongs to.
#include <gtest/gtest.h>

#include "finsternis/finsternis.h"

namespace {

struct Datum {
    int jahr, monat, tag;
};

Datum datum_von(long nummer)
{
    Datum d{};
    ecad::datum_aus_tagesnummer(nummer, d.jahr, d.monat, d.tag);
    return d;
}

Datum datum_um(double jd)
{
    Datum d{};
    ecad::kalenderdatum(jd, d.jahr, d.monat, d.tag);
    return d;
}

#define EXPECT_DATUM(d, j, m, t)  \
    do {                          \
        const Datum d_ = (d);     \
        EXPECT_EQ(d_.jahr, j);    \
        EXPECT_EQ(d_.monat, m);   \
        EXPECT_EQ(d_.tag, t);     \
    } while (0)

}  // namespace

TEST(DatenKalender, BekannteTagesnummern)
{
    EXPECT_EQ(ecad::tagesnummer(2000, 1, 1), 2451545);    // epoch J2000.0 is its noon
    EXPECT_EQ(ecad::tagesnummer(1858, 11, 17), 2400001);  // MJD 0 begins at its midnight
    EXPECT_EQ(ecad::tagesnummer(1970, 1, 1), 2440588);
    EXPECT_EQ(ecad::tagesnummer(1582, 10, 15), 2299161);  // first day of the Gregorian calendar
    EXPECT_EQ(ecad::tagesnummer(-4712, 1, 1), 0);         // day 0, in the Julian calendar
    EXPECT_DATUM(datum_von(2451545), 2000, 1, 1);
    EXPECT_DATUM(datum_von(0), -4712, 1, 1);
    EXPECT_DATUM(datum_von(2460409), 2024, 4, 8);
}

TEST(DatenKalender, JulianischVor1582UndJahrNull)
{
    // The day after Julian 1582 October 4 is Gregorian October 15.
    EXPECT_EQ(ecad::tagesnummer(1582, 10, 4), 2299160);
    EXPECT_DATUM(datum_von(2299160), 1582, 10, 4);
    EXPECT_DATUM(datum_von(2299161), 1582, 10, 15);
    // Every fourth year is a leap year in the Julian calendar, 1500 and
    // year 0 (1 BC) too; -1 (2 BC) is not.
    EXPECT_DATUM(datum_von(ecad::tagesnummer(1500, 2, 28) + 1), 1500, 2, 29);
    EXPECT_DATUM(datum_von(ecad::tagesnummer(0, 2, 28) + 1), 0, 2, 29);
    EXPECT_DATUM(datum_von(ecad::tagesnummer(-1, 2, 28) + 1), -1, 3, 1);
    EXPECT_DATUM(datum_von(ecad::tagesnummer(-1, 12, 31) + 1), 0, 1, 1);
    // 1 January of year 1 (AD 1) is JD 1721424 in the Julian calendar.
    EXPECT_EQ(ecad::tagesnummer(1, 1, 1), 1721424);
    EXPECT_DATUM(datum_um(1721423.5), 1, 1, 1);
    EXPECT_DATUM(datum_um(1721423.49), 0, 12, 31);
}

TEST(DatenKalender, JederTagFolgtAufDenVorigen)
{
    // Walk day by day through the canon's centuries; every step must be the
    // next calendar day, which checks month lengths and leap years at once.
    const int monatslaenge[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    Datum d = datum_von(ecad::tagesnummer(1900, 1, 1));
    EXPECT_DATUM(d, 1900, 1, 1);
    int schalttage = 0;
    for (long n = ecad::tagesnummer(1900, 1, 1) + 1; n <= ecad::tagesnummer(2400, 12, 31); ++n) {
        const bool schaltjahr = (d.jahr % 4 == 0 && d.jahr % 100 != 0) || d.jahr % 400 == 0;
        const int laenge = monatslaenge[d.monat] + (d.monat == 2 && schaltjahr ? 1 : 0);
        Datum erwartet = d;
        if (++erwartet.tag > laenge) {
            erwartet.tag = 1;
            if (++erwartet.monat > 12) {
                erwartet.monat = 1;
                ++erwartet.jahr;
            }
        }
        d = datum_von(n);
        ASSERT_EQ(d.jahr * 10000 + d.monat * 100 + d.tag, erwartet.jahr * 10000 + erwartet.monat * 100 + erwartet.tag)
            << "Tagesnummer " << n;
        ASSERT_EQ(ecad::tagesnummer(d.jahr, d.monat, d.tag), n);
        if (d.monat == 2 && d.tag == 29) ++schalttage;
    }
    // 126 years from 1900 to 2400 are divisible by 4; of them 1900, 2100,
    // 2200 and 2300 are no leap years (2000 and 2400 are).
    EXPECT_EQ(schalttage, 126 - 4);
    EXPECT_DATUM(datum_von(ecad::tagesnummer(1900, 2, 29)), 1900, 3, 1);
    EXPECT_DATUM(datum_von(ecad::tagesnummer(2000, 2, 29)), 2000, 2, 29);
}

TEST(DatenKalender, TagWechseltUmMitternacht)
{
    const double mitternacht = 2451544.5;  // 2000-01-01 0 h
    EXPECT_DATUM(datum_um(mitternacht), 2000, 1, 1);
    EXPECT_DATUM(datum_um(mitternacht - 1.0 / 86400), 1999, 12, 31);  // 23:59:59
    EXPECT_DATUM(datum_um(mitternacht + 0.99999), 2000, 1, 1);
    EXPECT_DATUM(datum_um(mitternacht + 1.0), 2000, 1, 2);
    EXPECT_DATUM(datum_um(mitternacht + 0.5), 2000, 1, 1);  // noon is still the same day
}
