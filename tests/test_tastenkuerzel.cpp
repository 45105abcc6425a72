// Keyboard without a display: the shortcut table (Escape, then the key), the
// keyboard menu opener's arrow keys, and the requesters' keyboard helpers.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/menuaufrufe.h"
#include "xmalwerk1/core/malwerk.h"
#include "xmalwerk1/menu/menu_intern.h"

#include <X11/keysym.h>

#include <utility>

using testhilfe::aufrufe;
using testhilfe::merken;

namespace {

// The example menu with a shortcut on every item, laid out without a display.
void beispielmenue_im_raster()
{
    testhilfe::beispielmenue_mit_kuerzeln();
    menu_raster_setzen();
}

// Escape, then the key; the results of both presses.
std::pair<int, int> kuerzel(unsigned long keysym)
{
    int a = amigatast.doit(XK_Escape);
    int b = amigatast.doit(keysym);
    return {a, b};
}

}  // namespace

TEST(Tastenkuerzel, BeispielmenueIds)
{
    beispielmenue_im_raster();
    aufrufe.clear();
    EXPECT_EQ(kuerzel(XK_n), std::make_pair(1, 1));
    EXPECT_EQ(kuerzel(XK_H), std::make_pair(1, 1));
    EXPECT_EQ(kuerzel(XK_j), std::make_pair(1, 1));
    EXPECT_EQ(kuerzel(XK_x), std::make_pair(1, 1));
    ASSERT_EQ(aufrufe.size(), 4u);
    EXPECT_EQ(aufrufe[0].id, -3);
    EXPECT_EQ(aufrufe[1].id, -4);
    EXPECT_EQ(aufrufe[2].id, -5);
    EXPECT_EQ(aufrufe[3].wer, 4);
    EXPECT_EQ(aufrufe[3].id, -7);
    // Without Escape a key is the application's.
    EXPECT_EQ(amigatast.doit(XK_n), 0);
    EXPECT_EQ(aufrufe.size(), 4u);
}

TEST(Tastenkuerzel, KleinUndGrossGleich)
{
    beispielmenue_im_raster();
    aufrufe.clear();
    kuerzel(XK_q);  // no item has q: the mode ends, nothing runs
    kuerzel(XK_x);
    kuerzel(XK_X);
    ASSERT_EQ(aufrufe.size(), 2u);
    EXPECT_EQ(aufrufe[0].wer, 4);
    EXPECT_EQ(aufrufe[1].wer, 4);
}

TEST(Tastenkuerzel, EscapeEscapeUndFunktionstaste)
{
    beispielmenue_im_raster();
    aufrufe.clear();
    // The second Escape ends the mode and belongs to the application.
    EXPECT_EQ(kuerzel(XK_Escape), std::make_pair(1, 0));
    EXPECT_EQ(amigatast.scharf, 0);
    EXPECT_EQ(amigatast.doit(XK_n), 0);
    // F1 (and a modifier) after Escape is used up and runs nothing.
    EXPECT_EQ(kuerzel(XK_F1), std::make_pair(1, 1));
    EXPECT_EQ(amigatast.doit(XK_n), 0);
    EXPECT_EQ(kuerzel(XK_Shift_L), std::make_pair(1, 1));
    EXPECT_EQ(amigatast.doit(XK_n), 0);
    EXPECT_TRUE(aufrufe.empty());
}

TEST(Tastenkuerzel, UntermenueBekommtNull)
{
    setmenu(1, "A");
    setmenu(1, "%AMHaupt", merken<1>);
    setsubmenu(1, "%ASUnter", merken<2>);
    aufrufe.clear();
    kuerzel(XK_s);
    kuerzel(XK_m);
    ASSERT_EQ(aufrufe.size(), 2u);
    EXPECT_EQ(aufrufe[0].wer, 2);
    EXPECT_EQ(aufrufe[0].id, 0);
    EXPECT_EQ(aufrufe[1].wer, 1);
    EXPECT_EQ(aufrufe[1].id, -2);  // cell 1 of one column
}

