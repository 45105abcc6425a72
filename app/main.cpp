// umbrix: the shadow of the Moon on the Earth during solar eclipses.
#include "bessel.h"
#include "bildbefehl.h"
#include "bildspeichern.h"
#include "erdkarte.h"
#include "umbrix.h"

#include "xmalwerk1/xmalwerk1.h"

#include <cstdio>
#include <cstdlib>

namespace {

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
    bild_gezeigt(bessel, t, bild);
}

}  // namespace

int main(int argc, char **argv)
{
    if (bildbefehl_verlangt(argc, argv)) return bildbefehl(argc, argv, bild);

    if (kommandozeile_auswerten(argc, argv)) {
        printf("umbrix  %s\n", "Version 0.4");
        printf("Anwendung: umbrix Jahr Monat\n");
        exit(0);
    }

    int w, h, d, klasse;
    getmaxsize(&w, &h, &d, &klasse);
    fenstergroesse_berechnen(&w, &h, &d);
    double aspect = static_cast<double>(w) / h;
    double xmax = 1.5 * aspect, xmin = -xmax, ymin = -1.5, ymax = 1.5;
    setsize(w, h, d);

    setmenu(2, "File", "Hilfe");
    setmenu(2, "Next", "Hilfe...", m_next, m_hilfe);
    setmenu(1, "Jahr...", m_set);
    setmenu(1, "%ABBild speichern...", m_bild);
    setmenu(1, "Exit", menu_exit);

    qinital(1, xmin, ymin, xmax, ymax);
    setcolor(4, 100, 150, 255);

    Bessel bessel;
    const double schritt = 0.05;
    bool gestoppt = false;
    karte_laden(const_cast<char *>("gmtkuesten.dat"));

    while (!schluss()) {
        bessel.dateneinlesen(jahr, monat);
        // Without the file (or any whole record in it) the search's year and
        // month stay; the globe is then drawn without a shadow.
        if (bessel.lesestand != Bessel::fehlgeschlagen) {
            jahr = bessel.fjahr;
            monat = bessel.fmonat;
        }

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
