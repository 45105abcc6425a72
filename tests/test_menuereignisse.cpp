// The menus on a private Xvfb, driven through XTest over a second
// connection: dragging and clicking, the keyboard menu, shortcuts, the close
// request, submenus, drawing, the mouse state word, repaint and the queue.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/fernbedienung.h"
#include "hilfe/menuaufrufe.h"
#include "hilfe/xvfb.h"
#include "xmalwerk1/core/intern.h"
#include "xmalwerk1/menu/menu_intern.h"
#include "xmalwerk1/xmalwerk1.h"

#include <X11/keysym.h>

#include <atomic>
#include <chrono>
#include <functional>

using testhilfe::Fernbedienung;
using testhilfe::Fernsteuerung;
using testhilfe::aufrufe;
using testhilfe::beispielmenue;
using testhilfe::merken;
using testhilfe::XvfbServer;

namespace {

// A window of 600 x 400 drawing pixels with the given menus on a server of
// its own.
struct Sitzung {
    XvfbServer x{1280, 1024, 24};
    explicit Sitzung(void (*menue)())
    {
        x.als_display_setzen();
        aufrufe.clear();
        if (menue) menue();
        setsize(600, 400, 24);
        qinital(1, 0, 0, 1, 1);
        pumpen(0.1);
    }
    ~Sitzung() { term_exit(); }

    // Serves the menus for a while.
    static void pumpen(double sekunden)
    {
        auto ende = std::chrono::steady_clock::now() + std::chrono::duration<double>(sekunden);
        while (std::chrono::steady_clock::now() < ende) {
            waitmenu(0);
            testhilfe::schlafen(0.005);
        }
    }
};

// Serves the menus until the condition holds; false after the time-out.
template <class F>
bool abwarten(F bedingung, double sekunden = 5)
{
    auto ende = std::chrono::steady_clock::now() + std::chrono::duration<double>(sekunden);
    while (!bedingung()) {
        if (std::chrono::steady_clock::now() > ende) return false;
        waitmenu(0);
        testhilfe::schlafen(0.005);
    }
    return true;
}

// Waits in the script's thread for a signal of the test's thread.
void warten_auf(const std::atomic<bool> &signal)
{
    for (int i = 0; i < 500 && !signal; ++i) testhilfe::schlafen(0.01);
}

bool gezeigt(Window w)
{
    XWindowAttributes a;
    return w && XGetWindowAttributes(dpy, w, &a) && a.map_state == IsViewable;
}

struct Punkt {
    int x, y;
};

Punkt titel(int spalte)
{
    return {menu.titel_x[static_cast<size_t>(spalte)] + 5, zeilenabstand / 2};
}

// Middle of item row r of a column, in window (= bar) coordinates.
Punkt punkt(int spalte, int r)
{
    return {menu.titel_x[static_cast<size_t>(spalte)] + 10, zeilenabstand + 1 + (r - 1) * zeilenabstand + zeilenabstand / 2};
}

const Punkt zeichenflaeche{400, 300};

bool schwarz(Drawable w, int x, int y)
{
    return testhilfe::pixel_lesen(dpy, w, x, y) == fogrund;
}

}  // namespace

TEST(Menuereignisse, ZiehenAufEinenPunktWaehltIhn)
{
    Sitzung s(beispielmenue);
    Window klapp = menu.klappfenster[0];
    Punkt t = titel(0), jahr = punkt(0, 2), exit = punkt(0, 3);
    std::atomic<bool> offen_gesehen{false};
    Fernsteuerung skript(s.x.name(), win10, [&](Fernbedienung &fb) {
        fb.bewegen(t.x, t.y);
        fb.druecken();
        warten_auf(offen_gesehen);
        fb.bewegen(jahr.x, jahr.y);
        fb.bewegen(exit.x, exit.y);
        fb.loslassen();
    });
    // The pull-down shows while the button is held.
    EXPECT_TRUE(abwarten([&] { return gezeigt(klapp); }));
    offen_gesehen = true;
    EXPECT_EQ(waitmenu(1), 0);
    ASSERT_EQ(aufrufe.size(), 1u);
    EXPECT_EQ(aufrufe[0].wer, 4);
    EXPECT_EQ(aufrufe[0].id, -7);
    EXPECT_FALSE(gezeigt(klapp));
    EXPECT_EQ(klappr.istoffen(), 0);
}

