// Menu declarations and layout without a display: the grid walk with its
// submenus, ids, hit tests, renaming, the slot limit and the item mark-up.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/menuaufrufe.h"
#include "xmalwerk1/menu/menu_intern.h"

#include <cstring>
#include <string>
#include <vector>

using testhilfe::aufrufe;
using testhilfe::merken;

namespace {

// The example menu laid out without a display.
void beispielmenue_im_raster()
{
    testhilfe::beispielmenue();
    menu_raster_setzen();
}

std::string text(const char *t)
{
    return t ? t : "(null)";
}

// Middle of item row r of a pull-down, in bar coordinates.
int reihe_y(int r)
{
    return zeilenabstand + 1 + (r - 1) * zeilenabstand + zeilenabstand / 2;
}

int spalte_x(int spalte)
{
    return menu.titel_x[static_cast<size_t>(spalte)] + 5;
}

// Opens the column and chooses at (x, y) as a release on the bar does.
void waehlen(int spalte, int r)
{
    menu_klappen(spalte_x(spalte), 1);
    menu_waehlen(spalte_x(spalte), reihe_y(r));
}

}  // namespace

TEST(MenuRaster, BeispielmenueZellenTexteUndIds)
{
    beispielmenue_im_raster();
    EXPECT_EQ(menuvorhanden(), 1);
    EXPECT_EQ(menu.nspalten, 2);
    EXPECT_EQ(menu.nreihen, 4);
    EXPECT_EQ(menu.nfelder, 8);
    EXPECT_STREQ(menu.titelzeile, " File  Hilfe ");
    const char *erwartet[8] = {nullptr, nullptr, " Next ", " Hilfe... ", " Jahr... ", nullptr, " Exit ", nullptr};
    for (int c = 0; c < 8; ++c) EXPECT_EQ(text(menu.feldtext[c]), text(erwartet[c])) << "cell " << c;
    EXPECT_EQ(menu.reihenzahl[0], 4);
    EXPECT_EQ(menu.reihenzahl[1], 2);

    long ids[8];
    for (long &i : ids) i = 99;
    getmenuids(0, ids, 0);
    EXPECT_EQ(ids[2], -3);  // Next
    EXPECT_EQ(ids[3], -4);  // Hilfe...
    EXPECT_EQ(ids[4], -5);  // Jahr...
    EXPECT_EQ(ids[6], -7);  // Exit
    for (int c : {0, 1, 5, 7}) EXPECT_EQ(ids[c], 99) << "cell " << c << " names no item";

    // Only the first column asked for.
    for (long &i : ids) i = 99;
    getmenuids(0, ids, 1);
    EXPECT_EQ(ids[2], -3);
    EXPECT_EQ(ids[3], 99);
}

TEST(MenuRaster, TitelUndKlappfensterMasse)
{
    // Without a font the widths come from the default 6 x 8 pixel characters
    // and a row spacing of 12.
    beispielmenue_im_raster();
    ASSERT_EQ(pixprobuchst_x, 6);
    ASSERT_EQ(zeilenabstand, 12);
    EXPECT_EQ(menu.titel_x, (std::vector<int>{3, 39, 81}));
    EXPECT_EQ(menu.klappbreite[0], 9 * 6 + 3 + 2);   // " Jahr... " is the widest
    EXPECT_EQ(menu.klappbreite[1], 10 * 6 + 3 + 2);  // " Hilfe... "
    EXPECT_EQ(menu.feld_y[2], 13 - 2);
    EXPECT_EQ(menu.feld_y[4], 25 - 2);
    EXPECT_EQ(menu.feld_y[6], 37 - 2);
    EXPECT_EQ(menu.feld_x[6], 6);
    // A title wider than its items sets the width.
    menu_reset();
    setmenu(1, "Einstellungen");
    setmenu(1, "a", merken<1>);
    menu_raster_setzen();
    EXPECT_EQ(menu.klappbreite[0], 15 * 6);
}

