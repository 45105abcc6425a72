// Local circumstances of an eclipse at a place, from the shipped eclipse
// file, against published values.
#include <gtest/gtest.h>

#include "bessel.h"
#include "hilfe/besselsaetze.h"
#include "ortsumstaende.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

const std::vector<Bessel> &finsternisse()
{
    return testhilfe::besselsaetze();
}

const Bessel &finsternis(int jahr, int monat)
{
    const Bessel &b = testhilfe::besselsatz(jahr, monat);
    EXPECT_EQ(b.fjahr * 100 + b.fmonat, jahr * 100 + monat);
    return b;
}

bool beginnt_mit(const std::vector<std::string> &zeilen, const std::string &anfang)
{
    return std::any_of(zeilen.begin(), zeilen.end(),
                       [&](const std::string &z) { return z.compare(0, anfang.size(), anfang) == 0; });
}

const Ort dallas{32.7763, -96.7969, 0};
const Ort london{51.5074, -0.1278, 0};

}  // namespace

TEST(Ortsumstaende, LiestAlleFinsternisseDerDatei)
{
    EXPECT_EQ(finsternisse().size(), 935u);
}

// Greatest duration of totality, published for the point of greatest
// duration: the duration there must round to it.
TEST(Ortsumstaende, VeroeffentlichteTotalitaetsdauern)
{
    struct Fall {
        int jahr, monat;
        Ort ort;
        int sekunden;
    } faelle[] = {
        {2024, 4, {25.29, -104.13, 0}, 4 * 60 + 28},
        {2017, 8, {36.97, -87.67, 0}, 2 * 60 + 40},
        {1999, 8, {45.07, 24.28, 0}, 2 * 60 + 23},
    };
    for (const Fall &f : faelle) {
        const Ortsumstaende u = ortsumstaende(finsternis(f.jahr, f.monat), f.ort);
        EXPECT_EQ(u.art, Sichtart::total) << f.jahr;
        EXPECT_EQ(std::lround(u.dauer), f.sekunden) << f.jahr;
        EXPECT_GT(u.groesse, 1) << f.jahr;
        EXPECT_DOUBLE_EQ(u.bedeckung, 1.0) << f.jahr;
    }
}

TEST(Ortsumstaende, DallasAchterAprilZweitausendvierundzwanzig)
{
    const Bessel &b = finsternis(2024, 4);
    const Ortsumstaende u = ortsumstaende(b, dallas);
    const std::vector<std::string> z = ortszeilen(b, dallas, u);
    for (const char *anfang :
         {"Ort: 32.7763 N  96.7969 W  0 m", "Finsternis: 8.4.2024 total", "1. Kontakt: 17:23:12 UT  Sonnenhoehe ",
          "2. Kontakt: 18:40:37 UT  Sonnenhoehe ", "Maximum: 18:42:32 UT  Sonnenhoehe ",
          "3. Kontakt: 18:44:27 UT  Sonnenhoehe ", "4. Kontakt: 20:02:35 UT  Sonnenhoehe ", "Groesse: 1.0145",
          "Durchmesserverhaeltnis: 1.0558", "Bedeckung: 100.0 %", "Dauer: 3m49.6s"})
        EXPECT_TRUE(beginnt_mit(z, anfang)) << anfang;
    EXPECT_EQ(z.size(), 11u);
    // The Sun's geometric altitude at 18:42:32 UT from a low-precision solar
    // ephemeris: 64.62 degrees, nearly due south.
    EXPECT_NEAR(u.maximum.sonne.hoehe, 64.62, 0.02);
    EXPECT_NEAR(u.maximum.sonne.azimut, 188, 1);
    EXPECT_FALSE(u.c1.unter_horizont || u.c4.unter_horizont);
}

// Places on a limit of the path: totality lasts a tenth of a second, and
// both inner contacts happen (times from an independent computation).
TEST(Ortsumstaende, InnereKontakteAmRandDesKernschattens)
{
    struct Fall {
        int jahr, monat;
        Ort ort;
        double c2, c3;  // seconds of the UT day
    } faelle[] = {
        {2023, 4, {-9.1311, 125.9352, 0}, 4 * 3600 + 17 * 60 + 59.90, 4 * 3600 + 18 * 60 + 0.00},
        {2021, 12, {-61.9008, -35.7697, 0}, 7 * 3600 + 7 * 60 + 59.98, 7 * 3600 + 8 * 60 + 0.11},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.jahr);
        const Ortsumstaende u = ortsumstaende(finsternis(f.jahr, f.monat), f.ort);
        ASSERT_TRUE(u.c2.gibt_es && u.c3.gibt_es);
        EXPECT_NEAR((u.c2.ut - std::floor(u.c2.ut)) * 86400, f.c2, 0.05);
        EXPECT_NEAR((u.c3.ut - std::floor(u.c3.ut)) * 86400, f.c3, 0.05);
    }
}

