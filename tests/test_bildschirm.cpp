// Screen configuration: the record syntax of the screen description file,
// and getmaxsize on private Xvfb screens with files written by the tests.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/dateien.h"
#include "hilfe/xvfb.h"
#include "xmalwerk1/core/bildschirmdatei.h"
#include "xmalwerk1/core/intern.h"
#include "xmalwerk1/xmalwerk1.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

using testhilfe::Verzeichniswechsel;
using testhilfe::datei_schreiben;
using testhilfe::Arbeitsverzeichnis;
using testhilfe::Umgebung;
using testhilfe::XvfbServer;

namespace {

// All records of a text, and whether reading stopped at the end of it.
std::vector<Bildschirmeintrag> alle_saetze(const std::string &text, bool *bis_zum_ende = nullptr)
{
    std::vector<Bildschirmeintrag> saetze;
    FILE *f = fmemopen(const_cast<char *>(text.data()), text.size(), "r");
    Bildschirmeintrag e;
    while (bildschirmeintrag_lesen(f, &e)) saetze.push_back(e);
    if (bis_zum_ende) *bis_zum_ende = feof(f) != 0;
    fclose(f);
    return saetze;
}

bool suchen(const std::string &text, int b, int h, int t, Bildschirmeintrag *e)
{
    FILE *f = fmemopen(const_cast<char *>(text.data()), text.size(), "r");
    bool gefunden = bildschirm_suchen(f, b, h, t, e);
    fclose(f);
    return gefunden;
}

struct Ergebnis {
    int breite, hoehe, tiefe, klasse;
    std::string ausgabe;
};

Ergebnis maxsize()
{
    Ergebnis r{};
    testing::internal::CaptureStdout();
    getmaxsize(&r.breite, &r.hoehe, &r.tiefe, &r.klasse);
    r.ausgabe = testing::internal::GetCapturedStdout();
    return r;
}

const char *const unbekannt_1920 =
    "unbekannter Screen: Breite=1920 Hoehe=1080 Tiefe=24\n"
    "angenommene FensterRandbreiten: 8 und 32\n"
    "angenommene ScreenRandbreiten: 6 und 26\n"
    "Setzen Sie in \"xmalwerk.screens\" neue Werte fuer diesen Screen!\n";

// A working directory of its own with no screen file, and no $h.
struct Leerumgebung {
    Arbeitsverzeichnis d;
    Verzeichniswechsel wd{d.pfad()};
    Umgebung h{"h", nullptr};
};

}  // namespace

// --- The record syntax -----------------------------------------------------

TEST(Bildschirmdatei, KommentareLeerraumUndSatzUeberMehrereZeilen)
{
    bool ende = false;
    auto s = alle_saetze("; Kopf\n\n   ;noch ein \"Kommentar\"\n\t\"Erster Schirm\" 1280\n 1024 24\n"
                         "8 32\n0 30 1.25 ; hinter dem Satz\n"
                         "\"B\"640 480 8 1 2 3 4 0\n",
                         &ende);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_STREQ(s[0].name, "Erster Schirm");
    EXPECT_EQ(s[0].breite, 1280);
    EXPECT_EQ(s[0].hoehe, 1024);
    EXPECT_EQ(s[0].tiefe, 24);
    EXPECT_EQ(s[0].xrahmen, 8);
    EXPECT_EQ(s[0].yrahmen, 32);
    EXPECT_EQ(s[0].xrand, 0);
    EXPECT_EQ(s[0].yrand, 30);
    EXPECT_DOUBLE_EQ(s[0].aspekt, 1.25);
    EXPECT_STREQ(s[1].name, "B");
    EXPECT_EQ(s[1].yrand, 4);
    EXPECT_DOUBLE_EQ(s[1].aspekt, 0);
    EXPECT_TRUE(ende);
    EXPECT_TRUE(alle_saetze("").empty());
    EXPECT_TRUE(alle_saetze("; nur Kommentar ohne Zeilenende").empty());
}

