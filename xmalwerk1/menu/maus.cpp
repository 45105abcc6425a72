// The application window's input: keys (keyboard menu, shortcuts, keyget),
// mouse buttons and motion with the mouse state word, repaint after
// exposure, and the polling calls built on it.
#include "menu_intern.h"
#include "../core/intern.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <cstdio>
#include <cstring>

int mal_mausx = 0, mal_mausy = 0;
int maustasten_zustand = 0;
int maustasten_flag = 0;
void (*funk_buttonpress)() = nullptr;
void (*funk_buttonrelease)() = nullptr;
void (*funk_expose)() = nullptr;
void (*funk_motion)() = nullptr;

namespace {

const long anwendungsmaske = KeyPressMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask | ExposureMask;
const int alle_tasten = 0x40 | 0x100 | 0x400;

int keyget_flag = 0;
int keyget_i = 0;
char keyget_txt[16];
KeySym keyget_key = 0;

int tastenbit(unsigned knopf)
{
    if (knopf == Button2) return 0x100;
    if (knopf == Button3) return 0x400;
    return 0x40;
}

// Takes the further queued events of the window that pred accepts; the
// last one taken replaces e.
void zusammenfassen(XEvent &e, Bool (*pred)(Display *, XEvent *, XPointer))
{
    XEvent weiteres;
    while (XCheckIfEvent(dpy, &weiteres, pred, reinterpret_cast<XPointer>(win10))) e = weiteres;
}

void taste_gedrueckt(XKeyEvent &ereignis)
{
    char txt[16] = {0};
    KeySym ks = 0;
    int n = XLookupString(&ereignis, txt, 10, &ks, nullptr);
    bool verbraucht = true;
    if (ks == XK_Alt_L) {
        if (menu.titelzeile) klappr.einaus();
    } else if (ks == XK_Escape && menu.offene_spalte >= 0) {
        // Escape closes a shown menu as a click beside it does; it starts
        // no shortcut, so the next Escape starts one.
        menu_waehlen(-1, -1);
    } else if (klappr.istoffen() && klappr.key(ks)) {
    } else if (amigatast.doit(ks)) {
    } else {
        verbraucht = false;
    }
    // Only a key that nobody used reaches the buffer, so a used key cannot
    // overwrite one that is still waiting for keyget.
    if (verbraucht) return;
    memcpy(keyget_txt, txt, sizeof keyget_txt);
    keyget_i = n;
    keyget_key = ks;
    keyget_flag = 1;
}

// Polls until one of the buttons is held (gehalten) or none is; false when
// the close request ends the waiting instead.
bool tasten_abwarten(int tasten, bool gehalten)
{
    while (((maustasten() & tasten) != 0) != gehalten) {
        if (schliessanfrage_nehmen(dpy)) return false;
        Delay(2);
    }
    return true;
}

void bild_auffrischen()
{
    if (funk_expose) {
        zusammenfassen(malwerk_event, predicate2);
        funk_expose();
        return;
    }
    if (malwerk_rambildflag && malwerk_refreshflag && !malwerk_initalflag) {
        if (debug > 0) printf("Bildrefresh\n");
        zusammenfassen(malwerk_event, predicate2);
        ganz_kopieren(malwerk_rambild, aktuelles_ziel());
    } else if (malwerk_rambildflag) {
        malwerk_refreshflag = 1;
    }
    XSync(dpy, False);
}

}  // namespace

int maustasten()
{
    if (!dpy || !win10) return maustasten_zustand;
    XEvent &e = malwerk_event;
    if (!XCheckWindowEvent(dpy, win10, anwendungsmaske, &e) && !XCheckTypedEvent(dpy, MappingNotify, &e))
        return maustasten_zustand;
    switch (e.type) {
    case KeyPress:
        taste_gedrueckt(e.xkey);
        break;
    case ButtonPress:
        if (klappr.istoffen()) break;
        mal_mausx = e.xbutton.x;
        mal_mausy = e.xbutton.y;
        maustasten_zustand |= tastenbit(e.xbutton.button);
        if (funk_buttonpress) funk_buttonpress();
        break;
    case ButtonRelease:
        if (klappr.istoffen()) {
            klappr.auswahl();
            break;
        }
        mal_mausx = e.xbutton.x;
        mal_mausy = e.xbutton.y;
        maustasten_zustand &= ~tastenbit(e.xbutton.button);
        if (funk_buttonrelease) funk_buttonrelease();
        break;
    case MotionNotify:
        // Of a run of queued motion events only the last one counts, so the
        // position never lags behind the pointer.
        zusammenfassen(e, predicate);
        if (klappr.istoffen()) {
            klappr.setxy(e.xmotion.x, e.xmotion.y);
            break;
        }
        mal_mausx = e.xmotion.x;
        mal_mausy = e.xmotion.y;
        if (funk_motion) funk_motion();
        break;
    case Expose:
        bild_auffrischen();
        break;
    case MappingNotify:
        XRefreshKeyboardMapping(&e.xmapping);
        break;
    default:  // GraphicsExpose and NoExpose of copies into the window
        break;
    }
    return maustasten_zustand;
}

int mausposition(double *x, double *y)
{
    int zustand = maustasten();
    koordpix2user(mal_mausx, mal_mausy, x, y);
    return zustand;
}

int imausposition(int *x, int *y)
{
    int zustand = maustasten();
    *x = mal_mausx;
    *y = mal_mausy;
    return zustand;
}

void imausklick(int modus, int *x, int *y)
{
    int tasten = modus & ~3;
    if (!(tasten & alle_tasten)) tasten = alle_tasten;
    int art = modus & 3;
    // Unless only the press counts, first until the buttons are free; unless
    // only the release counts, then until one of them is held.
    bool weiter = dpy != nullptr;
    if (weiter && art != 1) weiter = tasten_abwarten(tasten, false);
    if (weiter && art != 2) tasten_abwarten(tasten, true);
    *x = mal_mausx;
    *y = mal_mausy;
}

void mausklick(int modus, double *x, double *y)
{
    int px, py;
    imausklick(modus, &px, &py);
    koordpix2user(px, py, x, y);
}

int keyget(int *anzahl, int *zeichen, int *keysym)
{
    if (!keyget_flag) return 0;
    *anzahl = keyget_i;
    *zeichen = static_cast<unsigned char>(keyget_txt[0]);
    *keysym = static_cast<int>(keyget_key);
    keyget_flag = 0;
    return 1;
}

void set_funktions(void (*buttonpress)(), void (*buttonrelease)(), void (*expose)(), void (*motion)())
{
    funk_buttonpress = buttonpress;
    funk_buttonrelease = buttonrelease;
    funk_expose = expose;
    funk_motion = motion;
}

void maus_vergessen()
{
    mal_mausx = mal_mausy = 0;
    maustasten_zustand = 0;
    maustasten_flag = 0;
    keyget_flag = 0;
    keyget_i = 0;
    keyget_txt[0] = '\0';
    keyget_key = 0;
}