// London, 20 March 2015: partial, magnitude 0.87, 84 % of the disc.
TEST(Ortsumstaende, PartiellOhneZweitenUndDrittenKontakt)
{
    const Bessel &b = finsternis(2015, 3);
    const Ortsumstaende u = ortsumstaende(b, london);
    EXPECT_EQ(u.art, Sichtart::partiell);
    EXPECT_FALSE(u.c2.gibt_es || u.c3.gibt_es);
    EXPECT_NEAR(u.groesse, 0.87, 0.005);
    EXPECT_NEAR(u.bedeckung, 0.84, 0.005);
    const std::vector<std::string> z = ortszeilen(b, london, u);
    EXPECT_TRUE(beginnt_mit(z, "2. Kontakt: --"));
    EXPECT_TRUE(beginnt_mit(z, "3. Kontakt: --"));
    EXPECT_FALSE(beginnt_mit(z, "Dauer:"));
}

// London, 21 August 2017: the Sun sets during the eclipse.
TEST(Ortsumstaende, SonnenuntergangWaehrendDerFinsternis)
{
    const Bessel &b = finsternis(2017, 8);
    const Ortsumstaende u = ortsumstaende(b, london);
    EXPECT_EQ(u.art, Sichtart::partiell);
    EXPECT_FALSE(u.c1.unter_horizont);
    EXPECT_TRUE(u.c4.unter_horizont);
    EXPECT_LT(u.c4.sonne.hoehe, 0);
    EXPECT_TRUE(sichtbar(u));
    const std::string c4 = ortszeilen(b, london, u)[6];
    EXPECT_EQ(c4.rfind("4. Kontakt: 19:", 0), 0u) << c4;
    EXPECT_NE(c4.find("  Sonnenhoehe -"), std::string::npos) << c4;
    EXPECT_EQ(c4.substr(c4.size() - 22), "  (unter dem Horizont)") << c4;
}

// 8 April 2024: Lima lies south of the penumbra; Tokyo has night.
TEST(Ortsumstaende, SchattenVerfehltDenOrt)
{
    const Bessel &b = finsternis(2024, 4);
    for (const Ort &ort : {Ort{-12.05, -77.04, 0}, Ort{35.68, 139.69, 0}}) {
        const Ortsumstaende u = ortsumstaende(b, ort);
        EXPECT_FALSE(sichtbar(u)) << ort.breite;
        const std::vector<std::string> z = ortszeilen(b, ort, u);
        ASSERT_EQ(z.size(), 3u);
        EXPECT_EQ(z[1], "Finsternis: 8.4.2024");
        EXPECT_EQ(z[2], "Keine Finsternis an diesem Ort.");
    }
    EXPECT_EQ(ortsumstaende(b, Ort{-12.05, -77.04, 0}).art, Sichtart::keine);
}

// Tokyo, annular eclipse of 20 May 2012 (UT): it ends after midnight UT.
TEST(Ortsumstaende, UeberMitternachtUT)
{
    const Bessel &b = finsternis(2012, 5);
    const Ort tokio{35.68, 139.69, 0};
    const Ortsumstaende u = ortsumstaende(b, tokio);
    EXPECT_EQ(u.art, Sichtart::ringfoermig);
    const std::vector<std::string> z = ortszeilen(b, tokio, u);
    EXPECT_TRUE(beginnt_mit(z, "Finsternis: 20.5.2012 ringfoermig"));
    EXPECT_EQ(z[2].find(".2012"), std::string::npos) << z[2];  // 1. Kontakt on the eclipse's date
    EXPECT_EQ(z[6].rfind("4. Kontakt: 00:", 0), 0u) << z[6];
    EXPECT_NE(z[6].find(" UT 21.5.2012  Sonnenhoehe"), std::string::npos) << z[6];
    EXPECT_NEAR(u.bedeckung, u.durchmesserverhaeltnis * u.durchmesserverhaeltnis, 1e-12);
}

TEST(Ortsumstaende, BedeckteFlaecheZweierScheiben)
{
    const double pi = std::acos(-1.0);
    EXPECT_DOUBLE_EQ(bedeckter_anteil(0.5, 0.2), 0.25);  // wholly inside
    EXPECT_DOUBLE_EQ(bedeckter_anteil(1.2, 0.1), 1.0);   // wholly covered
    EXPECT_DOUBLE_EQ(bedeckter_anteil(1.0, 2.0), 0.0);   // touching from outside
    // Two unit discs one radius apart overlap in 2 pi/3 - sqrt(3)/2.
    EXPECT_NEAR(bedeckter_anteil(1.0, 1.0), (2 * pi / 3 - std::sqrt(3.0) / 2) / pi, 1e-12);
    EXPECT_EQ(bedeckter_anteil(std::nan(""), 0.5), 0.0);
}

TEST(Ortsumstaende, ListeDerSichtbarenFinsternisse)
{
    const std::vector<Listeneintrag> l = finsternisliste(finsternisse(), london, 2015, 2017);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0].zeile.rfind("20.3.2015 partiell 09:3", 0), 0u) << l[0].zeile;
    EXPECT_EQ(l[1].zeile.rfind("21.8.2017 partiell 19:", 0), 0u) << l[1].zeile;
    EXPECT_EQ(l[0].zeile.substr(l[0].zeile.size() - 2), " -");  // no duration: not central
    EXPECT_EQ(l[1].jahr * 100 + l[1].monat, 201708);
}