TEST(Menuereignisse, KlickAufTitelHaeltOffenUndKlickWaehlt)
{
    Sitzung s(beispielmenue);
    Punkt t = titel(0), jahr = punkt(0, 2);
    std::atomic<bool> offen_gesehen{false};
    Fernsteuerung skript(s.x.name(), win10, [&](Fernbedienung &fb) {
        fb.klick(t.x, t.y);
        warten_auf(offen_gesehen);
        fb.klick(jahr.x, jahr.y);
    });
    EXPECT_TRUE(abwarten([] { return klappr.istoffen() == 1; }));
    EXPECT_TRUE(gezeigt(menu.klappfenster[0]));
    offen_gesehen = true;
    EXPECT_TRUE(abwarten([] { return !aufrufe.empty(); }));
    ASSERT_EQ(aufrufe.size(), 1u);
    EXPECT_EQ(aufrufe[0].wer, 3);
    EXPECT_EQ(aufrufe[0].id, -5);
    EXPECT_EQ(klappr.istoffen(), 0);
    EXPECT_FALSE(gezeigt(menu.klappfenster[0]));
    // The click belonged to the menu, not to the mouse state.
    EXPECT_EQ(maustasten_zustand, 0);
}

TEST(Menuereignisse, LoslassenAusserhalbSchliesstOhneAufruf)
{
    Sitzung s(beispielmenue);
    Punkt t = titel(1);
    Fernsteuerung skript(s.x.name(), win10, [&](Fernbedienung &fb) {
        fb.bewegen(t.x, t.y);
        fb.druecken();
        fb.bewegen(zeichenflaeche.x, zeichenflaeche.y);
        fb.loslassen();
    });
    EXPECT_EQ(waitmenu(1), 0);
    EXPECT_TRUE(aufrufe.empty());
    EXPECT_EQ(menu.offene_spalte, -1);
    EXPECT_FALSE(gezeigt(menu.klappfenster[1]));
}

TEST(Menuereignisse, LinkeAltTastePfeileUndReturn)
{
    Sitzung s(beispielmenue);
    Fernsteuerung skript(s.x.name(), win10, [&](Fernbedienung &fb) {
        fb.bewegen(zeichenflaeche.x, zeichenflaeche.y);
        for (unsigned long k : {XK_Alt_L, XK_Right, XK_Left, XK_Down, XK_Down, XK_Down, XK_Return}) fb.taste(k);
    });
    EXPECT_TRUE(abwarten([] { return !aufrufe.empty(); }));
    ASSERT_EQ(aufrufe.size(), 1u);
    EXPECT_EQ(aufrufe[0].id, -7);
    EXPECT_EQ(klappr.istoffen(), 0);
    // None of these keys reached the application.
    int n, z, k;
    EXPECT_EQ(keyget(&n, &z, &k), 0);
}

namespace {
void menue_mit_kuerzel()
{
    setmenu(1, "Datei");
    setmenu(1, "%AXExport", merken<1>);
}
}  // namespace

TEST(Menuereignisse, EscapeUndTasteRuftKuerzelZweitesEscapeGehtAnKeyget)
{
    Sitzung s(menue_mit_kuerzel);
    Fernsteuerung skript(s.x.name(), win10, [&](Fernbedienung &fb) {
        fb.bewegen(zeichenflaeche.x, zeichenflaeche.y);
        for (unsigned long k : {XK_Escape, XK_x, XK_Escape, XK_Escape}) fb.taste(k);
    });
    int n = 0, z = 0, k = 0;
    bool taste_da = false;
    EXPECT_TRUE(abwarten([&] {
        if (keyget(&n, &z, &k)) taste_da = true;
        return taste_da && !aufrufe.empty();
    }));
    ASSERT_EQ(aufrufe.size(), 1u);
    EXPECT_EQ(aufrufe[0].id, -2);
    EXPECT_EQ(k, static_cast<int>(XK_Escape));
    EXPECT_EQ(z, 27);
    EXPECT_EQ(n, 1);
}

