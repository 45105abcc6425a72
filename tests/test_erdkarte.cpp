// The coastline map: line reading, the GMT file reader with its limits, the
// turning of the globe and the drawing of the visible coastlines.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "betrachter/erdkarte.h"
#include "betrachter/datendatei.h"
#include "betrachter/globusdrehung.h"
#include "hilfe/bild.h"
#include "hilfe/dateien.h"
#include "hilfe/daten.h"
#include "hilfe/xvfb.h"
#include "xmalwerk1/core/intern.h"
#include "xmalwerk1/xmalwerk1.h"

#include <cmath>
#include <cstdio>
#include <sys/stat.h>
#include <string>
#include <vector>

using testhilfe::Arbeitsverzeichnis;

namespace {

const double pi = 3.14159265358979323846;

std::string schreiben(const Arbeitsverzeichnis &v, const std::string &name, const std::string &inhalt)
{
    testhilfe::datei_schreiben(v.datei(name), inhalt);
    return v.datei(name);
}

std::vector<std::pair<int, std::string>> alle_zeilen(const std::string &pfad, int groesse = 200)
{
    std::vector<std::pair<int, std::string>> zeilen;
    FILE *f = fopen(pfad.c_str(), "r");
    std::vector<char> puffer(static_cast<size_t>(groesse) + 8, 'x');
    for (int i = 0; i < 100; ++i) {
        int r = getline(f, puffer.data(), groesse);
        zeilen.emplace_back(r, puffer.data());
        if (!r) break;
    }
    fclose(f);
    return zeilen;
}

// Loads a file written into a fresh directory, found through aktuellerpfad;
// returns the loader's result and what it printed.
// The map is loaded once per run of the program, and loading appends.
void karte_leeren()
{
    erdkarte.nlinien = 0;
    erdkarte.npunkte = 0;
}

// A fresh map from the text.
int laden(const std::string &inhalt, std::string *ausgabe = nullptr)
{
    karte_leeren();
    Arbeitsverzeichnis v;
    testhilfe::datei_schreiben(v.datei("kueste.dat"), inhalt);
    aktuellerpfad = const_cast<char *>(v.pfad().c_str());
    testing::internal::CaptureStdout();
    int n = karte_laden(const_cast<char *>("kueste.dat"));
    fflush(stdout);
    std::string aus = testing::internal::GetCapturedStdout();
    if (ausgabe) *ausgabe = aus;
    aktuellerpfad = nullptr;
    return n;
}

std::string segment(int n, double laenge0 = 0)
{
    std::string s = "> Shore Bin # 1, Level 1\n";
    for (int i = 0; i < n; ++i) s += std::to_string(laenge0 + i * 0.01) + " " + std::to_string(i * 0.001) + "\n";
    return s;
}

}  // namespace

TEST(Zeilenlesen, ZeilenendenUndDateiende)
{
    Arbeitsverzeichnis v;
    auto z = alle_zeilen(schreiben(v, "a", "abc\n\nd e\nletzte"));
    ASSERT_EQ(z.size(), 4u);
    EXPECT_EQ(z[0], std::make_pair(1, std::string("abc")));
    EXPECT_EQ(z[1], std::make_pair(1, std::string("")));
    EXPECT_EQ(z[2], std::make_pair(1, std::string("d e")));
    EXPECT_EQ(z[3], std::make_pair(0, std::string("letzte")));  // no final line feed

    z = alle_zeilen(schreiben(v, "b", "x\r\ny\n"));
    ASSERT_EQ(z.size(), 4u);
    EXPECT_EQ(z[0].second, "x");
    EXPECT_EQ(z[1], std::make_pair(1, std::string("")));  // the LF after the CR
    EXPECT_EQ(z[2].second, "y");
    EXPECT_EQ(z[3], std::make_pair(0, std::string("")));

    // At most size - 1 characters; the rest of the line comes next.
    z = alle_zeilen(schreiben(v, "c", "abcdefg\n"), 5);
    ASSERT_EQ(z.size(), 3u);
    EXPECT_EQ(z[0], std::make_pair(1, std::string("abcd")));
    EXPECT_EQ(z[1], std::make_pair(1, std::string("efg")));
    EXPECT_EQ(z[2], std::make_pair(0, std::string("")));

    z = alle_zeilen(schreiben(v, "d", ""));
    ASSERT_EQ(z.size(), 1u);
    EXPECT_EQ(z[0], std::make_pair(0, std::string("")));

    // No room even for the terminator: nothing is written or read.
    FILE *f = fopen(schreiben(v, "e", "abc").c_str(), "r");
    char c = 'x';
    EXPECT_EQ(getline(f, &c, 0), 0);
    EXPECT_EQ(c, 'x');
    EXPECT_EQ(getc(f), 'a');
    fclose(f);
}

