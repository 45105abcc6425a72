// Saving the picture from the viewer (Escape B) and with umbrix --bild.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/fernbedienung.h"
#include "hilfe/plotdateien.h"
#include "hilfe/umbrixlauf.h"

#include <X11/keysym.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

using testhilfe::Elemente;
using testhilfe::RgbBild;
using testhilfe::Umbrixlauf;
using testhilfe::eingelesen;
using testhilfe::finsternis;

namespace {

const char *const titel = "Speichern: Bild als .png, .svg oder .eps";

// Escape B, then OK on the proposed name or on neuer_name typed over it;
// offen, when given, is called first while the requester waits.
void speichern_ueber_menue(Umbrixlauf &u, const std::string &neuer_name,
                           const std::function<void(testhilfe::Fernbedienung &)> &offen = nullptr)
{
    u.taste(XK_Escape);
    u.taste(XK_b);
    testhilfe::Fernbedienung f(u.anzeige());
    ASSERT_TRUE(f.fenster_finden(titel, 5)) << u.ausgabe();
    if (offen) offen(f);
    for (int i = 0; i < (neuer_name.empty() ? 2 : 5); ++i) f.taste(XK_Tab, XK_Shift_L);
    if (!neuer_name.empty()) {
        for (int i = 0; i < 40; ++i) f.taste(XK_Right);
        for (int i = 0; i < 40; ++i) f.taste(XK_Delete);
        f.tippen(neuer_name);
        for (int i = 0; i < 3; ++i) f.taste(XK_Tab);
    }
    f.taste(XK_Return);
    EXPECT_TRUE(u.fenster_weg(titel, 5));
}

// umbrix --bild in u's directory and screen; the exit status.
int bild_befehl(Umbrixlauf &u, const std::vector<std::string> &argumente, std::string *ausgabe)
{
    std::vector<std::string> a{UMBRIX_BINARY, "--bild"};
    a.insert(a.end(), argumente.begin(), argumente.end());
    testhilfe::Kindprozess k(a, {"DISPLAY=" + u.anzeige()}, u.verzeichnis().pfad());
    const int status = k.warten(30);
    return *ausgabe = k.ausgabe(), status;
}

}  // namespace

// An unknown ending gets the message box; the proposed name, after "no"
// and "yes" to replacing a file, a PNG equal to the drawing area.
TEST(E2eBildspeichern, EscapeBSpeichertDasGezeigteBildAlsPng)
{
    Umbrixlauf u;
    const double t = 0.5;
    const Elemente &e = finsternis(2024, 4);
    u.daten_kopieren();
    ASSERT_TRUE(u.starten({"2024", "4"}) && u.warten_auf(eingelesen(e), 10) && testhilfe::anhalten(u, e) &&
                testhilfe::zeigen(u, Umbrixlauf::spalte_fuer(t)))
        << u.ausgabe();
    speichern_ueber_menue(u, "bild.gif");
    EXPECT_TRUE(u.warten_auf("Unbekannte Endung: " + u.verzeichnis().datei("bild.gif") +
                                 "\nBilder werden als .png, .svg oder .eps gespeichert.\n",
                             5))
        << u.ausgabe();
    testhilfe::Fernbedienung f(u.anzeige());
    auto antworten = [&](KeySym taste, KeySym mit) {
        return f.fenster_finden("Requester", 5) && (f.taste(taste, mit), u.fenster_weg("Requester", 5));
    };
    ASSERT_TRUE(antworten(XK_o, 0)) << u.ausgabe();

    double stunde = e.t0_stunde() + Umbrixlauf::t_bei(Umbrixlauf::spalte_fuer(t));
    char name[64];
    snprintf(name, sizeof name, "umbrix-2024-04-08-%02d%02d.png", int(stunde), int((stunde - int(stunde)) * 60));
    const std::string datei = u.verzeichnis().datei(name);
    testhilfe::datei_schreiben(datei, "alt");
    for (KeySym antwort : {XK_n, XK_j}) {
        ASSERT_TRUE(testhilfe::zeigen(u, Umbrixlauf::spalte_fuer(t)));  // the pointer back on the picture
        speichern_ueber_menue(u, "");
        ASSERT_TRUE(antworten(antwort, XK_Shift_L)) << u.ausgabe();  // "Nein", "Ja"
    }
    ASSERT_TRUE(u.warten_auf("Bild gespeichert: " + datei + "\n", 5)) << u.ausgabe();
    EXPECT_EQ(u.zaehlen("Bild gespeichert"), 1) << u.ausgabe();
    ASSERT_TRUE(u.ruhig_warten(3));
    RgbBild png = testhilfe::png_lesen(datei);
    RgbBild schirm = testhilfe::ausschnitt(*u.bild(), 0, u.menubalken(), Umbrixlauf::breite, Umbrixlauf::hoehe);
    EXPECT_TRUE(png.breite == schirm.breite && png.daten == schirm.daten);
    EXPECT_EQ(testhilfe::verzeichnis_liste(u.verzeichnis().pfad()).size(), 3u);
    EXPECT_EQ(u.schliessen(), 0) << u.ausgabe();
}