TEST(Bildschirmdatei, ErsterPassenderSatzGewinnt)
{
    const std::string text =
        "\"anderer\" 1280 1024 24 1 1 1 1 2.0\n"
        "\"richtig\" 1920 1080 24 2 30 0 40 1.0\n"
        "\"spaeter\" 1920 1080 24 9 9 9 9 3.0\n";
    Bildschirmeintrag e;
    ASSERT_TRUE(suchen(text, 1920, 1080, 24, &e));
    EXPECT_STREQ(e.name, "richtig");
    EXPECT_EQ(e.yrand, 40);
    // The depth is part of the key.
    EXPECT_FALSE(suchen(text, 1920, 1080, 8, &e));
    EXPECT_FALSE(suchen(text, 1080, 1920, 24, &e));
}

TEST(Bildschirmdatei, FehlerhafterSatzBeendetDasLesen)
{
    Bildschirmeintrag e;
    // A word where a number belongs: the record after it is never seen.
    EXPECT_FALSE(suchen("\"a\" 1 2 3 4 5 x 7 1.0\n\"b\" 9 9 9 0 0 0 0 0\n", 9, 9, 9, &e));
    // Too few numbers before the next record.
    EXPECT_FALSE(suchen("\"a\" 1 2 3 4 5\n\"b\" 9 9 9 0 0 0 0 0\n", 9, 9, 9, &e));
    // Something other than a quote or a comment where a record begins.
    EXPECT_FALSE(suchen("\"a\" 1 2 3 4 5 6 7 1.0\nx\n\"b\" 9 9 9 0 0 0 0 0\n", 9, 9, 9, &e));
    EXPECT_FALSE(suchen("# Kommentar\n\"b\" 9 9 9 0 0 0 0 0\n", 9, 9, 9, &e));
    // A name without its closing quote.
    EXPECT_FALSE(suchen("\"offen 9 9 9 0 0 0 0 0\n", 9, 9, 9, &e));
    // The records before a malformed one are looked at.
    EXPECT_TRUE(suchen("\"b\" 9 9 9 0 0 0 0 0\n\"a\" 1 2 3\n", 9, 9, 9, &e));
}

TEST(Bildschirmdatei, NamenBisAchtundsiebzigZeichen)
{
    std::string zahlen = " 9 9 9 1 2 3 4 0\n";
    Bildschirmeintrag e;
    ASSERT_TRUE(suchen("\"" + std::string(78, 'n') + "\"" + zahlen, 9, 9, 9, &e));
    EXPECT_EQ(std::string(e.name), std::string(78, 'n'));
    EXPECT_FALSE(suchen("\"" + std::string(79, 'n') + "\"" + zahlen, 9, 9, 9, &e));
    // Any character but the quote belongs to the name, a newline too.
    ASSERT_TRUE(suchen("\"a;b\nc\"" + zahlen, 9, 9, 9, &e));
    EXPECT_STREQ(e.name, "a;b\nc");
}

TEST(Bildschirmdatei, BeispieldateiIstGanzLesbar)
{
    std::string text = testhilfe::datei_lesen(std::string(UMBRIX_SOURCE_DIR) + "/data/xmalwerk.screens");
    ASSERT_FALSE(text.empty());
    bool ende = false;
    auto s = alle_saetze(text, &ende);
    EXPECT_TRUE(ende) << "reading stopped before the end of the file";
    std::vector<std::vector<int>> groessen;
    for (const auto &e : s) {
        groessen.push_back({e.breite, e.hoehe, e.tiefe});
        EXPECT_GT(e.aspekt, 0) << e.name;
        EXPECT_GE(e.xrand, e.xrahmen) << e.name;  // a window's frame must fit the margin
        EXPECT_GE(e.yrand, e.yrahmen) << e.name;
    }
    std::vector<std::vector<int>> erwartet = {{1920, 1080, 24}, {2560, 1440, 24}, {1366, 768, 24}, {3840, 2160, 24}};
    EXPECT_EQ(groessen, erwartet);
}

