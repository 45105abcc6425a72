// Menu declarations: the tables that setmenu and setsubmenu fill before the
// window opens, and their counters.
#include "menu_intern.h"
#include "../core/intern.h"

#include <cstdarg>
#include <cstdio>

const char *menu_textfeld[MENU_SLOTS];
int menu_istsub[MENU_SLOTS];
menufunktion menu_funkfeld[MENU_SLOTS];
menufunktion menu_sub_funkfeld[MENU_SLOTS];
int menu_sub_ifu[MENU_SLOTS];
int menu_anzahl = 0, menu_i = 0, menu_isub = 0, menu_k = 0;
int menu_debug = 0;

namespace {

// The function behind the default "Exit" item; automenu_exit itself takes
// no argument, and a menu function is always called with one.
void automenu_exit_eintrag(long)
{
    automenu_exit();
}

bool passt_nicht(int slots)
{
    if (menu_i + slots <= MENU_SLOTS) return false;
    printf("maximale Menu-Anzahl ueberschritten\n");
    return true;
}

int titel_setzen(int anzahl, va_list ap)
{
    if (passt_nicht(anzahl)) return menu_i;
    menu_anzahl = anzahl;
    for (int i = 0; i < MENU_SLOTS; ++i) {
        menu_sub_ifu[i] = 0;
        menu_istsub[i] = 0;
    }
    menu_isub = 0;
    menu_k = 0;
    for (int i = 0; i < anzahl; ++i) menu_textfeld[i] = va_arg(ap, const char *);
    menu_i = anzahl;
    return menu_i;
}

// Reads anzahl texts and anzahl functions into one row of menu_anzahl
// slots; surplus arguments beyond the declared columns are read and ignored.
void reihe_lesen(int anzahl, va_list ap, const char **texte, menufunktion *funktionen)
{
    for (int i = 0; i < menu_anzahl; ++i) {
        texte[i] = nullptr;
        funktionen[i] = nullptr;
    }
    for (int i = 0; i < anzahl; ++i) {
        const char *t = va_arg(ap, const char *);
        if (i < menu_anzahl) texte[i] = t;
    }
    for (int i = 0; i < anzahl; ++i) {
        menufunktion f = va_arg(ap, menufunktion);
        if (i < menu_anzahl) funktionen[i] = f;
    }
}

int reihe_setzen(int anzahl, va_list ap)
{
    if (passt_nicht(menu_anzahl)) return menu_i;
    if (menu_sub_ifu[menu_k] > 0) ++menu_k;
    const char *texte[MENU_SLOTS];
    menufunktion funktionen[MENU_SLOTS];
    reihe_lesen(anzahl, ap, texte, funktionen);
    int zelle0 = menu_i - menu_isub;  // main-grid cell of column 0
    for (int i = 0; i < menu_anzahl; ++i) {
        menu_textfeld[menu_i + i] = texte[i];
        menu_istsub[menu_i + i] = 0;
        menu_funkfeld[zelle0 + i] = funktionen[i];
        amigatast.put(zelle0 + i, ~static_cast<long>(zelle0 + i));
    }
    menu_i += menu_anzahl;
    return menu_i;
}

}  // namespace

int setmenu(int anzahl, ...)
{
    if (anzahl == -1) {
        setmenu(1, "File");
        return setmenu(1, "Exit", automenu_exit_eintrag);
    }
    if (anzahl <= 0) {
        menu_debug = -anzahl;
        printf("XMENU: menu_debug=%d\n", menu_debug);
        return menu_i;
    }
    va_list ap;
    va_start(ap, anzahl);
    int ergebnis = menu_i == 0 ? titel_setzen(anzahl, ap) : reihe_setzen(anzahl, ap);
    va_end(ap);
    return ergebnis;
}

int setsubmenu(int anzahl, ...)
{
    // A submenu row needs the title row before it (it fixes the columns).
    if (menu_i == 0 || menu_anzahl <= 0 || anzahl <= 0) return menu_isub;
    if (passt_nicht(menu_anzahl)) return menu_isub;
    va_list ap;
    va_start(ap, anzahl);
    const char *texte[MENU_SLOTS];
    menufunktion funktionen[MENU_SLOTS];
    reihe_lesen(anzahl, ap, texte, funktionen);
    va_end(ap);
    ++menu_sub_ifu[menu_k];
    for (int i = 0; i < menu_anzahl; ++i) {
        menu_textfeld[menu_i + i] = texte[i];
        menu_istsub[menu_i + i] = 1;
        menu_sub_funkfeld[menu_isub + i] = funktionen[i];
        amigatast.subput(menu_isub + i);
    }
    menu_i += menu_anzahl;
    menu_isub += menu_anzahl;
    return menu_isub;
}

int menu_reset()
{
    menu_anzahl = 0;
    menu_i = 0;
    menu_isub = 0;
    menu_k = 0;
    menubalkenhoehe = 0;
    // With the display closed the laid-out menu's windows, font and gc are
    // gone; only its memory is left to release.
    if (!dpy) {
        menu_speicher_freigeben();
        menu.menufont = nullptr;
    }
    return 0;
}

int menuvorhanden()
{
    return menu_anzahl > 0 ? 1 : 0;
}

int get_menuleistenhoehe()
{
    return zeilenabstand + 2;
}

void menu_sitzung_vergessen()
{
    // Menus are declared again for the next session, with their shortcuts.
    amigatast.leeren();
    menuaufklapper_grundzustand();
    menuleiste_grundzustand();
    ereignisschleife_vergessen();
    maus_vergessen();
}

void menu_grundzustand()
{
    menu_reset();
    menu_sitzung_vergessen();
    for (int i = 0; i < MENU_SLOTS; ++i) {
        menu_textfeld[i] = nullptr;
        menu_istsub[i] = 0;
        menu_funkfeld[i] = nullptr;
        menu_sub_funkfeld[i] = nullptr;
        menu_sub_ifu[i] = 0;
    }
    menu_debug = 0;
    menu_auswahlzaehler = 0;
    funk_buttonpress = funk_buttonrelease = funk_expose = funk_motion = nullptr;
    tastatur_grundzustand();
    ereignisschleife_grundzustand();
    menufont_grundzustand();
    menufenster_grundzustand();
    fadenkreuz_grundzustand();
}