TEST(Kartenlesen, ZweiSegmente)
{
    int n = laden("# pscoast\n> Shore Bin # 1, Level 1\n10 20\n11 21\n12 22\n> Shore Bin # 2, Level 1\n-170.5 -80\n"
                  "180 90\n");
    EXPECT_EQ(n, 2);
    ASSERT_EQ(erdkarte.nlinien, 2);
    EXPECT_EQ(erdkarte.npunkte, 5);
    EXPECT_EQ(erdkarte.linienende[0], 3);
    EXPECT_EQ(erdkarte.linienende[1], 5);
    EXPECT_DOUBLE_EQ(erdkarte.erdlaenge[0], 10 * pi / 180);
    EXPECT_DOUBLE_EQ(erdkarte.erdbreite[2], 22 * pi / 180);
    EXPECT_DOUBLE_EQ(erdkarte.erdlaenge[3], -170.5 * pi / 180);
    EXPECT_DOUBLE_EQ(erdkarte.erdbreite[4], pi / 2);
}

TEST(Kartenlesen, FremdeKoepfeKommentareUndVorspann)
{
    std::string aus;
    int n = laden("1 1\n2 2\n; Kommentar\n> Shore\n5 5\n# 6 6\n6 6\n> Border Bin # 3\n7 7\n8 8\n>\n9 9\n"
                  "> Shore zwei\n30 40\n",
                  &aus);
    EXPECT_EQ(aus, "unbekanntes Schluesselwort: > Border Bin # 3\n"
                   "weitere Kopfzeilen mit unbekanntem Schluesselwort: 1\n");
    EXPECT_EQ(n, 2);
    ASSERT_EQ(erdkarte.nlinien, 2);
    EXPECT_EQ(erdkarte.linienende[0], 2);  // 5 5 and 6 6
    EXPECT_EQ(erdkarte.linienende[1], 3);
    EXPECT_DOUBLE_EQ(erdkarte.erdlaenge[1], 6 * pi / 180);
    EXPECT_DOUBLE_EQ(erdkarte.erdlaenge[2], 30 * pi / 180);
}

TEST(Kartenlesen, LangesSegmentWirdGekuerzt)
{
    EXPECT_EQ(laden(segment(1500) + segment(2, 50)), 2);
    ASSERT_EQ(erdkarte.nlinien, 2);
    EXPECT_EQ(erdkarte.linienende[0], 1000);
    EXPECT_NEAR(erdkarte.erdlaenge[999], 9.99 * pi / 180, 1e-12);  // the first 1000 are kept
    EXPECT_EQ(erdkarte.linienende[1], 1002);
}

TEST(Kartenlesen, LetzteZeileOhneZeilenende)
{
    EXPECT_EQ(laden("> Shore\n1 2\n3 4"), 1);
    ASSERT_EQ(erdkarte.npunkte, 2);
    EXPECT_DOUBLE_EQ(erdkarte.erdbreite[1], 4 * pi / 180);

    // A last header without a line feed still ends the segment before it.
    std::string aus;
    EXPECT_EQ(laden("> Shore\n1 2\n> Border", &aus), 1);
    EXPECT_EQ(aus, "unbekanntes Schluesselwort: > Border\n");
    EXPECT_EQ(erdkarte.npunkte, 1);
}