// --- getmaxsize on real screens --------------------------------------------

TEST(Bildschirmgroesse, AchtBitSchirmAusDerEingebautenTabelle)
{
    XvfbServer x(1280, 1024, 8);
    x.als_display_setzen();
    Leerumgebung leer;
    Ergebnis r = maxsize();
    EXPECT_EQ(r.breite, 1280);
    EXPECT_EQ(r.hoehe, 1024);
    EXPECT_EQ(r.tiefe, 8);
    EXPECT_EQ(r.klasse, PseudoColor);
    EXPECT_EQ(scxrand, 0);
    EXPECT_EQ(scyrand, 0);
    EXPECT_EQ(malwerk_xborder, 8);
    EXPECT_EQ(malwerk_yborder, 32);
    EXPECT_EQ(malwerk_borderflag, 1);
    EXPECT_EQ(r.ausgabe, "");
}

TEST(Bildschirmgroesse, UnbekannterSchirmOhneDatei)
{
    XvfbServer x(1920, 1080, 24);
    x.als_display_setzen();
    Leerumgebung leer;
    Ergebnis r = maxsize();
    EXPECT_EQ(r.breite, 1914);
    EXPECT_EQ(r.hoehe, 1054);
    EXPECT_EQ(r.tiefe, 24);
    EXPECT_EQ(r.klasse, TrueColor);
    EXPECT_EQ(r.ausgabe, unbekannt_1920);
    EXPECT_EQ(malwerk_xborder, 8);
    EXPECT_EQ(malwerk_yborder, 32);
}

TEST(Bildschirmgroesse, PassenderSatzDerDateiOhneMeldung)
{
    XvfbServer x(1920, 1080, 24);
    x.als_display_setzen();
    Leerumgebung leer;
    datei_schreiben("xmalwerk.screens", "; Test\n\"Testschirm\" 1920 1080 24  2 30  0 40  1.0\n");
    setaspect(1.4);
    Ergebnis r = maxsize();
    EXPECT_EQ(r.breite, 1920);
    EXPECT_EQ(r.hoehe, 1040);
    EXPECT_EQ(r.ausgabe, "");
    EXPECT_EQ(malwerk_xborder, 2);
    EXPECT_EQ(malwerk_yborder, 30);
    EXPECT_DOUBLE_EQ(getaspect(), 1.0);
}

TEST(Bildschirmgroesse, ZweiterSatzPasstUndSeinNameErscheintImProtokoll)
{
    XvfbServer x(1920, 1080, 24);
    x.als_display_setzen();
    Leerumgebung leer;
    datei_schreiben("xmalwerk.screens",
                    "\"klein\" 1280 1024 24 1 1 1 1 2.0\n"
                    "\"gross\" 1920 1080 24 4 20 10 50 0.8\n"
                    "\"doppelt\" 1920 1080 24 7 7 7 7 3.0\n");
    mal_setdebug(1);
    Ergebnis r = maxsize();
    EXPECT_EQ(r.breite, 1910);
    EXPECT_EQ(r.hoehe, 1030);
    EXPECT_DOUBLE_EQ(getaspect(), 0.8);
    EXPECT_NE(r.ausgabe.find("Screen='gross' Breite=1920 Hoehe=1080 Tiefe=24\n"), std::string::npos) << r.ausgabe;
    EXPECT_EQ(r.ausgabe.find("unbekannter Screen"), std::string::npos);
}

TEST(Bildschirmgroesse, AspektNullLaesstDenAspektStehen)
{
    XvfbServer x(1920, 1080, 24);
    x.als_display_setzen();
    Leerumgebung leer;
    datei_schreiben("xmalwerk.screens", "\"s\" 1920 1080 24 0 0 0 0 0\n");
    setaspect(1.3);
    Ergebnis r = maxsize();
    EXPECT_EQ(r.breite, 1920);
    EXPECT_DOUBLE_EQ(getaspect(), 1.3);
}

