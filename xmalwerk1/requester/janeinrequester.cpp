// The message box: a text of one or more lines with one or two buttons.
#include "anordnung.h"
#include "requester_intern.h"
#include "../menu/menu_intern.h"

#include <X11/Xutil.h>
#include <cstring>

namespace {

constexpr long MELDUNG_MASKE = KeyPressMask | ButtonPressMask | ExposureMask;  // 0x8005

struct Ereignisfilter {
    Window w;
};

// This window's key, button and expose events, and keyboard map changes;
// everything else stays queued for its owner.
Bool fuer_meldung(Display *, XEvent *e, XPointer arg)
{
    const Window w = reinterpret_cast<Ereignisfilter *>(arg)->w;
    if (e->type == MappingNotify) return True;
    return e->xany.window == w && (e->type == KeyPress || e->type == ButtonPress || e->type == Expose);
}

bool strikt_innen(const Rechteck &r, int x, int y)
{
    return r.x < x && x < r.x + r.breite && r.y < y && y < r.y + r.hoehe;
}

class Meldungsfenster {
public:
    Meldungsfenster(const char *text, const char *ja, const char *nein, const Meldungsanordnung &m)
        : f_(200, 20, m.breite, m.hoehe, MELDUNG_MASKE, "Requester"), d_(f_.d), w_(f_.w), g_(f_.g), text_(text),
          ja_(ja), nein_(nein), m_(m)
    {
        fg_ = BlackPixel(d_, DefaultScreen(d_));
        bg_ = WhitePixel(d_, DefaultScreen(d_));
    }

    int warten();

private:
    void text_zeichnen();
    void knoepfe_zeichnen(bool mit_beschriftung);

    Requesterfenster f_;
    Display *d_;
    Window w_;
    GC g_;
    const char *text_;
    const char *ja_;
    const char *nein_;
    Meldungsanordnung m_;
    unsigned long fg_ = 0, bg_ = 0;
    int gewaehlt_ = 0;  // 0: the first button, 1: the second
};

void Meldungsfenster::text_zeichnen()
{
    if (!strchr(text_, '\n')) {
        XDrawImageString(d_, w_, g_, m_.text_x, m_.text_y, text_, static_cast<int>(strlen(text_)));
        return;
    }
    const char *p = text_;
    for (int i = 0; *p; ++i) {
        const char *ende = strchr(p, '\n');
        int n = ende ? static_cast<int>(ende - p) : static_cast<int>(strlen(p));
        XDrawImageString(d_, w_, g_, m_.text_x, m_.zeile_y(i), p, n);
        if (!ende) break;
        p = ende + 1;
    }
}

void Meldungsfenster::knoepfe_zeichnen(bool mit_beschriftung)
{
    const int anzahl = nein_ ? 2 : 1;
    for (int i = 0; i < anzahl; ++i) {
        const char *t = i == 0 ? ja_ : nein_;
        if (mit_beschriftung)
            XDrawImageString(d_, w_, g_, m_.beschriftung_x[i], m_.beschriftung_y, t, static_cast<int>(strlen(t)));
        const Rechteck &r = m_.knopf[i];
        doppelbox(gewaehlt_ == i, static_cast<int>(fg_), static_cast<int>(bg_), d_, w_, g_, r.x, r.y, r.breite,
                  r.hoehe);
    }
}

int Meldungsfenster::warten()
{
    Ereignisfilter filter{w_};
    for (;;) {
        XEvent e;
        // The program's close request closes the box as its second button.
        if (!ereignis_abwarten(d_, &e, fuer_meldung, reinterpret_cast<XPointer>(&filter))) return 0;
        switch (e.type) {
        case Expose:
            if (e.xexpose.count == 0) {
                text_zeichnen();
                knoepfe_zeichnen(true);
            }
            break;
        case ButtonPress:
            if (strikt_innen(m_.knopf[0], e.xbutton.x, e.xbutton.y)) return 1;
            // Without a second button its rectangle is empty space.
            if (nein_ && strikt_innen(m_.knopf[1], e.xbutton.x, e.xbutton.y)) return 0;
            break;
        case KeyPress: {
            char c[8];
            KeySym keysym;
            if (XLookupString(&e.xkey, c, sizeof c, &keysym, nullptr) != 1) break;
            if (ja_[0] && c[0] == ja_[0]) return 1;
            if (nein_ && nein_[0] && c[0] == nein_[0]) return 0;
            if (c[0] == '\r') return gewaehlt_ == 0 ? 1 : 0;
            if (c[0] == '\t' && nein_) {
                gewaehlt_ = 1 - gewaehlt_;
                knoepfe_zeichnen(false);
            }
            break;
        }
        case MappingNotify:
            XRefreshKeyboardMapping(&e.xmapping);
            break;
        default:
            break;
        }
    }
}

}  // namespace

int janeinrequester(char *text, char *ja, char *nein)
{
    const char *t = text ? text : "";
    const char *j = ja ? ja : "ok";
    requester_font_anfordern(0);
    if (!requester_bereit()) return 0;

    int zeilen = 0;
    int laengste = strlen_zeile(t, &zeilen);
    int lb = static_cast<int>(strlen(j));
    if (nein && static_cast<int>(strlen(nein)) > lb) lb = static_cast<int>(strlen(nein));
    const Meldungsanordnung m =
        meldung_anordnen(reqpixprobuchst_x, reqpixprobuchst_y, zeilen, laengste, lb, nein != nullptr);
    Meldungsfenster f(t, j, nein, m);
    return f.warten();
}