TEST(Kartenlesen, CrLfWieLf)
{
    std::string lf = "> Shore Bin # 1\n10 20\n11 21\n> Shore Bin # 2\n12 22\n";
    std::string crlf;
    for (char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(laden(crlf), 2);
    ASSERT_EQ(erdkarte.nlinien, 2);
    EXPECT_EQ(erdkarte.linienende[0], 2);
    EXPECT_EQ(erdkarte.linienende[1], 3);
    EXPECT_DOUBLE_EQ(erdkarte.erdlaenge[2], 12 * pi / 180);
    // Other lines without two numbers are no points either.
    EXPECT_EQ(laden("> Shore\n1 2\nabc\n7\n3 4\n"), 1);
    EXPECT_EQ(erdkarte.npunkte, 2);
}

TEST(Kartenlesen, PlatzGrenzen)
{
    // 15 segments of 1000 points fill 15000 slots; a segment of 1000 more
    // would need slot 15999, which is never filled; 999 fit exactly.
    std::string text;
    for (int i = 0; i < 15; ++i) text += segment(1000);
    text += segment(1000) + segment(999) + segment(1);
    std::string aus;
    EXPECT_EQ(laden(text, &aus), 18);  // refused segments are counted too
    EXPECT_EQ(aus, "zu wenig Platz in Erdedetails::liniekopieren\n"
                   "weitere Linien ohne Platz in Erdedetails::liniekopieren: 1\n");
    EXPECT_EQ(erdkarte.nlinien, 16);
    EXPECT_EQ(erdkarte.npunkte, 15999);
    EXPECT_EQ(erdkarte.linienende[15], 15999);

    // At most 8000 lines; after the refusal a shorter line would still need a
    // line slot, so nothing more is stored.
    karte_leeren();
    std::vector<double> l(1, 1.0), b(1, 2.0);
    for (int i = 0; i < 8000; ++i) erdkarte.liniekopieren(l.data(), b.data(), 1);
    EXPECT_EQ(erdkarte.nlinien, 8000);
    testing::internal::CaptureStdout();
    erdkarte.liniekopieren(l.data(), b.data(), 1);
    fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "zu wenig Platz in Erdedetails::liniekopieren\n");
    EXPECT_EQ(erdkarte.nlinien, 8000);
    EXPECT_EQ(erdkarte.npunkte, 8000);
}

// A damaged file reports each kind of fault once with a count, however
// often it occurs; a file without a single coastline says so.
TEST(Kartenlesen, SchadenGemeldetMitAnzahl)
{
    std::string binaer, fremde, zuviele;
    for (int i = 0; i < 5000; ++i) binaer += std::string("\x7f\x01\xfe", 3) + (i % 7 ? '\n' : '\r');
    for (int i = 0; i < 5000; ++i) fremde += "> Border\n1 1\n";
    for (int i = 0; i < 9000; ++i) zuviele += "> Shore\n1 1\n";
    const std::pair<std::string, std::string> faelle[] = {
        {"", "'kueste.dat' enthaelt keine Kuestenlinie\n"},
        {"# pscoast\n> Shore Bin # 1, Level 1\n", "'kueste.dat' enthaelt keine Kuestenlinie\n"},
        {binaer, "'kueste.dat' enthaelt keine Kuestenlinie\n"},
        {binaer + "> Shore\n1 2\n", "Zeilen ohne zwei Zahlen in 'kueste.dat': 5000\n"},
        {fremde + "> Shore\n1 2\n",
         "unbekanntes Schluesselwort: > Border\nweitere Kopfzeilen mit unbekanntem Schluesselwort: 4999\n"},
        {zuviele, "zu wenig Platz in Erdedetails::liniekopieren\n"
                  "weitere Linien ohne Platz in Erdedetails::liniekopieren: 999\n"},
    };
    for (const auto &[inhalt, meldung] : faelle) {
        std::string aus;
        laden(inhalt, &aus);
        EXPECT_EQ(aus, meldung) << inhalt.substr(0, 40);
    }
}

