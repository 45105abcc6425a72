// The eclipse file and its converter: reading the canon table strictly,
// the time-scale corrections, and the shipped Ecad22.prn read back with the
// viewer's own formats.
#include <gtest/gtest.h>

#include "ecad_lesen.h"
#include "ecad_satz.h"
#include "hilfe/dateien.h"
#include "hilfe/xvfb.h"
#include "finsternis/finsternis.h"
#include "kanon_csv.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char *const zeile_1901 =
    "1901,5,18,2415522.731807,6.0,-4.0,4.0,-0.9,0.3000790,0.5746928,-4.400e-06,-9.600e-06,"
    "-0.3249220,0.0785243,-1.160e-04,-1.220e-06,19.4025593,0.0091310,-4.000e-06,270.9475098,"
    "15.0011597,0.000e-00,0.5329930,0.0000393,-1.270e-05,-0.0130790,0.0000392,-1.260e-05,0.0046205,0.0045975";

// The 1901 row with fields replaced (column number -> text).
std::string abgewandelt(const std::map<int, std::string> &ersatz)
{
    std::vector<std::string> felder;
    std::stringstream s(zeile_1901);
    std::string feld;
    while (std::getline(s, feld, ',')) felder.push_back(feld);
    for (const auto &[spalte, text] : ersatz) felder.at(spalte) = text;
    std::string zeile;
    for (std::size_t i = 0; i < felder.size(); ++i) zeile += (i ? "," : "") + felder[i];
    return zeile;
}

ecad::KanonZeile zeile(const std::string &text)
{
    ecad::KanonZeile z;
    std::string fehler;
    EXPECT_TRUE(ecad::kanon_zeile_lesen(text, z, fehler)) << fehler << "\n" << text;
    return z;
}

std::vector<ecad::KanonZeile> kanon()
{
    std::ifstream ein(ECAD_KANON, std::ios::binary);
    std::vector<ecad::KanonZeile> zeilen;
    std::string fehler;
    EXPECT_TRUE(ecad::kanon_lesen(ein, zeilen, fehler)) << fehler;
    return zeilen;
}

const ecad::KanonZeile *kanonzeile(const std::vector<ecad::KanonZeile> &zeilen, int jahr, int monat, int tag)
{
    for (const auto &z : zeilen)
        if (z.jahr == jahr && z.monat == monat && z.tag == tag) return &z;
    return nullptr;
}

// Reads records as the viewer does until the end; ende gets the last result
// of satz_lesen (0 for a clean end, -1 for a broken record).
std::vector<ecad::EcadSatz> saetze(std::FILE *f, int *ende = nullptr)
{
    std::vector<ecad::EcadSatz> liste;
    ecad::EcadSatz s;
    int r;
    while ((r = ecad::satz_lesen(f, s)) == 1) liste.push_back(s);
    if (ende) *ende = r;
    return liste;
}

std::vector<ecad::EcadSatz> saetze_aus_text(const std::string &text, int *ende = nullptr)
{
    std::FILE *f = fmemopen(const_cast<char *>(text.data()), text.size(), "r");
    EXPECT_NE(f, nullptr);
    auto liste = saetze(f, ende);
    std::fclose(f);
    return liste;
}

std::vector<ecad::EcadSatz> ausgeliefert(int *ende = nullptr)
{
    std::FILE *f = std::fopen(ECAD_DATEI, "r");
    EXPECT_NE(f, nullptr) << ECAD_DATEI;
    if (!f) return {};
    auto liste = saetze(f, ende);
    std::fclose(f);
    return liste;
}

const ecad::EcadSatz *satz_zum_kanondatum(const std::vector<ecad::EcadSatz> &liste, int jahr, int monat, int tag)
{
    for (const auto &s : liste)
        if (s.zusatz5 == jahr * 10000 + monat * 100 + tag) return &s;
    return nullptr;
}

double bruchteil(double x) { return x - std::floor(x); }

