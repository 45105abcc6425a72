// Least behaviour of functions whose full versions belong to later steps of
// the library (drawing, buffers, plot files, menus, requesters). Each entry
// is removed here when its real version is written.
#include "core/intern.h"
#include "menu/menu_intern.h"
#include "requester/requester_intern.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

// Buffers.
int changebuffer(int a, int b)
{
    if (a == b) {
        if (dpuffer) XFreePixmap(dpy, dpuffer);
        if (leerpuffer) XFreePixmap(dpy, leerpuffer);
        dpuffer = leerpuffer = 0;
    }
    return 0;
}
int term_refresh()
{
    malwerk_initalflag = 0;
    return 0;
}
int Delay(int n) { return usleep(n <= 1 ? 20000 : static_cast<useconds_t>(n) * 20000); }
