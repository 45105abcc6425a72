// The input form and its engine driven like a user does: the modal call
// runs in the test's thread, keys and clicks come from another thread
// over a second connection to the test's own Xvfb.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/fernbedienung.h"
#include "hilfe/xvfb.h"
#include "xmalwerk1/requester/anordnung.h"
#include "xmalwerk1/requester/requester_intern.h"

#include <X11/keysym.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

using testhilfe::Fernbedienung;
using testhilfe::Fernsteuerung;
using testhilfe::XvfbServer;

namespace {

const char *const titel = "Input-Requester";

// A private server and the requester font on it.
class EingabeRequester : public ::testing::Test {
protected:
    void SetUp() override
    {
        x_.als_display_setzen();
        requester_font_anfordern(0);
        ASSERT_TRUE(requester_bereit());
        cw_ = reqpixprobuchst_x;
        ch_ = reqpixprobuchst_y;
    }
    // The form of the two fields used by most tests: a text "abc" and the number 5.
    Formularanordnung zwei_felder() const
    {
        return formular_anordnen(cw_, ch_, {{4, 3, false}, {4, 1, false}});
    }
    int zwei_felder_starten()
    {
        return requester_input(2, "Text", "%s", "%s", text_, "Zahl", "%d", "%d", &zahl_);
    }
    // Runs the two-field form while skript works its window.
    int zwei_felder_mit(std::function<void(Fernbedienung &)> skript)
    {
        Fernsteuerung s(x_.name(), [skript](Fernbedienung &f) {
            ASSERT_TRUE(f.fenster_finden(titel));
            skript(f);
        });
        return zwei_felder_starten();
    }
    static void mitte_klicken(Fernbedienung &f, const Rechteck &r)
    {
        f.klick(r.x + r.breite / 2, r.y + r.hoehe / 2);
    }

    XvfbServer x_;
    int cw_ = 0, ch_ = 0;
    char text_[100] = "abc";
    int zahl_ = 5;
};

}  // namespace

TEST_F(EingabeRequester, FensterHatTitelGroesseUndRahmen)
{
    Formularanordnung a = zwei_felder();
    int r = zwei_felder_mit([&](Fernbedienung &f) {
        XWindowAttributes at;
        ASSERT_TRUE(XGetWindowAttributes(f.display(), f.fenster(), &at));
        EXPECT_EQ(at.width, a.breite);
        EXPECT_EQ(at.height, a.hoehe);
        EXPECT_EQ(at.border_width, 5);
        mitte_klicken(f, a.abbruch);
    });
    EXPECT_EQ(r, 0);
    Fernbedienung pruefer(x_.name());
    EXPECT_EQ(testhilfe::fenster_suchen(pruefer.display(), titel, 0.2), 0u) << "the window is gone";
}

TEST_F(EingabeRequester, TabOhneAktivesGadgetWaehltDasErste)
{
    int r = zwei_felder_mit([&](Fernbedienung &f) {
        f.taste(XK_Tab);
        f.tippen("X");
        f.taste(XK_Return);
        mitte_klicken(f, zwei_felder().ok);
    });
    EXPECT_EQ(r, 1);
    EXPECT_STREQ(text_, "Xabc");
    EXPECT_EQ(zahl_, 5);
}

TEST_F(EingabeRequester, TabFolgeBisZumOkKnopf)
{
    int r = zwei_felder_mit([&](Fernbedienung &f) {
        f.taste(XK_Tab);  // text
        f.taste(XK_Tab);  // number
        f.tippen("7");
        f.taste(XK_Tab);  // OK
        f.taste(XK_Return);
    });
    EXPECT_EQ(r, 1);
    EXPECT_EQ(zahl_, 75);
    EXPECT_STREQ(text_, "abc");
}

TEST_F(EingabeRequester, ShiftTabOhneAktivesGadgetWaehltAbbruch)
{
    int r = zwei_felder_mit([&](Fernbedienung &f) {
        f.taste(XK_Tab, XK_Shift_L);
        f.tippen("q");  // a button takes no text
        f.taste(XK_Return);
    });
    EXPECT_EQ(r, 0);
    EXPECT_STREQ(text_, "abc");
}

TEST_F(EingabeRequester, TabAufDemLetztenSpringtZumErsten)
{
    int r = zwei_felder_mit([&](Fernbedienung &f) {
        f.taste(XK_Tab, XK_Shift_L);  // CANCEL, the last
        f.taste(XK_Tab);              // wraps to the first field
        f.tippen("Y");
        f.taste(XK_Return);
        mitte_klicken(f, zwei_felder().ok);
    });
    EXPECT_EQ(r, 1);
    EXPECT_STREQ(text_, "Yabc");
}