// The caption's day and time at t hours from T0, as "day hh:mm".
std::string uhrtext(const ecad::EcadSatz &s, double t)
{
    const auto u = ecad::beschriftungszeit(s, t);
    char text[32];
    std::snprintf(text, sizeof text, "%d %02d:%02d", u.tag, u.stunden, u.minuten);
    return text;
}

}  // namespace

// --- reading the canon table ---------------------------------------------

TEST(DatenKanon, MitgelieferteTabelle)
{
    const auto zeilen = kanon();
    ASSERT_EQ(zeilen.size(), 935u);  // all solar eclipses 1901 to 2300
    EXPECT_EQ(zeilen.front().jahr, 1901);
    EXPECT_EQ(zeilen.back().jahr, 2300);
    for (const auto &z : zeilen) {
        EXPECT_EQ(z.tmin, -4);
        EXPECT_EQ(z.tmax, 4);
    }
}

TEST(DatenKanon, FelderBleibenAlsTextErhalten)
{
    const auto z = zeile(zeile_1901);
    EXPECT_EQ(z.text[ecad::S_X2], "-4.400e-06");
    EXPECT_EQ(z.text[ecad::S_MU2], "0.000e-00");
    EXPECT_EQ(z.wert[ecad::S_X2], -4.4e-06);
    EXPECT_EQ(z.wert[ecad::S_DELTAT], -0.9);
    EXPECT_EQ(z.t0_stunde, 6);
    EXPECT_EQ(z.jahr * 10000 + z.monat * 100 + z.tag, 19010518);
}

TEST(DatenKanon, KopfZeilenendenUndLeerzeilen)
{
    std::vector<ecad::KanonZeile> zeilen;
    std::string fehler;
    std::istringstream mit_crlf(std::string(ecad::kanon_kopf) + "\r\n" + zeile_1901 + "\r\n\r\n\n");
    ASSERT_TRUE(ecad::kanon_lesen(mit_crlf, zeilen, fehler)) << fehler;
    ASSERT_EQ(zeilen.size(), 1u);
    EXPECT_EQ(zeilen[0].text[ecad::S_TANF2], "0.0045975");  // no carriage return left in the last field

    zeilen.clear();
    std::istringstream ohne_kopf(std::string(zeile_1901) + "\n");
    EXPECT_FALSE(ecad::kanon_lesen(ohne_kopf, zeilen, fehler));
    EXPECT_NE(fehler.find("Zeile 1"), std::string::npos) << fehler;

    std::istringstream leer("");
    EXPECT_FALSE(ecad::kanon_lesen(leer, zeilen, fehler));
}

TEST(DatenKanon, FehlerhafteZeilenWerdenAbgewiesen)
{
    const std::vector<std::pair<std::string, std::string>> faelle = {
        {"ein Feld zu wenig", std::string(zeile_1901).substr(0, std::string(zeile_1901).rfind(','))},
        {"ein Feld zu viel", std::string(zeile_1901) + ",1.0"},
        {"keine Zahl", abgewandelt({{ecad::S_X1, "0.57x"}})},
        {"leeres Feld", abgewandelt({{ecad::S_Y0, ""}})},
        {"Zahl mit Leerzeichen", abgewandelt({{ecad::S_D0, " 19.4"}})},
        {"halbe Stunde als T0", abgewandelt({{ecad::S_T0_STUNDE, "6.5"}})},
        {"Stunde 24", abgewandelt({{ecad::S_T0_STUNDE, "24.0"}})},
        {"Monat 13", abgewandelt({{ecad::S_MONAT, "13"}})},
        {"30. Februar", abgewandelt({{ecad::S_MONAT, "2"}, {ecad::S_TAG, "30"}})},
        {"Datum passt nicht zu jd", abgewandelt({{ecad::S_TAG, "19"}})},
        {"mu2 nicht 0", abgewandelt({{ecad::S_MU2, "1.0e-07"}})},
        {"Gueltigkeit verkehrt", abgewandelt({{ecad::S_TMIN, "4.0"}, {ecad::S_TMAX, "-4.0"}})},
        {"unendlich", abgewandelt({{ecad::S_L1_0, "inf"}})},
    };
    for (const auto &[name, text] : faelle) {
        std::vector<ecad::KanonZeile> zeilen;
        std::string fehler;
        std::istringstream ein(std::string(ecad::kanon_kopf) + "\n" + zeile_1901 + "\n" + text + "\n");
        EXPECT_FALSE(ecad::kanon_lesen(ein, zeilen, fehler)) << name;
        EXPECT_NE(fehler.find("Zeile 3"), std::string::npos) << name << ": " << fehler;
    }
}

