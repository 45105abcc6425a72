// Menu ids: how an application names an item to rename it at run time, and
// radio-style marking of a group of items.
#include "menu_intern.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace {

// The main-grid cell an id names: ~id for a main item, the low 16 bits of
// id - 1 for a submenu item; -1 for id 0.
int zelle_der_id(long idnr)
{
    if (idnr < 0) return static_cast<int>(~idnr);
    if (idnr > 0) return static_cast<int>((idnr - 1) & 0xFFFF);
    return -1;
}

bool zelle_gueltig(int c)
{
    return menu.titelzeile && c >= menu.nspalten && c < menu.nfelder;
}

}  // namespace

void getmenuids(long idnr, long *idfeld, int anzahl)
{
    if (menu_debug) printf("getmenuids(idnr=%ld,long *idfeld)\n", idnr);
    if (idnr == 0) {
        if (!menu.titelzeile) return;
        int n = (anzahl == 0 || anzahl > menu.nspalten) ? menu.nspalten : anzahl;
        for (int spalte = 0; spalte < n; ++spalte)
            for (int r = 1; r < menu.reihenzahl[spalte]; ++r) {
                int c = r * menu.nspalten + spalte;
                idfeld[c] = ~static_cast<long>(c);
            }
        return;
    }
    int c = zelle_der_id(idnr);
    if (menu_debug) printf("getmenuids() subnr=%ld\n", static_cast<long>(c));
    _xsubmenu *su = zelle_gueltig(c) ? menu.feldsub[c] : nullptr;
    if (menu_debug) printf("su=%08X\n", static_cast<unsigned>(reinterpret_cast<unsigned long>(su)));
    if (!su) {
        printf("ERR-XMENU: getmenuids(id=%ld...)\n", idnr);
        printf("     Hint: nur id von Untermenu verwenden\n");
        return;
    }
    if (menu_debug) printf("su->ntext=%d\n", su->ntext);
    int n = (anzahl == 0 || anzahl > su->ntext) ? su->ntext : anzahl;
    for (int i = 0; i < n; ++i) idfeld[i] = (static_cast<long>(i) << 16) + c + 1;
}

void changemenu(long idnr, const char *neuertext)
{
    if (idnr == 0) {
        printf("ERR-XMENU: changemenu() needs a menu-id-number\n");
        printf("           idnr=%ld neuertext='%s'\n", idnr, neuertext ? neuertext : "");
        return;
    }
    int c = zelle_der_id(idnr);
    char **ziel = nullptr;
    if (zelle_gueltig(c)) {
        if (idnr < 0) {
            ziel = &menu.feldtext[c];
        } else if (_xsubmenu *s = menu.feldsub[c]) {
            long i = (idnr - 1) >> 16;
            if (i < s->ntext) ziel = &s->feldtext[static_cast<size_t>(i)];
        }
    }
    // An id that names no item would otherwise write outside the tables.
    if (!ziel) {
        printf("ERR-XMENU: changemenu(idnr=%ld) kein solcher Menuepunkt\n", idnr);
        return;
    }
    char *neu = dublikat(neuertext);
    free(*ziel);
    *ziel = neu;
}

int menu_switch(long idnr, long *idfeld, int wahl, int anzahl, char **texte, int ab, int bis)
{
    if (idfeld[0] == 0) getmenuids(idnr, idfeld, anzahl);
    if (idfeld[0] == 0) return -1;
    int ende = bis ? bis : anzahl;
    for (int i = ab > 0 ? ab : 0; i < ende; ++i) {
        char *t = texte[i];
        if (!t || t[0] != '%' || t[1] == '\0') continue;
        unsigned char z = static_cast<unsigned char>(t[1]);
        t[1] = static_cast<char>(i == wahl ? toupper(z) : tolower(z));
        changemenu(idfeld[i], t);
    }
    return wahl;
}
