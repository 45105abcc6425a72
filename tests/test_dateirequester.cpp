// The file requester driven like a user does: the modal call runs in the
// test's thread, clicks and keys come from another thread over a second
// connection to the test's own Xvfb.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/dateien.h"
#include "hilfe/fernbedienung.h"
#include "hilfe/xvfb.h"
#include "xmalwerk1/requester/anordnung.h"
#include "xmalwerk1/requester/requester_intern.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

using testhilfe::Arbeitsverzeichnis;
using testhilfe::datei_schreiben;
using testhilfe::Fernbedienung;
using testhilfe::Fernsteuerung;
using testhilfe::XvfbServer;

namespace {

const char *const titel = "Datei waehlen";

class Dateirequester : public ::testing::Test {
protected:
    void SetUp() override
    {
        x_.als_display_setzen();
        requester_font_anfordern(0);
        ASSERT_TRUE(requester_bereit());
        cw_ = reqpixprobuchst_x;
        ch_ = reqpixprobuchst_y;
        ASSERT_EQ(mkdir(v_.datei("unter").c_str(), 0755), 0);
        datei_schreiben(v_.datei("unter/innen.txt"), "");
        datei_schreiben(v_.datei("unter/zweite.txt"), "");
        datei_schreiben(v_.datei("a.txt"), "");
        datei_schreiben(v_.datei("b.txt"), "");
        datei_schreiben(v_.datei("c.h"), "");
    }
    // The requester for name_ with the layout it gets; the script works it.
    int fragen(const std::string &name, std::function<void(Fernbedienung &)> skript, char *filter = nullptr,
               int flags = 0, const char *t = titel)
    {
        strcpymax(name_, name.c_str(), sizeof name_);
        char p[400], d[200];
        splitpfad(name_, p, d, sizeof p, sizeof d);
        a_ = dateirequester_anordnen(cw_, ch_, 10, filter ? static_cast<int>(strlen(filter)) : -1,
                                     static_cast<int>(strlen(p)), static_cast<int>(strlen(d)));
        std::string gesucht = t;
        Fernsteuerung s(x_.name(), [gesucht, skript](Fernbedienung &f) {
            ASSERT_TRUE(f.fenster_finden(gesucht));
            skript(f);
        });
        return nachfilenamefragen(const_cast<char *>(t), name_, sizeof name_, flags, filter, nullptr, nullptr,
                                  nullptr, nullptr);
    }
    // Centre of list row j.
    int zeile_y(int j) const { return a_.liste.y + ch_ / 3 + j * (ch_ * 5 / 4) + ch_ * 5 / 8; }
    void zeile_klicken(Fernbedienung &f, int j) const { f.klick(a_.liste.x + 2 * cw_, zeile_y(j)); }
    void doppelklick(Fernbedienung &f, int j) const
    {
        zeile_klicken(f, j);
        zeile_klicken(f, j);
    }
    static void mitte_klicken(Fernbedienung &f, const Rechteck &r) { f.klick(r.x + r.breite / 2, r.y + r.hoehe / 2); }
    static void ende_klicken(Fernbedienung &f, const Rechteck &r) { f.klick(r.x + r.breite - 3, r.y + r.hoehe / 2); }
    Gadget2 &liste(int nr = 0) { return *newgadgets[nr].liste; }

    XvfbServer x_;
    Arbeitsverzeichnis v_;
    int cw_ = 0, ch_ = 0;
    char name_[400] = "";
    Dateianordnung a_{};
};

}  // namespace

TEST_F(Dateirequester, FensterTitelGroesseBeschriftungen)
{
    int r = fragen(v_.datei("b.txt"), [&](Fernbedienung &f) {
        XWindowAttributes at;
        ASSERT_TRUE(XGetWindowAttributes(f.display(), f.fenster(), &at));
        EXPECT_EQ(at.width, a_.breite);
        EXPECT_EQ(at.height, a_.hoehe);
        mitte_klicken(f, a_.abbruch);
    }, nullptr, 1, " Lade Bild");
    EXPECT_EQ(r, 0);
    EXPECT_STREQ(newgadgets[5].text, "  LOAD") << "OK takes its caption from the title";
    EXPECT_STREQ(newgadgets[1].text, " Pfad:");
    EXPECT_STREQ(newgadgets[2].text, "Datei:");
    EXPECT_EQ(aktiver_requester.typ, 16);
    EXPECT_EQ(aktiver_requester.pfadnr, 1);
    EXPECT_EQ(aktiver_requester.dateinr, 2);
    EXPECT_STREQ(gadgetstr[1].text, v_.pfad().c_str());
    EXPECT_STREQ(gadgetstr[2].text, "b.txt");
    EXPECT_EQ(g_filter, nullptr);
}

