// What a window manager reads from the library's windows (as xprop shows
// it): class, UTF-8 title, process id, host, full-screen state; and the
// conversion of titles into UTF-8.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/fernbedienung.h"
#include "hilfe/xvfb.h"
#include "xmalwerk1/core/intern.h"
#include "xmalwerk1/requester/requester_intern.h"
#include "xmalwerk1/xmalwerk1.h"

#include <X11/Xatom.h>
#include <X11/keysym.h>
#include <errno.h>
#include <signal.h>
#include <unistd.h>

#include <string>
#include <vector>

using testhilfe::XvfbServer;

namespace {

// The raw bytes of an 8-bit property and its type; empty when absent.
std::string eigenschaft(Display *d, Window w, const char *name, Atom *typ = nullptr)
{
    Atom t = None;
    int format = 0;
    unsigned long n = 0, rest = 0;
    unsigned char *daten = nullptr;
    std::string s;
    if (XGetWindowProperty(d, w, XInternAtom(d, name, False), 0, 1024, False, AnyPropertyType, &t, &format, &n, &rest,
                           &daten) == Success &&
        daten) {
        if (format == 8) s.assign(reinterpret_cast<char *>(daten), n);
        XFree(daten);
    }
    if (typ) *typ = t;
    return s;
}

// The values of a 32-bit property (longs, as Xlib hands them over).
std::vector<long> werte32(Display *d, Window w, const char *name, Atom *typ = nullptr)
{
    Atom t = None;
    int format = 0;
    unsigned long n = 0, rest = 0;
    unsigned char *daten = nullptr;
    std::vector<long> v;
    if (XGetWindowProperty(d, w, XInternAtom(d, name, False), 0, 64, False, AnyPropertyType, &t, &format, &n, &rest,
                           &daten) == Success &&
        daten) {
        if (format == 32) v.assign(reinterpret_cast<long *>(daten), reinterpret_cast<long *>(daten) + n);
        XFree(daten);
    }
    if (typ) *typ = t;
    return v;
}

std::string rechnername()
{
    char r[256] = "";
    gethostname(r, sizeof r - 1);
    return r;
}

class Fensterhinweise : public ::testing::Test {
protected:
    void SetUp() override { x_.als_display_setzen(); }
    void TearDown() override { term_exit(); }
    void oeffnen(int breite = 300, int hoehe = 200)
    {
        setsize(breite, hoehe, 24);
        qinital(1, 0, 0, 1, 1);
        ASSERT_NE(dpy, nullptr);
        d_ = XOpenDisplay(x_.name().c_str());  // the view from outside
        ASSERT_NE(d_, nullptr);
    }
    ~Fensterhinweise() override
    {
        if (d_) XCloseDisplay(d_);
    }
    XvfbServer x_{800, 600, 24};
    Display *d_ = nullptr;
};

}  // namespace

TEST(TitelUtf8, AsciiUndGueltigesUtf8BleibenWieSie)
{
    EXPECT_EQ(titel_als_utf8("  XMALWERK1   Version 2.89"), "  XMALWERK1   Version 2.89");
    EXPECT_EQ(titel_als_utf8(""), "");
    EXPECT_EQ(titel_als_utf8(nullptr), "");
    EXPECT_EQ(titel_als_utf8("M\xC3\xBCnchen"), "M\xC3\xBCnchen");          // ü, two bytes
    EXPECT_EQ(titel_als_utf8("\xE2\x82\xAC 5"), "\xE2\x82\xAC 5");          // €, three bytes
    EXPECT_EQ(titel_als_utf8("\xF0\x9F\x8C\x91"), "\xF0\x9F\x8C\x91");      // new moon, four bytes
}