TEST(Kartenlesen, FehlendeDateiUndLangerPfad)
{
    testing::internal::CaptureStdout();
    EXPECT_EQ(karte_laden(const_cast<char *>("gibtsnicht.dat")), -1);
    fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "'gibtsnicht.dat' nicht gefunden\nDiese Datei kann mit GMT so erstellt werden:\n"
              "pscoast -Dc -R/-180/180/-90/90 -W -M >gibtsnicht.dat\n");

    // A directory path far longer than any line of the file.
    Arbeitsverzeichnis v;
    std::string pfad = v.pfad();
    for (int i = 0; i < 12; ++i) {
        pfad += "/verzeichnis_mit_einem_recht_langen_namen_" + std::to_string(i);
        ASSERT_EQ(mkdir(pfad.c_str(), 0700), 0);
    }
    FILE *f = fopen((pfad + "/k.dat").c_str(), "w");
    fputs("> Shore\n1 2\n", f);
    fclose(f);
    aktuellerpfad = const_cast<char *>(pfad.c_str());
    karte_leeren();
    EXPECT_EQ(karte_laden(const_cast<char *>("k.dat")), 1);
    FILE *g = fopen2(const_cast<char *>("k.dat"), const_cast<char *>("r"));
    EXPECT_NE(g, nullptr);
    if (g) fclose(g);
    aktuellerpfad = nullptr;
    EXPECT_EQ(fopen2(const_cast<char *>("k.dat"), const_cast<char *>("r")), nullptr);  // not in the cwd
}

TEST(Drehung, PunkteAufDerErdscheibe)
{
    double x, y, z;
    erdkoordinatendrehen(0, 0, 0, 0, &x, &y, &z);
    EXPECT_NEAR(x, 0, 1e-15);
    EXPECT_NEAR(y, 0, 1e-15);
    EXPECT_NEAR(z, 1, 1e-15);

    erdkoordinatendrehen(pi / 2, 0, 0, 0, &x, &y, &z);  // 90 degrees east: on the limb
    EXPECT_NEAR(x, 1, 1e-15);
    EXPECT_NEAR(z, 0, 1e-15);

    erdkoordinatendrehen(pi, 0, 0, 0, &x, &y, &z);  // far side
    EXPECT_LT(z, 0);

    erdkoordinatendrehen(0, pi / 2, 0, 0.3, &x, &y, &z);  // North Pole tilted towards the viewer
    EXPECT_NEAR(x, 0, 1e-15);
    EXPECT_NEAR(y, cos(0.3), 1e-15);
    EXPECT_NEAR(z, sin(0.3), 1e-15);

    // The hour angle adds to the longitude: Greenwich turned by 90 degrees
    // lies where 90 degrees east lay.
    erdkoordinatendrehen(0, 0.2, pi / 2, 0, &x, &y, nullptr);
    EXPECT_NEAR(x, cos(0.2), 1e-15);
    EXPECT_NEAR(y, sin(0.2), 1e-15);

    double u = 1, w = 0;
    drehen(u, w, pi / 2);
    EXPECT_NEAR(u, 0, 1e-15);
    EXPECT_NEAR(w, 1, 1e-15);
    drehen(u, w, -pi / 4);
    EXPECT_NEAR(u, sqrt(0.5), 1e-15);
    EXPECT_NEAR(w, sqrt(0.5), 1e-15);
}

// Drawing on a private screen: the map's own fast turning must give the
// very picture that turning each point with erdkoordinatendrehen gives.
class Kartenzeichnen : public testing::Test {
protected:
    void SetUp() override
    {
        karte_leeren();
        x_.als_display_setzen();
        setsize(800, 640, 8);
        qinital(1, -1.875, -1.5, 1.875, 1.5);
        changebuffer(0, 1);
    }
    void TearDown() override { term_exit(); }
    testhilfe::XvfbServer x_{1280, 1024, 24};
};

