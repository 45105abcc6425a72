// The real program's commands as a user gives them with the mouse and the
// keyboard: File -> Next, Vorige, Jahr... (OK and CANCEL), Exit, Hilfe ->
// Hilfe..., commands during the animation, the window manager's close
// request during the animation and while waiting, and the automatic
// advance from one eclipse to the next.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/umbrixlauf.h"

#include <X11/keysym.h>

#include <string>

using testhilfe::Elemente;
using testhilfe::Umbrixlauf;
using testhilfe::eingelesen;
using testhilfe::finsternis;

namespace {

// Columns of the bar on the titles "File" and "Hilfe": the bar reads
// " File  Hilfe  Ort  Ansicht " in cells of 9 px.
const int file = 12, hilfe = 85;
// Rows of the File menu.
const int next = 1, jahr = 3, exit_ = 6;

int datum(const Elemente &e)
{
    return e.jahr * 10000 + e.monat * 100 + e.tag;
}

// The program on the eclipse of April 2024, stopped and waiting.
bool wartend_auf_april_2024(Umbrixlauf &u)
{
    u.daten_kopieren();
    if (!u.starten({"2024", "4"})) return false;
    const Elemente &e = finsternis(2024, 4);
    return u.warten_auf(eingelesen(e), 10) && testhilfe::anhalten(u, e);
}

// Escape and a letter: the shortcut of a File item.
void kuerzel(Umbrixlauf &u, unsigned long taste)
{
    u.zeiger(640, u.menubalken() + 300);  // keys go to the window under the pointer
    u.taste(XK_Escape);
    u.taste(taste);
}

// Types year and month into the form "Input-Requester" and ends it with OK
// (or CANCEL); the form shows the values 2024 and 4 at first.
void formular_ausfuellen(Umbrixlauf &u, const std::string &j, const std::string &m, bool ok)
{
    Window w = testhilfe::fenster_suchen(u.display(), "Input-Requester", 5);
    ASSERT_NE(w, 0u) << u.ausgabe();
    XWindowAttributes a;
    ASSERT_TRUE(XGetWindowAttributes(u.display(), w, &a));
    u.zeiger_in(w, a.width / 2, 3);  // keys go to the window under the pointer
    u.taste(XK_Tab);                 // the year's field
    for (int i = 0; i < 4; ++i) u.taste(XK_Right);
    for (int i = 0; i < 4; ++i) u.taste(XK_Delete);
    u.tippen(j);
    u.taste(XK_Tab);  // the month's field
    u.taste(XK_Right);
    u.taste(XK_Delete);
    u.tippen(m);
    u.taste(XK_Tab);  // the advance flag, left as it is
    u.taste(XK_Tab);  // OK
    if (!ok) u.taste(XK_Tab);  // CANCEL
    u.taste(XK_Return);
    EXPECT_TRUE(u.fenster_weg("Input-Requester", 5));
}

}  // namespace

// Next goes on to the following eclipse (2 October 2024, annular), which
// is animated; Exit during that animation ends the program.
TEST(E2eMenu, NextZeigtDieNaechsteFinsternisExitBeendet)
{
    const Elemente &danach = finsternis(2024, 5);
    ASSERT_EQ(datum(danach), 20241002);
    Umbrixlauf u;
    ASSERT_TRUE(wartend_auf_april_2024(u)) << u.ausgabe();
    u.menu_waehlen(file, next);
    ASSERT_TRUE(u.warten_auf(eingelesen(danach), 5)) << u.ausgabe();
    EXPECT_TRUE(u.warten_auf("Ringfoermige Finsternis\n", 5)) << u.ausgabe();
    EXPECT_EQ(u.zaehlen("Besselelemente eingelesen"), 2) << u.ausgabe();
    ASSERT_TRUE(testhilfe::animation_gezeigt(u, danach));
    u.menu_waehlen(file, exit_);
    EXPECT_EQ(u.programm().warten(5), 0) << u.ausgabe();
}

// Escape X, the shortcut of Exit.
TEST(E2eMenu, ExitImWartenBeendet)
{
    Umbrixlauf u;
    ASSERT_TRUE(wartend_auf_april_2024(u)) << u.ausgabe();
    kuerzel(u, XK_x);
    EXPECT_EQ(u.programm().warten(5), 0) << u.ausgabe();
}

TEST(E2eMenu, SchliessanfrageWaehrendDerAnimationBeendet)
{
    Umbrixlauf u;
    u.daten_kopieren();
    ASSERT_TRUE(u.starten({"2024", "4"})) << u.ausgabe();
    ASSERT_TRUE(testhilfe::animation_gezeigt(u, finsternis(2024, 4))) << u.ausgabe();
    EXPECT_EQ(u.schliessen(5), 0) << u.ausgabe();
}

TEST(E2eMenu, SchliessanfrageImWartenBeendet)
{
    Umbrixlauf u;
    ASSERT_TRUE(wartend_auf_april_2024(u)) << u.ausgabe();
    EXPECT_EQ(u.schliessen(5), 0) << u.ausgabe();
}