TEST(MenuRaster, TrefferInDenZeilen)
{
    beispielmenue_im_raster();
    const int Z = zeilenabstand;
    for (int r = 1; r <= 3; ++r) EXPECT_EQ(reihe_ermitteln(0, spalte_x(0), reihe_y(r)), r);
    EXPECT_EQ(reihe_ermitteln(1, spalte_x(1), reihe_y(1)), 1);
    // The bar itself, the rows below the last item and the sides name no item.
    EXPECT_EQ(reihe_ermitteln(0, spalte_x(0), Z / 2), 0);
    EXPECT_EQ(reihe_ermitteln(0, spalte_x(0), reihe_y(4)), 0);
    EXPECT_EQ(reihe_ermitteln(1, spalte_x(1), reihe_y(2)), 0);
    EXPECT_EQ(reihe_ermitteln(0, menu.titel_x[0] - 1, reihe_y(1)), 0);
    EXPECT_EQ(reihe_ermitteln(0, menu.titel_x[0] + menu.klappbreite[0] + 1, reihe_y(1)), 0);
    EXPECT_EQ(reihe_ermitteln(0, menu.titel_x[0] + menu.klappbreite[0], reihe_y(1)), 1);
    // Row boundaries: the last pixel of a row and the first of the next.
    EXPECT_EQ(reihe_ermitteln(0, spalte_x(0), Z + 1 + Z), 1);
    EXPECT_EQ(reihe_ermitteln(0, spalte_x(0), Z + 2 + Z), 2);
    EXPECT_EQ(reihe_ermitteln(-1, 10, reihe_y(1)), 0);
}

TEST(MenuRaster, KlappenWaehltSpalteNachX)
{
    beispielmenue_im_raster();
    menu_klappen(0, 0);
    EXPECT_EQ(menu.offene_spalte, 0);
    menu_klappen(menu.titel_x[1] + 1, 3);
    EXPECT_EQ(menu.offene_spalte, 1);
    menu_klappen(5000, 3);  // right of the last title: the last column
    EXPECT_EQ(menu.offene_spalte, 1);
    menu_klappen(-1, -1);
    EXPECT_EQ(menu.offene_spalte, -1);
}

TEST(MenuRaster, WahlRuftFunktionMitId)
{
    beispielmenue_im_raster();
    aufrufe.clear();
    waehlen(0, 3);
    waehlen(0, 1);
    waehlen(1, 1);
    waehlen(0, 2);
    ASSERT_EQ(aufrufe.size(), 4u);
    EXPECT_EQ(aufrufe[0].wer, 4);
    EXPECT_EQ(aufrufe[0].id, -7);
    EXPECT_EQ(aufrufe[1].id, -3);
    EXPECT_EQ(aufrufe[2].wer, 2);
    EXPECT_EQ(aufrufe[2].id, -4);
    EXPECT_EQ(aufrufe[3].id, -5);
    EXPECT_EQ(menu.offene_spalte, -1);
    // Beside the items, on the title or with no column open: nothing runs.
    waehlen(1, 2);
    menu_klappen(spalte_x(0), 1);
    menu_waehlen(spalte_x(0), 3);
    menu_waehlen(spalte_x(0), reihe_y(1));
    EXPECT_EQ(aufrufe.size(), 4u);
}

TEST(MenuRaster, KuerzereReiheUndLueckeBeendenDieSpalte)
{
    setmenu(2, "A", "B");
    setmenu(2, "a1", "b1", merken<1>, merken<2>);
    setmenu(1, "a2", merken<3>);
    setmenu(2, "a3", "b3", merken<4>, merken<5>);
    menu_raster_setzen();
    EXPECT_EQ(text(menu.feldtext[5]), "(null)");
    EXPECT_EQ(text(menu.feldtext[7]), " b3 ");
    EXPECT_EQ(menu.reihenzahl[0], 4);
    EXPECT_EQ(menu.reihenzahl[1], 2);  // b3 lies behind the gap and is not shown
    EXPECT_EQ(menu_funkfeld[5], nullptr);
    long ids[8] = {};
    getmenuids(0, ids, 0);
    EXPECT_EQ(ids[7], 0);
    EXPECT_EQ(ids[6], -7);
}

