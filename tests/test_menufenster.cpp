// The menu font and windows on a private Xvfb: the terminal choice of the
// font (which must never hang without a terminal), the fallback pattern, the
// windows of a laid-out menu and their release by menu_clear.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/dateien.h"
#include "hilfe/xvfb.h"
#include "xmalwerk1/core/intern.h"
#include "xmalwerk1/menu/menu_intern.h"
#include "xmalwerk1/xmalwerk1.h"

#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <string>

using testhilfe::Standardeingabe;
using testhilfe::XvfbServer;

namespace {

void leer(long) {}

unsigned kinder(Window w)
{
    Window wurzel, eltern, *k = nullptr;
    unsigned n = 0;
    XQueryTree(dpy, w, &wurzel, &eltern, &k, &n);
    if (k) XFree(k);
    return n;
}

// Opens a window with one menu and the menu traces, which ask for the menu
// font at the terminal; returns the output.
std::string mit_fontfrage_oeffnen()
{
    testing::internal::CaptureStdout();
    setmenu(-2);
    setmenu(1, "File");
    setsize(300, 200, 24);
    qinital(1, 0, 0, 1, 1);
    return testing::internal::GetCapturedStdout();
}

}  // namespace

TEST(Menufont, AuswahlAmTerminal)
{
    XvfbServer x(800, 600, 24);
    x.als_display_setzen();
    Standardeingabe eingabe("*courier-bold-r-normal--14*\n0\n");
    std::string aus = mit_fontfrage_oeffnen();
    EXPECT_NE(aus.find("suche nach Fontnamen:"), std::string::npos) << aus;
    EXPECT_NE(aus.find("Font 0:'"), std::string::npos) << aus;
    EXPECT_NE(aus.find("Fontauswahl:"), std::string::npos) << aus;
    EXPECT_NE(aus.find("pixprobuchst_x="), std::string::npos) << aus;
    ASSERT_NE(menu.menufont, nullptr);
    EXPECT_NE(std::string(menu_fontliste[0]).find("courier-bold"), std::string::npos) << menu_fontliste[0];
    term_exit();
}

TEST(Menufont, AuswahlAmTerminalAusEinemStueck)
{
    XvfbServer x(800, 600, 24);
    x.als_display_setzen();
    // Both answers come at once and the writer stays: the number must not be
    // lost in a read-ahead, and what follows it is left for the next reader.
    Standardeingabe eingabe("*courier-bold-r-normal--14*\n0\nrest\n", true);
    std::string aus = mit_fontfrage_oeffnen();
    EXPECT_NE(std::string(menu_fontliste[0]).find("courier-bold"), std::string::npos) << menu_fontliste[0] << aus;
    pollfd p{0, POLLIN, 0};
    ASSERT_EQ(poll(&p, 1, 0), 1) << "nothing is left to read";
    char rest[16] = "";
    EXPECT_EQ(read(0, rest, sizeof rest - 1), 5);
    EXPECT_STREQ(rest, "rest\n");
    term_exit();
}

TEST(Menufont, OhneTerminalKeinWarten)
{
    XvfbServer x(800, 600, 24);
    x.als_display_setzen();
    Standardeingabe eingabe("");
    auto anfang = std::chrono::steady_clock::now();
    testing::internal::CaptureStdout();
    setmenu(-2);
    setsize(300, 200, 24);
    qinital(1, 0, 0, 1, 1);
    testing::internal::GetCapturedStdout();
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count(), 2.0);
    EXPECT_STREQ(menu_fontliste[0], "-adobe-courier-medium-r-normal--14-140-75-75-m-90-iso8859-1");
    EXPECT_NE(menu.menufont, nullptr);
    term_exit();
}

TEST(Menufont, UnbekannteNamenFuehrenZumMuster)
{
    XvfbServer x(800, 600, 24);
    x.als_display_setzen();
    menu_fontliste[0] = "-gibt-es-nicht-*";
    menu_fontliste[1] = nullptr;
    setmenu(1, "File");
    setsize(300, 200, 24);
    qinital(1, 0, 0, 1, 1);
    ASSERT_NE(menu.menufont, nullptr);
    EXPECT_GT(pixprobuchst_x, 0);
    EXPECT_EQ(zeilenabstand, pixprobuchst_y * 3 / 2);
    EXPECT_EQ(menubalkenhoehe, zeilenabstand + 2);
    term_exit();
}

TEST(Menufenster, FensterDesMenusUndMenuClear)
{
    XvfbServer x(800, 600, 24);
    x.als_display_setzen();
    setmenu(2, "File", "Hilfe");
    setmenu(2, "Next", "Hilfe...", leer, leer);
    setsubmenu(1, "Unter", leer);
    setsize(300, 200, 24);
    qinital(1, 0, 0, 1, 1);
    EXPECT_EQ(kinder(win10), 4u);  // bar, two pull-downs, one submenu
    XWindowAttributes a;
    XGetWindowAttributes(dpy, menu.leistenfenster, &a);
    EXPECT_EQ(a.width, 301);
    EXPECT_EQ(a.height, pixprobuchst_y * 3 / 2);
    EXPECT_EQ(a.map_state, IsViewable);
    XGetWindowAttributes(dpy, menu.klappfenster[1], &a);
    EXPECT_EQ(a.x, menu.titel_x[1]);
    EXPECT_EQ(a.y, zeilenabstand);
    EXPECT_EQ(a.map_state, IsUnmapped);

    EXPECT_EQ(menu_clear(), 1);
    EXPECT_EQ(kinder(win10), 0u);
    EXPECT_EQ(menu.titelzeile, nullptr);
    EXPECT_EQ(menu_clear(), 0);
    // The event loop goes on without a menu.
    EXPECT_EQ(waitmenu(0), 0);
    term_exit();
}
