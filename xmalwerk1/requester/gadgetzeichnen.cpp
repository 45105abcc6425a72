// Drawing the gadgets of a requester window: captions and buffer texts,
// the list with its scroll bar, and redrawing the whole table.
#include "requester_intern.h"

#include <cstring>

namespace {

void innen_loeschen(Window w, GC g, const NewGadget *ng)
{
    XSetForeground(requester_dpy, g, reqhigrund);
    if (ng->breite > 1 && ng->hoehe > 1)
        XFillRectangle(requester_dpy, w, g, ng->x + 1, ng->y + 1, static_cast<unsigned>(ng->breite - 1),
                       static_cast<unsigned>(ng->hoehe - 1));
    XSetForeground(requester_dpy, g, reqfogrund);
}

// The heading of a list requester, in the row above the list and cut as
// its entries are, so that it stands over their columns.
void listenkopf_zeichnen(Window w, GC g, const NewGadget *ng)
{
    const Gadget2 *L = ng->liste;
    if (!L || !listenueberschrift) return;
    char zeile[120];
    textkuerzen(listenueberschrift, zeile, darstellungsbreite, sizeof zeile);
    XDrawImageString(requester_dpy, w, g, L->x + reqpixprobuchst_x / 4, L->y - reqpixprobuchst_y / 3, zeile,
                     static_cast<int>(std::strlen(zeile)));
}

}  // namespace

void ngxdrawstr(Window w, GC g, NewGadget *ng, const char *s, int dy, int modus, int mark)
{
    const int cw = reqpixprobuchst_x, ch = reqpixprobuchst_y;
    char kopie[512];
    int n = 0;
    for (; s && s[n] && n < static_cast<int>(sizeof kopie) - 3; ++n) kopie[n] = s[n] == '\t' ? ' ' : s[n];
    if (modus != 2) {
        kopie[n++] = ' ';
        kopie[n++] = ' ';
    }
    kopie[n] = '\0';
    int grenze = puffer_von(ng).maxlaenge + 1;
    if (n > grenze) n = grenze;
    if (n < 0) n = 0;

    innen_loeschen(w, g, ng);
    int grundlinie = ng->y + ch * 5 / 4 + dy;
    if (modus == 2) {
        int x = ng->x - n * cw;
        XDrawImageString(requester_dpy, w, g, x > 0 ? x : 0, grundlinie, kopie, n);
    } else if (modus == 0) {
        XDrawImageString(requester_dpy, w, g, ng->x + cw / 2, grundlinie, kopie, n);
        if (mark != 0)
            doppelbox(mark, static_cast<int>(reqfogrund), static_cast<int>(reqhigrund), requester_dpy, w, g, ng->x,
                      ng->y, ng->breite, ng->hoehe);
    } else {
        // Text in the box stays in the box: a text longer than the field
        // (typed or set) would else run over the frame and beyond.
        XRectangle innen = {static_cast<short>(ng->x + 1), static_cast<short>(ng->y + 1),
                            static_cast<unsigned short>(ng->breite > 1 ? ng->breite - 1 : 0),
                            static_cast<unsigned short>(ng->hoehe > 1 ? ng->hoehe - 1 : 0)};
        XSetClipRectangles(requester_dpy, g, 0, 0, &innen, 1, Unsorted);
        XDrawImageString(requester_dpy, w, g, ng->x + cw / 2, grundlinie, kopie, n);
        XSetClipMask(requester_dpy, g, None);
        if (modus != 0 || mark != 0)
            doppelbox(mark, static_cast<int>(reqfogrund), static_cast<int>(reqhigrund), requester_dpy, w, g, ng->x,
                      ng->y, ng->breite, ng->hoehe);
    }
}

