// The program umbrix driven through its menu bar on a private Xvfb: Exit and
// the window manager's close request end it.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/fernbedienung.h"
#include "hilfe/xvfb.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <string>

using testhilfe::Fernbedienung;
using testhilfe::Kindprozess;
using testhilfe::XvfbServer;

namespace {

const char *const titel = "  XMALWERK1   Version 2.89";

struct Programm {
    XvfbServer x{1280, 1024, 24};
    Display *d = nullptr;
    Kindprozess umbrix;
    Window fenster = 0;
    int Z = 0;

    Programm() : umbrix({UMBRIX_BINARY, "2008", "8"}, {"DISPLAY=" + x.name()})
    {
        d = XOpenDisplay(x.name().c_str());
        if (!d) return;
        fenster = testhilfe::fenster_suchen(d, titel);
        Z = testhilfe::menu_zeilenabstand(d);
        testhilfe::schlafen(0.3);  // the bar is laid out and drawn
    }
    ~Programm()
    {
        if (d) XCloseDisplay(d);
    }
};

}  // namespace

TEST(ProgrammMenu, FileExitBeendetMitNull)
{
    Programm p;
    ASSERT_NE(p.fenster, 0u) << p.umbrix.ausgabe();
    ASSERT_GT(p.Z, 0);
    Fernbedienung fb(p.x.name(), p.fenster);
    // "File" is the first title; "Exit" its sixth item.
    fb.bewegen(12, p.Z / 2);
    fb.druecken();
    fb.bewegen(20, p.Z + 1 + 5 * p.Z + p.Z / 2);
    fb.loslassen();
    EXPECT_EQ(p.umbrix.warten(10), 0) << p.umbrix.ausgabe();
}

TEST(ProgrammMenu, TastaturmenueWaehltExit)
{
    Programm p;
    ASSERT_NE(p.fenster, 0u) << p.umbrix.ausgabe();
    Fernbedienung fb(p.x.name(), p.fenster);
    fb.bewegen(300, 300);
    for (unsigned long k : {XK_Alt_L, XK_Down, XK_Down, XK_Down, XK_Down, XK_Down, XK_Down, XK_Return}) fb.taste(k);
    EXPECT_EQ(p.umbrix.warten(10), 0) << p.umbrix.ausgabe();
}

TEST(ProgrammMenu, SchliessanfrageBeiOffenemMenuBeendet)
{
    Programm p;
    ASSERT_NE(p.fenster, 0u) << p.umbrix.ausgabe();
    Fernbedienung fb(p.x.name(), p.fenster);
    // Held open by a click on the title, then the close button.
    fb.klick(12, p.Z / 2);
    testhilfe::schlafen(0.1);
    EXPECT_TRUE(p.umbrix.laeuft());
    testhilfe::schliessen_anfordern(p.d, p.fenster);
    EXPECT_EQ(p.umbrix.warten(10), 0) << p.umbrix.ausgabe();
}

TEST(ProgrammMenu, SchliessanfrageBeiOffenemJahrFormularBeendet)
{
    Programm p;
    ASSERT_NE(p.fenster, 0u) << p.umbrix.ausgabe();
    Fernbedienung fb(p.x.name(), p.fenster);
    // "Jahr..." is the third item under "File", after "Next" and "Vorige".
    fb.bewegen(12, p.Z / 2);
    fb.druecken();
    fb.bewegen(20, p.Z + 1 + 2 * p.Z + p.Z / 2);
    fb.loslassen();
    ASSERT_NE(testhilfe::fenster_suchen(p.d, "Input-Requester"), 0u) << p.umbrix.ausgabe();
    testhilfe::schliessen_anfordern(p.d, p.fenster);
    EXPECT_EQ(p.umbrix.warten(2), 0) << p.umbrix.ausgabe();
}