TEST(MenuRaster, UeberzaehligeTexteBleibenInIhrerReihe)
{
    setmenu(1, "A");
    setmenu(2, "a", "b", merken<1>, merken<2>);
    setmenu(1, "c", merken<3>);
    menu_raster_setzen();
    EXPECT_EQ(menu.nreihen, 3);
    EXPECT_EQ(text(menu.feldtext[1]), " a ");
    EXPECT_EQ(text(menu.feldtext[2]), " c ");
    aufrufe.clear();
    waehlen(0, 2);
    ASSERT_EQ(aufrufe.size(), 1u);
    EXPECT_EQ(aufrufe[0].wer, 3);
}

TEST(MenuRaster, EigeneLeerzeichenBleiben)
{
    setmenu(1, " T ");
    setmenu(1, "  x", merken<1>);
    menu_raster_setzen();
    EXPECT_STREQ(menu.titelzeile, "  T  ");
    EXPECT_EQ(text(menu.feldtext[1]), "   x ");
}

namespace {

// Titles A, B; a1 with submenu s1, s2; b1 with submenu t1 (its second
// submenu row is empty in column B); a2 with u1; b2 with v1.
void menue_mit_untermenues()
{
    setmenu(2, "A", "B");
    setmenu(2, "a1", "b1", merken<1>, merken<2>);
    EXPECT_EQ(setsubmenu(2, "s1", "t1", merken<11>, merken<21>), 2);
    EXPECT_EQ(setsubmenu(1, "s2", merken<12>), 4);
    setmenu(2, "a2", "b2", merken<3>, merken<4>);
    EXPECT_EQ(setsubmenu(2, "u1", "v1", merken<31>, merken<41>), 6);
    menu_raster_setzen();
}

std::vector<std::string> texte(const _xsubmenu *s)
{
    std::vector<std::string> t;
    for (char *p : s->feldtext) t.push_back(text(p));
    return t;
}

}  // namespace

TEST(MenuRaster, UntermenueGruppenUndIhreFunktionen)
{
    menue_mit_untermenues();
    EXPECT_EQ(menu_sub_ifu[0], 2);
    EXPECT_EQ(menu_sub_ifu[1], 1);
    EXPECT_EQ(menu.nreihen, 3);
    EXPECT_EQ(text(menu.feldtext[2]), " a1 ");
    EXPECT_EQ(text(menu.feldtext[4]), " a2 ");
    EXPECT_EQ(text(menu.feldtext[5]), " b2 ");
    ASSERT_NE(menu.feldsub[2], nullptr);
    ASSERT_NE(menu.feldsub[3], nullptr);
    ASSERT_NE(menu.feldsub[4], nullptr);
    ASSERT_NE(menu.feldsub[5], nullptr);
    EXPECT_EQ(texte(menu.feldsub[2]), (std::vector<std::string>{" s1 ", " s2 "}));
    EXPECT_EQ(texte(menu.feldsub[3]), (std::vector<std::string>{" t1 "}));
    EXPECT_EQ(texte(menu.feldsub[4]), (std::vector<std::string>{" u1 "}));
    EXPECT_EQ(texte(menu.feldsub[5]), (std::vector<std::string>{" v1 "}));
    EXPECT_EQ(menu.feldsub[2]->funk, (std::vector<menufunktion>{merken<11>, merken<12>}));
    EXPECT_EQ(menu.feldsub[3]->funk, (std::vector<menufunktion>{merken<21>}));
    EXPECT_EQ(menu.feldsub[4]->funk, (std::vector<menufunktion>{merken<31>}));
    EXPECT_EQ(menu.feldsub[5]->funk, (std::vector<menufunktion>{merken<41>}));
    EXPECT_EQ(menu.feldsub[0], nullptr);

    long ids[4] = {};
    getmenuids(-3, ids, 0);  // id of a1
    EXPECT_EQ(ids[0], 3);
    EXPECT_EQ(ids[1], (1L << 16) + 3);
    EXPECT_EQ(ids[2], 0);
    long ids2[4] = {};
    getmenuids((1L << 16) + 3, ids2, 1);  // a submenu id names its parent cell too
    EXPECT_EQ(ids2[0], 3);
    EXPECT_EQ(ids2[1], 0);
}

