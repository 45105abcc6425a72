// The gadget table, the shared text buffers, list records and the editing
// of a text buffer. Nothing here draws.
#include "anordnung.h"
#include "requester_intern.h"

#include <cstring>

NewGadget newgadgets[ANZAHL_GADGETS];
gadgetstring gadgetstr[ANZAHL_PUFFER];
Requester aktiver_requester;
Gadget2 *mal_gadgetliste = nullptr;
int listenwahl = -1;
const char *listenueberschrift = nullptr;
int DELL = 127;
int DELR = 8;

namespace {
gadgetstring ersatzpuffer;
}

gadgetstring::gadgetstring() : anzeige(text), anfang(0), maxlaenge(400)
{
    text[0] = '\0';
}

int gadgetstring::inc(int d)
{
    anfang += d;
    // Never before the start, never past the end of the text: the shown
    // part always lies inside the buffer.
    int laenge = static_cast<int>(strnlen(text, sizeof text - 1));
    if (anfang > laenge) anfang = laenge;
    if (anfang < 0) anfang = 0;
    anzeige = text + anfang;
    return anfang;
}

void gadgetstring::set(const char *s)
{
    anfang = 0;
    int grenze = maxlaenge < static_cast<int>(sizeof text) ? maxlaenge : static_cast<int>(sizeof text);
    int i = 0;
    for (; s && i < grenze - 1 && s[i]; ++i) text[i] = s[i];
    text[i] = '\0';
    anzeige = text;
}

gadgetstring &puffer_von(const NewGadget *g)
{
    if (g->strnr < ANZAHL_PUFFER) return gadgetstr[g->strnr];
    ersatzpuffer.maxlaenge = 400;
    ersatzpuffer.set("");
    return ersatzpuffer;
}

void gadget_setzen(int i, const Rechteck &r, const char *text, int typ, void *ziel, const char *puffertext)
{
    newgadgets[i] = NewGadget{static_cast<short>(r.x),      static_cast<short>(r.y),
                              static_cast<short>(r.breite), static_cast<short>(r.hoehe),
                              text,                         static_cast<unsigned short>(i),
                              typ,                          ziel,
                              nullptr};
    gadgetstr[i].maxlaenge = 400;
    gadgetstr[i].set(puffertext);
}

Gadget2 *machgadget(NewGadget *g, int sichtbar)
{
    Gadget2 *L = new Gadget2{};
    L->next = mal_gadgetliste;
    mal_gadgetliste = L;
    L->x = g->x;
    L->y = g->y;
    L->breite = g->breite;
    L->hoehe = g->hoehe;
    L->typ = static_cast<short>(g->typ);
    L->text = g->text;
    L->strnr = static_cast<short>(g->strnr);
    L->erster = 0;
    if (g->typ == 17) {
        fileliste_ins_gadget_kopieren(g->text, L);
        // Room for the scroll bar; the list record keeps the narrower width.
        g->breite = static_cast<short>(g->breite + reqpixprobuchst_x * 3 / 2);
    } else {
        L->eintraege = new char *[1]{static_cast<char *>(g->ziel)};
        L->anzahl = 1;
    }
    L->sichtbar = static_cast<short>(sichtbar);
    L->zeilenhoehe = static_cast<short>(reqpixprobuchst_y * 5 / 4);
    g->liste = L;
    return L;
}

int zeicheninsert(int zeichen, int pos, char *text, int max)
{
    int laenge = static_cast<int>(strlen(text));
    if (zeichen == DELL || zeichen == DELR) {
        if (zeichen == DELL) --pos;
        if (pos < 0 || pos >= laenge) return 0;
        memmove(text + pos, text + pos + 1, static_cast<size_t>(laenge - pos));
        return 1;
    }
    if (pos > laenge) pos = laenge;  // no gap between the text and the new character
    // A full text takes no more: nothing of it is pushed out, also when it
    // was set longer than the limit (a path given to the file requester).
    if (pos < 0 || laenge >= max) return 0;
    memmove(text + pos + 1, text + pos, static_cast<size_t>(laenge - pos + 1));
    text[pos] = static_cast<char>(zeichen);
    return 1;
}

void eingabekursor_off(int *aktiv)
{
    if (*aktiv >= 0 && *aktiv < ANZAHL_GADGETS) {
        gadgetstring &b = puffer_von(&newgadgets[*aktiv]);
        b.inc(-b.anfang);  // back to the start, however far it was scrolled
    }
    *aktiv = -1;
}

int istinnerhalb(int v, int a, int b)
{
    return (a <= v && v <= b) || (b <= v && v <= a);
}

int istinnerhalb(int x, int y, int x1, int y1, int x2, int y2)
{
    return istinnerhalb(x, x1, x2) && istinnerhalb(y, y1, y2);
}

int get_ngtyp(int typ)
{
    if (typ == 16) return 2;
    if (typ == 17) return 17;
    return 1;
}

int IS_REQTYP_AUSWAHL(int reqtyp)
{
    return (reqtyp & 16) != 0;
}
