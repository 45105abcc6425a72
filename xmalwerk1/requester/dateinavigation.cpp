// Moving through directories in the file requester: the path field, the
// directory buttons, opening a list entry and taking it as the file name.
#include "requester_intern.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>

const char *const GERAETELISTE = "ROOT        (disk)\nHOME        (disk)\nPWD         (disk)\nCDROM       (disk)";
const char *const GERAETEPFAD = "$DISKS";

namespace {

// The directory shown before the last one was opened, for the way back.
char olddirname[400];
int olddirflag = 0;

gadgetstring &pfadfeld()
{
    return gadgetstr[aktiver_requester.pfadnr];
}

// Sets the path field and lists that path into the list.
void pfad_zeigen(Gadget2 *liste, const char *pfad)
{
    gadgetstring &p = pfadfeld();
    p.set(pfad);
    if (strcmp(p.text, GERAETEPFAD) == 0)
        fileliste_ins_gadget_kopieren(GERAETELISTE, liste);
    else
        fileliste_aktualisieren(liste, p.text);
}

int erster_buchstabe(const char *text)
{
    if (!text) return 0;
    while (*text == ' ') ++text;
    return static_cast<unsigned char>(*text);
}

}  // namespace

void ngnewpath(NewGadget *gadgets)
{
    const int nr = aktiver_requester.pfadnr;
    if (nr < 1 || nr >= ANZAHL_PUFFER || !gadgets[nr - 1].liste) return;
    pfad_zeigen(gadgets[nr - 1].liste, pfadfeld().text);
}

int ngnewdir(Window, GC, NewGadget *g, int index, char art)
{
    const int nr = aktiver_requester.pfadnr;
    if (nr < 1 || nr >= ANZAHL_PUFFER) return 0;
    const bool knopf = art == 0;
    const int c = knopf ? erster_buchstabe(g[index].text) : static_cast<unsigned char>(art);
    NewGadget *liste = knopf ? &g[nr - 1] : &g[index];
    if (!liste->liste) return 0;

    if (c == 'P') {
        char pfad[400];
        strcpymax(pfad, pfadfeld().text, sizeof pfad);
        if (knopf && (pfad[0] == '\0' || strcmp(pfad, ".") == 0)) {
            // The directory of the process itself; "../x" has the parent "..".
            if (!getcwd(pfad, sizeof pfad)) strcpymax(pfad, "../x", sizeof pfad);
        }
        char eltern[400];
        elternpfad(pfad, eltern, sizeof eltern);
        pfad_zeigen(liste->liste, eltern);
        return 1;
    }
    if (c == 'D') {
        pfad_zeigen(liste->liste, GERAETEPFAD);
        return 1;
    }
    printf("Error in ngnewdir(): c1=0x%02X='%c' GadgetText='%s'\n", static_cast<unsigned>(c),
           c < ' ' || c > 'z' ? ' ' : c, liste->text ? liste->text : "");
    fflush(stdout);
    return 0;
}

int ngnextdir(Window w, GC g, NewGadget *liste, int zeile, int zurueck)
{
    Gadget2 *L = liste->liste;
    // Entries of a list that is no directory listing open nothing.
    if (!L || aktiver_requester.pfadnr < 1) return 0;
    if (zurueck != 0) {
        if (!olddirflag) return 0;
        olddirflag = 0;
        pfad_zeigen(L, olddirname);
        return 1;
    }
    const int index = zeile + L->erster;
    if (zeile < 0 || index >= L->anzahl) return 0;
    const char *eintrag = L->eintraege[index];
    if (ISTPUNKTPUNKT(eintrag)) return ngnewdir(w, g, liste, 0, 'P');
    char name[400];
    const Eintragsart art = eintrag_zerlegen(eintrag, name, sizeof name);
    const bool geraet = art == Eintragsart::geraet;
    if (!geraet && art != Eintragsart::verzeichnis && art != Eintragsart::verweis) return 0;

    strcpymax(olddirname, pfadfeld().text, sizeof olddirname);
    olddirflag = 1;
    char neu[400];
    if (geraet)
        geraetepfad(name, neu, sizeof neu);
    else if (pfadfeld().text[0])
        strjoin(pfadfeld().text, '/', name, neu, sizeof neu);
    else
        strcpymax(neu, name, sizeof neu);
    pfad_zeigen(L, neu);
    return 1;
}

int neuerdateitext(Window w, GC g, int hoch, NewGadget *liste, int zeile, int anzahl, int mx, int my)
{
    Gadget2 *L = liste->liste;
    const int nr = aktiver_requester.dateinr;
    if (L && zeile >= 0 && L->anzahl > 0) {
        int index = minwert(zeile + L->erster, L->anzahl - 1);
        listenwahl = index;
        if (nr >= 0 && nr < ANZAHL_PUFFER) {
            char name[sizeof gadgetstr[nr].text];
            eintrag_zerlegen(L->eintraege[index], name, sizeof name);
            gadgetstr[nr].set(name);
        }
    }
    eingabekursor(w, g, liste, -1, -1, -1);  // the bar off; the redraw clears the list anyway
    gadgets_anschreiben(w, g, anzahl, hoch, 0, -1);
    return eingabekursor(w, g, liste, mx, my, -1);
}

void dateinavigation_grundzustand()
{
    olddirname[0] = '\0';
    olddirflag = 0;
}
