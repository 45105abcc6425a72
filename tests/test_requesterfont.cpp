// Choosing the requester font: the default list, the pattern made from a
// size, the choice on standard input, and no waiting without input.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/dateien.h"
#include "hilfe/xvfb.h"
#include "xmalwerk1/core/intern.h"
#include "xmalwerk1/requester/requester_intern.h"

#include <X11/Xatom.h>

#include <cctype>
#include <chrono>
#include <cstring>
#include <string>

using testhilfe::Standardeingabe;
using testhilfe::XvfbServer;

namespace {

std::string gewaehlter_name()
{
    unsigned long atom = 0;
    if (!requ_fontstruct || !XGetFontProperty(requ_fontstruct, XA_FONT, &atom)) return "";
    char *n = XGetAtomName(requester_dpy, atom);
    std::string name = n ? n : "";
    if (n) XFree(n);
    for (char &c : name) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return name;
}

}  // namespace

TEST(Requesterfont, StandardlisteUndZelle)
{
    XvfbServer x;
    x.als_display_setzen();
    EXPECT_EQ(reqpixprobuchst_x, 6);
    EXPECT_EQ(reqpixprobuchst_y, 8);
    testing::internal::CaptureStdout();
    requester_font_anfordern(0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << "modus 0 is silent";
    ASSERT_TRUE(requester_bereit());
    // Courier 14 of the second default name: 9 pixels a character.
    EXPECT_NE(gewaehlter_name().find("courier-medium-r-normal--14"), std::string::npos) << gewaehlter_name();
    EXPECT_EQ(reqpixprobuchst_x, 9);
    EXPECT_GT(reqpixprobuchst_y, 8);
}

TEST(Requesterfont, GroesseAlsMuster)
{
    XvfbServer x;
    x.als_display_setzen();
    testing::internal::CaptureStdout();
    requester_font_anfordern(18);
    std::string aus = testing::internal::GetCapturedStdout();
    EXPECT_STREQ(defaultfontname, "*Cour*18*-M-*");
    EXPECT_EQ(requ_fontliste[0], defaultfontname);
    ASSERT_TRUE(requester_bereit());
    EXPECT_NE(aus.find("XLoadQueryFont(mydpy,'*Cour*18*-M-*')\n"), std::string::npos) << aus;
    EXPECT_NE(aus.find("PIXPROBUCHST_X=" + std::to_string(reqpixprobuchst_x) + " PIXPROBUCHST_Y="),
              std::string::npos);
    // Once chosen, later calls change nothing until the display closes.
    requester_font_anfordern(10);
    EXPECT_STREQ(defaultfontname, "*Cour*18*-M-*");
}

TEST(Requesterfont, RiesigeGroesseWirdImPufferGekappt)
{
    XvfbServer x;
    x.als_display_setzen();
    testing::internal::CaptureStdout();
    requester_font_anfordern(2000000000);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(strlen(defaultfontname), 19u);
    // No font matches: the shortened patterns still find one.
    EXPECT_TRUE(requester_bereit());
}

TEST(Requesterfont, WahlAmTerminal)
{
    XvfbServer x;
    x.als_display_setzen();
    // The writer stays: both answers are taken although more could come.
    Standardeingabe e("-adobe-courier-bold-r-normal--12-*-75-75-m-*-iso8859-1\n0\n", true);
    testing::internal::CaptureStdout();
    requester_font_anfordern(1);
    std::string aus = testing::internal::GetCapturedStdout();
    EXPECT_EQ(aus.rfind("suche nach Fontnamen:", 0), 0u) << aus;
    EXPECT_NE(aus.find("Font 0:'-adobe-courier-bold-r-normal--12-"), std::string::npos) << aus;
    EXPECT_NE(aus.find("Fontauswahl:"), std::string::npos);
    ASSERT_TRUE(requester_bereit());
    EXPECT_NE(gewaehlter_name().find("courier-bold-r-normal--12"), std::string::npos) << gewaehlter_name();
}

TEST(Requesterfont, OhneEingabeWartetNichts)
{
    XvfbServer x;
    x.als_display_setzen();
    Standardeingabe e("", true);
    auto anfang = std::chrono::steady_clock::now();
    testing::internal::CaptureStdout();
    requester_font_anfordern(2);
    std::string aus = testing::internal::GetCapturedStdout();
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count(), 2.0);
    EXPECT_EQ(aus.rfind("suche nach Fontnamen:", 0), 0u);
    EXPECT_TRUE(requester_bereit()) << "the default list still gives a font";
}

TEST(Requesterfont, NachTermExitNeuGewaehlt)
{
    XvfbServer x;
    x.als_display_setzen();
    qinital(1, 0, 0, 1, 1);
    requester_font_anfordern(0);
    EXPECT_EQ(requester_dpy, dpy);
    term_exit();
    EXPECT_EQ(requester_font_flag, 0);
    EXPECT_FALSE(requester_bereit());
    qinital(1, 0, 0, 1, 1);
    requester_font_anfordern(0);
    EXPECT_EQ(requester_dpy, dpy) << "the new display";
    EXPECT_TRUE(requester_bereit());
    term_exit();
}

// Without a main display the requesters open a connection of their own; it
// ends with its server, and the next requester opens the display named then.
TEST(Requesterfont, EigeneVerbindungEndetMitIhremServer)
{
    {
        XvfbServer erster;
        erster.als_display_setzen();
        requester_font_anfordern(0);
        ASSERT_TRUE(requester_bereit());
    }
    EXPECT_FALSE(requester_bereit());
    XvfbServer zweiter;
    zweiter.als_display_setzen();
    requester_font_anfordern(0);
    ASSERT_TRUE(requester_bereit());
    EXPECT_EQ(std::string(DisplayString(requester_dpy)), zweiter.name());
}