// However the menu was opened, Escape closes it and arms no shortcut: after
// a click beside it, Escape and the key run the item.
TEST(Menuereignisse, EscapeSchliesstDasMenuOhneEineTasteZuVerlieren)
{
    struct Fall {
        const char *wie;
        std::function<void(Fernbedienung &)> oeffnen, nach_escape;
    };
    const Fall faelle[] = {
        {"click on the title", [](Fernbedienung &fb) { fb.klick(titel(0).x, titel(0).y); }, nullptr},
        {"button held on the title",
         [](Fernbedienung &fb) {
             fb.bewegen(titel(0).x, titel(0).y);
             fb.druecken();
         },
         [](Fernbedienung &fb) { fb.loslassen(); }},
    };
    for (const Fall &f : faelle) {
        Sitzung s(menue_mit_kuerzel);
        std::atomic<bool> offen{false}, zu{false};
        Fernsteuerung skript(s.x.name(), win10, [&](Fernbedienung &fb) {
            f.oeffnen(fb);
            warten_auf(offen);
            fb.taste(XK_Escape);
            if (f.nach_escape) f.nach_escape(fb);
            warten_auf(zu);
            fb.klick(zeichenflaeche.x, zeichenflaeche.y);
            for (unsigned long k : {XK_Escape, XK_x}) fb.taste(k);
        });
        EXPECT_TRUE(abwarten([] { return gezeigt(menu.klappfenster[0]); })) << f.wie;
        offen = true;
        EXPECT_TRUE(abwarten([] { return !gezeigt(menu.klappfenster[0]) && klappr.istoffen() == 0; })) << f.wie;
        zu = true;
        EXPECT_TRUE(abwarten([] { return !aufrufe.empty(); })) << f.wie;
        EXPECT_EQ(aufrufe.size(), 1u) << f.wie;
    }
}

TEST(Menuereignisse, SchliessanfrageGibtEins)
{
    Sitzung s(beispielmenue);
    Display *d = XOpenDisplay(s.x.name().c_str());
    ASSERT_NE(d, nullptr);
    // Another client message ends the waiting too, but is no close request.
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = win10;
    e.xclient.message_type = XInternAtom(d, "UMBRIX_ANDERES", False);
    e.xclient.format = 32;
    XSendEvent(d, win10, False, NoEventMask, &e);
    XFlush(d);
    EXPECT_EQ(waitmenu(1), 1);
    EXPECT_EQ(schliessen_angefordert(), 0);

    testhilfe::schliessen_anfordern(d, win10);
    EXPECT_EQ(waitmenu(1), 1);
    EXPECT_EQ(schliessen_angefordert(), 1);
    EXPECT_EQ(waitmenu(0), 0);
    EXPECT_EQ(schliessen_angefordert(), 1);  // it stays
    XCloseDisplay(d);
}

namespace {
void menue_mit_untermenue()
{
    setmenu(2, "Bild", "Hilfe");
    setmenu(2, "Farbe", "Info", merken<1>, merken<2>);
    setsubmenu(1, "rot", merken<11>);
    setsubmenu(1, "gruen", merken<12>);
    setsubmenu(1, "blau", merken<13>);
    setmenu(1, "Ende", merken<3>);
}

struct Geometrie {
    int x, y, b, h;
};

Geometrie geometrie(Window w)
{
    Window wurzel;
    int x, y;
    unsigned b, h, rand, tiefe;
    XGetGeometry(dpy, w, &wurzel, &x, &y, &b, &h, &rand, &tiefe);
    return {x, y, static_cast<int>(b), static_cast<int>(h)};
}
}  // namespace

