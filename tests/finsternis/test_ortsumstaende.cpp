// Local circumstances of an eclipse at a place, from the shipped eclipse
// file, against published values.
#include <gtest/gtest.h>

#include "hilfe/besselsaetze.h"
#include "finsternis/finsternis.h"

#include <cmath>
#include <regex>
#include <string>
#include <vector>

namespace {

const Elemente &finsternis(int jahr, int monat)
{
    const Elemente &b = testhilfe::besselsatz(jahr, monat);
    EXPECT_EQ(b.datum.jahr * 100 + b.datum.monat, jahr * 100 + monat);
    return b;
}

std::string text(const std::vector<std::string> &zeilen)
{
    std::string t;
    for (const std::string &z : zeilen) t += z + "\n";
    return t;
}

const Ort dallas{32.7763, -96.7969, 0};
const Ort london{51.5074, -0.1278, 0};
const Ort tokio{35.68, 139.69, 0};

}  // namespace

// Greatest durations of totality, published for the point of greatest
// duration, and 8 April 2024 seen from Dallas.
TEST(Ortsumstaende, VeroeffentlichteWerte)
{
    const struct {
        int jahr, monat;
        Ort ort;
        int sekunden;
    } faelle[] = {{2024, 4, {25.29, -104.13, 0}, 4 * 60 + 28},
                  {2017, 8, {36.97, -87.67, 0}, 2 * 60 + 40},
                  {1999, 8, {45.07, 24.28, 0}, 2 * 60 + 23}};
    for (const auto &f : faelle) {
        const Ortsumstaende u = ortsumstaende(finsternis(f.jahr, f.monat), f.ort);
        EXPECT_EQ(u.art, Sichtart::total) << f.jahr;
        EXPECT_EQ(std::lround(u.dauer), f.sekunden) << f.jahr;
    }

    const Elemente &b = finsternis(2024, 4);
    const Ortsumstaende u = ortsumstaende(b, dallas);
    const std::vector<std::string> z = ortszeilen(b, dallas, u);
    const char *anfaenge[] = {"Ort: 32.7763 N  96.7969 W  0 m", "Finsternis: 8.4.2024 total",
                              "1. Kontakt: 17:23:12 UT  Sonnenhoehe ", "2. Kontakt: 18:40:37 UT  Sonnenhoehe ",
                              "Maximum: 18:42:32 UT  Sonnenhoehe ", "3. Kontakt: 18:44:27 UT  Sonnenhoehe ",
                              "4. Kontakt: 20:02:35 UT  Sonnenhoehe ", "Groesse: 1.0145",
                              "Durchmesserverhaeltnis: 1.0558", "Bedeckung: 100.0 %", "Dauer: 3m49.6s",
                              "Totale Finsternis: 3m49.6s Totalitaet um 18:40:37 UT, Sonne 65 Grad hoch im Sueden."};
    ASSERT_EQ(z.size(), 12u);
    for (size_t i = 0; i < z.size(); ++i) EXPECT_EQ(z[i].rfind(anfaenge[i], 0), 0u) << z[i];
    // The Sun's geometric altitude from a low-precision solar ephemeris.
    EXPECT_NEAR(u.maximum.sonne.hoehe, 64.62, 0.02);
    EXPECT_NEAR(u.maximum.sonne.azimut, 188, 1);
}

// Places on a limit of the path: totality lasts a tenth of a second, and
// both inner contacts happen (times from an independent computation).
TEST(Ortsumstaende, InnereKontakteAmRandDesKernschattens)
{
    const struct {
        int jahr, monat;
        Ort ort;
        double c2, c3;  // seconds of the UT day
    } faelle[] = {{2023, 4, {-9.1311, 125.9352, 0}, 4 * 3600 + 17 * 60 + 59.90, 4 * 3600 + 18 * 60 + 0.00},
                  {2021, 12, {-61.9008, -35.7697, 0}, 7 * 3600 + 7 * 60 + 59.98, 7 * 3600 + 8 * 60 + 0.11}};
    for (const auto &f : faelle) {
        const Ortsumstaende u = ortsumstaende(finsternis(f.jahr, f.monat), f.ort);
        ASSERT_TRUE(u.c2.gibt_es && u.c3.gibt_es) << f.jahr;
        EXPECT_NEAR((u.c2.ut - std::floor(u.c2.ut)) * 86400, f.c2, 0.05) << f.jahr;
        EXPECT_NEAR((u.c3.ut - std::floor(u.c3.ut)) * 86400, f.c3, 0.05) << f.jahr;
    }
}

