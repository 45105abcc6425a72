// The program run as a user meets it, on a private screen with data files
// written by the tests: one eclipse and then waiting, the click that stops
// the animation and the mouse that chooses the moment, the automatic
// advance and its ends, and data files that are missing or broken.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/bild.h"
#include "hilfe/dateien.h"
#include "hilfe/daten.h"
#include "hilfe/fernbedienung.h"
#include "hilfe/xvfb.h"
#include "xmalwerk1/core/intern.h"
#include "xmalwerk1/xmalwerk1.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

using testhilfe::Finsternis;
using testhilfe::Kindprozess;
using testhilfe::Arbeitsverzeichnis;
using testhilfe::XvfbServer;

namespace {

const char *const titel = "  XMALWERK1   Version 2.89";

int zaehlen(const std::string &text, const std::string &teil)
{
    int n = 0;
    for (size_t p = text.find(teil); p != std::string::npos; p = text.find(teil, p + 1)) ++n;
    return n;
}

// Waits until the program has printed teil (n times); false on time-out.
bool warten_auf(Kindprozess &k, const std::string &teil, double sekunden, int n = 1)
{
    auto ende = std::chrono::steady_clock::now() + std::chrono::duration<double>(sekunden);
    while (zaehlen(k.ausgabe(), teil) < n) {
        if (std::chrono::steady_clock::now() > ende || !k.laeuft()) return zaehlen(k.ausgabe(), teil) >= n;
        testhilfe::schlafen(0.02);
    }
    return true;
}

Finsternis finsternis(int jahr, int monat, int tag)
{
    Finsternis f;
    f.jahr = jahr;
    f.monat = monat;
    f.tag = tag;
    f.jd = testhilfe::julianisch(jahr, monat, tag, 12);
    f.l2[0] = -0.01;  // total throughout
    return f;
}

const char *const kueste = "> Shore Bin # 1, Level 1\n0 0\n10 10\n20 0\n";

// The screen is large enough for the full 1280 x 1024 drawing area below
// the menu bar, so that the test can map user coordinates as the program does.
class Ablauf : public testing::Test {
protected:
    std::unique_ptr<Kindprozess> starten(const std::vector<std::string> &argumente)
    {
        std::vector<std::string> a{UMBRIX_BINARY};
        a.insert(a.end(), argumente.begin(), argumente.end());
        return std::make_unique<Kindprozess>(a, std::vector<std::string>{"DISPLAY=" + x_.name()}, v_.pfad());
    }

    // Waits for the program's window and takes over its coordinate mapping.
    bool fenster_finden()
    {
        w_ = testhilfe::fenster_suchen(d_, titel);
        if (!w_) return false;
        fern_.schrittweise(w_);
        Window wurzel;
        int fx, fy;
        unsigned rand, tiefe;
        XGetGeometry(d_, w_, &wurzel, &fx, &fy, &fb_, &fh_, &rand, &tiefe);
        breite = 1280;
        hoehe = 1024;
        menubalkenhoehe = static_cast<int>(fh_) - 1024 - 1;
        malwerk_xmin = -1.875;
        malwerk_ymin = -1.5;
        malwerk_xs = (breite - 1) / 3.75;
        malwerk_ys = (hoehe - 1) / 3.0;
        return fb_ == 1281;
    }

    void klick()
    {
        fern_.druecken();
        testhilfe::schlafen(0.1);
        fern_.loslassen();
    }
    int ende(Kindprozess &k)
    {
        testhilfe::schliessen_anfordern(d_, w_);
        return k.warten(10);
    }

    XvfbServer x_{1600, 1200, 24};
    testhilfe::Fernbedienung fern_{x_.name()};
    Display *d_ = fern_.display();
    Arbeitsverzeichnis v_;
    Window w_ = 0;
    unsigned fb_ = 0, fh_ = 0;
};

}  // namespace