TEST(Menuereignisse, UntermenueNebenDemPunktUndSeineIds)
{
    Sitzung s(menue_mit_untermenue);
    const int Z = zeilenabstand;
    const _xsubmenu *sub = menu.feldsub[2];
    ASSERT_NE(sub, nullptr);
    Punkt t = titel(0), farbe = punkt(0, 1);
    Punkt gruen{sub->x + 10, sub->y + 1 + Z + Z / 2};
    std::atomic<bool> sub_gesehen{false};
    Fernsteuerung skript(s.x.name(), win10, [&](Fernbedienung &fb) {
        fb.bewegen(t.x, t.y);
        fb.druecken();
        fb.bewegen(farbe.x, farbe.y);
        warten_auf(sub_gesehen);
        fb.bewegen(gruen.x, gruen.y);
        fb.loslassen();
    });
    EXPECT_TRUE(abwarten([&] { return gezeigt(sub->fenster); }));
    sub_gesehen = true;
    // Beside its parent item: overlapping the pull-down's right edge, its
    // first row level with the parent's row.
    Geometrie k = geometrie(menu.klappfenster[0]), g = geometrie(sub->fenster);
    EXPECT_GT(g.x, k.x + k.b / 2);
    EXPECT_LT(g.x, k.x + k.b);
    EXPECT_GT(g.x + g.b, k.x + k.b);
    int parent_mitte = farbe.y, erste_reihe_mitte = g.y + 1 + Z / 2;
    EXPECT_LT(std::abs(parent_mitte - erste_reihe_mitte), Z / 2);
    EXPECT_EQ(g.h, 1 + 3 * Z);

    EXPECT_EQ(waitmenu(1), 0);
    ASSERT_EQ(aufrufe.size(), 1u);
    EXPECT_EQ(aufrufe[0].wer, 12);
    EXPECT_EQ(aufrufe[0].id, (1L << 16) + 2 + 1);
    EXPECT_FALSE(gezeigt(sub->fenster));
    EXPECT_FALSE(gezeigt(menu.klappfenster[0]));
}

TEST(Menuereignisse, LeisteKlappfensterRahmenUndHervorhebung)
{
    Sitzung s(beispielmenue);
    const int Z = zeilenabstand, H = pixprobuchst_y;
    Window leiste = menu.leistenfenster;
    // The bar: a line along its bottom, black text on white.
    EXPECT_TRUE(schwarz(leiste, menu0_breite - 5, menu0_hoehe - 1));
    EXPECT_FALSE(schwarz(leiste, menu0_breite - 5, 2));
    bool text = false;
    for (int x = menu.titel_x[0]; x < menu.titel_x[1] && !text; ++x)
        for (int y = 0; y < menu0_hoehe - 1 && !text; ++y) text = schwarz(leiste, x, y);
    EXPECT_TRUE(text);

    Window klapp = menu.klappfenster[0];
    menu_klappen(titel(0).x, titel(0).y);
    ASSERT_TRUE(abwarten([&] { return gezeigt(klapp); }));
    int e = menu.klappbreite[0] - 1, F = 3 * Z + H / 5;
    ASSERT_TRUE(abwarten([&] { return schwarz(klapp, e, F / 2); }));
    EXPECT_TRUE(schwarz(klapp, 0, F / 2));
    EXPECT_TRUE(schwarz(klapp, e / 2, F));
    int titelbreite = menu.titel_x[1] - menu.titel_x[0];
    EXPECT_TRUE(schwarz(klapp, titelbreite + 2, 0));
    EXPECT_FALSE(schwarz(klapp, titelbreite / 2, 0));  // open under the title

    // The highlight frame follows the pointer from row 2 to row 3.
    int y2 = menu.feld_y[4] - Z * 4 / 5 + 2 + (Z - 4) / 2, y3 = y2 + Z;
    menu_markieren(punkt(0, 2).x, punkt(0, 2).y);
    EXPECT_TRUE(schwarz(klapp, 2, y2));
    EXPECT_FALSE(schwarz(klapp, 2, y3));
    menu_markieren(punkt(0, 3).x, punkt(0, 3).y);
    EXPECT_FALSE(schwarz(klapp, 2, y2));
    EXPECT_TRUE(schwarz(klapp, 2, y3));

    // Closed and opened again: the same row is framed again.
    menu_klappen(-1, -1);
    menu_klappen(titel(0).x, titel(0).y);
    ASSERT_TRUE(abwarten([&] { return schwarz(klapp, e, F / 2); }));
    EXPECT_FALSE(schwarz(klapp, 2, y3));  // no frame left over from before
    menu_markieren(punkt(0, 3).x, punkt(0, 3).y);
    EXPECT_TRUE(schwarz(klapp, 2, y3));
}