TEST_F(EingabeRequester, ShiftTabAufDemErstenSpringtZumLetzten)
{
    int r = zwei_felder_mit([&](Fernbedienung &f) {
        f.taste(XK_Tab);               // first field
        f.taste(XK_Tab, XK_Shift_L);   // back past the start: CANCEL
        f.taste(XK_Return);
    });
    EXPECT_EQ(r, 0);
}

TEST_F(EingabeRequester, TippenUndLoeschenMitDenAnfangstasten)
{
    int r = zwei_felder_mit([&](Fernbedienung &f) {
        f.taste(XK_Tab);
        f.taste(XK_Right);
        f.taste(XK_Right);
        f.tippen("X");                  // abXc, cursor behind the X
        f.taste(XK_Delete);             // DEL deletes left: abc
        f.taste(XK_h, XK_Control_L);    // Ctrl-H deletes right: ab
        f.taste(XK_Left);
        f.tippen("-");                  // a-b
        f.taste(XK_Return);
        mitte_klicken(f, zwei_felder().ok);
    });
    EXPECT_EQ(r, 1);
    EXPECT_STREQ(text_, "a-b");
    EXPECT_EQ(DELL, 127);
}

TEST_F(EingabeRequester, BackSpaceVertauschtDieLoeschtasten)
{
    int r = zwei_felder_mit([&](Fernbedienung &f) {
        f.taste(XK_Tab);
        for (int i = 0; i < 3; ++i) f.taste(XK_Right);
        f.taste(XK_BackSpace);  // deletes left now: ab
        f.taste(XK_Left);
        f.taste(XK_Delete);     // deletes right now: a
        f.taste(XK_Return);
        mitte_klicken(f, zwei_felder().ok);
    });
    EXPECT_EQ(r, 1);
    EXPECT_STREQ(text_, "a");
    EXPECT_EQ(DELL, 8);
    EXPECT_EQ(DELR, 127);
}

TEST_F(EingabeRequester, TippenHoertBeiAchtzigZeichenAuf)
{
    int r = zwei_felder_mit([&](Fernbedienung &f) {
        f.taste(XK_Tab);
        for (int i = 0; i < 3; ++i) f.taste(XK_Right);
        f.tippen(std::string(90, 'w'));
        f.taste(XK_Return);
        mitte_klicken(f, zwei_felder().ok);
    });
    EXPECT_EQ(r, 1);
    EXPECT_EQ(std::string(text_), std::string("abc") + std::string(77, 'w')) << "80 characters at most";
}

TEST_F(EingabeRequester, ReturnBeendetDieEingabeOhneZuSchliessen)
{
    int r = zwei_felder_mit([&](Fernbedienung &f) {
        f.taste(XK_Tab);
        f.tippen("1");
        f.taste(XK_Return);
        f.abwarten(0.3);
        EXPECT_TRUE(f.fenster_da());
        f.tippen("2");  // no field is active any more, the next one neither
        f.abwarten();
        mitte_klicken(f, zwei_felder().ok);
    });
    EXPECT_EQ(r, 1);
    EXPECT_STREQ(text_, "1abc");
    EXPECT_EQ(zahl_, 5);
}

TEST_F(EingabeRequester, ZeichenAb128BeendetDieEingabe)
{
    int r;
    {
        Fernsteuerung s(x_.name(), [&](Fernbedienung &f) {
            ASSERT_TRUE(f.taste_belegen(XK_adiaeresis));
            ASSERT_TRUE(f.fenster_finden(titel));
            f.taste(XK_Tab);
            f.tippen("1");
            f.taste(XK_adiaeresis);  // the byte 0xE4
            f.tippen("2");
            f.abwarten();
            mitte_klicken(f, zwei_felder().ok);
        });
        r = zwei_felder_starten();
    }
    EXPECT_EQ(r, 1);
    EXPECT_STREQ(text_, "1abc");
}

TEST_F(EingabeRequester, AbbruchLaesstDieVariablen)
{
    int r = zwei_felder_mit([&](Fernbedienung &f) {
        f.taste(XK_Tab);
        f.tippen("zzz");
        f.taste(XK_Tab);
        f.tippen("9");
        f.abwarten();
        mitte_klicken(f, zwei_felder().abbruch);
    });
    EXPECT_EQ(r, 0);
    EXPECT_STREQ(text_, "abc");
    EXPECT_EQ(zahl_, 5);
    EXPECT_STREQ(gadgetstr[0].text, "zzzabc") << "the buffers keep the edited text";
}