TEST_F(Ablauf, EineFinsternisDannWarten)
{
    Finsternis f = finsternis(2024, 4, 8);
    f.x[0] = -0.5;
    f.x[1] = 0.25;  // X(t) = -0.5 + t / 4
    f.l1[0] = 0.4;
    testhilfe::datei_schreiben(v_.datei("Ecad22.prn"),
                               satz(finsternis(2023, 10, 14)) + satz(f) + satz(finsternis(2024, 10, 2)));
    testhilfe::datei_schreiben(v_.datei("gmtkuesten.dat"), kueste);
    auto umbrix = starten({"2024", "4"});
    ASSERT_TRUE(fenster_finden()) << umbrix->ausgabe();
    ASSERT_TRUE(warten_auf(*umbrix, "8.4.2024 Besselelemente eingelesen.\n", 10)) << umbrix->ausgabe();
    // 121 frames of at least 20 ms each, then the program waits.
    testhilfe::schlafen(4);
    EXPECT_TRUE(umbrix->laeuft());
    EXPECT_EQ(zaehlen(umbrix->ausgabe(), "Besselelemente eingelesen"), 1) << umbrix->ausgabe();
    EXPECT_EQ(zaehlen(umbrix->ausgabe(), "Totale Finsternis\n"), 1) << umbrix->ausgabe();
    EXPECT_EQ(umbrix->ausgabe().find("nicht gefunden"), std::string::npos) << umbrix->ausgabe();

    // Waiting is the interactive phase: the mouse has not been over the
    // window, so its position is the left edge, t = -3.
    int sx, sy, rx, ry;
    koorduser2pix(-0.5 - 0.75, 0, &sx, &sy);
    deltakoorduser2pix(0.4, 0.4, &rx, &ry);
    {
        testhilfe::Bild bild(d_, w_, static_cast<int>(fb_), static_cast<int>(fh_));
        EXPECT_TRUE(bild.in_naehe(sx + rx, sy, 1, 0xFFFFFF));
        EXPECT_TRUE(bild.in_naehe(sx, sy - ry, 1, 0xFFFFFF));
        int mx, my;
        koorduser2pix(0, 0.5, &mx, &my);
        EXPECT_EQ(bild.pixel(mx, my), 0x6496FFu);  // the globe
    }
    EXPECT_EQ(ende(*umbrix), 0) << umbrix->ausgabe();
}

TEST_F(Ablauf, KlickHaeltAnUndMausWaehltDenZeitpunkt)
{
    Finsternis f = finsternis(2024, 4, 8);
    f.x[1] = 0.2;    // X(t) = t / 5
    f.l1[0] = 0.3;
    f.l2[0] = 0;
    f.l2[1] = -0.01;  // annular before T0, total after it
    f.tanf2 = 0;
    testhilfe::datei_schreiben(v_.datei("Ecad22.prn"), satz(f));
    testhilfe::datei_schreiben(v_.datei("gmtkuesten.dat"), kueste);
    auto umbrix = starten({"2024", "4"});
    ASSERT_TRUE(fenster_finden()) << umbrix->ausgabe();
    fern_.bewegen(300, 500);
    ASSERT_TRUE(warten_auf(*umbrix, "Ringfoermige Finsternis\n", 10)) << umbrix->ausgabe();
    klick();  // well before T0, half way through the animation
    testhilfe::schlafen(0.5);

    // The mouse chooses the moment: the left edge is -3 h, the right +3 h.
    auto schatten_bei = [&](int mx) {
        fern_.bewegen(mx, 500);
        testhilfe::schlafen(0.4);
        double ux, uy;
        koordpix2user(mx, 500, &ux, &uy);
        double t = 3.0 / 1.875 * ux;
        int sx, sy, rx, ry;
        koorduser2pix(t / 5, 0, &sx, &sy);
        deltakoorduser2pix(0.3, 0.3, &rx, &ry);
        testhilfe::Bild bild(d_, w_, static_cast<int>(fb_), static_cast<int>(fh_));
        return bild.in_naehe(sx + rx, sy, 1, 0xFFFFFF) && bild.in_naehe(sx - rx, sy, 1, 0xFFFFFF);
    };
    EXPECT_TRUE(schatten_bei(0));
    EXPECT_EQ(zaehlen(umbrix->ausgabe(), "Totale Finsternis\n"), 0) << umbrix->ausgabe();
    EXPECT_TRUE(schatten_bei(1279));
    EXPECT_TRUE(schatten_bei(900));
    EXPECT_EQ(zaehlen(umbrix->ausgabe(), "Totale Finsternis\n"), 1) << umbrix->ausgabe();
    EXPECT_TRUE(schatten_bei(100));
    EXPECT_EQ(zaehlen(umbrix->ausgabe(), "Ringfoermige Finsternis\n"), 2) << umbrix->ausgabe();
    // Where the shadow is not: at the place of another moment.
    fern_.bewegen(1279, 500);
    testhilfe::schlafen(0.4);
    {
        int sx, sy, rx, ry;
        koorduser2pix(-0.6, 0, &sx, &sy);
        deltakoorduser2pix(0.3, 0.3, &rx, &ry);
        testhilfe::Bild bild(d_, w_, static_cast<int>(fb_), static_cast<int>(fh_));
        EXPECT_FALSE(bild.in_naehe(sx - rx, sy, 1, 0xFFFFFF));
    }
    EXPECT_EQ(zaehlen(umbrix->ausgabe(), "Besselelemente eingelesen"), 1);
    EXPECT_EQ(ende(*umbrix), 0) << umbrix->ausgabe();
}

