// Text: font height in names, font choice, the background box, and text
// and fonts in PostScript plot files.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/malflaeche.h"
#include "xmalwerk1/xmalwerk1.h"
#include "xmalwerk1/core/intern.h"

#include <X11/Xatom.h>

#include <cctype>
#include <string>

using testhilfe::Malflaeche;
using testhilfe::PostscriptMitschnitt;

namespace {

std::string fontname(XFontStruct *f)
{
    unsigned long atom = 0;
    std::string s;
    if (f && XGetFontProperty(f, XA_FONT, &atom)) {
        char *n = XGetAtomName(dpy, atom);
        for (char *p = n; *p; ++p) s += static_cast<char>(tolower(static_cast<unsigned char>(*p)));
        XFree(n);
    }
    return s;
}

std::string escaped(const char *text)
{
    FILE *f = tmpfile();
    ps_text_schreiben(f, text);
    rewind(f);
    std::string s;
    int c;
    while ((c = fgetc(f)) != EOF) s += static_cast<char>(c);
    fclose(f);
    return s;
}

}  // namespace

TEST(Fonthoehe, PixelgroesseNachDemErstenDoppelstrich)
{
    EXPECT_EQ(fonthoehe("-adobe-helvetica-medium-r-normal--14-140-75-75-p-77-iso8859-1"), 14);
    EXPECT_EQ(fonthoehe("fixed"), 0);
    EXPECT_EQ(fonthoehe("-misc-fixed--*-120-*"), 0);  // no number after the "--"
    EXPECT_EQ(fonthoehe("a--7--9"), 7);
    EXPECT_EQ(fonthoehe("--99999999999999"), 999999);  // long digit runs stop
    EXPECT_EQ(fonthoehe(nullptr), 0);
}

TEST(Fontwahl, ErsterGrossGenugSonstDerGroesste)
{
    char a[] = "-x-a-m-r-n--10-1", b[] = "-x-b-m-r-n--12-1", c[] = "-x-c-m-r-n--18-1", d[] = "-x-d-m-r-n--18-2";
    char *namen[] = {a, b, c, d};
    EXPECT_EQ(font_waehlen(namen, 3, 11), 1);
    EXPECT_EQ(font_waehlen(namen, 3, 12), 1);
    EXPECT_EQ(font_waehlen(namen, 3, 20), 2);
    EXPECT_EQ(font_waehlen(namen, 4, 20), 2);  // the first of equals
    EXPECT_EQ(font_waehlen(namen, 3, 1), 0);
    char s0[] = "scalable--0-0", s1[] = "scalable--0-1";
    char *skalierbar[] = {s0, s1};
    EXPECT_EQ(font_waehlen(skalierbar, 2, 12), 0);
    EXPECT_EQ(font_waehlen(namen, 0, 12), -1);
}

TEST(Fontmuster, WirdZeichenweiseKuerzer)
{
    char muster[16] = "*helv*14*";
    std::string folge;
    while (fontmuster_kuerzen(muster)) folge += std::string(muster) + " ";
    EXPECT_EQ(folge, "*helv*1* *helv** *helv* *hel* *he* *h* ** * ");
    // The requesters' default pattern ends in "*-M-*".
    char cour[20] = "*Cour*14*-M-*";
    ASSERT_TRUE(fontmuster_kuerzen(cour));
    EXPECT_STREQ(cour, "*Cour*14*-M*");
    char leer[4] = "";
    EXPECT_FALSE(fontmuster_kuerzen(leer));
    EXPECT_STREQ(leer, "");
}

TEST(PostscriptSchrift, FontskalaUndGeschuetzteKlammern)
{
    int sx, sy;
    ps_fontskala(8, 10, 999, 699, &sx, &sy);
    EXPECT_EQ(sx, 9);
    EXPECT_EQ(sy, 11);
    ps_fontskala(8, 0, 999, 699, &sx, &sy);  // no ascent: from the width
    EXPECT_EQ(sy, 11);
    ps_fontskala(0, 10, 999, 699, &sx, &sy);  // no width: from the height
    EXPECT_EQ(sx, 8);
    ps_fontskala(8, 10, 0, 0, &sx, &sy);  // an empty area divides by nothing
    EXPECT_EQ(sx, 0);
    EXPECT_EQ(sy, 0);
    EXPECT_EQ(escaped("a(b)c\\d"), "a\\(b\\)c\\\\d");
    EXPECT_EQ(escaped("(("), "\\(\\(");
    EXPECT_EQ(escaped(""), "");
}