void gadgets_anschreiben(Window w, GC g, int anzahl, int hoch, int ab, int markiert)
{
    if (anzahl > ANZAHL_GADGETS) anzahl = ANZAHL_GADGETS;
    for (int i = ab < 0 ? 0 : ab; i < anzahl; ++i) {
        NewGadget *ng = &newgadgets[i];
        const char *anzeige = puffer_von(ng).anzeige;
        switch (ng->typ) {
        case 15:
            ngxdrawstr(w, g, ng, anzeige, 0, 1, 0);
            break;
        case 1:
            ngxdrawstr(w, g, ng, ng->text, 0, 2, 0);
            ngxdrawstr(w, g, ng, anzeige, 0, 1, 0);
            break;
        case 4:
            ngxdrawstr(w, g, ng, ng->text, -hoch - 1, 0, 0);
            ngxdrawstr(w, g, ng, anzeige, 0, 1, 0);
            break;
        case 17:
            ngxdrawauswahlbox(w, g, ng);
            listenkopf_zeichnen(w, g, ng);
            break;
        default:
            ngxdrawstr(w, g, ng, ng->text, 0, 1, i == markiert);
            break;
        }
    }
}

void ngxdrawauswahlbox(Window w, GC g, NewGadget *ng)
{
    Gadget2 *L = ng->liste;
    if (!L) return;
    Display *d = requester_dpy;
    const int cw = reqpixprobuchst_x, ch = reqpixprobuchst_y;
    int sbw = cw * 3 / 2;
    if (sbw % 2) ++sbw;
    const int rh = L->zeilenhoehe;

    innen_loeschen(w, g, ng);
    char zeile[120];
    for (int j = 0; j < L->sichtbar && L->erster + j < L->anzahl; ++j) {
        textkuerzen(L->eintraege[L->erster + j], zeile, darstellungsbreite, sizeof zeile);
        XDrawImageString(d, w, g, L->x + cw / 4, L->y + ch / 3 + ch + j * rh, zeile,
                         static_cast<int>(strlen(zeile)));
    }

    const int sx = L->x + L->breite;
    XDrawRectangle(d, w, g, L->x, L->y, static_cast<unsigned>(L->breite), static_cast<unsigned>(L->hoehe));
    XDrawRectangle(d, w, g, sx, L->y, static_cast<unsigned>(sbw), static_cast<unsigned>(L->hoehe));
    const int by = L->y + L->hoehe - rh;  // top of the lower arrow box
    XDrawRectangle(d, w, g, sx, by, static_cast<unsigned>(sbw), static_cast<unsigned>(rh));
    XDrawRectangle(d, w, g, sx, by - rh, static_cast<unsigned>(sbw), static_cast<unsigned>(rh));

    const int qx = sbw / 4, qy = rh / 4, hw = (sbw - 2 * qx + 1) / 2, cx = sx + sbw / 2;
    XPoint hoch[4] = {{static_cast<short>(cx - hw), static_cast<short>(by - qy)},
                      {static_cast<short>(cx + hw), static_cast<short>(by - qy)},
                      {static_cast<short>(cx), static_cast<short>(by - rh + qy)},
                      {static_cast<short>(cx - hw), static_cast<short>(by - qy)}};
    XPoint runter[4] = {{static_cast<short>(cx - hw), static_cast<short>(by + qy)},
                        {static_cast<short>(cx + hw), static_cast<short>(by + qy)},
                        {static_cast<short>(cx), static_cast<short>(by + rh - qy)},
                        {static_cast<short>(cx - hw), static_cast<short>(by + qy)}};
    XDrawLines(d, w, g, hoch, 4, CoordModeOrigin);
    XDrawLines(d, w, g, runter, 4, CoordModeOrigin);

    int offset = 0;
    int griff = schiebebalken.calc(L, &offset);
    // The thumb never reaches into the arrow boxes.
    const int grenze = by - rh;
    if (L->y + offset + griff > grenze) griff = grenze - (L->y + offset);
    if (griff > 0 && sbw > 3)
        XFillRectangle(d, w, g, sx + 2, L->y + offset, static_cast<unsigned>(sbw - 3), static_cast<unsigned>(griff));
}

int ngnextmark(Window w, GC g, NewGadget *ng, int d)
{
    Gadget2 *L = ng->liste;
    if (!L) return 0;
    int hoechster = L->anzahl - L->sichtbar;
    if (hoechster < 0) hoechster = 0;
    int neu = minmax(L->erster + d, 0, hoechster);
    int aenderung = neu - L->erster;
    if (aenderung != 0) {
        L->erster = static_cast<short>(neu);
        ngxdrawauswahlbox(w, g, ng);
    }
    return aenderung;
}
