// The requester engine: one modal window over the gadget table, with its
// own event loop, until OK or CANCEL is pressed.
#include "requester_intern.h"
#include "../core/intern.h"
#include "../menu/menu_intern.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <cstdio>
#include <cstring>

namespace {

constexpr long REQUESTER_MASKE = KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask |
                                 PointerMotionMask | ExposureMask | ResizeRedirectMask;  // 0x4804F

constexpr int KEIN = -1000;  // no gadget requested
constexpr int RADSCHRITT = 3;  // entries a list scrolls by one notch of the mouse wheel

// The requester's own events and keyboard map changes.
Bool fuer_requester(Display *, XEvent *e, XPointer fenster)
{
    return e->type == MappingNotify || e->xany.window == reinterpret_cast<Window>(fenster);
}

class Engine {
public:
    Engine(int anzahl, NewGadget *gadgets, int hoch, int reqtyp, Window w, GC g)
        : anzahl_(anzahl), gadgets_(gadgets), hoch_(hoch), reqtyp_(reqtyp), w_(w), g_(g)
    {
    }

    // Gadget i active from the start, its cursor at pos.
    void beginnen(int i, int pos);
    // Handles one event; true when the requester is done.
    bool behandeln(XEvent &e);
    int ergebnis() const { return ergebnis_; }

private:
    NewGadget &gadget(int i) { return gadgets_[i]; }
    int klasse(int i) { return get_ngtyp(gadget(i).typ); }
    void alle_zeichnen() { gadgets_anschreiben(w_, g_, anzahl_, hoch_, 0, aktiv_); }
    int kursor(int i, int mx, int my, int pos) { return eingabekursor(w_, g_, &gadget(i), mx, my, pos); }
    void eintrag_uebernehmen(int i, int mx, int my)
    {
        neuerdateitext(w_, g_, hoch_, &gadget(i), cursorpos_, anzahl_, mx, my);
    }
    bool taste(XKeyEvent &k);
    void zeichen(int c);
    void sondertaste(KeySym keysym);
    bool knopf_druecken(int i);
    void gadget_anwaehlen(int r);
    bool maustaste(int bx, int by);
    int gadget_unter(int bx, int by);
    void rad(int bx, int by, int richtung);

