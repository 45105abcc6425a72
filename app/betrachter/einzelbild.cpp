// One picture saved from the command line: the window opens as usual, the
// eclipse is drawn once and saved, and the window closes.
#include "betrachter.h"

#include "bessel.h"
#include "bildspeichern.h"
#include "globusfenster.h"
#include "pfadbild.h"

#include "xmalwerk1/xmalwerk1.h"

bool bild_aus_satz_speichern(const Besselsatz &satz, int nummer, double t, const std::string &datei,
                             std::string *fehler)
{
    globusfenster_oeffnen(nullptr);
    Bessel bessel;
    bessel.uebernehmen(satz, nummer);
    pfadbild.setzen(bessel.gelesene_elemente());
    // A moment chosen, as the stopped viewer shows one: with the time scale.
    Bildart art = ansicht;
    art.zeitleiste = true;
    bild_zeichnen(bessel, t, art);
    bild_zeigen();  // what is saved is the picture shown
    const bool gespeichert = bild_speichern(datei, fehler);
    fflush(stdout);
    term_exit();
    return gespeichert;
}