namespace {
void menue_mit_symbolen()
{
    setmenu(1, "Optionen");
    setmenu(1, "%OVoll", merken<1>);
    setmenu(1, "%oLeer", merken<2>);
    setmenu(1, "%R%AXHaken", merken<3>);
}

bool schwarz_im_feld(Window w, int x0, int y0, int x1, int y1)
{
    for (int x = x0; x <= x1; ++x)
        for (int y = y0; y <= y1; ++y)
            if (schwarz(w, x, y)) return true;
    return false;
}
}  // namespace

TEST(Menuereignisse, SymboleUndKuerzelImKlappfenster)
{
    Sitzung s(menue_mit_symbolen);
    const int B = pixprobuchst_x, H = pixprobuchst_y;
    const int h = H * 3 / 4, seite = std::max(B, h);
    Window klapp = menu.klappfenster[0];
    menu_klappen(titel(0).x, titel(0).y);
    int e = menu.klappbreite[0] - 1;
    ASSERT_TRUE(abwarten([&] { return gezeigt(klapp) && schwarz(klapp, e, 2); }));
    // Box of the symbol: at (feld_x + B/2, feld_y - h).
    auto mitte = [&](int c) { return Punkt{menu.feld_x[c] + B / 2 + seite / 2, menu.feld_y[c] - h + seite / 2}; };
    Punkt voll = mitte(1), leer = mitte(2);
    EXPECT_TRUE(schwarz(klapp, voll.x, voll.y));
    EXPECT_FALSE(schwarz(klapp, leer.x, leer.y));
    EXPECT_TRUE(schwarz_im_feld(klapp, leer.x - seite / 2, leer.y - seite / 2, leer.x + seite / 2, leer.y + seite / 2));
    // The check mark's lowest point and the key "AX" near the right edge.
    int c = 3, links = menu.feld_x[c] + B / 2;
    EXPECT_TRUE(schwarz_im_feld(klapp, links + B / 2 - 1, menu.feld_y[c] - 1, links + B / 2 + 1, menu.feld_y[c]));
    int kx = menu.klappbreite[0] - B * 5 / 2;
    EXPECT_TRUE(schwarz_im_feld(klapp, kx, menu.feld_y[c] - H + 2, kx + 2 * B, menu.feld_y[c]));
    // Nothing of a text left of the shortcut column in the "Voll" row.
    EXPECT_FALSE(schwarz_im_feld(klapp, kx, menu.feld_y[1] - H + 2, kx + 2 * B, menu.feld_y[1]));
}

TEST(Menuereignisse, MaustastenZustandUndPosition)
{
    Sitzung s(beispielmenue);
    Fernbedienung fb(s.x.name(), win10);
    fb.bewegen(200, 150);
    struct Fall {
        unsigned knopf;
        int bit;
    };
    for (Fall f : {Fall{1, 0x40}, Fall{2, 0x100}, Fall{3, 0x400}, Fall{4, 0x40}}) {
        fb.druecken(f.knopf);
        EXPECT_TRUE(abwarten([&] { return maustasten_zustand == f.bit; })) << f.knopf;
        fb.loslassen(f.knopf);
        EXPECT_TRUE(abwarten([&] { return maustasten_zustand == 0; })) << f.knopf;
    }
    EXPECT_EQ(mal_mausx, 200);
    EXPECT_EQ(mal_mausy, 150);
    fb.bewegen(300, 100);
    EXPECT_TRUE(abwarten([] { return mal_mausx == 300; }));
    int ix, iy;
    imausposition(&ix, &iy);
    EXPECT_EQ(ix, 300);
    EXPECT_EQ(iy, 100);
    double ux, uy;
    mausposition(&ux, &uy);
    double ex, ey;
    koordpix2user(300, 100, &ex, &ey);
    EXPECT_DOUBLE_EQ(ux, ex);
    EXPECT_DOUBLE_EQ(uy, ey);
}

TEST(Menuereignisse, ImausklickWartetAufDruck)
{
    Sitzung s(nullptr);
    Fernsteuerung skript(s.x.name(), win10, [&](Fernbedienung &fb) {
        testhilfe::schlafen(0.1);
        fb.klick(123, 77, 3);
    });
    int x = -1, y = -1;
    imausklick(1, &x, &y);
    EXPECT_EQ(x, 123);
    EXPECT_EQ(y, 77);
    // The release too, so that no button is left held for later tests.
    imausklick(2, &x, &y);
    EXPECT_EQ(maustasten_zustand, 0);
}