// --- conversion ---------------------------------------------------------

TEST(DatenUmwandlung, BezugszeitInnerhalbZwoelfStunden)
{
    const auto zeilen = kanon();
    // Greatest eclipse 16:29:51 TDT, yet T0 = 17 h of the same day.
    const auto *z1908 = kanonzeile(zeilen, 1908, 6, 28);
    ASSERT_NE(z1908, nullptr);
    auto b = ecad::bezugszeit_tdt(*z1908);
    EXPECT_EQ(b.tag, ecad::tagesnummer(1908, 6, 28));
    EXPECT_EQ(b.stunde, 17);
    EXPECT_NEAR(std::stod(ecad::groesste_text(*z1908)), -(3600 - (29 * 60 + 51)) / 3600.0, 2e-5);

    // Greatest eclipse 23:53 TDT on 20 May: T0 is 0 h TDT of 21 May.
    const auto *z2012 = kanonzeile(zeilen, 2012, 5, 20);
    ASSERT_NE(z2012, nullptr);
    b = ecad::bezugszeit_tdt(*z2012);
    EXPECT_EQ(b.tag, ecad::tagesnummer(2012, 5, 21));
    EXPECT_EQ(b.stunde, 0);
    EXPECT_LT(std::stod(ecad::groesste_text(*z2012)), 0.0);

    // Greatest eclipse 00:20 TDT with T0 = 23 h: the evening before.
    const auto z = zeile(abgewandelt({{ecad::S_JD_GROESSTE, "2415522.513889"}, {ecad::S_T0_STUNDE, "23.0"}}));
    b = ecad::bezugszeit_tdt(z);
    EXPECT_EQ(b.tag, ecad::tagesnummer(1901, 5, 17));
    int j, m, t;
    ecad::datum_ut(z, j, m, t);
    EXPECT_EQ(j * 10000 + m * 100 + t, 19010517);
    EXPECT_NEAR(std::stod(ecad::groesste_text(z)), 1 + 20 / 60.0, 2e-5);
}

TEST(DatenUmwandlung, DeltaTVerschiebtZeitUndDatum)
{
    // T0 = 0 h TDT. A positive Delta T puts T0 in UT on the evening before,
    // a negative one keeps it after midnight, and 0 exactly at midnight.
    const std::string mitternacht = "2415522.505000";  // 1901-05-18 00:07:12 TDT
    struct Fall {
        const char *deltat;
        int datum;
    } faelle[] = {{"30.0", 19010517}, {"-0.9", 19010518}, {"0.0", 19010518}, {"0.1", 19010517}};
    for (const auto &f : faelle) {
        const auto z = zeile(abgewandelt(
            {{ecad::S_JD_GROESSTE, mitternacht}, {ecad::S_T0_STUNDE, "0.0"}, {ecad::S_DELTAT, f.deltat}}));
        int j, m, t;
        ecad::datum_ut(z, j, m, t);
        EXPECT_EQ(j * 10000 + m * 100 + t, f.datum) << "Delta T " << f.deltat;
        const double jd = ecad::jd_ut(z);
        EXPECT_NEAR((jd - 2415522.5) * 86400.0, -std::stod(f.deltat), 1e-4) << f.deltat;
        // The date written is the date of jd itself.
        ecad::kalenderdatum(jd, j, m, t);
        EXPECT_EQ(j * 10000 + m * 100 + t, f.datum) << "Delta T " << f.deltat;
    }
    const auto null = zeile(abgewandelt(
        {{ecad::S_JD_GROESSTE, mitternacht}, {ecad::S_T0_STUNDE, "0.0"}, {ecad::S_DELTAT, "0.0"}}));
    EXPECT_EQ(ecad::jd_ut(null), 2415522.5);
}