TEST_F(EingabeRequester, KlickAufDieRahmenlinieTrifftNicht)
{
    int r = zwei_felder_mit([&](Fernbedienung &f) {
        Rechteck ok = zwei_felder().ok;
        int ym = ok.y + ok.hoehe / 2, xm = ok.x + ok.breite / 2;
        f.klick(ok.x, ym);
        f.klick(ok.x + ok.breite, ym);
        f.klick(xm, ok.y);
        f.klick(xm, ok.y + ok.hoehe);
        f.abwarten(0.3);
        EXPECT_TRUE(f.fenster_da());
        f.klick(ok.x + 1, ok.y + 1);
    });
    EXPECT_EQ(r, 1);
}

TEST_F(EingabeRequester, KlickInsFeldSetztDenKursorAufDieZelle)
{
    int r = zwei_felder_mit([&](Fernbedienung &f) {
        Rechteck feld = zwei_felder().felder[0];
        int links = feld.x + cw_ / 2;
        f.klick(links + 2 * cw_ + 1, feld.y + feld.hoehe / 2);  // on the c
        f.tippen("X");
        f.taste(XK_Return);
        mitte_klicken(f, zwei_felder().ok);
    });
    EXPECT_EQ(r, 1);
    EXPECT_STREQ(text_, "abXc");
}

// Home and End go to the ends of the text, also of one longer than its box;
// a click behind the text, or on the cell that the frame cuts off, puts the
// cursor at the end.
TEST_F(EingabeRequester, PosEinsEndeUndKlickHinterDenText)
{
    const Rechteck feld = zwei_felder().felder[0];
    auto hinten = [feld](Fernbedienung &f) { f.klick(feld.x + feld.breite - 2, feld.y + feld.hoehe / 2); };
    auto tasten = [](std::vector<KeySym> k) {
        return [k](Fernbedienung &f) {
            for (KeySym t : k) f.taste(t);
        };
    };
    struct Fall {
        std::function<void(Fernbedienung &)> vorher;
        const char *getippt;
        std::function<void(Fernbedienung &)> nachher;
        const char *erwartet;
    };
    const Fall faelle[] = {
        {tasten({XK_Tab, XK_End}), "", nullptr, "abcQ"},
        {tasten({XK_Tab, XK_Right, XK_Right, XK_Home}), "", nullptr, "Qabc"},
        {tasten({XK_Tab, XK_Right, XK_Right, XK_Right}), "XYZW", tasten({XK_Home, XK_p, XK_End}), "pabcXYZWQ"},
        {tasten({XK_Tab, XK_Right, XK_Right, XK_Right}), "XY", hinten, "abcXYQ"},
    };
    for (const Fall &fall : faelle) {
        strcpy(text_, "abc");
        int r = zwei_felder_mit([&](Fernbedienung &f) {
            fall.vorher(f);
            f.tippen(fall.getippt);
            if (fall.nachher) fall.nachher(f);
            f.tippen("Q");
            f.taste(XK_Return);
            mitte_klicken(f, zwei_felder().ok);
        });
        EXPECT_EQ(r, 1);
        EXPECT_STREQ(text_, fall.erwartet);
    }
}

TEST_F(EingabeRequester, KommazahlUndTextMitLeerzeichen)
{
    double wert = 1.5;
    char name[40] = "a b";
    Formularanordnung a = formular_anordnen(cw_, ch_, {{4, 4, false}, {4, 3, false}});
    int r;
    {
        Fernsteuerung s(x_.name(), [&](Fernbedienung &f) {
            ASSERT_TRUE(f.fenster_finden(titel));
            f.taste(XK_Tab);
            f.tippen("2");  // 21.50
            f.taste(XK_Tab);
            f.tippen("x ");  // x a b
            f.taste(XK_Return);
            mitte_klicken(f, a.ok);
        });
        r = requester_input(2, "Wert", "%.2f", "%lf", &wert, "Name", "%s", "%s", name);
    }
    EXPECT_EQ(r, 1);
    EXPECT_DOUBLE_EQ(wert, 21.5);
    EXPECT_STREQ(name, "x a b") << "a read format %s takes the whole text";
}

