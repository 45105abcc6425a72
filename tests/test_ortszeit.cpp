// The place's clock from the system's time zone database: offsets and
// abbreviations across the changes of summer time, UT alone before a
// zone's first rule; and the closing line of --ort in plain words.
#include <gtest/gtest.h>

#include "hilfe/besselsaetze.h"
#include "ortszeit/ortszeit.h"

#include <ctime>
#include <regex>
#include <string>

namespace {

long long ut(int jahr, int monat, int tag, int stunde, int minute, int sekunde)
{
    std::tm t{};
    t.tm_year = jahr - 1900;
    t.tm_mon = monat - 1;
    t.tm_mday = tag;
    t.tm_hour = stunde;
    t.tm_min = minute;
    t.tm_sec = sekunde;
    return timegm(&t);
}

}  // namespace

// The rules as the zones' governments set them: the US from the second
// Sunday of March, 2:00 local; the EU to the last Sunday of October, 1:00
// UT; New South Wales to the first Sunday of April, 3:00 local summer time;
// Egypt (again since 2023) from the end of April to the end of October.
TEST(Ortszeit, SommerzeitUndOrtsmittelzeit)
{
    const struct {
        const char *zone;
        long long ut;
        int stunden;          // offset from UT
        const char *kuerzel;  // nullptr: not known, UT alone
    } faelle[] = {
        {"America/Chicago", ut(2024, 4, 8, 18, 40, 37), -5, "CDT"},
        {"America/Chicago", ut(2024, 3, 10, 7, 59, 59), -6, "CST"},
        {"America/Chicago", ut(2024, 3, 10, 8, 0, 0), -5, "CDT"},
        {"Africa/Cairo", ut(2027, 8, 2, 10, 2, 0), 3, "EEST"},
        {"Africa/Cairo", ut(2027, 1, 2, 10, 2, 0), 2, "EET"},
        {"Australia/Sydney", ut(2028, 7, 22, 4, 0, 0), 10, "AEST"},
        {"Australia/Sydney", ut(2028, 4, 1, 15, 59, 59), 11, "AEDT"},
        {"Australia/Sydney", ut(2028, 4, 1, 16, 0, 0), 10, "AEST"},
        {"Europe/Madrid", ut(2026, 8, 12, 18, 32, 0), 2, "CEST"},
        {"Europe/Madrid", ut(2026, 10, 25, 0, 59, 59), 2, "CEST"},
        {"Europe/Madrid", ut(2026, 10, 25, 1, 0, 0), 1, "CET"},
        // Beyond the changes the files list, their closing rule holds.
        {"Europe/Madrid", ut(2150, 7, 1, 12, 0, 0), 2, "CEST"},
        {"Australia/Sydney", ut(2150, 1, 1, 12, 0, 0), 11, "AEDT"},
        // Chicago kept local mean time until its noon of 18 November 1883,
        // Riyadh until 1947.
        {"America/Chicago", ut(1883, 11, 18, 17, 0, 0), 0, nullptr},
        {"Asia/Riyadh", ut(1933, 8, 21, 4, 1, 27), 0, nullptr},
        {"Mars/Olympus", ut(2024, 4, 8, 18, 0, 0), 0, nullptr},
        {"", ut(2024, 4, 8, 18, 0, 0), 0, nullptr},
    };
    for (const auto &f : faelle) {
        Uhrzone z;
        ASSERT_EQ(zonenzeit(f.zone, f.ut, &z), f.kuerzel != nullptr) << f.zone << " " << f.ut;
        if (!f.kuerzel) continue;
        EXPECT_EQ(z.versatz, f.stunden * 3600L) << f.zone << " " << f.ut;
        EXPECT_EQ(z.kuerzel, f.kuerzel) << f.zone << " " << f.ut;
    }
}

// The closing line for a total, an annular and a near miss at sunset.
// Published: Luxor about 6m20s of totality shortly after 13:00 local time
// with the Sun near the zenith in the south; Tokyo about five minutes of
// annularity from 7:32 local time on the morning of 21 May, the Sun some
// 35 degrees up in the east; Madrid at sunset, magnitude 0.9986, the limit
// of totality just north of the city.
TEST(Ortszeit, AntwortInWorten)
{
    const struct {
        int jahr, monat;
        Ort ort;
        const char *zone;
        const char *muster;
    } faelle[] = {
        {2027, 8, {25.6872, 32.6396, 0}, "Africa/Cairo",
         "Totale Finsternis: 6m(1[5-9]|2[0-3])\\.\\ds Totalitaet um 13:0[0-4]:\\d\\d EEST, "
         "Sonne 8[0-3] Grad hoch im (Sueden|Suedsuedwesten)\\."},
        {2012, 5, {35.68, 139.69, 0}, "Asia/Tokyo",
         "Ringfoermige Finsternis: 5m0\\d\\.\\ds Ringphase um 07:3[12]:\\d\\d JST am 21\\.5\\.2012, "
         "Sonne 3[4-6] Grad hoch im Osten\\."},
        {2026, 8, {40.4168, -3.7038, 0}, "Europe/Madrid",
         "Partielle Finsternis, 99\\.9 % der Sonne bedeckt\\. Die Totalitaet ist ([5-9]|[12]\\d) km entfernt "
         "\\(Richtung (Nord|Nordnordost|Nordnordwest)\\)\\. Die Sonne geht waehrend der Finsternis unter\\."},
    };
    for (const auto &f : faelle) {
        const Elemente &e = testhilfe::besselsatz(f.jahr, f.monat);
        const std::string zeile = ortszeilen(e, f.ort, ortsumstaende(e, f.ort), f.zone).back();
        EXPECT_TRUE(std::regex_match(zeile, std::regex(f.muster))) << zeile;
    }
}
