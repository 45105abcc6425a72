// The pen plotter and the direct polylines. The X requests they make are
// counted through a thin seam: this program's own XDrawLines and XDrawLine
// record each request and pass it on to Xlib.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/malflaeche.h"
#include "xmalwerk1/xmalwerk1.h"
#include "xmalwerk1/core/intern.h"

#include <dlfcn.h>

#include <string>
#include <vector>

using testhilfe::Malflaeche;

namespace {

struct Anfrage {
    int n;
    int x0, y0, x1, y1;  // first and last point
};
std::vector<Anfrage> anfragen;

}  // namespace

extern "C" int XDrawLines(Display *d, Drawable w, GC g, XPoint *p, int n, int modus)
{
    using Echt = int (*)(Display *, Drawable, GC, XPoint *, int, int);
    static Echt echt = reinterpret_cast<Echt>(dlsym(RTLD_NEXT, "XDrawLines"));
    anfragen.push_back({n, p[0].x, p[0].y, p[n - 1].x, p[n - 1].y});
    return echt(d, w, g, p, n, modus);
}

extern "C" int XDrawLine(Display *d, Drawable w, GC g, int x1, int y1, int x2, int y2)
{
    using Echt = int (*)(Display *, Drawable, GC, int, int, int, int);
    static Echt echt = reinterpret_cast<Echt>(dlsym(RTLD_NEXT, "XDrawLine"));
    anfragen.push_back({2, x1, y1, x2, y2});
    return echt(d, w, g, x1, y1, x2, y2);
}

TEST(Stiftplotter, LangerLinienzugInStueckenVon200Punkten)
{
    Malflaeche m(600, 400);
    anfragen.clear();
    q2plot(0, 0, 3);
    for (int i = 1; i <= 450; ++i) q2plot(i, (i % 2) * 50, 2);
    ASSERT_EQ(anfragen.size(), 2u);  // the third piece is still pending
    EXPECT_EQ(plo_i, 53);
    mal_flush();
    ASSERT_EQ(anfragen.size(), 3u);
    EXPECT_EQ(anfragen[0].n, 200);
    EXPECT_EQ(anfragen[1].n, 200);
    EXPECT_EQ(anfragen[2].n, 53);
    // Each piece starts where the one before ended.
    EXPECT_EQ(anfragen[1].x0, anfragen[0].x1);
    EXPECT_EQ(anfragen[1].y0, anfragen[0].y1);
    EXPECT_EQ(anfragen[2].x0, anfragen[1].x1);
    EXPECT_EQ(anfragen[2].x1, 450);
    EXPECT_EQ(anfragen[2].y1, m.zeile_von(0));
    // The joints are drawn: the zigzag passes pixel column 199 and 398.
    EXPECT_EQ(m.pixel(199, m.zeile_von(50)), m.weiss());
    EXPECT_EQ(m.pixel(398, m.zeile_von(0)), m.weiss());
}

TEST(Stiftplotter, StiftcodesUndLeereFlushes)
{
    Malflaeche m;
    anfragen.clear();
    q2plot(10, 10, 2);  // a first draw only starts the polyline
    EXPECT_EQ(plo_i, 1);
    q2plot(50, 10, 0);  // codes below 2 change nothing
    q2plot(50, 10, 1);
    EXPECT_EQ(plo_i, 1);
    q2plot(30, 30, 3);
    q2plot(40, 40, 3);  // two moves draw nothing
    mal_flush();
    PLOT_FLUSH();
    EXPECT_TRUE(anfragen.empty());
    EXPECT_EQ(m.zaehlen(0, 0, 399, 299, m.weiss()), 0);
    // An empty flush keeps the pen position: the next draw starts at (40, 40).
    q2plot(0, 0, 5);
    q2plot(60, 40, 2);
    EXPECT_TRUE(anfragen.empty());
    q2plot(0, 0, 5);  // 5 flushes as 4 does
    ASSERT_EQ(anfragen.size(), 1u);
    EXPECT_EQ(anfragen[0].n, 2);
    EXPECT_EQ(anfragen[0].x0, 40);
    EXPECT_EQ(anfragen[0].x1, 60);
    EXPECT_EQ(m.zeile(m.zeile_von(40), 38, 62, m.weiss()), "..#####################..");
}

TEST(Stiftplotter, PixelFlavoursUndFloatFlavours)
{
    Malflaeche m;
    anfragen.clear();
    moveto(5, 5);
    lineto(25, 5);
    lineto(25, 15);
    float x[3] = {100, 120, 120}, y[3] = {100, 100, 80};
    short n = 3;
    line(&n, x, y);  // flushes the pixel polyline, leaves its own pending
    ASSERT_EQ(anfragen.size(), 1u);
    EXPECT_EQ(anfragen[0].n, 3);
    float px = 200, py = 200;
    short stift = 3;
    plot(&px, &py, &stift);
    ASSERT_EQ(anfragen.size(), 2u);
    EXPECT_EQ(anfragen[1].n, 3);
    EXPECT_EQ(m.pixel(25, 10), m.weiss());
    EXPECT_EQ(m.pixel(110, m.zeile_von(100)), m.weiss());
    EXPECT_EQ(m.pixel(120, m.zeile_von(90)), m.weiss());
    // An empty or negative count touches no point of the arrays.
    short null = 0, negativ = -2;
    line(&null, nullptr, nullptr);
    testing::internal::CaptureStdout();
    line(&negativ, nullptr, nullptr);
    fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "ERROR in line(): negative Anzahl -2\n");
}

