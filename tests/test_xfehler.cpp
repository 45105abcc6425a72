// X protocol errors and a lost server on every connection the library
// opens: one line per error (the first few of a kind, then a count) and
// the program goes on; a lost server ends it at once with a message.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/dateien.h"
#include "hilfe/plotdateien.h"
#include "hilfe/xvfb.h"
#include "xmalwerk1/core/intern.h"
#include "xmalwerk1/requester/requester_intern.h"
#include "xmalwerk1/xmalwerk1.h"

#include <chrono>
#include <cstdlib>
#include <string>

using testhilfe::Kindprozess;
using testhilfe::XvfbServer;

namespace {

int zeilen(const std::string &s, const std::string &teil)
{
    int n = 0;
    size_t von = 0, nl;
    while ((nl = s.find('\n', von)) != std::string::npos) {
        if (s.compare(von, nl - von, "") != 0 && s.substr(von, nl - von).find(teil) != std::string::npos) ++n;
        von = nl + 1;
    }
    return n;
}

// The root window is no pixmap: the server answers BadPixmap.
void falsches_pixmap_freigeben(Display *d)
{
    XFreePixmap(d, DefaultRootWindow(d));
    XSync(d, False);
}

double sekunden_seit(std::chrono::steady_clock::time_point t)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t).count();
}

}  // namespace

TEST(XFehler, ProtokollfehlerAufDemFensterNenntRequestUndFehler)
{
    XvfbServer x(800, 600, 24);
    x.als_display_setzen();
    setsize(300, 200, 24);
    qinital(1, 0, 0, 1, 1);
    ASSERT_NE(malwerk_dpy, nullptr);

    testing::internal::CaptureStdout();
    const Window falsch = DefaultRootWindow(malwerk_dpy);
    falsches_pixmap_freigeben(malwerk_dpy);
    std::string aus = testing::internal::GetCapturedStdout();

    char id[32];
    snprintf(id, sizeof id, "0x%lx", falsch);
    EXPECT_EQ(zeilen(aus, "xmalwerk1: X-Fehler 4 BadPixmap"), 1) << aus;
    EXPECT_NE(aus.find("bei Request 54.0 (X_FreePixmap), Ressource " + std::string(id) + "\n"), std::string::npos)
        << aus;

    // The program goes on on the same connection: it still draws.
    color(0xFF0000);
    ifillbox(10, 10, 20, 20);
    XSync(malwerk_dpy, False);
    EXPECT_EQ(testhilfe::pixel_lesen(malwerk_dpy, win10, 15, 15), 0xFF0000u);
    term_exit();
}

TEST(XFehler, DreiVollUndDannNurGezaehltJeArt)
{
    XvfbServer x(640, 480, 24);
    Kindprozess kind([&] {
        Display *d = meinXOpenDisplay(x.name().c_str());
        if (!d) return 2;
        for (int i = 0; i < 25; ++i) falsches_pixmap_freigeben(d);
        // Another kind of error is reported in full again.
        XFreeColormap(d, DefaultRootWindow(d));
        XSync(d, False);
        XCloseDisplay(d);
        exit(0);  // a normal end, with the count at the end
    });
    ASSERT_EQ(kind.warten(20), 0) << kind.ausgabe();
    const std::string &aus = kind.ausgabe();
    EXPECT_EQ(zeilen(aus, "(X_FreePixmap), Ressource 0x"), 3) << aus;
    EXPECT_EQ(zeilen(aus, "X-Fehler 4 BadPixmap (invalid Pixmap parameter) bei Request 54 (X_FreePixmap): schon 10 mal"), 1)
        << aus;
    EXPECT_EQ(zeilen(aus, "schon"), 1) << aus;
    EXPECT_EQ(zeilen(aus, "bei Request 79.0 (X_FreeColormap)"), 1) << aus;
    // The total at the end, for the kind that was only counted.
    EXPECT_EQ(zeilen(aus, "X-Fehler 4 BadPixmap (invalid Pixmap parameter) bei Request 54 (X_FreePixmap): insgesamt 25 mal"),
              1)
        << aus;
    EXPECT_EQ(zeilen(aus, "insgesamt"), 1) << aus;
    EXPECT_EQ(zeilen(aus, "xmalwerk1:"), 3 + 1 + 1 + 1) << aus;
}

