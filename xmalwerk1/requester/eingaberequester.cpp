// The input form: labelled text fields bound to the caller's variables
// through printf and scanf formats, with OK and CANCEL.
#include "anordnung.h"
#include "requester_intern.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

struct Feld {
    const char *label;
    const char *zeigen;  // printf format of the shown value
    const char *lesen;   // scanf format of the value read back
    void *ziel;
};

// The value as the show format writes it; its letters decide the type.
void wert_schreiben(char *text, size_t groesse, const Feld &f)
{
    text[0] = '\0';
    if (!f.zeigen || !f.ziel) return;
    if (strchr(f.zeigen, 's'))
        snprintf(text, groesse, f.zeigen, static_cast<const char *>(f.ziel));
    else if (strchr(f.zeigen, 'd'))
        snprintf(text, groesse, f.zeigen, *static_cast<int *>(f.ziel));
    else
        snprintf(text, groesse, f.zeigen, *static_cast<double *>(f.ziel));
}

// For a text read format ("%s", or "%39s" with a field width), the most
// characters it takes: 0 for no bound; -1 for any other format.
int textbreite(const char *format)
{
    if (format[0] != '%') return -1;
    int breite = 0;
    const char *p = format + 1;
    for (; *p >= '0' && *p <= '9'; ++p)
        if (breite < 100000) breite = breite * 10 + (*p - '0');  // far beyond any field's text
    return *p == 's' ? breite : -1;
}

void wert_lesen(const char *text, const Feld &f)
{
    if (!f.lesen || !f.ziel) return;
    const int breite = textbreite(f.lesen);
    if (breite < 0) {
        sscanf(text, f.lesen, f.ziel);
        return;
    }
    // The whole text, blanks included; a field width bounds it as scanf would.
    char *ziel = static_cast<char *>(f.ziel);
    size_t n = strlen(text);
    if (breite > 0 && n > static_cast<size_t>(breite)) n = static_cast<size_t>(breite);
    memcpy(ziel, text, n);
    ziel[n] = '\0';
}

void knopf_setzen(int i, const Rechteck &r, const char *text)
{
    newgadgets[i] = NewGadget{static_cast<short>(r.x), static_cast<short>(r.y), static_cast<short>(r.breite),
                              static_cast<short>(r.hoehe), text, static_cast<unsigned short>(i), 16, nullptr, nullptr};
    if (i < ANZAHL_PUFFER) {
        gadgetstr[i].maxlaenge = 400;
        gadgetstr[i].set("");
    }
}

}  // namespace

int requester_input(int n, ...)
{
    if (n > ANZAHL_PUFFER) n = ANZAHL_PUFFER;  // the other arguments are not read
    if (n < 0) n = 0;
    Feld felder[ANZAHL_PUFFER];
    va_list argumente;
    va_start(argumente, n);
    for (int i = 0; i < n; ++i) {
        felder[i].label = va_arg(argumente, const char *);
        felder[i].zeigen = va_arg(argumente, const char *);
        felder[i].lesen = va_arg(argumente, const char *);
        felder[i].ziel = va_arg(argumente, void *);
        if (!felder[i].label) felder[i].label = "";
    }
    va_end(argumente);

    requester_font_anfordern(0);
    if (!requester_bereit()) return 0;

    std::vector<Formularfeld> masse;
    for (int i = 0; i < n; ++i) {
        gadgetstring &b = gadgetstr[i];
        char text[sizeof b.text];
        wert_schreiben(text, sizeof text, felder[i]);  // cut at the buffer's size
        b.maxlaenge = 400;
        b.set(text);
        const char *l = felder[i].lesen;
        size_t ll = l ? strlen(l) : 0;
        masse.push_back({static_cast<int>(strlen(felder[i].label)), static_cast<int>(strlen(text)),
                         ll > 0 && l[ll - 1] == '\n'});
    }
    const Formularanordnung a = formular_anordnen(reqpixprobuchst_x, reqpixprobuchst_y, masse);
    for (int i = 0; i < n; ++i) {
        const Rechteck &r = a.felder[static_cast<size_t>(i)];
        newgadgets[i] = NewGadget{static_cast<short>(r.x),      static_cast<short>(r.y),
                                  static_cast<short>(r.breite), static_cast<short>(r.hoehe),
                                  felder[i].label,              static_cast<unsigned short>(i),
                                  4,                            felder[i].ziel,
                                  nullptr};
        gadgetstr[i].maxlaenge = a.maxlaenge[static_cast<size_t>(i)];
    }
    knopf_setzen(n, a.ok, "   OK");
    knopf_setzen(n + 1, a.abbruch, " CANCEL");

    int ergebnis = xrequester_start(n + 2, newgadgets, a.feldhoehe, 2 * reqpixprobuchst_y, a.breite, a.hoehe,
                                    "Input-Requester", 1);
    if (ergebnis == 1)
        for (int i = 0; i < n; ++i) wert_lesen(gadgetstr[i].text, felder[i]);
    return ergebnis;
}
