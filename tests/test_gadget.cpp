// Gadget model without a display: editing a text buffer, the shared
// buffers, the scroll bar's arithmetic and the list line shortening.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "xmalwerk1/requester/requester_intern.h"

#include <cstring>
#include <string>

namespace {

std::string text_aus(int n, char c = 'a')
{
    return std::string(static_cast<size_t>(n), c);
}

// A list record as machgadget makes it, without a display.
Gadget2 liste(int y, int hoehe, int zeilenhoehe, int anzahl, int sichtbar, int erster = 0)
{
    Gadget2 L{};
    L.y = static_cast<short>(y);
    L.hoehe = static_cast<short>(hoehe);
    L.zeilenhoehe = static_cast<short>(zeilenhoehe);
    L.anzahl = static_cast<short>(anzahl);
    L.sichtbar = static_cast<short>(sichtbar);
    L.erster = static_cast<short>(erster);
    return L;
}

}  // namespace

TEST(Zeicheninsert, EinfuegenAmAnfangInDerMitteUndAmEnde)
{
    char t[400] = "bd";
    zeicheninsert('a', 0, t, 80);
    zeicheninsert('c', 2, t, 80);
    zeicheninsert('e', 4, t, 80);
    EXPECT_STREQ(t, "abcde");
    // A position past the end appends instead of leaving a gap.
    zeicheninsert('f', 50, t, 80);
    EXPECT_STREQ(t, "abcdef");
}

TEST(Zeicheninsert, AchtzigZeichenGrenze)
{
    char t[400];
    memset(t, '#', sizeof t);
    strcpy(t, text_aus(79).c_str());
    zeicheninsert('Z', 79, t, 80);
    EXPECT_EQ(strlen(t), 80u);
    EXPECT_EQ(t[79], 'Z');
    zeicheninsert('Y', 80, t, 80);
    EXPECT_EQ(strlen(t), 80u) << "the 81st character is dropped";
    EXPECT_EQ(strchr(t, 'Y'), nullptr);
    // A full text takes nothing more, and loses nothing.
    EXPECT_EQ(zeicheninsert('X', 0, t, 80), 0);
    EXPECT_EQ(t, text_aus(79) + "Z");
    EXPECT_EQ(t[81], '#') << "nothing is written behind the terminator at index 80";
}

TEST(Zeicheninsert, LangerFremderTextBleibtGanz)
{
    // A buffer set by the file requester may hold more than 80 characters.
    char t[400];
    strcpy(t, text_aus(300, 'p').c_str());
    EXPECT_EQ(zeicheninsert('q', 5, t, 80), 0);
    EXPECT_EQ(t, text_aus(300, 'p'));
    // Deleting still works.
    zeicheninsert(DELL, 300, t, 80);
    EXPECT_EQ(t, text_aus(299, 'p'));
}

TEST(Zeicheninsert, LoeschenLinksUndRechts)
{
    ASSERT_EQ(DELL, 127);
    ASSERT_EQ(DELR, 8);
    char t[400] = "abcd";
    zeicheninsert(DELL, 2, t, 80);  // removes the b left of the cursor
    EXPECT_STREQ(t, "acd");
    zeicheninsert(DELR, 1, t, 80);  // removes the c under the cursor
    EXPECT_STREQ(t, "ad");
    zeicheninsert(DELL, 0, t, 80);  // nothing left of the start
    EXPECT_STREQ(t, "ad");
    zeicheninsert(DELR, 2, t, 80);  // nothing right of the end
    EXPECT_STREQ(t, "ad");
    zeicheninsert(DELL, 2, t, 80);
    zeicheninsert(DELL, 1, t, 80);
    EXPECT_STREQ(t, "");
    zeicheninsert(DELL, 0, t, 80);
    EXPECT_STREQ(t, "");
}

TEST(Zeicheninsert, VertauschteLoeschtasten)
{
    DELL = 8;
    DELR = 127;
    char t[400] = "abc";
    zeicheninsert(8, 1, t, 80);
    EXPECT_STREQ(t, "bc");
    zeicheninsert(127, 1, t, 80);
    EXPECT_STREQ(t, "b");
}