TEST(Tastenkuerzel, ZuletztErklaertGewinntUndLeerzeichenVerhindern)
{
    setmenu(2, "A", "B");
    setmenu(2, "%AKerstes", "%AKzweites", merken<1>, merken<2>);
    setmenu(1, " %ALmit Blank", merken<3>);
    setmenu(1, "%AZ", nullptr);  // a key without a function
    aufrufe.clear();
    kuerzel(XK_k);
    kuerzel(XK_l);
    EXPECT_EQ(kuerzel(XK_z), std::make_pair(1, 1));
    ASSERT_EQ(aufrufe.size(), 1u);
    EXPECT_EQ(aufrufe[0].wer, 2);
    EXPECT_EQ(aufrufe[0].id, -4);
    // The table outlives a reset of the declarations.
    menu_reset();
    kuerzel(XK_k);
    EXPECT_EQ(aufrufe.size(), 2u);
}

TEST(Tastenkuerzel, EndenMitDerSitzung)
{
    testhilfe::beispielmenue_mit_kuerzeln();
    amigatast.doit(XK_Escape);  // pending when the session ends
    term_exit();
    aufrufe.clear();
    EXPECT_EQ(kuerzel(XK_n), std::make_pair(1, 1));
    EXPECT_TRUE(aufrufe.empty());
    // The next session's menu brings its own shortcuts.
    setmenu(1, "A");
    setmenu(1, "%ANneu", merken<7>);
    kuerzel(XK_n);
    ASSERT_EQ(aufrufe.size(), 1u);
    EXPECT_EQ(aufrufe[0].wer, 7);
}

TEST(Tastenkuerzel, GetaNurAmAnfang)
{
    Amigatast t;
    EXPECT_EQ(t.geta("%Aq rest"), 'Q');
    EXPECT_EQ(t.geta(" %Aq"), 0);
    EXPECT_EQ(t.geta("%aq"), 0);
    EXPECT_EQ(t.geta("%A"), 0);
    EXPECT_EQ(t.geta(nullptr), 0);
}

TEST(Tastatur, SchlechteTastaturAbErstemBackspace)
{
    EXPECT_EQ(schlechte_tastatur(XK_Delete), 0);
    EXPECT_EQ(schlechte_tastatur('a'), 0);
    EXPECT_EQ(schlechte_tastatur(XK_BackSpace), 1);
    EXPECT_EQ(schlechte_tastatur('a'), 1);
    EXPECT_EQ(schlechte_tastatur(XK_Delete), 1);
}

TEST(Tastatur, StrncmpgrossVergleichtAnfang)
{
    EXPECT_EQ(strncmpgross("  load file", "LOAD", 4), 0);
    EXPECT_EQ(strncmpgross("Speichern", "SPEI", 4), 0);
    EXPECT_EQ(strncmpgross("lo", "LOAD", 4), 0);  // a prefix matches
    EXPECT_EQ(strncmpgross("save", "LOAD", 4), 'S' - 'L');
    EXPECT_EQ(strncmpgross("LOAX", "LOAD", 3), 0);
    EXPECT_EQ(strncmpgross("LOAX", "LOAD", 4), 'X' - 'D');
    EXPECT_EQ(strncmpgross("abc", "abc", 3), 'A' - 'a');  // name is not upper-cased
}

namespace {

// The row under the keyboard cursor in the open column.
int reihe_am_kursor()
{
    return reihe_ermitteln(menu.offene_spalte, klappr.x, klappr.y);
}

}  // namespace

