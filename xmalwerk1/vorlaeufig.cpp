// Least behaviour of functions whose full versions belong to later steps of
// the library (drawing, buffers, plot files, menus, requesters). Each entry
// is removed here when its real version is written.
#include "core/intern.h"
#include "menu/menu_intern.h"
#include "requester/requester_intern.h"

#include <cstdio>
#include <cstring>


// File requester: what the engine and the list drawing call.
int darstellungsbreite = 40;
void fileliste_ins_gadget_kopieren(const char *text, Gadget2 *liste)
{
    // One entry a line, ".." for an empty text; the copy stays with the list.
    const char *quelle = text && *text ? text : "..";
    char *kopie = newstring(quelle);
    int n = 1;
    for (char *p = kopie; *p; ++p)
        if (*p == '\n') ++n;
    liste->eintraege = new char *[static_cast<size_t>(n)];
    liste->anzahl = static_cast<short>(n);
    liste->erster = 0;
    char *p = kopie;
    for (int i = 0; i < n; ++i) {
        liste->eintraege[i] = p;
        p = strchr(p, '\n');
        if (p) *p++ = '\0';
    }
}
void ngnewpath(NewGadget *) {}
int ngnewdir(Window, GC, NewGadget *, int, char) { return 0; }
int ngnextdir(Window, GC, NewGadget *, int, int) { return 0; }
int neuerdateitext(Window, GC, int, NewGadget *, int, int, int, int) { return 0; }
