// Starting over within one process: after a session with changed settings
// the library's globals hold their values at program start again, so that
// no test leaks into the next.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/menuaufrufe.h"
#include "hilfe/xvfb.h"
#include "xmalwerk1/core/intern.h"
#include "xmalwerk1/menu/menu_intern.h"
#include "xmalwerk1/requester/requester_intern.h"

#include <X11/keysym.h>

using testhilfe::aufrufe;

TEST(Grundzustand, NachEinerSitzungMitAnderenEinstellungen)
{
    testhilfe::XvfbServer x(640, 480, 8);
    x.als_display_setzen();
    testing::internal::CaptureStdout();
    // Every setting that an application or a session can change.
    fullscreen_modus(1);
    setsize(300, 200, 32000 + 3000 + 8);  // white background, debug level 3
    setxsync(2);
    setmaxfarben(16);
    const char rot[3] = {static_cast<char>(255), 0, 0};
    setzergbtabelle(1, rot);
    MALWERK_SCREENDATEN = "anderswo.screens";
    funk_expose = [] {};
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
    malwerk_grundzustand();
    testing::internal::GetCapturedStdout();

#define WERT(ausdruck, soll) {#ausdruck, static_cast<long>(ausdruck), soll}
    const struct {
        const char *name;
        long ist, soll;
    } werte[] = {WERT(dpy != nullptr, 0), WERT(win10, 0), WERT(malwerk_initalflag, 0), WERT(fullscreenmodus, 0),
                 WERT(breite, 1000), WERT(hoehe, 700), WERT(winbreite, 1001), WERT(winhoehe, 701), WERT(mydept, 24),
                 WERT(dept, 1), WERT(menubalkenhoehe, 0), WERT(hintergrundflag, 0), WERT(hintergrundistschwarz, 1),
                 WERT(debug, 0), WERT(menu_debug, 0), WERT(xsync_modus, 0), WERT(mal_farbe, -1),
                 WERT(pattern, 0x40), WERT(colortabelle != nullptr, 0), WERT(maximaleanzahlfarben, 4096),
                 WERT(rgbtabelle[0][0], 0), WERT(funk_expose != nullptr, 0), WERT(schlechte_tastatur('a'), 0),
                 WERT(menuvorhanden(), 0), WERT(menu_i, 0), WERT(menu.titelzeile != nullptr, 0),
                 WERT(zeilenabstand, 12), WERT(pixprobuchst_x, 6), WERT(requester_font_flag, 0),
                 WERT(requester_dpy != nullptr, 0), WERT(DELL, 127), WERT(DELR, 8), WERT(darstellungsbreite, 40),
                 WERT(gadgetstr[0].anzeige != gadgetstr[0].text, 0)};
#undef WERT
    for (const auto &w : werte) EXPECT_EQ(w.ist, w.soll) << w.name;
    EXPECT_STREQ(MALWERK_SCREENDATEN, "xmalwerk.screens");
    EXPECT_STREQ(gadgetstr[0].text, "");

    // No shortcut of the old menu, and no Escape pending.
    aufrufe.clear();
    EXPECT_EQ(amigatast.doit(XK_Escape), 1);
    amigatast.doit(XK_n);
    EXPECT_TRUE(aufrufe.empty());
}
