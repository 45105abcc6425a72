// umbrix --kanon, --elemente and --deltat without a display, over the
// canon's sample of five millennia and the shipped file; the refusals.
#include <gtest/gtest.h>

#include "hilfe/dateien.h"
#include "hilfe/plotdateien.h"
#include "hilfe/xvfb.h"

#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

namespace {

// umbrix without a display in the directory verzeichnis, or where the
// shipped eclipse file lies.
std::vector<std::string> umbrix(std::vector<std::string> argumente, int status, const std::string &verzeichnis = "")
{
    argumente.insert(argumente.begin(), UMBRIX_BINARY);
    testhilfe::Kindprozess k(argumente, {"DISPLAY"}, verzeichnis.empty() ? UMBRIX_BUILD_DIR : verzeichnis);
    EXPECT_EQ(k.warten(30), status) << k.ausgabe();
    return testhilfe::zeilen(k.ausgabe());
}

// The sample (data/canon/kanon-stichprobe.*) as the eclipse file: every
// eclipse a line in the sample's order, a historian's range after "--";
// the canon's mu0 of -1862 July 26 (135.669952) back from the file's,
// which Delta T of 12 hours had turned by 180 degrees.
TEST(Kanonbefehl, StichprobeFuenfJahrtausende)
{
    testhilfe::Arbeitsverzeichnis v;
    testhilfe::datei_schreiben(v.datei("Ecad22.prn"),
                               testhilfe::datei_lesen(UMBRIX_SOURCE_DIR "/data/canon/kanon-stichprobe.prn"));
    std::vector<std::string> z = umbrix({"--kanon"}, 0, v.pfad());
    ASSERT_EQ(z.size(), 61u);
    EXPECT_EQ(z[0], "Datum TD UT DeltaT Lunation Saros Typ Gamma Groesse Breite Laenge Sonnenhoehe Pfadbreite Dauer");
    EXPECT_EQ(z[1].rfind("-1943-12-16 21:18:48 08:47:35 45073.1 -48757 30 P ", 0), 0u) << z[1];
    EXPECT_EQ(z[60].rfind("2976-02-21 04:15:07 03:04:23 4243.8 12073 175 A ", 0), 0u) << z[60];
    z = umbrix({"--kanon", "--", "-650", "-500"}, 0, v.pfad());
    ASSERT_EQ(z.size(), 3u);
    EXPECT_EQ(z[1].rfind("-0601-10-31 ", 0), 0u);
    EXPECT_EQ(z[2].rfind("-0523-08-10 ", 0), 0u);
    z = umbrix({"--elemente", "--", "-1862", "7", "26"}, 0, v.pfad());
    ASSERT_EQ(z.size(), 11u);
    EXPECT_EQ(z[0] + " " + z[1] + " " + z[2], "Finsternis: -1862-07-26 t0: 21.000 TD Delta T: 43161.1 s");
    EXPECT_EQ(z[8], "mu: 135.6699520 14.9986400");
}

// NASA's example: T0 = 18:00 TDT, Delta T = 74.0 s, x0 = -0.3182440,
// y0 = 0.2197640, l2_0 = -0.0102720, mu0 = 89.5912170, from NASA's
// elements as the eclipse file.
TEST(Kanonbefehl, ElementeVon2024)
{
    testhilfe::Arbeitsverzeichnis v;
    testhilfe::datei_schreiben(v.datei("Ecad22.prn"),
                               testhilfe::datei_lesen(UMBRIX_SOURCE_DIR "/data/canon/nasa-1901-2300.prn"));
    const std::vector<std::string> z = umbrix({"--elemente", "2024", "4", "8"}, 0, v.pfad());
    const char *anfang[] = {"Finsternis: 2024-04-08", "t0: 18.000 TD", "Delta T: 74.0 s", "x: -0.3182440 ",
                            "y: 0.2197640 ", "d: ", "l1: ", "l2: -0.0102720 ", "mu: 89.5912170 ", "tan f1: ",
                            "tan f2: "};
    ASSERT_EQ(z.size(), std::size(anfang));
    for (size_t i = 0; i < z.size(); ++i) EXPECT_EQ(z[i].rfind(anfang[i], 0), 0u) << z[i];
}

// A larger Delta T turns the Earth further before the same TD instant: the
// path lies 1.002738 * 15 / 3600 degrees further east per second, greatest
// eclipse comes as much earlier in UT.
TEST(Kanonbefehl, DeltaTVerschiebtDenPfad)
{
    double breite[2], laenge[2];
    int sekunde[2];
    for (int i = 0; i < 2; ++i) {
        const std::vector<std::string> z = umbrix({"--pfad", "2024", "4", "8", "--deltat", i ? "174" : "74"}, 0);
        ASSERT_GE(z.size(), 2u);
        int h, m, s;
        ASSERT_EQ(std::sscanf(z[z.size() - 2].c_str(), "Groesste Finsternis: %d:%d:%d UT %lf %lf", &h, &m, &s,
                              &breite[i], &laenge[i]),
                  5);
        sekunde[i] = h * 3600 + m * 60 + s;
    }
    EXPECT_NEAR(laenge[1] - laenge[0], 100 * 0.00417807, 2e-4);
    EXPECT_NEAR(breite[1], breite[0], 1e-4);
    EXPECT_EQ(sekunde[0] - sekunde[1], 100);
}

// One line on standard error and status 2, before a display is asked for.
TEST(Kanonbefehl, Ablehnungen)
{
    const std::pair<std::vector<std::string>, std::string> faelle[] = {
        {{"--kanon", "3001"}, "--kanon: VON ist keine ganze Zahl von -1999 bis 3000: \"3001\""},
        {{"--kanon", "2000", "1999"}, "--kanon: BIS liegt vor VON: 2000 1999"},
        {{"--pfad", "--", "-2000"}, "--pfad: JAHR ist keine ganze Zahl von -1999 bis 3000: \"-2000\""},
        {{"--bild", "x.png", "--", "-2000"}, "Kein Jahr (-1999 bis 3000): '-2000'."},
        {{"--ort", "0", "0", "3001"}, "Jahr 3001 ausserhalb der Datei (-1999 bis 3000)."},
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
    for (const auto &[argumente, meldung] : faelle)
        EXPECT_EQ(umbrix(argumente, 2), std::vector<std::string>{"umbrix: " + meldung});
}

}  // namespace
