// The text cursor of a field and the selection bar of a list. Both are
// drawn with XOR, so drawing twice at the same place removes them again.
#include "requester_intern.h"

#include <cstdlib>
#include <cstring>

namespace {

int x0 = 0;  // cursor x
int y0 = 0;  // bar y
int xdopp = 0, ydopp = 0;  // last click into a list

void xor_fuellen(Window w, GC g, int x, int y, int b, int h)
{
    Display *d = requester_dpy;
    XSetFunction(d, g, GXxor);
    if (reqhigrund != 0) {
        XSetForeground(d, g, reqhigrund);
        XSetBackground(d, g, reqfogrund);
    }
    if (b > 0 && h > 0) XFillRectangle(d, w, g, x, y, static_cast<unsigned>(b), static_cast<unsigned>(h));
    XSetFunction(d, g, GXcopy);
    XSetForeground(d, g, reqfogrund);
    XSetBackground(d, g, reqhigrund);
}

int textkursor(Window w, GC g, NewGadget *ng, int mx, int pos)
{
    const int cw = reqpixprobuchst_x;
    gadgetstring &b = puffer_von(ng);
    const int links = ng->x + cw / 2;
    const int rechts = ng->x + ng->breite - cw / 2 - 1;
    auto ende = [&] { return links + static_cast<int>(strlen(b.anzeige)) * cw; };
    auto xmax = [&] { return ende() < rechts ? ende() : rechts; };
    if (mx > 0) {
        // Behind the text, or in the cell that the frame cuts off: the
        // cursor goes to the end of the text, which scrolls into view.
        const int n = static_cast<int>(strlen(b.anzeige));
        const int zelle = mx > links ? (mx - links) / cw : 0;
        if (zelle >= n || links - 1 + (zelle + 1) * cw > rechts) {
            pos = b.anfang + n;
            mx = 0;
        }
    }
    if (mx > 0) {
        int x = mx - (mx - links) % cw - 1;
        x0 = x < xmax() ? x : xmax();
    } else if (pos >= 0) {
        bool gerollt = false;
        int p = pos - b.anfang;
        while (p < 0 && b.anfang > 0) {
            b.inc(-1);
            ++p;
            gerollt = true;
        }
        if (p < 0) p = 0;
        int x = links - 1 + p * cw;
        if (x > xmax()) {
            // As far as the position needs: End and a click behind a long
            // text jump many characters at once.
            while (ende() > rechts && x > xmax()) {
                b.inc(1);
                x -= cw;
                gerollt = true;
            }
            x = xmax();
        }
        if (gerollt) ngxdrawstr(w, g, ng, b.anzeige, 0, 1, 0);
        x0 = x;
    }
    // Kept inside the box: at the right end the cursor cell would reach
    // past the frame, where no redraw of the gadget would remove it.
    int von = x0 > ng->x + 1 ? x0 : ng->x + 1;
    int bis = x0 + cw + 1 < ng->x + ng->breite ? x0 + cw + 1 : ng->x + ng->breite;
    xor_fuellen(w, g, von, ng->y + 1, bis - von, ng->hoehe - 1);
    return (x0 + 1 - links) / cw + b.anfang;
}

int listenbalken(Window w, GC g, NewGadget *ng, int mx, int my, int pos)
{
    Gadget2 *L = ng->liste;
    const int cw = reqpixprobuchst_x, ch = reqpixprobuchst_y;
    const int rh = L->zeilenhoehe > 0 ? L->zeilenhoehe : 1;
    const int oben_zeile = ng->y + ch / 3;
    const int letzte = oben_zeile + rh * minmax(L->anzahl - L->erster - 1, 1, L->sichtbar - 1);
    bool doppelklick = false;
    if (my > 0) {
        if (mx >= ng->x + L->breite - cw / 2 - 1) xdopp = ydopp = 0;
        if (mx < L->x + L->breite) {
            doppelklick = xdopp > 0 && ydopp > 0 && std::abs(mx - xdopp) <= 2 && std::abs(my - ydopp) <= 2;
            xdopp = mx;
            ydopp = my;
            int y = my - (my - oben_zeile) % rh;
            y0 = y < letzte ? y : letzte;
        } else {
            const int unten_rand = L->y + L->hoehe;
            int hoechster = L->anzahl - L->sichtbar;
            if (hoechster < 0) hoechster = 0;
            Schiebebalken &s = schiebebalken;
            if (s.zustand != -5) s.calc(L);
            int vorher = L->erster;
            if (s.zustand == -5 || istinnerhalb(my, s.unten, s.oben)) {
                L->erster = static_cast<short>(s.ineu(my));
            } else if (istinnerhalb(my, unten_rand - 2 * rh, s.unten)) {
                L->erster = static_cast<short>(minwert(L->erster + L->sichtbar, hoechster));
            } else if (istinnerhalb(my, s.oben, ng->y)) {
                L->erster = static_cast<short>(maxwert(L->erster - L->sichtbar, 0));
            } else if (istinnerhalb(my, unten_rand - rh, unten_rand - 2 * rh)) {
                if (L->erster > 0) --L->erster;
            } else if (L->erster < hoechster) {
                ++L->erster;
            }
            // Show the scrolled list at once; the redraw clears the bar too.
            if (L->erster != vorher) ngxdrawauswahlbox(w, g, ng);
            const int neu_letzte = oben_zeile + rh * minmax(L->anzahl - L->erster - 1, 1, L->sichtbar - 1);
            y0 = minmax(y0, oben_zeile, neu_letzte);
        }
    } else if (pos >= 0) {
        int y = oben_zeile + pos * rh;
        y0 = y < letzte ? y : letzte;
    }
    xor_fuellen(w, g, ng->x + 1, y0, L->breite - 2, rh);
    int zeile = y0 + 1 - oben_zeile;
    zeile = zeile < 0 ? -1 : zeile / rh;
    if (doppelklick) {
        xdopp = ydopp = 0;
        ngnextdir(w, g, ng, zeile, 0);
    }
    return zeile;
}

}  // namespace

int eingabekursor(Window w, GC g, NewGadget *ng, int mx, int my, int pos)
{
    if (get_ngtyp(ng->typ) == 17 && ng->liste) return listenbalken(w, g, ng, mx, my, pos);
    return textkursor(w, g, ng, mx, pos);
}
