// umbrix: the shadow of the Moon on the Earth during solar eclipses.
#include "bessel.h"
#include "erdkarte.h"
#include "ortbefehl.h"
#include "ortmenu.h"
#include "umbrix.h"

#include "xmalwerk1/xmalwerk1.h"

#include <cstdio>
#include <cstdlib>

namespace {

// An empty cell of a menu row: the column's pull-down has ended above it.
const char *const kein_menutext = nullptr;
void (*const keine_menufunktion)(long) = nullptr;

// The program ends on the Exit command and on the window manager's close
// request, which waitmenu also takes while the pacing calls serve the menus.
bool schluss()
{
    return exitflag || schliessen_angefordert();
}

void bild(Bessel &bessel, double t)
{
    changebuffer(0, 1);
    screenclear(-1);
    bessel.zeichnen(t);
}

}  // namespace

int main(int argc, char **argv)
{
    // Local circumstances on the command line: answered without a display.
    int status = 0;
    if (ortbefehl(argc, argv, &status)) return status;

    if (kommandozeile_auswerten(argc, argv)) {
        printf("umbrix  %s\n", "Version 0.4");
        printf("Anwendung: umbrix Jahr Monat\n");
        printf("           umbrix --ort Breite Laenge [Jahr [Monat]] [--hoehe Meter]\n");
        printf("           umbrix --liste Breite Laenge [Von [Bis]] [--hoehe Meter]\n");
        exit(0);
    }

    int w, h, d, klasse;
    getmaxsize(&w, &h, &d, &klasse);
    fenstergroesse_berechnen(&w, &h, &d);
    double aspect = static_cast<double>(w) / h;
    double xmax = 1.5 * aspect, xmin = -xmax, ymin = -1.5, ymax = 1.5;
    setsize(w, h, d);

    setmenu(3, "File", "Hilfe", "Ort");
    setmenu(3, "Next", "Hilfe...", menutext_koordinaten, m_next, m_hilfe, m_ort_koordinaten);
    setmenu(3, "Jahr...", kein_menutext, menutext_zeigen, m_set, keine_menufunktion, m_ort_zeigen);
    setmenu(3, "Exit", kein_menutext, menutext_finsternisse, menu_exit, keine_menufunktion, m_ort_finsternisse);

    qinital(1, xmin, ymin, xmax, ymax);
    setcolor(4, 100, 150, 255);

    Bessel bessel;
    const double schritt = 0.05;
    bool gestoppt = false;
    karte_laden(const_cast<char *>("gmtkuesten.dat"));
    ort_laden();

    while (!schluss()) {
        bessel.dateneinlesen(jahr, monat);
        // Without the file (or any whole record in it) the search's year and
        // month stay; the globe is then drawn without a shadow.
        if (bessel.lesestand != Bessel::fehlgeschlagen) {
            jahr = bessel.fjahr;
            monat = bessel.fmonat;
        }
        ort_zur_finsternis(bessel);

        double x = 0, y = 0;
        for (double t = -3.0; !schluss() && t <= 3.0; t += schritt) {
            waitBOF();
            // The pacing call serves input too: a press it took counts even
            // when the release is the next event, which mausposition takes.
            bool gedrueckt = maustasten_zustand & 0x40;
            bild(bessel, t);
            if ((mausposition(&x, &y) & 0x40) || gedrueckt) {
                gestoppt = true;
                break;
            }
        }

        if (alle == 1 && !gestoppt) {
            monat += 1;
            if (monat == 13) {
                jahr += 1;
                monat = 1;
            }
        }
        // Past the file's last eclipse every later search comes back to that
        // one: the automatic advance ends there as it ends after 2199.
        bool weiter = bessel.lesestand == Bessel::gefunden;
        if (alle == 1 && !gestoppt && weiter && jahr <= 2199 && !schluss()) continue;

        nextflag = 0;
        while (!schluss() && waitmenu(0) == 0 && !nextflag) {
            mausposition(&x, &y);
            double t = 3.0 / xmax * x;
            waitTOF();
            bild(bessel, t);
        }
        gestoppt = false;
    }

    term_exit();
    delete[] aktuellerpfad;
    return 0;
}