TEST_F(Kartenzeichnen, GleichesBildWieEinzelnGedreht)
{
    // A net of meridians and parallels, lines that cross the limb included.
    for (int l = -180; l < 180; l += 15) {
        std::vector<double> la, br;
        for (int b = -85; b <= 85; b += 2) la.push_back(l + 0.37), br.push_back(b);
        erdkarte.liniekopieren(la.data(), br.data(), static_cast<int>(la.size()));
    }
    for (int b = -75; b <= 75; b += 15) {
        std::vector<double> la, br;
        for (int l = -180; l <= 180; l += 3) la.push_back(l), br.push_back(b + 0.21);
        erdkarte.liniekopieren(la.data(), br.data(), static_cast<int>(la.size()));
    }
    const double winkel[][2] = {{0, 0}, {0.7, 0.3}, {-2.9, -0.41}, {5.5, 0.12}};
    for (auto &w : winkel) {
        screenclear(0);
        erdkarte.zeichnen(w[0], w[1]);
        mal_flush();
        testhilfe::Bild schnell(dpy, dpuffer, winbreite, winhoehe);

        screenclear(0);
        color(1);
        for (int j = 0, i = 0; j < erdkarte.nlinien; ++j) {
            int stift = 3;
            for (; i < erdkarte.linienende[j]; ++i) {
                double x, y, z;
                erdkoordinatendrehen(erdkarte.erdlaenge[i], erdkarte.erdbreite[i], w[0], w[1], &x, &y, &z);
                if (z < 0) {
                    stift = 3;
                } else {
                    q2plot(x, y, stift);
                    stift = 2;
                }
            }
        }
        mal_flush();
        testhilfe::Bild einzeln(dpy, dpuffer, winbreite, winhoehe);
        EXPECT_GT(einzeln.anzahl(0xFFFFFF), 1000) << w[0];
        EXPECT_EQ(schnell.unterschiede(einzeln), 0) << w[0] << " " << w[1];
    }
}

TEST_F(Kartenzeichnen, RuecksseiteBleibtLeerUndRandWirdErreicht)
{
    // The equator from 60 W round the back to 60 E: only its visible ends
    // are drawn, not the chord between them through the disc's centre.
    std::vector<double> la, br;
    for (int l = -60; l >= -300; l -= 5) la.push_back(l), br.push_back(0);
    erdkarte.liniekopieren(la.data(), br.data(), static_cast<int>(la.size()));
    // A meridian that ends exactly on the limb.
    double ml[] = {90, 90, 90}, mb[] = {40, 20, 0};
    erdkarte.liniekopieren(ml, mb, 3);
    screenclear(0);
    erdkarte.zeichnen(0, 0);
    mal_flush();
    testhilfe::Bild bild(dpy, dpuffer, winbreite, winhoehe);
    int px, py;
    koorduser2pix(0, 0, &px, &py);
    EXPECT_EQ(bild.pixel(px, py), 0u);  // no chord through the centre
    koorduser2pix(-sin(60 * pi / 180), 0, &px, &py);
    EXPECT_EQ(bild.pixel(px, py), 0xFFFFFFu);  // 60 W, the start
    koorduser2pix(-0.95, 0, &px, &py);
    EXPECT_EQ(bild.pixel(px, py), 0xFFFFFFu);  // towards the limb
    koorduser2pix(sin(60 * pi / 180), 0, &px, &py);
    EXPECT_EQ(bild.pixel(px, py), 0xFFFFFFu);  // 300 W = 60 E, the end
    koorduser2pix(1, 0, &px, &py);
    EXPECT_EQ(bild.pixel(px, py), 0xFFFFFFu);  // the limb point itself
    koorduser2pix(cos(40 * pi / 180), sin(40 * pi / 180), &px, &py);
    EXPECT_EQ(bild.pixel(px, py), 0xFFFFFFu);
}