TEST_F(Dateirequester, ListeWirdGezeichnet)
{
    int r = fragen(v_.datei("b.txt"), [&](Fernbedienung &f) {
        f.abwarten(0.2);
        // Four entries: text in row 0, nothing in row 6.
        auto dunkle = [&](int j) {
            int n = 0;
            int y0 = a_.liste.y + ch_ / 3 + j * (ch_ * 5 / 4);
            for (int y = y0 + 2; y < y0 + ch_ * 5 / 4 - 1; ++y)
                for (int x = a_.liste.x + 2; x < a_.liste.x + a_.liste.breite - 2; x += 1)
                    n += testhilfe::pixel_lesen(f.display(), f.fenster(), x, y) ==
                         BlackPixel(f.display(), DefaultScreen(f.display()));
            return n;
        };
        EXPECT_GT(dunkle(0), 10);
        EXPECT_GT(dunkle(3), 10);
        EXPECT_EQ(dunkle(6), 0);
        mitte_klicken(f, a_.abbruch);
    });
    EXPECT_EQ(r, 0);
}

TEST_F(Dateirequester, DoppelklickOeffnetUnterverzeichnis)
{
    int r = fragen(v_.datei("b.txt"), [&](Fernbedienung &f) {
        doppelklick(f, 0);  // unter
        zeile_klicken(f, 1);
        mitte_klicken(f, a_.ok);
    });
    EXPECT_EQ(r, 1);
    EXPECT_EQ(std::string(name_), v_.datei("unter/zweite.txt"));
}

TEST_F(Dateirequester, NamenMitLeerzeichenUndLangeNamenGanz)
{
    ASSERT_EQ(mkdir(v_.datei("My Files").c_str(), 0755), 0);  // row 0, before "unter"
    const std::string namen[] = {"my file.txt", std::string(150, 'z')};
    for (const std::string &n : namen) datei_schreiben(v_.datei("My Files/" + n), "");
    for (int zeile : {0, 1}) {
        int r = fragen(v_.datei("b.txt"), [&](Fernbedienung &f) {
            doppelklick(f, 0);
            zeile_klicken(f, zeile);
            mitte_klicken(f, a_.ok);
        });
        EXPECT_EQ(r, 1);
        EXPECT_EQ(std::string(name_), v_.datei("My Files/" + namen[zeile]));
    }
}

TEST_F(Dateirequester, EinfacherKlickNimmtNurDenNamen)
{
    int r = fragen(v_.datei("b.txt"), [&](Fernbedienung &f) {
        zeile_klicken(f, 1);  // a.txt
        zeile_klicken(f, 0);  // unter: taken as a name, not opened
        f.abwarten();
        zeile_klicken(f, 1);
        mitte_klicken(f, a_.ok);
    });
    EXPECT_EQ(r, 1);
    EXPECT_EQ(std::string(name_), v_.datei("a.txt"));
}

TEST_F(Dateirequester, ReturnOeffnetUnterverzeichnis)
{
    int r = fragen(v_.datei("b.txt"), [&](Fernbedienung &f) {
        zeile_klicken(f, 0);
        f.taste(XK_Return);
        mitte_klicken(f, a_.ok);
    });
    EXPECT_EQ(r, 1);
    EXPECT_EQ(std::string(name_), v_.datei("unter/innen.txt")) << "the bar's row of the new list";
}