// Jahr... with 2017 and 8 and OK shows the eclipse of 21 August 2017.
TEST(E2eMenu, JahrMitOkZeigtDieseFinsternis)
{
    const Elemente &e = finsternis(2017, 8);
    ASSERT_EQ(datum(e), 20170821);
    Umbrixlauf u;
    ASSERT_TRUE(wartend_auf_april_2024(u)) << u.ausgabe();
    u.menu_waehlen(file, jahr);
    formular_ausfuellen(u, "2017", "8", true);
    ASSERT_TRUE(u.warten_auf(eingelesen(e), 5)) << u.ausgabe();
    EXPECT_TRUE(testhilfe::animation_gezeigt(u, e));
    EXPECT_EQ(u.zaehlen("Besselelemente eingelesen"), 2) << u.ausgabe();
    EXPECT_EQ(u.schliessen(5), 0) << u.ausgabe();
}

// CANCEL leaves everything: no eclipse is read, the picture stays on April
// 2024 and follows the pointer as before.
TEST(E2eMenu, JahrMitCancelAendertNichts)
{
    const Elemente &e = finsternis(2024, 4);
    Umbrixlauf u;
    ASSERT_TRUE(wartend_auf_april_2024(u)) << u.ausgabe();
    u.menu_waehlen(file, jahr);
    formular_ausfuellen(u, "2017", "8", false);
    auto b = testhilfe::zeigen(u, 300);
    ASSERT_TRUE(b);
    EXPECT_TRUE(testhilfe::schatten_bei(u, *b, e, Umbrixlauf::t_bei(300)));
    testhilfe::schlafen(0.5);
    EXPECT_EQ(u.zaehlen("Besselelemente eingelesen"), 1) << u.ausgabe();
    // Next (Escape N) then goes on from April 2024, not from the text typed.
    kuerzel(u, XK_n);
    EXPECT_TRUE(u.warten_auf(eingelesen(finsternis(2024, 5)), 5)) << u.ausgabe();
    EXPECT_EQ(u.schliessen(5), 0) << u.ausgabe();
}

// A year beyond the eclipse file is refused in a message box, with the
// file's years; the eclipse shown stays and follows the pointer as before.
TEST(E2eMenu, JahrAusserhalbDerDatenBehaeltDieFinsternis)
{
    const Elemente &e = finsternis(2024, 4);
    const std::string jahre = " (" + std::to_string(testhilfe::ecad22().front().jahr) + " bis " +
                              std::to_string(testhilfe::ecad22().back().jahr) + ")\n";
    Umbrixlauf u;
    ASSERT_TRUE(wartend_auf_april_2024(u)) << u.ausgabe();
    for (const char *eingabe : {"3001", "-2500"}) {
        u.menu_waehlen(file, jahr);
        formular_ausfuellen(u, eingabe, "1", true);
        ASSERT_TRUE(u.warten_auf("Jahr " + std::string(eingabe) + " ausserhalb der Daten" + jahre, 5)) << u.ausgabe();
        Window w = testhilfe::fenster_suchen(u.display(), "Requester", 5);
        ASSERT_NE(w, 0u);
        u.zeiger_in(w, 5, 3);
        u.taste(XK_o);
        ASSERT_TRUE(u.fenster_weg("Requester", 5));
    }
    auto b = testhilfe::zeigen(u, 300);
    ASSERT_TRUE(b);
    EXPECT_TRUE(testhilfe::schatten_bei(u, *b, e, Umbrixlauf::t_bei(300)));
    EXPECT_EQ(u.zaehlen("Besselelemente eingelesen"), 1) << u.ausgabe();
    EXPECT_EQ(u.schliessen(5), 0) << u.ausgabe();
}

// Hilfe... opens the message box; the key o closes it and the program goes on.
TEST(E2eMenu, HilfeOeffnetDieMeldungUndOSchliesst)
{
    Umbrixlauf u;
    ASSERT_TRUE(wartend_auf_april_2024(u)) << u.ausgabe();
    u.menu_waehlen(hilfe, 1);
    Window w = testhilfe::fenster_suchen(u.display(), "Requester", 5);
    ASSERT_NE(w, 0u) << u.ausgabe();
    XWindowAttributes a;
    ASSERT_TRUE(XGetWindowAttributes(u.display(), w, &a));
    // Seven lines of help: a box higher than three quarters of its width.
    EXPECT_GE(a.height, a.width * 3 / 4);
    u.zeiger_in(w, a.width / 2, 3);
    u.taste(XK_o);
    EXPECT_TRUE(u.fenster_weg("Requester", 5)) << "still open";
    auto b = testhilfe::zeigen(u, 1000);
    ASSERT_TRUE(b);
    EXPECT_TRUE(testhilfe::schatten_bei(u, *b, finsternis(2024, 4), Umbrixlauf::t_bei(1000)));
    EXPECT_EQ(u.zaehlen("Besselelemente eingelesen"), 1) << u.ausgabe();
    EXPECT_EQ(u.schliessen(5), 0) << u.ausgabe();
}