// Partial, cut by sunset, past midnight UT, or missed: kind and lines.
TEST(Ortsumstaende, ArtenUndZeilen)
{
    const struct {
        int jahr, monat;
        Ort ort;
        Sichtart art;
        const char *muster;  // searched in the lines, each ended by \n
    } faelle[] = {
        // London: magnitude 0.87, no inner contacts, no duration.
        {2015, 3, london, Sichtart::partiell,
         "\n2\\. Kontakt: --[^]*\n3\\. Kontakt: --[^]*Bedeckung: [^\n]*\nPartielle Finsternis, [^\n]*\n$"},
        // London: the Sun sets before the end.
        {2017, 8, london, Sichtart::partiell,
         "\n1\\. Kontakt: [^\n]*Sonnenhoehe \\d[^\n(]*\n[^]*"
         "\n4\\. Kontakt: 19:[^\n]*  Sonnenhoehe -[^\n]*  \\(unter dem Horizont\\)\n"},
        // Tokyo, annular: the fourth contact on the next UT day.
        {2012, 5, tokio, Sichtart::ringfoermig,
         "\nFinsternis: 20\\.5\\.2012 ringfoermig\n1\\. Kontakt: [\\d:]+ UT  Sonnenhoehe[^]*"
         "\n4\\. Kontakt: 00:[\\d:]+ UT 21\\.5\\.2012  Sonnenhoehe"},
        // Lima lies south of the penumbra; Tokyo has night.
        {2024, 4, {-12.05, -77.04, 0}, Sichtart::keine,
         "^Ort: [^\n]*\nFinsternis: 8\\.4\\.2024\nKeine Finsternis an diesem Ort\\.\n$"},
        {2024, 4, tokio, Sichtart::partiell,
         "^Ort: [^\n]*\nFinsternis: 8\\.4\\.2024\nKeine Finsternis an diesem Ort\\.\n$"},
    };
    for (const auto &f : faelle) {
        const Elemente &b = finsternis(f.jahr, f.monat);
        const Ortsumstaende u = ortsumstaende(b, f.ort);
        const std::string t = text(ortszeilen(b, f.ort, u));
        EXPECT_EQ(u.art, f.art) << t;
        EXPECT_EQ(sichtbar(u), t.find("Keine Finsternis") == std::string::npos) << t;
        EXPECT_TRUE(std::regex_search(t, std::regex(f.muster))) << t;
    }
    const Ortsumstaende u = ortsumstaende(finsternis(2015, 3), london);
    EXPECT_NEAR(u.groesse, 0.87, 0.005);
    EXPECT_NEAR(u.bedeckung, 0.84, 0.005);
    const Ortsumstaende r = ortsumstaende(finsternis(2012, 5), tokio);
    EXPECT_NEAR(r.bedeckung, r.durchmesserverhaeltnis * r.durchmesserverhaeltnis, 1e-12);
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

// The obscuration is cut to tenths, so that only a Sun wholly covered
// reads 100.0; compass points are sixteen, 22.5 degrees each.
TEST(Ortsumstaende, BedeckungAbgeschnittenUndHimmelsrichtung)
{
    const std::pair<double, double> bedeckung[] = {{0.99996, 99.9}, {0.9999999999999, 99.9}, {1.0, 100.0},
                                                   {0.123, 12.3},    {0.00049, 0.0},          {0.5, 50.0}};
    for (const auto &[anteil, prozent] : bedeckung) {
        Ortsumstaende u;
        u.bedeckung = anteil;
        EXPECT_DOUBLE_EQ(bedeckung_prozent(u), prozent) << anteil;
    }
    const std::pair<double, const char *> richtung[] = {{0, "Nord"},          {11.2, "Nord"},   {11.3, "Nordnordost"},
                                                        {188, "Sued"},        {195.8, "Suedsuedwest"}, {-90, "West"},
                                                        {348.7, "Nordnordwest"}, {720, "Nord"}};
    for (const auto &[azimut, name] : richtung) EXPECT_STREQ(himmelsrichtung(azimut), name) << azimut;
}

TEST(Ortsumstaende, ListeDerSichtbarenFinsternisse)
{
    ASSERT_EQ(testhilfe::besselsaetze().size(), 935u);  // the whole file read
    const std::vector<Listeneintrag> l = finsternisliste(testhilfe::besselsaetze(), london, 2015, 2017);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0].zeile.rfind("20.3.2015 partiell 09:3", 0), 0u) << l[0].zeile;
    EXPECT_EQ(l[0].zeile.substr(l[0].zeile.size() - 2), " -");  // no duration: not central
    EXPECT_EQ(l[1].zeile.rfind("21.8.2017 partiell 19:", 0), 0u) << l[1].zeile;
    EXPECT_EQ(l[1].jahr * 100 + l[1].monat, 201708);
}
