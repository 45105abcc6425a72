// Saving the picture as a user does it: Escape B in the viewer, the file
// requester with the proposed name, OK; and umbrix --bild from a script.
// The PNG must equal the window's drawing area, the SVG must show the
// coastlines where the screen has them, the shadow must lie where the
// elements put it.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/plotdateien.h"
#include "hilfe/umbrixlauf.h"

#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <cmath>
#include <cstdio>
#include <string>

using testhilfe::Elemente;
using testhilfe::RgbBild;
using testhilfe::Umbrixlauf;
using testhilfe::eingelesen;
using testhilfe::finsternis;

namespace {

const char *const titel = "Speichern: Bild als .png, .svg oder .eps";

// The drawing area of the window's picture as 8-bit RGB.
RgbBild zeichenflaeche(const Umbrixlauf &u, const testhilfe::Bild &b)
{
    RgbBild r;
    r.breite = Umbrixlauf::breite;
    r.hoehe = Umbrixlauf::hoehe;
    for (int y = 0; y < r.hoehe; ++y)
        for (int x = 0; x < r.breite; ++x) {
            unsigned long p = b.pixel(x, u.menubalken() + y);
            r.daten.insert(r.daten.end(), {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)});
        }
    return r;
}

// The program on the eclipse of April 2024, stopped at moment t.
std::unique_ptr<testhilfe::Bild> angehalten(Umbrixlauf &u, double t)
{
    u.daten_kopieren();
    if (!u.starten({"2024", "4"})) return nullptr;
    const Elemente &e = finsternis(2024, 4);
    if (!u.warten_auf(eingelesen(e), 10) || !testhilfe::anhalten(u, e)) return nullptr;
    return testhilfe::zeigen(u, Umbrixlauf::spalte_fuer(t));
}

// Shift+Tab: the gadget before.
void zurueck(Umbrixlauf &u)
{
    Display *d = u.display();
    KeyCode shift = XKeysymToKeycode(d, XK_Shift_L), tab = XKeysymToKeycode(d, XK_Tab);
    XTestFakeKeyEvent(d, shift, True, CurrentTime);
    XTestFakeKeyEvent(d, tab, True, CurrentTime);
    XTestFakeKeyEvent(d, tab, False, CurrentTime);
    XTestFakeKeyEvent(d, shift, False, CurrentTime);
    XSync(d, False);
    testhilfe::schlafen(0.05);
}

// Escape B opens the requester; Shift+Tab walks back from CANCEL to OK, or
// on to the name field, which then takes neuer_name; Return presses OK.
void speichern_ueber_menue(Umbrixlauf &u, const std::string &neuer_name)
{
    u.taste(XK_Escape);
    u.taste(XK_b);
    Window w = testhilfe::fenster_suchen(u.display(), titel, 5);
    ASSERT_NE(w, 0u) << u.ausgabe();
    XWindowAttributes a;
    ASSERT_TRUE(XGetWindowAttributes(u.display(), w, &a));
    u.zeiger_in(w, a.width / 2, 3);  // keys go to the window under the pointer
    if (neuer_name.empty()) {
        for (int i = 0; i < 2; ++i) zurueck(u);
    } else {
        for (int i = 0; i < 5; ++i) zurueck(u);
        for (int i = 0; i < 40; ++i) u.taste(XK_Right);
        for (int i = 0; i < 40; ++i) u.taste(XK_Delete);
        u.tippen(neuer_name);
        for (int i = 0; i < 3; ++i) u.taste(XK_Tab);
    }
    u.taste(XK_Return);
    EXPECT_TRUE(u.fenster_weg(titel, 5));
}

}  // namespace

TEST(E2eBildspeichern, EscapeBSpeichertDasGezeigteBildAlsPng)
{
    Umbrixlauf u;
    const double t = 0.5;
    ASSERT_TRUE(angehalten(u, t)) << u.ausgabe();
    speichern_ueber_menue(u, "");
    // The name proposed: the caption's moment, in the working directory.
    const Elemente &e = finsternis(2024, 4);
    double stunde = e.t0_stunde() + Umbrixlauf::t_bei(Umbrixlauf::spalte_fuer(t));
    char name[64];
    snprintf(name, sizeof name, "umbrix-2024-04-08-%02d%02d.png", int(stunde), int((stunde - int(stunde)) * 60));
    const std::string datei = u.verzeichnis().datei(name);
    ASSERT_TRUE(u.warten_auf("Bild gespeichert: " + datei + "\n", 5)) << u.ausgabe();
    ASSERT_TRUE(u.ruhig_warten(3));
    RgbBild png = testhilfe::png_lesen(datei);
    RgbBild schirm = zeichenflaeche(u, *u.bild());
    ASSERT_EQ(png.breite, Umbrixlauf::breite);
    ASSERT_EQ(png.hoehe, Umbrixlauf::hoehe);
    EXPECT_TRUE(png.daten == schirm.daten);
    // Nothing else was left in the directory, and the program goes on.
    EXPECT_EQ(testhilfe::verzeichnis_liste(u.verzeichnis().pfad()).size(), 3u);
    EXPECT_EQ(u.schliessen(), 0) << u.ausgabe();
}