TEST_F(Ablauf, AutomatischWeiterBisZurLetztenFinsternis)
{
    testhilfe::datei_schreiben(v_.datei("Ecad22.prn"), satz(finsternis(2000, 12, 25)) +
                                                           satz(finsternis(2001, 6, 21)) +
                                                           satz(finsternis(2001, 12, 14)));
    testhilfe::datei_schreiben(v_.datei("gmtkuesten.dat"), kueste);
    auto umbrix = starten({"2001"});
    ASSERT_TRUE(fenster_finden()) << umbrix->ausgabe();
    ASSERT_TRUE(warten_auf(*umbrix, "Keine spaetere Finsternis in Ecad22.prn.\n", 30)) << umbrix->ausgabe();
    testhilfe::schlafen(4);
    const std::string &aus = umbrix->ausgabe();
    size_t a = aus.find("21.6.2001 Besselelemente eingelesen.\n");
    size_t b = aus.find("14.12.2001 Besselelemente eingelesen.\n");
    size_t c = aus.find("Keine spaetere Finsternis in Ecad22.prn.\n");
    EXPECT_NE(a, std::string::npos) << aus;
    EXPECT_LT(a, b) << aus;
    EXPECT_LT(b, c) << aus;
    // The last eclipse is not read and animated a second time.
    EXPECT_EQ(zaehlen(aus, "Besselelemente eingelesen"), 2) << aus;
    EXPECT_EQ(aus.find("25.12.2000"), std::string::npos) << aus;
    EXPECT_EQ(ende(*umbrix), 0) << aus;
}

TEST_F(Ablauf, AutomatischWeiterBisZumDateiende)
{
    testhilfe::datei_schreiben(v_.datei("Ecad22.prn"), satz(finsternis(2199, 6, 1)) +
                                                           satz(finsternis(2199, 12, 3)) +
                                                           satz(finsternis(2200, 4, 20)));
    auto umbrix = starten({"2199"});
    ASSERT_TRUE(fenster_finden()) << umbrix->ausgabe();
    ASSERT_TRUE(warten_auf(*umbrix, "20.4.2200 Besselelemente eingelesen.\n", 30)) << umbrix->ausgabe();
    testhilfe::schlafen(4);
    EXPECT_EQ(zaehlen(umbrix->ausgabe(), "Besselelemente eingelesen"), 3) << umbrix->ausgabe();
    EXPECT_NE(umbrix->ausgabe().find("'gmtkuesten.dat' nicht gefunden\n"), std::string::npos);
    EXPECT_EQ(ende(*umbrix), 0) << umbrix->ausgabe();
}

