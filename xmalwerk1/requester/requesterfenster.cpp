// The top-level window of a requester with its graphics context.
#include "requester_intern.h"
#include "../menu/menu_intern.h"
#include "../core/intern.h"

Requesterfenster::Requesterfenster(int x, int y, int breite, int hoehe, long maske, const char *titel)
    : d(requester_dpy)
{
    const int s = DefaultScreen(d);
    w = XCreateSimpleWindow(d, RootWindow(d, s), x, y, static_cast<unsigned>(breite > 0 ? breite : 1),
                            static_cast<unsigned>(hoehe > 0 ? hoehe : 1), 5, BlackPixel(d, s), WhitePixel(d, s));
    XGCValues v;
    v.background = WhitePixel(d, s);
    v.foreground = BlackPixel(d, s);
    v.font = requ_fontstruct->fid;
    g = XCreateGC(d, w, GCForeground | GCBackground | GCFont, &v);
    XSelectInput(d, w, maske);
    fensternamen_setzen(d, w, titel);
    fensterkennung_setzen(d, w);
    // A dialog of the main window, when it is on the same connection.
    if (d == dpy && win10) XSetTransientForHint(d, w, win10);
    XMapRaised(d, w);
    // The message box leaves other windows' events queued; the menu's queue
    // check must not take this window's events for strangers' and drop them.
    fenster_anmelden(w);
}

namespace {

Bool an_fenster(Display *, XEvent *ereignis, XPointer fenster)
{
    return ereignis->xany.window == reinterpret_cast<Window>(fenster);
}

}  // namespace

Requesterfenster::~Requesterfenster()
{
    fenster_abmelden(w);
    XFreeGC(d, g);
    XDestroyWindow(d, w);
    XSync(d, False);
    // What reached the window before it went (the release of the key or
    // button that closed it) nobody takes any more; at the head of the queue
    // it would hide the close request behind it from the menu's queue check.
    XEvent e;
    while (XCheckIfEvent(d, &e, an_fenster, reinterpret_cast<XPointer>(w))) {
    }
}