TEST(Menuereignisse, ImausklickEndetMitDerSchliessanfrage)
{
    Sitzung s(nullptr);
    Fernsteuerung skript(s.x.name(), win10, [&](Fernbedienung &fb) {
        testhilfe::schliessen_anfordern(fb.display(), win10);
        fb.abwarten(0.5);
        fb.klick(211, 99);  // ends a wait that missed the request
    });
    int x = -1, y = -1;
    imausklick(0, &x, &y);
    EXPECT_NE(x, 211);
    EXPECT_EQ(schliessen_angefordert(), 1);
}

namespace {
int gedrueckt = 0, losgelassen = 0, belichtet = 0, bewegt = 0;
void hook_druck() { ++gedrueckt; }
void hook_los() { ++losgelassen; }
void hook_expose() { ++belichtet; }
void hook_bewegung() { ++bewegt; }
}  // namespace

TEST(Menuereignisse, OhneMenuEigeneFunktionenUndZusammenfassung)
{
    Sitzung s(nullptr);
    Window wurzel, eltern, *kinder = nullptr;
    unsigned n = 0;
    XQueryTree(dpy, win10, &wurzel, &eltern, &kinder, &n);
    if (kinder) XFree(kinder);
    EXPECT_EQ(n, 0u);  // no bar
    set_funktions(hook_druck, hook_los, hook_expose, hook_bewegung);
    Fernbedienung fb(s.x.name(), win10);
    for (int i = 0; i < 20; ++i) fb.bewegen(100 + i, 100);
    fb.druecken();
    fb.loslassen();
    XSync(dpy, False);
    EXPECT_TRUE(abwarten([] { return losgelassen == 1; }));
    EXPECT_EQ(gedrueckt, 1);
    EXPECT_LE(bewegt, 3);  // queued motion is taken as one
    // One clear of the whole window: one call however many rectangles.
    XClearArea(dpy, win10, 0, 0, 0, 0, True);
    XClearArea(dpy, win10, 10, 10, 20, 20, True);
    XSync(dpy, False);
    Sitzung::pumpen(0.1);
    EXPECT_EQ(belichtet, 1);
    set_funktions(nullptr, nullptr, nullptr, nullptr);
}

TEST(Menuereignisse, BildrefreshAusDemRambild)
{
    Sitzung s(beispielmenue);
    malwerk_rambild = XCreatePixmap(dpy, win10, static_cast<unsigned>(winbreite), static_cast<unsigned>(winhoehe),
                                    static_cast<unsigned>(dept));
    GC g = XCreateGC(dpy, malwerk_rambild, 0, nullptr);
    XSetForeground(dpy, g, 0xFF0000);
    XFillRectangle(dpy, malwerk_rambild, g, 0, 0, static_cast<unsigned>(winbreite), static_cast<unsigned>(winhoehe));
    XFreeGC(dpy, g);
    malwerk_rambildflag = 1;
    malwerk_refreshflag = 0;
    malwerk_initalflag = 0;
    // The first exposure only enables the repaint.
    XClearArea(dpy, win10, 0, 0, 0, 0, True);
    EXPECT_TRUE(abwarten([] { return malwerk_refreshflag == 1; }));
    EXPECT_NE(testhilfe::pixel_lesen(dpy, win10, 300, 300), 0xFF0000u);
    // During a plot phase nothing is copied.
    malwerk_initalflag = 1;
    XClearArea(dpy, win10, 0, 0, 0, 0, True);
    Sitzung::pumpen(0.1);
    EXPECT_NE(testhilfe::pixel_lesen(dpy, win10, 300, 300), 0xFF0000u);
    malwerk_initalflag = 0;
    XClearArea(dpy, win10, 0, 0, 0, 0, True);
    EXPECT_TRUE(abwarten([] { return testhilfe::pixel_lesen(dpy, win10, 300, 300) == 0xFF0000u; }));
    // In the complement drawing mode the repaint still copies the picture
    // as it is (onto the same picture: a combining copy would erase it).
    drawmode(3);
    XEvent e{};
    e.xexpose.type = Expose;
    e.xexpose.window = win10;
    e.xexpose.width = winbreite;
    e.xexpose.height = winhoehe;
    XSendEvent(dpy, win10, False, ExposureMask, &e);
    XSync(dpy, False);
    Sitzung::pumpen(0.1);
    EXPECT_EQ(testhilfe::pixel_lesen(dpy, win10, 300, 300), 0xFF0000u);
}