TEST_F(Dateirequester, ReturnAufEinerDateiLaesstDieListe)
{
    int r = fragen(v_.datei("b.txt"), [&](Fernbedienung &f) {
        zeile_klicken(f, 1);  // a.txt
        f.taste(XK_Return);
        f.taste(XK_Down);  // the list is no longer active: nothing moves
        mitte_klicken(f, a_.ok);
    });
    EXPECT_EQ(r, 1);
    EXPECT_EQ(std::string(name_), v_.datei("a.txt"));
}

TEST_F(Dateirequester, ElternknopfUndLinksTaste)
{
    int r = fragen(v_.datei("unter/innen.txt"), [&](Fernbedienung &f) {
        mitte_klicken(f, a_.knopf1);
        zeile_klicken(f, 2);  // b.txt
        mitte_klicken(f, a_.ok);
    });
    EXPECT_EQ(r, 1);
    EXPECT_EQ(std::string(name_), v_.datei("b.txt"));

    r = fragen(v_.datei("unter/innen.txt"), [&](Fernbedienung &f) {
        zeile_klicken(f, 0);
        f.taste(XK_Left);
        zeile_klicken(f, 1);  // a.txt
        mitte_klicken(f, a_.ok);
    });
    EXPECT_EQ(r, 1);
    EXPECT_EQ(std::string(name_), v_.datei("a.txt"));
}

TEST_F(Dateirequester, RechtsTasteOeffnetUndPfeileWaehlen)
{
    int r = fragen(v_.datei("b.txt"), [&](Fernbedienung &f) {
        f.taste(XK_Tab);  // the list is gadget 0; the bar stands on row 0
        f.taste(XK_Right);  // opens unter
        f.taste(XK_Down);
        mitte_klicken(f, a_.ok);
    });
    EXPECT_EQ(r, 1);
    EXPECT_EQ(std::string(name_), v_.datei("unter/zweite.txt"));

    r = fragen(v_.datei("neu.txt"), [&](Fernbedienung &f) {
        f.taste(XK_Tab);
        f.taste(XK_Down);
        f.taste(XK_Down);
        f.taste(XK_Down);
        f.taste(XK_Up);  // b.txt
        f.taste(XK_Tab);  // on to the path field: the name stays
        mitte_klicken(f, a_.ok);
    });
    EXPECT_EQ(r, 1);
    EXPECT_EQ(std::string(name_), v_.datei("b.txt"));
}

TEST_F(Dateirequester, AbbruchLaesstDenNamen)
{
    int r = fragen(v_.datei("b.txt"), [&](Fernbedienung &f) {
        doppelklick(f, 0);
        zeile_klicken(f, 1);
        mitte_klicken(f, a_.abbruch);
    });
    EXPECT_EQ(r, 0);
    EXPECT_EQ(std::string(name_), v_.datei("b.txt"));
    EXPECT_STREQ(gadgetstr[2].text, "zweite.txt") << "the fields keep what was chosen";
}

TEST_F(Dateirequester, GetippterDateiname)
{
    int r = fragen(v_.datei("b.txt"), [&](Fernbedienung &f) {
        ende_klicken(f, a_.datei);
        f.tippen("x");
        f.taste(XK_Return);
        mitte_klicken(f, a_.ok);
    });
    EXPECT_EQ(r, 1);
    EXPECT_EQ(std::string(name_), v_.datei("b.txtx"));
}

TEST_F(Dateirequester, GetippterPfadWirdGelistet)
{
    int r = fragen(v_.datei("b.txt"), [&](Fernbedienung &f) {
        ende_klicken(f, a_.pfad);
        f.tippen("/unter");
        f.taste(XK_Return);
        zeile_klicken(f, 1);
        mitte_klicken(f, a_.ok);
    });
    EXPECT_EQ(r, 1);
    EXPECT_EQ(std::string(name_), v_.datei("unter/zweite.txt"));
}

