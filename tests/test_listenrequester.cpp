// The list requester: one entry of a scrollable list chosen with the mouse,
// or none.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/fernbedienung.h"
#include "hilfe/xvfb.h"
#include "xmalwerk1/requester/anordnung.h"
#include "xmalwerk1/requester/requester_intern.h"

#include <functional>
#include <string>
#include <vector>

using testhilfe::Fernbedienung;

TEST(Listenrequester, GewaehlterEintragNachRollenOderKeiner)
{
    testhilfe::XvfbServer x;
    x.als_display_setzen();
    requester_font_anfordern(0);
    ASSERT_TRUE(requester_bereit());
    std::vector<std::string> texte;
    for (int i = 0; i < 30; ++i) texte.push_back("Eintrag " + std::to_string(i));
    texte[2] = "unter (dir) 4096";  // reads like a directory of the file requester
    std::vector<const char *> zeiger;
    for (const std::string &t : texte) zeiger.push_back(t.c_str());
    const int ch = reqpixprobuchst_y, rh = ch * 5 / 4;
    const Listenanordnung a = listenrequester_anordnen(reqpixprobuchst_x, ch, 12, 20);
    auto zeile = [&](Fernbedienung &f, int j) { f.klick(a.liste.x + 10, a.liste.y + ch / 3 + j * rh + rh / 2); };
    auto mitte = [](Fernbedienung &f, const Rechteck &r) { f.klick(r.x + r.breite / 2, r.y + r.hoehe / 2); };
    auto waehlen = [&](std::function<void(Fernbedienung &)> skript) {
        testhilfe::Fernsteuerung s(x.name(), [skript](Fernbedienung &f) {
            ASSERT_TRUE(f.fenster_finden("Liste"));
            skript(f);
        });
        return requester_liste("Liste", zeiger.data(), static_cast<int>(zeiger.size()));
    };

    EXPECT_EQ(waehlen([&](Fernbedienung &f) {
                  zeile(f, 2);  // a double click opens nothing here
                  zeile(f, 2);
                  // Into the track below the thumb: one page (12 rows) down.
                  f.klick(a.liste.x + a.liste.breite + 6, a.liste.y + a.liste.hoehe - 2 * rh - 2);
                  zeile(f, 3);
                  mitte(f, a.ok);
              }),
              15);
    EXPECT_STREQ(newgadgets[0].liste->eintraege[2], "unter (dir) 4096");
    EXPECT_EQ(waehlen([&](Fernbedienung &f) {
                  zeile(f, 4);
                  mitte(f, a.abbruch);
              }),
              -1);
    EXPECT_EQ(waehlen([&](Fernbedienung &f) { mitte(f, a.ok); }), -1);  // nothing chosen
    EXPECT_EQ(requester_liste("Liste", zeiger.data(), 0), -1);
}