TEST(DatenUmwandlung, StundenwinkelAufGreenwich)
{
    const auto z = zeile(zeile_1901);  // Delta T = -0.9 s
    EXPECT_NEAR(ecad::mu0_greenwich(z), 270.9475098 + 1.002738 * 15 * 0.9 / 3600, 1e-12);
    // A small mu0 may become negative; the angle is not folded into 0..360.
    const auto klein = zeile(abgewandelt({{ecad::S_MU0, "0.1000000"}, {ecad::S_DELTAT, "70.0"}}));
    EXPECT_NEAR(ecad::mu0_greenwich(klein), 0.1 - 1.002738 * 15 * 70.0 / 3600, 1e-12);
    EXPECT_LT(ecad::mu0_greenwich(klein), 0.0);
}

TEST(DatenUmwandlung, ZahlenOhneVerlust)
{
    const double werte[] = {2460409.2491435185, 89.28203945, 0.1, -1.0e-7, 1.0 / 3.0, 2415522.5, 0.0, -270.25};
    for (double w : werte) {
        const std::string text = ecad::zahl_text(w);
        double zurueck = 0;
        ASSERT_EQ(std::sscanf(text.c_str(), "%lf", &zurueck), 1) << text;
        EXPECT_EQ(zurueck, w) << text;
    }
    EXPECT_EQ(ecad::zahl_text(0.1), "0.1");  // shortest, not 0.10000000000000001
    EXPECT_EQ(ecad::zahl_text(2415522.5), "2415522.5");
}

TEST(DatenUmwandlung, SatzHatZehnGruppenUndUnveraenderteElemente)
{
    const auto z = zeile(zeile_1901);
    const std::string text = ecad::satz_text(z);
    std::vector<std::string> zeilen;
    std::istringstream ein(text);
    for (std::string l; std::getline(ein, l);) zeilen.push_back(l);
    ASSERT_EQ(zeilen.size(), 10u);
    EXPECT_EQ(text.back(), '\n');
    EXPECT_EQ(zeilen[0], "1901 5 18");
    EXPECT_EQ(zeilen[1].substr(0, 7), "6 -0.9 ");
    EXPECT_EQ(zeilen[2].substr(zeilen[2].find(' ')), " -4 4 19010518");
    EXPECT_EQ(zeilen[3], "0.3000790 0.5746928 -4.400e-06 -9.600e-06");
    EXPECT_EQ(zeilen[4], "-0.3249220 0.0785243 -1.160e-04 -1.220e-06");
    EXPECT_EQ(zeilen[5], "19.4025593 0.0091310 -4.000e-06");
    EXPECT_EQ(zeilen[6].substr(zeilen[6].find(' ')), " 15.0011597");
    EXPECT_EQ(zeilen[7], "0.5329930 0.0000393 -1.270e-05");
    EXPECT_EQ(zeilen[8], "-0.0130790 0.0000392 -1.260e-05");
    EXPECT_EQ(zeilen[9], "0.0046205 0.0045975");

    int ende = 0;
    const auto gelesen = saetze_aus_text(text, &ende);
    ASSERT_EQ(gelesen.size(), 1u);
    EXPECT_EQ(ende, 0);
    EXPECT_EQ(gelesen[0].mu[0], ecad::mu0_greenwich(z));
    EXPECT_EQ(gelesen[0].jd, ecad::jd_ut(z));
}

