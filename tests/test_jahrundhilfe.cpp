// The program's "Jahr..." and "Hilfe..." commands with the main window
// open, driven with XTest from another thread.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/fernbedienung.h"
#include "hilfe/xvfb.h"
#include "betrachter/menubefehle.h"
#include "betrachter/zustand.h"
#include "xmalwerk1/core/intern.h"
#include "xmalwerk1/requester/anordnung.h"
#include "xmalwerk1/requester/requester_intern.h"

#include <X11/keysym.h>

using testhilfe::Fernbedienung;
using testhilfe::Fernsteuerung;
using testhilfe::XvfbServer;

namespace {

class Menubefehl : public ::testing::Test {
protected:
    void SetUp() override
    {
        x_.als_display_setzen();
        qinital(1, -1, -1, 1, 1);
        requester_font_anfordern(0);
        ASSERT_TRUE(requester_bereit());
        jahr = 1999;
        monat = 3;
        alle = 0;
        anfrage = Anfrage();
        // " Jahr " and " Monat" (6 characters; values of 4 and 1), the month's
        // read format ends the row, then the flag's 33-character label.
        form_ = formular_anordnen(reqpixprobuchst_x, reqpixprobuchst_y, {{6, 4, false}, {6, 1, true}, {33, 1, false}});
    }
    void TearDown() override { term_exit(); }

    // Year 2017, month 8, advance on; ends with a click on knopf.
    void ausfuellen(Fernbedienung &f, const Rechteck &knopf)
    {
        ASSERT_TRUE(f.fenster_finden("Input-Requester"));
        XWindowAttributes a;
        ASSERT_TRUE(XGetWindowAttributes(f.display(), f.fenster(), &a));
        EXPECT_EQ(a.width, form_.breite);
        EXPECT_EQ(a.height, form_.hoehe);
        f.taste(XK_Tab);
        for (int i = 0; i < 4; ++i) f.taste(XK_Right);
        for (int i = 0; i < 4; ++i) f.taste(XK_Delete);
        f.tippen("2017");
        f.taste(XK_Tab);
        f.taste(XK_Right);
        f.taste(XK_Delete);
        f.tippen("8");
        // The flag's field on the second row, clicked behind its text.
        const Rechteck &schalter = form_.felder[2];
        f.klick(schalter.x + schalter.breite - 3, schalter.y + schalter.hoehe / 2);
        f.taste(XK_Delete);
        f.tippen("1");
        f.taste(XK_Return);
        f.klick(knopf.x + knopf.breite / 2, knopf.y + knopf.hoehe / 2);
    }

    XvfbServer x_;
    Formularanordnung form_;
};

}  // namespace

TEST_F(Menubefehl, JahrUndMonatNebeneinanderDerSchalterDarunter)
{
    ASSERT_EQ(form_.felder[0].y, form_.felder[1].y);
    EXPECT_GT(form_.felder[1].x, form_.felder[0].x + form_.felder[0].breite);
    EXPECT_GT(form_.felder[2].y, form_.felder[0].y + form_.felder[0].hoehe);
    EXPECT_EQ(form_.felder[2].x, form_.felder[0].x);
}

TEST_F(Menubefehl, JahrOkSetztJahrMonatUndWeiter)
{
    {
        Fernsteuerung s(x_.name(), [this](Fernbedienung &f) { ausfuellen(f, form_.ok); });
        m_set(0);
    }
    // The form's values go to the main loop as its request.
    EXPECT_EQ(anfrage.art, Anfrage::ab_monat);
    EXPECT_EQ(anfrage.jahr, 2017);
    EXPECT_EQ(anfrage.monat, 8);
    EXPECT_EQ(anfrage.alle, 1);
}

TEST_F(Menubefehl, JahrOkOhneAenderungSchreibtDieselbenWerte)
{
    {
        Fernsteuerung s(x_.name(), [this](Fernbedienung &f) {
            ASSERT_TRUE(f.fenster_finden("Input-Requester"));
            f.klick(form_.ok.x + 5, form_.ok.y + 5);
        });
        m_set(0);
    }
    EXPECT_EQ(anfrage.art, Anfrage::ab_monat);
    EXPECT_EQ(anfrage.jahr, 1999);
    EXPECT_EQ(anfrage.monat, 3);
    EXPECT_EQ(anfrage.alle, 0);
}

TEST_F(Menubefehl, JahrAbbruchAendertNichts)
{
    {
        Fernsteuerung s(x_.name(), [this](Fernbedienung &f) { ausfuellen(f, form_.abbruch); });
        m_set(0);
    }
    EXPECT_EQ(anfrage.art, Anfrage::keine);
}

TEST_F(Menubefehl, HilfeZeigtDenTextMitEinemOkKnopf)
{
    int zeilen = 0;
    int laengste = strlen_zeile(hilfetext, &zeilen);
    ASSERT_EQ(zeilen, 9);
    Meldungsanordnung m = meldung_anordnen(reqpixprobuchst_x, reqpixprobuchst_y, zeilen, laengste, 2, false);
    {
        Fernsteuerung s(x_.name(), [&](Fernbedienung &f) {
            ASSERT_TRUE(f.fenster_finden("Requester"));
            XWindowAttributes a;
            ASSERT_TRUE(XGetWindowAttributes(f.display(), f.fenster(), &a));
            EXPECT_EQ(a.width, m.breite);
            EXPECT_EQ(a.height, m.hoehe);
            EXPECT_GE(a.height, a.width * 3 / 4);
            f.tippen("o");
        });
        m_hilfe(0);
    }
    Fernbedienung pruefer(x_.name());
    EXPECT_EQ(testhilfe::fenster_suchen(pruefer.display(), "Requester", 0.2), 0u);
}
