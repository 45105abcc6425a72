// Starting over within one process: after a session with changed settings
// the library's globals hold their values at program start again.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/menuaufrufe.h"
#include "hilfe/xvfb.h"
#include "xmalwerk1/core/intern.h"
#include "xmalwerk1/menu/menu_intern.h"
#include "xmalwerk1/requester/requester_intern.h"

#include <X11/keysym.h>

#include <cstring>

using testhilfe::aufrufe;

namespace {

void nichts() {}

// Changes every setting that an application or a session can change.
void alles_verstellen()
{
    fullscreen_modus(1);
    setsize(300, 200, 32000 + 3000 + 8);  // white background, debug level 3
    setxsync(2);
    setmaxfarben(16);
    const char rot[3] = {static_cast<char>(255), 0, 0};
    setzergbtabelle(1, rot);
    MALWERK_SCREENDATEN = "anderswo.screens";
    funk_expose = nichts;
    schlechte_tastatur(XK_BackSpace);
    DELL = 8;
    DELR = 127;
    darstellungsbreite = 24;
    gadgetstr[0].set("alter Text");
    gadgetstr[0].inc(3);
    testhilfe::beispielmenue_mit_kuerzeln();
    amigatast.doit(XK_Escape);
    qinital(1, 0, 0, 10, 10);
    color(3);
    setpattern(0x61);
    menu_debug = 1;
}

}  // namespace

TEST(Grundzustand, NachEinerSitzungMitAnderenEinstellungen)
{
    testhilfe::XvfbServer x(640, 480, 8);
    x.als_display_setzen();
    testing::internal::CaptureStdout();
    alles_verstellen();
    malwerk_grundzustand();
    testing::internal::GetCapturedStdout();

    EXPECT_EQ(dpy, nullptr);
    EXPECT_EQ(win10, 0u);
    EXPECT_EQ(malwerk_initalflag, 0);
    EXPECT_EQ(fullscreenmodus, 0);
    EXPECT_EQ(scxrand, 6);
    EXPECT_EQ(scyrand, 26);
    EXPECT_EQ(breite, 1000);
    EXPECT_EQ(hoehe, 700);
    EXPECT_EQ(winbreite, 1001);
    EXPECT_EQ(winhoehe, 701);
    EXPECT_EQ(mydept, 24);
    EXPECT_EQ(dept, 1);
    EXPECT_EQ(menubalkenhoehe, 0);
    EXPECT_EQ(hintergrundflag, 0);
    EXPECT_EQ(hintergrundistschwarz, 1);
    EXPECT_EQ(debug, 0);
    EXPECT_EQ(menu_debug, 0);
    EXPECT_EQ(xsync_modus, 0);
    EXPECT_EQ(mal_farbe, -1);
    EXPECT_EQ(pattern, 0x40);
    EXPECT_STREQ(malwerk_fenstername, "  XMALWERK1   Version 2.89");
    EXPECT_STREQ(MALWERK_SCREENDATEN, "xmalwerk.screens");
    EXPECT_EQ(colortabelle, nullptr);
    EXPECT_EQ(maximaleanzahlfarben, 4096);
    EXPECT_EQ(rgbtabelle[0][0], 0);
    EXPECT_EQ(rgbtabelle[1][0], 255);
    EXPECT_EQ(rgbtabelle[2][0], 255);
    EXPECT_EQ(funk_expose, nullptr);
    EXPECT_EQ(schlechte_tastatur('a'), 0);
    EXPECT_EQ(menuvorhanden(), 0);
    EXPECT_EQ(menu_i, 0);
    EXPECT_EQ(menu.titelzeile, nullptr);
    EXPECT_EQ(zeilenabstand, 12);
    EXPECT_EQ(pixprobuchst_x, 6);
    EXPECT_EQ(requester_font_flag, 0);
    EXPECT_EQ(requester_dpy, nullptr);
    EXPECT_EQ(DELL, 127);
    EXPECT_EQ(DELR, 8);
    EXPECT_EQ(darstellungsbreite, 40);
    EXPECT_STREQ(gadgetstr[0].text, "");
    EXPECT_EQ(gadgetstr[0].anzeige, gadgetstr[0].text);

    // No shortcut of the old menu, and no Escape pending.
    aufrufe.clear();
    EXPECT_EQ(amigatast.doit(XK_Escape), 1);
    amigatast.doit(XK_n);
    EXPECT_TRUE(aufrufe.empty());
}