TEST(TitelUtf8, LateinEinsWirdUmgesetzt)
{
    EXPECT_EQ(titel_als_utf8("M\xFCnchen"), "M\xC3\xBCnchen");
    EXPECT_EQ(titel_als_utf8("\xA0\xFF"), "\xC2\xA0\xC3\xBF");
    // A lead byte without its continuation, at the end or before ASCII.
    EXPECT_EQ(titel_als_utf8("a\xC3"), "a\xC3\x83");
    EXPECT_EQ(titel_als_utf8("\xC3z"), "\xC3\x83z");
    // Overlong forms and surrogates are no UTF-8: the whole title is Latin-1.
    EXPECT_EQ(titel_als_utf8("\xC0\xAF"), "\xC3\x80\xC2\xAF");
    EXPECT_EQ(titel_als_utf8("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xC2\x80");
    EXPECT_EQ(titel_als_utf8("\xF4\x90\x80\x80"), "\xC3\xB4\xC2\x90\xC2\x80\xC2\x80");  // above U+10FFFF
    // One bad byte makes the whole title Latin-1, valid pairs included.
    EXPECT_EQ(titel_als_utf8("\xC3\xBC\xFC"), "\xC3\x83\xC2\xBC\xC3\xBC");
}

TEST(Programmklasse, NameDesProgrammsUndGrossgeschriebeneKlasse)
{
    std::string name, klasse;
    programmklasse(&name, &klasse);
    EXPECT_EQ(name, "test_fensterhinweise");
    EXPECT_EQ(klasse, "Test_fensterhinweise");
}

TEST_F(Fensterhinweise, KlassePidRechnerUndUtf8Titel)
{
    oeffnen();
    XClassHint k{};
    ASSERT_TRUE(XGetClassHint(d_, win10, &k));
    EXPECT_STREQ(k.res_name, program_invocation_short_name);
    EXPECT_STREQ(k.res_class, "Test_fensterhinweise");
    XFree(k.res_name);
    XFree(k.res_class);

    Atom typ;
    EXPECT_EQ(eigenschaft(d_, win10, "_NET_WM_NAME", &typ), "  XMALWERK1   Version 2.89");
    EXPECT_EQ(typ, XInternAtom(d_, "UTF8_STRING", False));
    EXPECT_EQ(eigenschaft(d_, win10, "WM_NAME", &typ), "  XMALWERK1   Version 2.89");
    EXPECT_EQ(typ, XA_STRING);

    EXPECT_EQ(werte32(d_, win10, "_NET_WM_PID", &typ), std::vector<long>{static_cast<long>(getpid())});
    EXPECT_EQ(typ, XA_CARDINAL);
    EXPECT_EQ(eigenschaft(d_, win10, "WM_CLIENT_MACHINE"), rechnername());
    // Not full screen: no state is asked for.
    EXPECT_TRUE(werte32(d_, win10, "_NET_WM_STATE").empty());
}

TEST_F(Fensterhinweise, NeuerTitelAendertBeideNamen)
{
    oeffnen();
    char titel[] = "Sonnenfinsternis \xFC" "ber M\xFCnchen";  // Latin-1
    EXPECT_EQ(set_maltitel(titel), 1);
    XSync(dpy, False);
    EXPECT_EQ(eigenschaft(d_, win10, "WM_NAME"), titel);  // the bytes unchanged
    EXPECT_EQ(eigenschaft(d_, win10, "_NET_WM_NAME"), "Sonnenfinsternis \xC3\xBC" "ber M\xC3\xBCnchen");

    // The shared title function alone, as the crosshair input uses it.
    fenstertitel_setzen(fenstername2);
    XSync(dpy, False);
    EXPECT_EQ(eigenschaft(d_, win10, "WM_NAME"), fenstername2);
    EXPECT_EQ(eigenschaft(d_, win10, "_NET_WM_NAME"), fenstername2);
}

TEST_F(Fensterhinweise, VollbildFragtNachDemGanzenSchirmOhneTitel)
{
    // A desktop that knows the Motif hints: both conventions are used.
    Display *wm = XOpenDisplay(x_.name().c_str());
    ASSERT_NE(wm, nullptr);
    Atom motif = XInternAtom(wm, "_MOTIF_WM_HINTS", False);
    XSync(wm, False);
    fullscreen_modus(1);
    setmenu(1, "File");
    oeffnen(0, 0);
    // No menu bar is shown, so no rows are kept free for one.
    EXPECT_EQ(menubalkenhoehe, 0);
    EXPECT_EQ(malwerk_hoehe, 599);
    Atom typ;
    std::vector<long> zustand = werte32(d_, win10, "_NET_WM_STATE", &typ);
    EXPECT_EQ(typ, XA_ATOM);
    EXPECT_EQ(zustand, std::vector<long>{static_cast<long>(XInternAtom(d_, "_NET_WM_STATE_FULLSCREEN", False))});
    EXPECT_EQ(werte32(d_, win10, "_MOTIF_WM_HINTS", &typ), (std::vector<long>{2, 0, 0, 0, 0}));
    EXPECT_EQ(typ, motif);
    // No title in full-screen mode, but the class and process are known.
    EXPECT_EQ(eigenschaft(d_, win10, "WM_NAME"), "");
    EXPECT_EQ(eigenschaft(d_, win10, "_NET_WM_NAME"), "");
    XClassHint k{};
    ASSERT_TRUE(XGetClassHint(d_, win10, &k));
    EXPECT_STREQ(k.res_name, "test_fensterhinweise");
    XFree(k.res_name);
    XFree(k.res_class);
    EXPECT_EQ(werte32(d_, win10, "_NET_WM_PID"), std::vector<long>{static_cast<long>(getpid())});
    XCloseDisplay(wm);
    fullscreen_modus(0);
}

TEST_F(Fensterhinweise, VollbildMitKleinererGroesseFragtNichtNachDemSchirm)
{
    fullscreen_modus(1);
    oeffnen(400, 300);
    fullscreen_modus(0);
    EXPECT_TRUE(werte32(d_, win10, "_NET_WM_STATE").empty());
}

TEST_F(Fensterhinweise, RequesterfensterIstDialogDesHauptfensters)
{
    oeffnen();
    Window gefunden = 0;
    std::string klasse, netname;
    Window fuer = 0;
    {
        testhilfe::Fernsteuerung s(x_.name(), [&](testhilfe::Fernbedienung &f) {
            ASSERT_TRUE(f.fenster_finden("Input-Requester"));
            gefunden = f.fenster();
            Display *d = f.display();
            XClassHint k{};
            if (XGetClassHint(d, gefunden, &k)) {
                klasse = std::string(k.res_name) + "/" + k.res_class;
                XFree(k.res_name);
                XFree(k.res_class);
            }
            netname = eigenschaft(d, gefunden, "_NET_WM_NAME");
            XGetTransientForHint(d, gefunden, &fuer);
            f.taste(XK_Tab, XK_Shift_L);  // CANCEL
            f.taste(XK_Return);
        });
        int zahl = 1;
        EXPECT_EQ(requester_input(1, "Zahl", "%d", "%d", &zahl), 0);
    }
    ASSERT_NE(gefunden, 0u);
    EXPECT_EQ(klasse, "test_fensterhinweise/Test_fensterhinweise");
    EXPECT_EQ(netname, "Input-Requester");
    EXPECT_EQ(fuer, win10);
}

TEST(UmbrixFenster, KlasseUmbrixUndTitelInUtf8)
{
    XvfbServer x(1280, 1024, 24);
    Display *d = XOpenDisplay(x.name().c_str());
    ASSERT_NE(d, nullptr);
    testhilfe::Kindprozess umbrix({UMBRIX_BINARY, "2008", "8"}, {"DISPLAY=" + x.name()});
    Window w = testhilfe::fenster_suchen(d, "  XMALWERK1   Version 2.89");
    ASSERT_NE(w, 0u) << umbrix.ausgabe();
    XClassHint k{};
    ASSERT_TRUE(XGetClassHint(d, w, &k));
    EXPECT_STREQ(k.res_name, "umbrix");
    EXPECT_STREQ(k.res_class, "Umbrix");
    XFree(k.res_name);
    XFree(k.res_class);
    EXPECT_EQ(eigenschaft(d, w, "_NET_WM_NAME"), "  XMALWERK1   Version 2.89");
    EXPECT_EQ(werte32(d, w, "_NET_WM_PID"), std::vector<long>{static_cast<long>(umbrix.pid())});
    kill(umbrix.pid(), SIGTERM);
    umbrix.warten(5);
    XCloseDisplay(d);
}