// From 1999 on, one eclipse after the other in date order: 16 February 1999
// (annular), 11 August 1999 (total), 5 February 2000.
TEST(E2eMenu, AutomatischVonFinsternisZuFinsternis)
{
    const Elemente &a = finsternis(1999, 1);
    const Elemente &b = finsternis(a.jahr, a.monat + 1);
    const Elemente &c = finsternis(b.jahr, b.monat + 1);
    ASSERT_EQ(datum(a), 19990216);
    ASSERT_EQ(datum(b), 19990811);
    ASSERT_EQ(datum(c), 20000205);
    Umbrixlauf u;
    u.daten_kopieren();
    ASSERT_TRUE(u.starten({"1999"})) << u.ausgabe();
    ASSERT_TRUE(u.warten_auf(eingelesen(c), 40)) << u.ausgabe();
    std::string aus = u.ausgabe();
    size_t pa = aus.find(eingelesen(a)), pb = aus.find(eingelesen(b)), pc = aus.find(eingelesen(c));
    ASSERT_NE(pa, std::string::npos) << aus;
    ASSERT_LT(pa, pb) << aus;
    ASSERT_LT(pb, pc) << aus;
    EXPECT_EQ(u.zaehlen("Besselelemente eingelesen"), 3) << aus;
    EXPECT_EQ(aus.substr(pa, pb - pa), eingelesen(a) + "Ringfoermige Finsternis\n");
    EXPECT_EQ(aus.substr(pb, pc - pb), eingelesen(b) + "Totale Finsternis\n");
    EXPECT_EQ(u.schliessen(5), 0) << u.ausgabe();
}

// Jahr... during the automatic animation of April 2024: 2017 and 8 show 21
// August 2017 next, without the month step.
TEST(E2eMenu, JahrWaehrendDerAnimation)
{
    const Elemente &april = finsternis(2024, 4), &august = finsternis(2017, 8);
    Umbrixlauf u;
    u.daten_kopieren();
    ASSERT_TRUE(u.starten({"2024"})) << u.ausgabe();
    ASSERT_TRUE(testhilfe::animation_gezeigt(u, april)) << u.ausgabe();
    u.menu_waehlen(file, jahr);
    formular_ausfuellen(u, "2017", "8", true);
    ASSERT_TRUE(u.warten_auf(eingelesen(august), 5)) << u.ausgabe();
    EXPECT_EQ(u.zaehlen("Besselelemente eingelesen"), 2) << u.ausgabe();
    EXPECT_TRUE(testhilfe::animation_gezeigt(u, august));
    EXPECT_EQ(u.schliessen(5), 0) << u.ausgabe();
}

// Both eclipses of July 2000 are reached: Next during the first one's
// animation ends it, Escape V (Vorige) goes back from the second.
TEST(E2eMenu, NextUndVorigeInDateireihenfolge)
{
    const Elemente *erste = testhilfe::finsternis_ab(testhilfe::ecad22(), 2000, 7);
    ASSERT_TRUE(erste);
    ASSERT_EQ(datum(*erste), 20000701);
    ASSERT_EQ(datum(erste[1]), 20000731);
    Umbrixlauf u;
    u.daten_kopieren();
    ASSERT_TRUE(u.starten({"2000", "7"})) << u.ausgabe();
    ASSERT_TRUE(testhilfe::animation_gezeigt(u, *erste)) << u.ausgabe();
    u.menu_waehlen(file, next);
    ASSERT_TRUE(u.warten_auf(eingelesen(erste[1]), 5)) << u.ausgabe();
    ASSERT_TRUE(testhilfe::animation_gezeigt(u, erste[1]));
    EXPECT_EQ(u.zaehlen("Besselelemente eingelesen"), 2) << u.ausgabe();
    kuerzel(u, XK_v);
    ASSERT_TRUE(u.warten_auf("Besselelemente eingelesen", 5, 3)) << u.ausgabe();
    std::string aus = u.ausgabe();
    // "1.7.2000 ..." is also the end of "31.7.2000 ...": the whole line.
    EXPECT_GT(aus.rfind("\n" + eingelesen(*erste)), aus.find(eingelesen(erste[1]))) << aus;
    EXPECT_EQ(u.schliessen(5), 0) << u.ausgabe();
}

// Vorige at the file's first eclipse: a line says so; the eclipse stays.
TEST(E2eMenu, VorigeBeiDerErstenFinsternis)
{
    const Elemente &e = testhilfe::ecad22().front();
    Umbrixlauf u;
    u.daten_kopieren();
    ASSERT_TRUE(u.starten({"--", std::to_string(e.jahr), "1"})) << u.ausgabe();
    ASSERT_TRUE(testhilfe::anhalten(u, e)) << u.ausgabe();
    kuerzel(u, XK_v);
    ASSERT_TRUE(u.warten_auf("Keine fruehere Finsternis in Ecad22.prn.\n", 5)) << u.ausgabe();
    auto b = testhilfe::zeigen(u, 900);
    ASSERT_TRUE(b);
    EXPECT_TRUE(testhilfe::schatten_bei(u, *b, e, Umbrixlauf::t_bei(900)));
    EXPECT_EQ(u.zaehlen("Besselelemente eingelesen"), 1) << u.ausgabe();
    EXPECT_EQ(u.schliessen(5), 0) << u.ausgabe();
}