// Escape B during the animation: the name proposed and the picture saved
// are those of the frame on the screen, not of the one drawn behind it.
TEST(E2eBildspeichern, EscapeBWaehrendDerAnimationSpeichertDasGezeigteBild)
{
    Umbrixlauf u;
    const Elemente &e = finsternis(2024, 4);
    u.daten_kopieren();
    ASSERT_TRUE(u.starten({"2024", "4"}) && testhilfe::animation_gezeigt(u, e)) << u.ausgabe();
    std::unique_ptr<testhilfe::Bild> schirm;
    int unten = 0;  // the requester's lower edge in the window
    speichern_ueber_menue(u, "", [&](testhilfe::Fernbedienung &f) {
        schirm = u.bild();  // nothing is drawn while the requester waits
        XWindowAttributes a;
        Window kind;
        int x;
        ASSERT_TRUE(XGetWindowAttributes(f.display(), f.fenster(), &a));
        XTranslateCoordinates(f.display(), f.fenster(), u.fenster(), 0, a.height + a.border_width, &x, &unten, &kind);
    });
    const std::string vorne = "Bild gespeichert: ";
    ASSERT_TRUE(u.warten_auf(".png\n", 5)) << u.ausgabe();
    const std::string aus = u.ausgabe();
    const size_t p = aus.find(vorne) + vorne.size();
    const std::string name = aus.substr(p, aus.find('\n', p) - p);
    RgbBild png = testhilfe::png_lesen(name);
    RgbBild bild = testhilfe::ausschnitt(*schirm, 0, u.menubalken(), Umbrixlauf::breite, Umbrixlauf::hoehe);
    ASSERT_TRUE(png.breite == bild.breite && unten < u.menubalken() + Umbrixlauf::hoehe / 2) << unten;
    const size_t ab = static_cast<size_t>(unten - u.menubalken()) * bild.breite * 3;
    EXPECT_TRUE(std::equal(png.daten.begin() + ab, png.daten.end(), bild.daten.begin() + ab));
    // The frame named: its penumbra on the screen, where the requester
    // leaves it to be seen.
    int gezeigt = 0;
    for (int k = 0; k <= 120; ++k) {
        const double t = -3 + 0.05 * k, stunde = e.t0_stunde() + t;
        char hhmm[16];
        snprintf(hhmm, sizeof hhmm, "-%02d%02d.png", int(stunde), int((stunde - int(stunde)) * 60));
        if (name.find(hhmm) != std::string::npos)
            gezeigt += testhilfe::kreis_gezeichnet(u, *schirm, e.X(t), e.Y(t), e.L1(t), testhilfe::weiss, 1, 9);
    }
    EXPECT_EQ(gezeigt, 1) << name;
    EXPECT_EQ(u.schliessen(), 0) << u.ausgabe();
}