TEST(Menuereignisse, WarteschlangeBehaeltEigeneEreignisse)
{
    Sitzung s(beispielmenue);
    Sitzung::pumpen(0.05);
    XSync(dpy, False);
    ASSERT_EQ(XEventsQueued(dpy, QueuedAfterReading), 0);
    Fernbedienung fb(s.x.name(), win10);
    fb.klick(zeichenflaeche.x, zeichenflaeche.y);
    // Copies between pixmaps report NoExpose for a drawable that no window
    // check takes.
    Pixmap p = XCreatePixmap(dpy, win10, 4, 4, static_cast<unsigned>(dept));
    for (int i = 0; i < 3; ++i) XCopyArea(dpy, p, p, DefaultGCOfScreen(screen), 0, 0, 1, 1, 1, 1);
    XSync(dpy, False);
    int vorher = XEventsQueued(dpy, QueuedAfterReading);
    ASSERT_GE(vorher, 6);
    XEvent e;
    for (int i = 0; i < 5; ++i) EXPECT_EQ(myXCheckEvent(dpy, ClientMessage, &e), 0);
    EXPECT_EQ(XEventsQueued(dpy, QueuedAfterReading), vorher);  // the window's events lead: kept
    EXPECT_TRUE(abwarten([] { return maustasten_zustand == 0x40; }));
    EXPECT_TRUE(abwarten([] { return maustasten_zustand == 0; }));
    // Foreign heads go while more than two events wait.
    for (int i = 0; i < 5; ++i) myXCheckEvent(dpy, ClientMessage, &e);
    EXPECT_EQ(XEventsQueued(dpy, QueuedAfterReading), 2);
    XFreePixmap(dpy, p);
}

namespace {
int formular_ergebnis = -1;
void formular_oeffnen(long)
{
    int jahr = 2000;
    formular_ergebnis = requester_input(1, " Jahr ", "%d", "%d", &jahr);
}
void formularmenue()
{
    setmenu(1, "File");
    setmenu(1, "Jahr...", formular_oeffnen);
}
// Press on the title, drag to the item, release there.
void ziehen(Fernbedienung &fb, Punkt titel, Punkt punkt)
{
    fb.bewegen(titel.x, titel.y);
    fb.druecken();
    fb.bewegen(punkt.x, punkt.y);
    fb.loslassen();
}
}  // namespace

TEST(Menuereignisse, SchliessanfrageImFormularEinesMenuepunkts)
{
    Sitzung s(formularmenue);
    Fernsteuerung skript(s.x.name(), win10, [&](Fernbedienung &fb) {
        ziehen(fb, titel(0), punkt(0, 1));
        ASSERT_NE(testhilfe::fenster_suchen(fb.display(), "Input-Requester"), 0u);
        testhilfe::schliessen_anfordern(fb.display(), win10);
        fb.abwarten(0.5);
        // A form that missed the request is cancelled by hand.
        if (testhilfe::fenster_suchen(fb.display(), "Input-Requester", 0.1) && fb.fenster_finden("Input-Requester")) {
            fb.taste(XK_Tab, XK_Shift_L);
            fb.taste(XK_Return);
        }
    });
    // The form ends as if cancelled, and the waiting loop learns of the request.
    EXPECT_EQ(waitmenu(1), 1);
    EXPECT_EQ(formular_ergebnis, 0);
    EXPECT_EQ(schliessen_angefordert(), 1);
}

TEST(Menuereignisse, AutomenuLoopEndetMitExit)
{
    XvfbServer x(1280, 1024, 24);
    x.als_display_setzen();
    setmenu(-1);
    setsize(400, 300, 24);
    qinital(1, 0, 0, 1, 1);
    Sitzung::pumpen(0.1);
    Fernsteuerung skript(x.name(), win10, [&](Fernbedienung &fb) { ziehen(fb, titel(0), punkt(0, 1)); });
    EXPECT_EQ(automenu_loop(), 0);
    EXPECT_EQ(malwerk_initalflag, 0);  // the plot phase was ended first
    term_exit();
}
