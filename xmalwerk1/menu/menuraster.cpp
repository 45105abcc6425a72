// The window-free part of laying out a menu: the grid of texts with its
// submenus, the title positions, the sizes of pull-downs and submenus, and
// the hit tests on them.
#include "menu_intern.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

_xmenu menu;

char *dublikat(const char *text)
{
    if (!text) return nullptr;
    size_t n = strlen(text);
    char *kopie = static_cast<char *>(malloc(n + 3));
    if (!kopie) return nullptr;
    kopie[0] = ' ';
    memcpy(kopie + 1, text, n);
    kopie[n + 1] = ' ';
    kopie[n + 2] = '\0';
    return kopie;
}

void straddblank(char *puffer, const char *text)
{
    strcat(puffer, " ");
    if (text) strcat(puffer, text);
    strcat(puffer, " ");
}

void _xmenu::freigeben()
{
    for (char *t : feldtext) free(t);
    for (_xsubmenu *s : feldsub) {
        if (!s) continue;
        for (char *t : s->feldtext) free(t);
        delete s;
    }
    free(titelzeile);
    titelzeile = nullptr;
    feldtext.clear();
    feldsub.clear();
    klappfenster.clear();
    titel_x.clear();
    klappbreite.clear();
    reihenzahl.clear();
    feld_x.clear();
    feld_y.clear();
}

void menu_speicher_freigeben()
{
    menu.freigeben();
    menu.leistenfenster = 0;
    menu.gc = nullptr;
    menu.nspalten = menu.nreihen = menu.nfelder = 0;
    menu.offene_spalte = menu.offenes_sub = -1;
}

namespace {

void titel_setzen()
{
    size_t laenge = 1;
    for (int i = 0; i < menu_anzahl; ++i) laenge += (menu_textfeld[i] ? strlen(menu_textfeld[i]) : 0) + 2;
    menu.titelzeile = static_cast<char *>(calloc(laenge, 1));
    if (!menu.titelzeile) return;
    for (int i = 0; i < menu_anzahl; ++i) {
        menu.titel_x[i] = pixtextlaenge(menu.titelzeile);
        straddblank(menu.titelzeile, menu_textfeld[i]);
    }
    menu.titel_x[menu_anzahl] = pixtextlaenge(menu.titelzeile);
}

// Collects the consecutive submenu rows from declared row quelle on whose
// text in column spalte is set; sub_index is the submenu slot of the run's
// first row in this column.
_xsubmenu *submenu_sammeln(int spalte, int quelle, int reihen, int sub_index)
{
    int n = menu.nspalten;
    _xsubmenu *s = nullptr;
    for (int r = quelle; r < reihen && menu_istsub[r * n] && menu_textfeld[r * n + spalte]; ++r) {
        if (!s) s = new _xsubmenu;
        s->feldtext.push_back(dublikat(menu_textfeld[r * n + spalte]));
        s->funk.push_back(menu_sub_funkfeld[sub_index + (r - quelle) * n]);
    }
    if (s) s->ntext = static_cast<int>(s->feldtext.size());
    return s;
}

// Walks the declared rows of one column: a run of submenu rows gives the
// item above it a submenu; every item row fills the next cell of the grid.
void spalte_durchlaufen(int spalte)
{
    int n = menu.nspalten;
    int reihen = menu_i / n;
    int sub_index = spalte;
    int gruppe = 0;
    int ziel = 1;
    for (int quelle = 1; quelle < reihen;) {
        if (menu_istsub[quelle * n]) {
            // A run attached to the title row (declared before any item) has
            // no item to hang on and is skipped.
            if (ziel > 1) menu.feldsub[(ziel - 1) * n + spalte] = submenu_sammeln(spalte, quelle, reihen, sub_index);
            while (quelle < reihen && menu_istsub[quelle * n]) ++quelle;
            sub_index += menu_sub_ifu[gruppe] * n;
            ++gruppe;
            continue;
        }
        if (ziel >= menu.nreihen) break;
        menu.feldtext[ziel * n + spalte] = dublikat(menu_textfeld[quelle * n + spalte]);
        ++quelle;
        ++ziel;
    }
}

void klappgroessen_setzen()
{
    const int B = pixprobuchst_x, H = pixprobuchst_y, Z = zeilenabstand;
    int n = menu.nspalten;
    for (int j = 0; j < n; ++j) {
        const char *titel = menu_textfeld[j];
        int breite = (static_cast<int>(titel ? strlen(titel) : 0) + 2) * B;
        int y = 1;
        int r = 1;
        for (; r < menu.nreihen && menu.feldtext[r * n + j]; ++r) {
            int c = r * n + j;
            y += Z;
            breite = std::max(breite, static_cast<int>(strlen(menu.feldtext[c])) * B + B / 2 + 2);
            menu.feld_x[c] = B;
            menu.feld_y[c] = y - H / 4;
        }
        menu.reihenzahl[j] = r;
        menu.klappbreite[j] = breite;
    }
    for (int c = 0; c < menu.nfelder; ++c) {
        _xsubmenu *s = menu.feldsub[c];
        if (!s) continue;
        int j = c % n;
        int breite = 0, y = 1;
        s->feld_x.assign(static_cast<size_t>(s->ntext), B);
        s->feld_y.assign(static_cast<size_t>(s->ntext), 0);
        for (int i = 0; i < s->ntext; ++i) {
            const char *t = s->feldtext[static_cast<size_t>(i)];
            breite = std::max(breite, static_cast<int>(t ? strlen(t) : 0) * B + B / 2 + 2);
            y += Z;
            s->feld_y[static_cast<size_t>(i)] = y - H / 4;
        }
        s->breite_sub = breite;
        // Overlaps the pull-down's right edge by one character.
        s->x = menu.titel_x[j] + menu.klappbreite[j] - B;
        s->y = Z + menu.feld_y[c] - Z * 3 / 4;
    }
}

}  // namespace

