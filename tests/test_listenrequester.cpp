// The list requester: one entry of a scrollable list chosen with the mouse,
// or none.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/fernbedienung.h"
#include "hilfe/xvfb.h"
#include "xmalwerk1/requester/anordnung.h"
#include "xmalwerk1/requester/requester_intern.h"

#include <X11/keysym.h>

#include <functional>
#include <string>
#include <vector>

using testhilfe::Fernbedienung;

namespace {

// Thirty entries on a server of their own, shown in 12 rows.
struct Liste {
    testhilfe::XvfbServer x;
    std::vector<std::string> texte;
    std::vector<const char *> zeiger;
    int ch = 0, rh = 0;
    Listenanordnung a{};

    Liste()
    {
        x.als_display_setzen();
        requester_font_anfordern(0);
        for (int i = 0; i < 30; ++i) texte.push_back("Eintrag " + std::to_string(i));
        texte[2] = "unter (dir) 4096";  // reads like a directory of the file requester
        for (const std::string &t : texte) zeiger.push_back(t.c_str());
        ch = reqpixprobuchst_y;
        rh = ch * 5 / 4;
        a = listenrequester_anordnen(reqpixprobuchst_x, ch, 12, 20);
    }
    void zeile(Fernbedienung &f, int j, unsigned knopf = 1) const
    {
        f.klick(a.liste.x + 10, a.liste.y + ch / 3 + j * rh + rh / 2, knopf);
    }
    static void mitte(Fernbedienung &f, const Rechteck &r) { f.klick(r.x + r.breite / 2, r.y + r.hoehe / 2); }
    int waehlen(std::function<void(Fernbedienung &)> skript, int wahl = -1)
    {
        testhilfe::Fernsteuerung s(x.name(), [skript](Fernbedienung &f) {
            ASSERT_TRUE(f.fenster_finden("Liste"));
            skript(f);
        });
        return requester_liste("Liste", zeiger.data(), static_cast<int>(zeiger.size()), wahl);
    }
};

}  // namespace

TEST(Listenrequester, GewaehlterEintragNachRollenOderKeiner)
{
    Liste l;
    ASSERT_TRUE(requester_bereit());
    const Listenanordnung &a = l.a;
    EXPECT_EQ(l.waehlen([&](Fernbedienung &f) {
                  l.zeile(f, 2);  // a double click opens nothing here
                  l.zeile(f, 2);
                  // Into the track below the thumb: one page (12 rows) down.
                  f.klick(a.liste.x + a.liste.breite + 6, a.liste.y + a.liste.hoehe - 2 * l.rh - 2);
                  l.zeile(f, 3);
                  Liste::mitte(f, a.ok);
              }),
              15);
    EXPECT_STREQ(newgadgets[0].liste->eintraege[2], "unter (dir) 4096");
    EXPECT_EQ(l.waehlen([&](Fernbedienung &f) {
                  l.zeile(f, 4);
                  Liste::mitte(f, a.abbruch);
              }),
              -1);
    EXPECT_EQ(l.waehlen([&](Fernbedienung &f) { Liste::mitte(f, a.ok); }), -1);  // nothing chosen
    EXPECT_EQ(requester_liste("Liste", l.zeiger.data(), 0), -1);
}

// A notch of the wheel (button 4 up, 5 down) scrolls by three entries, no
// further than the last page, and chooses nothing.
TEST(Listenrequester, MausradRolltUmDreiEintraege)
{
    Liste l;
    ASSERT_TRUE(requester_bereit());
    struct Fall {
        int runter, hoch;
        bool klicken;  // row 0 afterwards
        int erwartet;
    };
    for (Fall fall : {Fall{1, 0, true, 3}, Fall{3, 1, true, 6}, Fall{7, 0, true, 18}, Fall{2, 0, false, -1}}) {
        EXPECT_EQ(l.waehlen([&](Fernbedienung &f) {
                      for (int i = 0; i < fall.runter; ++i) l.zeile(f, 5, 5);
                      for (int i = 0; i < fall.hoch; ++i) l.zeile(f, 5, 4);
                      if (fall.klicken) l.zeile(f, 0);
                      Liste::mitte(f, l.a.ok);
                  }),
                  fall.erwartet)
            << fall.runter << " down, " << fall.hoch << " up";
    }
}

// An entry chosen at the start is in view and taken by OK; Down goes on
// from it.
TEST(Listenrequester, VorgewaehlterEintragImBild)
{
    Liste l;
    ASSERT_TRUE(requester_bereit());
    for (int wahl : {0, 20, 29}) {
        EXPECT_EQ(l.waehlen([&](Fernbedienung &f) { Liste::mitte(f, l.a.ok); }, wahl), wahl);
        const Gadget2 *L = newgadgets[0].liste;
        EXPECT_LE(L->erster, wahl);
        EXPECT_LT(wahl, L->erster + L->sichtbar);
    }
    EXPECT_EQ(l.waehlen(
                  [&](Fernbedienung &f) {
                      f.taste(XK_Down);
                      Liste::mitte(f, l.a.ok);
                  },
                  20),
              21);
}

// A heading stands in a row of its own above the list, which moves down by
// that row; rows are chosen where they are drawn.
TEST(Listenrequester, UeberschriftUeberDerListe)
{
    Liste l;
    ASSERT_TRUE(requester_bereit());
    const Listenanordnung a = listenrequester_anordnen(reqpixprobuchst_x, l.ch, 12, 20, true);
    EXPECT_EQ(a.liste.y, l.a.liste.y + l.rh);
    EXPECT_EQ(a.hoehe, l.a.hoehe + l.rh);
    int beschrieben = 0;
    testhilfe::Fernsteuerung s(l.x.name(), [&](Fernbedienung &f) {
        ASSERT_TRUE(f.fenster_finden("Liste"));
        f.abwarten();
        XImage *bild = XGetImage(f.display(), f.fenster(), a.liste.x, a.liste.y - l.rh, a.liste.breite, l.rh,
                                 AllPlanes, ZPixmap);
        ASSERT_NE(bild, nullptr);
        const unsigned long grund = XGetPixel(bild, 0, 0);
        for (int y = 0; y < l.rh; ++y)
            for (int x = 0; x < a.liste.breite; ++x) beschrieben += XGetPixel(bild, x, y) != grund;
        XDestroyImage(bild);
        f.klick(a.liste.x + 10, a.liste.y + l.ch / 3 + 2 * l.rh + l.rh / 2);
        Liste::mitte(f, a.ok);
    });
    EXPECT_EQ(requester_liste("Liste", l.zeiger.data(), static_cast<int>(l.zeiger.size()), -1, "Nummer Text"), 2);
    EXPECT_GT(beschrieben, 20);
}
