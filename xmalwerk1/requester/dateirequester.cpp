// The file requester: an optional filter field, the list of the current
// directory, path and file-name fields, two directory buttons, OK and CANCEL.
#include "anordnung.h"
#include "requester_intern.h"

#include <cstring>

namespace {

constexpr int PFADLAENGE = 400;
constexpr int DATEILAENGE = 200;

int laenge(const char *s)
{
    return s ? static_cast<int>(strlen(s)) : 0;
}

}  // namespace

int requester_datei(char *pfad, char *datei, int, int, int zeilen, int flags, const char *titel, char *filter,
                    const char *ok, const char *abbruch, const char *knopf1, const char *knopf2)
{
    requester_font_anfordern(0);
    if (!requester_bereit()) return 0;
    if (!ok) ok = "   OK";
    if (!abbruch) abbruch = " CANCEL";
    // The first letter decides a directory button's action.
    if (!knopf1) knopf1 = " Parent";
    if (!knopf2) knopf2 = " Devices";
    if (!titel) titel = "";
    if (zeilen < 1) zeilen = 1;
    const bool deutsch = flags & 1;
    const int cw = reqpixprobuchst_x, ch = reqpixprobuchst_y;

    char *liste = getfileliste(pfad, filter, 40);

    // The buffers first: the layout measures the texts as they hold them.
    gadgetstring puffer_filter, puffer_pfad, puffer_datei;
    puffer_filter.set(filter);
    puffer_pfad.set(pfad);
    puffer_datei.set(datei);
    const Dateianordnung a = dateirequester_anordnen(cw, ch, zeilen, filter ? laenge(puffer_filter.text) : -1,
                                                     laenge(puffer_pfad.text), laenge(puffer_datei.text));
    int i = 0;
    if (filter) {
        gadget_setzen(i, a.filter, " Filt:", 1, filter, puffer_filter.text);
        ++i;
    }
    const int listennr = i;
    gadget_setzen(i++, a.liste, liste, 17, nullptr, "Files ");
    const int pfadnr = i;
    gadget_setzen(i++, a.pfad, deutsch ? " Pfad:" : " Path:", 1, pfad, puffer_pfad.text);
    const int dateinr = i;
    gadget_setzen(i++, a.datei, deutsch ? "Datei:" : " File:", 1, datei, puffer_datei.text);
    gadget_setzen(i++, a.knopf1, knopf1, 16, nullptr, "");
    gadget_setzen(i++, a.knopf2, knopf2, 16, nullptr, "");
    gadget_setzen(i++, a.ok, ok, 16, nullptr, "");
    gadget_setzen(i++, a.abbruch, abbruch, 16, nullptr, "");
    const int anzahl = i;

    if (filter) machgadget(&newgadgets[0], 1);
    machgadget(&newgadgets[listennr], zeilen);
    machgadget(&newgadgets[pfadnr], 1);
    machgadget(&newgadgets[dateinr], 1);

    aktiver_requester.typ = filter ? 17 : 16;
    aktiver_requester.pfadnr = pfadnr;
    aktiver_requester.dateinr = dateinr;
    g_filter = filter ? gadgetstr[0].text : nullptr;

    int ergebnis = xrequester_start(anzahl, newgadgets, a.feldhoehe, 2 * ch, a.breite, a.hoehe, titel,
                                    aktiver_requester.typ);
    if (ergebnis == 1 && pfad && datei) {
        strcpymax(pfad, gadgetstr[pfadnr].text, PFADLAENGE);
        strcpymax(datei, gadgetstr[dateinr].text, PFADLAENGE);
    }
    delete[] liste;
    g_filter = nullptr;
    return ergebnis;
}

int nachfilenamefragen(char *titel, char *name, int max, int flags, char *filter, char *ok, char *abbruch,
                       char *knopf1, char *knopf2)
{
    // The file part has room for a whole path: the requester returns its
    // field into a buffer of that size.
    char pfad[PFADLAENGE], datei[PFADLAENGE];
    splitpfad(name, pfad, datei, PFADLAENGE, DATEILAENGE);
    const char *t = titel ? titel : "";
    const char *ok_text = ok;
    if (!ok_text) {
        if (strncmpgross(t, "LOAD", 4) == 0 || strncmpgross(t, "LADE", 4) == 0)
            ok_text = "  LOAD";
        else if (strncmpgross(t, "SAVE", 4) == 0 || strncmpgross(t, "SPEI", 4) == 0)
            ok_text = "  SAVE";
        else
            ok_text = "   OK";
    }
    int ergebnis = requester_datei(pfad, datei, 0, 0, 10, flags, t, filter, ok_text, abbruch, knopf1, knopf2);
    if (ergebnis == 1 && name) joinpfad(pfad, datei, name, max);
    return ergebnis;
}
