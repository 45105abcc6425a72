// Drawing of gadgets, read back from a pixmap: the XOR cursor, frames and
// labels, the list with its scroll bar and the scroll bar's clicks.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/xvfb.h"
#include "xmalwerk1/requester/requester_intern.h"

#include <X11/Xutil.h>

#include <algorithm>

#include <string>
#include <vector>

using testhilfe::XvfbServer;

namespace {

constexpr int B = 500, H = 400;

class Gadgetbild : public ::testing::Test {
protected:
    void SetUp() override
    {
        x_.als_display_setzen();
        requester_font_anfordern(0);
        ASSERT_TRUE(requester_bereit());
        d_ = requester_dpy;
        const int s = DefaultScreen(d_);
        reqhigrund = WhitePixel(d_, s);
        reqfogrund = BlackPixel(d_, s);
        cw_ = reqpixprobuchst_x;
        ch_ = reqpixprobuchst_y;
        bild_ = XCreatePixmap(d_, RootWindow(d_, s), B, H, static_cast<unsigned>(DefaultDepth(d_, s)));
        XGCValues v;
        v.foreground = reqhigrund;
        v.background = reqhigrund;
        v.font = requ_fontstruct->fid;
        gc_ = XCreateGC(d_, bild_, GCForeground | GCBackground | GCFont, &v);
        XFillRectangle(d_, bild_, gc_, 0, 0, B, H);
        XSetForeground(d_, gc_, reqfogrund);
    }
    void TearDown() override
    {
        if (gc_) XFreeGC(d_, gc_);
        if (bild_) XFreePixmap(d_, bild_);
    }
    std::vector<unsigned long> pixel()
    {
        XImage *i = XGetImage(d_, bild_, 0, 0, B, H, AllPlanes, ZPixmap);
        std::vector<unsigned long> p;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < B; ++x) p.push_back(XGetPixel(i, x, y));
        XDestroyImage(i);
        return p;
    }
    bool schwarz(int x, int y) { return testhilfe::pixel_lesen(d_, bild_, x, y) == reqfogrund; }
    // The box around every pixel that differs between two pictures; false if none.
    static bool unterschied(const std::vector<unsigned long> &a, const std::vector<unsigned long> &b, int *x1,
                            int *y1, int *x2, int *y2)
    {
        *x1 = *y1 = 1 << 20;
        *x2 = *y2 = -1;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < B; ++x)
                if (a[static_cast<size_t>(y * B + x)] != b[static_cast<size_t>(y * B + x)]) {
                    *x1 = std::min(*x1, x);
                    *y1 = std::min(*y1, y);
                    *x2 = std::max(*x2, x);
                    *y2 = std::max(*y2, y);
                }
        return *x2 >= 0;
    }
    NewGadget &feld(int i, int typ, int x, int y, int breite, const char *text, const char *label = "")
    {
        NewGadget &g = newgadgets[i];
        g = NewGadget{static_cast<short>(x), static_cast<short>(y), static_cast<short>(breite),
                      static_cast<short>(ch_ * 3 / 2 + 1), label, static_cast<unsigned short>(i), typ, nullptr,
                      nullptr};
        gadgetstr[i].maxlaenge = 400;
        gadgetstr[i].set(text);
        return g;
    }

    XvfbServer x_;
    Display *d_ = nullptr;
    Pixmap bild_ = 0;
    GC gc_ = nullptr;
    int cw_ = 0, ch_ = 0;
};

}  // namespace

TEST_F(Gadgetbild, KursorZweimalGezeichnetLaesstDasGadgetWieEsWar)
{
    NewGadget &g = feld(0, 15, 40, 60, 20 * cw_, "abc");
    gadgets_anschreiben(bild_, gc_, 1, 0, 0, -1);
    auto vorher = pixel();
    EXPECT_EQ(eingabekursor(bild_, gc_, &g, 0, 0, 1), 1);
    auto mit = pixel();
    int x1, y1, x2, y2;
    ASSERT_TRUE(unterschied(vorher, mit, &x1, &y1, &x2, &y2));
    const int links = g.x + cw_ / 2;
    EXPECT_EQ(x1, links - 1 + cw_) << "the cell of character 1";
    EXPECT_EQ(x2, links - 1 + 2 * cw_);
    EXPECT_EQ(y1, g.y + 1);
    EXPECT_EQ(y2, g.y + g.hoehe - 1);
    EXPECT_EQ(eingabekursor(bild_, gc_, &g, -1, -1, -1), 1) << "toggled at the same place";
    EXPECT_EQ(pixel(), vorher);
}

