// umbrix --kanon, --elemente and --deltat without a display, over the
// canon's sample of five millennia (data/canon/kanon-stichprobe.*) and the
// shipped file; the refusals of years, months, days and Delta T.
#include <gtest/gtest.h>

#include "hilfe/dateien.h"
#include "hilfe/plotdateien.h"
#include "hilfe/xvfb.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Runs umbrix without a display in the directory (the build directory,
// with the shipped eclipse file, when empty).
int umbrix(const std::vector<std::string> &argumente, std::string *ausgabe, const std::string &verzeichnis = "")
{
    std::vector<std::string> a{UMBRIX_BINARY};
    a.insert(a.end(), argumente.begin(), argumente.end());
    testhilfe::Kindprozess k(a, {"DISPLAY"}, verzeichnis.empty() ? UMBRIX_BUILD_DIR : verzeichnis);
    const int status = k.warten(30);
    *ausgabe = k.ausgabe();
    return status;
}

// A directory whose eclipse file is the canon's sample.
class Stichprobe : public testing::Test {
protected:
    void SetUp() override
    {
        testhilfe::datei_schreiben(v_.datei("Ecad22.prn"),
                                   testhilfe::datei_lesen(UMBRIX_SOURCE_DIR "/data/canon/kanon-stichprobe.prn"));
    }
    testhilfe::Arbeitsverzeichnis v_;
};

// The sample's dates in the canon's form, "-1943-12-16".
std::vector<std::string> stichprobendaten()
{
    std::istringstream csv(testhilfe::datei_lesen(UMBRIX_SOURCE_DIR "/data/canon/kanon-stichprobe.csv"));
    std::string zeile;
    std::getline(csv, zeile);
    std::vector<std::string> daten;
    while (std::getline(csv, zeile)) {
        int j, m, t;
        if (std::sscanf(zeile.c_str(), "%d,%d,%d", &j, &m, &t) != 3) continue;
        char text[32];
        std::snprintf(text, sizeof text, "%s%04d-%02d-%02d", j < 0 ? "-" : "", std::abs(j), m, t);
        daten.push_back(text);
    }
    return daten;
}

TEST_F(Stichprobe, KanonJedeFinsternisEineZeile)
{
    std::string aus;
    ASSERT_EQ(umbrix({"--kanon"}, &aus, v_.pfad()), 0) << aus;
    const std::vector<std::string> zeilen = testhilfe::zeilen(aus);
    const std::vector<std::string> daten = stichprobendaten();
    ASSERT_EQ(daten.size(), 60u);
    ASSERT_EQ(zeilen.size(), daten.size() + 1) << aus;
    EXPECT_EQ(zeilen[0], "Datum TD UT DeltaT Lunation Saros Typ Gamma Groesse Breite Laenge Sonnenhoehe Pfadbreite Dauer");
    for (size_t i = 0; i < daten.size(); ++i) {
        std::istringstream felder(zeilen[i + 1]);
        std::vector<std::string> f{std::istream_iterator<std::string>(felder), {}};
        ASSERT_EQ(f.size(), 14u) << zeilen[i + 1];
        EXPECT_EQ(f[0], daten[i]);
        EXPECT_EQ(f[12] == "--", f[13] == "--") << zeilen[i + 1];
        EXPECT_EQ(f[6] == "P", f[13] == "--") << zeilen[i + 1];
    }
    // A historian's range: -601 and -523 of the sample.
    ASSERT_EQ(umbrix({"--kanon", "--", "-650", "-500"}, &aus, v_.pfad()), 0) << aus;
    EXPECT_EQ(testhilfe::zeilen(aus).size(), 3u) << aus;
    EXPECT_EQ(aus.find("\n-0601-10-31 "), aus.find('\n')) << aus;
}

// The canon's mu0 of -1862 July 26 (135.669952) back from the file's, which
// Delta T of 12 hours moved by 180 degrees; the path of that eclipse where
// the canon puts greatest eclipse (62.4 N, 60.2 E).
TEST_F(Stichprobe, NegativesJahr)
{
    std::string aus;
    ASSERT_EQ(umbrix({"--elemente", "--", "-1862", "7", "26"}, &aus, v_.pfad()), 0) << aus;
    const std::vector<std::string> zeilen = testhilfe::zeilen(aus);
    ASSERT_EQ(zeilen.size(), 11u) << aus;
    EXPECT_EQ(zeilen[0], "Finsternis: -1862-07-26");
    EXPECT_EQ(zeilen[1], "t0: 21.000 TD");
    EXPECT_EQ(zeilen[2], "Delta T: 43161.1 s");
    EXPECT_EQ(zeilen[8], "mu: 135.6699520 14.9986400");
    ASSERT_EQ(umbrix({"--pfad", "--", "-1862", "7"}, &aus, v_.pfad()), 0) << aus;
    const size_t g = aus.find("Groesste Finsternis: ");
    ASSERT_NE(g, std::string::npos) << aus;
    double breite = 0, laenge = 0;
    ASSERT_EQ(std::sscanf(aus.c_str() + g, "Groesste Finsternis: %*s UT %lf %lf", &breite, &laenge), 2);
    EXPECT_NEAR(breite, 62.4, 0.06);
    EXPECT_NEAR(laenge, 60.2, 0.06);
}