TEST(Bildschirmgroesse, VollbildLiestDieDateiNicht)
{
    XvfbServer x(1920, 1080, 24);
    x.als_display_setzen();
    Leerumgebung leer;
    datei_schreiben("xmalwerk.screens", "\"s\" 1920 1080 24 5 5 30 30 0.5\n");
    fullscreen_modus(1);
    setaspect(1.1);
    Ergebnis r = maxsize();
    EXPECT_EQ(r.breite, 1920);
    EXPECT_EQ(r.hoehe, 1080);
    EXPECT_EQ(malwerk_xborder, 0);
    EXPECT_EQ(malwerk_yborder, 0);
    EXPECT_DOUBLE_EQ(getaspect(), 1.1);
    EXPECT_EQ(r.ausgabe, "");
}

TEST(Bildschirmgroesse, NichtPassenderSatzDannTabelleLaesstAspekt)
{
    XvfbServer x(1280, 1024, 8);
    x.als_display_setzen();
    Leerumgebung leer;
    datei_schreiben("xmalwerk.screens", "\"anders\" 1280 1024 24 3 3 3 3 0.5\n");
    setaspect(1.7);
    Ergebnis r = maxsize();
    EXPECT_EQ(r.breite, 1280);
    EXPECT_EQ(r.hoehe, 1024);
    EXPECT_EQ(malwerk_xborder, 8);  // row C of the table
    EXPECT_DOUBLE_EQ(getaspect(), 1.7);
    EXPECT_EQ(r.ausgabe, "");
}

TEST(Bildschirmgroesse, BeispieldateiImArbeitsverzeichnis)
{
    XvfbServer x(1920, 1080, 24);
    x.als_display_setzen();
    Leerumgebung leer;
    datei_schreiben("xmalwerk.screens",
                    testhilfe::datei_lesen(std::string(UMBRIX_SOURCE_DIR) + "/data/xmalwerk.screens"));
    Ergebnis r = maxsize();
    EXPECT_EQ(r.ausgabe, "");
    EXPECT_EQ(r.breite, 1920 - scxrand);
    EXPECT_EQ(r.hoehe, 1080 - scyrand);
    EXPECT_GT(scyrand, 26);  // the panel's room is more than the assumed default
}

TEST(Bildschirmgroesse, ZweiterOrtAusUmgebungsvariableH)
{
    XvfbServer x(1920, 1080, 24);
    x.als_display_setzen();
    Leerumgebung leer;
    Arbeitsverzeichnis heim;
    datei_schreiben(heim.datei("xmalwerk.screens"), "\"h\" 1920 1080 24 0 0 0 20 0\n");
    {
        Umgebung h("h", heim.pfad().c_str());
        Ergebnis r = maxsize();
        EXPECT_EQ(r.hoehe, 1060);
        EXPECT_EQ(r.ausgabe, "");
    }
    // A file in the working directory comes first.
    datei_schreiben("xmalwerk.screens", "\"hier\" 1920 1080 24 0 0 0 30 0\n");
    {
        Umgebung h("h", heim.pfad().c_str());
        EXPECT_EQ(maxsize().hoehe, 1050);
    }
    // The name may be changed, also to an absolute path.
    std::string pfad = heim.datei("xmalwerk.screens");
    MALWERK_SCREENDATEN = pfad.c_str();
    EXPECT_EQ(maxsize().hoehe, 1060);
}

TEST(Bildschirmgroesse, ZuLangerPfadAusHWirdNichtGekuerzt)
{
    XvfbServer x(1920, 1080, 24);
    x.als_display_setzen();
    Leerumgebung leer;
    // "$h/xmalwerk.screens" is 200 characters long; cut to 199 it would name
    // the file "xmalwerk.screen" in that directory, which holds a match.
    std::string h = leer.d.pfad() + "/";
    h += std::string(200 - h.size() - 17, 'v');
    ASSERT_EQ(mkdir(h.c_str(), 0755), 0);
    datei_schreiben(h + "/xmalwerk.screen", "\"falsch\" 1920 1080 24 0 0 0 0 0\n");
    Umgebung hv("h", h.c_str());
    Ergebnis r = maxsize();
    EXPECT_EQ(r.breite, 1914);
    EXPECT_NE(r.ausgabe.find("zu lang"), std::string::npos) << r.ausgabe;
    EXPECT_NE(r.ausgabe.find("unbekannter Screen"), std::string::npos);
}

