// The program umbrix as a user starts it: usage text, no display, the
// window on screens of several sizes, the close request and a lost server.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/bild.h"
#include "hilfe/dateien.h"
#include "hilfe/fernbedienung.h"
#include "hilfe/xvfb.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>

using testhilfe::Kindprozess;
using testhilfe::XvfbServer;

namespace {

const char *const titel = "  XMALWERK1   Version 2.89";

double sekunden_seit(std::chrono::steady_clock::time_point t)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t).count();
}

struct Fall {
    int bildschirm_b, bildschirm_h, tiefe;
    int fenster_b, zeichen_h;  // window width, height of the drawing area
};

}  // namespace

TEST(Programm, AnwendungstextOhneDisplay)
{
    // The usage text on standard output with status 0; a form mistyped,
    // spelt with one dash or not first: one line on standard error that
    // names it, status 2.
    const std::pair<const char *, std::string> faelle[] = {
        {"'?'", ""},
        {"-?", ""},
        {"1 2 3", ""},
        {"--help", ""},
        {"2024 -h", ""},
        {"--orte 10 20", "umbrix: unbekannte Option --orte\n"},
        {"-x 2024 --Pfad", "umbrix: unbekannte Option --Pfad\n"},
        {"2026 8 --ort 40.4 -3.7", "umbrix: --ort "},
        {"-ort 40.4 -3.7", "umbrix: unbekannte Option -ort;"},
    };
    for (const auto &[argumente, meldung] : faelle) {
        const std::string befehl = std::string("exec '") + UMBRIX_BINARY + "' " + argumente +
                                   (meldung.empty() ? " 2>/dev/null" : " >/dev/null");
        std::string aus;
        int status = testhilfe::ausfuehren({"/bin/sh", "-c", befehl}, &aus, 10, {"DISPLAY"});
        if (!meldung.empty()) {
            EXPECT_EQ(status, 2) << befehl;
            EXPECT_EQ(aus.rfind(meldung, 0), 0u) << befehl << aus;
            EXPECT_EQ(std::count(aus.begin(), aus.end(), '\n'), 1) << befehl << aus;
            continue;
        }
        EXPECT_EQ(status, 0) << befehl << aus;
        // The two lines of old, then one line per further form.
        EXPECT_EQ(aus.rfind("umbrix  Version 0.4\nAnwendung: umbrix Jahr Monat\n", 0), 0u) << befehl << aus;
        EXPECT_NE(aus.find("\n           umbrix --pfad [Jahr [Monat [Tag]]]\n"), std::string::npos) << aus;
    }
}

TEST(Programm, KeinDisplayEndetMitFehlerUndMeldung)
{
    struct stat st;
    if (stat("/tmp/.X11-unix/X0", &st) == 0) GTEST_SKIP() << "a server on :0 would be opened as the fallback";
    // A named display that does not answer: no prompt, the name in the message.
    auto anfang = std::chrono::steady_clock::now();
    std::string aus;
    int status = testhilfe::ausfuehren({UMBRIX_BINARY}, &aus, 10, {"DISPLAY=:7391"});
    EXPECT_LT(sekunden_seit(anfang), 1.0);
    EXPECT_NE(status, 0);
    EXPECT_EQ(aus, "kann Display ':7391' nicht oeffnen\ngetmaxsize() can't open Display\n");

    // No display named at all: the prompt, and an empty answer from a
    // standard input without a terminal.
    anfang = std::chrono::steady_clock::now();
    status = testhilfe::ausfuehren({UMBRIX_BINARY, "2024", "4"}, &aus, 10, {"DISPLAY"});
    EXPECT_LT(sekunden_seit(anfang), 1.0);
    EXPECT_NE(status, 0);
    EXPECT_NE(aus.find("Display ? (z.B. name:0.0) :"), std::string::npos) << aus;
    EXPECT_NE(aus.find("kann Display '' nicht oeffnen\n"), std::string::npos) << aus;
    EXPECT_NE(aus.find("getmaxsize() can't open Display\n"), std::string::npos) << aus;
}