TEST(Tastaturmenue, PfeileUndReturn)
{
    beispielmenue_im_raster();
    aufrufe.clear();
    klappr.einaus();
    ASSERT_EQ(klappr.istoffen(), 1);
    EXPECT_EQ(menu.offene_spalte, 0);
    EXPECT_EQ(reihe_am_kursor(), 0);
    EXPECT_EQ(klappr.key(XK_Down), 1);
    EXPECT_EQ(reihe_am_kursor(), 1);
    klappr.key(XK_Down);
    klappr.key(XK_Down);
    EXPECT_EQ(reihe_am_kursor(), 3);
    klappr.key(XK_Down);  // below the last item: stays
    EXPECT_EQ(reihe_am_kursor(), 3);
    klappr.key(XK_Left);  // first column: stays
    EXPECT_EQ(menu.offene_spalte, 0);
    EXPECT_EQ(reihe_am_kursor(), 3);
    klappr.key(XK_Up);
    EXPECT_EQ(reihe_am_kursor(), 2);
    klappr.key(XK_Right);
    EXPECT_EQ(menu.offene_spalte, 1);
    EXPECT_EQ(reihe_am_kursor(), 0);  // Hilfe has no second row
    klappr.key(XK_Right);             // last column: stays
    EXPECT_EQ(menu.offene_spalte, 1);
    klappr.key(XK_Up);
    EXPECT_EQ(reihe_am_kursor(), 1);
    for (int i = 0; i < 5; ++i) klappr.key(XK_Up);  // up to the bar, not beyond
    EXPECT_EQ(klappr.y, zeilenabstand / 2);
    klappr.key(XK_Down);
    EXPECT_EQ(klappr.key(XK_a), 0);
    EXPECT_EQ(klappr.key(XK_KP_Enter), 1);
    ASSERT_EQ(aufrufe.size(), 1u);
    EXPECT_EQ(aufrufe[0].wer, 2);
    EXPECT_EQ(aufrufe[0].id, -4);
    EXPECT_EQ(klappr.istoffen(), 0);
    EXPECT_EQ(menu.offene_spalte, -1);
}

TEST(Tastaturmenue, InsUntermenueUndZurueck)
{
    setmenu(2, "A", "B");
    setmenu(2, "a1", "b1", merken<1>, merken<2>);
    setsubmenu(1, "s1", merken<11>);
    setsubmenu(1, "s2", merken<12>);
    setmenu(1, "a2", merken<3>);
    menu_raster_setzen();
    aufrufe.clear();
    klappr.einaus();
    klappr.key(XK_Down);
    ASSERT_EQ(menu.offenes_sub, 2);
    klappr.key(XK_Right);  // into the submenu, its first row
    EXPECT_EQ(subreihe_ermitteln(2, klappr.x, klappr.y), 0);
    klappr.key(XK_Down);
    EXPECT_EQ(subreihe_ermitteln(2, klappr.x, klappr.y), 1);
    klappr.key(XK_Down);  // no third row
    EXPECT_EQ(subreihe_ermitteln(2, klappr.x, klappr.y), 1);
    klappr.key(XK_Return);
    ASSERT_EQ(aufrufe.size(), 1u);
    EXPECT_EQ(aufrufe[0].wer, 12);
    EXPECT_EQ(aufrufe[0].id, (1L << 16) + 3);

    // Left leaves the submenu onto its parent.
    klappr.einaus();
    klappr.key(XK_Down);
    klappr.key(XK_Right);
    klappr.key(XK_Left);
    EXPECT_EQ(menu.offene_spalte, 0);
    EXPECT_EQ(reihe_am_kursor(), 1);
    // Closed with Left Alt while inside the submenu: the next opening
    // starts outside it, so Down moves down the column, not sideways.
    klappr.key(XK_Right);
    klappr.einaus();
    klappr.einaus();
    klappr.key(XK_Down);
    EXPECT_EQ(reihe_am_kursor(), 1);
    klappr.key(XK_Down);
    EXPECT_EQ(menu.offene_spalte, 0);
    EXPECT_EQ(reihe_am_kursor(), 2);
    klappr.key(XK_Return);
    ASSERT_EQ(aufrufe.size(), 2u);
    EXPECT_EQ(aufrufe[1].wer, 3);
    EXPECT_EQ(aufrufe[1].id, -5);
}

TEST(Tastaturmenue, EinausSchliesst)
{
    beispielmenue_im_raster();
    klappr.einaus();
    klappr.key(XK_Right);
    klappr.einaus();
    EXPECT_EQ(klappr.istoffen(), 0);
    EXPECT_EQ(menu.offene_spalte, -1);
    EXPECT_EQ(klappr.x, -1);
    // Choosing with no column open only closes.
    klappr.setoffen(1);
    klappr.auswahl();
    EXPECT_EQ(klappr.istoffen(), 0);
}