// --- The terminal prompts for an unknown screen -------------------------

namespace {

// Standard input comes from fd for the life of the object.
struct Eingabe {
    int alt;
    explicit Eingabe(int fd) : alt(dup(0))
    {
        dup2(fd, 0);
        clearerr(stdin);
    }
    ~Eingabe()
    {
        dup2(alt, 0);
        close(alt);
        clearerr(stdin);
    }
};

}  // namespace

TEST(Bildschirmgroesse, FragtBeiDebugZweiDieWerteAb)
{
    XvfbServer x(1920, 1080, 24);
    x.als_display_setzen();
    Leerumgebung leer;
    datei_schreiben("antworten", "3\n4\n5\n60\nfuer den naechsten Leser\n");
    int fd = open("antworten", O_RDONLY);
    Eingabe e(fd);
    mal_setdebug(2);
    Ergebnis r = maxsize();
    // The answers after the four are left for whoever reads next.
    char rest[64] = "";
    EXPECT_EQ(read(0, rest, sizeof rest - 1), 25);
    EXPECT_STREQ(rest, "fuer den naechsten Leser\n");
    close(fd);
    EXPECT_EQ(malwerk_xborder, 3);
    EXPECT_EQ(malwerk_yborder, 4);
    EXPECT_EQ(r.breite, 1915);
    EXPECT_EQ(r.hoehe, 1020);
    size_t a = r.ausgabe.find("malwerk_xborder:");
    size_t b = r.ausgabe.find("malwerk_yborder:");
    size_t c = r.ausgabe.find("scxrand:");
    size_t d = r.ausgabe.find("scyrand:");
    size_t hinweis = r.ausgabe.find("Setzen Sie in");
    ASSERT_NE(a, std::string::npos) << r.ausgabe;
    EXPECT_LT(a, b);
    EXPECT_LT(b, c);
    EXPECT_LT(c, d);
    EXPECT_LT(d, hinweis);
}

TEST(Bildschirmgroesse, OhneEingabeBleibenDieAngenommenenWerte)
{
    XvfbServer x(1920, 1080, 24);
    x.als_display_setzen();
    Leerumgebung leer;
    mal_setdebug(2);
    {
        int fd = open("/dev/null", O_RDONLY);
        Eingabe e(fd);
        Ergebnis r = maxsize();
        close(fd);
        EXPECT_EQ(r.breite, 1914);
        EXPECT_EQ(r.hoehe, 1054);
        EXPECT_EQ(malwerk_xborder, 8);
    }
    {
        // A pipe whose writer stays open but never writes: no waiting.
        int rohr[2];
        ASSERT_EQ(pipe(rohr), 0);
        Eingabe e(rohr[0]);
        Ergebnis r = maxsize();
        EXPECT_EQ(r.breite, 1914);
        EXPECT_EQ(r.hoehe, 1054);
        close(rohr[0]);
        close(rohr[1]);
    }
    {
        // Words instead of numbers keep the values, and do not block the
        // following prompts.
        datei_schreiben("antworten", "x\ny\n7\n8\n");
        int fd = open("antworten", O_RDONLY);
        Eingabe e(fd);
        Ergebnis r = maxsize();
        close(fd);
        EXPECT_EQ(malwerk_xborder, 8);
        EXPECT_EQ(malwerk_yborder, 32);
        EXPECT_EQ(r.breite, 1920 - 7);
        EXPECT_EQ(r.hoehe, 1080 - 8);
    }
}
