// Keyboard shortcuts of menu items (Escape, then the key), and two keyboard
// helpers of the requesters.
#include "menu_intern.h"

#include <X11/keysym.h>

#include <cctype>

Amigatast amigatast;

namespace {
// Cleared by the first BackSpace key.
int gut = 1;
}  // namespace

Amigatast::Amigatast() : scharf(0), kopf(nullptr) {}

int Amigatast::geta(const char *text)
{
    if (!text || text[0] != '%' || text[1] != 'A' || text[2] == '\0') return 0;
    return toupper(static_cast<unsigned char>(text[2]));
}

void Amigatast::put(int taste, menufunktion funktion, long argument)
{
    kopf = new Eintrag{kopf, taste, funktion, argument};
}

void Amigatast::put(int zelle, long argument)
{
    int slot = menu_isub + zelle;
    if (zelle < 0 || slot >= MENU_SLOTS) return;
    int taste = geta(menu_textfeld[slot]);
    if (taste) put(taste, menu_funkfeld[zelle], argument);
}

void Amigatast::subput(int subzelle)
{
    int slot = menu_i + subzelle - menu_isub;
    if (subzelle < 0 || slot < 0 || slot >= MENU_SLOTS) return;
    int taste = geta(menu_textfeld[slot]);
    if (taste) put(taste, menu_sub_funkfeld[subzelle], 0);
}

int Amigatast::doit(unsigned long keysym)
{
    if (keysym == XK_Escape) {
        scharf = !scharf;
        return scharf;
    }
    if (!scharf) return 0;
    benutzen(static_cast<int>(keysym));
    scharf = 0;
    return 1;
}

void Amigatast::leeren()
{
    while (kopf) {
        Eintrag *e = kopf;
        kopf = e->naechster;
        delete e;
    }
    scharf = 0;
}

void Amigatast::benutzen(int keysym)
{
    if (keysym & 0xFF00) return;  // function and modifier keys
    int taste = toupper(keysym & 0xFF);
    for (Eintrag *e = kopf; e; e = e->naechster) {
        if (e->taste != taste) continue;
        if (e->funktion) {
            ++menu_auswahlzaehler;
            e->funktion(e->argument);
        }
        return;
    }
}

int schlechte_tastatur(unsigned long keysym)
{
    if (keysym == XK_BackSpace) gut = 0;
    return gut ? 0 : 1;
}

int strncmpgross(const char *text, const char *name, int n)
{
    if (!text || !name) return 0;
    while (*text == ' ') ++text;
    for (int i = 0; i < n; ++i) {
        int a = toupper(static_cast<unsigned char>(text[i]));
        int b = static_cast<unsigned char>(name[i]);
        if (a == 0 || b == 0) return 0;
        if (a != b) return a - b;
    }
    return 0;
}

void tastatur_grundzustand()
{
    amigatast.leeren();
    gut = 1;
}