void menu_raster_setzen()
{
    menu_speicher_freigeben();
    if (menu_i == 0 || menu_anzahl <= 0) return;
    int n = menu_anzahl;
    menu.nspalten = n;
    menu.nreihen = (menu_i - menu_isub) / n;
    menu.nfelder = menu_i - menu_isub;
    size_t felder = static_cast<size_t>(menu.nfelder);
    menu.klappfenster.assign(static_cast<size_t>(n), 0);
    menu.titel_x.assign(static_cast<size_t>(n) + 1, 0);
    menu.klappbreite.assign(static_cast<size_t>(n), 0);
    menu.reihenzahl.assign(static_cast<size_t>(n), 0);
    menu.feldtext.assign(felder, nullptr);
    menu.feldsub.assign(felder, nullptr);
    menu.feld_x.assign(felder, 0);
    menu.feld_y.assign(felder, 0);
    menu.reihenabstand = zeilenabstand;
    titel_setzen();
    if (!menu.titelzeile) return;
    for (int j = 0; j < n; ++j) spalte_durchlaufen(j);
    klappgroessen_setzen();
}

int reihe_ermitteln(int spalte, int x, int y)
{
    if (!menu.titelzeile || spalte < 0 || spalte >= menu.nspalten) return 0;
    int dx = x - menu.titel_x[spalte];
    if (dx < 0 || dx > menu.klappbreite[spalte]) return 0;
    for (int i = 0; i < menu.reihenzahl[spalte]; ++i) {
        int feld_y = i == 0 ? 0 : menu.feld_y[i * menu.nspalten + spalte];
        if (feld_y + pixprobuchst_y / 4 >= y - menu.reihenabstand) return i;
    }
    return 0;
}

int subreihe_ermitteln(int zelle, int x, int y)
{
    if (!menu.titelzeile || zelle < 0 || zelle >= menu.nfelder || !menu.feldsub[zelle]) return -2;
    const _xsubmenu *s = menu.feldsub[zelle];
    int dx = x - s->x, dy = y - s->y;
    if (dx > s->breite_sub || dy < (-zeilenabstand) / 2) return -2;
    for (int i = 0; i < s->ntext; ++i) {
        if (s->feld_y[static_cast<size_t>(i)] + pixprobuchst_y / 4 >= dy) {
            if (dx < 0) return i == 0 ? -1 : -2;
            return i;
        }
    }
    return -2;
}