TEST(MenuRaster, UntermenueLageUndTreffer)
{
    menue_mit_untermenues();
    const int Z = zeilenabstand, B = pixprobuchst_x;
    const _xsubmenu *s = menu.feldsub[2];
    EXPECT_EQ(s->x, menu.titel_x[0] + menu.klappbreite[0] - B);
    EXPECT_EQ(s->y, Z + menu.feld_y[2] - Z * 3 / 4);
    EXPECT_EQ(s->breite_sub, 4 * B + B / 2 + 2);
    // Inside the submenu, its rows; left of it beside its first row, the
    // parent item; elsewhere nothing.
    int x = s->x + 4;
    EXPECT_EQ(subreihe_ermitteln(2, x, s->y + Z / 2), 0);
    EXPECT_EQ(subreihe_ermitteln(2, x, s->y + Z + Z / 2), 1);
    EXPECT_EQ(subreihe_ermitteln(2, x, s->y + 2 * Z + Z / 2), -2);
    EXPECT_EQ(subreihe_ermitteln(2, s->x - 10, s->y + Z / 2), -1);
    EXPECT_EQ(subreihe_ermitteln(2, s->x - 10, s->y + Z + Z / 2), -2);
    EXPECT_EQ(subreihe_ermitteln(2, s->x + s->breite_sub + 1, s->y + Z / 2), -2);
    EXPECT_EQ(subreihe_ermitteln(2, x, s->y - Z), -2);
    EXPECT_EQ(subreihe_ermitteln(6, x, s->y), -2);  // a cell without submenu
}

TEST(MenuRaster, UntermenuePunktWaehlen)
{
    menue_mit_untermenues();
    aufrufe.clear();
    // Onto a1: its submenu opens; into its second row and choose.
    menu_klappen(spalte_x(0), 1);
    menu_markieren(spalte_x(0), reihe_y(1));
    ASSERT_EQ(menu.offenes_sub, 2);
    const _xsubmenu *s = menu.feldsub[2];
    int x = s->x + 4, y = s->y + zeilenabstand + zeilenabstand / 2;
    menu_markieren(x, y);
    EXPECT_EQ(menu.offenes_sub, 2);
    menu_waehlen(x, y);
    ASSERT_EQ(aufrufe.size(), 1u);
    EXPECT_EQ(aufrufe[0].wer, 12);
    EXPECT_EQ(aufrufe[0].id, (1L << 16) + 2 + 1);
    EXPECT_EQ(menu.offenes_sub, -1);
    EXPECT_EQ(menu.offene_spalte, -1);

    // Back from the submenu onto the parent item keeps it; a row without a
    // submenu closes it.
    menu_klappen(spalte_x(0), 1);
    menu_markieren(spalte_x(0), reihe_y(1));
    menu_markieren(x, s->y + zeilenabstand / 2);
    menu_markieren(spalte_x(0), reihe_y(1));
    EXPECT_EQ(menu.offenes_sub, 2);
    menu_markieren(spalte_x(0), reihe_y(2) + 2);
    EXPECT_EQ(menu.offenes_sub, 4);  // a2 has its own submenu
    menu_markieren(spalte_x(0) + menu.klappbreite[0] + 40, reihe_y(2) + 2);
    EXPECT_EQ(menu.offenes_sub, -1);
}