TEST(E2eBildspeichern, SvgZeigtDieKuestenWoDerBildschirmSieHat)
{
    Umbrixlauf u;
    ASSERT_TRUE(angehalten(u, -1)) << u.ausgabe();
    speichern_ueber_menue(u, "bild.svg");
    const std::string datei = u.verzeichnis().datei("bild.svg");
    ASSERT_TRUE(u.warten_auf("Bild gespeichert: " + datei + "\n", 5)) << u.ausgabe();
    ASSERT_TRUE(u.ruhig_warten(3));
    RgbBild schirm = zeichenflaeche(u, *u.bild());
    RgbBild svg;
    std::string meldungen;
    ASSERT_EQ(testhilfe::svg_rendern(datei, &svg, &meldungen), 0) << meldungen;
    ASSERT_EQ(svg.breite, Umbrixlauf::breite);
    ASSERT_EQ(svg.hoehe, Umbrixlauf::hoehe);
    // The white lines on the globe (coastlines and the shadow's outlines):
    // the rendered file has a light pixel within one pixel of each. The
    // caption, in another font, is left out.
    int weiss = 0, fehlt = 0;
    for (int y = 1; y < svg.hoehe - 1; ++y)
        for (int x = 1; x < svg.breite - 1; ++x) {
            if (y < u.reihe(1.0) - u.menubalken() + 5 || !schirm.weiss(x, y)) continue;
            ++weiss;
            bool da = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) da = da || svg.pixel(x + dx, y + dy)[0] >= 160;
            fehlt += !da;
        }
    EXPECT_GT(weiss, 5000);
    EXPECT_LT(fehlt, weiss / 100);
    // The globe's blue fills the same disc.
    const uint8_t *mitte = svg.pixel(u.spalte(0.3), u.reihe(-0.7) - u.menubalken());
    EXPECT_EQ(mitte[0] * 65536 + mitte[1] * 256 + mitte[2], int(testhilfe::hellblau));
    EXPECT_EQ(u.schliessen(), 0) << u.ausgabe();
}

TEST(E2eBildspeichern, UnbekannteEndungSagtDieMeldungsbox)
{
    Umbrixlauf u;
    ASSERT_TRUE(angehalten(u, 0)) << u.ausgabe();
    speichern_ueber_menue(u, "bild.gif");
    const std::string meldung = "Unbekannte Endung: " + u.verzeichnis().datei("bild.gif") +
                                "\nBilder werden als .png, .svg oder .eps gespeichert.\n";
    EXPECT_TRUE(u.warten_auf(meldung, 5)) << u.ausgabe();
    Window w = testhilfe::fenster_suchen(u.display(), "Requester", 5);
    ASSERT_NE(w, 0u) << u.ausgabe();
    u.zeiger_in(w, 10, 3);
    u.taste(XK_o);
    EXPECT_TRUE(u.fenster_weg("Requester", 5));
    EXPECT_EQ(testhilfe::verzeichnis_liste(u.verzeichnis().pfad()).size(), 2u);
    EXPECT_EQ(u.schliessen(), 0) << u.ausgabe();
}

namespace {

// umbrix --bild with these arguments in the working directory of u on its
// screen; the exit status.
int bild_befehl(Umbrixlauf &u, const std::vector<std::string> &argumente, std::string *ausgabe)
{
    std::vector<std::string> a{UMBRIX_BINARY, "--bild"};
    a.insert(a.end(), argumente.begin(), argumente.end());
    testhilfe::Kindprozess k(a, {"DISPLAY=" + u.anzeige()}, u.verzeichnis().pfad());
    int status = k.warten(30);
    *ausgabe = k.ausgabe();
    return status;
}

}  // namespace

// 8 April 2024 at 18:17 UT: the shadow's centre is where NASA's elements
// put it, in the colour of a total eclipse.
TEST(E2eBildspeichern, BildBefehl)
{
    Umbrixlauf u;
    u.daten_kopieren();
    std::string aus;
    ASSERT_EQ(bild_befehl(u, {"x.png", "2024", "4", "18:17"}, &aus), 0) << aus;
    EXPECT_NE(aus.find("Bild gespeichert: x.png\n"), std::string::npos) << aus;
    RgbBild png = testhilfe::png_lesen(u.verzeichnis().datei("x.png"));
    ASSERT_EQ(png.breite, Umbrixlauf::breite);
    ASSERT_EQ(png.hoehe, Umbrixlauf::hoehe);
    const Elemente &e = finsternis(2024, 4);
    double t = 18 + 17.0 / 60 - e.t0_stunde();
    auto hell = [&](double x, double y) {
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                if (png.weiss(u.spalte(x) + dx, u.reihe(y) - u.menubalken() + dy)) return true;
        return false;
    };
    // The penumbra's outline, and the umbra's small white circle.
    for (int k = 0; k < 8; ++k) {
        double w = k * M_PI / 4;
        EXPECT_TRUE(hell(e.X(t) + e.L1(t) * cos(w), e.Y(t) + e.L1(t) * sin(w))) << k;
        EXPECT_TRUE(hell(e.X(t) + e.kernradius(t) * cos(w), e.Y(t) + e.kernradius(t) * sin(w))) << k;
    }

    // Out of the picture's six hours, and a directory nobody may write in.
    EXPECT_EQ(bild_befehl(u, {"y.png", "2024", "4", "23:00"}, &aus), 2) << aus;
    EXPECT_NE(aus.find("23:00 UT liegt nicht in den sechs Stunden"), std::string::npos) << aus;
    EXPECT_EQ(bild_befehl(u, {"/proc/y.png", "2024", "4"}, &aus), 1) << aus;
    EXPECT_NE(aus.find("Bild nicht gespeichert: in /proc kann keine Datei angelegt werden"), std::string::npos) << aus;
    EXPECT_EQ(bild_befehl(u, {"y.jpg"}, &aus), 2) << aus;
    EXPECT_EQ(testhilfe::verzeichnis_liste(u.verzeichnis().pfad()).size(), 3u);
}
