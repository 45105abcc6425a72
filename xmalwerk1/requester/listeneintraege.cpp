// The entries of the file requester's list, made from a listing text.
#include "requester_intern.h"

#include <cstring>

char *g_filter = nullptr;

namespace {

// The entries live in one copy of the text; the array points into it.
void eintraege_freigeben(Gadget2 *liste)
{
    if (liste->typ != 17 || !liste->eintraege) return;
    if (liste->anzahl > 0) delete[] liste->eintraege[0];
    delete[] liste->eintraege;
    liste->eintraege = nullptr;
    liste->anzahl = 0;
}

}  // namespace

void fileliste_ins_gadget_kopieren(const char *text, Gadget2 *liste)
{
    char *kopie = newstring(text && *text ? text : "..");
    int n = 1;
    for (const char *p = kopie; *p; ++p)
        if (*p == '\n') ++n;
    // The count is a short: entries past its range are not shown.
    if (n > MAX_LISTENEINTRAEGE) n = MAX_LISTENEINTRAEGE;
    eintraege_freigeben(liste);
    liste->eintraege = new char *[static_cast<size_t>(n)];
    char *p = kopie;
    for (int i = 0; i < n; ++i) {
        liste->eintraege[i] = p;
        p = strchr(p, '\n');
        if (p) *p++ = '\0';
    }
    liste->anzahl = static_cast<short>(n);
    liste->erster = 0;
}

void fileliste_aktualisieren(Gadget2 *liste, char *pfad)
{
    char *text = getfileliste(pfad, g_filter, 40);
    fileliste_ins_gadget_kopieren(text, liste);
    delete[] text;
}