// NASA's example: T0 = 18:00 TDT, Delta T = 74.0 s, x0 = -0.3182440,
// y0 = 0.2197640, mu0 = 89.5912170, l2_0 = -0.0102720.
TEST(Kanonbefehl, ElementeVon2024)
{
    std::string aus;
    ASSERT_EQ(umbrix({"--elemente", "2024", "4", "8"}, &aus), 0) << aus;
    const std::vector<std::string> z = testhilfe::zeilen(aus);
    ASSERT_EQ(z.size(), 11u) << aus;
    EXPECT_EQ(z[0], "Finsternis: 2024-04-08");
    EXPECT_EQ(z[1], "t0: 18.000 TD");
    EXPECT_EQ(z[2], "Delta T: 74.0 s");
    EXPECT_EQ(z[3].rfind("x: -0.3182440 ", 0), 0u) << z[3];
    EXPECT_EQ(z[4].rfind("y: 0.2197640 ", 0), 0u) << z[4];
    EXPECT_EQ(z[5].rfind("d: ", 0), 0u) << z[5];
    EXPECT_EQ(z[6].rfind("l1: ", 0), 0u) << z[6];
    EXPECT_EQ(z[7].rfind("l2: -0.0102720 ", 0), 0u) << z[7];
    EXPECT_EQ(z[8].rfind("mu: 89.5912170 ", 0), 0u) << z[8];
    EXPECT_EQ(z[9].rfind("tan f1: ", 0), 0u) << z[9];
    EXPECT_EQ(z[10].rfind("tan f2: ", 0), 0u) << z[10];
}

// A larger Delta T turns the Earth further before the same TD instant: the
// path moves east by 1.002738 * 15 / 3600 degrees per second, greatest
// eclipse comes as much earlier in UT.
TEST(Kanonbefehl, DeltaTVerschiebtDenPfad)
{
    double laenge[2] = {}, breite[2] = {};
    int sekunde[2] = {};
    const char *werte[] = {"74", "174"};
    for (int i = 0; i < 2; ++i) {
        std::string aus;
        ASSERT_EQ(umbrix({"--pfad", "2024", "4", "8", "--deltat", werte[i]}, &aus), 0) << aus;
        const size_t g = aus.find("Groesste Finsternis: ");
        ASSERT_NE(g, std::string::npos) << aus;
        int h, m, s;
        ASSERT_EQ(std::sscanf(aus.c_str() + g, "Groesste Finsternis: %d:%d:%d UT %lf %lf", &h, &m, &s, &breite[i],
                              &laenge[i]),
                  5);
        sekunde[i] = h * 3600 + m * 60 + s;
    }
    EXPECT_NEAR(laenge[1] - laenge[0], 100 * 0.00417807, 2e-4);
    EXPECT_NEAR(breite[1], breite[0], 1e-4);
    EXPECT_EQ(sekunde[0] - sekunde[1], 100);
}

// One line on standard error and status 2, before any display is asked
// for (there is none).
TEST(Kanonbefehl, Ablehnungen)
{
    const std::pair<std::vector<std::string>, std::string> faelle[] = {
        {{"--kanon", "3001"}, "--kanon: VON ist keine ganze Zahl von -1999 bis 3000: \"3001\""},
        {{"--kanon", "2000", "1999"}, "--kanon: BIS liegt vor VON: 2000 1999"},
        {{"--pfad", "--", "-2000"}, "--pfad: JAHR ist keine ganze Zahl von -1999 bis 3000: \"-2000\""},
        {{"--bild", "x.png", "--", "-2000"}, "Kein Jahr (-1999 bis 3000): '-2000'."},
        {{"--ort", "0", "0", "3001"}, "Jahr 3001 ausserhalb der Datei (1901 bis 2300)."},
        {{"--elemente", "2024"}, "Anwendung: umbrix --elemente Jahr Monat [Tag]"},
        {{"--elemente", "2024", "0"}, "--elemente: MONAT ist keine ganze Zahl von 1 bis 12: \"0\""},
        {{"--elemente", "2024", "4", "9"}, "Keine Finsternis am 9.4.2024 in Ecad22.prn, aber am 8.4.2024."},
        {{"--", "-2000"}, "Jahr -2000 ausserhalb -1999..3000."},
        {{"2024", "13"}, "Monat 13 ausserhalb 1..12."},
        {{"--kanon", "--deltat", "abc"}, "--deltat ist keine Zahl: \"abc\""},
        {{"--pfad", "--deltat", "1e7"}, "--deltat ausserhalb -1000000..1000000 s: \"1e7\""},
        {{"2024", "--deltat"}, "--deltat ohne SEKUNDEN."},
        {{"--deltat", "1", "--deltat", "2"}, "--deltat doppelt angegeben."},
    };
    for (const auto &[argumente, meldung] : faelle) {
        std::string aus;
        EXPECT_EQ(umbrix(argumente, &aus), 2) << aus;
        EXPECT_EQ(aus, "umbrix: " + meldung + "\n");
    }
}

}  // namespace