TEST(Programm, FenstergroesseAufVerschiedenenBildschirmen)
{
    const Fall faelle[] = {
        {1920, 1080, 24, 1281, 1024},  // unknown screen, margins 6 and 26: the full 1280 x 1024
        {1280, 1024, 24, 1248, 998},   // unknown: 1274 x 998 usable, 1247 x 998 drawn
        {1600, 1200, 16, 1281, 1024},
        // 1094 x 974 usable gives 1094 x 875; the window may not exceed the
        // usable width, so it is 1094 wide rather than 1095.
        {1100, 1000, 24, 1094, 875},
    };
    for (const Fall &f : faelle) {
        XvfbServer x(f.bildschirm_b, f.bildschirm_h, f.tiefe);
        Display *d = XOpenDisplay(x.name().c_str());
        ASSERT_NE(d, nullptr);
        testhilfe::Arbeitsverzeichnis leer;  // no data: the globe alone
        Kindprozess umbrix({UMBRIX_BINARY, "2008", "8"}, {"DISPLAY=" + x.name()}, leer.pfad());
        Window w = testhilfe::fenster_suchen(d, titel);
        ASSERT_NE(w, 0u) << umbrix.ausgabe();
        int balken = testhilfe::menu_zeilenabstand(d) + 2;  // height of the menu bar
        Window wurzel;
        int wx, wy;
        unsigned wb, wh, rand, tiefe;
        XGetGeometry(d, w, &wurzel, &wx, &wy, &wb, &wh, &rand, &tiefe);
        EXPECT_EQ(static_cast<int>(wb), f.fenster_b) << f.bildschirm_b << "x" << f.bildschirm_h;
        // The window may not be higher than the usable screen either (here the
        // margin down is 26); the drawing area then gives up the rows.
        int hoch = std::min(f.zeichen_h + 1 + balken, f.bildschirm_h - 26);
        EXPECT_EQ(static_cast<int>(wh), hoch) << f.bildschirm_b << "x" << f.bildschirm_h;
        EXPECT_EQ(wx, (f.bildschirm_b - static_cast<int>(wb)) / 2);
        EXPECT_EQ(wy, 0);

        Atom *protokolle = nullptr;
        int n = 0;
        ASSERT_TRUE(XGetWMProtocols(d, w, &protokolle, &n));
        ASSERT_EQ(n, 1);
        EXPECT_EQ(protokolle[0], XInternAtom(d, "WM_DELETE_WINDOW", False));
        XFree(protokolle);

        // The light blue Earth is round also where the window came out lower
        // than asked.
        int links = wb, rechts = -1, oben = wh, unten = -1;
        for (int versuch = 0; f.tiefe == 24 && versuch < 50 && rechts < 0; ++versuch) {
            testhilfe::schlafen(0.1);
            testhilfe::Bild b(d, w, wb, wh);
            for (int py = 0; py < b.hoehe(); ++py)
                for (int px = 0; px < b.breite(); ++px)
                    if (b.pixel(px, py) == 0x6496FF) {
                        links = std::min(links, px), rechts = std::max(rechts, px);
                        oben = std::min(oben, py), unten = std::max(unten, py);
                    }
        }
        if (f.tiefe == 24) {
            ASSERT_GE(rechts, 0) << umbrix.ausgabe();
            EXPECT_LE(std::abs((rechts - links) - (unten - oben)), 2) << f.bildschirm_b << "x" << f.bildschirm_h;
        }

        testhilfe::schliessen_anfordern(d, w);
        EXPECT_EQ(umbrix.warten(10), 0) << umbrix.ausgabe();
        XCloseDisplay(d);
    }
}

TEST(Programm, VerlorenerServerBeendetDasProgramm)
{
    XvfbServer x(1280, 1024, 24);
    Display *d = XOpenDisplay(x.name().c_str());
    ASSERT_NE(d, nullptr);
    Kindprozess umbrix({UMBRIX_BINARY, "1999"}, {"DISPLAY=" + x.name()});
    ASSERT_NE(testhilfe::fenster_suchen(d, titel), 0u);
    XCloseDisplay(d);
    auto anfang = std::chrono::steady_clock::now();
    x.beenden();
    int status = umbrix.warten(5);
    EXPECT_LT(sekunden_seit(anfang), 1.0);
    EXPECT_EQ(status, 1) << "neither a signal (core) nor a hang";
    EXPECT_NE(umbrix.ausgabe().find("xmalwerk1: Verbindung zum X-Server '" + x.name() + "' verloren\n"),
              std::string::npos)
        << umbrix.ausgabe();
}
