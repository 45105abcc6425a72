// A requester that offers a list of texts, one to choose, with OK and CANCEL.
#include "anordnung.h"
#include "requester_intern.h"

#include <cstring>
#include <string>

namespace {

constexpr int SICHTBAR = 12;         // rows shown at most
constexpr int BREITESTE = 120 - 16;  // characters a list row can show (textkuerzen's buffer)

}  // namespace

int requester_liste(const char *titel, const char *const *eintraege, int anzahl, int vorwahl, const char *kopf)
{
    if (!eintraege || anzahl <= 0) return -1;
    if (anzahl > MAX_LISTENEINTRAEGE) anzahl = MAX_LISTENEINTRAEGE;
    requester_font_anfordern(0);
    if (!requester_bereit()) return -1;

    // The list gadget takes its entries one a line.
    std::string text;
    int laengste = 0;
    for (int i = 0; i < anzahl; ++i) {
        std::string e = eintraege[i] ? eintraege[i] : "";
        for (char &c : e)
            if (c == '\n' || c == '\r') c = ' ';
        if (static_cast<int>(e.size()) > laengste) laengste = static_cast<int>(e.size());
        if (i > 0) text += '\n';
        text += e;
    }
    if (kopf && static_cast<int>(std::strlen(kopf)) > laengste) laengste = static_cast<int>(std::strlen(kopf));
    // A longer entry shows its start and its last 15 characters.
    const int platz = laengste > BREITESTE ? BREITESTE + 15 : laengste;
    if (laengste > BREITESTE) laengste = BREITESTE;
    const int zeilen = minmax(anzahl, 3, SICHTBAR);
    const Listenanordnung a =
        listenrequester_anordnen(reqpixprobuchst_x, reqpixprobuchst_y, zeilen, platz, kopf != nullptr);

    gadget_setzen(0, a.liste, text.c_str(), 17, nullptr, "");
    gadget_setzen(1, a.ok, "   OK", 16, nullptr, "");
    gadget_setzen(2, a.abbruch, " CANCEL", 16, nullptr, "");
    Gadget2 *L = machgadget(&newgadgets[0], zeilen);
    // The entry chosen at the start stands in the middle rows where the list allows it.
    int zeile = -1;
    if (vorwahl >= 0 && vorwahl < anzahl) {
        L->erster = static_cast<short>(minmax(vorwahl - zeilen / 2, 0, maxwert(anzahl - zeilen, 0)));
        zeile = vorwahl - L->erster;
    }

    // No file requester runs: list entries open no directory and fill no
    // file-name field.
    aktiver_requester = Requester{};
    aktiver_requester.dateinr = -1;
    const int breite_vorher = darstellungsbreite;
    darstellungsbreite = laengste;
    listenueberschrift = kopf;
    listenwahl = -1;

    int ergebnis = xrequester_start(3, newgadgets, a.feldhoehe, 2 * reqpixprobuchst_y, a.breite, a.hoehe,
                                    titel ? titel : "", 1, zeile >= 0 ? 0 : -1, zeile);
    darstellungsbreite = breite_vorher;
    listenueberschrift = nullptr;
    int wahl = listenwahl;
    listenwahl = -1;
    return ergebnis == 1 && wahl >= 0 && wahl < anzahl ? wahl : -1;
}