TEST_F(Ablauf, FehlendeOderKaputteDatenEndenMitMeldung)
{
    testhilfe::datei_schreiben(v_.datei("gmtkuesten.dat"), kueste);
    {
        // Without the file, from 1999 on: one message, then waiting.
        auto umbrix = starten({"1999"});
        ASSERT_TRUE(fenster_finden()) << umbrix->ausgabe();
        testhilfe::schlafen(4.5);
        EXPECT_TRUE(umbrix->laeuft());
        EXPECT_EQ(zaehlen(umbrix->ausgabe(), "Datei mit Besselelementen nicht gefunden.\n"), 1) << umbrix->ausgabe();
        // The globe is drawn all the same.
        int mx, my;
        koorduser2pix(0, -0.5, &mx, &my);
        EXPECT_EQ(testhilfe::pixel_lesen(d_, w_, mx, my) & 0xFFFFFF, 0x6496FFu);
        EXPECT_EQ(ende(*umbrix), 0) << umbrix->ausgabe();
    }
    testhilfe::schlafen(0.2);
    {
        testhilfe::datei_schreiben(v_.datei("Ecad22.prn"), "2001 6 21\n0 0.0 0.0\nx\n");
        auto umbrix = starten({"2001"});
        ASSERT_TRUE(fenster_finden()) << umbrix->ausgabe();
        ASSERT_TRUE(warten_auf(*umbrix, "Keine Besselelemente in Ecad22.prn.\n", 10)) << umbrix->ausgabe();
        testhilfe::schlafen(4);
        EXPECT_EQ(zaehlen(umbrix->ausgabe(), "Keine Besselelemente"), 1) << umbrix->ausgabe();
        EXPECT_EQ(ende(*umbrix), 0) << umbrix->ausgabe();
    }
    testhilfe::schlafen(0.2);
    {
        std::string halb = satz(finsternis(2001, 12, 14));
        testhilfe::datei_schreiben(v_.datei("Ecad22.prn"),
                                   satz(finsternis(2001, 6, 21)) + halb.substr(0, halb.size() / 2));
        auto umbrix = starten({"2001", "7"});
        ASSERT_TRUE(fenster_finden()) << umbrix->ausgabe();
        ASSERT_TRUE(warten_auf(*umbrix, "21.6.2001 Besselelemente eingelesen.\n", 10)) << umbrix->ausgabe();
        EXPECT_NE(umbrix->ausgabe().find("Fehlerhafte Daten in Ecad22.prn"), std::string::npos);
        EXPECT_EQ(ende(*umbrix), 0) << umbrix->ausgabe();
    }
}

TEST_F(Ablauf, StartMitAbsolutemPfadLiestNebenDemProgramm)
{
    // A copy of the program beside its data, started by its full path from
    // another directory: all eclipses from 1951 on.
    std::string programm = v_.pfad() + "/umbrix";
    std::filesystem::copy_file(UMBRIX_BINARY, programm);
    testhilfe::datei_schreiben(v_.datei("Ecad22.prn"), satz(finsternis(1951, 3, 7)) + satz(finsternis(1951, 9, 1)));
    testhilfe::datei_schreiben(v_.datei("gmtkuesten.dat"), kueste);
    Kindprozess umbrix({programm}, {"DISPLAY=" + x_.name(), "PWD=/"}, "/");
    ASSERT_TRUE(fenster_finden()) << umbrix.ausgabe();
    ASSERT_TRUE(warten_auf(umbrix, "1.9.1951 Besselelemente eingelesen.\n", 15)) << umbrix.ausgabe();
    EXPECT_NE(umbrix.ausgabe().find("7.3.1951 Besselelemente eingelesen.\n"), std::string::npos);
    EXPECT_EQ(umbrix.ausgabe().find("nicht gefunden"), std::string::npos) << umbrix.ausgabe();
    EXPECT_EQ(ende(umbrix), 0) << umbrix.ausgabe();
}