// 8 April 2024, 18:17 UT: penumbra and umbra where NASA's elements put
// them; wrong moments and unwritable places fail and leave nothing behind.
TEST(E2eBildspeichern, BildBefehl)
{
    Umbrixlauf u;
    u.daten_kopieren();
    std::string aus;
    ASSERT_EQ(bild_befehl(u, {"x.png", "2024", "4", "18:17"}, &aus), 0) << aus;
    EXPECT_NE(aus.find("Bild gespeichert: x.png\n"), std::string::npos) << aus;
    RgbBild png = testhilfe::png_lesen(u.verzeichnis().datei("x.png"));
    ASSERT_TRUE(png.breite == Umbrixlauf::breite && png.hoehe == Umbrixlauf::hoehe);
    const Elemente &e = finsternis(2024, 4);
    double t = 18 + 17.0 / 60 - e.t0_stunde();
    auto hell = [&](double x, double y) {
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                if (png.weiss(u.spalte(x) + dx, u.reihe(y) - u.menubalken() + dy)) return true;
        return false;
    };
    for (int k = 0; k < 8; ++k) {
        double w = k * M_PI / 4;
        EXPECT_TRUE(hell(e.X(t) + e.L1(t) * cos(w), e.Y(t) + e.L1(t) * sin(w))) << k;
        EXPECT_TRUE(hell(e.X(t) + e.kernradius(t) * cos(w), e.Y(t) + e.kernradius(t) * sin(w))) << k;
    }

    const struct {
        std::vector<std::string> argumente;
        int status;
        const char *meldung;
    } fehler[] = {{{"y.png", "2024", "4", "23:00"}, 2, "23:00 UT liegt nicht in den sechs Stunden"},
                  {{"y.png", "3001"}, 2, "Kein Jahr (-1999 bis 3000)"},
                  {{"/proc/y.png", "2024", "4"}, 1,
                   "Bild nicht gespeichert: in /proc kann keine Datei angelegt werden"}};
    for (const auto &f : fehler) {
        EXPECT_EQ(bild_befehl(u, f.argumente, &aus), f.status) << aus;
        EXPECT_NE(aus.find(f.meldung), std::string::npos) << aus;
    }
    EXPECT_EQ(testhilfe::verzeichnis_liste(u.verzeichnis().pfad()).size(), 3u);

    // The EPS shows the globe round and light blue, on black.
    ASSERT_EQ(bild_befehl(u, {"x.eps", "2024", "4", "18:17"}, &aus), 0) << aus;
    RgbBild eps;
    ASSERT_EQ(testhilfe::eps_rendern(u.verzeichnis().datei("x.eps"), 72, &eps, &aus), 0) << aus;
    auto farbe = [&](double x, double y) {
        auto p = testhilfe::eps_bildschirmpunkt(u.spalte(x), u.menubalken() + Umbrixlauf::hoehe - 1 - u.reihe(y),
                                                Umbrixlauf::breite, Umbrixlauf::hoehe, 72);
        const uint8_t *q = eps.pixel(int(p.x), int(p.y));
        return (q[0] << 16) | (q[1] << 8) | q[2];
    };
    EXPECT_EQ(farbe(0, 0), 0x6496ff);
    EXPECT_EQ(farbe(-1.8, -1.4), 0);

    // A place kept in the settings is marked (the magenta cross on Dallas).
    auto magenta = [](const RgbBild &b) {
        int n = 0;
        for (size_t i = 0; i < b.daten.size(); i += 3)
            n += b.daten[i] > 200 && b.daten[i + 1] < 80 && b.daten[i + 2] > 200;
        return n;
    };
    EXPECT_EQ(magenta(png), 0);
    testhilfe::Umgebung env("ENV", u.verzeichnis().pfad().c_str());
    testhilfe::datei_schreiben(u.verzeichnis().datei("UMBRIXORT"), "32.7763 -96.7969");
    ASSERT_EQ(bild_befehl(u, {"ort.png", "2024", "4", "18:17"}, &aus), 0) << aus;
    EXPECT_GT(magenta(testhilfe::png_lesen(u.verzeichnis().datei("ort.png"))), 0);
}