TEST(Stiftplotter, ZielIstDerHinterpufferWennEsIhnGibt)
{
    Malflaeche m;
    dpuffer = XCreatePixmap(dpy, win10, 401, 301, static_cast<unsigned>(dept));
    color(0);
    ifillbox(0, 0, 400, 300);
    color(0xFFFFFF);
    q2plot(10, 10, 3);
    q2plot(30, 10, 2);
    mal_flush();
    XSync(dpy, False);
    EXPECT_EQ(testhilfe::pixel_lesen(dpy, dpuffer, 20, m.zeile_von(10)), m.weiss());
    EXPECT_EQ(testhilfe::pixel_lesen(dpy, win10, 20, m.zeile_von(10)), m.schwarz());
    XFreePixmap(dpy, dpuffer);
    dpuffer = 0;
}

TEST(DirekteLinien, StueckeVonTausendPunktenMitGemeinsamenEnden)
{
    Malflaeche m(1000, 300);
    std::vector<double> x(2500), y(2500);
    for (int i = 0; i < 2500; ++i) {
        x[i] = i % 1000;
        y[i] = i / 10 % 2 ? 100 : 20;
    }
    q2plot(5, 5, 3);
    q2plot(6, 6, 2);  // pending, drawn first
    anfragen.clear();
    mal_line(2500, x.data(), y.data());
    ASSERT_EQ(anfragen.size(), 4u);
    EXPECT_EQ(anfragen[0].n, 2);
    EXPECT_EQ(anfragen[1].n, 1000);
    EXPECT_EQ(anfragen[2].n, 1000);
    EXPECT_EQ(anfragen[3].n, 502);
    EXPECT_EQ(anfragen[2].x0, anfragen[1].x1);
    EXPECT_EQ(anfragen[3].x0, anfragen[2].x1);
    EXPECT_EQ(anfragen[3].x1, 2499 % 1000);
    EXPECT_EQ(plo_i, 1);  // the direct path leaves the plotter alone

    // Pixels: the same chunking for iline, 16-bit coordinates pinned.
    anfragen.clear();
    int ix[3] = {10, 40, 70000}, iy[3] = {290, 290, 290};
    iline(3, ix, iy);
    ASSERT_EQ(anfragen.size(), 1u);
    EXPECT_EQ(anfragen[0].x1, 32767);
    EXPECT_EQ(m.zeile(290, 8, 12, m.weiss()), "..###");
    EXPECT_EQ(m.pixel(999, 290), m.weiss());
}

TEST(DirekteLinien, AusserhalbEinesBildesMitWarnungStattWarten)
{
    Malflaeche m;
    term_refresh();
    ASSERT_EQ(malwerk_initalflag, 0);
    double x[2] = {0, 100}, y[2] = {50, 50};
    int ix[2] = {0, 100}, iy[2] = {10, 10};
    testing::internal::CaptureStdout();
    mal_line(2, x, y);
    iline(2, ix, iy);
    q2plot(0, 0, 3);
    q2plot(10, 0, 2);
    mal_flush();
    fflush(stdout);
    std::string aus = testing::internal::GetCapturedStdout();
    EXPECT_EQ(aus, "WARNING in plot(): zuerst inital() aufrufen\n"
                   "WARNING in plot(): zuerst inital() aufrufen\n"
                   "WARNING in plot(): zuerst inital() aufrufen\n");
    EXPECT_EQ(m.pixel(50, m.zeile_von(50)), m.weiss());
    EXPECT_EQ(m.pixel(50, 10), m.weiss());
    EXPECT_EQ(m.pixel(5, m.zeile_von(0)), m.weiss());
}

TEST(DirekteLinien, NegativeAnzahlenUndKeinDisplay)
{
    q2plot(1, 1, 3);
    q2plot(2, 2, 2);
    testing::internal::CaptureStdout();
    mal_flush();  // no display: the points are dropped
    mal_line(-1, nullptr, nullptr);
    ipunkte(static_cast<XPoint *>(nullptr), -5, 1);
    fflush(stdout);
    std::string aus = testing::internal::GetCapturedStdout();
    EXPECT_EQ(aus, "ERROR in q2plot(): kein Display offen, zuerst inital() aufrufen\n"
                   "ERROR in mal_line(): negative Anzahl -1\n");
    EXPECT_EQ(plo_i, 1);
}

TEST(Punkte, PunkteInFarbeUndOhneAufzeichnung)
{
    Malflaeche m;
    setcolor(2, 255, 0, 0);
    unsigned long rot = colortabelle[2].pixel;
    ipunkt(3, 4, 2);
    EXPECT_EQ(m.pixel(3, 4), rot);
    XPoint p[3] = {{10, 10}, {12, 10}, {14, 11}};
    ipunkte(p, 3, 3);
    EXPECT_EQ(m.zeile(10, 9, 15, colortabelle[3].pixel), ".#.#...");
    const XPoint q[1] = {{20, 20}};
    ipunkte(q, 1, 2);
    EXPECT_EQ(m.pixel(20, 20), rot);
    mal_punkt(30, 30, 4);
    EXPECT_EQ(mal_farbe, 4);
    EXPECT_EQ(m.pixel(30, m.zeile_von(30)), colortabelle[4].pixel);
    float fx = 40, fy = 41;
    qpunkt(&fx, &fy);
    EXPECT_EQ(m.pixel(40, m.zeile_von(41)), colortabelle[4].pixel);
    iplotline(0, 100, 9, 100, 2);
    EXPECT_EQ(m.zeile(100, 0, 10, rot), "##########.");
}
