// Catalogue values from the canon's own elements (its sample of 60
// eclipses, -1999 to 3000, data/canon/kanon-stichprobe.csv) against the
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

std::vector<std::string> felder(const std::string &zeile)
{
    std::vector<std::string> f;
    std::stringstream s(zeile);
    std::string feld;
    while (std::getline(s, feld, ',')) f.push_back(feld);
    if (!zeile.empty() && zeile.back() == ',') f.push_back("");
    return f;
}

// Seconds of the day of "HH:MM:SS".
int sekunden(const std::string &uhrzeit)
{
    int h = 0, m = 0, s = 0;
    std::sscanf(uhrzeit.c_str(), "%d:%d:%d", &h, &m, &s);
    return h * 3600 + m * 60 + s;
}

// The difference of two times of day, across midnight.
double zeitabstand(int a, int b)
{
    return std::fabs(std::remainder(a - b, 86400.0));
}

// The great-circle distance in degrees from the place to the point breite, laenge.
double bogen(const Ort &o, double breite, double laenge)
{
    const double p1 = o.breite * grad_in_rad, p2 = breite * grad_in_rad, dl = (o.laenge - laenge) * grad_in_rad;
    const double c = std::sin(p1) * std::sin(p2) + std::cos(p1) * std::cos(p2) * std::cos(dl);
    return std::acos(std::fmin(1.0, c)) / grad_in_rad;
}

TEST(Kanonwerte, WieDerKanonSieVeroeffentlicht)
{
    std::FILE *f = std::fopen(UMBRIX_SOURCE_DIR "/data/canon/kanon-stichprobe.prn", "r");
    ASSERT_NE(f, nullptr);
    std::string fehler;
    const std::vector<Elemente> alle = finsternisse_lesen(f, &fehler);
    std::fclose(f);
    ASSERT_TRUE(fehler.empty()) << fehler;
    std::ifstream csv(UMBRIX_SOURCE_DIR "/data/canon/kanon-stichprobe.csv");
    std::string zeile;
    std::getline(csv, zeile);
    double zeit = 0, ort = 0, gamma = 0, groesse = 0, dauer = 0, breite = 0;
    size_t i = 0, typ_anders = 0;
    for (; std::getline(csv, zeile); ++i) {
        const std::vector<std::string> v = felder(zeile);
        ASSERT_LT(i, alle.size());
        ASSERT_GE(v.size(), 17u);
        const Elemente &e = alle[i];
        const Kanonwerte k = kanonwerte(e);
        SCOPED_TRACE(kanonzeile(e, k));
        EXPECT_EQ(kanonzeile(e, k).substr(0, katalogdatum_text(std::stoi(v[0]), std::stoi(v[1]), std::stoi(v[2])).size()),
                  katalogdatum_text(std::stoi(v[0]), std::stoi(v[1]), std::stoi(v[2])));
        const double td = std::fmod(k.jd_td + 0.5, 1.0) * 86400, ut = std::fmod(k.jd_ut + 0.5, 1.0) * 86400;
        zeit = std::fmax(zeit, std::fmax(zeitabstand(static_cast<int>(std::lround(td)), sekunden(v[3])),
                                         zeitabstand(static_cast<int>(std::lround(ut)), sekunden(v[4]))));
        EXPECT_EQ(k.lunation, std::stol(v[6]));
        EXPECT_EQ(k.saros, std::stoi(v[7]));
        if (k.typ != v[8][0]) ++typ_anders;
        EXPECT_TRUE(k.typ == v[8][0] || (v[8][0] == 'H' && k.typ == 'A')) << v[8];
        gamma = std::fmax(gamma, std::fabs(k.gamma - std::stod(v[9])));
        groesse = std::fmax(groesse, std::fabs(k.groesse - std::stod(v[10])));
        ort = std::fmax(ort, bogen(k.ort, std::stod(v[11]), std::stod(v[12])));
        if (!v[15].empty()) {
            // Published to 0.1 km.
            const double km = std::stod(v[15]);
            breite = std::fmax(breite, (std::fabs(k.pfadbreite_km - km) - 0.05) / km);
            dauer = std::fmax(dauer, std::fabs(k.dauer - std::stod(v[16])) - 0.5);
        } else {
            EXPECT_FALSE(k.zentral);
        }
    }
    EXPECT_EQ(i, alle.size());
    std::printf("Abweichungen: Zeit %.0f s, Ort %.3f Grad, Gamma %.5f, Groesse %.5f, Dauer %.1f s, Breite %.2f %%, "
                "Typ %zu\n", zeit, ort, gamma, groesse, dauer, breite * 100, typ_anders);
    EXPECT_LE(zeit, 5);
    // 0.05 degrees, and the published point's rounding to 0.1 degree.
    EXPECT_LE(ort, 0.07);
    EXPECT_LE(gamma, 0.0006);
    EXPECT_LE(groesse, 0.0006);
    EXPECT_LE(dauer, 2);
    EXPECT_LE(breite, 0.015);
}

}  // namespace
