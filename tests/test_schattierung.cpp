// The shaded globe: its darkening is the obscuration that the local
// circumstances give; with the setting off the picture is the outline
// picture; the menu "Ansicht" switches shading and key and keeps them.
#include <gtest/gtest.h>

#include "betrachter/bessel.h"
#include "betrachter/datendatei.h"
#include "betrachter/erdkarte.h"
#include "betrachter/globusfenster.h"
#include "betrachter/pfadbild.h"
#include "betrachter/schattenbild.h"
#include "hilfe/dateien.h"
#include "hilfe/umbrixlauf.h"
#include "xmalwerk1/core/intern.h"
#include "xmalwerk1/xmalwerk1.h"

#include <X11/keysym.h>

#include <cmath>
#include <cstdlib>

using namespace testhilfe;

namespace {

// The viewer's window on a private screen, 1280 x 1024, with the shipped data.
class Globus : public testing::Test {
protected:
    void SetUp() override
    {
        x_.als_display_setzen();
        aktuellerpfad = const_cast<char *>(UMBRIX_BUILD_DIR);
        erdkarte.nlinien = erdkarte.npunkte = 0;
        globusfenster_oeffnen(nullptr);
        changebuffer(0, 1);
        testing::internal::CaptureStdout();
        bessel_.dateneinlesen(2024, 4);
        testing::internal::GetCapturedStdout();
    }
    void TearDown() override
    {
        term_exit();
        aktuellerpfad = nullptr;
    }
    std::unique_ptr<Bild> puffer() { return std::make_unique<Bild>(dpy, dpuffer, winbreite, winhoehe); }