TEST(MenuRaster, UntermenueZeilenVorDemErstenPunktHaengenNirgends)
{
    setmenu(1, "A");
    setsubmenu(1, "frei", merken<11>);
    setmenu(1, "a1", merken<1>);
    setsubmenu(1, "s1", merken<12>);
    menu_raster_setzen();
    EXPECT_EQ(menu.nreihen, 2);
    EXPECT_EQ(menu.feldsub[0], nullptr);
    ASSERT_NE(menu.feldsub[1], nullptr);
    EXPECT_EQ(menu.feldsub[1]->funk, (std::vector<menufunktion>{merken<12>}));
}

TEST(MenuRaster, LueckeImUntermenueBeendetEs)
{
    setmenu(2, "A", "B");
    setmenu(2, "a1", "b1", merken<1>, merken<2>);
    setsubmenu(1, "s1", merken<11>);
    setsubmenu(2, "s2", "t2", merken<12>, merken<22>);
    menu_raster_setzen();
    EXPECT_EQ(menu.feldsub[3], nullptr);  // column B's run starts with a gap
    ASSERT_NE(menu.feldsub[2], nullptr);
    EXPECT_EQ(menu.feldsub[2]->funk, (std::vector<menufunktion>{merken<11>, merken<12>}));
}

TEST(MenuRaster, UmbenennenUndRadiogruppe)
{
    menue_mit_untermenues();
    changemenu(-3, "Alpha");
    EXPECT_EQ(text(menu.feldtext[2]), " Alpha ");
    changemenu((1L << 16) + 3, "Zwei");
    EXPECT_EQ(text(menu.feldsub[2]->feldtext[1]), " Zwei ");
    changemenu(-5, nullptr);
    EXPECT_EQ(menu.feldtext[4], nullptr);

    testing::internal::CaptureStdout();
    changemenu(0, "x");
    changemenu(-1000, "x");          // beyond the grid
    changemenu((5L << 16) + 3, "x");  // beyond the submenu's items
    long ids[2] = {};
    getmenuids(-7, ids, 0);  // cell 6 lies outside this grid
    std::string aus = testing::internal::GetCapturedStdout();
    EXPECT_NE(aus.find("ERR-XMENU: changemenu() needs a menu-id-number\n           idnr=0 neuertext='x'\n"),
              std::string::npos)
        << aus;
    EXPECT_NE(aus.find("ERR-XMENU: getmenuids(id=-7...)\n     Hint: nur id von Untermenu verwenden\n"),
              std::string::npos)
        << aus;
    EXPECT_EQ(ids[0], 0);
    EXPECT_EQ(text(menu.feldtext[2]), " Alpha ");

    char t0[] = "%oEins", t1[] = "%ozwei", t2[] = "kein";
    char *gruppe[] = {t0, t1, t2};
    long idfeld[3] = {};
    EXPECT_EQ(menu_switch(-3, idfeld, 1, 3, gruppe, 0, 0), 1);
    EXPECT_STREQ(t0, "%oEins");
    EXPECT_STREQ(t1, "%Ozwei");
    EXPECT_STREQ(t2, "kein");
    EXPECT_EQ(text(menu.feldsub[2]->feldtext[0]), " %oEins ");
    EXPECT_EQ(text(menu.feldsub[2]->feldtext[1]), " %Ozwei ");
    // From the filled id array on: only entries from ab to bis - 1.
    EXPECT_EQ(menu_switch(-3, idfeld, 0, 3, gruppe, 1, 2), 0);
    EXPECT_STREQ(t0, "%oEins");
    EXPECT_STREQ(t1, "%ozwei");
    // A cell without submenu gives no ids.
    long leer[3] = {};
    testing::internal::CaptureStdout();
    int ergebnis = menu_switch(-2, leer, 0, 3, gruppe, 0, 0);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(ergebnis, -1);
    EXPECT_STREQ(t0, "%oEins");
}