TEST_F(Dateirequester, FilterfeldWaehltDieDateien)
{
    char filter[] = "*.txt";
    int r = fragen(v_.datei("b.txt"), [&](Fernbedienung &f) {
        f.abwarten();
        EXPECT_EQ(liste(1).anzahl, 3) << "unter, a.txt, b.txt";
        ende_klicken(f, a_.filter);
        for (int i = 0; i < 3; ++i) f.taste(XK_Delete);  // DEL deletes left
        f.tippen("h");
        f.taste(XK_Return);
        zeile_klicken(f, 1);
        mitte_klicken(f, a_.ok);
    }, filter);
    EXPECT_EQ(r, 1);
    EXPECT_EQ(std::string(name_), v_.datei("c.h"));
    EXPECT_EQ(aktiver_requester.typ, 17);
    EXPECT_EQ(aktiver_requester.pfadnr, 2);
    EXPECT_STREQ(gadgetstr[0].text, "*.h");
    EXPECT_STREQ(filter, "*.txt") << "the caller's filter is not written";
    EXPECT_EQ(liste(1).anzahl, 2);
    EXPECT_EQ(g_filter, nullptr);
}

TEST_F(Dateirequester, GeraeteknopfUndHome)
{
    setenv("HOME", v_.datei("unter").c_str(), 1);
    int r = fragen(v_.datei("b.txt"), [&](Fernbedienung &f) {
        mitte_klicken(f, a_.knopf2);
        doppelklick(f, 1);  // HOME
        zeile_klicken(f, 1);
        mitte_klicken(f, a_.ok);
    });
    EXPECT_EQ(r, 1);
    EXPECT_EQ(std::string(name_), v_.datei("unter/zweite.txt"));
}

TEST_F(Dateirequester, SchiebereglerZiehenRolltDieListe)
{
    Arbeitsverzeichnis viele;
    for (int i = 0; i < 60; ++i) {
        char n[8];
        snprintf(n, sizeof n, "f%02d", i);
        datei_schreiben(viele.datei(n), "");
    }
    int r = fragen(viele.datei("f00"), [&](Fernbedienung &f) {
        // The thumb's top at the list's top; it is bahn * 10 / 60 long.
        const int sx = a_.liste.x + a_.liste.breite + cw_ * 3 / 4;
        const int bahn = a_.liste.hoehe - 2 * (ch_ * 5 / 4);
        const int y = a_.liste.y + 3;
        f.bewegen(sx, y);
        f.druecken();
        for (int dy = 4; dy <= bahn / 3; dy += 4) f.bewegen(sx, y + dy);
        f.loslassen();
        f.abwarten();
        zeile_klicken(f, 0);
        mitte_klicken(f, a_.ok);
    });
    EXPECT_EQ(r, 1);
    const int erster = liste().erster;
    EXPECT_GE(erster, 15);
    EXPECT_LE(erster, 25) << "a third of the track: a third of the 60 entries";
    char erwartet[8];
    snprintf(erwartet, sizeof erwartet, "f%02d", erster);
    EXPECT_EQ(std::string(name_), viele.datei(erwartet));
}

TEST_F(Dateirequester, LangerNameWirdGekapptNieUeberschrieben)
{
    struct {
        char name[700];
        char wache[8];
    } b;
    memset(&b, 'W', sizeof b);
    std::string lang = v_.pfad() + "/" + std::string(300, 'v') + "/" + std::string(290, 'f');
    strcpy(b.name, lang.c_str());
    int r;
    {
        Fernsteuerung s(x_.name(), [&](Fernbedienung &f) {
            ASSERT_TRUE(f.fenster_finden(titel));
            f.taste(XK_Tab, XK_Shift_L);  // CANCEL
            f.taste(XK_Tab, XK_Shift_L);  // OK
            f.taste(XK_Return);
        });
        r = nachfilenamefragen(const_cast<char *>(titel), b.name, 30, 0, nullptr, nullptr, nullptr, nullptr, nullptr);
    }
    EXPECT_EQ(r, 1);
    EXPECT_EQ(std::string(b.wache, 8), std::string(8, 'W'));
    EXPECT_EQ(strlen(b.name), 29u) << "28 characters of the path and the slash";
    EXPECT_EQ(std::string(b.name), lang.substr(0, 28) + "/");
    EXPECT_EQ(strlen(gadgetstr[1].text), v_.pfad().size() + 1 + 300) << "the path field holds the whole directory";
    EXPECT_EQ(strlen(gadgetstr[2].text), 399 - (v_.pfad().size() + 1 + 300) - 1) << "what is left of 399";
}
