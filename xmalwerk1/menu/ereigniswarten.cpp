// Waiting in a blocking loop (a requester, the crosshair, a click) without losing
// what belongs to others: the program's own events stay queued for their
// owners, the window manager's close request ends the wait and is
// remembered, and only events of windows that are not (or no longer) the
// program's are thrown away.
#include "menu_intern.h"

namespace {

struct Wunsch {
    Bool (*gewollt)(Display *, XEvent *, XPointer);
    XPointer arg;
};

Bool schliessereignis(Display *, XEvent *e, XPointer)
{
    return e->type == ClientMessage && ist_schliessanfrage(e->xclient);
}

// Takes from the queue what the loop wants, the close request and strangers'
// events; leaves everything else where it is.
Bool nehmen(Display *d, XEvent *e, XPointer arg)
{
    const Wunsch *w = reinterpret_cast<const Wunsch *>(arg);
    if (w->gewollt(d, e, w->arg) || schliessereignis(d, e, nullptr)) return True;
    return !eigenes_ereignis(*e);
}

}  // namespace

bool ereignis_abwarten(Display *d, XEvent *ereignis, Bool (*gewollt)(Display *, XEvent *, XPointer), XPointer arg)
{
    Wunsch w{gewollt, arg};
    for (;;) {
        XIfEvent(d, ereignis, nehmen, reinterpret_cast<XPointer>(&w));
        if (gewollt(d, ereignis, arg)) return true;
        if (schliessereignis(d, ereignis, nullptr)) {
            schliessen_merken();
            return false;
        }
    }
}

bool schliessanfrage_nehmen(Display *d)
{
    XEvent e;
    if (!XCheckIfEvent(d, &e, schliessereignis, nullptr)) return false;
    schliessen_merken();
    return true;
}