TEST(XFehler, HundertFehlerGebenNurZaehlzeilenBeiZehnerpotenzen)
{
    XvfbServer x(640, 480, 24);
    Kindprozess kind([&] {
        Display *d = meinXOpenDisplay(x.name().c_str());
        if (!d) return 2;
        for (int i = 0; i < 100; ++i) XFreePixmap(d, DefaultRootWindow(d));
        XSync(d, False);
        return 0;  // _exit: no count at the end
    });
    ASSERT_EQ(kind.warten(20), 0) << kind.ausgabe();
    const std::string &aus = kind.ausgabe();
    EXPECT_EQ(zeilen(aus, "xmalwerk1:"), 5) << aus;
    EXPECT_EQ(zeilen(aus, ": schon 10 mal"), 1) << aus;
    EXPECT_EQ(zeilen(aus, ": schon 100 mal"), 1) << aus;
}

TEST(XFehler, VerbindungDesRequestersHatDieFehlerbehandlung)
{
    XvfbServer x(640, 480, 24);
    x.als_display_setzen();
    // Without a window the requesters open a connection of their own.
    requester_font_anfordern(0);
    ASSERT_NE(requester_dpy, nullptr);
    ASSERT_EQ(dpy, nullptr);
    testing::internal::CaptureStdout();
    falsches_pixmap_freigeben(requester_dpy);
    std::string aus = testing::internal::GetCapturedStdout();
    EXPECT_EQ(zeilen(aus, "(X_FreePixmap)"), 1) << aus;
}

TEST(XFehler, GetmaxsizeSetztDieFehlerbehandlungVorSeinerVerbindung)
{
    XvfbServer x(1280, 1024, 8);
    x.als_display_setzen();
    int b, h, t, k;
    getmaxsize(&b, &h, &t, &k);
    ASSERT_EQ(b, 1280);
    // The handlers belong to the process, so a connection opened afterwards
    // without the library is covered too; Xlib's default would end the test.
    Display *d = XOpenDisplay(x.name().c_str());
    ASSERT_NE(d, nullptr);
    testing::internal::CaptureStdout();
    falsches_pixmap_freigeben(d);
    std::string aus = testing::internal::GetCapturedStdout();
    EXPECT_EQ(zeilen(aus, "X-Fehler 4 BadPixmap"), 1) << aus;
    XCloseDisplay(d);
}

TEST(XFehler, VerlorenerServerImRequesterEndetSofort)
{
    XvfbServer x(800, 600, 24);
    Kindprozess kind([&] {
        setenv("DISPLAY", x.name().c_str(), 1);
        setsize(300, 200, 24);
        qinital(1, 0, 0, 1, 1);
        int zahl = 1;
        requester_input(1, "Zahl", "%d", "%d", &zahl);
        return 3;  // the requester must not come back
    });
    Display *d = XOpenDisplay(x.name().c_str());
    ASSERT_NE(d, nullptr);
    ASSERT_NE(testhilfe::fenster_suchen(d, "Input-Requester"), 0u) << kind.ausgabe();
    XCloseDisplay(d);
    auto anfang = std::chrono::steady_clock::now();
    x.beenden();
    int status = kind.warten(5);
    EXPECT_LT(sekunden_seit(anfang), 1.0);
    EXPECT_EQ(status, 1) << kind.ausgabe();
    EXPECT_NE(kind.ausgabe().find("xmalwerk1: Verbindung zum X-Server '" + x.name() + "' verloren\n"),
              std::string::npos)
        << kind.ausgabe();
}

TEST(XFehler, VerlorenerServerSchliesstDiePlotdatei)
{
    XvfbServer x(800, 600, 24);
    testhilfe::Arbeitsverzeichnis d;
    const std::string datei = d.datei("bild.iff");
    Kindprozess kind([&]() -> int {
        setenv("DISPLAY", x.name().c_str(), 1);
        unsetenv("ENV");
        setenv("PLOTSAVE", datei.c_str(), 1);
        qinital(1, 0, 0, 1, 1);
        plotsave("IFF");
        q2plot(0, 0, 3);
        q2plot(1, 1, 2);
        mal_flush();
        char bereit[] = "gezeichnet";
        set_maltitel(bereit);
        for (;;) waitTOF();
    });
    Display *d2 = XOpenDisplay(x.name().c_str());
    ASSERT_NE(d2, nullptr);
    ASSERT_NE(testhilfe::fenster_suchen(d2, "gezeichnet"), 0u) << kind.ausgabe();
    XCloseDisplay(d2);
    x.beenden();
    EXPECT_EQ(kind.warten(5), 1) << kind.ausgabe();
    // Complete: the lengths are patched and the line is there.
    testhilfe::IffDatei iff = testhilfe::iff_lesen(datei);
    EXPECT_EQ(iff.fehler, "");
    EXPECT_EQ(iff.linien.size(), 1u);
}