TEST_F(Gadgetbild, KursorHinterDemTextUndAmRechtenRandBleibtImKasten)
{
    NewGadget &g = feld(0, 15, 40, 60, 5 * cw_, "ab");
    gadgets_anschreiben(bild_, gc_, 1, 0, 0, -1);
    // Past the end of a short text the cursor stands behind its last character.
    EXPECT_EQ(eingabekursor(bild_, gc_, &g, 0, 0, 9), 2);
    eingabekursor(bild_, gc_, &g, -1, -1, -1);

    gadgetstr[0].set(std::string(80, 'a').c_str());
    gadgets_anschreiben(bild_, gc_, 1, 0, 0, -1);
    auto vorher = pixel();
    int pos = 0;
    for (int p = 0; p <= 80; ++p) {
        pos = eingabekursor(bild_, gc_, &g, 0, 0, p);
        eingabekursor(bild_, gc_, &g, -1, -1, -1);
    }
    pos = eingabekursor(bild_, gc_, &g, 0, 0, 80);
    EXPECT_EQ(pos, 80) << "the text scrolled one character at a time";
    EXPECT_GT(gadgetstr[0].anfang, 0);
    int x1, y1, x2, y2;
    ASSERT_TRUE(unterschied(vorher, pixel(), &x1, &y1, &x2, &y2));
    EXPECT_GE(x1, g.x + 1);
    EXPECT_LE(x2, g.x + g.breite - 1) << "nothing drawn on or beyond the frame";
    // Leaving the field shows the text from its start again.
    int aktiv = 0;
    eingabekursor_off(&aktiv);
    EXPECT_EQ(gadgetstr[0].anfang, 0);
}

TEST_F(Gadgetbild, KlickSetztDenKursorAufDieZelle)
{
    NewGadget &g = feld(0, 15, 40, 60, 20 * cw_, "abcdef");
    gadgets_anschreiben(bild_, gc_, 1, 0, 0, -1);
    const int links = g.x + cw_ / 2;
    EXPECT_EQ(eingabekursor(bild_, gc_, &g, links + 3 * cw_ + cw_ / 2, g.y + 5, -1), 3);
    eingabekursor(bild_, gc_, &g, -1, -1, -1);
    EXPECT_EQ(eingabekursor(bild_, gc_, &g, g.x + 1, g.y + 5, -1), 0) << "left of the first cell";
    eingabekursor(bild_, gc_, &g, -1, -1, -1);
    EXPECT_EQ(eingabekursor(bild_, gc_, &g, g.x + g.breite - 2, g.y + 5, -1), 6) << "right of the text";
}

TEST_F(Gadgetbild, DoppelrahmenZeigtDenMarkiertenKnopf)
{
    NewGadget &k = feld(0, 16, 60, 80, 9 * cw_, "", "   OK");
    gadgets_anschreiben(bild_, gc_, 1, 0, 0, 0);
    const int ym = k.y + k.hoehe / 2;
    EXPECT_TRUE(schwarz(k.x, ym));
    EXPECT_TRUE(schwarz(k.x - 3, ym));
    EXPECT_TRUE(schwarz(k.x + k.breite + 3, ym));
    gadgets_anschreiben(bild_, gc_, 1, 0, 0, -1);
    EXPECT_TRUE(schwarz(k.x, ym));
    EXPECT_FALSE(schwarz(k.x - 3, ym)) << "the mark is erased";
    EXPECT_FALSE(schwarz(k.x + k.breite + 3, ym));
}

TEST_F(Gadgetbild, BeschriftungLinksUndOberhalb)
{
    const int hoch = ch_ * 3 / 2 + 1;
    NewGadget &links = feld(0, 1, 200, 60, 10 * cw_, "x", "Datei:");
    NewGadget &oben = feld(1, 4, 200, 200, 10 * cw_, "x", "Monat");
    gadgets_anschreiben(bild_, gc_, 2, hoch, 0, -1);
    auto tinte = [&](int xa, int xb, int ya, int yb) {
        for (int y = ya; y <= yb; ++y)
            for (int x = xa; x <= xb; ++x)
                if (schwarz(x, y)) return true;
        return false;
    };
    // Right-aligned against the box: six cells to its left, nothing before.
    EXPECT_TRUE(tinte(links.x - 6 * cw_, links.x - 1, links.y, links.y + links.hoehe));
    EXPECT_FALSE(tinte(0, links.x - 6 * cw_ - 1, links.y - 5, links.y + links.hoehe + 5));
    // Above the box, in the band the row pitch leaves.
    EXPECT_TRUE(tinte(oben.x, oben.x + oben.breite, oben.y - 2 * ch_, oben.y - 4));
    EXPECT_FALSE(tinte(0, oben.x - 4, oben.y - 2 * ch_, oben.y + oben.hoehe));
}

namespace {

std::string eintraege(int n)
{
    std::string t;
    for (int i = 0; i < n; ++i) t += (i ? "\n" : "") + std::string("eintrag") + std::to_string(i);
    return t;
}

}  // namespace