TEST(Gadgetstring, SetKapptAnMaxlaengeUndSetztRollungZurueck)
{
    gadgetstring &b = gadgetstr[3];
    EXPECT_EQ(b.maxlaenge, 400);
    EXPECT_EQ(b.anzeige, b.text);
    b.set("Hallo Welt");
    EXPECT_STREQ(b.text, "Hallo Welt");
    EXPECT_EQ(b.inc(3), 3);
    EXPECT_STREQ(b.anzeige, "lo Welt");
    b.maxlaenge = 6;
    b.set("Sonnenfinsternis");
    EXPECT_STREQ(b.text, "Sonne") << "at most maxlaenge-1 characters";
    EXPECT_EQ(b.anfang, 0);
    EXPECT_EQ(b.anzeige, b.text);
    b.maxlaenge = 400;
    b.set(text_aus(500).c_str());
    EXPECT_EQ(strlen(b.text), 399u);
}

TEST(Gadgetstring, IncBleibtImText)
{
    gadgetstring &b = gadgetstr[0];
    b.set("abcdef");
    EXPECT_EQ(b.inc(-5), 0) << "clamped at 0";
    EXPECT_EQ(b.inc(2), 2);
    EXPECT_EQ(b.inc(-80), 0);
    EXPECT_EQ(b.inc(100), 6) << "never past the end of the text";
    EXPECT_STREQ(b.anzeige, "");
}

TEST(Gadgetstring, EingabekursorOffRolltZurueckUndDeaktiviert)
{
    newgadgets[4].strnr = 4;
    gadgetstr[4].set("ein langer Text");
    gadgetstr[4].inc(7);
    int aktiv = 4;
    eingabekursor_off(&aktiv);
    EXPECT_EQ(aktiv, -1);
    EXPECT_EQ(gadgetstr[4].anfang, 0);
    EXPECT_EQ(gadgetstr[4].anzeige, gadgetstr[4].text);
    // Scrolled further than the typing limit, it still goes back to the start.
    gadgetstr[4].set(text_aus(300).c_str());
    gadgetstr[4].inc(150);
    aktiv = 4;
    eingabekursor_off(&aktiv);
    EXPECT_EQ(gadgetstr[4].anfang, 0);
    EXPECT_EQ(gadgetstr[4].anzeige, gadgetstr[4].text);
}

TEST(Gadgetstring, GadgetsHinterDenZwanzigPuffernTeilenEinenErsatz)
{
    NewGadget knopf{};
    knopf.strnr = 21;
    gadgetstring &b = puffer_von(&knopf);
    EXPECT_NE(&b, &gadgetstr[19]);
    EXPECT_EQ(b.maxlaenge, 400);
    EXPECT_STREQ(b.anzeige, "");
    knopf.strnr = 19;
    EXPECT_EQ(&puffer_von(&knopf), &gadgetstr[19]);
}

TEST(Schiebebalken, AnfangszustandUndMessung)
{
    Schiebebalken s;
    EXPECT_EQ(s.zustand, 0);
    EXPECT_EQ(s.griff, 1);
    EXPECT_DOUBLE_EQ(s.anteil, 1.0);
    // 100 entries, 10 visible, 240 px high with rows of 20: track 200 px.
    Gadget2 L = liste(50, 240, 20, 100, 10, 30);
    int versatz = -1;
    EXPECT_EQ(s.calc(&L, &versatz), 20);
    EXPECT_EQ(s.bahn, 200);
    EXPECT_EQ(s.bahnhalbe, 100);
    EXPECT_DOUBLE_EQ(s.proeintrag, 2.0);
    EXPECT_DOUBLE_EQ(s.anteil, 0.1);
    EXPECT_EQ(versatz, 60);
    EXPECT_EQ(s.oben, 110);
    EXPECT_EQ(s.unten, 130);
}

TEST(Schiebebalken, GriffMindestensHalbeZeileUndVolleBahnBeiKurzerListe)
{
    Schiebebalken s;
    Gadget2 lang = liste(0, 240, 20, 1000, 10);
    EXPECT_EQ(s.calc(&lang), 10) << "2 px by the fraction, raised to half a row";
    Gadget2 kurz = liste(0, 240, 20, 3, 10);
    EXPECT_EQ(s.calc(&kurz), 200);
    EXPECT_DOUBLE_EQ(s.anteil, 1.0);
    Gadget2 leer = liste(0, 240, 20, 0, 10);
    EXPECT_EQ(s.calc(&leer), 200) << "an empty list measures without dividing by zero";
}