    int anzahl_;
    NewGadget *gadgets_;
    int hoch_;
    int reqtyp_;
    Window w_;
    GC g_;
    int aktiv_ = -1;
    int angefordert_ = KEIN;
    bool shift_ = false;
    bool iso_tab_ = false;  // this key is Shift+Tab as one keysym
    int cursorpos_ = 0;
    int ergebnis_ = 0;
    bool fertig_ = false;
    int zug_x_ = 0, zug_gadget_ = -1;  // a running thumb drag
};

bool Engine::knopf_druecken(int i)
{
    if (i >= anzahl_ - 2) {
        ergebnis_ = i == anzahl_ - 2 ? 1 : 0;
        fertig_ = true;
        return true;
    }
    if (IS_REQTYP_AUSWAHL(reqtyp_) && i >= anzahl_ - 4) {
        if (ngnewdir(w_, g_, gadgets_, i, 0)) alle_zeichnen();
        return true;
    }
    return false;
}

void Engine::zeichen(int c)
{
    const int k = klasse(aktiv_);
    if (c <= 31 && c != DELL && c != DELR) {
        if (c == '\t') {
            angefordert_ = shift_ || iso_tab_ ? aktiv_ - 1 : aktiv_ + 1;
        } else if (k == 17) {
            if (c == '\r' && !ngnextdir(w_, g_, &gadget(aktiv_), cursorpos_, 0)) {
                eingabekursor_off(&aktiv_);
                alle_zeichnen();
            }
        } else if (k == 2) {
            if (c == '\r') knopf_druecken(aktiv_);
        } else {
            // Return, Escape, a byte above 127 ...: the editing ends.
            eingabekursor_off(&aktiv_);
            if (IS_REQTYP_AUSWAHL(reqtyp_)) ngnewpath(gadgets_);
            alle_zeichnen();
        }
    } else if (k == 1) {
        zeicheninsert(c, cursorpos_, puffer_von(&gadget(aktiv_)).text, EINGABE_MAX);
        if (c == DELL) {
            if (cursorpos_ > 0) --cursorpos_;
        } else if (c != DELR) {
            ++cursorpos_;  // past the end it is drawn (and returned) at the end
        }
    }
    if (aktiv_ >= 0 && !fertig_) alle_zeichnen();
}

void Engine::sondertaste(KeySym keysym)
{
    const int k = klasse(aktiv_);
    switch (keysym & 0xFF) {
    case 0x51:  // Left
        if (k == 1) {
            if (cursorpos_ > 0) --cursorpos_;
        } else if (k == 17) {
            if (ngnewdir(w_, g_, &gadget(aktiv_), 0, 'P')) alle_zeichnen();
        }
        break;
    case 0x53:  // Right
        if (k == 1) {
            ++cursorpos_;
        } else if (k == 17) {
            if (ngnextdir(w_, g_, &gadget(aktiv_), cursorpos_, 0)) alle_zeichnen();
        }
        break;
    case 0x50:  // Home
        if (k == 1) cursorpos_ = 0;
        break;
    case 0x57:  // End
        if (k == 1) cursorpos_ = static_cast<int>(strlen(puffer_von(&gadget(aktiv_)).text));
        break;
    case 0x52:  // Up
        if (k == 17) {
            if (cursorpos_ > 0)
                --cursorpos_;
            else
                ngnextmark(w_, g_, &gadget(aktiv_), -1);
        }
        break;
    case 0x54:  // Down
        if (k == 17) {
            Gadget2 *L = gadget(aktiv_).liste;
            if (L && cursorpos_ >= L->sichtbar - 1)
                ngnextmark(w_, g_, &gadget(aktiv_), 1);
            else
                ++cursorpos_;
        }
        break;
    case 0xE1:
    case 0xE2:
        shift_ = true;
        break;
    case 0xE3:
    case 0xE5:
        break;
    default:
        printf("unbekannter TastenCode key=0x%02X\n", static_cast<unsigned>(keysym));
        fflush(stdout);
        break;
    }
}

bool Engine::taste(XKeyEvent &k)
{
    char puffer[10];
    KeySym keysym = 0;
    int n = XLookupString(&k, puffer, sizeof puffer, &keysym, nullptr);
    if (schlechte_tastatur(keysym)) {
        DELL = 8;
        DELR = 127;
    }
    if (keysym == XK_Select) {
        n = 1;
        puffer[0] = static_cast<char>(DELR);
    }
    // Shift+Tab arrives as ISO_Left_Tab on most keyboard maps.
    iso_tab_ = keysym == XK_ISO_Left_Tab;
    if (iso_tab_) {
        n = 1;
        puffer[0] = '\t';
    }
    if (aktiv_ < 0) {
        if (keysym == XK_Tab || iso_tab_)
            angefordert_ = shift_ || iso_tab_ ? anzahl_ - 1 : 0;
        else if (keysym == XK_Shift_L || keysym == XK_Shift_R)
            shift_ = true;
    } else {
        const int k_alt = klasse(aktiv_);
        if (k_alt != 2) kursor(aktiv_, -1, -1, -1);  // off
        if (n == 1)
            zeichen(static_cast<signed char>(puffer[0]));
        else
            sondertaste(keysym);
        if (fertig_) return true;
        if (aktiv_ >= 0) {
            if (klasse(aktiv_) == 17) {
                if (cursorpos_ >= 0) {
                    // The bar follows the row that Return and Right act on.
                    cursorpos_ = kursor(aktiv_, 0, 0, cursorpos_);
                    eintrag_uebernehmen(aktiv_, 0, 0);
                }
            } else if (klasse(aktiv_) != 2) {
                cursorpos_ = kursor(aktiv_, 0, 0, cursorpos_);
            }
        }
    }
    if (angefordert_ != KEIN) gadget_anwaehlen(angefordert_);
    return fertig_;
}

void Engine::gadget_anwaehlen(int r)
{
    angefordert_ = KEIN;
    if (anzahl_ <= 0) return;
    if (r < 0) r += anzahl_;
    if (r >= anzahl_) r -= anzahl_;
    if (r < 0 || r >= anzahl_) return;
    // The field that is left shows its text from the start again.
    if (aktiv_ >= 0 && aktiv_ != r) eingabekursor_off(&aktiv_);
    aktiv_ = r;
    cursorpos_ = kursor(r, -1, -1, 0);
    alle_zeichnen();  // clears every interior, the new cursor too
    if (klasse(r) == 17) {
        kursor(r, -1, -1, -1);
        eintrag_uebernehmen(r, 0, 0);
    } else if (gadget(r).typ != 16) {
        kursor(r, -1, -1, -1);
    }
}

bool Engine::maustaste(int bx, int by)
{
    if (aktiv_ >= 0) {
        if (klasse(aktiv_) != 2) kursor(aktiv_, -1, -1, -1);
        eingabekursor_off(&aktiv_);
        alle_zeichnen();
    }
    const int i = gadget_unter(bx, by);
    if (i < 0) return false;
    if (knopf_druecken(i)) return fertig_;
    aktiv_ = i;
    cursorpos_ = kursor(i, bx, by, -1);
    if (schiebebalken.zustand == -5) {
        zug_x_ = bx;
        zug_gadget_ = i;
    }
    if (klasse(aktiv_) == 17 && cursorpos_ >= 0) eintrag_uebernehmen(aktiv_, 0, 0);
    return false;
}

void Engine::beginnen(int i, int pos)
{
    if (i < 0 || i >= anzahl_ || klasse(i) == 2) return;
    aktiv_ = i;
    // Drawn now and again with the first Expose, which clears the gadget first.
    cursorpos_ = kursor(i, -1, -1, pos);
    if (klasse(i) == 17) eintrag_uebernehmen(i, 0, 0);
}

// The first gadget whose inside holds the point (the frame lines do not
// count), or -1.
int Engine::gadget_unter(int bx, int by)
{
    for (int i = 0; i < anzahl_; ++i) {
        const NewGadget &ng = gadget(i);
        if (ng.x < bx && bx < ng.x + ng.breite && ng.y < by && by < ng.y + ng.hoehe) return i;
    }
    return -1;
}

// A notch of the wheel scrolls the list under the pointer and chooses
// nothing. In the active list the bar keeps its row and takes the entry
// that is scrolled under it, as after a click into the scroll bar.
void Engine::rad(int bx, int by, int richtung)
{
    const int i = gadget_unter(bx, by);
    if (i < 0 || klasse(i) != 17) return;
    const bool mit_balken = i == aktiv_ && cursorpos_ >= 0;
    if (mit_balken) kursor(i, -1, -1, -1);  // off
    ngnextmark(w_, g_, &gadget(i), richtung * RADSCHRITT);
    if (mit_balken) {
        cursorpos_ = kursor(i, 0, 0, cursorpos_);
        eintrag_uebernehmen(i, 0, 0);
    }
}

bool Engine::behandeln(XEvent &e)
{
    switch (e.type) {
    case Expose:
        if (e.xexpose.count == 0) {
            alle_zeichnen();
            if (aktiv_ >= 0 && gadget(aktiv_).typ != 16) kursor(aktiv_, -1, -1, -1);
        }
        break;
    case KeyPress:
        return taste(e.xkey);
    case KeyRelease: {
        KeySym keysym = XLookupKeysym(&e.xkey, 0);
        if (keysym == XK_Shift_L || keysym == XK_Shift_R) shift_ = false;
        break;
    }
    case ButtonPress:
        // The wheel sends buttons 4 (up) and 5 (down): it scrolls, it never clicks.
        if (e.xbutton.button == Button4 || e.xbutton.button == Button5) {
            rad(e.xbutton.x, e.xbutton.y, e.xbutton.button == Button4 ? -1 : 1);
            break;
        }
        return maustaste(e.xbutton.x, e.xbutton.y);
    case ButtonRelease:
        if (e.xbutton.button == Button4 || e.xbutton.button == Button5) break;
        schiebebalken.reset();
        zug_gadget_ = -1;
        if (aktiv_ >= 0 && klasse(aktiv_) == 17 && cursorpos_ >= 0) eintrag_uebernehmen(aktiv_, 0, 0);
        break;
    case MotionNotify:
        if (schiebebalken.zustand == -5 && zug_gadget_ >= 0) {
            int y = e.xmotion.y;
            XEvent spaeter;
            // Of a run of motions only the last one counts.
            while (XCheckTypedWindowEvent(e.xany.display, w_, MotionNotify, &spaeter)) y = spaeter.xmotion.y;
            cursorpos_ = neuerdateitext(w_, g_, hoch_, &gadget(zug_gadget_), cursorpos_, anzahl_, zug_x_, y);
        }
        break;
    case ResizeRequest:
        if (debug != 0) printf("ResizeRequest: Fenstergroesse geaendert\n");
        break;
    case PropertyNotify:
        printf("PropertyNotify: Fenstergroesse geaendert ?\n");
        break;
    case MappingNotify:
        XRefreshKeyboardMapping(&e.xmapping);
        break;
    default:
        printf("unknown event.type=0x%X\n", static_cast<unsigned>(e.type));
        break;
    }
    fflush(stdout);
    return false;
}

}  // namespace

int xrequester_start(int anzahl, NewGadget *gadgets, int hoch, int, int breite, int hoehe, const char *titel,
                     int reqtyp, int aktiv, int pos)
{
    if (!requester_bereit()) return 0;
    if (anzahl > ANZAHL_GADGETS) anzahl = ANZAHL_GADGETS;
    if (anzahl < 2) return 0;  // without OK and CANCEL nothing could end it
    Display *d = requester_dpy;
    reqhigrund = WhitePixel(d, DefaultScreen(d));
    reqfogrund = BlackPixel(d, DefaultScreen(d));
    schiebebalken.reset();

    Requesterfenster f(100, 20, breite, hoehe, REQUESTER_MASKE, titel);
    Engine engine(anzahl, gadgets, hoch, reqtyp, f.w, f.g);
    engine.beginnen(aktiv, pos);
    for (;;) {
        XEvent e;
        // The close request of the program ends the form as CANCEL does.
        if (!ereignis_abwarten(d, &e, fuer_requester, reinterpret_cast<XPointer>(f.w))) return 0;
        if (engine.behandeln(e)) break;
    }
    return engine.ergebnis();
}