TEST(DatenUmwandlung, JahresbereichUndOrdnung)
{
    auto zeilen = kanon();
    std::string text, fehler;
    ASSERT_TRUE(ecad::ecad_text(zeilen, 2024, 2024, text, fehler)) << fehler;
    auto liste = saetze_aus_text(text);
    ASSERT_EQ(liste.size(), 2u);  // 8 April (total) and 2 October (annular)
    EXPECT_EQ(liste[0].zusatz5, 20240408);
    EXPECT_EQ(liste[1].zusatz5, 20241002);

    ASSERT_TRUE(ecad::ecad_text(zeilen, 2301, 2400, text, fehler));
    EXPECT_TRUE(text.empty());

    // Rows in reverse order still give the file in ascending order.
    std::vector<ecad::KanonZeile> rueckwaerts(zeilen.rbegin(), zeilen.rend());
    std::string vorwaerts_text, rueckwaerts_text;
    ASSERT_TRUE(ecad::ecad_text(zeilen, 1990, 2010, vorwaerts_text, fehler));
    ASSERT_TRUE(ecad::ecad_text(rueckwaerts, 1990, 2010, rueckwaerts_text, fehler));
    EXPECT_EQ(rueckwaerts_text, vorwaerts_text);

    // The same eclipse twice is refused.
    std::vector<ecad::KanonZeile> doppelt = {zeilen[0], zeilen[1], zeilen[0]};
    EXPECT_FALSE(ecad::ecad_text(doppelt, 1901, 1901, text, fehler));
    EXPECT_NE(fehler.find("1901-5-18"), std::string::npos) << fehler;
}

// --- the shipped file ----------------------------------------------------

TEST(DatenEcad22, GleichDerAusgabeDesKonverters)
{
    std::string ausgabe;
    ASSERT_EQ(testhilfe::ausfuehren({ECAD_KONVERTER, ECAD_KANON, std::to_string(ECAD_VON), std::to_string(ECAD_BIS)},
                                    &ausgabe, 60),
              0);
    const std::string datei = testhilfe::datei_lesen(ECAD_DATEI);
    ASSERT_FALSE(datei.empty());
    EXPECT_TRUE(ausgabe == datei) << "data/Ecad22.prn weicht von der Ausgabe des Konverters ab; neu erzeugen mit "
                                     "cmake --build build --target ecad22_erzeugen";

    // Writing to a named file gives the same bytes.
    testhilfe::Arbeitsverzeichnis v;
    ASSERT_EQ(testhilfe::ausfuehren({ECAD_KONVERTER, ECAD_KANON, std::to_string(ECAD_VON), std::to_string(ECAD_BIS),
                                     v.datei("Ecad22.prn")},
                                    &ausgabe, 60),
              0);
    EXPECT_TRUE(testhilfe::datei_lesen(v.datei("Ecad22.prn")) == datei);
}

// The canon's sample of five millennia, read by its own header: the
// shipped record file is the converter's output, and a date before year 1
// keeps its sign in zusatz5.
TEST(DatenEcad22, StichprobeGleichDerAusgabeDesKonverters)
{
    const std::string csv = UMBRIX_SOURCE_DIR "/data/canon/kanon-stichprobe.csv";
    std::string ausgabe;
    ASSERT_EQ(testhilfe::ausfuehren({ECAD_KONVERTER, csv, "-1999", "3000"}, &ausgabe, 60), 0) << ausgabe;
    EXPECT_TRUE(ausgabe == testhilfe::datei_lesen(UMBRIX_SOURCE_DIR "/data/canon/kanon-stichprobe.prn"));
    EXPECT_EQ(ausgabe.rfind("-1943 12 16\n21 45073.1 0.313334\n1011726.8533206019 -4 4 -19431216\n", 0), 0u)
        << ausgabe.substr(0, 80);
}