TEST(MenuRaster, HoechstensFuenfhundertPlaetze)
{
    testing::internal::CaptureStdout();
    setmenu(10, "1", "2", "3", "4", "5", "6", "7", "8", "9", "10");
    for (int i = 0; i < 49; ++i)
        setmenu(10, "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", merken<1>, merken<1>, merken<1>, merken<1>,
                merken<1>, merken<1>, merken<1>, merken<1>, merken<1>, merken<1>);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(menu_i, 500);
    testing::internal::CaptureStdout();
    setmenu(1, "zuviel", merken<2>);
    setsubmenu(1, "zuviel", merken<2>);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "maximale Menu-Anzahl ueberschritten\nmaximale Menu-Anzahl ueberschritten\n");
    EXPECT_EQ(menu_i, 500);
    EXPECT_EQ(menu_isub, 0);
    menu_raster_setzen();
    EXPECT_EQ(menu.nreihen, 50);
}

TEST(MenuRaster, StandardmenueUndDebugFormen)
{
    testing::internal::CaptureStdout();
    setmenu(-4);
    EXPECT_EQ(menu_debug, 4);
    setmenu(0);
    EXPECT_EQ(menu_debug, 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "XMENU: menu_debug=4\nXMENU: menu_debug=0\n");
    EXPECT_EQ(menuvorhanden(), 0);
    setmenu(-1);
    menu_raster_setzen();
    EXPECT_STREQ(menu.titelzeile, " File ");
    EXPECT_EQ(text(menu.feldtext[1]), " Exit ");
    EXPECT_NE(menu_funkfeld[1], nullptr);
    EXPECT_EQ(get_menuleistenhoehe(), zeilenabstand + 2);

    EXPECT_EQ(menu_reset(), 0);
    EXPECT_EQ(menuvorhanden(), 0);
    EXPECT_EQ(menu.titelzeile, nullptr);  // no display: the layout is gone with the reset
    setmenu(1, "Neu");
    menu_raster_setzen();
    EXPECT_STREQ(menu.titelzeile, " Neu ");
}

TEST(MenuRaster, TexthilfenFuerDieLeiste)
{
    char *d = dublikat("ab");
    EXPECT_STREQ(d, " ab ");
    free(d);
    EXPECT_EQ(dublikat(nullptr), nullptr);
    char puffer[32] = "x";
    straddblank(puffer, "yz");
    EXPECT_STREQ(puffer, "x yz ");
    EXPECT_EQ(pixtextlaenge("abcd"), 4 * 6 + 3);
}

TEST(MenuMarkup, SymboleKuerzelUndLabel)
{
    MenuMarkup m = markup_zerlegen(" %R%AXSpeichern ");
    EXPECT_EQ(m.symbole, "R");
    EXPECT_EQ(m.taste, 'X');
    EXPECT_STREQ(m.label, "Speichern ");

    m = markup_zerlegen(" %%Prozent ");
    EXPECT_EQ(m.symbole, "");
    EXPECT_STREQ(m.label, "%Prozent ");

    m = markup_zerlegen("%O%o%Q%q%Z%~%r Text");
    EXPECT_EQ(m.symbole, "OoQqZr");  // '~' takes no room
    EXPECT_EQ(m.taste, 0);
    EXPECT_STREQ(m.label, " Text");

    m = markup_zerlegen("%R%%x");
    EXPECT_EQ(m.symbole, "R");
    EXPECT_STREQ(m.label, "%x");

    m = markup_zerlegen("%");
    EXPECT_STREQ(m.label, "%");
    m = markup_zerlegen("%A");
    EXPECT_EQ(m.taste, 0);
    EXPECT_STREQ(m.label, "");
    m = markup_zerlegen("   Ohne");
    EXPECT_STREQ(m.label, "Ohne");
    m = markup_zerlegen(nullptr);
    EXPECT_STREQ(m.label, "");
}
