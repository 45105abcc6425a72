// umbrix: the shadow of the Moon on the Earth during solar eclipses.
#include "bessel.h"
#include "bildbefehl.h"
#include "bildspeichern.h"
#include "erdkarte.h"
#include "ortbefehl.h"
#include "ortmenu.h"
#include "pfadbefehl.h"
#include "pfadbild.h"
#include "umbrix.h"

#include "xmalwerk1/xmalwerk1.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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
    bild_gezeigt(bessel, t, bild);
}

// Menu bar "File", "Hilfe", "Ort", "Ansicht"; a pull-down ends at its
// first empty cell, so "Pfad" and the items of "Ort" fill rows from the top.
void menus_anlegen()
{
    setmenu(4, "File", "Hilfe", "Ort", "Ansicht");
    setmenu(4, "%ANNext", "Hilfe...", menutext_koordinaten, "%APPfad", m_next, m_hilfe, m_ort_koordinaten, m_pfad);
    setmenu(3, "%AVVorige", kein_menutext, menutext_zeigen, m_vorige, keine_menufunktion, m_ort_zeigen);
    setmenu(3, "Jahr...", kein_menutext, menutext_finsternisse, m_set, keine_menufunktion, m_ort_finsternisse);
    setmenu(1, "%ABBild speichern...", m_bild);
    setmenu(1, "%AXExit", menu_exit);
}

// After every read: the eclipse's path is computed once, a place set prints
// its circumstances, and the search's year and month follow the eclipse
// read (without the file they stay as asked).
void datum_uebernehmen(const Bessel &bessel)
{
    pfadbild.setzen(bessel);
    ort_zur_finsternis(bessel);
    if (bessel.lesestand == Bessel::fehlgeschlagen) return;
    jahr = bessel.fjahr;
    monat = bessel.fmonat;
}

// Reads the eclipse that Next, Vorige, Jahr... or the list chose, if one was chosen.
// False when nothing was chosen, or there is none before the file's first
// or after its last: the eclipse shown then stays and goes on.
bool befehl_ausfuehren(Bessel &bessel)
{
    if (!nextflag) return false;
    nextflag = 0;
    bool gelesen = true;
    if (satzwahl >= 0)
        gelesen = bessel.satzeinlesen(satzwahl);
    else if (satzschritt == 0)
        bessel.dateneinlesen(jahr, monat);
    else
        gelesen = bessel.satzeinlesen(bessel.satznummer + satzschritt);
    satzwahl = -1;
    datum_uebernehmen(bessel);
    return gelesen;
}

// The automatic advance: the next record of the file, unless the file ends
// or the month after the eclipse shown lies beyond 2199.
bool weiterschalten(Bessel &bessel)
{
    int folgejahr = monat == 12 ? jahr + 1 : jahr;
    if (schluss() || bessel.lesestand != Bessel::gefunden || folgejahr > 2199) return false;
    bool gelesen = bessel.satzeinlesen(bessel.satznummer + 1);
    datum_uebernehmen(bessel);
    return gelesen;
}

enum class Animation { durchgelaufen, angehalten, gewechselt };

// Six hours around T0, three minutes a frame. A command that chose another
// eclipse ends it at the next frame.
Animation animieren(Bessel &bessel)
{
    const double schritt = 0.05;
    double x = 0, y = 0;
    for (double t = -3.0; !schluss() && t <= 3.0; t += schritt) {
        waitBOF();
        if (befehl_ausfuehren(bessel)) return Animation::gewechselt;
        // The pacing call serves input too: a press it took counts even
        // when the release is the next event, which mausposition takes.
        bool gedrueckt = maustasten_zustand & 0x40;
        bild(bessel, t);
        if ((mausposition(&x, &y) & 0x40) || gedrueckt) return Animation::angehalten;
    }
    return befehl_ausfuehren(bessel) ? Animation::gewechselt : Animation::durchgelaufen;
}

// The pointer's column chooses the moment shown, until a command chooses
// another eclipse or the program ends.
void betrachten(Bessel &bessel, double xmax)
{
    double x = 0, y = 0;
    while (!schluss() && waitmenu(0) == 0 && !befehl_ausfuehren(bessel)) {
        mausposition(&x, &y);
        double t = 3.0 / xmax * x;
        waitTOF();
        bild(bessel, t);
    }
}

void anwendung_zeigen(FILE *aus)
{
    fprintf(aus, "umbrix  %s\n", "Version 0.4");
    fprintf(aus, "Anwendung: umbrix Jahr Monat\n");
    fprintf(aus, "           umbrix --ort Breite Laenge [Jahr [Monat]] [--hoehe Meter]\n");
    fprintf(aus, "           umbrix --liste Breite Laenge [Von [Bis]] [--hoehe Meter]\n");
    fprintf(aus, "           umbrix --pfad [Jahr [Monat]]\n");
    fprintf(aus, "           umbrix --bild Datei [Jahr [Monat [HH:MM]]]\n");
}

// What was printed must have reached standard output (a full disc, a closed
// descriptor): else one line says so and a success becomes status 1.
int ausgabe_pruefen(int status)
{
    errno = 0;
    if (fflush(stdout) == 0 && !ferror(stdout)) return status;
    fprintf(stderr, "umbrix: Ausgabe nicht geschrieben: %s\n", strerror(errno ? errno : EIO));
    return status ? status : 1;
}

}  // namespace

int main(int argc, char **argv)
{
    // Local circumstances on the command line: answered without a display.
    int status = 0;
    if (ortbefehl(argc, argv, &status)) return ausgabe_pruefen(status);
    // The path of the shadow as a table, also without a display.
    if (pfadbefehl(argc, argv, &status)) return ausgabe_pruefen(status);
    // A picture of one moment saved to a file (needs a display).
    if (bildbefehl_verlangt(argc, argv)) return bildbefehl(argc, argv, bild);

    // A mistyped form is refused before a display is asked for.
    if (const char *option = unbekannte_option(argc, argv)) {
        fprintf(stderr, "umbrix: unbekannte Option %s\n", option);
        anwendung_zeigen(stderr);
        return 2;
    }
    if (kommandozeile_auswerten(argc, argv)) {
        anwendung_zeigen(stdout);
        return ausgabe_pruefen(0);
    }

    double xmax = globusfenster_oeffnen(menus_anlegen);
    Bessel bessel;
    bessel.dateneinlesen(jahr, monat);
    datum_uebernehmen(bessel);
    while (!schluss()) {
        Animation a = animieren(bessel);
        if (a == Animation::gewechselt) continue;
        if (a == Animation::durchgelaufen && alle == 1 && weiterschalten(bessel)) continue;
        betrachten(bessel, xmax);
    }

    term_exit();
    delete[] aktuellerpfad;
    return 0;
}