    XvfbServer x_{1600, 1200, 24};
    Bessel bessel_;
};

// 8 April 2024, each place at its own maximum: the pixel over it darkened
// by the obscuration that --ort prints for the place at the pixel's
// centre, to one step of the shading (land or sea, whichever the mask
// says); in the total shadow the dark core.
TEST_F(Globus, SchattierungIstDieBedeckungAmOrt)
{
    const Ort orte[] = {{39.7392, -104.9903, 0},  // Denver
                        {33.7490, -84.3880, 0},   // Atlanta
                        {33.4484, -112.0740, 0},  // Phoenix
                        {19.4326, -99.1332, 0},   // Mexico City
                        {25.5428, -103.4068, 0}}; // Torreon, in the umbra
    for (const Ort &ort : orte) {
        const Ortsumstaende u = ortsumstaende(bessel_.werte, ort);
        ASSERT_NE(u.art, Sichtart::keine) << ort.breite;
        const Elementwerte w = elemente_bei(bessel_.werte, u.maximum.t);
        const Ortslage o = ortslage(w, geozentrisch(ort));
        int px, py;
        koorduser2pix(o.xi, o.eta, &px, &py);
        double xc, yc;
        koordpix2user(px, py, &xc, &yc);
        Ort mitte;
        ASSERT_TRUE(erdpunkt(w, xc, yc, &mitte));
        const Ortsumstaende um = ortsumstaende(bessel_.werte, mitte);

        screenclear(-1);
        schattenbild_zeichnen(&w, w.mu, w.d);
        const unsigned long pixel = puffer()->pixel(px, py);
        if (um.art == Sichtart::total) {
            EXPECT_EQ(pixel, static_cast<unsigned long>(kernfarbe(true))) << ort.breite;
            continue;
        }
        const int stufe = static_cast<int>(std::lround(um.bedeckung * schattenstufen));
        bool getroffen = false;
        for (int s = stufe - 1; s <= stufe + 1; ++s)
            for (bool land : {true, false})
                getroffen = getroffen || pixel == static_cast<unsigned long>(schattenfarbe(land, s));
        EXPECT_TRUE(getroffen) << ort.breite << " Bedeckung " << um.bedeckung << " Pixel " << std::hex << pixel;
    }
}

// With shading and key off the frame is the outline picture pixel for
// pixel; the key changes nothing outside its corner; shaded, land and sea
// show in their colours.
TEST_F(Globus, OhneSchattierungDasUmrissbild)
{
    const double t = bessel_.werte.groesste;
    pfadbild.setzen(bessel_.gelesene_elemente());
    // The kind of the eclipse is told on standard output.
    auto zeichnen = [&](const Bildart *art) {
        testing::internal::CaptureStdout();
        if (art) {
            bild_zeichnen(bessel_, t, *art);
        } else {
            screenclear(-1);
            bessel_.zeichnen(t);
        }
        testing::internal::GetCapturedStdout();
        return puffer();
    };
    // The first frame after the window opened is left aside: the picture
    // compared with is one of the frames that follow it.
    zeichnen(nullptr);
    const auto umriss = zeichnen(nullptr);
    Bildart art;
    art.legende = false;
    EXPECT_EQ(zeichnen(&art)->unterschiede(*umriss), 0);

    art.legende = true;
    const auto mit_legende = zeichnen(&art);
    int in_der_ecke = 0, ausserhalb = 0;
    for (int y = 0; y < winhoehe; ++y)
        for (int x = 0; x < winbreite; ++x)
            if (mit_legende->pixel(x, y) != umriss->pixel(x, y))
                ++(x < 260 && y < menubalkenhoehe + 160 ? in_der_ecke : ausserhalb);
    EXPECT_GT(in_der_ecke, 500);
    EXPECT_EQ(ausserhalb, 0);

    art.schattiert = true;
    const auto schattiert = zeichnen(&art);
    EXPECT_GT(schattiert->anzahl(static_cast<unsigned long>(schattenfarbe(true, 0))), 20000);
    EXPECT_GT(schattiert->anzahl(static_cast<unsigned long>(schattenfarbe(false, 0))), 100000);
    EXPECT_EQ(schattiert->anzahl(hellblau), 0);
}

// A damaged land mask is refused with a message; the globe is all sea.
TEST(Landmaske, BeschaedigteDateiWirdAbgelehnt)
{
    Arbeitsverzeichnis v;
    aktuellerpfad = const_cast<char *>(v.pfad().c_str());
    const std::pair<const char *, bool> faelle[] = {
        {"# Kopf\n4 2\n1 2 1\n0 4\n", true},
        {"4 2\n1 2 1\n", false},        // a row missing
        {"4 2\n1 2 2\n0 4\n", false},   // runs beyond the row
        {"4 2\n1 2\n0 4\n", false},     // a row too short
        {"4 2\n1 x 3\n0 4\n", false},   // not a number
        {"4 2\n1 2 1\n0 4\n4\n", false}, // a row too many
    };
    for (const auto &f : faelle) {
        datei_schreiben(v.datei("maske.dat"), f.first);
        testing::internal::CaptureStdout();
        EXPECT_EQ(landmaske_laden("maske.dat"), f.second) << f.first;
        const std::string aus = testing::internal::GetCapturedStdout();
        EXPECT_EQ(aus.find("beschaedigt") != std::string::npos, !f.second) << aus;
        // Row 0 (north): sea, land, land, sea; row 1 all land.
        EXPECT_EQ(ist_land(-45, 45), f.second) << f.first;
        EXPECT_FALSE(ist_land(135, 45));
    }
    aktuellerpfad = const_cast<char *>(UMBRIX_BUILD_DIR);
    testing::internal::CaptureStdout();
    EXPECT_TRUE(landmaske_laden("gmtland.dat"));
    testing::internal::GetCapturedStdout();
    aktuellerpfad = nullptr;
}

// Escape T shades the globe, Escape G takes the key away; both are kept
// for the next start. The stopped picture has its time scale.
TEST(Ansicht, SchattierungUndLegendeSchaltenUndBleiben)
{
    Umbrixlauf u;
    u.daten_kopieren();
    u.datei("gmtland.dat", datei_lesen(std::string(UMBRIX_SOURCE_DIR) + "/data/gmtland.dat"));
    Umgebung env("ENV", u.verzeichnis().pfad().c_str());
    const testhilfe::Elemente &e = finsternis(2024, 4);
    const unsigned long land = static_cast<unsigned long>(schattenfarbe(true, 0));
    const unsigned long grau = 0x7F7F7F;  // the key's frame and the time scale
    auto warten = [&u](auto bedingung) {
        for (int i = 0; i < 50; ++i) {
            schlafen(0.1);
            auto b = u.bild();
            if (bedingung(*b)) return true;
        }
        return false;
    };
    ASSERT_TRUE(u.starten({"2024", "4"}));
    ASSERT_TRUE(anhalten(u, e));
    // The left edge of the key's frame, and the bar far from the moment
    // shown (the pointer's column) and from greatest eclipse.
    const int ecke_x = u.spalte(-Umbrixlauf::xmax) + 8, ecke_y = u.reihe(Umbrixlauf::ymax) + 20;
    const int leiste_x = u.spalte(-Umbrixlauf::xmax) + 100, leiste_y = u.reihe(-Umbrixlauf::ymax) - 3;
    auto b = u.bild();
    EXPECT_EQ(b->anzahl(land), 0);
    EXPECT_EQ(b->pixel(ecke_x, ecke_y), grau);
    EXPECT_EQ(b->pixel(leiste_x, leiste_y), grau);

    u.zeiger(640, u.menubalken() + 300);
    u.taste(XK_Escape);
    u.taste(XK_t);
    EXPECT_TRUE(warten([&](const Bild &p) { return p.anzahl(land) > 20000; }));
    EXPECT_EQ(datei_lesen(u.verzeichnis().datei("UMBRIXSCHATTEN")), "1\n");
    u.taste(XK_Escape);
    u.taste(XK_g);
    EXPECT_TRUE(warten([&](const Bild &p) { return p.pixel(ecke_x, ecke_y) != grau; }));
    EXPECT_EQ(datei_lesen(u.verzeichnis().datei("UMBRIXLEGENDE")), "0\n");
    EXPECT_EQ(u.schliessen(), 0);

    ASSERT_TRUE(u.starten({"2024", "4"}));
    ASSERT_TRUE(warten([&](const Bild &p) { return p.anzahl(land) > 20000; }));
    EXPECT_NE(u.bild()->pixel(ecke_x, ecke_y), grau);
    EXPECT_EQ(u.schliessen(), 0);
}

}  // namespace