TEST(DatenEcad22, AlleSaetzeLesbarGeordnetUndUnveraendert)
{
    const auto zeilen = kanon();
    int ende = -2;
    const auto liste = ausgeliefert(&ende);
    EXPECT_EQ(ende, 0) << "the file must end after a complete record";
    ASSERT_EQ(liste.size(), zeilen.size());

    for (std::size_t i = 0; i < liste.size(); ++i) {
        const auto &s = liste[i];
        SCOPED_TRACE("Satz " + std::to_string(i) + " vom " + std::to_string(s.zusatz5));
        if (i > 0) {
            const auto &v = liste[i - 1];
            EXPECT_LT(v.jd, s.jd);
            EXPECT_LT(v.zusatz5, s.zusatz5);
            EXPECT_LE(v.fjahr * 10000 + v.fmonat * 100 + v.ftag, s.fjahr * 10000 + s.fmonat * 100 + s.ftag);
        }
        ASSERT_GE(s.fmonat, 1);
        ASSERT_LE(s.fmonat, 12);

        // The date is the UT date of jd, i.e. of T0 in UT.
        int j, m, t;
        ecad::kalenderdatum(s.jd, j, m, t);
        EXPECT_EQ(j * 10000 + m * 100 + t, s.fjahr * 10000 + s.fmonat * 100 + s.ftag);

        const auto *z = kanonzeile(zeilen, s.zusatz5 / 10000, s.zusatz5 / 100 % 100, s.zusatz5 % 100);
        ASSERT_NE(z, nullptr);
        // jd + Delta T is T0 in TDT, a whole hour: the hour in zusatz0.
        EXPECT_EQ(s.zusatz1, z->wert[ecad::S_DELTAT]);
        EXPECT_EQ(s.zusatz0, z->t0_stunde);
        const double t0_tdt = s.jd + s.zusatz1 / 86400.0;
        EXPECT_NEAR(bruchteil(t0_tdt + 0.5) * 24.0, s.zusatz0, 1e-6);
        // ... and greatest eclipse lies zusatz2 hours from it.
        EXPECT_NEAR(t0_tdt + s.zusatz2 / 24.0, z->wert[ecad::S_JD_GROESSTE], 1e-7);
        EXPECT_EQ(s.zusatz3, z->tmin);
        EXPECT_EQ(s.zusatz4, z->tmax);

        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(s.x[k], z->wert[ecad::S_X0 + k]);
            EXPECT_EQ(s.y[k], z->wert[ecad::S_Y0 + k]);
        }
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(s.d[k], z->wert[ecad::S_D0 + k]);
            EXPECT_EQ(s.l1[k], z->wert[ecad::S_L1_0 + k]);
            EXPECT_EQ(s.l2[k], z->wert[ecad::S_L2_0 + k]);
        }
        EXPECT_EQ(s.mu[1], z->wert[ecad::S_MU1]);
        EXPECT_NEAR(s.mu[0], z->wert[ecad::S_MU0] - 1.002738 * 15 * z->wert[ecad::S_DELTAT] / 3600, 1e-12);
        EXPECT_EQ(s.tanf1, z->wert[ecad::S_TANF1]);
        EXPECT_EQ(s.tanf2, z->wert[ecad::S_TANF2]);
    }
}

TEST(DatenEcad22, Finsternis2024April8)
{
    const auto liste = ausgeliefert();
    const auto *s = satz_zum_kanondatum(liste, 2024, 4, 8);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->fjahr, 2024);
    EXPECT_EQ(s->fmonat, 4);
    EXPECT_EQ(s->ftag, 8);
    // The published elements, unchanged.
    EXPECT_EQ(s->x[0], -0.3182440);
    EXPECT_EQ(s->x[1], 0.5117116);
    EXPECT_EQ(s->y[0], 0.2197640);
    EXPECT_EQ(s->y[1], 0.2709589);
    EXPECT_EQ(s->d[0], 7.5862002);
    EXPECT_EQ(s->l1[0], 0.5358140);
    EXPECT_EQ(s->l2[0], -0.0102720);
    EXPECT_EQ(s->tanf1, 0.0046683);
    EXPECT_EQ(s->tanf2, 0.0046450);
    EXPECT_EQ(s->mu[1], 15.0040817);
    EXPECT_EQ(s->zusatz1, 74.0);
    EXPECT_EQ(s->zusatz0, 18);
    // Hour angle referred to Greenwich.
    EXPECT_NEAR(s->mu[0], 89.5912170 - 1.002738 * 15 * 74.0 / 3600, 1e-12);
    // T0 = 18:00 TDT = 17:58:46 UT.
    EXPECT_NEAR(bruchteil(s->jd - 2400000.5) * 86400.0, 18 * 3600 - 74.0, 1e-3);
    EXPECT_EQ(uhrtext(*s, 0.0), "8 17:58");
}