TEST_F(EingabeRequester, FeldbreiteDesLeseformatsBegrenztDenText)
{
    char name[10] = "ab";  // a longer copy shows under the address sanitizer
    Formularanordnung a = formular_anordnen(cw_, ch_, {{4, 2, false}});
    int r;
    {
        Fernsteuerung s(x_.name(), [&](Fernbedienung &f) {
            ASSERT_TRUE(f.fenster_finden(titel));
            f.taste(XK_Tab);
            f.tippen("123 456 78");  // before "ab"
            f.taste(XK_Return);
            mitte_klicken(f, a.ok);
        });
        r = requester_input(1, "Name", "%s", "%9s", name);
    }
    EXPECT_EQ(r, 1);
    EXPECT_STREQ(name, "123 456 7") << "blanks kept, 9 characters at most";
}

TEST_F(EingabeRequester, MehrAlsZwanzigFelderWerdenAufZwanzigGekappt)
{
    int v[22];
    for (int i = 0; i < 22; ++i) v[i] = i;
    std::vector<Formularfeld> masse;
    for (int i = 0; i < 20; ++i) masse.push_back({1, i < 10 ? 1 : 2, i % 5 == 4});
    Formularanordnung a = formular_anordnen(cw_, ch_, masse);
    int r;
    {
        Fernsteuerung s(x_.name(), [&](Fernbedienung &f) {
            ASSERT_TRUE(f.fenster_finden(titel));
            XWindowAttributes at;
            ASSERT_TRUE(XGetWindowAttributes(f.display(), f.fenster(), &at));
            EXPECT_EQ(at.width, a.breite);
            EXPECT_EQ(at.height, a.hoehe);
            f.taste(XK_Tab, XK_Shift_L);  // CANCEL
            f.taste(XK_Tab, XK_Shift_L);  // OK
            f.taste(XK_Tab, XK_Shift_L);  // field 19
            f.tippen("4");
            f.taste(XK_Return);
            mitte_klicken(f, a.ok);
        });
        const char *l = "x", *z = "%d", *zn = "%d\n";
        r = requester_input(22, l, z, z, &v[0], l, z, z, &v[1], l, z, z, &v[2], l, z, z, &v[3], l, z, zn, &v[4], l,
                            z, z, &v[5], l, z, z, &v[6], l, z, z, &v[7], l, z, z, &v[8], l, z, zn, &v[9], l, z, z,
                            &v[10], l, z, z, &v[11], l, z, z, &v[12], l, z, z, &v[13], l, z, zn, &v[14], l, z, z,
                            &v[15], l, z, z, &v[16], l, z, z, &v[17], l, z, z, &v[18], l, z, zn, &v[19], l, z, z,
                            &v[20], l, z, z, &v[21]);
    }
    EXPECT_EQ(r, 1);
    EXPECT_EQ(v[19], 419);
    for (int i = 0; i < 19; ++i) EXPECT_EQ(v[i], i);
    EXPECT_EQ(v[20], 20);
    EXPECT_EQ(v[21], 21);
}

TEST_F(EingabeRequester, ZuLangeAnzeigeWirdAmPufferGekappt)
{
    // 600 characters do not fit into the 400 of a field's buffer.
    std::string lang(600, 'L');
    char gross[700];
    strcpy(gross, lang.c_str());
    int r;
    {
        Fernsteuerung s(x_.name(), [&](Fernbedienung &f) {
            ASSERT_TRUE(f.fenster_finden(titel));
            f.taste(XK_Tab, XK_Shift_L);
            f.taste(XK_Return);
        });
        r = requester_input(1, "lang", "%s", "%s", gross);
    }
    EXPECT_EQ(r, 0);
    EXPECT_EQ(strlen(gadgetstr[0].text), 399u);
    EXPECT_EQ(std::string(gross), lang);
}

TEST(EingabeRequesterOhneDisplay, GibtNullZurueckMitMeldung)
{
    struct stat st;
    if (stat("/tmp/.X11-unix/X0", &st) == 0) GTEST_SKIP() << "a server on :0 would be opened as the fallback";
    setenv("DISPLAY", ":7391", 1);
    // Without a terminal on standard input no prompt waits for an answer.
    int null = open("/dev/null", O_RDONLY);
    ASSERT_GE(null, 0);
    dup2(null, 0);
    close(null);
    int zahl = 3;
    testing::internal::CaptureStdout();
    int r = requester_input(1, "Zahl", "%d", "%d", &zahl);
    int r2 = janeinrequester(const_cast<char *>("x"), nullptr, nullptr);
    std::string aus = testing::internal::GetCapturedStdout();
    EXPECT_EQ(r, 0);
    EXPECT_EQ(r2, 0);
    EXPECT_EQ(zahl, 3);
    EXPECT_NE(aus.find("ERROR: kann Display nicht oeffnen!"), std::string::npos) << aus;
}