TEST_F(Gadgetbild, ListeMitSchiebebalken)
{
    static const std::string text = eintraege(30);
    NewGadget &g = feld(0, 17, 20, 20, 24 * cw_, "", text.c_str());
    const int rh = ch_ * 5 / 4;
    g.hoehe = static_cast<short>(5 * rh + (ch_ / 3) * 2);
    Gadget2 *L = machgadget(&g, 5);
    ASSERT_EQ(L->anzahl, 30);
    EXPECT_EQ(g.breite, 24 * cw_ + cw_ * 3 / 2) << "widened for the scroll bar";
    EXPECT_EQ(L->breite, 24 * cw_);
    gadgets_anschreiben(bild_, gc_, 1, 0, 0, -1);

    int sbw = cw_ * 3 / 2;
    if (sbw % 2) ++sbw;
    const int sx = L->x + L->breite, mitte = sx + sbw / 2;
    const int unten_rand = L->y + L->hoehe;
    Schiebebalken &s = schiebebalken;
    EXPECT_TRUE(schwarz(mitte, L->y + 1)) << "thumb at the top";
    EXPECT_FALSE(schwarz(mitte, unten_rand - 2 * rh - 2)) << "track free above the arrows";

    // Below the thumb: a page down; the list and thumb are redrawn.
    eingabekursor(bild_, gc_, &g, mitte, s.unten + 2, -1);
    EXPECT_EQ(L->erster, 5);
    int versatz = 0;
    s.calc(L, &versatz);
    EXPECT_TRUE(schwarz(mitte, L->y + versatz + 1));
    EXPECT_FALSE(schwarz(mitte, L->y + 1));
    // Above it: a page up.
    eingabekursor(bild_, gc_, &g, mitte, s.oben - 1, -1);
    EXPECT_EQ(L->erster, 0);
    // Arrow boxes: the upper one steps back, the lower one on.
    eingabekursor(bild_, gc_, &g, mitte, unten_rand - rh / 2, -1);
    eingabekursor(bild_, gc_, &g, mitte, unten_rand - rh / 2, -1);
    EXPECT_EQ(L->erster, 2);
    eingabekursor(bild_, gc_, &g, mitte, unten_rand - rh - rh / 2, -1);
    EXPECT_EQ(L->erster, 1);

    // Dragging the thumb by 3 entries' way moves the list by 3.
    s.calc(L);
    const int griff_y = s.oben + 1;
    eingabekursor(bild_, gc_, &g, mitte, griff_y, -1);
    EXPECT_EQ(s.zustand, -5);
    EXPECT_EQ(L->erster, 1);
    int weg = (3 * s.bahn + L->anzahl / 2) / L->anzahl;
    eingabekursor(bild_, gc_, &g, mitte, griff_y + weg, -1);
    EXPECT_EQ(L->erster, 4);
    eingabekursor(bild_, gc_, &g, mitte, griff_y + 10 * s.bahn, -1);
    EXPECT_EQ(L->erster, 25) << "never beyond anzahl - sichtbar";
    s.reset();

    // Steps by ngnextmark are clamped the same way.
    EXPECT_EQ(ngnextmark(bild_, gc_, &g, 100), 0);
    EXPECT_EQ(ngnextmark(bild_, gc_, &g, -3), -3);
    EXPECT_EQ(ngnextmark(bild_, gc_, &g, -100), -22);
}

TEST_F(Gadgetbild, BalkenInDerListe)
{
    static const std::string text = eintraege(30);
    NewGadget &g = feld(0, 17, 20, 20, 24 * cw_, "", text.c_str());
    const int rh = ch_ * 5 / 4;
    g.hoehe = static_cast<short>(5 * rh + (ch_ / 3) * 2);
    machgadget(&g, 5);
    gadgets_anschreiben(bild_, gc_, 1, 0, 0, -1);
    const int oben = g.y + ch_ / 3;
    auto vorher = pixel();
    EXPECT_EQ(eingabekursor(bild_, gc_, &g, g.x + 10, oben + 2 * rh + 1, -1), 2);
    int x1, y1, x2, y2;
    ASSERT_TRUE(unterschied(vorher, pixel(), &x1, &y1, &x2, &y2));
    EXPECT_EQ(y1, oben + 2 * rh);
    EXPECT_EQ(y2, oben + 3 * rh - 1);
    EXPECT_EQ(eingabekursor(bild_, gc_, &g, 0, 0, -1), 2);
    EXPECT_EQ(pixel(), vorher) << "drawn twice, the bar is gone";
    EXPECT_EQ(eingabekursor(bild_, gc_, &g, -1, -1, 9), 4) << "never below the last row";
}

TEST_F(Gadgetbild, KurzeListeRolltNichtUndDerBalkenBleibtOben)
{
    NewGadget &g = feld(0, 17, 20, 20, 24 * cw_, "", "einziger");
    const int rh = ch_ * 5 / 4;
    g.hoehe = static_cast<short>(5 * rh + (ch_ / 3) * 2);
    Gadget2 *L = machgadget(&g, 5);
    ASSERT_EQ(L->anzahl, 1);
    gadgets_anschreiben(bild_, gc_, 1, 0, 0, -1);
    EXPECT_EQ(ngnextmark(bild_, gc_, &g, 1), 0);
    EXPECT_EQ(eingabekursor(bild_, gc_, &g, -1, -1, 4), 1) << "row 1 at most";
    int sbw = cw_ * 3 / 2 + (cw_ * 3 / 2) % 2;
    eingabekursor(bild_, gc_, &g, -1, -1, -1);
    eingabekursor(bild_, gc_, &g, L->x + L->breite + sbw / 2, L->y + L->hoehe - rh / 2, -1);
    EXPECT_EQ(L->erster, 0) << "the lower arrow cannot scroll a short list";
}
