// Layout of the input form and of the message box, in numbers, for a
// character cell of 9 x 14 pixels unless a test says otherwise.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "xmalwerk1/requester/anordnung.h"

namespace {

void rechteck_ist(const Rechteck &r, int x, int y, int b, int h)
{
    EXPECT_EQ(r.x, x);
    EXPECT_EQ(r.y, y);
    EXPECT_EQ(r.breite, b);
    EXPECT_EQ(r.hoehe, h);
}

}  // namespace

TEST(Formularanordnung, JahrMonatNebeneinanderUndSchalterDarunter)
{
    // The program's form: " Jahr " and " Monat" (6 characters each, the
    // values 4 and 1 characters), the month's read format ends in a newline,
    // then the 33-character label of the advance flag.
    Formularanordnung a = formular_anordnen(9, 14, {{6, 4, false}, {6, 1, true}, {33, 1, false}});
    EXPECT_EQ(a.feldhoehe, 22) << "21 would leave an odd rest above the cell";
    ASSERT_EQ(a.felder.size(), 3u);
    rechteck_ist(a.felder[0], 12, 28, 63, 22);
    rechteck_ist(a.felder[1], 87, 28, 63, 22);
    rechteck_ist(a.felder[2], 12, 78, 306, 22);
    EXPECT_EQ(a.maxlaenge, (std::vector<int>{6, 6, 33}));
    rechteck_ist(a.ok, 56, 128, 81, 22);
    rechteck_ist(a.abbruch, 193, 128, 81, 22);
    EXPECT_EQ(a.breite, 330);
    EXPECT_EQ(a.hoehe, 178);
}

TEST(Formularanordnung, MindestbreiteUndMindesthoehe)
{
    // One small field: the window keeps 188 + 12 by 100 pixels, the field
    // keeps 5 cells.
    Formularanordnung a = formular_anordnen(6, 8, {{1, 1, false}});
    EXPECT_EQ(a.feldhoehe, 12);
    rechteck_ist(a.felder[0], 12, 16, 30, 12);
    EXPECT_EQ(a.breite, 200);
    EXPECT_EQ(a.hoehe, 100);
    // t = (12 + 188 - 108) / 3
    rechteck_ist(a.ok, 30, 44, 54, 12);
    rechteck_ist(a.abbruch, 114, 44, 54, 12);
}

TEST(Formularanordnung, ZeilenumbruchNachJedemFeldUndLeererFormular)
{
    Formularanordnung a = formular_anordnen(9, 14, {{3, 3, true}, {3, 3, true}});
    EXPECT_EQ(a.felder[0].y, 28);
    EXPECT_EQ(a.felder[1].y, 78);
    EXPECT_EQ(a.felder[1].x, 12);
    EXPECT_EQ(a.ok.y, 178) << "a row left empty after the last newline, then the buttons";
    EXPECT_EQ(a.hoehe, 228);

    Formularanordnung leer = formular_anordnen(9, 14, {});
    EXPECT_TRUE(leer.felder.empty());
    EXPECT_EQ(leer.ok.y, 78);
    EXPECT_EQ(leer.hoehe, 128);
}

TEST(Formularanordnung, KnoepfeBleibenBeiGrosserSchriftImFenster)
{
    // With a 12-pixel cell two 108-pixel buttons would not fit into 188 + 12
    // pixels; the window widens so both stay inside with a margin.
    Formularanordnung a = formular_anordnen(12, 20, {{2, 2, false}});
    EXPECT_GE(a.ok.x, 12);
    EXPECT_GE(a.abbruch.x, a.ok.x + a.ok.breite + 12);
    EXPECT_LE(a.abbruch.x + a.abbruch.breite, a.breite - 12);
}

TEST(Meldungsanordnung, EineZeileDreiviertelSoHochWieBreit)
{
    Meldungsanordnung m = meldung_anordnen(9, 14, 1, 5, 2, false);
    EXPECT_EQ(m.breite, 118);
    EXPECT_EQ(m.hoehe, 88);
    EXPECT_EQ(m.knopfbreite, 36);
    EXPECT_EQ(m.zeileneinheit, 28);
    EXPECT_EQ(m.text_x, 36);
    EXPECT_EQ(m.text_y, 29);
    EXPECT_EQ(m.knopf_y, 58);
    // The single button is centred; the second rectangle is still computed.
    rechteck_ist(m.knopf[0], 40, 44, 36, 28);
    rechteck_ist(m.knopf[1], 70, 44, 36, 28);
    EXPECT_EQ(m.beschriftung_x[0], 49);
    EXPECT_EQ(m.beschriftung_y, 65);
}

TEST(Meldungsanordnung, ZweiKnoepfeLinksUndRechts)
{
    // "ja" and "nein": 4 characters for both buttons, 14 columns.
    Meldungsanordnung m = meldung_anordnen(9, 14, 1, 8, 4, true);
    EXPECT_EQ(m.breite, 154);
    EXPECT_EQ(m.hoehe, 115);
    EXPECT_EQ(m.knopfbreite, 54);
    rechteck_ist(m.knopf[0], 11, 62, 54, 28);
    rechteck_ist(m.knopf[1], 88, 62, 54, 28);
    EXPECT_LE(m.knopf[0].x + m.knopf[0].breite, m.knopf[1].x);
}

TEST(Meldungsanordnung, MehrereZeilenWachsenMitIhrerZahl)
{
    // Few lines: never lower than three quarters of the width.
    Meldungsanordnung wenig = meldung_anordnen(9, 14, 7, 70, 2, false);
    EXPECT_EQ(wenig.breite, 658);
    EXPECT_EQ(wenig.hoehe, 493);
    EXPECT_EQ(wenig.text_y, 28);
    EXPECT_EQ(wenig.knopf_y, 493 - 56);
    // Many short lines: two thirds of a line unit each.
    Meldungsanordnung viel = meldung_anordnen(9, 14, 40, 10, 2, false);
    EXPECT_EQ(viel.breite, 118);
    EXPECT_EQ(viel.hoehe, 830);
    EXPECT_EQ(viel.knopf_y, 774);
    EXPECT_EQ(viel.zeile_y(0), 28);
    EXPECT_EQ(viel.zeile_y(1), 46);
    EXPECT_EQ(viel.zeile_y(2), 65);
    Meldungsanordnung mehr = meldung_anordnen(9, 14, 41, 10, 2, false);
    EXPECT_GT(mehr.hoehe, viel.hoehe);
    // The last line stays above the buttons.
    EXPECT_LT(viel.zeile_y(39), viel.knopf[0].y);
}