TEST(DatenEcad22, DatumNaheMitternachtIstDasDatumInUT)
{
    const auto liste = ausgeliefert();

    // Greatest eclipse 23:53 TDT on 20 May 2012, T0 = 0 h TDT on 21 May,
    // which is 23:58:52 UT on 20 May.
    const auto *s = satz_zum_kanondatum(liste, 2012, 5, 20);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->fjahr * 10000 + s->fmonat * 100 + s->ftag, 20120520);
    EXPECT_EQ(uhrtext(*s, 0.0), "20 23:58");
    EXPECT_EQ(uhrtext(*s, 0.1), "21 00:04");  // six minutes later: the next day

    // Greatest eclipse 00:13 TDT on 25 February 1914 with T0 = 0 h TDT, which
    // with Delta T = 16 s is 23:59:44 UT on 24 February.
    s = satz_zum_kanondatum(liste, 1914, 2, 25);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->fjahr * 10000 + s->fmonat * 100 + s->ftag, 19140224);
    EXPECT_EQ(uhrtext(*s, 0.0), "24 23:59");
    EXPECT_EQ(uhrtext(*s, 0.25), "25 00:14");

    // The same across a year: the canon's 1 January 2215 is T0 on
    // 31 December 2214 in UT.
    s = satz_zum_kanondatum(liste, 2215, 1, 1);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->fjahr * 10000 + s->fmonat * 100 + s->ftag, 22141231);

    // Whenever the date differs from the canon's, it is the day before, and
    // only because T0 is 0 h TDT and a positive Delta T takes it back into
    // the evening.
    int verschoben = 0;
    for (const auto &r : liste) {
        const long kanontag = ecad::tagesnummer(r.zusatz5 / 10000, r.zusatz5 / 100 % 100, r.zusatz5 % 100);
        const long tag = ecad::tagesnummer(r.fjahr, r.fmonat, r.ftag);
        if (tag == kanontag) continue;
        ++verschoben;
        EXPECT_EQ(tag, kanontag - 1) << r.zusatz5;
        EXPECT_EQ(r.zusatz0, 0) << r.zusatz5;
        EXPECT_GT(r.zusatz1, 0.0) << r.zusatz5;
    }
    EXPECT_GE(verschoben, 3);
}

TEST(DatenEcad22, KonverterMeldetFehlerUndLaesstDieDateiStehen)
{
    std::string ausgabe;
    EXPECT_EQ(testhilfe::ausfuehren({ECAD_KONVERTER}, &ausgabe), 2);
    EXPECT_NE(ausgabe.find("Aufruf"), std::string::npos) << ausgabe;
    EXPECT_EQ(testhilfe::ausfuehren({ECAD_KONVERTER, ECAD_KANON, "2000", "1999"}, &ausgabe), 2);
    EXPECT_EQ(testhilfe::ausfuehren({ECAD_KONVERTER, ECAD_KANON, "2000x", "2001"}, &ausgabe), 2);

    testhilfe::Arbeitsverzeichnis v;
    EXPECT_EQ(testhilfe::ausfuehren({ECAD_KONVERTER, v.datei("fehlt.csv"), "1901", "2300"}, &ausgabe), 1);

    // A damaged table: the target keeps its old contents, nothing is left behind.
    testhilfe::datei_schreiben(v.datei("kaputt.csv"), std::string(ecad::kanon_kopf) + "\n" + zeile_1901 + "\n" +
                                                          abgewandelt({{ecad::S_X0, "?"}}) + "\n");
    testhilfe::datei_schreiben(v.datei("ziel.prn"), "alt\n");
    EXPECT_EQ(testhilfe::ausfuehren({ECAD_KONVERTER, v.datei("kaputt.csv"), "1901", "2300", v.datei("ziel.prn")},
                                    &ausgabe),
              1);
    EXPECT_NE(ausgabe.find("Zeile 3"), std::string::npos) << ausgabe;
    EXPECT_EQ(testhilfe::datei_lesen(v.datei("ziel.prn")), "alt\n");
    std::ifstream rest(v.datei("ziel.prn.neu"));
    EXPECT_FALSE(rest.good());
}
