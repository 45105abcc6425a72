// Text and path helpers of the requesters, through the public header.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "xmalwerk1/xmalwerk1.h"

#include <cstring>

TEST(Zeilentext, LaengsteZeileUndAnzahl)
{
    int zeilen = 0;
    EXPECT_EQ(strlen_zeile("ab\ncde\n", &zeilen), 3);
    EXPECT_EQ(zeilen, 3);  // the final newline counts one more, empty, line
    EXPECT_EQ(anzahlzeilen("ab\ncde\n"), 2);
    EXPECT_EQ(anzahlzeilen("ab\ncde"), 2);
    EXPECT_EQ(anzahlzeilen(""), 0);
    EXPECT_EQ(anzahlzeilen(nullptr), 0);
    EXPECT_EQ(anzahlzeilen("\n"), 1);
    EXPECT_EQ(strlen_zeile("", &zeilen), 0);
    EXPECT_EQ(zeilen, 1);
}

TEST(Zeilentext, NaechsteZeileUndKopie)
{
    char text[] = "eins\nzwei";
    char *p = nextzeile(text);
    EXPECT_STREQ(p, "zwei");
    EXPECT_EQ(*nextzeile(p), '\0');

    char ziel[16];
    memset(ziel, 'x', sizeof ziel);
    char *nach = zeilekopieren(ziel, text);
    EXPECT_EQ(nach - ziel, 5);
    EXPECT_EQ(std::string(ziel, 5), "eins\n");
    EXPECT_EQ(ziel[5], 'x');  // no terminator is written
}

TEST(Suche, EnthaeltUndIndex)
{
    EXPECT_EQ(enthaelt("abcdef", "cd"), 1);
    EXPECT_EQ(enthaelt("abcdef", "xy"), 0);
    EXPECT_EQ(enthaelt("abcdef", ""), 0);
    EXPECT_EQ(gutes_index("ab\ncd", "cd"), 3);
    EXPECT_EQ(index2("ab\ncd", "cd"), -1);
    EXPECT_EQ(index2("abcd\nx", "cd"), 2);
    EXPECT_EQ(index2("ab\nab", "b\na"), -1);  // a match may not cross the line end
    EXPECT_EQ(gutes_index("abc", ""), 0);
    EXPECT_EQ(gutes_index("abc", "z"), -1);
    const char *s = "LOAD file";
    EXPECT_EQ(strcheck(s, "LOAD"), s + 4);
    EXPECT_EQ(strcheck(s, "SAVE"), nullptr);
}

TEST(Verbinden, StrjoinMitUndOhneTrenner)
{
    char ziel[32];
    strjoin("/usr", '/', "lib", ziel, sizeof ziel);
    EXPECT_STREQ(ziel, "/usr/lib");
    strjoin("/usr/", '/', "lib", ziel, sizeof ziel);
    EXPECT_STREQ(ziel, "/usr/lib");
    strjoin("", '/', "lib", ziel, sizeof ziel);
    EXPECT_STREQ(ziel, "/lib");
    char kurz[8];
    memset(kurz, 'x', sizeof kurz);
    strjoin("/usr", '/', "lib", kurz, 6);
    EXPECT_STREQ(kurz, "/usr/");
    EXPECT_EQ(kurz[6], 'x');

    char s[16];
    EXPECT_EQ(stradd("ab", "cd", s), 0);
    EXPECT_STREQ(s, "abcd");
}

TEST(BegrenzteKopien, StrcpymaxUndStrcpybis)
{
    char ziel[8];
    memset(ziel, 'x', sizeof ziel);
    char *nach = strcpymax(ziel, "abc", 1);
    EXPECT_EQ(ziel[0], '\0');
    EXPECT_EQ(ziel[1], 'x');
    EXPECT_EQ(nach, ziel + 1);
    nach = strcpymax(ziel, "abcdefghij", 5);
    EXPECT_STREQ(ziel, "abcd");
    EXPECT_EQ(nach, ziel + 5);

    char name[81];
    strcpybis(name, "datei.txt             (dir)        4096", ' ', sizeof name);
    EXPECT_STREQ(name, "datei.txt");
    strcpybis(name, "abcdef", ' ', 4);
    EXPECT_STREQ(name, "abc");
}

TEST(Verschiedenes, UmkehrenKopienZahlen)
{
    char r[8];
    stringumkehren("abc", r);
    EXPECT_STREQ(r, "cba");
    char *n = newstring("kopie");
    EXPECT_STREQ(n, "kopie");
    delete[] n;
    char *f = strf("Wert=%ld", 42);
    EXPECT_STREQ(f, "Wert=42");
    delete[] f;
    EXPECT_EQ(maxwert(3, -4), 3);
    EXPECT_EQ(minwert(3, -4), -4);
    EXPECT_EQ(minmax(5, 1, 0), 0);
    EXPECT_EQ(minmax(0, 1, 0), 1);  // the lower bound is tested first
    EXPECT_EQ(minmax(7, 1, 9), 7);
    EXPECT_EQ(ISTPUNKTPUNKT(".."), 1);
    EXPECT_EQ(ISTPUNKTPUNKT("..."), 0);
    EXPECT_EQ(ISTPUNKTPUNKT("."), 0);
}

TEST(Deskriptor, TextUndDeskriptor)
{
    descr d{};
    const char *text = "DOTTED";
    descr *e = machdescr(text, &d);
    ASSERT_EQ(e, &d);
    EXPECT_EQ(d.laenge, 6);
    EXPECT_EQ(d.typ, 14);
    EXPECT_EQ(d.klasse, 1);
    EXPECT_EQ(d.zeiger, text);
    EXPECT_EQ(d.typ + 256 * d.klasse, 270);
    // A descriptor given again is returned unchanged.
    descr kurz{2, 14, 1, "POxx"};
    const char *als_text = reinterpret_cast<const char *>(&kurz);
    EXPECT_EQ(machdescr(als_text, &d), &kurz);
    EXPECT_STREQ(descrtext(als_text), "PO");
    EXPECT_STREQ(descrtext("plain"), "plain");
    EXPECT_STREQ(descrtext(""), "");
}