TEST(Schrift, HintergrundkastenInDerKastenfarbe)
{
    Malflaeche m;
    color(0xFFFFFF);
    bpencolor(0xFF0000);
    EXPECT_EQ(mal_text.hintergrundfarbe, 0xFF0000);
    // Blanks draw no glyph pixels: the box alone, 8 x 3 by 12 * 2 / 3,
    // corners inclusive.
    ischrift(50, 100, "   ", 0);
    EXPECT_EQ(m.zaehlen(40, 80, 90, 110, 0xFF0000), 25 * 9);
    EXPECT_EQ(m.pixel(50, 100), 0xFF0000u);
    EXPECT_EQ(m.pixel(74, 92), 0xFF0000u);
    EXPECT_EQ(mal_farbe, 0xFFFFFF);  // the text colour is back
    // The text itself comes in the current colour, over the box.
    ischrift(50, 150, "HHH", 0);
    EXPECT_GT(m.zaehlen(50, 140, 74, 150, m.weiss()), 10);
    rgbbpencolor(0, 0, 255);
    mal_text.zeichenbreite = 4;
    schrift(200, 0, " ", 0);  // baseline on the bottom row
    EXPECT_EQ(m.zaehlen(200, 291, 204, 299, 0x0000FF), 5 * 9);
    bpencolor(-1);
    ischrift(300, 100, "  ", 0);
    EXPECT_EQ(m.zaehlen(290, 80, 320, 110, 0), 31 * 31);  // no box
}

TEST(Schrift, FontWahlMitErsatzmuster)
{
    Malflaeche m;
    int a = itextsize(7, 14, "-nichts-passt-zu-diesem-muster-*", 0);
    ASSERT_NE(mal_text.font, nullptr);
    std::string name = fontname(mal_text.font);
    EXPECT_NE(name.find("helvetica-medium"), std::string::npos) << name;
    EXPECT_GE(fonthoehe(name.c_str()), 14) << name;
    EXPECT_GT(a, 0);
    EXPECT_LE(a, mal_text.font->ascent);
    EXPECT_EQ(mal_text.zeichenbreite, 7);
    EXPECT_EQ(mal_text.zeichenhoehe, 14);
    XGCValues w;
    XGetGCValues(dpy, gc, GCFont, &w);
    EXPECT_EQ(w.font, mal_text.font->fid);
    // Taller than anything listed: the largest.
    itextsize(7, 500, "-adobe-helvetica-medium-r-normal--*-*-75-75-p-*-iso8859-1", 0);
    EXPECT_EQ(fonthoehe(fontname(mal_text.font).c_str()), 24);
    // In user units: two pixels per unit across.
    qinital(1, 0, 0, 199.5, 299);
    double h = textsize(4, 12, "-adobe-helvetica-medium-r-normal--12-*-75-75-p-*-iso8859-1", 0);
    EXPECT_EQ(mal_text.zeichenbreite, 8);
    EXPECT_EQ(mal_text.zeichenhoehe, 12);
    EXPECT_GT(h, 0);
}

TEST(PostscriptSchrift, KurzformGedrehtUndFontbefehl)
{
    Malflaeche m;
    PostscriptMitschnitt ps;
    psxmin = 0;
    psxcal = 2;
    psymin = 10;
    psycal = 3;
    schrift(10, 20, "Zeit (UT) 12\\30", 0);
    schrift(10, 20, "Achse", 90);
    EXPECT_EQ(ps.inhalt(), " 20.00 30.00 m (Zeit \\(UT\\) 12\\\\30) show\n"
                           " gsave 20.00 30.00 translate 0 0 m 90.00 rotate (Achse) show grestore\n");
    ps.leeren();
    malwerk_breite = 999;
    malwerk_hoehe = 699;
    int a = itextsize(8, 12, nullptr, 3);
    int sx, sy;
    ps_fontskala(8, a, 999, 699, &sx, &sy);
    EXPECT_EQ(ps.inhalt(), "/Helvetica-BoldOblique findfont [" + std::to_string(sx) + " 0 0 " + std::to_string(sy) +
                               " 0 0] makefont setfont\n");
    EXPECT_EQ(sx, 9);
}

TEST(Schrift, OhneDisplayNurDieGroesse)
{
    testing::internal::CaptureStdout();
    EXPECT_EQ(itextsize(5, 9, nullptr, 0), 0);
    ischrift(1, 1, "x", 0);
    fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "ERROR in itextsize(): kein Display offen, zuerst inital() aufrufen\n");
    EXPECT_EQ(mal_text.zeichenbreite, 5);
    EXPECT_EQ(mal_text.zeichenhoehe, 9);
}
