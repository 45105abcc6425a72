// Tests on the shared X event queue: taking an event of a wanted type from
// its head, dropping events that nobody will take, and the predicates that
// compress runs of motion and Expose events.
#include "menu_intern.h"
#include "../core/intern.h"

#include <algorithm>

namespace {

std::vector<Window> weitere_fenster;  // registered by requesters

bool eigenes_fenster(Window w)
{
    if (!w) return false;
    if (w == win10 || w == menu.leistenfenster) return true;
    if (std::find(menu.klappfenster.begin(), menu.klappfenster.end(), w) != menu.klappfenster.end()) return true;
    for (const _xsubmenu *s : menu.feldsub)
        if (s && s->fenster == w) return true;
    return std::find(weitere_fenster.begin(), weitere_fenster.end(), w) != weitere_fenster.end();
}

}  // namespace

void fenster_anmelden(Window fenster)
{
    if (fenster && !eigenes_fenster(fenster)) weitere_fenster.push_back(fenster);
}

void fenster_abmelden(Window fenster)
{
    weitere_fenster.erase(std::remove(weitere_fenster.begin(), weitere_fenster.end(), fenster),
                          weitere_fenster.end());
}

bool eigenes_ereignis(const XEvent &ereignis)
{
    // A keyboard mapping change names no window; maustasten takes it.
    if (ereignis.type == MappingNotify) return true;
    return eigenes_fenster(ereignis.xany.window);
}

int myXCheckEvent(Display *display, int typ, XEvent *ereignis)
{
    int n = XEventsQueued(display, QueuedAfterFlush);
    if (n == 0) return 0;
    XEvent kopf;
    XPeekEvent(display, &kopf);
    if (kopf.type == typ) {
        XNextEvent(display, ereignis);
        return 1;
    }
    // An event that no check of the program takes would block the head for
    // good; events of the program's own windows are taken in their turn
    // (maustasten, the menu, a requester) and must not be lost.
    if (n > 2 && !eigenes_ereignis(kopf)) XNextEvent(display, &kopf);
    return 0;
}

Bool predicate(Display *, XEvent *ereignis, XPointer fenster)
{
    return ereignis->type == MotionNotify && ereignis->xmotion.window == reinterpret_cast<Window>(fenster);
}

Bool predicate2(Display *, XEvent *ereignis, XPointer fenster)
{
    return ereignis->type == Expose && ereignis->xexpose.window == reinterpret_cast<Window>(fenster);
}
