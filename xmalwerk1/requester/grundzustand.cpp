// Starting over: the requesters' globals back to their values at program
// start.
#include "requester_intern.h"

void requester_grundzustand()
{
    requesterfont_grundzustand();
    dateinavigation_grundzustand();
    DELL = 127;
    DELR = 8;
    aktiver_requester = Requester{};
    schiebebalken = Schiebebalken();
    darstellungsbreite = 40;
    listenueberschrift = nullptr;
    for (gadgetstring &g : gadgetstr) {
        g.text[0] = '\0';
        g.anfang = 0;
        g.anzeige = g.text;
        g.maxlaenge = 400;
    }
}