TEST(Schiebebalken, ZiehenUmKBahnDurchAnzahlBewegtKEintraege)
{
    Schiebebalken s;
    Gadget2 L = liste(50, 240, 20, 100, 10, 20);
    s.calc(&L);
    // The press grabs the thumb and changes nothing.
    EXPECT_EQ(s.ineu(100), 20);
    EXPECT_EQ(s.zustand, -5);
    // 200 px for 100 entries: 2 px an entry, either way.
    auto ziehen = [](int von, int nach) {
        Schiebebalken z;
        Gadget2 M = liste(50, 240, 20, 100, 10, 20);
        z.calc(&M);
        z.ineu(von);
        return z.ineu(nach);
    };
    for (int k : {1, 3, 7}) {
        EXPECT_EQ(ziehen(100, 100 + 2 * k), 20 + k) << k;
        EXPECT_EQ(ziehen(100, 100 - 2 * k), 20 - k) << k;
    }
    EXPECT_EQ(ziehen(100, 100), 20);
    EXPECT_EQ(ziehen(100, 100 + 1), 21) << "half an entry's way rounds up";
}

TEST(Schiebebalken, ZiehenIstAnBeidenEndenBegrenzt)
{
    Schiebebalken s;
    Gadget2 L = liste(50, 240, 20, 100, 10, 85);
    s.calc(&L);
    s.ineu(200);
    EXPECT_EQ(s.ineu(400), 90) << "never beyond anzahl - sichtbar";
    EXPECT_EQ(s.ineu(-300), 0) << "never below 0";
    // A list shorter than its rows cannot be dragged anywhere.
    Schiebebalken t;
    Gadget2 K = liste(50, 240, 20, 4, 10);
    t.calc(&K);
    t.ineu(60);
    EXPECT_EQ(t.ineu(200), 0);
    t.reset();
    EXPECT_EQ(t.zustand, 0);
}

TEST(Schiebebalken, FolgezugGehtVomNeuenBezugAus)
{
    // Taking over the new position after each step: moving on by 2 px
    // moves by one more entry, not by the whole way again.
    Schiebebalken s;
    Gadget2 L = liste(50, 240, 20, 100, 10, 0);
    s.calc(&L);
    s.ineu(60);
    L.erster = static_cast<short>(s.ineu(70));
    EXPECT_EQ(L.erster, 5);
    L.erster = static_cast<short>(s.ineu(72));
    EXPECT_EQ(L.erster, 6);
}

TEST(Gadgetarten, KlassenUndDateirequesterTyp)
{
    EXPECT_EQ(get_ngtyp(16), 2);
    EXPECT_EQ(get_ngtyp(17), 17);
    for (int t : {1, 4, 15, 0, 99}) EXPECT_EQ(get_ngtyp(t), 1) << t;
    EXPECT_EQ(IS_REQTYP_AUSWAHL(1), 0);
    EXPECT_EQ(IS_REQTYP_AUSWAHL(16), 1);
    EXPECT_EQ(IS_REQTYP_AUSWAHL(17), 1);
}

TEST(Gadgetarten, IstinnerhalbInBeidenRichtungen)
{
    EXPECT_TRUE(istinnerhalb(5, 10, 5));
    EXPECT_TRUE(istinnerhalb(10, 10, 5));
    EXPECT_TRUE(istinnerhalb(7, 5, 10));
    EXPECT_FALSE(istinnerhalb(4, 10, 5));
    EXPECT_FALSE(istinnerhalb(11, 5, 10));
    EXPECT_TRUE(istinnerhalb(3, 4, 0, 9, 5, 0));
    EXPECT_FALSE(istinnerhalb(3, 10, 0, 9, 5, 0));
}

TEST(Textkuerzen, KurzerEintragWirdAufgefuellt)
{
    char z[120];
    textkuerzen("abc", z, 6, sizeof z);
    EXPECT_STREQ(z, "abc   ");
}

TEST(Textkuerzen, LangerEintragBehaeltSeinEnde)
{
    // A listing line: name padded to 80, kind tag and size at the end.
    char zeile[120];
    snprintf(zeile, sizeof zeile, "%-80.80s %s %9d", "bericht.txt", "(dir)", 4096);
    char z[120];
    textkuerzen(zeile, z, 24, sizeof z);
    EXPECT_EQ(std::string(z), std::string("bericht.txt             ") + "(dir)      4096");
}

TEST(Textkuerzen, BreiteWirdAufDenPufferBeschraenkt)
{
    char zeile[300];
    memset(zeile, 'n', 299);
    zeile[299] = '\0';
    char z[40];
    memset(z, 'x', sizeof z);
    textkuerzen(zeile, z, 100, sizeof z);
    EXPECT_EQ(strlen(z), 39u) << "24 of the start and 15 of the end";
}
