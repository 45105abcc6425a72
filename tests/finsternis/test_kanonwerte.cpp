// Catalogue values from the canon's own elements (its sample of 60
// eclipses, -1999 to 3000, data/canon/kanon-stichprobe.*) against the
// values the canon publishes for them.
#include "finsternis/finsternis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The great-circle distance in degrees from the place to breite, laenge.
double bogen(const Ort &o, double breite, double laenge)
{
    const double p1 = o.breite * grad_in_rad, p2 = breite * grad_in_rad, dl = (o.laenge - laenge) * grad_in_rad;
    const double c = std::sin(p1) * std::sin(p2) + std::cos(p1) * std::cos(p2) * std::cos(dl);
    return std::acos(std::fmin(1.0, c)) / grad_in_rad;
}

// Seconds between the instant jd and the time of day "HH:MM:SS", across midnight.
double zeitabstand(double jd, const std::string &uhrzeit)
{
    int h = 0, m = 0, s = 0;
    std::sscanf(uhrzeit.c_str(), "%d:%d:%d", &h, &m, &s);
    return std::fabs(std::remainder(std::fmod(jd + 0.5, 1.0) * 86400 - (h * 3600 + m * 60 + s), 86400.0));
}

TEST(Kanonwerte, WieDerKanonSieVeroeffentlicht)
{
    std::FILE *f = std::fopen(UMBRIX_SOURCE_DIR "/data/canon/kanon-stichprobe.prn", "r");
    ASSERT_NE(f, nullptr);
    std::string fehler;
    const std::vector<Elemente> alle = finsternisse_lesen(f, &fehler);
    std::fclose(f);
    ASSERT_EQ(alle.size(), 60u) << fehler;
    std::ifstream csv(UMBRIX_SOURCE_DIR "/data/canon/kanon-stichprobe.csv");
    std::string zeile;
    std::getline(csv, zeile);
    double zeit = 0, ort = 0, gamma = 0, groesse = 0, dauer = 0, breite = 0;
    for (const Elemente &e : alle) {
        ASSERT_TRUE(std::getline(csv, zeile));
        std::vector<std::string> v;
        std::stringstream s(zeile + ",");
        for (std::string feld; std::getline(s, feld, ',');) v.push_back(feld);
        const Kanonwerte k = kanonwerte(e);
        SCOPED_TRACE(zeile);
        zeit = std::fmax(zeit, std::fmax(zeitabstand(k.jd_td, v[3]), zeitabstand(k.jd_ut, v[4])));
        EXPECT_EQ(k.lunation, std::stol(v[6]));
        EXPECT_EQ(k.saros, std::stoi(v[7]));
        EXPECT_EQ(k.typ, v[8][0]);
        gamma = std::fmax(gamma, std::fabs(k.gamma - std::stod(v[9])));
        groesse = std::fmax(groesse, std::fabs(k.groesse - std::stod(v[10])));
        ort = std::fmax(ort, bogen(k.ort, std::stod(v[11]), std::stod(v[12])));
        EXPECT_EQ(k.zentral, !v[15].empty());
        if (!v[15].empty()) {
            // Published to 0.1 km and to the second.
            breite = std::fmax(breite, (std::fabs(k.pfadbreite_km - std::stod(v[15])) - 0.05) / std::stod(v[15]));
            dauer = std::fmax(dauer, std::fabs(k.dauer - std::stod(v[16])) - 0.5);
        }
    }
    std::printf("Abweichungen: Zeit %.0f s, Ort %.3f Grad, Gamma %.5f, Groesse %.5f, Dauer %.1f s, Breite %.2f %%\n",
                zeit, ort, gamma, groesse, dauer, breite * 100);
    EXPECT_LE(zeit, 5);
    EXPECT_LE(ort, 0.07);  // 0.05 degrees, and the published point's rounding to 0.1 degree
    EXPECT_LE(gamma, 0.0006);
    EXPECT_LE(groesse, 0.0006);
    EXPECT_LE(dauer, 2);
    EXPECT_LE(breite, 0.015);
}

}  // namespace
